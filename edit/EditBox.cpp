// CBitmapEditBox: a text-entry window drawn over a skin frame. The text is
// kept as UTF-16 in a heap buffer; a character is taken only while the whole
// text still fits the client width, so the box holds one line set by its
// width and font. The host reads the text back in the ANSI code page.
#include "TessaroEdit.h"
#include "Draw.h"
#include "Resources.h"
#include <stdlib.h>
#include <string.h>

static const char kEditBoxClass[] = "BITMAP Edit Box CLASS";
static const DWORD kBufferStep = 65535;  // the buffer grows in steps of this many units
static const wchar_t kCarriageReturn = 13;

namespace {
// The text as the wide-character calls take it (WCHAR and wchar_t are one
// type with MinGW and Visual C++, two with Wine's headers in Microsoft mode).
inline LPCWSTR Wide(const wchar_t* text) { return (LPCWSTR)text; }
inline LPWSTR Wide(wchar_t* text) { return (LPWSTR)text; }

// A screen-compatible memory DC with the box's font selected: where every
// width is measured (the same widths as on the window's own DC, without
// borrowing it from the system for each character).
class FontDC {
public:
    explicit FontDC(HFONT font) : m_dc(0), m_selection(m_dc.Get(), font) {}
    HDC Get() const { return m_selection.Done() ? m_dc.Get() : 0; }
private:
    MemoryDCOwner m_dc;
    Selection m_selection;
};

}  // namespace

CBitmapEditBox::CBitmapEditBox(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font,
                               DWORD textColor, UINT format)
    : CBitmapWindow((char*)kEditBoxClass, bitmapFile, regionID, normalID, disableID, font, (char*)"", textColor,
                    format) {
    InitEditBox();
}

CBitmapEditBox::CBitmapEditBox(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                               LOGFONTA font, DWORD textColor, UINT format)
    : CBitmapWindow(className ? className : (char*)kEditBoxClass, bitmapFile, regionID, normalID, disableID, font,
                    (char*)"", textColor, format) {
    InitEditBox();
}

// Everything starts empty, the input-method state included: nothing is read
// before it is written.
void CBitmapEditBox::InitEditBox() {
    m_nType = 15;
    m_dwImeProperty = 0;
    m_ptImePos.x = m_ptImePos.y = 0;
    m_nCompStrLen = 0;
    m_nResultStrLen = 0;
    memset(m_szCompStr, 0, sizeof m_szCompStr);
    memset(m_szResultStr, 0, sizeof m_szResultStr);
    m_bCandidateList = 0;
    m_hCandidateList = 0;
    m_nBkMode = TRANSPARENT;
    m_pwszBuffer = 0;
    m_dwBufferSize = 0;
    m_nCaretX = m_nCaretLine = m_nMaxLines = m_nLineWidth = 0;
    m_nCharWidth = m_nCharHeight = m_nClientWidth = m_nClientHeight = 0;
    m_dwTextLength = m_dwLastLine = m_dwCaretIndex = 0;
    m_bLeadByte = 0;
    m_bShowingComposition = 0;
    m_dwShownIndex = 0;
    m_wcCovered = 0;
    m_hFont = 0;
    memset(&m_FontMadeFrom, 0, sizeof m_FontMadeFrom);
}

CBitmapEditBox::CBitmapEditBox(const CBitmapEditBox& other) : CBitmapWindow(other) {
    InitEditBox();
    CopyEditBoxFrom(other);
}

CBitmapEditBox& CBitmapEditBox::operator=(const CBitmapEditBox& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopyEditBoxFrom(other);
    }
    return *this;
}

