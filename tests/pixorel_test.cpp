// Pixorel.dll seen from outside: every BMP variant it reads must come out
// pixel-for-pixel as GDI itself decodes the same bytes; containers, holes,
// bad indices, bad handles and malformed files must give 0; nothing may be
// left open afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Pixorel.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// ---- Small BMP encoders ---------------------------------------------------

void Put16(Bytes& b, uint32_t v) { b.push_back(v & 0xff); b.push_back((v >> 8) & 0xff); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xffff); Put16(b, v >> 16); }
void Set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++) b[at + i] = (uint8_t)(v >> (8 * i));
}

struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed * 2654435761u + 1) {}
    uint32_t Next() { s = s * 1664525u + 1013904223u; return s >> 8; }
    uint32_t Below(uint32_t n) { return Next() % n; }
};

struct BmpShape {
    uint32_t header = 40;       // 12, 40, 52, 56, 108, 124
    int width = 1, height = 1;  // negative height: top-down
    int bpp = 24;
    uint32_t compression = BI_RGB;
    uint32_t colors = 0;        // palette entries written (0: none)
    uint32_t clrUsed = 0;       // value of biClrUsed
    uint32_t masks[3] = {0, 0, 0};
};

size_t Stride(int width, int bpp) { return ((size_t)width * bpp + 31) / 32 * 4; }

// A complete BMP file: file header, info header, masks, palette, bits.
Bytes MakeBmp(const BmpShape& s, const Bytes& bits, uint32_t seed = 1) {
    Bytes b;
    b.push_back('B'); b.push_back('M');
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
        if (s.header >= 56) Put32(b, 0);            // alpha mask
        if (s.header >= 108) {
            Put32(b, 0x73524742);                    // 'sRGB'
            for (int i = 0; i < 12; i++) Put32(b, 0); // endpoints, gamma
        }
        if (s.header >= 124) { Put32(b, 4); Put32(b, 0); Put32(b, 0); Put32(b, 0); }
    }
    Rng rng(seed);
    for (uint32_t i = 0; i < s.colors; i++) {
        uint32_t c = rng.Next();
        b.push_back(c & 0xff); b.push_back((c >> 8) & 0xff); b.push_back((c >> 16) & 0xff);
        if (s.header != 12) b.push_back(0);
    }
    Set32(b, 10, (uint32_t)b.size());
    b.insert(b.end(), bits.begin(), bits.end());
    Set32(b, 2, (uint32_t)b.size());
    return b;
}

Bytes RandomBits(const BmpShape& s, uint32_t seed) {
    Rng rng(seed);
    Bytes bits(Stride(s.width, s.bpp) * (size_t)std::abs(s.height));
    for (auto& v : bits) v = (uint8_t)rng.Next();
    return bits;
}

// Random but valid RLE8/RLE4 data: encoded runs, absolute runs (odd and even
// lengths, so the padding is exercised), deltas, early ends of line, and
// sometimes an early end of bitmap.
Bytes RandomRle(int width, int height, bool four, uint32_t seed) {
    Rng rng(seed);
    Bytes d;
    int x = 0, y = 0;
    auto index = [&]() { return (uint8_t)rng.Next(); };
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
            d.push_back(n); d.push_back(index());
            x += n;
        } else {                                          // absolute run
            int n = 3 + (int)rng.Below((left < 255 ? left : 255) - 2);
            d.push_back(0); d.push_back(n);
            size_t bytes = four ? (n + 1) / 2 : n;
            for (size_t i = 0; i < bytes; i++) d.push_back(index());
            if (bytes & 1) d.push_back(0);
            x += n;
        }
    }
    d.push_back(0); d.push_back(1);
    return d;
}

// ---- Files and DCs --------------------------------------------------------

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "pixorel_test_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

