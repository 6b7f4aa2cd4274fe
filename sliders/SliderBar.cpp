// CBitmapSliderBar: the track of a slider, drawn from a start corner, a tiled
// middle piece and an end corner, its outline cut at both ends. A dragged
// thumb (its first child window) or the click point gives a position that is
// posted to the parent.
#include "TessaroSliders.h"
#include "Draw.h"
#include "Outline.h"
#include "Resources.h"
#include "Scale.h"
#include "Text.h"

static const char kSliderBarClass[] = "BITMAP SLIDER BAR CLASS";
static const int kNoFrame = -1;
static const DWORD kShortestSlide = 100;

static int Width(const RECT& r) { return r.right - r.left; }
static int Height(const RECT& r) { return r.bottom - r.top; }

// A frame field that names an image: 0 and -1 mean none.
static bool Names(int frame) { return frame != 0 && frame != kNoFrame; }

CBitmapSliderBar::CBitmapSliderBar() : CBitmapWindow((char*)kSliderBarClass, 0, 0, 0, 0, ZeroFont(), (char*)"", 0, 1) {
    InitSliderBar(1, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame);
}

CBitmapSliderBar::CBitmapSliderBar(char* bitmapFile, int regionID, int normalID, int disableID, int orientation)
    : CBitmapWindow((char*)kSliderBarClass, bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 1) {
    InitSliderBar(orientation, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame);
}

CBitmapSliderBar::CBitmapSliderBar(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                                   int orientation)
    : CBitmapWindow(className ? className : (char*)kSliderBarClass, bitmapFile, regionID, normalID, disableID,
                    ZeroFont(), (char*)"", 0, 1) {
    InitSliderBar(orientation, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame, kNoFrame);
}

CBitmapSliderBar::CBitmapSliderBar(char* bitmapFile, int normalID, int disableID, int startRegionID,
                                   int startNormalID, int startDisableID, int endRegionID, int endNormalID,
                                   int endDisableID, DWORD crTransparent, int orientation)
    : CBitmapWindow((char*)kSliderBarClass, bitmapFile, kNoFrame, normalID, disableID, ZeroFont(), (char*)"", 0, 1) {
    InitSliderBar(orientation, startRegionID, startNormalID, startDisableID, endRegionID, endNormalID,
                  endDisableID);
    // The end cuts made while the window is created need the colour already.
    m_crTransparent = crTransparent;
}

CBitmapSliderBar::CBitmapSliderBar(char* className, char* bitmapFile, int normalID, int disableID,
                                   int startRegionID, int startNormalID, int startDisableID, int endRegionID,
                                   int endNormalID, int endDisableID, DWORD crTransparent, int orientation)
    : CBitmapWindow(className ? className : (char*)kSliderBarClass, bitmapFile, kNoFrame, normalID, disableID,
                    ZeroFont(), (char*)"", 0, 1) {
    InitSliderBar(orientation, startRegionID, startNormalID, startDisableID, endRegionID, endNormalID,
                  endDisableID);
    m_crTransparent = crTransparent;
}

void CBitmapSliderBar::InitSliderBar(int orientation, int startRegionID, int startNormalID, int startDisableID,
                                     int endRegionID, int endNormalID, int endDisableID) {
    m_nType = 7;
    m_nOrientation = orientation;
    m_nStartRegionID = startRegionID;
    m_nStartNormalID = startNormalID;
    m_nStartDisableID = startDisableID;
    m_nEndRegionID = endRegionID;
    m_nEndNormalID = endNormalID;
    m_nEndDisableID = endDisableID;
    m_dwSlideLength = kShortestSlide;
    m_bCaptured = 0;
    m_dwPosition = 0;
    m_dwPrgPosition = 0;
}

CBitmapSliderBar::CBitmapSliderBar(const CBitmapSliderBar& other) : CBitmapWindow(other) {
    CopySliderBarFrom(other);
}

CBitmapSliderBar& CBitmapSliderBar::operator=(const CBitmapSliderBar& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopySliderBarFrom(other);
    }
    return *this;
}

// The copy has no window, so it holds no capture either.
void CBitmapSliderBar::CopySliderBarFrom(const CBitmapSliderBar& other) {
    InitSliderBar(other.m_nOrientation, other.m_nStartRegionID, other.m_nStartNormalID, other.m_nStartDisableID,
                  other.m_nEndRegionID, other.m_nEndNormalID, other.m_nEndDisableID);
    m_nType = other.m_nType;
    m_dwSlideLength = other.m_dwSlideLength;
    m_dwPosition = other.m_dwPosition;
    m_dwPrgPosition = other.m_dwPrgPosition;
}

