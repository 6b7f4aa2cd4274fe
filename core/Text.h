// Bounded string helpers for the library's fixed buffers.
#ifndef TESSARO_CORE_TEXT_H
#define TESSARO_CORE_TEXT_H

#include <windows.h>
#include <string.h>

// An all-zero font description (the system's default font): what controls
// that draw no text of their own give their base.
inline LOGFONTA ZeroFont() {
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    return font;
}

// Copies at most size-1 bytes of `source` and terminates; returns 1 when the
// whole text fitted, 0 when it was cut. A null source stores "".
inline int CopyBounded(char* target, size_t size, const char* source) {
    if (size == 0) return 0;
    if (!source) { target[0] = 0; return 1; }
    size_t length = strnlen(source, size);
    if (length < size) { memcpy(target, source, length + 1); return 1; }
    memcpy(target, source, size - 1);
    target[size - 1] = 0;
    return 0;
}

// Copies `source` only when it fits whole; otherwise stores "" and returns 0.
// Used for paths, where a cut path could name another file.
inline int CopyWholeOrEmpty(char* target, size_t size, const char* source) {
    if (CopyBounded(target, size, source)) return 1;
    target[0] = 0;
    return 0;
}

#endif
