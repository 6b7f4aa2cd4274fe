// Test helpers shared by Pixorel's native sanitizer test and its Windows
// test: small BMP and skin-container encoders, pseudo-random content, and
// the sets of malformed BMP files and containers that must be refused.
// Header-only and free of platform headers, so it builds with clang on Linux
// and with MinGW for Windows alike.
#ifndef PIXOREL_TESTING_BMPSAMPLES_H
#define PIXOREL_TESTING_BMPSAMPLES_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

// Compression values of a BMP info header; windows.h defines the same ones.
#ifndef BI_RGB
#define BI_RGB 0
#endif
#ifndef BI_RLE8
#define BI_RLE8 1
#endif
#ifndef BI_RLE4
#define BI_RLE4 2
#endif
#ifndef BI_BITFIELDS
#define BI_BITFIELDS 3
#endif
#ifndef BI_JPEG
#define BI_JPEG 4
#endif

namespace bmpsamples {

typedef std::vector<uint8_t> Bytes;
typedef std::vector<std::pair<std::string, Bytes>> NamedFiles;

// ---- Little-endian encoding ------------------------------------------------

inline void Put16(Bytes& b, uint32_t v) { b.push_back(v & 0xff); b.push_back((v >> 8) & 0xff); }
inline void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xffff); Put16(b, v >> 16); }
inline void Set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++) b[at + i] = (uint8_t)(v >> (8 * i));
}

// A small deterministic generator, so every run builds the same files.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed * 2654435761u + 1) {}
    uint32_t Next() { s = s * 1664525u + 1013904223u; return s >> 8; }
    uint32_t Below(uint32_t n) { return Next() % n; }
};

// ---- BMP files -------------------------------------------------------------

struct BmpShape {
    uint32_t header = 40;           // 12, 40, 52, 56, 108, 124
    int width = 1, height = 1;      // negative height: top-down
    int bpp = 24;
    uint32_t compression = BI_RGB;
    std::vector<uint32_t> palette;  // entries written as given, 0x00RRGGBB
    uint32_t colors = 0;            // with no palette given: this many random entries
    uint32_t clrUsed = 0;           // value of biClrUsed
    uint32_t masks[3] = {0, 0, 0};
};

inline size_t Stride(int width, int bpp) { return ((size_t)width * bpp + 31) / 32 * 4; }

// `n` pseudo-random 0x00RRGGBB colours.
inline std::vector<uint32_t> RandomPalette(uint32_t n, uint32_t seed) {
    Rng rng(seed);
    std::vector<uint32_t> p(n);
    for (auto& c : p) c = rng.Next() & 0xffffff;
    return p;
}

// A complete BMP file: file header, info header, masks, palette, bits. The
// palette is s.palette, or when that is empty s.colors random entries drawn
// from `seed`.
inline Bytes MakeBmp(const BmpShape& s, const Bytes& bits, uint32_t seed = 1) {
    Bytes b = {'B', 'M'};
    Put32(b, 0); Put32(b, 0); Put32(b, 0);  // size and offset filled in below
    Put32(b, s.header);
    if (s.header == 12) {
        Put16(b, s.width); Put16(b, s.height); Put16(b, 1); Put16(b, s.bpp);
    } else {
        Put32(b, s.width); Put32(b, s.height); Put16(b, 1); Put16(b, s.bpp);
        Put32(b, s.compression); Put32(b, (uint32_t)bits.size());
        Put32(b, 2835); Put32(b, 2835); Put32(b, s.clrUsed); Put32(b, 0);
        bool fields = s.compression == BI_BITFIELDS;
        if (s.header == 40 && fields)
            for (int i = 0; i < 3; i++) Put32(b, s.masks[i]);
        if (s.header >= 52)
            for (int i = 0; i < 3; i++) Put32(b, fields ? s.masks[i] : 0);
        if (s.header >= 56) Put32(b, 0);              // alpha mask
        if (s.header >= 108) {
            Put32(b, 0x73524742);                      // 'sRGB'
            for (int i = 0; i < 12; i++) Put32(b, 0);  // endpoints, gamma
        }
        if (s.header >= 124) { Put32(b, 4); Put32(b, 0); Put32(b, 0); Put32(b, 0); }
    }
    const std::vector<uint32_t> palette = s.palette.empty() ? RandomPalette(s.colors, seed) : s.palette;
    for (uint32_t c : palette) {
        b.push_back(c & 0xff); b.push_back((c >> 8) & 0xff); b.push_back((c >> 16) & 0xff);
        if (s.header != 12) b.push_back(0);
    }
    Set32(b, 10, (uint32_t)b.size());
    b.insert(b.end(), bits.begin(), bits.end());
    Set32(b, 2, (uint32_t)b.size());
    return b;
}

