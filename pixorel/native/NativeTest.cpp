// The decoder and container parser on Linux, under ASan + UBSan: known
// pixel values for each variant, random variants of every kind, every
// truncation of them, and a set of malformed files. Every buffer handed to
// the decoder is a heap block of exactly the file's size, so any read past
// the end is caught.
//
//   pixorel_native_test                 run the checks
//   pixorel_native_test --corpus DIR    write the fuzzing seed files
//   pixorel_native_test --samples DIR   write a few BMP files (skintool test)
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "BmpDecoder.h"
#include "BmpSamples.h"
#include "SkinFile.h"

using namespace pixorel;
using namespace bmpsamples;

static int g_passed = 0, g_failed = 0;
#define CHECK(cond, ...)                                                    \
    do {                                                                    \
        if (cond) {                                                         \
            g_passed++;                                                     \
        } else {                                                            \
            g_failed++;                                                     \
            fprintf(stderr, "%s:%d: failed: %s: ", __FILE__, __LINE__, #cond); \
            fprintf(stderr, __VA_ARGS__);                                   \
            fputc('\n', stderr);                                            \
        }                                                                   \
    } while (0)

// ---- Decoding through exact-size heap copies -------------------------------

// Decodes `file` (as image 1 of a plain file); false when refused.
static bool Decode(const Bytes& file, std::vector<uint32_t>* pixels, BmpInfo* infoOut = nullptr) {
    uint8_t* copy = (uint8_t*)malloc(file.size() ? file.size() : 1);
    if (!file.empty()) memcpy(copy, file.data(), file.size());
    BmpInfo info;
    bool ok = ReadBmpInfo(copy, file.size(), &info);
    if (ok) {
        pixels->assign((size_t)info.width * info.height, 0xdeadbeef);
        ok = DecodeBmp(copy, file.size(), info, pixels->data());
        if (infoOut) *infoOut = info;
    }
    free(copy);
    return ok;
}

// Every proper prefix of a valid file must be refused or decode cleanly (the
// sanitizers watch the reads); an uncompressed file missing its last row is
// always refused.
static void CheckTruncations(const std::string& name, const Bytes& file) {
    std::vector<uint32_t> px;
    for (size_t n = 0; n < file.size(); n++) Decode(Bytes(file.begin(), file.begin() + n), &px);
    BmpInfo info;
    if (Decode(file, &px, &info) && (info.compression == 0 || info.compression == 3)) {
        size_t lastRow = Stride(info.width, info.bitCount);
        CHECK(!Decode(Bytes(file.begin(), file.end() - lastRow), &px), "%s: without its last row", name.c_str());
    }
}

// ---- Known values ------------------------------------------------------------

// Fills the stack below the caller with a non-zero pattern, so that a read of
// a palette slot the decoder never filled gives a colour instead of a lucky 0.
__attribute__((noinline)) static void PaintStack() {
    volatile uint8_t area[64 * 1024];
    for (size_t i = 0; i < sizeof area; i++) area[i] = 0xa5;
}

static void CheckKnownImages() {
    for (const KnownImage& k : bmpsamples::KnownImages()) {
        std::vector<uint32_t> px;
        PaintStack();
        CHECK(Decode(k.file, &px), "%s refused", k.name.c_str());
        for (size_t i = 0; i < px.size() && i < k.want.size(); i++) {
            if (px[i] == k.want[i]) continue;
            CHECK(px[i] == k.want[i], "%s: pixel (%d,%d) is %06x, not %06x", k.name.c_str(), (int)(i % k.width),
                  (int)(i / k.width), px[i], k.want[i]);
            break;
        }
        CHECK(px.size() == k.want.size(), "%s: %zu pixels", k.name.c_str(), px.size());
    }
}

static void KnownValues() {
    std::vector<uint32_t> px;
    {   // 8 bpp, 3-entry palette: indices 3 and 255 are black.
        BmpShape s; s.width = 5; s.height = 1; s.bpp = 8;
        s.palette = {0x112233, 0x445566, 0x778899}; s.clrUsed = 3;
        CHECK(Decode(MakeBmp(s, {2, 1, 0, 3, 255, 0, 0, 0}), &px), "short palette");
        CHECK(px[0] == 0x778899 && px[1] == 0x445566 && px[2] == 0x112233 && px[3] == 0 && px[4] == 0,
              "short palette colours %x %x %x %x %x", px[0], px[1], px[2], px[3], px[4]);
        s.clrUsed = 1000;  // more than 2^bpp: the table holds 256 entries
        s.palette = RandomPalette(256, 5);
        CHECK(Decode(MakeBmp(s, {255, 0, 0, 0, 0, 0, 0, 0}), &px), "oversized biClrUsed");
        CHECK(px[0] == s.palette[255], "oversized biClrUsed colour");
    }
    {   // 1 bpp and 4 bpp, 13 wide: bit order and padding.
        BmpShape s; s.width = 13; s.height = 1; s.bpp = 1; s.palette = {0x000000, 0xffffff};
        CHECK(Decode(MakeBmp(s, {0xa0, 0x08, 0, 0}), &px), "1bpp");
        CHECK(px[0] == 0xffffff && px[1] == 0 && px[2] == 0xffffff && px[12] == 0xffffff && px[11] == 0, "1bpp bits");
        s.bpp = 4; s.palette = RandomPalette(16, 3);
        CHECK(Decode(MakeBmp(s, {0x1f, 0, 0, 0, 0, 0, 0x0e, 0}), &px), "4bpp");
        CHECK(px[0] == s.palette[1] && px[1] == s.palette[15] && px[12] == s.palette[0] && px[13 - 1] == s.palette[0],
              "4bpp nibbles");
        CHECK(Decode(MakeBmp(s, {0, 0, 0, 0, 0, 0, 0xe0, 0}), &px) && px[12] == s.palette[14], "4bpp last nibble");
    }
    {   // Core header: RGB triples.
        BmpShape s; s.header = 12; s.width = 2; s.height = 1; s.bpp = 8;
        s.palette = RandomPalette(256, 8);
        CHECK(Decode(MakeBmp(s, {7, 200, 0, 0}), &px), "core 8bpp");
        CHECK(px[0] == s.palette[7] && px[1] == s.palette[200], "core palette");
    }
    {   // 16 bpp: 5-5-5 default, 5-6-5 and odd bit fields.
        BmpShape s; s.width = 3; s.height = 1; s.bpp = 16;
        Bytes bits = {0xff, 0x7f, 0x21, 0x04, 0x00, 0x7c, 0, 0};   // 7fff, 0421, 7c00
        CHECK(Decode(MakeBmp(s, bits), &px), "555");
        CHECK(px[0] == 0xffffff && px[1] == 0x080808 && px[2] == 0xff0000, "555 %x %x %x", px[0], px[1], px[2]);
        s.compression = 3; s.masks[0] = 0xf800; s.masks[1] = 0x07e0; s.masks[2] = 0x001f;
        bits = {0xff, 0xff, 0x21, 0x08, 0xe0, 0x07, 0, 0};          // ffff, 0821, 07e0
        CHECK(Decode(MakeBmp(s, bits), &px), "565");
        CHECK(px[0] == 0xffffff && px[1] == 0x080408 && px[2] == 0x00ff00, "565 %x %x %x", px[0], px[1], px[2]);
        s.masks[0] = 0x8000; s.masks[1] = 0x0f00; s.masks[2] = 0;   // 1 bit, 4 bits, none
        bits = {0x00, 0x8f, 0x00, 0x01, 0, 0, 0, 0};
        CHECK(Decode(MakeBmp(s, bits), &px), "odd fields");
        CHECK(px[0] == 0xc0ff00 && px[1] == 0x001100 && px[2] == 0, "odd fields %x %x %x", px[0], px[1], px[2]);
    }
    {   // 32 bpp: plain B,G,R,x and 10-10-10 fields, masks inside a V5 header.
        BmpShape s; s.width = 1; s.height = 1; s.bpp = 32;
        CHECK(Decode(MakeBmp(s, {0x11, 0x22, 0x33, 0x44}), &px) && px[0] == 0x332211, "32bpp rgb");
        s.header = 124; s.compression = 3;
        s.masks[0] = 0x3ff00000; s.masks[1] = 0x000ffc00; s.masks[2] = 0x000003ff;
        uint32_t v = (0x3ffu << 20) | (0x200u << 10) | 0x001;
        CHECK(Decode(MakeBmp(s, {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)}), &px),
              "10-10-10");
        CHECK(px[0] == 0xff8000, "10-10-10 %x", px[0]);
    }
}

