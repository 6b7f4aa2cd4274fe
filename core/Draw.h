// Drawing skin images: one frame at a place, or a piece tiled along an axis.
#ifndef TESSARO_CORE_DRAW_H
#define TESSARO_CORE_DRAW_H

#include <windows.h>
#include "Resources.h"

// Draws image `index` at (x, y) of `dc` at its own size. Returns 1 when drawn.
int DrawImageAt(HDC dc, const ReaderOwner& reader, int index, int x, int y);

// Repeats image `index` from the start of `area` to its end, along x when
// `horizontal`, else along y; the last copy is clipped to the area.
// Returns 1 when drawn.
int TileImage(HDC dc, const ReaderOwner& reader, int index, const RECT& area, bool horizontal);

// Draws `text` into `rect` of `dc` with a font made from `font`, transparent
// background and `color`; restores the DC's font.
void DrawTextWithFont(HDC dc, const char* text, RECT rect, const LOGFONTA& font, COLORREF color, UINT format);

#endif
