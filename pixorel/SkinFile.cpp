// Locates skin images inside a container or a plain BMP file.
#include "SkinFile.h"

namespace pixorel {
namespace {
inline uint32_t U32(const uint8_t* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}
}  // namespace

bool OpenSkin(const uint8_t* data, size_t size, SkinTable* table) {
    if (!data || !table || size < 2) return false;
    table->data = data;
    table->size = size;
    if (data[0] == 'B' && data[1] == 'M') {
        table->count = 1;
        table->plainBmp = true;
        return true;
    }
    if (size < 12 || data[0] != 'T' || data[1] != 'S' || data[2] != 'K' || data[3] != 'N') return false;
    if (U32(data + 4) != kSkinVersion) return false;
    uint32_t count = U32(data + 8);
    if (count > kMaxSkinImages) return false;
    if (12 + (uint64_t)count * 8 > size) return false;
    table->count = count;
    table->plainBmp = false;
    return true;
}

SkinEntry FindSkinImage(const SkinTable& table, int index, const uint8_t** image, size_t* imageSize) {
    if (index < 1 || (uint32_t)index > table.count) return kEntryNone;
    if (table.plainBmp) {
        *image = table.data;
        *imageSize = table.size;
        return kEntryImage;
    }
    const uint8_t* e = table.data + 12 + (size_t)(index - 1) * 8;
    uint32_t offset = U32(e), size = U32(e + 4);
    if (size == 0) return kEntryNone;
    if ((uint64_t)offset + size > table.size) return kEntryBad;
    *image = table.data + offset;
    *imageSize = size;
    return kEntryImage;
}

}  // namespace pixorel