CBitmapSliderBar::~CBitmapSliderBar() {}

// ---------------------------------------------------------------- window --

int CBitmapSliderBar::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                             HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                             HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    // An outline frame that loads gives the size; else the arguments do.
    int frameWidth, frameHeight;
    if (GetBitmapSize(m_szBitmapFile, &frameWidth, &frameHeight, m_nRegionID, -1, -1)) {
        width = frameWidth;
        height = frameHeight;
    }
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CBitmapSliderBar::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CBitmapWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    // The handle is stored by Create only once the window exists; the end
    // cuts need it now.
    m_hWnd = hwnd;
    if (m_nOrientation == 1) SetHorizontalRegion();
    else SetVerticalRegion();
    return 1;
}

int CBitmapSliderBar::SetHorizontalRegion() { return CutEnds(true); }
int CBitmapSliderBar::SetVerticalRegion() { return CutEnds(false); }

// The window's rectangle less the transparent pixels of the start region
// frame at the start and of the end region frame flush with the end.
int CBitmapSliderBar::CutEnds(bool horizontal) {
    RECT rect;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &rect)) return 0;
    GdiOwner<HRGN> region(CreateRectRgn(0, 0, Width(rect), Height(rect)));
    if (!region.Get()) return 0;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    WindowDCOwner windowDC(m_hWnd, true);
    if (m_nStartRegionID != 0) {
        ImageOwner start(windowDC.Get(), reader, m_nStartRegionID);
        CutTransparentPixels(region.Get(), windowDC.Get(), start.Get(), 0, 0, m_crTransparent);
    }
    if (m_nEndRegionID != 0) {
        ImageOwner end(windowDC.Get(), reader, m_nEndRegionID);
        int width, height;
        if (MeasureBitmap(end.Get(), &width, &height)) {
            int x = horizontal ? Width(rect) - width : 0;
            int y = horizontal ? 0 : Height(rect) - height;
            CutTransparentPixels(region.Get(), windowDC.Get(), end.Get(), x, y, m_crTransparent);
        }
    }
    if (::SetWindowRgn(m_hWnd, region.Get(), TRUE)) region.Release();  // the window owns it now
    return 1;
}

HWND CBitmapSliderBar::Thumb() const { return m_hWnd ? GetWindow(m_hWnd, GW_CHILD) : 0; }

// -------------------------------------------------------------- painting --

int CBitmapSliderBar::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int drawn;
    if (m_nOrientation == 1) drawn = DrawLeftCorner(dc) && DrawHorizontalBar(dc) && DrawRightCorner(dc);
    else drawn = DrawTopCorner(dc) && DrawVerticalBar(dc) && DrawBottomCorner(dc);
    EndPaint(m_hWnd, &ps);
    return drawn ? 1 : 0;
}

// A disabled bar draws a corner's disabled frame where it has one.
int CBitmapSliderBar::StartPiece() const {
    return IsDisabled() && m_nStartDisableID != 0 ? m_nStartDisableID : m_nStartNormalID;
}

int CBitmapSliderBar::EndPiece() const {
    return IsDisabled() && m_nEndDisableID != 0 ? m_nEndDisableID : m_nEndNormalID;
}

int CBitmapSliderBar::DrawStartPiece(HDC hdc) {
    if (!Names(StartPiece())) return 1;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    DrawImageAt(hdc, reader, StartPiece(), 0, 0);
    return 1;
}

int CBitmapSliderBar::DrawEndPiece(HDC hdc, bool horizontal) {
    RECT rect;
    if (!Names(EndPiece()) || !GetWindowRect(m_hWnd, &rect)) return 1;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    SkinImage end(hdc, reader, EndPiece());
    if (horizontal) end.CopyTo(hdc, Width(rect) - end.Width(), 0, end.Width(), end.Height(), 0, 0);
    else end.CopyTo(hdc, 0, Height(rect) - end.Height(), end.Width(), end.Height(), 0, 0);
    return 1;
}

// The middle piece runs from the end of the start piece to the start of the
// end piece, tiled from the window's own start so that its pattern does not
// shift with the corners.
int CBitmapSliderBar::DrawMiddle(HDC hdc, bool horizontal) {
    RECT rect;
    if (!GetWindowRect(m_hWnd, &rect)) return 1;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    int length = horizontal ? Width(rect) : Height(rect);
    int from = ImageLength(hdc, reader, StartPiece(), horizontal);
    int to = length - ImageLength(hdc, reader, EndPiece(), horizontal);
    SkinImage middle(hdc, reader, m_nCurrentID);
    middle.TileTo(hdc, from, to, 0, horizontal);
    return 1;
}