// Random uncompressed pixel rows for `s`, padding included.
inline Bytes RandomBits(const BmpShape& s, uint32_t seed) {
    Rng rng(seed);
    Bytes bits(Stride(s.width, s.bpp) * (size_t)std::abs(s.height));
    for (auto& v : bits) v = (uint8_t)rng.Next();
    return bits;
}

// Random but valid RLE8/RLE4 data: encoded runs, absolute runs (odd and even
// lengths, so the padding is exercised), deltas, early ends of line, and
// sometimes an early end of bitmap.
inline Bytes RandomRle(int width, int height, bool four, uint32_t seed) {
    Rng rng(seed);
    Bytes d;
    int x = 0, y = 0;
    while (y < height) {
        int left = width - x;
        uint32_t op = rng.Below(10);
        if (left == 0 || op == 0) {                       // end of line
            d.push_back(0); d.push_back(0);
            x = 0; y++;
        } else if (op == 1 && y + 1 < height) {           // delta
            int dx = (int)rng.Below(left + 1), dy = (int)rng.Below(2);
            d.push_back(0); d.push_back(2); d.push_back(dx); d.push_back(dy);
            x += dx; y += dy;
        } else if (op == 2 && rng.Below(4) == 0) {        // end of bitmap
            break;
        } else if (op < 6 || left < 3) {                  // encoded run
            int n = 1 + (int)rng.Below(left < 255 ? left : 255);
            d.push_back(n); d.push_back((uint8_t)rng.Next());
            x += n;
        } else {                                          // absolute run
            int n = 3 + (int)rng.Below((left < 255 ? left : 255) - 2);
            d.push_back(0); d.push_back(n);
            size_t bytes = four ? (n + 1) / 2 : n;
            for (size_t i = 0; i < bytes; i++) d.push_back((uint8_t)rng.Next());
            if (bytes & 1) d.push_back(0);
            x += n;
        }
    }
    d.push_back(0); d.push_back(1);
    return d;
}

// ---- Every variant, random content -----------------------------------------

