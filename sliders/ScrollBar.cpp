// CBitmapScrollBarButton: a line-stepping scroll bar. Two arrow buttons (child
// windows it makes while it is created) sit at the ends of a tiled track; the
// counter between them is drawn by the bar itself and moves one step per
// line. Every step is reported to the parent.
#include "TessaroSliders.h"
#include "Draw.h"
#include "Messages.h"
#include "Owned.h"
#include "Resources.h"
#include "Scale.h"
#include "Text.h"

static const char kScrollBarClass[] = "BITMAP SCROLL BAR CLASS";
static const int kDecId = 0, kIncId = 1;
static const int kCounterSourceLine = 3;  // the column (row) of the counter frame that is repeated

static int Width(const RECT& r) { return r.right - r.left; }
static int Height(const RECT& r) { return r.bottom - r.top; }

// The size of a control's window; 0 x 0 when there is no control or window.
static SIZE WindowSizeOf(CUIWindow* control) {
    SIZE size = {0, 0};
    RECT rect;
    if (control && control->GetWindowHandle() && GetWindowRect(control->GetWindowHandle(), &rect)) {
        size.cx = Width(rect);
        size.cy = Height(rect);
    }
    return size;
}

static const BITMAPLISTID kNoFrames = {-1, -1, -1, -1, -1};

CBitmapScrollBarButton::CBitmapScrollBarButton() : CBitmapWindow(), m_pDecButton(0), m_pIncButton(0) {
    SetClassName(0, kScrollBarClass);
    InitScrollBar(0, &kNoFrames);
}

CBitmapScrollBarButton::CBitmapScrollBarButton(char* bitmapFile, int regionID, int normalID, int disableID,
                                               int orientation)
    : CBitmapWindow((char*)kScrollBarClass, bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 1),
      m_pDecButton(0), m_pIncButton(0) {
    InitScrollBar(orientation, &kNoFrames);
    MakeArrows(&kNoFrames, &kNoFrames);
}

CBitmapScrollBarButton::CBitmapScrollBarButton(char* className, char* bitmapFile, int regionID, int normalID,
                                               int disableID, int orientation)
    : CBitmapWindow(className ? className : (char*)kScrollBarClass, bitmapFile, regionID, normalID, disableID,
                    ZeroFont(), (char*)"", 0, 1),
      m_pDecButton(0), m_pIncButton(0) {
    InitScrollBar(orientation, &kNoFrames);
    MakeArrows(&kNoFrames, &kNoFrames);
}

CBitmapScrollBarButton::CBitmapScrollBarButton(char* bitmapFile, BITMAPLISTID barIds, BITMAPLISTID decIds,
                                               BITMAPLISTID incIds, BITMAPLISTID counterIds, DWORD crTransparent,
                                               int orientation)
    : CBitmapWindow((char*)kScrollBarClass, bitmapFile, barIds.nRegionID, barIds.nNormalID, barIds.nDisableID,
                    ZeroFont(), (char*)"", 0, 1),
      m_pDecButton(0), m_pIncButton(0) {
    InitScrollBar(orientation, &counterIds);
    MakeArrows(&decIds, &incIds);
    m_crTransparent = crTransparent;
}

CBitmapScrollBarButton::CBitmapScrollBarButton(char* className, char* bitmapFile, BITMAPLISTID barIds,
                                               BITMAPLISTID decIds, BITMAPLISTID incIds, BITMAPLISTID counterIds,
                                               DWORD crTransparent, int orientation)
    : CBitmapWindow(className ? className : (char*)kScrollBarClass, bitmapFile, barIds.nRegionID, barIds.nNormalID,
                    barIds.nDisableID, ZeroFont(), (char*)"", 0, 1),
      m_pDecButton(0), m_pIncButton(0) {
    InitScrollBar(orientation, &counterIds);
    MakeArrows(&decIds, &incIds);
    m_crTransparent = crTransparent;
}

void CBitmapScrollBarButton::InitScrollBar(int orientation, const BITMAPLISTID* counterIds) {
    m_nType = 8;
    SetRectEmpty(&m_rcTrack);
    m_nCounterRegionID = counterIds->nRegionID;
    m_nCounterNormalID = counterIds->nNormalID;
    m_nCounterDisableID = counterIds->nDisableID;
    m_nCounterMouseOverID = counterIds->nMouseOverID;
    m_nCounterPushedID = counterIds->nPushedID;
    m_nCounterCurrentID = m_nCounterNormalID;
    SetRectEmpty(&m_rcCounter);
    m_dwLine = 0;
    m_dwLinesNumber = 0;
    m_nCounterLength = 0;
    m_dwScrollBarLength = 0;
    m_dwLineStep = 0;
    m_dwExtraLength = 0;
    m_nOrientation = orientation;
    m_nLastDragPos = 0;
}