struct TempFile {
    std::string path;
    TempFile(const char* name, const Bytes& bytes) : path(TempPath(name)) {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (f) {
            if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
    ~TempFile() { DeleteFileA(path.c_str()); }
};

// Container bytes: "TSKN", version 1, count, entries, then the images.
Bytes MakeSkin(const std::vector<Bytes>& images) {
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

struct ScreenDC {
    HDC dc = GetDC(0);
    ~ScreenDC() { ReleaseDC(0, dc); }
};

// Top-down 32-bpp pixels of a bitmap, as 0x00RRGGBB.
std::vector<uint32_t> ReadBack(HDC dc, HBITMAP bitmap, int width, int height) {
    std::vector<uint32_t> px((size_t)width * height, 0xdeadbeef);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    EXPECT_EQ(height, GetDIBits(dc, bitmap, 0, height, px.data(), &bi, DIB_RGB_COLORS));
    for (auto& p : px) p &= 0xffffff;
    return px;
}

// GDI's own decoding of a BMP file: its BITMAPINFO and bits handed to
// SetDIBits on a cleared 32-bpp DIB section.
bool GdiDecode(HDC dc, const Bytes& file, std::vector<uint32_t>* out, int* width, int* height) {
    uint32_t offBits, hdr;
    std::memcpy(&offBits, &file[10], 4);
    std::memcpy(&hdr, &file[14], 4);
    int w, h;
    if (hdr == 12) {
        uint16_t cw, ch;
        std::memcpy(&cw, &file[18], 2); std::memcpy(&ch, &file[20], 2);
        w = cw; h = ch;
    } else {
        std::memcpy(&w, &file[18], 4); std::memcpy(&h, &file[22], 4);
    }
    h = std::abs(h);
    // Aligned copy of the info block, with room past it as GDI may look at a
    // full BITMAPINFO.
    std::vector<uint32_t> info((offBits - 14) / 4 + 300, 0);
    std::memcpy(info.data(), &file[14], offBits - 14);
    Bytes bits(file.begin() + offBits, file.end());

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* dibBits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &dibBits, 0, 0);
    if (!dib) return false;
    std::memset(dibBits, 0, (size_t)w * h * 4);
    int lines = SetDIBits(dc, dib, 0, h, bits.data(), (BITMAPINFO*)info.data(), DIB_RGB_COLORS);
    GdiFlush();
    out->assign((uint32_t*)dibBits, (uint32_t*)dibBits + (size_t)w * h);
    for (auto& p : *out) p &= 0xffffff;
    DeleteObject(dib);
    *width = w;
    *height = h;
    return lines == h;
}

void ExpectOpenCountsZero() {
    int readers = -1, bitmaps = -1;
    PixorelOpenCounts(&readers, &bitmaps);
    EXPECT_EQ(0, readers) << "a reader was left open";
    EXPECT_EQ(0, bitmaps) << "a bitmap was left open";
}

class PixorelTest : public ::testing::Test {
protected:
    void TearDown() override { ExpectOpenCountsZero(); }
};

// Decodes `file` through Pixorel (as a plain BMP skin) and through GDI, and
// expects identical pixels and size.
void ExpectSameAsGdi(const std::string& name, const Bytes& file) {
    SCOPED_TRACE(name);
    ScreenDC screen;
    std::vector<uint32_t> want;
    int w = 0, h = 0;
    ASSERT_TRUE(GdiDecode(screen.dc, file, &want, &w, &h)) << "GDI refused the test file";

    TempFile f("variant.bmp", file);
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, bmp);
    BITMAP bm = {};
    ASSERT_EQ((int)sizeof(bm), GetObjectA(bmp, sizeof(bm), &bm));
    EXPECT_EQ(w, bm.bmWidth);
    EXPECT_EQ(h, bm.bmHeight);
    std::vector<uint32_t> got = ReadBack(screen.dc, bmp, w, h);
    EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    EXPECT_EQ(1, UnInitReader(reader));
    for (size_t i = 0; i < want.size(); i++) {
        if (want[i] != got[i]) {
            ADD_FAILURE() << "pixel (" << i % w << "," << i / w << ") is " << std::hex << got[i]
                          << ", GDI gives " << want[i];
            break;
        }
    }
}

const int kWidths[] = {1, 3, 7, 13, 33};

// ---- Variants compared with GDI ------------------------------------------

TEST_F(PixorelTest, PaletteImagesMatchGdi) {
    uint32_t seed = 1;
    for (int header : {12, 40, 52, 56, 108, 124}) {
        for (int bpp : {1, 4, 8}) {
            for (int width : kWidths) {
                for (int height : {5, -4}) {
                    if (header == 12 && height < 0) continue;  // core headers are bottom-up only
                    BmpShape s;
                    s.header = header; s.width = width; s.height = height; s.bpp = bpp;
                    s.colors = 1u << bpp;
                    ExpectSameAsGdi("palette h" + std::to_string(header) + " " + std::to_string(bpp) +
                                        "bpp w" + std::to_string(width) + " h" + std::to_string(height),
                                    MakeBmp(s, RandomBits(s, seed), seed));
                    seed++;
                }
            }
        }
    }
}

TEST_F(PixorelTest, ShortPalettesGiveBlackPastTheirEnd) {
    // biClrUsed smaller than 2^bpp: random indices often point past the table.
    uint32_t seed = 100;
    for (int bpp : {1, 4, 8}) {
        for (uint32_t used : {1u, 2u, 3u, 16u, 100u}) {
            if (used > (1u << bpp)) continue;
            for (int width : kWidths) {
                BmpShape s;
                s.width = width; s.height = 6; s.bpp = bpp;
                s.colors = used; s.clrUsed = used;
                ExpectSameAsGdi("short palette " + std::to_string(bpp) + "bpp used " +
                                    std::to_string(used) + " w" + std::to_string(width),
                                MakeBmp(s, RandomBits(s, seed), seed));
                seed++;
            }
        }
    }
}

TEST_F(PixorelTest, TrueColourImagesMatchGdi) {
    struct Fields { int bpp; uint32_t r, g, b; };
    const Fields fields[] = {
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
    uint32_t seed = 300;
    for (int header : {40, 52, 56, 108, 124}) {
        for (int width : kWidths) {
            for (int height : {4, -3}) {
                std::string where = " h" + std::to_string(header) + " w" + std::to_string(width) +
                                    " h" + std::to_string(height);
                for (int bpp : {16, 24, 32}) {
                    BmpShape s;
                    s.header = header; s.width = width; s.height = height; s.bpp = bpp;
                    ExpectSameAsGdi(std::to_string(bpp) + "bpp rgb" + where, MakeBmp(s, RandomBits(s, seed++)));
                }
                for (const Fields& f : fields) {
                    BmpShape s;
                    s.header = header; s.width = width; s.height = height; s.bpp = f.bpp;
                    s.compression = BI_BITFIELDS;
                    s.masks[0] = f.r; s.masks[1] = f.g; s.masks[2] = f.b;
                    char name[80];
                    std::snprintf(name, sizeof name, "%dbpp fields %x/%x/%x", f.bpp, f.r, f.g, f.b);
                    ExpectSameAsGdi(name + where, MakeBmp(s, RandomBits(s, seed++)));
                }
            }
        }
    }
    // OS/2 core header, 24 bpp.
    for (int width : kWidths) {
        BmpShape s;
        s.header = 12; s.width = width; s.height = 3; s.bpp = 24;
        ExpectSameAsGdi("core 24bpp w" + std::to_string(width), MakeBmp(s, RandomBits(s, seed++)));
    }
}

TEST_F(PixorelTest, RleImagesMatchGdiIncludingSkippedPixels) {
    uint32_t seed = 500;
    for (bool four : {false, true}) {
        for (int header : {40, 108, 124}) {
            for (int width : {1, 3, 7, 13, 40}) {
                for (int rep = 0; rep < 4; rep++) {
                    BmpShape s;
                    s.header = header; s.width = width; s.height = 6;
                    s.bpp = four ? 4 : 8;
                    s.compression = four ? BI_RLE4 : BI_RLE8;
                    s.colors = rep == 3 ? 5 : (1u << s.bpp);  // also a short palette
                    s.clrUsed = rep == 3 ? 5 : 0;
                    ExpectSameAsGdi(std::string(four ? "rle4" : "rle8") + " h" + std::to_string(header) +
                                        " w" + std::to_string(width) + " #" + std::to_string(rep),
                                    MakeBmp(s, RandomRle(width, 6, four, seed), seed));
                    seed++;
                }
            }
        }
    }
}

TEST_F(PixorelTest, KnownColours) {
    // A 2x2 24-bpp image, bottom-up: read back exact colours with GetPixel
    // through a memory DC, the way the controls use the bitmaps.
    BmpShape s;
    s.width = 2; s.height = 2;
    Bytes bits = {0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0, 0,    // bottom row: red, green
                  0xff, 0x00, 0x00, 0x10, 0x20, 0x30, 0, 0};   // top row: blue, (0x30,0x20,0x10)
    TempFile f("known.bmp", MakeBmp(s, bits));
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, bmp);
    HDC mem = CreateCompatibleDC(screen.dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(mem, 0, 0));
    EXPECT_EQ(RGB(0x30, 0x20, 0x10), GetPixel(mem, 1, 0));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(mem, 0, 1));
    EXPECT_EQ(RGB(0, 255, 0), GetPixel(mem, 1, 1));
    SelectObject(mem, old);
    DeleteDC(mem);
    EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    EXPECT_EQ(1, UnInitReader(reader));
}

