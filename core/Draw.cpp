#include "Draw.h"

namespace {
// A skin image selected into a memory DC compatible with `dc`, with its size.
class ImageSource {
public:
    ImageSource(HDC dc, const ReaderOwner& reader, int index)
        : m_image(dc, reader, index), m_memory(dc), m_selection(m_memory.Get(), m_image.Get()),
          m_width(0), m_height(0) {
        if (m_selection.Done()) MeasureBitmap(m_image.Get(), &m_width, &m_height);
    }
    bool Ready() const { return m_width > 0 && m_height > 0; }
    HDC Dc() const { return m_memory.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
private:
    ImageOwner m_image;
    MemoryDCOwner m_memory;
    Selection m_selection;
    int m_width, m_height;
};
}  // namespace

int DrawImageAt(HDC dc, const ReaderOwner& reader, int index, int x, int y) {
    ImageSource source(dc, reader, index);
    if (!source.Ready()) return 0;
    return BitBlt(dc, x, y, source.Width(), source.Height(), source.Dc(), 0, 0, SRCCOPY) ? 1 : 0;
}

int TileImage(HDC dc, const ReaderOwner& reader, int index, const RECT& area, bool horizontal) {
    ImageSource source(dc, reader, index);
    if (!source.Ready()) return 0;
    int step = horizontal ? source.Width() : source.Height();
    int end = horizontal ? area.right : area.bottom;
    for (int at = horizontal ? area.left : area.top; at < end; at += step) {
        int length = end - at < step ? end - at : step;
        if (horizontal)
            BitBlt(dc, at, area.top, length, area.bottom - area.top, source.Dc(), 0, 0, SRCCOPY);
        else
            BitBlt(dc, area.left, at, area.right - area.left, length, source.Dc(), 0, 0, SRCCOPY);
    }
    return 1;
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