// The arrows are buttons cut from the bar's skin, drawn in its font and text
// colour. When memory runs out an arrow is missing, which every operation
// treats as an arrow without a window.
void CBitmapScrollBarButton::MakeArrows(const BITMAPLISTID* decIds, const BITMAPLISTID* incIds) {
    const BITMAPLISTID* ids[2] = {decIds, incIds};
    CBitmapButton** arrows[2] = {&m_pDecButton, &m_pIncButton};
    for (int i = 0; i < 2; ++i)
        *arrows[i] = MakeOwned<CBitmapButton>((char*)m_szBitmapFile, ids[i]->nRegionID, ids[i]->nNormalID,
                                              ids[i]->nDisableID, ids[i]->nMouseOverID, ids[i]->nPushedID,
                                              m_LogFont, (char*)"", (DWORD)m_crText, (UINT)1);
}

CBitmapScrollBarButton::CBitmapScrollBarButton(const CBitmapScrollBarButton& other)
    : CBitmapWindow(other), m_pDecButton(0), m_pIncButton(0) {
    CopyScrollBarFrom(other);
}

CBitmapScrollBarButton& CBitmapScrollBarButton::operator=(const CBitmapScrollBarButton& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        DeleteArrows();
        CopyScrollBarFrom(other);
    }
    return *this;
}

// The copy owns arrows of its own, copies of the other's without windows.
void CBitmapScrollBarButton::CopyScrollBarFrom(const CBitmapScrollBarButton& other) {
    m_nType = other.m_nType;
    m_rcTrack = other.m_rcTrack;
    m_nCounterRegionID = other.m_nCounterRegionID;
    m_nCounterNormalID = other.m_nCounterNormalID;
    m_nCounterDisableID = other.m_nCounterDisableID;
    m_nCounterMouseOverID = other.m_nCounterMouseOverID;
    m_nCounterPushedID = other.m_nCounterPushedID;
    m_nCounterCurrentID = other.m_nCounterCurrentID;
    m_rcCounter = other.m_rcCounter;
    m_dwLine = other.m_dwLine;
    m_dwLinesNumber = other.m_dwLinesNumber;
    m_nCounterLength = other.m_nCounterLength;
    m_dwScrollBarLength = other.m_dwScrollBarLength;
    m_dwLineStep = other.m_dwLineStep;
    m_dwExtraLength = other.m_dwExtraLength;
    m_nOrientation = other.m_nOrientation;
    m_nLastDragPos = other.m_nLastDragPos;
    m_pDecButton = other.m_pDecButton ? CopyOwned(*other.m_pDecButton) : 0;
    m_pIncButton = other.m_pIncButton ? CopyOwned(*other.m_pIncButton) : 0;
}

void CBitmapScrollBarButton::DeleteArrows() {
    DeleteOwned(m_pDecButton);
    DeleteOwned(m_pIncButton);
    m_pDecButton = m_pIncButton = 0;
}

CBitmapScrollBarButton::~CBitmapScrollBarButton() { DeleteArrows(); }

// ---------------------------------------------------------------- window --

int CBitmapScrollBarButton::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                                   HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                                   HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    // An outline frame that loads gives the size; else the arguments do.
    int frameWidth, frameHeight;
    if (GetBitmapSize(m_szBitmapFile, &frameWidth, &frameHeight, m_nRegionID, -1, -1)) {
        width = frameWidth;
        height = frameHeight;
    }
    if (m_dwScrollBarLength != 0) {
        if (m_nOrientation != 0) width = (int)m_dwScrollBarLength;
        else height = (int)m_dwScrollBarLength;
    }
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    SetButtonPosion(width, height);
    // The far arrow has moved to its end: cut the outline again around it.
    if (m_nOrientation == 1) SetHorizontalRegion();
    else SetVerticalRegion();
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CBitmapScrollBarButton::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CBitmapWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    // Create stores the handle only once the window exists; the arrows need
    // it as their parent now.
    m_hWnd = hwnd;
    CBitmapButton* arrows[2] = {m_pDecButton, m_pIncButton};
    const int ids[2] = {kDecId, kIncId};
    for (int i = 0; i < 2; ++i) {
        // The arrows' outlines are cut by the bar's transparent colour.
        if (arrows[i])
            arrows[i]->Create("", WS_CHILD | WS_VISIBLE, 0, 0, -1, -1, m_hInstance, hwnd, ids[i], m_crTransparent,
                              0, 0, 0, SW_SHOW);
    }
    if (m_nOrientation == 1) SetHorizontalRegion();
    else SetVerticalRegion();
    return 1;
}