int CBitmapSliderBar::DrawLeftCorner(HDC hdc) { return DrawStartPiece(hdc); }
int CBitmapSliderBar::DrawTopCorner(HDC hdc) { return DrawStartPiece(hdc); }
int CBitmapSliderBar::DrawRightCorner(HDC hdc) { return DrawEndPiece(hdc, true); }
int CBitmapSliderBar::DrawBottomCorner(HDC hdc) { return DrawEndPiece(hdc, false); }
int CBitmapSliderBar::DrawHorizontalBar(HDC hdc) { return DrawMiddle(hdc, true); }
int CBitmapSliderBar::DrawVerticalBar(HDC hdc) { return DrawMiddle(hdc, false); }

// -------------------------------------------------------------- position --

int CBitmapSliderBar::NotifyMoving(RECT* current, RECT* proposed) {
    int reported = m_nOrientation != 0 ? HorizontalSliderBarNotifyMoving(current, proposed)
                                       : VerticalSliderBarNotifyMoving(current, proposed);
    return reported ? 1 : 0;
}

int CBitmapSliderBar::HorizontalSliderBarNotifyMoving(RECT* current, RECT* proposed) {
    return NotifyMovingAlong(true, current, proposed);
}

int CBitmapSliderBar::VerticalSliderBarNotifyMoving(RECT* current, RECT* proposed) {
    return NotifyMovingAlong(false, current, proposed);
}

// Keeps the thumb on its line and inside the bar, then reports where it stands.
int CBitmapSliderBar::NotifyMovingAlong(bool horizontal, RECT* current, RECT* proposed) {
    RECT bar;
    if (!current || !proposed || !GetWindowRect(m_hWnd, &bar)) return 0;
    int length = horizontal ? Width(bar) : Height(bar);
    int thumb = KeepThumbOnBar(horizontal, *current, proposed, length);
    m_dwPosition = PositionAlong(horizontal ? proposed->left : proposed->top, length - thumb, m_dwSlideLength);
    return PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, (LPARAM)m_dwPosition);
}

void CBitmapSliderBar::SetSlideLength(DWORD length) {
    m_dwSlideLength = length < kShortestSlide ? kShortestSlide : length;
}

// ----------------------------------------------------------------- mouse --

// A bar without a thumb reports the point itself, as a thumb one pixel long.
int CBitmapSliderBar::ReportPoint(LPARAM lParam) {
    RECT bar;
    if (!GetWindowRect(m_hWnd, &bar)) return 0;
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    bool horizontal = m_nOrientation != 0;
    RECT current = {0, 0, horizontal ? 1 : Width(bar), horizontal ? Height(bar) : 1};
    RECT proposed = horizontal ? RECT{x, 0, x + 1, Height(bar)} : RECT{0, y, Width(bar), y + 1};
    return NotifyMoving(&current, &proposed);
}

int CBitmapSliderBar::OnLButtonDown(UINT wParam, LPARAM lParam) {
    HWND thumb = Thumb();
    if (!thumb) {
        SetCapture(m_hWnd);
        m_bCaptured = 1;
        ReportPoint(lParam);
        return 1;
    }
    // The thumb jumps under the pointer and is pressed at its centre, so the
    // drag goes on from there.
    RECT bar, own;
    GetWindowRect(m_hWnd, &bar);
    GetWindowRect(thumb, &own);
    int halfWidth = Width(own) / 2, halfHeight = Height(own) / 2;
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    if (m_nOrientation != 0)
        MoveWindow(thumb, x - halfWidth, own.top - bar.top, Width(own), Height(own), TRUE);
    else
        MoveWindow(thumb, own.left - bar.left, y - halfHeight, Width(own), Height(own), TRUE);
    PostMessageA(thumb, WM_LBUTTONDOWN, wParam, MAKELPARAM(halfWidth, halfHeight));
    return 1;
}

int CBitmapSliderBar::OnMouseMove(UINT wParam, LPARAM lParam) {
    if (Thumb()) return 1;
    if (!m_bCaptured) return 0;
    ReportPoint(lParam);
    return 1;
}

int CBitmapSliderBar::OnLButtonUp(UINT wParam, LPARAM lParam) {
    if (Thumb()) return 1;
    ReleaseCapture();
    if (!m_bCaptured) return 0;
    m_bCaptured = 0;
    ReportPoint(lParam);
    return 1;
}
