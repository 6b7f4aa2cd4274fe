// Arrays of fixed-size items that grow by doubling: the storage behind every
// list-holding control. Memory comes from malloc/free.
#ifndef TESSARO_CORE_ITEMARRAY_H
#define TESSARO_CORE_ITEMARRAY_H

#include <windows.h>
#include <stdlib.h>

// Grows `*items` (capacity `*capacity` items of `itemSize` bytes) to
// `firstCapacity` items when empty, else to twice its capacity; the new part
// is zeroed. Returns 1, or 0 with the array unchanged when memory runs out.
int GrowItemArray(void** items, DWORD* capacity, DWORD itemSize, DWORD firstCapacity);

// Grows `*items` to exactly `newCapacity` items (more than `*capacity`), the
// new part zeroed. Returns 1, or 0 with the array unchanged when memory runs
// out or the size would pass 2 GB.
int ResizeItemArray(void** items, DWORD* capacity, DWORD itemSize, unsigned long long newCapacity);

// A copy of `capacity` items, or null when there are none or memory runs out.
void* CopyItemArray(const void* items, DWORD capacity, DWORD itemSize);

// Removes item `index` of `*count` items in use: later items move one place
// forward and the freed last place is zeroed.
void RemoveItemAt(void* items, DWORD* count, DWORD index, DWORD itemSize);

// The first of `count` items whose nID is `id`, with its index; null when
// no item has it. Lookups by ID always take the first in index order.
template <class Item>
Item* FindItemById(Item* items, DWORD count, int id, DWORD* index) {
    for (DWORD i = 0; i < count; ++i) {
        if (items[i].nID != id) continue;
        if (index) *index = i;
        return &items[i];
    }
    return 0;
}

// Makes `*items` a copy of its own of another array (capacity and count
// included), freeing the old one. When memory runs out the list is left
// empty rather than shared.
template <class Item>
void ReplaceWithCopy(Item** items, DWORD* capacity, DWORD* count, const Item* source, DWORD sourceCapacity,
                     DWORD sourceCount) {
    free(*items);
    *items = (Item*)CopyItemArray(source, sourceCapacity, sizeof(Item));
    *capacity = *items ? sourceCapacity : 0;
    *count = *items ? sourceCount : 0;
}

// Writes a failure code into a host's error slot, when it gave one: the
// component in the high 32 bits, the operation and reason in the low ones.
inline void WriteErrorSlot(__int64* slot, DWORD component, DWORD code) {
    if (slot) *slot = (__int64)(((unsigned __int64)component << 32) | code);
}

#endif