// ---- Containers -----------------------------------------------------------

Bytes SolidBmp(int width, int height, uint32_t rgb) {
    BmpShape s;
    s.width = width; s.height = height; s.bpp = 24;
    Bytes bits(Stride(width, 24) * height, 0);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            uint8_t* p = &bits[y * Stride(width, 24) + x * 3];
            p[0] = rgb & 0xff; p[1] = (rgb >> 8) & 0xff; p[2] = (rgb >> 16) & 0xff;
        }
    return MakeBmp(s, bits);
}

TEST_F(PixorelTest, ContainerImagesHolesAndIndices) {
    BmpShape pal;
    pal.width = 7; pal.height = 3; pal.bpp = 8; pal.colors = 256;
    std::vector<Bytes> images = {SolidBmp(3, 2, 0x112233), Bytes(), SolidBmp(13, 5, 0xa0b0c0),
                                 MakeBmp(pal, RandomBits(pal, 9), 9)};
    TempFile f("container.tsk", MakeSkin(images));
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);

    struct Want { int index, width, height; uint32_t rgb; };
    for (const Want& w : {Want{1, 3, 2, 0x112233}, Want{3, 13, 5, 0xa0b0c0}, Want{4, 7, 3, 0}}) {
        SCOPED_TRACE(w.index);
        HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, w.index);
        ASSERT_NE((HBITMAP)0, bmp);
        BITMAP bm = {};
        ASSERT_NE(0, GetObjectA(bmp, sizeof(bm), &bm));
        EXPECT_EQ(w.width, bm.bmWidth);
        EXPECT_EQ(w.height, bm.bmHeight);
        if (w.rgb) {
            std::vector<uint32_t> px = ReadBack(screen.dc, bmp, w.width, w.height);
            for (uint32_t p : px) EXPECT_EQ(w.rgb, p);
        }
        EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    }
    // The same image twice gives two independent bitmaps.
    HBITMAP a = CreateBitmapHandle(screen.dc, reader, 1), b = CreateBitmapHandle(screen.dc, reader, 1);
    EXPECT_NE((HBITMAP)0, a);
    EXPECT_NE(a, b);
    int readers = 0, bitmaps = 0;
    PixorelOpenCounts(&readers, &bitmaps);
    EXPECT_EQ(1, readers);
    EXPECT_EQ(2, bitmaps);
    EXPECT_EQ(1, ReleaseBitmapHandle(a));
    EXPECT_EQ(1, ReleaseBitmapHandle(b));

    for (int index : {2, 0, -1, 5, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, reader, index)) << "index " << index;
    EXPECT_EQ(1, UnInitReader(reader));
}

