// Skins written by the tests themselves, so every expected pixel is known.
#include "Bench.h"
#include <cstdio>
#include <cstring>

Image& Image::Ellipse(DWORD color) {
    double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0, rx = width / 2.0, ry = height / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) at(x, y) = color;
        }
    return *this;
}

Image& Image::Rect(int x0, int y0, int x1, int y1, DWORD color) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) at(x, y) = color;
    return *this;
}

namespace {
void Put16(std::string& s, unsigned v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); }
void Put32(std::string& s, unsigned v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }
}  // namespace

std::string Bmp24(const Image& image) {
    unsigned stride = (unsigned(image.width) * 3 + 3) & ~3u;
    unsigned dataSize = stride * image.height;
    std::string s;
    s += "BM";
    Put32(s, 14 + 40 + dataSize);
    Put32(s, 0);
    Put32(s, 14 + 40);
    Put32(s, 40);
    Put32(s, image.width);
    Put32(s, image.height);
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, dataSize);
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            DWORD c = image.at(x, y);
            row += char(c & 0xFF);
            row += char((c >> 8) & 0xFF);
            row += char((c >> 16) & 0xFF);
        }
        row.resize(stride, '\0');
        s += row;
    }
    return s;
}

std::string SkinOf(const std::vector<std::string>& images) {
    std::string s = "TSKN";
    Put32(s, 1);
    Put32(s, (unsigned)images.size());
    unsigned offset = 12 + 8 * (unsigned)images.size();
    for (const std::string& image : images) {
        Put32(s, image.empty() ? 0 : offset);
        Put32(s, (unsigned)image.size());
        offset += (unsigned)image.size();
    }
    for (const std::string& image : images) s += image;
    return s;
}

namespace {
struct TempFiles {
    std::vector<std::string> paths;
    ~TempFiles() {
        for (const std::string& p : paths) DeleteFileA(p.c_str());
    }
} g_tempFiles;
}  // namespace

std::string WriteTempFile(const std::string& bytes, const char* suffix) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    static unsigned counter = 0;
    char path[MAX_PATH + 64];
    std::snprintf(path, sizeof path, "%stessaro-%lu-%u%s", dir, GetCurrentProcessId(), ++counter, suffix);
    FILE* f = std::fopen(path, "wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    g_tempFiles.paths.push_back(path);
    return path;
}

std::string SolidSkin(const std::vector<DWORD>& colors, int width, int height) {
    std::vector<std::string> images;
    for (DWORD c : colors) images.push_back(Bmp24(Image(width, height, c)));
    return WriteTempFile(SkinOf(images));
}

LOGFONTA TestFont(int height) {
    LOGFONTA f = {};
    f.lfHeight = height;
    f.lfWeight = FW_NORMAL;
    f.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(f.lfFaceName, "Tahoma");
    return f;
}