// The copy owns a buffer of its own holding the text (without a composition
// shown in it), and keeps no candidate list: it has no window.
void CBitmapEditBox::CopyEditBoxFrom(const CBitmapEditBox& other) {
    free(m_pwszBuffer);
    m_pwszBuffer = 0;
    m_dwBufferSize = 0;
    if (other.m_pwszBuffer) {
        m_pwszBuffer = (wchar_t*)malloc(other.m_dwBufferSize * sizeof(wchar_t));
        if (m_pwszBuffer) {
            memcpy(m_pwszBuffer, other.m_pwszBuffer, other.m_dwBufferSize * sizeof(wchar_t));
            m_dwBufferSize = other.m_dwBufferSize;
            if (other.m_bShowingComposition) m_pwszBuffer[other.m_dwShownIndex] = other.m_wcCovered;
        }
    }
    m_dwImeProperty = other.m_dwImeProperty;
    m_ptImePos = other.m_ptImePos;
    m_nCompStrLen = other.m_nCompStrLen;
    m_nResultStrLen = other.m_nResultStrLen;
    memcpy(m_szCompStr, other.m_szCompStr, sizeof m_szCompStr);
    memcpy(m_szResultStr, other.m_szResultStr, sizeof m_szResultStr);
    m_nBkMode = other.m_nBkMode;
    bool hasText = m_pwszBuffer != 0;
    m_nCaretX = hasText ? other.m_nCaretX : 0;
    m_nCaretLine = hasText ? other.m_nCaretLine : 0;
    m_nMaxLines = other.m_nMaxLines;
    m_nLineWidth = other.m_nLineWidth;
    m_nCharWidth = other.m_nCharWidth;
    m_nCharHeight = other.m_nCharHeight;
    m_nClientWidth = other.m_nClientWidth;
    m_nClientHeight = other.m_nClientHeight;
    m_dwTextLength = hasText ? other.m_dwTextLength : 0;
    m_dwLastLine = other.m_dwLastLine;
    m_dwCaretIndex = hasText ? other.m_dwCaretIndex : 0;
    m_bLeadByte = 0;
    m_bShowingComposition = 0;
}

CBitmapEditBox::~CBitmapEditBox() {
    if (m_hFont) DeleteObject(m_hFont);
    free(m_pwszBuffer);
    if (m_hCandidateList) GlobalFree(m_hCandidateList);
}

// ---------------------------------------------------------------- buffer --

void CBitmapEditBox::SetNewSizeLineBufer(DWORD size) {
    if (m_pwszBuffer && m_dwBufferSize >= size) return;
    wchar_t* grown = (wchar_t*)malloc((size_t)size * sizeof(wchar_t));
    if (!grown) return;  // the old buffer stays
    memset(grown, 0, (size_t)size * sizeof(wchar_t));
    if (m_pwszBuffer) {
        memcpy(grown, m_pwszBuffer, (size_t)(m_dwBufferSize < size ? m_dwBufferSize : size) * sizeof(wchar_t));
        free(m_pwszBuffer);
    }
    m_pwszBuffer = grown;
    m_dwBufferSize = size;
}

int CBitmapEditBox::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CBitmapWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    m_hWnd = hwnd;
    SetNewSizeLineBufer(kBufferStep);
    if (m_pwszBuffer) memset(m_pwszBuffer, 0, m_dwBufferSize * sizeof(wchar_t));
    m_dwTextLength = 0;
    m_dwCaretIndex = 0;
    m_nCaretX = 0;
    m_nCaretLine = 0;
    // The input method of the layout current at creation, until the layout changes.
    m_dwImeProperty = ImmGetProperty(GetKeyboardLayout(0), IGP_PROPERTY);
    return 1;
}

// --------------------------------------------------------------- measuring --

int CBitmapEditBox::CountMaximLine() {
    RECT client;
    if (!GetClientRect(m_hWnd, &client)) return 1;
    m_nClientWidth = m_nLineWidth = client.right - client.left;
    m_nClientHeight = client.bottom - client.top;
    FontDC dc(Font());
    TEXTMETRICA metrics;
    if (!dc.Get() || !GetTextMetricsA(dc.Get(), &metrics)) return 1;
    m_nCharWidth = metrics.tmAveCharWidth;
    m_nCharHeight = metrics.tmHeight;
    m_nMaxLines = metrics.tmHeight > 0 ? m_nClientHeight / metrics.tmHeight : 0;
    return 1;
}