// Every header size, bit count, compression, bit-field layout and palette
// length the reader takes, with pseudo-random content, in widths that give
// every row padding, bottom-up and top-down.
inline NamedFiles Variants() {
    struct Fields { int bpp; uint32_t r, g, b; };
    static const Fields fields[] = {
        {16, 0xf800, 0x07e0, 0x001f},   // 5-6-5
        {16, 0x7c00, 0x03e0, 0x001f},   // 5-5-5 as bit fields
        {16, 0x0f00, 0x00f0, 0x000f},   // 4-4-4
        {16, 0x001f, 0x07e0, 0xf800},   // 5-6-5, blue on top
        {16, 0x8000, 0x4000, 0x0001},   // one bit per channel
        {16, 0x8000, 0x7ff0, 0x000f},   // an 11-bit channel
        {32, 0xffff0000, 0x0000ff00, 0x000000ff},  // a 16-bit channel
        {32, 0xff0000, 0x00ff00, 0x0000ff},
        {32, 0x0000ff, 0x00ff00, 0xff0000},
        {32, 0x3ff00000, 0x000ffc00, 0x000003ff},  // 10-10-10
        {32, 0xff000000, 0x00ff0000, 0x0000ff00},
        {32, 0x0000f800, 0x000007e0, 0x0000001f},
    };
    static const int widths[] = {1, 3, 7, 13, 33};
    NamedFiles v;
    uint32_t seed = 1;
    auto add = [&](const std::string& name, const BmpShape& s, const Bytes& bits) {
        v.push_back({name, MakeBmp(s, bits, seed)});
        seed++;
    };
    for (uint32_t header : {12u, 40u, 52u, 56u, 108u, 124u}) {
        for (int width : widths) {
            for (int height : {5, -4}) {
                if (header == 12 && height < 0) continue;  // core headers are bottom-up only
                std::string where = " h" + std::to_string(header) + " w" + std::to_string(width) +
                                    " h" + std::to_string(height);
                for (int bpp : {1, 4, 8, 16, 24, 32}) {
                    if (header == 12 && (bpp == 16 || bpp == 32)) continue;
                    BmpShape s; s.header = header; s.width = width; s.height = height; s.bpp = bpp;
                    s.colors = bpp <= 8 ? 1u << bpp : 0;
                    add(std::to_string(bpp) + "bpp" + where, s, RandomBits(s, seed));
                }
                if (header == 12) continue;
                for (const Fields& f : fields) {
                    BmpShape s; s.header = header; s.width = width; s.height = height; s.bpp = f.bpp;
                    s.compression = BI_BITFIELDS;
                    s.masks[0] = f.r; s.masks[1] = f.g; s.masks[2] = f.b;
                    char name[48];
                    snprintf(name, sizeof name, "%dbpp fields %x/%x/%x", f.bpp, f.r, f.g, f.b);
                    add(name + where, s, RandomBits(s, seed));
                }
                for (int rle = 0; rle < 4 && height > 0; rle++) {  // RLE8, RLE4, each also with 5 colours
                    bool four = rle & 1;
                    BmpShape s; s.header = header; s.width = width; s.height = height;
                    s.bpp = four ? 4 : 8; s.compression = four ? BI_RLE4 : BI_RLE8;
                    s.colors = s.clrUsed = rle < 2 ? 0 : 5;
                    if (!s.colors) s.colors = 1u << s.bpp;
                    add(std::string(four ? "rle4" : "rle8") + (rle < 2 ? "" : " 5 colours") + where, s,
                        RandomRle(width, height, four, seed));
                }
            }
        }
    }
    // biClrUsed below 2^bpp: random indices often point past the table.
    for (int bpp : {1, 4, 8}) {
        for (uint32_t used : {1u, 2u, 3u, 16u, 100u}) {
            if (used > (1u << bpp)) continue;
            for (int width : widths) {
                BmpShape s; s.width = width; s.height = 6; s.bpp = bpp; s.colors = s.clrUsed = used;
                add(std::to_string(bpp) + "bpp " + std::to_string(used) + " colours w" + std::to_string(width), s,
                    RandomBits(s, seed));
            }
        }
    }
    return v;
}

// ---- Images of known pixels ------------------------------------------------

// A small file and the pixels it must decode to (0x00RRGGBB, top row first),
// worked out by hand.
struct KnownImage {
    std::string name;
    Bytes file;
    int width, height;
    std::vector<uint32_t> want;
};