int CBitmapScrollBarButton::SetButtonPosion(int width, int height) {
    SIZE arrow = WindowSizeOf(m_pIncButton);
    RECT bar = {0, 0, 0, 0};
    if (m_hWnd) GetWindowRect(m_hWnd, &bar);
    bool horizontal = m_nOrientation == 1;
    int length = horizontal ? width : height;
    if (m_pIncButton && m_pIncButton->GetWindowHandle()) {
        if (horizontal) MoveWindow(m_pIncButton->GetWindowHandle(), width - arrow.cx, 0, arrow.cx, arrow.cy, TRUE);
        else MoveWindow(m_pIncButton->GetWindowHandle(), 0, height - arrow.cy, arrow.cx, arrow.cy, TRUE);
    }
    if (length >= 0 && (DWORD)length < m_dwScrollBarLength) m_dwScrollBarLength = (DWORD)length;
    if (length >= 0 && (DWORD)length < m_dwExtraLength) m_dwExtraLength = (DWORD)(length / 2);
    if (horizontal) SetRect(&m_rcTrack, arrow.cx, 0, Width(bar) - arrow.cx, arrow.cy);
    else SetRect(&m_rcTrack, 0, arrow.cy, arrow.cx, Height(bar) - arrow.cy);
    return 1;
}

int CBitmapScrollBarButton::SetHorizontalRegion() { return CutArrows(); }
int CBitmapScrollBarButton::SetVerticalRegion() { return CutArrows(); }

// The bar's rectangle less what each arrow's outline cuts away, at the
// arrow's own place: where an arrow is opaque the bar keeps its region (a
// parent's region clips its children), where the arrow is cut the bar is too.
int CBitmapScrollBarButton::CutArrows() {
    RECT bar;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &bar)) return 0;
    GdiOwner<HRGN> region(CreateRectRgn(0, 0, Width(bar), Height(bar)));
    if (!region.Get()) return 0;
    CBitmapButton* arrows[2] = {m_pDecButton, m_pIncButton};
    for (int i = 0; i < 2; ++i) {
        HWND arrow = arrows[i] ? arrows[i]->GetWindowHandle() : 0;
        RECT place;
        GdiOwner<HRGN> kept(CreateRectRgn(0, 0, 0, 0));
        if (!arrow || !kept.Get() || GetWindowRgn(arrow, kept.Get()) == ERROR || !GetWindowRect(arrow, &place))
            continue;  // an arrow without an outline cuts nothing
        GdiOwner<HRGN> cut(CreateRectRgn(0, 0, Width(place), Height(place)));
        if (!cut.Get() || CombineRgn(cut.Get(), cut.Get(), kept.Get(), RGN_DIFF) == ERROR) continue;
        OffsetRgn(cut.Get(), place.left - bar.left, place.top - bar.top);
        CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
    }
    if (::SetWindowRgn(m_hWnd, region.Get(), TRUE)) region.Release();  // the window owns it now
    return 1;
}

// ---------------------------------------------------------------- counter --

int CBitmapScrollBarButton::SetLinesNumber(DWORD lines) {
    m_dwLinesNumber = lines;
    if (!m_pDecButton || !m_pIncButton || !m_pDecButton->GetWindowHandle() || !m_pIncButton->GetWindowHandle())
        return 0;
    long long span = m_nOrientation != 0 ? Width(m_rcTrack) : Height(m_rcTrack);
    if (lines == 0) {
        m_nCounterLength = (int)span;
    } else {
        long long length = span - (long long)m_dwLineStep * lines;
        m_nCounterLength = length > 0 ? (int)length : 0;
    }
    Repaint();
    return 1;
}

void CBitmapScrollBarButton::SetScrollBarLength(DWORD length, DWORD lineStep, DWORD extra) {
    m_dwScrollBarLength = length;
    m_dwLineStep = lineStep ? lineStep : 1;
    m_dwExtraLength = extra;
}