// The width test: a unit is taken only while the whole text and it stay
// narrower than the line. `width` gets the unit's advance.
int CBitmapEditBox::Fits(WORD ch, int* width) {
    FontDC dc(Font());
    INT advance = 0;
    SIZE text = {0, 0};
    if (!dc.Get() || !GetCharWidth32W(dc.Get(), ch, ch, &advance)) advance = 0;
    if (dc.Get() && m_dwTextLength) GetTextExtentPoint32W(dc.Get(), Wide(m_pwszBuffer), (int)m_dwTextLength, &text);
    *width = advance;
    return text.cx + advance < m_nLineWidth;
}

// The font made from the box's LOGFONT, kept while the LOGFONT stays the
// same (SetNewFont changes it); deleted with the box.
HFONT CBitmapEditBox::Font() {
    if (m_hFont && memcmp(&m_FontMadeFrom, &m_LogFont, sizeof m_LogFont) == 0) return m_hFont;
    HFONT made = CreateFontIndirectA(&m_LogFont);
    if (!made) return m_hFont;
    if (m_hFont) DeleteObject(m_hFont);
    m_hFont = made;
    m_FontMadeFrom = m_LogFont;
    return m_hFont;
}

// The advance of one UTF-16 unit in the box's font; 0 when it cannot be had.
int CBitmapEditBox::CharWidth(WORD ch) {
    FontDC dc(Font());
    INT width = 0;
    if (!dc.Get() || !GetCharWidth32W(dc.Get(), ch, ch, &width)) return 0;
    return width;
}

int CBitmapEditBox::TextWidth(const wchar_t* text, DWORD length) {
    if (!text || !length) return 0;
    FontDC dc(Font());
    SIZE size = {0, 0};
    if (!dc.Get() || !GetTextExtentPoint32W(dc.Get(), Wide(text), (int)length, &size)) return 0;
    return size.cx;
}

// The caret, and the input method's windows with it.
void CBitmapEditBox::PlaceCaret() {
    m_ptImePos.x = m_nCaretX;
    m_ptImePos.y = m_nCaretLine * m_nCharHeight;
    SetCaretPos(m_ptImePos.x, m_ptImePos.y);
}

// ------------------------------------------------------------------ editing --

// Room for one more unit and its terminator, made before anything is stored;
// 0 when there is no buffer or it cannot grow.
int CBitmapEditBox::MakeRoomForOneMore() {
    if (!m_pwszBuffer) return 0;
    if ((unsigned long long)m_dwTextLength + 2 > m_dwBufferSize)
        SetNewSizeLineBufer(((m_dwTextLength + 2) / kBufferStep + 1) * kBufferStep);
    return (unsigned long long)m_dwTextLength + 2 <= m_dwBufferSize;
}

int CBitmapEditBox::SetChInEndBufer(WORD ch) {
    if (!MakeRoomForOneMore()) return 0;
    int width = 0;
    if (!Fits(ch, &width)) return 0;
    m_nCaretX += width;
    m_pwszBuffer[m_dwTextLength] = (wchar_t)ch;
    ++m_dwTextLength;
    m_pwszBuffer[m_dwTextLength] = 0;
    m_dwCaretIndex = m_dwTextLength;
    return 0;
}

int CBitmapEditBox::SetChInBufer(WORD ch) {
    if (!MakeRoomForOneMore()) return 0;
    int width = 0;
    if (!Fits(ch, &width)) return 0;
    m_nCaretX += width;
    wchar_t* at = m_pwszBuffer + m_dwCaretIndex;
    memmove(at + 1, at, (m_dwTextLength - m_dwCaretIndex + 1) * sizeof(wchar_t));  // the terminator too
    *at = (wchar_t)ch;
    ++m_dwTextLength;
    ++m_dwCaretIndex;
    return 0;
}