// ---- Every variant, random content -------------------------------------------

static void AllVariants() {
    for (const auto& v : Variants()) {
        std::vector<uint32_t> px;
        BmpInfo info;
        bool ok = Decode(v.second, &px, &info);
        CHECK(ok, "%s refused", v.first.c_str());
        // The same image, packed as image 2 of a container behind a hole.
        Bytes skin = MakeSkin({Bytes(), v.second});
        uint8_t* copy = (uint8_t*)malloc(skin.size());
        memcpy(copy, skin.data(), skin.size());
        SkinTable t;
        const uint8_t* img = nullptr;
        size_t size = 0;
        CHECK(OpenSkin(copy, skin.size(), &t) && t.count == 2, "%s: container", v.first.c_str());
        CHECK(FindSkinImage(t, 1, &img, &size) == kEntryNone, "%s: hole", v.first.c_str());
        CHECK(FindSkinImage(t, 2, &img, &size) == kEntryImage && size == v.second.size() &&
                  memcmp(img, v.second.data(), size) == 0, "%s: entry bytes", v.first.c_str());
        free(copy);
        CheckTruncations(v.first, v.second);
    }
}

// ---- Malformed files -----------------------------------------------------------

static void Malformed() {
    for (const auto& c : MalformedBmps()) {
        std::vector<uint32_t> px;
        CHECK(!Decode(c.second, &px), "%s decoded", c.first.c_str());
    }
    // A run filling the row exactly, and an end of line right at the top, are fine.
    std::vector<uint32_t> px;
    BmpShape r; r.width = 4; r.height = 2; r.bpp = 8; r.compression = 1; r.palette = RandomPalette(256, 1);
    CHECK(Decode(MakeBmp(r, {4, 1, 0, 0, 4, 2, 0, 0}), &px), "RLE8 ending after its last row without end mark");
    CHECK(Decode(MakeBmp(r, {4, 1, 0, 0, 4, 2, 0, 0, 0, 1}), &px), "RLE8 end of line then end of bitmap");
}

