#include "Draw.h"

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

int SkinImage::CopySpanTo(HDC target, int from, int to, int at, bool horizontal) const {
    if (horizontal) return CopyTo(target, at, 0, to - from, m_height, from, 0);
    return CopyTo(target, 0, at, m_width, to - from, 0, from);
}

int SkinImage::TileTo(HDC target, int from, int to, int origin, bool horizontal) const {
    int step = Length(horizontal);
    if (!Ready()) return 0;
    int at = from;
    while (at < to) {
        // Position inside the tile; a start before the origin still finds its phase.
        int phase = (at - origin) % step;
        if (phase < 0) phase += step;
        int length = step - phase;
        if (length > to - at) length = to - at;
        CopySpanTo(target, phase, phase + length, at, horizontal);
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