TEST_F(PixorelTest, PlainBmpHasOnlyImageOne) {
    TempFile f("plain.bmp", SolidBmp(5, 4, 0x123456));
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    for (int index : {0, -1, 2})
        EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, reader, index)) << "index " << index;
    HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, bmp);
    EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    EXPECT_EQ(1, UnInitReader(reader));
}

TEST_F(PixorelTest, EmptyContainerOpensButHasNoImages) {
    TempFile f("empty.tsk", MakeSkin({}));
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, reader, 1));
    EXPECT_EQ(1, UnInitReader(reader));
}

// ---- Handles --------------------------------------------------------------

TEST_F(PixorelTest, BogusAndStaleHandlesAreRefused) {
    ScreenDC screen;
    for (DWORD bogus : {0u, 1u, 0x10001u, 0x12345678u, 0xffffffffu}) {
        EXPECT_EQ(0, UnInitReader(bogus)) << bogus;
        EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, bogus, 1)) << bogus;
    }
    EXPECT_EQ(0, ReleaseBitmapHandle(0));
    HBITMAP foreign = CreateCompatibleBitmap(screen.dc, 4, 4);
    EXPECT_EQ(0, ReleaseBitmapHandle(foreign));
    BITMAP bm = {};
    EXPECT_NE(0, GetObjectA(foreign, sizeof(bm), &bm)) << "a foreign bitmap was deleted";
    DeleteObject(foreign);

    TempFile f("handles.bmp", SolidBmp(2, 2, 0xffffff));
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, bmp);
    EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    EXPECT_EQ(0, ReleaseBitmapHandle(bmp)) << "released twice";
    EXPECT_EQ(1, UnInitReader(reader));
    EXPECT_EQ(0, UnInitReader(reader)) << "closed twice";
    EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, reader, 1)) << "closed reader used";

    // A slot reused by a new reader does not revive the old handle.
    DWORD again = InitReader(f.path.c_str());
    ASSERT_NE(0u, again);
    EXPECT_NE(reader, again);
    EXPECT_EQ(0, UnInitReader(reader));
    EXPECT_EQ(1, UnInitReader(again));
}