static void Containers() {
    BmpShape s; s.width = 3; s.height = 2;
    Bytes img = MakeBmp(s, RandomBits(s, 4));
    auto open = [](const Bytes& b, SkinTable* t) {
        uint8_t* copy = (uint8_t*)malloc(b.size() ? b.size() : 1);
        if (!b.empty()) memcpy(copy, b.data(), b.size());
        bool ok = OpenSkin(copy, b.size(), t);
        return std::make_pair(ok, copy);
    };
    Bytes skin = MakeSkin({img, Bytes(), img, img, img});
    uint32_t size = (uint32_t)skin.size();
    Set32(skin, 12 + 8 * 2, size);              // image 3 starts at the end: bad
    Set32(skin, 12 + 8 * 3, size - 10);         // image 4 runs past the end
    Set32(skin, 12 + 8 * 4, 0xfffffff0);        // image 5: offset + size overflows
    Set32(skin, 12 + 8 * 4 + 4, 0x20);
    SkinTable t;
    auto r = open(skin, &t);
    CHECK(r.first && t.count == 5, "container opens");
    const uint8_t* at;
    size_t n;
    CHECK(FindSkinImage(t, 1, &at, &n) == kEntryImage && n == img.size(), "image 1");
    CHECK(FindSkinImage(t, 2, &at, &n) == kEntryNone, "hole");
    for (int i : {3, 4, 5}) CHECK(FindSkinImage(t, i, &at, &n) == kEntryBad, "entry %d", i);
    for (int i : {0, -1, 6, 1 << 30, -2147483647 - 1}) CHECK(FindSkinImage(t, i, &at, &n) == kEntryNone, "index %d", i);
    free(r.second);

    for (const auto& c : MalformedSkins(MakeSkin({img, img}))) {
        auto o = open(c.second, &t);
        CHECK(!o.first, "%s opened", c.first.c_str());
        free(o.second);
    }
    auto e = open(MakeSkin({}), &t);
    CHECK(e.first && t.count == 0 && FindSkinImage(t, 1, &at, &n) == kEntryNone, "empty container");
    free(e.second);
}

