// The thirteen images of a skinned frame, in the order of its skin indices,
// and their sizes measured in one opening of the skin file.
#ifndef TESSARO_FRAMES_FRAMEPIECES_H
#define TESSARO_FRAMES_FRAMEPIECES_H

#include <windows.h>
#include "Resources.h"

enum FramePiece {
    kTopLeftMask, kTopLeft, kTopEdge, kTopRightMask, kTopRight, kRightEdge, kBottomRightMask,
    kBottomRight, kBottomEdge, kBottomLeftMask, kBottomLeft, kLeftEdge, kTitleBar, kFramePieceCount
};

// Width and height of every piece; an image that is absent measures 0 x 0.
struct FramePieceSizes {
    SIZE piece[kFramePieceCount];
    int Width(FramePiece p) const { return piece[p].cx; }
    int Height(FramePiece p) const { return piece[p].cy; }
    bool Present(FramePiece p) const { return piece[p].cx > 0 && piece[p].cy > 0; }
};

// Measures the pieces of `indices` with a reader that is already open (or
// failed to open: every piece is then absent).
void MeasureFramePieces(const ReaderOwner& reader, const int* indices, FramePieceSizes* sizes);
// The same, opening the skin file for it.
void MeasureFramePieces(const char* path, const int* indices, FramePieceSizes* sizes);

inline int Larger(int a, int b) { return a > b ? a : b; }
inline int Smaller(int a, int b) { return a < b ? a : b; }

// The window size of a window; 0 when its rectangle cannot be read.
inline int WindowSize(HWND hwnd, int* width, int* height) {
    RECT rect;
    if (!hwnd || !GetWindowRect(hwnd, &rect)) return 0;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return 1;
}

// Where MoveWindow must be given a window's current top-left corner: in its
// parent's client area for a child window, on the screen for a top-level
// one (owned or not).
inline POINT MoveOrigin(HWND hwnd, const RECT& windowRect) {
    POINT origin = {windowRect.left, windowRect.top};
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) && parent) ScreenToClient(parent, &origin);
    return origin;
}

#endif
