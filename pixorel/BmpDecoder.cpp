// Decodes BMP files to 0x00RRGGBB pixels, top row first.
//
// Colour rules, chosen to give the same pixels as Windows GDI (checked
// against Wine's DIB engine by the tests):
// - A palette index past the colour table gives black.
// - A bit-field channel is taken from the lowest run of set bits in its mask.
//   Its top 8 bits (or all of them, if fewer) are moved to the top of a byte,
//   and the byte's low bits are filled by repeating the value's top bits once:
//   5 bits v -> (v << 3) | (v >> 2), 6 bits -> (v << 2) | (v >> 4),
//   1 bit -> 0x00 or 0xC0. A zero mask gives 0 for that channel.
// - 16 bpp without bit fields is 5-5-5; 32 bpp without bit fields is
//   B, G, R, ignored byte. Alpha is never read.
// - Pixels that RLE data skips (delta, early end of line or of bitmap) are
//   black, as GDI leaves them untouched in a cleared bitmap.
#include "BmpDecoder.h"

#include <string.h>

namespace pixorel {
namespace {

enum { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

inline uint32_t U16(const uint8_t* p) { return (uint32_t)p[0] | ((uint32_t)p[1] << 8); }
inline uint32_t U32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

struct Field { int shift; int len; };

Field FieldOf(uint32_t mask) {
    Field f = {0, 0};
    if (!mask) return f;
    while (!(mask & 1)) { mask >>= 1; f.shift++; }
    while (mask & 1) { mask >>= 1; f.len++; }
    return f;
}

// Expands one channel the way GDI's DIB engine does (see the file comment).
inline uint32_t Expand(uint32_t value, Field f) {
    static const uint32_t kTopBits[9] = {0x00, 0x80, 0xc0, 0xe0, 0xf0, 0xf8, 0xfc, 0xfe, 0xff};
    int len = f.len > 8 ? 8 : f.len;
    int shift = f.shift - (8 - f.len);
    if (shift < 0) value <<= -shift; else value >>= shift;
    value &= kTopBits[len];
    if (f.len < 8) value |= value >> f.len;
    return value;
}

struct Layout {
    uint32_t bitsOffset;
    uint32_t paletteOffset;
    uint32_t paletteEntrySize;  // 3 (core) or 4
    uint32_t masks[3];          // red, green, blue for 16/32 bpp
    uint64_t bitsSize;          // bytes of pixel data available
};

// Validates the headers; on success fills info and layout.
bool Parse(const uint8_t* d, size_t n, BmpInfo* info, Layout* lay) {
    if (!d || n < 14 + 12 || d[0] != 'B' || d[1] != 'M') return false;
    uint32_t offBits = U32(d + 10);
    uint32_t hdr = U32(d + 14);
    if (hdr != 12 && hdr != 40 && hdr != 52 && hdr != 56 && hdr != 108 && hdr != 124) return false;
    if ((uint64_t)14 + hdr > n) return false;
    const uint8_t* h = d + 14;

    int64_t width, height;
    uint32_t planes, bpp, comp = kRgb, clrUsed = 0, sizeImage = 0;
    if (hdr == 12) {
        width = U16(h + 4);
        height = U16(h + 6);
        planes = U16(h + 8);
        bpp = U16(h + 10);
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return false;
    } else {
        width = (int32_t)U32(h + 4);
        height = (int32_t)U32(h + 8);
        planes = U16(h + 12);
        bpp = U16(h + 14);
        comp = U32(h + 16);
        sizeImage = U32(h + 20);
        clrUsed = U32(h + 32);
    }
    if (planes != 1) return false;
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return false;
    if ((uint64_t)width * (uint64_t)height > kMaxPixels) return false;

    switch (comp) {
    case kRgb:
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
        break;
    case kRle8:
        if (bpp != 8 || topDown) return false;
        break;
    case kRle4:
        if (bpp != 4 || topDown) return false;
        break;
    case kBitFields:
        if (bpp != 16 && bpp != 32) return false;
        break;
    default:
        return false;
    }

    uint64_t end = 14 + (uint64_t)hdr;  // end of the header structures so far
    lay->masks[0] = lay->masks[1] = lay->masks[2] = 0;
    if (comp == kBitFields) {
        // Masks follow a 40-byte header; larger headers carry them inside,
        // at the same place.
        if (hdr == 40) end += 12;
        if (end > n) return false;
        for (int i = 0; i < 3; i++) lay->masks[i] = U32(h + 40 + 4 * i);
    } else if (bpp == 16) {
        lay->masks[0] = 0x7c00; lay->masks[1] = 0x03e0; lay->masks[2] = 0x001f;
    } else if (bpp == 32) {
        lay->masks[0] = 0xff0000; lay->masks[1] = 0x00ff00; lay->masks[2] = 0x0000ff;
    }

    uint32_t palette = 0;
    lay->paletteEntrySize = hdr == 12 ? 3 : 4;
    lay->paletteOffset = (uint32_t)end;
    if (bpp <= 8) {
        uint32_t full = 1u << bpp;
        palette = (clrUsed == 0 || clrUsed > full) ? full : clrUsed;
        end += (uint64_t)palette * lay->paletteEntrySize;
    }
    if (offBits < end || offBits > n) return false;

    uint64_t avail = n - offBits;
    if (comp == kRle8 || comp == kRle4) {
        if (sizeImage) {
            if (sizeImage > avail) return false;
            avail = sizeImage;
        }
        if (avail < 2) return false;
    } else {
        uint64_t stride = (((uint64_t)width * bpp + 31) / 32) * 4;
        uint64_t lastRow = ((uint64_t)width * bpp + 7) / 8;  // final padding may be missing
        if (stride * (uint64_t)(height - 1) + lastRow > avail) return false;
    }

    lay->bitsOffset = offBits;
    lay->bitsSize = avail;
    info->width = (int32_t)width;
    info->height = (int32_t)height;
    info->topDown = topDown;
    info->headerSize = hdr;
    info->bitCount = bpp;
    info->compression = comp;
    info->paletteSize = palette;
    return true;
}

struct Palette {
    uint32_t colors[256];
    uint32_t size;
    uint32_t At(uint32_t i) const { return i < size ? colors[i] : 0; }
};

void ReadPalette(const uint8_t* d, const BmpInfo& info, const Layout& lay, Palette* pal) {
    pal->size = info.paletteSize;
    for (uint32_t i = 0; i < pal->size; i++) {
        const uint8_t* e = d + lay.paletteOffset + (size_t)i * lay.paletteEntrySize;
        pal->colors[i] = ((uint32_t)e[2] << 16) | ((uint32_t)e[1] << 8) | e[0];
    }
}

void DecodeRows(const uint8_t* d, const BmpInfo& info, const Layout& lay, const Palette& pal,
                uint32_t* out) {
    const uint32_t w = (uint32_t)info.width, bpp = info.bitCount;
    const size_t stride = (((size_t)w * bpp + 31) / 32) * 4;
    Field f[3] = {FieldOf(lay.masks[0]), FieldOf(lay.masks[1]), FieldOf(lay.masks[2])};
    for (int32_t row = 0; row < info.height; row++) {
        const uint8_t* src = d + lay.bitsOffset + (size_t)row * stride;
        int32_t y = info.topDown ? row : info.height - 1 - row;
        uint32_t* dst = out + (size_t)y * w;
        switch (bpp) {
        case 1:
            for (uint32_t x = 0; x < w; x++) dst[x] = pal.At((src[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (uint32_t x = 0; x < w; x++) dst[x] = pal.At((x & 1) ? src[x >> 1] & 15 : src[x >> 1] >> 4);
            break;
        case 8:
            for (uint32_t x = 0; x < w; x++) dst[x] = pal.At(src[x]);
            break;
        case 24:
            for (uint32_t x = 0; x < w; x++, src += 3)
                dst[x] = ((uint32_t)src[2] << 16) | ((uint32_t)src[1] << 8) | src[0];
            break;
        case 16:
            for (uint32_t x = 0; x < w; x++, src += 2) {
                uint32_t v = U16(src);
                dst[x] = (Expand(v, f[0]) << 16) | (Expand(v, f[1]) << 8) | Expand(v, f[2]);
            }
            break;
        case 32:
            if (info.compression == kRgb) {
                for (uint32_t x = 0; x < w; x++, src += 4)
                    dst[x] = ((uint32_t)src[2] << 16) | ((uint32_t)src[1] << 8) | src[0];
            } else {
                for (uint32_t x = 0; x < w; x++, src += 4) {
                    uint32_t v = U32(src);
                    dst[x] = (Expand(v, f[0]) << 16) | (Expand(v, f[1]) << 8) | Expand(v, f[2]);
                }
            }
            break;
        }
    }
}

// RLE rows are bottom-up: row y of the data is output row height-1-y.
bool DecodeRle(const uint8_t* d, const BmpInfo& info, const Layout& lay, const Palette& pal,
               uint32_t* out) {
    const bool four = info.compression == kRle4;
    const uint32_t w = (uint32_t)info.width, h = (uint32_t)info.height;
    const uint8_t* p = d + lay.bitsOffset;
    const uint8_t* end = p + lay.bitsSize;
    uint32_t x = 0, y = 0;
    for (;;) {
        if (end - p < 2) return y >= h;  // data ended: fine only after the last row
        uint32_t a = p[0], b = p[1];
        p += 2;
        if (a) {  // encoded run: a pixels of index b (RLE4: two alternating indices)
            if (y >= h || a > w - x) return false;
            uint32_t* dst = out + (size_t)(h - 1 - y) * w + x;
            uint32_t c0 = pal.At(four ? b >> 4 : b), c1 = pal.At(four ? b & 15 : b);
            for (uint32_t i = 0; i < a; i++) dst[i] = (i & 1) ? c1 : c0;
            x += a;
        } else if (b == 0) {  // end of line
            if (y >= h) return false;
            x = 0;
            y++;
        } else if (b == 1) {  // end of bitmap
            return true;
        } else if (b == 2) {  // delta: move right and up
            if (end - p < 2) return false;
            x += p[0];
            y += p[1];
            p += 2;
            if (x > w || y > h) return false;
        } else {  // absolute run of b indices, padded to a 16-bit boundary
            uint32_t bytes = four ? (b + 1) / 2 : b;
            bytes += bytes & 1;
            if ((size_t)(end - p) < bytes) return false;
            if (y >= h || b > w - x) return false;
            uint32_t* dst = out + (size_t)(h - 1 - y) * w + x;
            for (uint32_t i = 0; i < b; i++) {
                uint32_t idx = four ? ((i & 1) ? p[i >> 1] & 15 : p[i >> 1] >> 4) : p[i];
                dst[i] = pal.At(idx);
            }
            x += b;
            p += bytes;
        }
    }
}

}  // namespace

bool ReadBmpInfo(const uint8_t* data, size_t size, BmpInfo* info) {
    Layout lay;
    return info && Parse(data, size, info, &lay);
}

bool DecodeBmp(const uint8_t* data, size_t size, const BmpInfo& info, uint32_t* pixels) {
    BmpInfo check;
    Layout lay;
    if (!pixels || !Parse(data, size, &check, &lay)) return false;
    if (check.width != info.width || check.height != info.height) return false;
    Palette pal;
    ReadPalette(data, check, lay, &pal);
    if (check.compression == kRle8 || check.compression == kRle4) {
        memset(pixels, 0, (size_t)check.width * check.height * sizeof(uint32_t));
        return DecodeRle(data, check, lay, pal, pixels);
    }
    DecodeRows(data, check, lay, pal, pixels);
    return true;
}

}  // namespace pixorel
