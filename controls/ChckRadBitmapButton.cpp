// CChckRadBitmapButton: a two-state toggle (normal and selected) serving as
// a check box, or as a radio button when the host un-selects the other
// members of its group. The state is the current frame: selected means the
// selected frame (m_nMouseOverID) is shown.
#include "TessaroControls.h"

static const char kToggleClass[] = "CHcRa BITMAP BUTTON CLASS";

CChckRadBitmapButton::CChckRadBitmapButton(char* bitmapFile, int regionID, int normalID, int disableID,
                                           int selectedID, int pushedID, LOGFONTA font, char* text,
                                           DWORD textColor, UINT format)
    : CBitmapWindow((char*)kToggleClass, bitmapFile, regionID, normalID, disableID, font, text, textColor, format),
      m_nMouseOverID(selectedID), m_nPushedID(pushedID) {
    m_nType = 5;
}

CChckRadBitmapButton::CChckRadBitmapButton(char* className, char* bitmapFile, int regionID, int normalID,
                                           int disableID, int selectedID, int pushedID, LOGFONTA font,
                                           char* text, DWORD textColor, UINT format)
    : CBitmapWindow(className ? className : (char*)kToggleClass, bitmapFile, regionID, normalID, disableID, font,
                    text, textColor, format),
      m_nMouseOverID(selectedID), m_nPushedID(pushedID) {
    m_nType = 5;
}

CChckRadBitmapButton::CChckRadBitmapButton(const CChckRadBitmapButton& other)
    : CBitmapWindow(other), m_nMouseOverID(other.m_nMouseOverID), m_nPushedID(other.m_nPushedID) {}

CChckRadBitmapButton& CChckRadBitmapButton::operator=(const CChckRadBitmapButton& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        m_nMouseOverID = other.m_nMouseOverID;
        m_nPushedID = other.m_nPushedID;
    }
    return *this;
}

CChckRadBitmapButton::~CChckRadBitmapButton() {}

int CChckRadBitmapButton::OnLButtonDown(UINT wParam, LPARAM lParam) {
    if (IsDisabled()) return 0;
    ShowFrame(m_nCurrentID != m_nMouseOverID ? m_nMouseOverID : m_nNormalID);
    return 1;
}

// Every release is reported, whatever the state and wherever the press was
// (a disabled toggle included): the host reads the WM_COMMAND as "the user
// touched this member" and keeps the group's selection itself.
int CChckRadBitmapButton::OnLButtonUp(UINT wParam, LPARAM lParam) {
    PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, 0);
    return 0;
}

// No mouse-over look and no leave tracking.
int CChckRadBitmapButton::OnMouseMove(UINT wParam, LPARAM lParam) { return 1; }

int CChckRadBitmapButton::SetUnSelectButton() {
    if (IsDisabled()) return 0;
    ShowFrame(m_nNormalID);
    return 1;
}