// Cases that random content rarely pins down exactly:
// - Row order and row padding of a plain 24-bpp file.
// - RLE deltas taken in the middle of a row (x > 0) and upwards (dy > 0), so
//   a delta read as an absolute position lands elsewhere. The RLE4 delta also
//   lands on an odd x: a run's nibbles alternate from the run's start.
// - Palette indices equal to the table's size (black, past the end) and one
//   below it (the last entry).
inline std::vector<KnownImage> KnownImages() {
    std::vector<KnownImage> v;
    std::vector<uint32_t> p(16);
    for (uint32_t i = 0; i < 16; i++) p[i] = 0x102030 + 0x0d0b07 * i;  // no entry is black
    {
        BmpShape s; s.width = 8; s.height = 4; s.bpp = 8; s.compression = BI_RLE8;
        s.palette.assign(p.begin(), p.begin() + 4); s.clrUsed = 4;
        Bytes d = {3, 1,           // row 0: three 1s, x = 3
                   0, 2, 2, 1,     // delta to (5, 1)
                   2, 2,           // two 2s
                   0, 0,           // end of line: (0, 2)
                   1, 3,           // one 3, x = 1
                   0, 2, 3, 1,     // delta to (4, 3)
                   0, 3, 0, 1, 2, 0,  // absolute 0 1 2, padded
                   0, 1};
        v.push_back({"RLE8 deltas within rows", MakeBmp(s, d), 8, 4,
                     {0, 0, 0, 0, p[0], p[1], p[2], 0,          // row 3 (top)
                      p[3], 0, 0, 0, 0, 0, 0, 0,                // row 2
                      0, 0, 0, 0, 0, p[2], p[2], 0,             // row 1
                      p[1], p[1], p[1], 0, 0, 0, 0, 0}});       // row 0 (bottom)
    }
    {
        BmpShape s; s.width = 8; s.height = 4; s.bpp = 4; s.compression = BI_RLE4; s.palette = p;
        Bytes d = {3, 0x12,           // row 0: 1 2 1, x = 3
                   0, 2, 2, 1,        // delta to (5, 1)
                   3, 0x34,           // 3 4 3
                   0, 0,              // end of line: (0, 2)
                   0, 3, 0x56, 0x70,  // absolute 5 6 7
                   0, 2, 1, 1,        // delta to (4, 3)
                   2, 0x8f,           // 8 15
                   0, 1};
        v.push_back({"RLE4 deltas within rows", MakeBmp(s, d), 8, 4,
                     {0, 0, 0, 0, p[8], p[15], 0, 0,
                      p[5], p[6], p[7], 0, 0, 0, 0, 0,
                      0, 0, 0, 0, 0, p[3], p[4], p[3],
                      p[1], p[2], p[1], 0, 0, 0, 0, 0}});
    }
    {   // RLE8: run, odd absolute run (padded), index past the palette, a
        // delta after an end of line, an early end of bitmap.
        BmpShape s; s.width = 6; s.height = 3; s.bpp = 8; s.compression = BI_RLE8;
        s.palette.assign(p.begin(), p.begin() + 4); s.clrUsed = 4;
        Bytes d = {3, 1, 0, 3, 2, 3, 9, 0, 0, 0,  // 1 1 1 2 3 9, end of line
                   0, 2, 2, 1,                    // delta to (2, 2)
                   2, 2, 0, 1};                   // 2 2, end of bitmap
        v.push_back({"RLE8 runs and an early end", MakeBmp(s, d), 6, 3,
                     {0, 0, p[2], p[2], 0, 0,
                      0, 0, 0, 0, 0, 0,
                      p[1], p[1], p[1], p[2], p[3], 0}});
        // RLE4: a run alternating two indices, an odd absolute run.
        s.width = 5; s.height = 1; s.bpp = 4; s.compression = BI_RLE4; s.palette = p; s.clrUsed = 0;
        v.push_back({"RLE4 runs", MakeBmp(s, {2, 0x12, 0, 3, 0x34, 0x50, 0, 1}), 5, 1, {p[1], p[2], p[3], p[4], p[5]}});
    }
    {
        BmpShape s; s.width = 6; s.height = 1; s.bpp = 8;
        s.palette.assign(p.begin(), p.begin() + 5); s.clrUsed = 5;
        v.push_back({"8 bpp, 5 colours: indices 4 and 5", MakeBmp(s, {4, 5, 0, 3, 6, 255, 0, 0}), 6, 1,
                     {p[4], 0, p[0], p[3], 0, 0}});
        s.width = 4; s.bpp = 4;
        s.palette.assign(p.begin(), p.begin() + 7); s.clrUsed = 7;
        v.push_back({"4 bpp, 7 colours: indices 6 and 7", MakeBmp(s, {0x67, 0x0f, 0, 0}), 4, 1,
                     {p[6], 0, p[0], 0}});
        s.width = 3; s.bpp = 1;
        s.palette.assign(p.begin() + 9, p.begin() + 10); s.clrUsed = 1;
        v.push_back({"1 bpp, 1 colour: indices 0 and 1", MakeBmp(s, {0x40, 0, 0, 0}), 3, 1,
                     {p[9], 0, p[9]}});
    }
    {   // 24 bpp, rows padded to 8 bytes: bottom-up, and the same bytes top-down.
        BmpShape s; s.width = 2; s.height = 2;
        Bytes bits = {0, 0, 0xff, 0, 0xff, 0, 0, 0, 0xff, 0, 0, 0x10, 0x20, 0x30, 0, 0};
        v.push_back({"24 bpp bottom-up", MakeBmp(s, bits), 2, 2, {0x0000ff, 0x302010, 0xff0000, 0x00ff00}});
        s.height = -2;
        v.push_back({"24 bpp top-down", MakeBmp(s, bits), 2, 2, {0xff0000, 0x00ff00, 0x0000ff, 0x302010}});
    }
    return v;
}

