#include "ItemArray.h"
#include <stdlib.h>
#include <string.h>

int GrowItemArray(void** items, DWORD* capacity, DWORD itemSize, DWORD firstCapacity) {
    return ResizeItemArray(items, capacity, itemSize, *capacity ? 2ull * *capacity : firstCapacity);
}

int ResizeItemArray(void** items, DWORD* capacity, DWORD itemSize, unsigned long long newCapacity) {
    if (newCapacity <= *capacity || newCapacity > 0x7FFFFFFFull) return 0;
    unsigned long long bytes = newCapacity * itemSize;
    if (bytes == 0 || bytes > 0x7FFFFFFFull) return 0;
    void* grown = malloc((size_t)bytes);
    if (!grown) return 0;
    memset(grown, 0, (size_t)bytes);
    if (*items) {
        memcpy(grown, *items, (size_t)*capacity * itemSize);
        free(*items);
    }
    *items = grown;
    *capacity = (DWORD)newCapacity;
    return 1;
}

void* CopyItemArray(const void* items, DWORD capacity, DWORD itemSize) {
    if (!items || !capacity) return 0;
    size_t bytes = (size_t)capacity * itemSize;
    void* copy = malloc(bytes);
    if (copy) memcpy(copy, items, bytes);
    return copy;
}

void RemoveItemAt(void* items, DWORD* count, DWORD index, DWORD itemSize) {
    if (index >= *count) return;
    char* base = (char*)items;
    memmove(base + (size_t)index * itemSize, base + (size_t)(index + 1) * itemSize,
            (size_t)(*count - index - 1) * itemSize);
    --*count;
    memset(base + (size_t)*count * itemSize, 0, itemSize);
}
