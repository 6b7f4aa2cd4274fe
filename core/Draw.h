// Drawing skin images: one frame at a place, part of a frame, or a piece
// tiled along an axis.
#ifndef TESSARO_CORE_DRAW_H
#define TESSARO_CORE_DRAW_H

#include <windows.h>
#include "Resources.h"

// A skin image selected into a memory DC compatible with a target DC, with
// its size: load once, then copy any part of it.
class SkinImage {
public:
    SkinImage(HDC target, const ReaderOwner& reader, int index);
    // Loaded and selected: it has a size and can be copied from.
    bool Ready() const { return m_width > 0 && m_height > 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Its length along an axis: the width when `horizontal`, else the height.
    int Length(bool horizontal) const { return horizontal ? m_width : m_height; }
    // The memory DC that holds the image (to draw on it before copying).
    HDC Dc() const { return m_memory.Get(); }
    // Copies the part (sx, sy, width, height) of the image to (x, y) of `target`.
    int CopyTo(HDC target, int x, int y, int width, int height, int sx, int sy) const;
    // Stretches the part (sx, sy, sw, sh) of the image over (x, y, width,
    // height) of `target` with the target's stretch mode: with COLORONCOLOR a
    // one-pixel column or row is repeated exactly.
    int StretchTo(HDC target, int x, int y, int width, int height, int sx, int sy, int sw, int sh) const;
    // Copies the span [from, to) of the image along an axis (the whole image
    // across it) so that it starts at `at` on that axis and `across` across.
    int CopySpanTo(HDC target, int from, int to, int at, bool horizontal, int across = 0) const;
    // Repeats the image along an axis from `from` up to `to`, at `across`
    // across with the image's own cross size. Tiles start at multiples of the
    // image's length from `origin`, so a piece drawn from several calls
    // keeps one phase; the last copy is cut at `to`.
    int TileTo(HDC target, int from, int to, int origin, bool horizontal, int across = 0) const;
    // Copies the image to (x, y) of `target` through a mask of the same
    // placement: only the pixels of the `width` x `height` area whose mask
    // pixel is not `transparent` (mask pixels outside the mask count as
    // drawn), and only where the image has pixels. `target`'s clipping is
    // restored afterwards. Returns 1 when drawn.
    int CopyThroughMaskTo(HDC target, int x, int y, int width, int height, HBITMAP mask,
                          COLORREF transparent) const;

private:
    SkinImage(const SkinImage&);
    SkinImage& operator=(const SkinImage&);
    ImageOwner m_image;
    MemoryDCOwner m_memory;
    Selection m_selection;
    int m_width, m_height;
};

// The length of image `index` along an axis (its width when `horizontal`,
// else its height); 0 when it does not load. Nothing is selected anywhere:
// cheaper than a SkinImage when only the size is wanted.
int ImageLength(HDC dc, const ReaderOwner& reader, int index, bool horizontal);

// Draws image `index` at (x, y) of `dc` at its own size. Returns 1 when drawn.
int DrawImageAt(HDC dc, const ReaderOwner& reader, int index, int x, int y);

// Draws `text` into `rect` of `dc` with a font made from `font`, transparent
// background and `color`; restores the DC's font.
void DrawTextWithFont(HDC dc, const char* text, RECT rect, const LOGFONTA& font, COLORREF color, UINT format);

#endif