int CBitmapEditBox::BackSpes() {
    if (!m_pwszBuffer || m_dwCaretIndex == 0) return 0;
    m_nCaretX -= CharWidth(m_pwszBuffer[m_dwCaretIndex - 1]);
    if (m_nCaretX < 0) m_nCaretX = 0;
    wchar_t* at = m_pwszBuffer + m_dwCaretIndex - 1;
    memmove(at, at + 1, (m_dwTextLength - m_dwCaretIndex + 1) * sizeof(wchar_t));
    --m_dwTextLength;
    --m_dwCaretIndex;
    return 0;
}

int CBitmapEditBox::DeleteChInBufer() {
    if (!m_pwszBuffer || m_dwCaretIndex >= m_dwTextLength) return 0;
    wchar_t* at = m_pwszBuffer + m_dwCaretIndex;
    memmove(at, at + 1, (m_dwTextLength - m_dwCaretIndex) * sizeof(wchar_t));
    --m_dwTextLength;
    return 0;
}

// One unit at the caret: appended at the end, inserted before the caret
// inside the text.
int CBitmapEditBox::EnterCharacter(WORD ch) {
    if (m_dwCaretIndex >= m_dwTextLength) return SetChInEndBufer(ch);
    return SetChInBufer(ch);
}

// Typed characters arrive as bytes of the ANSI code page; a DBCS lead byte
// waits for its trail byte. Code 0 is ignored: a NUL would end the text.
int CBitmapEditBox::OnChar(UINT wParam, LPARAM lParam) {
    RestoreShownComposition();
    BYTE byte = (BYTE)(wParam & 0xFF);
    switch (byte) {
    case 8:
        if (m_dwCaretIndex != 0) BackSpes();
        break;
    case 9:
        for (int i = 0; i < 4; ++i) SendMessageA(m_hWnd, WM_CHAR, ' ', 0);
        break;
    case 0:
    case 10:
    case 13:
    case 27:
        break;
    default: {
        char bytes[2] = {(char)byte, 0};
        int count = 1;
        if (m_bLeadByte) {
            bytes[0] = (char)m_bLeadByte;
            bytes[1] = (char)byte;
            count = 2;
            m_bLeadByte = 0;
        } else if (byte >= 0x80 && IsDBCSLeadByte(byte)) {
            m_bLeadByte = byte;
            break;
        }
        wchar_t unit = 0;
        if (byte < 0x80 && count == 1) unit = byte;
        else if (MultiByteToWideChar(CP_ACP, 0, bytes, count, Wide(&unit), 1) != 1) break;
        EnterCharacter(unit);
    }
    }
    PlaceCaret();
    // Typed text shows at once (a keystroke's own key-down repaint merges with this one).
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}

int CBitmapEditBox::OnKeyDown(UINT wParam, LPARAM lParam) {
    RestoreShownComposition();
    if (m_pwszBuffer) {
            switch (wParam) {
        case VK_END: {
            DWORD lineStart = 0;
            m_nCaretLine = 0;
            for (DWORD i = 0; i < m_dwTextLength; ++i)
                if (m_pwszBuffer[i] == kCarriageReturn) {
                    ++m_nCaretLine;
                    lineStart = i + 1;
                }
            m_nCaretX = TextWidth(m_pwszBuffer + lineStart, m_dwTextLength - lineStart);
            m_dwCaretIndex = m_dwTextLength;
            break;
        }
        case VK_HOME:
            m_nCaretLine = 0;
            m_nCaretX = 0;
            m_dwCaretIndex = 0;
            break;
        case VK_LEFT:
            // The index guards too: a caret x measured in another font must
            // not take the index below 0.
            if (m_nCaretX != 0 && m_dwCaretIndex > 0) {
                --m_dwCaretIndex;
                m_nCaretX -= CharWidth(m_pwszBuffer[m_dwCaretIndex]);
                if (m_nCaretX < 0) m_nCaretX = 0;
            }
            break;
        case VK_UP:
            if (m_nCaretLine != 0) --m_nCaretLine;
            break;
        case VK_RIGHT:
            if (m_dwCaretIndex < m_dwTextLength) {
                if (m_pwszBuffer[m_dwCaretIndex] == kCarriageReturn) {
                    m_nCaretX = 0;
                    ++m_nCaretLine;
                } else {
                    m_nCaretX += CharWidth(m_pwszBuffer[m_dwCaretIndex]);
                }
                ++m_dwCaretIndex;
            }
            break;
        case VK_DOWN:
            if ((DWORD)m_nCaretLine < m_dwLastLine) ++m_nCaretLine;
            break;
        case VK_DELETE:
            DeleteChInBufer();
            break;
        }
    }
    PlaceCaret();
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}

