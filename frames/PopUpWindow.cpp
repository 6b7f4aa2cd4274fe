// CPopUpWindow: a bitmap window used as a free-standing panel. Movable as a
// whole (the system's move loop takes it from any point of its outline), it
// reports each step of a move to its owner; it finds controls inside itself
// by ID and forwards registered messages to a notify window.
#include "TessaroFrames.h"
#include "NotifyRegistry.h"
#include "Text.h"

namespace {
// One search for a descendant by control ID, carried through the walk.
struct ChildSearch {
    int id;
    HWND found;
};

// EnumChildWindows already visits every descendant: stop at the first match.
BOOL CALLBACK MatchChildId(HWND window, LPARAM search) {
    ChildSearch* s = (ChildSearch*)search;
    if ((int)GetWindowLongPtrA(window, GWLP_ID) != s->id) return TRUE;
    s->found = window;
    return FALSE;
}
}  // namespace


CPopUpWindow::CPopUpWindow(int) : CBitmapWindow() { InitPopUpWindow(0); }

CPopUpWindow::CPopUpWindow(char* bitmapFile, int regionID, int normalID, int disableID, int popupID)
    : CBitmapWindow(bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 0) {
    InitPopUpWindow(popupID);
}

CPopUpWindow::CPopUpWindow(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                           int popupID)
    : CBitmapWindow(className, bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 0) {
    InitPopUpWindow(popupID);
}

void CPopUpWindow::InitPopUpWindow(int popupID) {
    m_bPopWinMove = 1;
    m_nPopupID = popupID;
    NOTIFY_REGISTRY_OF(*this).Init();
}

CPopUpWindow::CPopUpWindow(const CPopUpWindow& other) : CBitmapWindow(other) {
    InitPopUpWindow(other.m_nPopupID);
    m_bPopWinMove = other.m_bPopWinMove;
    NOTIFY_REGISTRY_OF(*this).CopyFrom(NOTIFY_REGISTRY_OF(const_cast<CPopUpWindow&>(other)));
}

CPopUpWindow& CPopUpWindow::operator=(const CPopUpWindow& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        m_bPopWinMove = other.m_bPopWinMove;
        m_nPopupID = other.m_nPopupID;
        NOTIFY_REGISTRY_OF(*this).CopyFrom(NOTIFY_REGISTRY_OF(const_cast<CPopUpWindow&>(other)));
    }
    return *this;
}

CPopUpWindow::~CPopUpWindow() { NOTIFY_REGISTRY_OF(*this).Destroy(); }

LRESULT CPopUpWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The notify window only watches: the pop-up handles every message.
    LRESULT answer;
    NOTIFY_REGISTRY_OF(*this).Forward(hwnd, msg, wParam, lParam, &answer);
    return CUIWindow::WindowProc(hwnd, msg, wParam, lParam);
}

void CPopUpWindow::SetNotifyWindow(HWND hwnd, UINT data) { NOTIFY_REGISTRY_OF(*this).SetWindow(hwnd, data); }
int CPopUpWindow::RegisterNotifyMessage(UINT message) { return NOTIFY_REGISTRY_OF(*this).Register(message); }
int CPopUpWindow::UnregisterNotifyMessage(UINT message) { return NOTIFY_REGISTRY_OF(*this).Unregister(message); }

void CPopUpWindow::SetPopWinMove(int move) { m_bPopWinMove = move; }
int CPopUpWindow::GetPopWinMove() { return m_bPopWinMove; }

LRESULT CPopUpWindow::OnNcHitTest(UINT, LPARAM) { return m_bPopWinMove ? HTCAPTION : HTCLIENT; }

int CPopUpWindow::OnMoving(UINT, LPARAM) {
    // A fixed pop-up stays where it is, whoever asks it to move.
    if (!m_bPopWinMove) return 1;
    HWND owner = (HWND)GetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT);
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    return (int)SendMessageA(owner, WM_MOVING, (WPARAM)m_nPopupID, (LPARAM)&rect);
}

int CPopUpWindow::GetChildWindow(HWND* child, int id) {
    if (child) *child = 0;
    ChildSearch search = {id, 0};
    if (m_hWnd) EnumChildWindows(m_hWnd, MatchChildId, (LPARAM)&search);
    if (!search.found) return 0;
    if (child) *child = search.found;
    return 1;
}
