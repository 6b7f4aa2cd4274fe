// Window outlines cut from an image by a transparent colour.
#ifndef TESSARO_CORE_OUTLINE_H
#define TESSARO_CORE_OUTLINE_H

#include <windows.h>

// The region (0, 0, width, height) less every pixel of `bitmap` whose colour
// is exactly `transparent`; pixels outside the bitmap never match. The pixels
// are read in one go and kept runs merged into rectangles, so the result is
// the region a pixel-by-pixel cut gives, in a fraction of the time.
// `dc` is a DC the bitmap is compatible with. Null when GDI fails.
HRGN CreateOutlineRegion(HDC dc, HBITMAP bitmap, int width, int height, COLORREF transparent);

// Removes from `region` every pixel of `bitmap`, placed with its top-left
// corner at (x, y), whose colour is exactly `transparent`: an outline cut at
// one place of a window (the ends of a slider track). Returns 1, or 0 with
// the region unchanged when GDI fails.
int CutTransparentPixels(HRGN region, HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent);

#endif