TEST_F(PixorelTest, BitmapOutlivesItsReader) {
    TempFile f("outlive.bmp", SolidBmp(3, 3, 0x405060));
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, bmp);
    EXPECT_EQ(1, UnInitReader(reader));
    std::vector<uint32_t> px = ReadBack(screen.dc, bmp, 3, 3);
    EXPECT_EQ(0x405060u, px[4]);
    EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
}

// ---- Malformed input ------------------------------------------------------

TEST_F(PixorelTest, UnreadableFilesGiveNoReader) {
    EXPECT_EQ(0u, InitReader(nullptr));
    EXPECT_EQ(0u, InitReader(""));
    EXPECT_EQ(0u, InitReader(TempPath("does-not-exist.bmp").c_str()));
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    EXPECT_EQ(0u, InitReader(dir)) << "a directory";

    Bytes skin = MakeSkin({SolidBmp(2, 2, 1), SolidBmp(2, 2, 2)});
    struct Case { const char* name; Bytes bytes; };
    std::vector<Case> cases = {
        {"empty", {}},
        {"one byte", {'B'}},
        {"not a skin", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0}},
        {"magic only", {'T', 'S', 'K', 'N'}},
    };
    Bytes v = skin; Set32(v, 4, 2); cases.push_back({"version 2", v});
    v = skin; Set32(v, 8, 3); v.resize(12 + 8 * 3 - 1); cases.push_back({"table past the file", v});
    v = skin; Set32(v, 8, 70000); cases.push_back({"absurd count", v});
    v = skin; Set32(v, 8, 0xffffffff); cases.push_back({"count overflowing the table size", v});
    v = skin; v.resize(12 + 8 * 2 - 1); cases.push_back({"cut inside the table", v});
    for (const Case& c : cases) {
        TempFile f("unreadable.tsk", c.bytes);
        DWORD r = InitReader(f.path.c_str());
        EXPECT_EQ(0u, r) << c.name;
        if (r) UnInitReader(r);
    }
}

