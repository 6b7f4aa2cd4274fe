/* The skin container: either a plain BMP file (one image, number 1) or
 *
 *   offset 0: "TSKN"   4: uint32 version (1)   8: uint32 count N
 *   12: N entries { uint32 offset; uint32 size }  -> images 1..N
 *
 * all little-endian; each image is a complete BMP file. An entry of size 0
 * holds no image. Plain C++ (no Win32), shared by the DLL and the tools. */
#ifndef PIXOREL_SKINFILE_H
#define PIXOREL_SKINFILE_H

#include <stddef.h>
#include <stdint.h>

namespace pixorel {

const uint32_t kSkinVersion = 1;
const uint32_t kMaxSkinImages = 65535;

struct SkinTable {
    const uint8_t* data;
    size_t size;
    uint32_t count;   /* images numbered 1..count */
    bool plainBmp;    /* the whole file is image 1 */
};

/* Reads the container header and checks that the entry table lies inside the
 * file. Looks at no image bytes. */
bool OpenSkin(const uint8_t* data, size_t size, SkinTable* table);

enum SkinEntry {
    kEntryImage,    /* *image / *imageSize give the stored bytes */
    kEntryNone,     /* no such number, or a size-0 hole */
    kEntryBad       /* the entry points outside the file */
};

SkinEntry FindSkinImage(const SkinTable& table, int index, const uint8_t** image, size_t* imageSize);

}  // namespace pixorel

#endif
