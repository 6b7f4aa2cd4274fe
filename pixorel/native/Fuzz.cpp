// libFuzzer target: the input is a skin file (container or plain BMP); every
// image it names is located and decoded, exactly as Pixorel.dll does it.
#include <stdlib.h>
#include <string.h>

#include "BmpDecoder.h"
#include "SkinFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pixorel::SkinTable table;
    if (!pixorel::OpenSkin(data, size, &table)) return 0;
    uint32_t last = table.count < 8 ? table.count : 8;
    for (int index = -1; index <= (int)last + 1; index++) {
        const uint8_t* image;
        size_t imageSize;
        if (pixorel::FindSkinImage(table, index, &image, &imageSize) != pixorel::kEntryImage) continue;
        pixorel::BmpInfo info;
        if (!pixorel::ReadBmpInfo(image, imageSize, &info)) continue;
        size_t pixels = (size_t)info.width * info.height;
        // Huge RLE images need only a few input bytes; skip clearing 64 MB on
        // every run, the code paths are the same as for smaller ones.
        if (pixels > (1u << 20)) continue;
        uint32_t* out = (uint32_t*)malloc(pixels * sizeof(uint32_t));
        if (!out) continue;
        pixorel::DecodeBmp(image, imageSize, info, out);
        free(out);
    }
    return 0;
}