// ---- Seed and sample files -------------------------------------------------

static bool WriteFile(const std::string& path, const Bytes& b) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(b.data(), 1, b.size(), f) == b.size();
    return fclose(f) == 0 && ok;
}

static std::vector<std::pair<std::string, Bytes>> Seeds() {
    std::vector<std::pair<std::string, Bytes>> out;
    auto add = [&](const char* name, BmpShape s, const Bytes& bits) { out.push_back({name, MakeBmp(s, bits)}); };
    BmpShape s; s.width = 3; s.height = 2;
    add("rgb24.bmp", s, RandomBits(s, 1));
    s.height = -2; add("rgb24-topdown.bmp", s, RandomBits(s, 2));
    s.height = 2; s.bpp = 1; s.palette = {0, 0xffffff}; add("pal1.bmp", s, RandomBits(s, 3));
    s.bpp = 4; s.palette = RandomPalette(5, 4); s.clrUsed = 5; add("pal4-short.bmp", s, RandomBits(s, 4));
    s.bpp = 8; s.palette = RandomPalette(6, 5); s.clrUsed = 6; add("pal8-short.bmp", s, RandomBits(s, 5));
    BmpShape c; c.header = 12; c.width = 3; c.height = 2; c.bpp = 4; c.palette = RandomPalette(16, 6);
    add("core4.bmp", c, RandomBits(c, 6));
    BmpShape f; f.width = 3; f.height = 2; f.bpp = 16; f.compression = 3;
    f.masks[0] = 0xf800; f.masks[1] = 0x07e0; f.masks[2] = 0x1f; add("fields565.bmp", f, RandomBits(f, 7));
    f.compression = 0; add("rgb555.bmp", f, RandomBits(f, 8));
    f.header = 124; f.bpp = 32; f.compression = 3;
    f.masks[0] = 0x3ff00000; f.masks[1] = 0xffc00; f.masks[2] = 0x3ff; add("v5-fields32.bmp", f, RandomBits(f, 9));
    f.header = 108; f.compression = 0; add("v4-rgb32.bmp", f, RandomBits(f, 10));
    BmpShape r; r.width = 7; r.height = 3; r.bpp = 8; r.compression = 1; r.palette = RandomPalette(8, 11); r.clrUsed = 8;
    add("rle8.bmp", r, RandomRle(7, 3, false, 11));
    r.bpp = 4; r.compression = 2; add("rle4.bmp", r, RandomRle(7, 3, true, 12));
    for (const KnownImage& k : bmpsamples::KnownImages()) {  // "RLE8 runs" -> known-rle8-runs.bmp
        std::string name = "known-";
        for (char c : k.name)
            if (isalnum((unsigned char)c)) name += (char)tolower((unsigned char)c);
            else if (name.back() != '-') name += '-';
        out.push_back({name + ".bmp", k.file});
    }
    out.push_back({"container.tsk", MakeSkin({out[0].second, Bytes(), out[4].second, out[10].second})});
    return out;
}

int main(int argc, char** argv) {
    if (argc == 3 && (strcmp(argv[1], "--corpus") == 0 || strcmp(argv[1], "--samples") == 0)) {
        for (const auto& s : Seeds()) {
            if (!WriteFile(std::string(argv[2]) + "/" + s.first, s.second)) {
                fprintf(stderr, "cannot write %s/%s\n", argv[2], s.first.c_str());
                return 1;
            }
        }
        return 0;
    }
    KnownValues();
    CheckKnownImages();
    AllVariants();
    Malformed();
    Containers();
    for (const auto& s : Seeds()) {  // the seeds themselves must be good files
        std::vector<uint32_t> px;
        if (s.first.find(".bmp") != std::string::npos) CHECK(Decode(s.second, &px), "seed %s", s.first.c_str());
    }
    printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed ? 1 : 0;
}