// Files that open but whose image must be refused.
std::vector<std::pair<std::string, Bytes>> BadImages() {
    std::vector<std::pair<std::string, Bytes>> bad;
    BmpShape s;
    s.width = 13; s.height = 5; s.bpp = 24;
    const Bytes good = MakeBmp(s, RandomBits(s, 7));
    auto with32 = [&](const char* name, size_t at, uint32_t value) {
        Bytes b = good; Set32(b, at, value); bad.push_back({name, b});
    };
    for (size_t cut : {2, 14, 17, 30, 53, 54, 60, 100, (int)good.size() - 44})
        bad.push_back({"truncated at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut)});
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
    with32("height past the limit", 22, 32769);
    with32("65536 x 65536", 18, 65536);
    {
        Bytes b = good; Set32(b, 18, 4097); Set32(b, 22, 4097); bad.push_back({"4097 x 4097", b});
        b = good; Set32(b, 18, 0x7fffffff); Set32(b, 22, 0x7fffffff); bad.push_back({"2^31 x 2^31", b});
    }
    {
        Bytes b = good; b[28] = 7; bad.push_back({"bit count 7", b});
        b = good; b[28] = 0; bad.push_back({"bit count 0", b});
        b = good; b[26] = 2; bad.push_back({"two planes", b});
    }
    with32("unknown compression", 30, 9);
    with32("bit fields with 24 bpp", 30, BI_BITFIELDS);
    with32("RLE8 with 24 bpp", 30, BI_RLE8);
    with32("JPEG", 30, BI_JPEG);

    BmpShape p;
    p.width = 7; p.height = 4; p.bpp = 8; p.colors = 256;
    Bytes pal = MakeBmp(p, RandomBits(p, 3));
    {
        Bytes b = pal; Set32(b, 46, 256); Set32(b, 10, 14 + 40 + 100); bad.push_back({"palette overlapping the bits", b});
        b = pal; b.resize(14 + 40 + 500); bad.push_back({"cut inside the palette", b});
    }

    // RLE streams that break the rules.
    auto rle = [&](const char* name, Bytes data, int width, int height, bool four, uint32_t sizeImage) {
        BmpShape r;
        r.width = width; r.height = height; r.bpp = four ? 4 : 8;
        r.compression = four ? BI_RLE4 : BI_RLE8; r.colors = 1u << r.bpp;
        Bytes b = MakeBmp(r, data);
        if (sizeImage) Set32(b, 34, sizeImage);
        bad.push_back({name, b});
    };
    rle("RLE8 run past the row", {5, 1, 0, 1}, 4, 2, false, 0);
    rle("RLE8 absolute past the row", {0, 5, 1, 2, 3, 4, 5, 0, 0, 1}, 4, 2, false, 0);
    rle("RLE4 run past the row", {5, 0x12, 0, 1}, 4, 2, true, 0);
    rle("RLE8 rows past the image", {4, 1, 0, 0, 4, 1, 0, 0, 4, 1, 0, 1}, 4, 2, false, 0);
    rle("RLE8 delta past the row", {0, 2, 5, 0, 0, 1}, 4, 2, false, 0);
    rle("RLE8 delta past the image", {0, 2, 0, 3, 0, 1}, 4, 2, false, 0);
    rle("RLE8 data ends early", {4, 1, 0, 0}, 4, 2, false, 0);
    rle("RLE8 absolute run cut off", {0, 9, 1, 2, 3}, 16, 2, false, 0);
    rle("RLE8 delta cut off", {0, 2}, 4, 2, false, 0);
    rle("RLE8 size past the file", {4, 1, 0, 1}, 4, 2, false, 1000);
    {
        BmpShape r;
        r.width = 4; r.height = -2; r.bpp = 8; r.compression = BI_RLE8; r.colors = 256;
        bad.push_back({"top-down RLE8", MakeBmp(r, {4, 1, 0, 0, 4, 2, 0, 1})});
    }
    // 32-bpp bit fields whose masks are cut off.
    {
        BmpShape f;
        f.width = 1; f.height = 1; f.bpp = 32; f.compression = BI_BITFIELDS;
        Bytes b = MakeBmp(f, {1, 2, 3, 4});
        b.resize(14 + 40 + 6);
        Set32(b, 10, 14 + 40);
        bad.push_back({"bit fields cut off", b});
    }
    return bad;
}

TEST_F(PixorelTest, MalformedImagesGiveNoBitmap) {
    ScreenDC screen;
    for (const auto& c : BadImages()) {
        SCOPED_TRACE(c.first);
        // As a plain file, and as image 1 of a container.
        TempFile plain("bad.bmp", c.second), packed("bad.tsk", MakeSkin({c.second}));
        for (const std::string* path : {&plain.path, &packed.path}) {
            DWORD r = InitReader(path->c_str());
            if (!r) continue;  // refusing the file outright is fine too
            HBITMAP b = CreateBitmapHandle(screen.dc, r, 1);
            EXPECT_EQ((HBITMAP)0, b);
            if (b) ReleaseBitmapHandle(b);
            EXPECT_EQ(1, UnInitReader(r));
        }
    }
}

TEST_F(PixorelTest, ContainerEntriesOutsideTheFileGiveNoBitmap) {
    Bytes good = SolidBmp(3, 3, 0x00ff00);
    Bytes skin = MakeSkin({good, good, good, good});
    uint32_t size = (uint32_t)skin.size();
    Set32(skin, 12 + 8 * 1, size);                 // image 2 starts at the end
    Set32(skin, 12 + 8 * 2, size - 10);            // image 3 runs past the end
    Set32(skin, 12 + 8 * 3, 0xfffffff0);           // image 4: offset + size overflows 32 bits
    Set32(skin, 12 + 8 * 3 + 4, 0x20);
    TempFile f("entries.tsk", skin);
    ScreenDC screen;
    DWORD r = InitReader(f.path.c_str());
    ASSERT_NE(0u, r);
    HBITMAP one = CreateBitmapHandle(screen.dc, r, 1);
    EXPECT_NE((HBITMAP)0, one);
    ReleaseBitmapHandle(one);
    for (int index : {2, 3, 4}) EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, r, index)) << index;
    // An entry that points at bytes that are no BMP.
    Set32(skin, 12, 0);
    TempFile g("entries2.tsk", skin);
    DWORD r2 = InitReader(g.path.c_str());
    ASSERT_NE(0u, r2);
    EXPECT_EQ((HBITMAP)0, CreateBitmapHandle(screen.dc, r2, 1));
    EXPECT_EQ(1, UnInitReader(r2));
    EXPECT_EQ(1, UnInitReader(r));
}

}  // namespace