// The trace line and the report of the line, with a repaint; a bar without
// a parent does none of them.
void CBitmapScrollBarButton::Report() {
    if (!ReportWindowOf(m_hWnd)) return;
    char trace[80];
    if (m_nOrientation == 1)
        wsprintfA(trace, "up(%d) ScrollButtonRect.top(%d)\n", (int)m_dwLine, (int)m_rcCounter.left);
    else
        wsprintfA(trace, "up(%d) currentButtonRect.top(%d)\n", (int)m_dwLine, (int)m_rcCounter.top);
    OutputDebugStringA(trace);
    PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, (LPARAM)m_dwLine);
    Repaint();
}

int CBitmapScrollBarButton::Increas() {
    bool horizontal = m_nOrientation == 1;
    LONG* start = horizontal ? &m_rcCounter.left : &m_rcCounter.top;
    LONG length = horizontal ? m_rcCounter.right : m_rcCounter.bottom;  // the width or height
    LONG trackStart = horizontal ? m_rcTrack.left : m_rcTrack.top;
    LONG trackEnd = horizontal ? m_rcTrack.right : m_rcTrack.bottom;
    if (m_nCounterLength != 0) {
        if (trackStart <= *start && *start + length < trackEnd) {
            ++m_dwLine;
            *start += (LONG)m_dwLineStep;
        }
    } else {
        m_dwLine = m_dwLine < m_dwLinesNumber ? m_dwLine + 1 : m_dwLinesNumber;
    }
    Report();
    return 1;
}

int CBitmapScrollBarButton::Decreas() {
    bool horizontal = m_nOrientation == 1;
    LONG* start = horizontal ? &m_rcCounter.left : &m_rcCounter.top;
    LONG length = horizontal ? m_rcCounter.right : m_rcCounter.bottom;
    LONG trackStart = horizontal ? m_rcTrack.left : m_rcTrack.top;
    LONG trackEnd = horizontal ? m_rcTrack.right : m_rcTrack.bottom;
    if (m_nCounterLength != 0) {
        if (*start > trackStart && *start + length <= trackEnd) {
            if (m_dwLine > 0) --m_dwLine;  // never wraps round below line 0
            *start -= (LONG)m_dwLineStep;
        }
    } else if (m_dwLine > 0) {
        --m_dwLine;
    }
    Report();
    return 1;
}

// ---------------------------------------------------------------- painting --

int CBitmapScrollBarButton::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int drawn = m_nOrientation == 1 ? DrawHorizontalBar(dc) : DrawVerticalBar(dc);
    if (drawn) drawn = DrawCunterButton(dc);
    EndPaint(m_hWnd, &ps);
    return drawn ? 1 : 0;
}

int CBitmapScrollBarButton::DrawHorizontalBar(HDC hdc) { return DrawTrack(hdc, true); }

int CBitmapScrollBarButton::DrawVerticalBar(HDC hdc) {
    if (IsDisabled()) m_nCounterCurrentID = m_nCounterDisableID;
    return DrawTrack(hdc, false);
}

// The arrows follow the bar's state; the track tile runs between them,
// tiled from the window's start.
int CBitmapScrollBarButton::DrawTrack(HDC hdc, bool horizontal) {
    CBitmapButton* arrows[2] = {m_pDecButton, m_pIncButton};
    for (int i = 0; i < 2; ++i)
        if (arrows[i]) arrows[i]->Enable(IsDisabled() ? 0 : 1);
    RECT bar;
    if (!GetWindowRect(m_hWnd, &bar)) return 1;
    SIZE dec = WindowSizeOf(m_pDecButton), inc = WindowSizeOf(m_pIncButton);
    int from = horizontal ? dec.cx : dec.cy;
    int to = horizontal ? Width(bar) - inc.cx : Height(bar) - inc.cy;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    SkinImage tile(hdc, reader, m_nCurrentID);
    tile.TileTo(hdc, from, to, 0, horizontal);
    return 1;
}

// The counter is one column (row) of its frame repeated along the axis.
int CBitmapScrollBarButton::DrawCunterButton(HDC hdc) {
    if (IsDisabled()) m_nCounterCurrentID = m_nCounterDisableID;
    else if (m_nCounterCurrentID == m_nCounterDisableID) m_nCounterCurrentID = m_nCounterNormalID;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    SkinImage frame(hdc, reader, m_nCounterCurrentID);
    if (!frame.Ready() || m_nCounterLength == 0) return 1;
    SIZE arrow = WindowSizeOf(m_pIncButton);
    int oldMode = SetStretchBltMode(hdc, COLORONCOLOR);
    if (m_nOrientation != 0) {
        if (m_rcCounter.left == 0) m_rcCounter.left = arrow.cx;
        m_rcCounter.right = m_nCounterLength;  // width
        m_rcCounter.bottom = arrow.cy;         // height
        frame.StretchTo(hdc, m_rcCounter.left, m_rcCounter.top, m_nCounterLength, arrow.cy, kCounterSourceLine, 0, 1,
                        arrow.cy);
    } else {
        if (m_rcCounter.top == 0) m_rcCounter.top = arrow.cy;
        m_rcCounter.left = 0;
        m_rcCounter.right = arrow.cx;
        m_rcCounter.bottom = m_nCounterLength;
        frame.StretchTo(hdc, 0, m_rcCounter.top, arrow.cx, m_nCounterLength, 0, kCounterSourceLine, arrow.cx, 1);
    }
    SetStretchBltMode(hdc, oldMode);
    return 1;
}

