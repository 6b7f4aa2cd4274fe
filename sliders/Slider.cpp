// CBitmapSlider: the thumb of a slider bar. Dragging it hands the rectangle
// it would move to to its bar, which clamps it and reports a position; the
// thumb itself stays where it is until the host (or the bar) places it.
#include "TessaroSliders.h"
#include "Text.h"

static const char kSliderClass[] = "BITMAP SLIDER CLASS";
static const int kSliderBarType = 7;

CBitmapSlider::CBitmapSlider(char* bitmapFile, int regionID, int normalID, int disableID, int mouseOverID,
                             int pushedID)
    : CBitmapButton((char*)kSliderClass, bitmapFile, regionID, normalID, disableID, mouseOverID, pushedID,
                    ZeroFont(), (char*)"", 0, 1),
      m_nAnchorX(0), m_nAnchorY(0), m_bSliding(0) {
    m_nType = 6;
}

CBitmapSlider::CBitmapSlider(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                             int mouseOverID, int pushedID)
    : CBitmapButton(className ? className : (char*)kSliderClass, bitmapFile, regionID, normalID, disableID,
                    mouseOverID, pushedID, ZeroFont(), (char*)"", 0, 1),
      m_nAnchorX(0), m_nAnchorY(0), m_bSliding(0) {
    m_nType = 6;
}

// A copy has no window, so no drag is under way in it.
CBitmapSlider::CBitmapSlider(const CBitmapSlider& other)
    : CBitmapButton(other), m_nAnchorX(0), m_nAnchorY(0), m_bSliding(0) {}

CBitmapSlider& CBitmapSlider::operator=(const CBitmapSlider& other) {
    if (this != &other) CBitmapButton::operator=(other);
    return *this;
}

CBitmapSlider::~CBitmapSlider() {}

int CBitmapSlider::OnLButtonDown(UINT wParam, LPARAM lParam) {
    SetCapture(m_hWnd);
    m_nAnchorX = (short)LOWORD(lParam);
    m_nAnchorY = (short)HIWORD(lParam);
    m_bSliding = 1;
    return 1;
}

int CBitmapSlider::OnMouseMove(UINT wParam, LPARAM lParam) {
    int sliding = m_bSliding;
    if (sliding) {
        // Where the thumb would go, in its parent's coordinates: moved by
        // the pointer's distance from the point where it was pressed.
        RECT own, parent;
        GetWindowRect(m_hWnd, &own);
        GetWindowRect(GetParent(m_hWnd), &parent);
        RECT proposed;
        proposed.left = own.left - parent.left + ((short)LOWORD(lParam) - m_nAnchorX);
        proposed.right = proposed.left + (own.right - own.left);
        proposed.top = own.top - parent.top + ((short)HIWORD(lParam) - m_nAnchorY);
        proposed.bottom = proposed.top + (own.bottom - own.top);
        SendMessageA(m_hWnd, WM_MOVING, 0, (LPARAM)&proposed);
    }
    CBitmapButton::OnMouseMove(wParam, lParam);
    return sliding ? 1 : 0;
}

int CBitmapSlider::OnLButtonUp(UINT wParam, LPARAM lParam) {
    ReleaseCapture();
    m_nAnchorX = 0;
    m_nAnchorY = 0;
    m_bSliding = 0;
    return 1;
}

// Only a slider bar of this library knows what to do with a thumb's move;
// under any other window the drag reports nothing.
int CBitmapSlider::OnMoving(UINT wParam, LPARAM lParam) {
    RECT* proposed = (RECT*)lParam;
    HWND parentWindow = GetParent(m_hWnd);
    CUIWindow* parent = CUIWindow::GetThis(parentWindow);
    if (!proposed || !parent || parent->GetType() != kSliderBarType) return 0;
    RECT own, parentRect;
    if (!GetWindowRect(m_hWnd, &own) || !GetWindowRect(parentWindow, &parentRect)) return 0;
    RECT current = {own.left - parentRect.left, own.top - parentRect.top, 0, 0};
    current.right = current.left + (own.right - own.left);
    current.bottom = current.top + (own.bottom - own.top);
    return static_cast<CBitmapSliderBar*>(parent)->NotifyMoving(&current, proposed) ? 1 : 0;
}