// ---- Decoded images kept between calls --------------------------------------

// A skin rewritten in place (same name, same size, new pixels, a new
// last-write time) is read again, and the cache opens nothing that counts.
TEST_F(PixorelTest, RewrittenFileIsReadAgain) {
    ScreenDC screen;
    TempFile f("rewritten.tsk", MakeSkin({SolidBmp(4, 3, 0x112233), SolidBmp(2, 2, 0x445566)}));
    auto pixelOf = [&](int index, int w, int h) -> uint32_t {
        DWORD reader = InitReader(f.path.c_str());
        EXPECT_NE(0u, reader);
        HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, index);
        EXPECT_NE((HBITMAP)0, bmp);
        if (!bmp) { UnInitReader(reader); return 0xdeadbeef; }
        int readers = -1, bitmaps = -1;
        PixorelOpenCounts(&readers, &bitmaps);
        EXPECT_EQ(1, readers);
        EXPECT_EQ(1, bitmaps);
        uint32_t last = ReadBack(screen.dc, bmp, w, h)[(size_t)w * h - 1];
        EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
        EXPECT_EQ(1, UnInitReader(reader));
        ExpectOpenCountsZero();
        return last;
    };
    EXPECT_EQ(0x112233u, pixelOf(1, 4, 3));
    EXPECT_EQ(0x112233u, pixelOf(1, 4, 3)) << "read twice";
    EXPECT_EQ(0x445566u, pixelOf(2, 2, 2));

    // Same size, other pixels, and a last-write time set a day later.
    Bytes again = MakeSkin({SolidBmp(4, 3, 0x778899), SolidBmp(2, 2, 0xaabbcc)});
    HANDLE h = CreateFileA(f.path.c_str(), GENERIC_WRITE, 0, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, 0);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << "the file is still held open";
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(h, again.data(), (DWORD)again.size(), &written, 0));
    ASSERT_EQ(again.size(), (size_t)written);
    FILETIME created, accessed, modified;
    ASSERT_TRUE(GetFileTime(h, &created, &accessed, &modified));
    ULARGE_INTEGER t;
    t.LowPart = modified.dwLowDateTime;
    t.HighPart = modified.dwHighDateTime;
    t.QuadPart += 864000000000ull;
    modified.dwLowDateTime = t.LowPart;
    modified.dwHighDateTime = t.HighPart;
    ASSERT_TRUE(SetFileTime(h, 0, 0, &modified));
    CloseHandle(h);

    EXPECT_EQ(0x778899u, pixelOf(1, 4, 3)) << "old pixels after the file changed";
    EXPECT_EQ(0xaabbccu, pixelOf(2, 2, 2)) << "old pixels after the file changed";

    // A bitmap stays valid after its reader closes, and releasing one bitmap
    // does not spoil the next one made from the same cached image.
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    HBITMAP first = CreateBitmapHandle(screen.dc, reader, 1);
    HBITMAP second = CreateBitmapHandle(screen.dc, reader, 1);
    ASSERT_NE((HBITMAP)0, first);
    ASSERT_NE((HBITMAP)0, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(1, UnInitReader(reader));
    EXPECT_EQ(1, ReleaseBitmapHandle(first));
    EXPECT_EQ(0x778899u, ReadBack(screen.dc, second, 4, 3)[0]);
    EXPECT_EQ(1, ReleaseBitmapHandle(second));
}

