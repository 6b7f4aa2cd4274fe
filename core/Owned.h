// Objects that a control makes on the heap and owns (a view's digit windows,
// for instance). Made without throwing: when memory runs out the maker gets
// null and reports it, as the library reports every failure.
#ifndef TESSARO_CORE_OWNED_H
#define TESSARO_CORE_OWNED_H

#include <stdlib.h>

// A placement form of our own, so that no standard header is needed.
struct OwnedPlacement {};
inline void* operator new(size_t, void* where, OwnedPlacement) { return where; }
inline void operator delete(void*, void*, OwnedPlacement) {}

// A new T made from `args` in a block of its own; null when memory runs out.
template <class T, class... Args>
T* MakeOwned(Args... args) {
    void* block = malloc(sizeof(T));
    if (!block) return 0;
    return new (block, OwnedPlacement()) T(args...);
}

// A copy of `*source` in a block of its own; null when memory runs out.
template <class T>
T* CopyOwned(const T& source) {
    void* block = malloc(sizeof(T));
    if (!block) return 0;
    return new (block, OwnedPlacement()) T(source);
}

// Destroys and frees an object made by MakeOwned or CopyOwned; null is allowed.
template <class T>
void DeleteOwned(T* object) {
    if (!object) return;
    object->~T();
    free(object);
}

#endif
