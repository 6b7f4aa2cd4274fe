// CBitmapButton: a push button drawn from five frames (outline, normal,
// disabled, mouse-over, pressed). A click with the mouse released inside the
// outline, or the space key, posts WM_COMMAND(id, 0) to the parent.
#include "TessaroControls.h"
#include "Resources.h"

static const char kBitmapButtonClass[] = "BITMAP BUTTON CLASS";

CBitmapButton::CBitmapButton(char* bitmapFile, int regionID, int normalID, int disableID, int mouseOverID,
                             int pushedID, LOGFONTA font, char* text, DWORD textColor, UINT format)
    : CBitmapWindow((char*)kBitmapButtonClass, bitmapFile, regionID, normalID, disableID, font, text, textColor,
                    format),
      m_nMouseOverID(mouseOverID), m_nPushedID(pushedID) {
    m_nType = 4;
}

CBitmapButton::CBitmapButton(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                             int mouseOverID, int pushedID, LOGFONTA font, char* text, DWORD textColor,
                             UINT format)
    : CBitmapWindow(className ? className : (char*)kBitmapButtonClass, bitmapFile, regionID, normalID, disableID,
                    font, text, textColor, format),
      m_nMouseOverID(mouseOverID), m_nPushedID(pushedID) {
    m_nType = 4;
}

CBitmapButton::CBitmapButton(const CBitmapButton& other)
    : CBitmapWindow(other), m_nMouseOverID(other.m_nMouseOverID), m_nPushedID(other.m_nPushedID) {}

CBitmapButton& CBitmapButton::operator=(const CBitmapButton& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        m_nMouseOverID = other.m_nMouseOverID;
        m_nPushedID = other.m_nPushedID;
    }
    return *this;
}

CBitmapButton::~CBitmapButton() {}

// Whether a client point lies on the button: inside its outline region when
// it has one, else inside its rectangle (whether or not the button holds the
// capture). 1 inside, 0 outside, -1 when the window's size cannot be read.
int CBitmapButton::PointInside(LPARAM lParam) {
    POINT point = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    GdiOwner<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (region.Get() && GetWindowRgn(m_hWnd, region.Get()) != ERROR)
        return PtInRegion(region.Get(), point.x, point.y) ? 1 : 0;
    RECT rect;
    if (!GetWindowRect(m_hWnd, &rect)) return -1;
    RECT local = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    return PtInRect(&local, point) ? 1 : 0;
}

int CBitmapButton::OnLButtonDown(UINT wParam, LPARAM lParam) {
    if (IsDisabled()) return 0;
    SetCapture(m_hWnd);
    ShowFrame(m_nPushedID);
    return 1;
}

int CBitmapButton::OnMouseMove(UINT wParam, LPARAM lParam) {
    TrackMouse();
    if (IsDisabled()) return 0;
    if (wParam & MK_LBUTTON) {
        int inside = PointInside(lParam);
        if (inside < 0) return 0;
        ShowFrame(inside ? m_nPushedID : m_nNormalID);
    } else {
        ShowFrame(m_nMouseOverID);
    }
    return 1;
}

int CBitmapButton::OnLButtonUp(UINT wParam, LPARAM lParam) {
    if (GetCapture() != m_hWnd) return 0;
    // The capture is given back on every path, a disabled button included:
    // otherwise a button disabled while pressed would keep the mouse.
    if (IsDisabled() || !TrackMouse()) {
        ReleaseCapture();
        return 0;
    }
    int inside = PointInside(lParam);
    if (inside > 0) {
        ShowFrame(m_nMouseOverID);
        PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, 0);
    }
    ReleaseCapture();
    return inside < 0 ? 0 : 1;
}

int CBitmapButton::OnKeyDown(UINT wParam, LPARAM lParam) {
    if (wParam == VK_TAB) {
        // The host moves the focus.
        PostToParent(WM_KEYDOWN, VK_TAB, lParam);
    } else if (wParam == VK_SPACE && !IsDisabled()) {
        // Reported on the key going down, so every auto-repeat clicks again.
        SetCapture(m_hWnd);
        ShowFrame(m_nPushedID);
        PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, 0);
    }
    return 1;
}

int CBitmapButton::OnKeyUp(UINT wParam, LPARAM lParam) {
    if (wParam == VK_SPACE && GetCapture() == m_hWnd) {
        if (!IsDisabled()) ShowFrame(m_nNormalID);
        ReleaseCapture();
    }
    return 1;
}