// Released bitmaps are filled again for later calls: what a caller drew on
// one must never show through in the next.
TEST_F(PixorelTest, ABitmapDrawnOnAndReleasedNeverShowsThrough) {
    ScreenDC screen;
    TempFile f("reused.tsk", MakeSkin({SolidBmp(6, 5, 0x102030), SolidBmp(6, 5, 0x405060)}));
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    for (int round = 0; round < 3; ++round) {
        for (int index : {1, 2}) {
            HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, index);
            ASSERT_NE((HBITMAP)0, bmp);
            std::vector<uint32_t> px = ReadBack(screen.dc, bmp, 6, 5);
            uint32_t want = index == 1 ? 0x102030u : 0x405060u;
            for (uint32_t p : px) ASSERT_EQ(want, p) << "round " << round << ", image " << index;
            // Draw over it as a control draws its text, then give it back.
            HDC mem = CreateCompatibleDC(screen.dc);
            HGDIOBJ old = SelectObject(mem, bmp);
            RECT all = {0, 0, 6, 5};
            FillRect(mem, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
            SelectObject(mem, old);
            DeleteDC(mem);
            EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
            EXPECT_EQ(0, ReleaseBitmapHandle(bmp)) << "released twice";
        }
    }
    EXPECT_EQ(1, UnInitReader(reader));
    ExpectOpenCountsZero();
}
