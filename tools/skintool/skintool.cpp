// skintool: builds, lists and takes apart Tessaro skin files.
//
//   skintool pack OUT.tsk a.bmp b.bmp - c.bmp   images 1, 2, (none), 4
//   skintool list SKIN                          number, size, bpp, compression
//   skintool unpack SKIN DIR                    DIR/1.bmp, DIR/2.bmp, ...
//
// It uses the same container and BMP code as Pixorel.dll, so an image it
// lists as good is one the DLL will draw.
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "BmpDecoder.h"
#include "SkinFile.h"

namespace {

typedef std::vector<uint8_t> Bytes;

int Usage() {
    fprintf(stderr,
            "usage: skintool pack OUT.tsk IMAGE.bmp|- ...\n"
            "       skintool list SKIN\n"
            "       skintool unpack SKIN DIR\n");
    return 2;
}

bool ReadFile(const std::string& path, Bytes* out) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    out->clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out->insert(out->end(), buf, buf + n);
    bool ok = !ferror(f);
    fclose(f);
    return ok;
}

bool WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = size == 0 || fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && ok;
}

void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back((uint8_t)(v >> (8 * i)));
}

const char* CompressionName(uint32_t c) {
    switch (c) {
    case 0: return "RGB";
    case 1: return "RLE8";
    case 2: return "RLE4";
    case 3: return "BITFIELDS";
    }
    return "?";
}

// Checks that an image decodes completely (not only that its headers parse).
bool Decodes(const uint8_t* data, size_t size, pixorel::BmpInfo* info) {
    if (!pixorel::ReadBmpInfo(data, size, info)) return false;
    std::vector<uint32_t> pixels((size_t)info->width * info->height);
    return pixorel::DecodeBmp(data, size, *info, pixels.data());
}

int Pack(int argc, char** argv) {
    if (argc < 1) return Usage();
    const char* out = argv[0];
    std::vector<Bytes> images;
    for (int i = 1; i < argc; i++) {
        images.push_back(Bytes());
        if (strcmp(argv[i], "-") == 0) continue;
        if (!ReadFile(argv[i], &images.back())) {
            fprintf(stderr, "skintool: cannot read %s\n", argv[i]);
            return 1;
        }
        pixorel::BmpInfo info;
        const Bytes& img = images.back();
        if (img.empty() || !Decodes(img.data(), img.size(), &info)) {
            fprintf(stderr, "skintool: %s is not a BMP file Pixorel can read\n", argv[i]);
            return 1;
        }
    }
    if (images.size() > pixorel::kMaxSkinImages) {
        fprintf(stderr, "skintool: at most %u images\n", pixorel::kMaxSkinImages);
        return 1;
    }
    Bytes skin = {'T', 'S', 'K', 'N'};
    Put32(skin, pixorel::kSkinVersion);
    Put32(skin, (uint32_t)images.size());
    uint64_t at = 12 + 8 * (uint64_t)images.size();
    for (const Bytes& img : images) {
        if (at + img.size() > 0xffffffffu) {
            fprintf(stderr, "skintool: the skin would exceed 4 GB\n");
            return 1;
        }
        Put32(skin, img.empty() ? 0 : (uint32_t)at);
        Put32(skin, (uint32_t)img.size());
        at += img.size();
    }
    for (const Bytes& img : images) skin.insert(skin.end(), img.begin(), img.end());
    if (!WriteFile(out, skin.data(), skin.size())) {
        fprintf(stderr, "skintool: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

bool OpenSkinFile(const char* path, Bytes* bytes, pixorel::SkinTable* table) {
    if (!ReadFile(path, bytes)) {
        fprintf(stderr, "skintool: cannot read %s\n", path);
        return false;
    }
    if (!pixorel::OpenSkin(bytes->data(), bytes->size(), table)) {
        fprintf(stderr, "skintool: %s is not a skin file (bad header or table)\n", path);
        return false;
    }
    return true;
}

int List(int argc, char** argv) {
    if (argc != 1) return Usage();
    Bytes bytes;
    pixorel::SkinTable table;
    if (!OpenSkinFile(argv[0], &bytes, &table)) return 1;
    printf("%s: %s, %u image%s\n", argv[0], table.plainBmp ? "plain BMP" : "skin container",
           table.count, table.count == 1 ? "" : "s");
    int bad = 0;
    for (uint32_t i = 1; i <= table.count; i++) {
        const uint8_t* image;
        size_t size;
        pixorel::SkinEntry e = pixorel::FindSkinImage(table, (int)i, &image, &size);
        if (e == pixorel::kEntryNone) {
            printf("%5u  (none)\n", i);
            continue;
        }
        if (e == pixorel::kEntryBad) {
            printf("%5u  BAD: entry points outside the file\n", i);
            bad++;
            continue;
        }
        pixorel::BmpInfo info;
        if (!pixorel::ReadBmpInfo(image, size, &info)) {
            printf("%5u  BAD: not a readable BMP (%zu bytes)\n", i, size);
            bad++;
        } else if (!Decodes(image, size, &info)) {
            printf("%5u  %dx%d  %u bpp  %s  BAD: pixel data is malformed\n", i, info.width, info.height,
                   info.bitCount, CompressionName(info.compression));
            bad++;
        } else {
            printf("%5u  %dx%d  %u bpp  %s\n", i, info.width, info.height, info.bitCount,
                   CompressionName(info.compression));
        }
    }
    return bad ? 1 : 0;
}

int Unpack(int argc, char** argv) {
    if (argc != 2) return Usage();
    Bytes bytes;
    pixorel::SkinTable table;
    if (!OpenSkinFile(argv[0], &bytes, &table)) return 1;
    int failed = 0;
    for (uint32_t i = 1; i <= table.count; i++) {
        const uint8_t* image;
        size_t size;
        pixorel::SkinEntry e = pixorel::FindSkinImage(table, (int)i, &image, &size);
        if (e == pixorel::kEntryNone) continue;
        if (e == pixorel::kEntryBad) {
            fprintf(stderr, "skintool: image %u points outside the file, skipped\n", i);
            failed = 1;
            continue;
        }
        std::string path = std::string(argv[1]) + "/" + std::to_string(i) + ".bmp";
        if (!WriteFile(path, image, size)) {
            fprintf(stderr, "skintool: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return failed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string cmd = argv[1];
    if (cmd == "pack") return Pack(argc - 2, argv + 2);
    if (cmd == "list") return List(argc - 2, argv + 2);
    if (cmd == "unpack") return Unpack(argc - 2, argv + 2);
    return Usage();
}
