#include "Draw.h"
#include "Outline.h"

SkinImage::SkinImage(HDC target, const ReaderOwner& reader, int index)
    : m_image(target, reader, index), m_memory(target), m_selection(m_memory.Get(), m_image.Get()), m_width(0),
      m_height(0) {
    if (m_selection.Done()) MeasureBitmap(m_image.Get(), &m_width, &m_height);
}

int SkinImage::CopyTo(HDC target, int x, int y, int width, int height, int sx, int sy) const {
    if (!Ready() || width <= 0 || height <= 0) return 0;
    return BitBlt(target, x, y, width, height, m_memory.Get(), sx, sy, SRCCOPY) ? 1 : 0;
}

int SkinImage::StretchTo(HDC target, int x, int y, int width, int height, int sx, int sy, int sw, int sh) const {
    if (!Ready() || width <= 0 || height <= 0) return 0;
    return StretchBlt(target, x, y, width, height, m_memory.Get(), sx, sy, sw, sh, SRCCOPY) ? 1 : 0;
}

int SkinImage::CopySpanTo(HDC target, int from, int to, int at, bool horizontal, int across) const {
    if (horizontal) return CopyTo(target, at, across, to - from, m_height, from, 0);
    return CopyTo(target, across, at, m_width, to - from, 0, from);
}

int SkinImage::CopyThroughMaskTo(HDC target, int x, int y, int width, int height, HBITMAP mask,
                                 COLORREF transparent) const {
    if (!Ready() || width <= 0 || height <= 0) return 0;
    // The drawn pixels as a clipping region: one BitBlt then copies them all.
    GdiOwner<HRGN> drawn(CreateOutlineRegion(m_memory.Get(), mask, width, height, transparent));
    GdiOwner<HRGN> image(CreateRectRgn(0, 0, m_width, m_height));
    if (!drawn.Get() || !image.Get() || CombineRgn(drawn.Get(), drawn.Get(), image.Get(), RGN_AND) == ERROR)
        return 0;
    // Clipping regions are in device units.
    POINT at = {x, y};
    LPtoDP(target, &at, 1);
    OffsetRgn(drawn.Get(), at.x, at.y);
    int saved = SaveDC(target);
    if (!saved) return 0;
    int done = ExtSelectClipRgn(target, drawn.Get(), RGN_AND) != ERROR &&
               BitBlt(target, x, y, width, height, m_memory.Get(), 0, 0, SRCCOPY);
    RestoreDC(target, saved);
    return done ? 1 : 0;
}

int SkinImage::TileTo(HDC target, int from, int to, int origin, bool horizontal, int across) const {
    int step = Length(horizontal);
    if (!Ready()) return 0;
    int at = from;
    while (at < to) {
        // Position inside the tile; a start before the origin still finds its phase.
        int phase = (at - origin) % step;
        if (phase < 0) phase += step;
        int length = step - phase;
        if (length > to - at) length = to - at;
        CopySpanTo(target, phase, phase + length, at, horizontal, across);
        at += length;
    }
    return 1;
}

int ImageLength(HDC dc, const ReaderOwner& reader, int index, bool horizontal) {
    ImageOwner image(dc, reader, index);
    int width = 0, height = 0;
    if (!MeasureBitmap(image.Get(), &width, &height)) return 0;
    return horizontal ? width : height;
}

int DrawImageAt(HDC dc, const ReaderOwner& reader, int index, int x, int y) {
    SkinImage image(dc, reader, index);
    return image.CopyTo(dc, x, y, image.Width(), image.Height(), 0, 0);
}

void DrawTextWithFont(HDC dc, const char* text, RECT rect, const LOGFONTA& font, COLORREF color, UINT format) {
    // No text: no font is made either (a window without text paints often).
    if (!text || !text[0]) return;
    GdiOwner<HFONT> made(CreateFontIndirectA(&font));
    Selection selected(dc, made.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text, lstrlenA(text), &rect, format);
}