// ------------------------------------------------------------------ input --

int CBitmapScrollBarButton::OnCommand(UINT wParam, LPARAM lParam) {
    if (wParam == (UINT)kDecId) Decreas();
    else if (wParam == (UINT)kIncId) Increas();
    Repaint();
    return 0;
}

int CBitmapScrollBarButton::InCounter(int x, int y) const {
    return x >= m_rcCounter.left && x < m_rcCounter.left + m_rcCounter.right && y >= m_rcCounter.top &&
           y < m_rcCounter.top + m_rcCounter.bottom;
}

int CBitmapScrollBarButton::OnLButtonDown(UINT wParam, LPARAM lParam) {
    if (IsDisabled()) return 0;
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    bool horizontal = m_nOrientation != 0;
    if (InCounter(x, y)) {
        SetCapture(m_hWnd);
        // A drag starts from here, not from where the last one ended.
        m_nLastDragPos = horizontal ? x : y;
        return 0;
    }
    // A click on the track steps once per pixel toward (and past) the click.
    int at = horizontal ? x : y;
    int start = horizontal ? m_rcCounter.left : m_rcCounter.top;
    int end = start + (horizontal ? m_rcCounter.right : m_rcCounter.bottom);
    if (at > end) {
        int steps = at - m_nCounterLength - start;
        for (int i = 0; i < (steps > 1 ? steps : 1); ++i) Increas();
    } else if (at < end) {
        int steps = start - at;
        for (int i = 0; i < (steps > 1 ? steps : 1); ++i) Decreas();
    }
    Repaint();
    return 1;
}

int CBitmapScrollBarButton::OnMouseMove(UINT wParam, LPARAM lParam) {
    if (IsDisabled()) return 0;
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    if (InCounter(x, y)) {
        m_nCounterCurrentID = m_nCounterMouseOverID;
        if (wParam == MK_LBUTTON) {
            int at = m_nOrientation != 0 ? x : y;
            if (at < m_nLastDragPos) Decreas();
            else if (at > m_nLastDragPos) Increas();
            m_nLastDragPos = at;
        }
    } else {
        m_nCounterCurrentID = m_nCounterNormalID;
    }
    Repaint();
    return 1;
}

// The capture goes back first: a bar disabled during a drag must not keep it.
int CBitmapScrollBarButton::OnLButtonUp(UINT wParam, LPARAM lParam) {
    ReleaseCapture();
    if (IsDisabled()) return 0;
    return 1;
}

// ------------------------------------------------------------------ notify --

int CBitmapScrollBarButton::HorizontalSliderBarNotifyMoving(RECT* current, RECT* proposed) {
    return NotifyMovingAlong(true, current, proposed);
}

int CBitmapScrollBarButton::VerticalSliderBarNotifyMoving(RECT* current, RECT* proposed) {
    return NotifyMovingAlong(false, current, proposed);
}

// The centre of a thumb rectangle as a share of the free travel, scaled by
// the bar's length; 0 without free travel.
int CBitmapScrollBarButton::NotifyMovingAlong(bool horizontal, RECT* current, RECT* proposed) {
    RECT bar;
    if (!current || !proposed || !m_hWnd || !GetWindowRect(m_hWnd, &bar)) return 0;
    int length = horizontal ? Width(bar) : Height(bar);
    int thumb = KeepThumbOnBar(horizontal, *current, proposed, length);
    LONG start = horizontal ? proposed->left : proposed->top;
    DWORD value = 0;
    if (length - thumb > 0) {
        double scaled = ((double)(start + thumb / 2) / (double)(length - thumb)) * (double)m_dwScrollBarLength;
        value = scaled <= 0 ? 0 : scaled >= 4294967295.0 ? 0xFFFFFFFFu : (DWORD)scaled;
    }
    return PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, (LPARAM)value);
}
