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

#include "Bench.h"
#include "BmpSamples.h"
#include "Pixorel.h"

using namespace bmpsamples;

namespace {

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

class PixorelTest : public TessaroTest {};

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

// ---- Variants compared with GDI ------------------------------------------

TEST_F(PixorelTest, EveryVariantMatchesGdiIncludingSkippedAndPastThePalettePixels) {
    for (const auto& v : Variants()) ExpectSameAsGdi(v.first, v.second);
}

// Hand-worked images: GDI gives the expected pixels, and so does Pixorel's
// bitmap read back through a memory DC as the controls use it.
TEST_F(PixorelTest, KnownImagesGiveTheirExpectedPixels) {
    ScreenDC screen;
    for (const KnownImage& k : KnownImages()) {
        SCOPED_TRACE(k.name);
        std::vector<uint32_t> gdi;
        int w = 0, h = 0;
        ASSERT_TRUE(GdiDecode(screen.dc, k.file, &gdi, &w, &h));
        EXPECT_EQ(k.want, gdi) << "the expected pixels are not GDI's";
        TempFile f("known.bmp", k.file);
        DWORD reader = InitReader(f.path.c_str());
        ASSERT_NE(0u, reader);
        HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, 1);
        ASSERT_NE((HBITMAP)0, bmp);
        HDC mem = CreateCompatibleDC(screen.dc);
        HGDIOBJ old = SelectObject(mem, bmp);
        std::vector<uint32_t> got;
        for (int y = 0; y < k.height; y++)
            for (int x = 0; x < k.width; x++) {
                COLORREF c = GetPixel(mem, x, y);
                got.push_back(((c & 0xff) << 16) | (c & 0xff00) | ((c >> 16) & 0xff));
            }
        SelectObject(mem, old);
        DeleteDC(mem);
        EXPECT_EQ(k.want, got);
        EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
        EXPECT_EQ(1, UnInitReader(reader));
    }
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

// What a reader gives for image `index`: a bitmap of this size, all of one
// colour unless kAnyColour, or no bitmap at all (width 0).
const uint32_t kAnyColour = 0xffffffff;
struct Want { int index, width, height; uint32_t rgb; };

void ExpectImages(const char* name, const Bytes& file, std::initializer_list<Want> wants) {
    SCOPED_TRACE(name);
    TempFile f("images.tsk", file);
    ScreenDC screen;
    DWORD reader = InitReader(f.path.c_str());
    ASSERT_NE(0u, reader);
    for (const Want& w : wants) {
        SCOPED_TRACE("image " + std::to_string(w.index));
        HBITMAP bmp = CreateBitmapHandle(screen.dc, reader, w.index);
        if (!w.width) {
            EXPECT_EQ((HBITMAP)0, bmp);
            if (bmp) ReleaseBitmapHandle(bmp);
            continue;
        }
        ASSERT_NE((HBITMAP)0, bmp);
        BITMAP bm = {};
        ASSERT_NE(0, GetObjectA(bmp, sizeof(bm), &bm));
        EXPECT_EQ(w.width, bm.bmWidth);
        EXPECT_EQ(w.height, bm.bmHeight);
        if (w.rgb != kAnyColour)
            EXPECT_EQ(std::vector<uint32_t>((size_t)w.width * w.height, w.rgb),
                      ReadBack(screen.dc, bmp, w.width, w.height));
        EXPECT_EQ(1, ReleaseBitmapHandle(bmp));
    }
    EXPECT_EQ(1, UnInitReader(reader));
}

TEST_F(PixorelTest, ImagesHolesAndIndicesOfContainersAndPlainFiles) {
    BmpShape pal;
    pal.width = 7; pal.height = 3; pal.bpp = 8; pal.colors = 256;
    ExpectImages("container",
                 MakeSkin({SolidBmp(3, 2, 0x112233), Bytes(), SolidBmp(13, 5, 0xa0b0c0), MakeBmp(pal, RandomBits(pal, 9), 9)}),
                 {{1, 3, 2, 0x112233}, {3, 13, 5, 0xa0b0c0}, {4, 7, 3, kAnyColour}, {2}, {0}, {-1}, {5}, {1000},
                  {INT_MIN}, {INT_MAX}});
    ExpectImages("plain BMP", SolidBmp(5, 4, 0x123456), {{1, 5, 4, 0x123456}, {0}, {-1}, {2}});
    ExpectImages("empty container", MakeSkin({}), {{1}});

    Bytes good = SolidBmp(3, 3, 0x00ff00);
    Bytes skin = MakeSkin({good, good, good, good});
    uint32_t size = (uint32_t)skin.size();
    Set32(skin, 12 + 8 * 1, size);                 // image 2 starts at the end
    Set32(skin, 12 + 8 * 2, size - 10);            // image 3 runs past the end
    Set32(skin, 12 + 8 * 3, 0xfffffff0);           // image 4: offset + size overflows 32 bits
    Set32(skin, 12 + 8 * 3 + 4, 0x20);
    ExpectImages("entries outside the file", skin, {{1, 3, 3, 0x00ff00}, {2}, {3}, {4}});
    Set32(skin, 12, 0);
    ExpectImages("an entry at bytes that are no BMP", skin, {{1}});
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

// ---- Malformed input ------------------------------------------------------

TEST_F(PixorelTest, UnreadableFilesGiveNoReader) {
    EXPECT_EQ(0u, InitReader(nullptr));
    EXPECT_EQ(0u, InitReader(""));
    EXPECT_EQ(0u, InitReader(TempPath("does-not-exist.bmp").c_str()));
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    EXPECT_EQ(0u, InitReader(dir)) << "a directory";

    Bytes skin = MakeSkin({SolidBmp(2, 2, 1), SolidBmp(2, 2, 2)});
    for (const auto& c : MalformedSkins(skin)) {
        TempFile f("unreadable.tsk", c.second);
        DWORD r = InitReader(f.path.c_str());
        EXPECT_EQ(0u, r) << c.first;
        if (r) UnInitReader(r);
    }
}

TEST_F(PixorelTest, MalformedImagesGiveNoBitmap) {
    ScreenDC screen;
    for (const auto& c : MalformedBmps()) {
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
    int readers = 0, bitmaps = 0;
    PixorelOpenCounts(&readers, &bitmaps);
    EXPECT_EQ(1, readers);
    EXPECT_EQ(2, bitmaps);
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
}
