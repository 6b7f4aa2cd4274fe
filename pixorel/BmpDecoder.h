/* Pixorel's BMP decoder: file bytes in, 32-bit 0x00RRGGBB pixels out, rows
 * top-down. Plain C++ with no Win32 and no standard library containers, so it
 * builds into the DLL and natively on Linux for sanitizer runs and fuzzing.
 *
 * Reads: OS/2 1.x core headers (12 bytes), BITMAPINFOHEADER (40) and its
 * 52/56-byte, V4 (108) and V5 (124) extensions; 1, 4, 8 bpp palettes; 16 bpp
 * (5-5-5 or bit fields); 24 bpp; 32 bpp (plain or bit fields); bottom-up and
 * top-down rows; RLE8 and RLE4. Colours come out exactly as Windows GDI
 * decodes them (see BmpDecoder.cpp for the rules). */
#ifndef PIXOREL_BMPDECODER_H
#define PIXOREL_BMPDECODER_H

#include <stddef.h>
#include <stdint.h>

namespace pixorel {

/* Larger images are refused: a skin image has at most this many pixels, and
 * neither side may exceed kMaxDimension. */
const uint32_t kMaxPixels = 16777216u;     /* 4096 x 4096 */
const int32_t kMaxDimension = 32768;

struct BmpInfo {
    int32_t width;          /* pixels, > 0 */
    int32_t height;         /* rows, > 0 (always positive here) */
    bool topDown;           /* rows stored top row first */
    uint32_t headerSize;    /* 12, 40, 52, 56, 108 or 124 */
    uint32_t bitCount;      /* 1, 4, 8, 16, 24, 32 */
    uint32_t compression;   /* 0 RGB, 1 RLE8, 2 RLE4, 3 BITFIELDS */
    uint32_t paletteSize;   /* colour table entries actually read */
};

/* Checks the headers of a complete BMP file (starting at "BM") of `size`
 * bytes and fills `info`. Returns false for anything this decoder will not
 * decode: bad magic, unknown header, lying offsets, truncated bits, too-large
 * or empty dimensions. */
bool ReadBmpInfo(const uint8_t* data, size_t size, BmpInfo* info);

/* Decodes the file into `pixels`, which holds info.width * info.height
 * entries (as returned by ReadBmpInfo). Returns false on malformed data (for
 * RLE: runs past a row or past the image, data ending before the image). */
bool DecodeBmp(const uint8_t* data, size_t size, const BmpInfo& info, uint32_t* pixels);

}  // namespace pixorel

#endif
