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

// Removes from `region` the transparent pixels that a corner mask has on its
// outer side: the mask's outer corner pixel lies at (x0, y0) of the window,
// and it extends by `dx` and `dy` (+1 or -1) from there. Each mask row is
// walked from the outer side inward and its pixels are cut while they are
// `transparent`; the first pixel of another colour ends the row, so
// transparent pixels behind a drawn one stay. Returns 1, or 0 with the region
// unchanged when GDI fails.
int CutCornerRuns(HRGN region, HDC dc, HBITMAP mask, int x0, int y0, int dx, int dy, COLORREF transparent);

#endif