int CBitmapEditBox::OnKeyUp(UINT wParam, LPARAM lParam) { return 1; }
int CBitmapEditBox::OnMouseMove(UINT wParam, LPARAM lParam) { return 1; }
int CBitmapEditBox::OnLButtonUp(UINT wParam, LPARAM lParam) { return 1; }

int CBitmapEditBox::OnLButtonDown(UINT wParam, LPARAM lParam) {
    SetFocus(m_hWnd);
    return 1;
}

int CBitmapEditBox::OnSetFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam) {
    CountMaximLine();
    CreateCaret(m_hWnd, (HBITMAP)1, 0, m_nCharHeight);
    PlaceCaret();
    ShowCaret(m_hWnd);
    return 1;
}

int CBitmapEditBox::OnKillFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam) {
    HideCaret(m_hWnd);
    DestroyCaret();
    return 1;
}

// The text without a composition shown in it, in the ANSI code page.
DWORD CBitmapEditBox::GetEditBoxText(char* buffer, int bufferSize) {
    if (!m_pwszBuffer) return 0;
    int shown = m_bShowingComposition;
    RestoreShownComposition();
    int length = lstrlenW(Wide(m_pwszBuffer));
    int written = length ? WideCharToMultiByte(CP_ACP, 0, Wide(m_pwszBuffer), length, buffer, bufferSize, 0, 0) : 0;
    if (shown) ShowComposition();
    return (DWORD)(written > 0 ? written : 0);
}

// -------------------------------------------------------------- painting --

// The frame, then the text in rows of as many characters as fit the client
// width (at least one, so a very wide character still advances).
int CBitmapEditBox::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int drawn = 0;
    RECT window, client;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    if (m_nCurrentID != -1 && GetWindowRect(m_hWnd, &window) && GetClientRect(m_hWnd, &client)) {
        SkinImage frame(dc, reader, m_nCurrentID);
        if (frame.Ready()) {
            Selection selected(frame.Dc(), Font());
            SetBkMode(frame.Dc(), m_nBkMode);
            SetTextColor(frame.Dc(), m_crText);
            int length = m_pwszBuffer ? lstrlenW(Wide(m_pwszBuffer)) : 0;
            int y = client.top;
            for (int i = 0; i < length;) {
                int fit = 0;
                SIZE size = {0, 0};
                GetTextExtentExPointW(frame.Dc(), Wide(m_pwszBuffer + i), length - i, client.right, &fit, 0, &size);
                if (fit < 1) fit = 1;
                // The extent measured is the whole rest's; a row that holds
                // less is measured on its own.
                if (fit < length - i) GetTextExtentPoint32W(frame.Dc(), Wide(m_pwszBuffer + i), fit, &size);
                RECT row = {client.left, y, client.left + size.cx, y + size.cy};
                DrawTextW(frame.Dc(), Wide(m_pwszBuffer + i), fit, &row, m_uFormat);
                i += fit;
                y += size.cy;
            }
            frame.CopyTo(dc, 0, 0, window.right - window.left, window.bottom - window.top, 0, 0);
            drawn = 1;
        }
    }
    EndPaint(m_hWnd, &ps);
    return drawn;
}