// ---- Skin containers -------------------------------------------------------

// Container bytes: "TSKN", version 1, count, entries, then the images. An
// empty image becomes a hole (offset 0).
inline Bytes MakeSkin(const std::vector<Bytes>& images) {
    Bytes b = {'T', 'S', 'K', 'N'};
    Put32(b, 1);
    Put32(b, (uint32_t)images.size());
    uint32_t at = 12 + 8 * (uint32_t)images.size();
    for (const Bytes& img : images) {
        Put32(b, img.empty() ? 0 : at);
        Put32(b, (uint32_t)img.size());
        at += (uint32_t)img.size();
    }
    for (const Bytes& img : images) b.insert(b.end(), img.begin(), img.end());
    return b;
}

// ---- Malformed input -------------------------------------------------------

// BMP files the decoder must refuse: truncations, lying offsets and sizes,
// absurd dimensions, bad bit counts and compressions, palettes and masks cut
// off, and RLE streams that break the rules.
inline NamedFiles MalformedBmps() {
    NamedFiles bad;
    BmpShape s;
    s.width = 13; s.height = 5; s.bpp = 24;
    const Bytes good = MakeBmp(s, RandomBits(s, 7));
    auto with32 = [&](const char* name, size_t at, uint32_t value) {
        Bytes b = good; Set32(b, at, value); bad.push_back({name, b});
    };
    for (size_t cut : {0, 1, 2, 14, 17, 30, 53, 54, 60, 100})
        bad.push_back({"truncated at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut)});
    bad.push_back({"missing a whole row", Bytes(good.begin(), good.end() - 44)});
    bad.push_back({"missing the last pixel", Bytes(good.begin(), good.end() - 4)});
    with32("bits offset past the file", 10, (uint32_t)good.size() + 1);
    with32("bits offset inside the header", 10, 20);
    with32("bits offset huge", 10, 0xfffffff0);
    with32("header size 0", 14, 0);
    with32("header size 41", 14, 41);
    with32("header size huge", 14, 0x7fffffff);
    with32("width 0", 18, 0);
    with32("width negative", 18, (uint32_t)-13);
    with32("height 0", 22, 0);
    with32("height INT_MIN", 22, 0x80000000);
    with32("width 40000", 18, 40000);
    with32("height 32769", 22, 32769);
    with32("height -32769", 22, (uint32_t)-32769);
    with32("width 65536", 18, 65536);
    with32("unknown compression", 30, 9);
    with32("bit fields with 24 bpp", 30, BI_BITFIELDS);
    with32("RLE8 with 24 bpp", 30, BI_RLE8);
    with32("JPEG", 30, BI_JPEG);
    {
        Bytes b = good; Set32(b, 18, 4097); Set32(b, 22, 4097); bad.push_back({"4097 x 4097", b});
        b = good; Set32(b, 18, 0x7fffffff); Set32(b, 22, 0x7fffffff); bad.push_back({"2^31 x 2^31", b});
        b = good; Set32(b, 18, 32768); Set32(b, 22, 513); bad.push_back({"32768 x 513", b});
        b = good; b[28] = 7; bad.push_back({"bit count 7", b});
        b = good; b[28] = 0; bad.push_back({"bit count 0", b});
        b = good; b[26] = 2; bad.push_back({"two planes", b});
        b = good; b[0] = 'M'; bad.push_back({"bad magic", b});
    }

    BmpShape p;
    p.width = 7; p.height = 4; p.bpp = 8; p.palette = RandomPalette(256, 3);
    const Bytes pal = MakeBmp(p, RandomBits(p, 3));
    {
        // The palette reaching past the bits offset, with biClrUsed left at
        // 0 (all 256 entries implied) and with 256 stated.
        Bytes b = pal; Set32(b, 10, 14 + 40 + 100); bad.push_back({"palette overlapping the bits", b});
        Set32(b, 46, 256); bad.push_back({"palette overlapping the bits, biClrUsed 256", b});
        b = pal; b.resize(14 + 40 + 500); bad.push_back({"cut inside the palette", b});
        BmpShape c;
        c.header = 12; c.width = 2; c.height = 1; c.bpp = 16;
        bad.push_back({"core header 16 bpp", MakeBmp(c, {0, 0, 0, 0})});
    }

    auto rle = [&](const char* name, Bytes data, int width, int height, bool four, uint32_t sizeImage) {
        BmpShape r;
        r.width = width; r.height = height; r.bpp = four ? 4 : 8;
        r.compression = four ? BI_RLE4 : BI_RLE8; r.palette = RandomPalette(1u << r.bpp, 1);
        Bytes b = MakeBmp(r, data);
        if (sizeImage) Set32(b, 34, sizeImage);
        bad.push_back({name, b});
    };
    rle("RLE8 run past the row", {5, 1, 0, 1}, 4, 2, false, 0);
    rle("RLE8 absolute past the row", {0, 5, 1, 2, 3, 4, 5, 0, 0, 1}, 4, 2, false, 0);
    rle("RLE4 run past the row", {5, 0x12, 0, 1}, 4, 2, true, 0);
    rle("RLE4 absolute past the row", {0, 5, 0x12, 0x34, 0x50, 0, 0, 1}, 4, 2, true, 0);
    rle("RLE8 rows past the image", {4, 1, 0, 0, 4, 1, 0, 0, 4, 1, 0, 1}, 4, 2, false, 0);
    rle("RLE8 end of line past the image", {0, 0, 0, 0, 0, 0, 0, 1}, 4, 2, false, 0);
    rle("RLE8 delta past the row", {0, 2, 5, 0, 0, 1}, 4, 2, false, 0);
    rle("RLE8 delta past the image", {0, 2, 0, 3, 0, 1}, 4, 2, false, 0);
    rle("RLE8 data ends early", {4, 1, 0, 0}, 4, 2, false, 0);
    rle("RLE8 absolute run cut off", {0, 9, 1, 2, 3}, 16, 2, false, 0);
    rle("RLE8 delta cut off", {0, 2}, 4, 2, false, 0);
    rle("RLE8 size past the file", {4, 1, 0, 1}, 4, 2, false, 1000);
    rle("RLE8 one byte", {4}, 4, 2, false, 0);
    {
        BmpShape r;
        r.width = 4; r.height = -2; r.bpp = 8; r.compression = BI_RLE8; r.palette = RandomPalette(256, 1);
        bad.push_back({"top-down RLE8", MakeBmp(r, {4, 1, 0, 0, 4, 2, 0, 1})});
        // 32-bpp bit fields whose masks are cut off.
        BmpShape f;
        f.width = 1; f.height = 1; f.bpp = 32; f.compression = BI_BITFIELDS;
        Bytes b = MakeBmp(f, {1, 2, 3, 4});
        b.resize(14 + 40 + 6);
        Set32(b, 10, 14 + 40);
        bad.push_back({"bit fields cut off", b});
    }
    return bad;
}

// Containers that must not open at all: too short, other formats, a wrong
// version, and entry tables that do not fit. `twoImages` is a valid
// container of two images that the broken ones are made from.
inline NamedFiles MalformedSkins(const Bytes& twoImages) {
    NamedFiles bad = {
        {"empty", {}},
        {"one byte", {'B'}},
        {"magic only", {'T', 'S', 'K', 'N'}},
        {"other format, 12 bytes", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}},
        {"other format, 14 bytes", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    Bytes v = twoImages; Set32(v, 4, 2); bad.push_back({"version 2", v});
    v = twoImages; Set32(v, 8, 3); v.resize(12 + 8 * 3 - 1); bad.push_back({"table past the file", v});
    v = twoImages; Set32(v, 8, 70000); bad.push_back({"count 70000", v});
    v = twoImages; Set32(v, 8, 0xffffffff); bad.push_back({"count 2^32-1, overflowing the table size", v});
    v = twoImages; v.resize(12 + 8 * 2 - 1); bad.push_back({"cut inside the table", v});
    return bad;
}

}  // namespace bmpsamples

#endif  // PIXOREL_TESTING_BMPSAMPLES_H
