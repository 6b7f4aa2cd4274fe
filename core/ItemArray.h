// Arrays of fixed-size items that grow by doubling: the storage behind every
// list-holding control. Memory comes from malloc/free.
#ifndef TESSARO_CORE_ITEMARRAY_H
#define TESSARO_CORE_ITEMARRAY_H

#include <windows.h>

// Grows `*items` (capacity `*capacity` items of `itemSize` bytes) to
// `firstCapacity` items when empty, else to twice its capacity; the new part
// is zeroed. Returns 1, or 0 with the array unchanged when memory runs out.
int GrowItemArray(void** items, DWORD* capacity, DWORD itemSize, DWORD firstCapacity);

// A copy of `capacity` items, or null when there are none or memory runs out.
void* CopyItemArray(const void* items, DWORD capacity, DWORD itemSize);

// Removes item `index` of `*count` items in use: later items move one place
// forward and the freed last place is zeroed.
void RemoveItemAt(void* items, DWORD* count, DWORD index, DWORD itemSize);

#endif
