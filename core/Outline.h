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

#endif
