// CComboBoxBitmap: a drop-down list made of four parts: a display of the
// chosen item, a drop-down button, a strip of the items and its scroll bar.
// The combo box draws nothing itself; it unrolls downwards to show the list.
#include "TessaroLists.h"
#include "Messages.h"
#include "Owned.h"
#include "Text.h"

static const char kComboBoxClass[] = "COMBO BOX BITMAP CLASS";

// Window IDs of the parts inside the combo box.
enum { kDisplayID = 0, kButtonID = 1, kListID = 2, kScrollBarID = 3 };

CComboBoxBitmap::CComboBoxBitmap(char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID displayIds,
                                 BITMAPLISTID buttonIds, BITMAPLISTID scrollBarIds, BITMAPLISTID scrollDecIds,
                                 BITMAPLISTID scrollIncIds, BITMAPLISTID scrollCounterIds, LOGFONTA font,
                                 unsigned long crScrollTransparent)
    : CBitmapWindow(bitmapFile, -1, -1, -1, font, (char*)"", 0, 0) {
    InitComboBox(0, listIds, displayIds, buttonIds, scrollBarIds, scrollDecIds, scrollIncIds,
                 scrollCounterIds, font, crScrollTransparent);
}

CComboBoxBitmap::CComboBoxBitmap(char* className, char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID displayIds,
                                 BITMAPLISTID buttonIds, BITMAPLISTID scrollBarIds, BITMAPLISTID scrollDecIds,
                                 BITMAPLISTID scrollIncIds, BITMAPLISTID scrollCounterIds, LOGFONTA font,
                                 unsigned long crScrollTransparent)
    : CBitmapWindow(bitmapFile, -1, -1, -1, font, (char*)"", 0, 0) {
    InitComboBox(className, listIds, displayIds, buttonIds, scrollBarIds, scrollDecIds, scrollIncIds,
                 scrollCounterIds, font, crScrollTransparent);
}

void CComboBoxBitmap::InitComboBox(const char* className, const BITMAPLISTID& listIds,
                                   const BITMAPLISTID& displayIds, const BITMAPLISTID& buttonIds,
                                   const BITMAPLISTID& scrollBarIds, const BITMAPLISTID& scrollDecIds,
                                   const BITMAPLISTID& scrollIncIds, const BITMAPLISTID& scrollCounterIds,
                                   const LOGFONTA& font, unsigned long crScrollTransparent) {
    SetClassName(className, kComboBoxClass);
    m_nType = 4;
    m_nButtonNormalID = buttonIds.nNormalID;
    m_nDisplayNormalID = displayIds.nNormalID;
    m_nLines = 0;
    m_nActiveItemID = 0;
    m_bDropped = 0;
    m_nListWidth = m_nListHeight = 0;
    // The base took the path whole or refused it; the parts use what it kept.
    char* file = m_szBitmapFile;
    m_pButton = MakeOwned<CBitmapButton>(file, buttonIds.nRegionID, buttonIds.nNormalID, buttonIds.nDisableID,
                                         buttonIds.nMouseOverID, buttonIds.nPushedID, font, (char*)"", (DWORD)0,
                                         (UINT)0);
    m_pDisplay = MakeOwned<CMultiBitmapWindow>(file, displayIds.nRegionID, displayIds.nNormalID,
                                               displayIds.nDisableID, font);
    m_pList = MakeOwned<CDispalyMultiBitmapWindow>(file, listIds.nRegionID, listIds.nNormalID, listIds.nDisableID,
                                                   font, 1, 1);
    m_pScrollBar = MakeOwned<CBitmapScrollBarButton>(file, scrollBarIds, scrollDecIds, scrollIncIds,
                                                     scrollCounterIds, (DWORD)crScrollTransparent, 0);
    // A line of the scroll bar is one pixel.
    if (m_pScrollBar) m_pScrollBar->SetScrollBarLength(0, 0, 0);
}

CComboBoxBitmap::CComboBoxBitmap(const CComboBoxBitmap& other) : CBitmapWindow(other) {
    m_pButton = 0;
    m_pDisplay = 0;
    m_pList = 0;
    m_pScrollBar = 0;
    CopyComboBoxFrom(other);
}

CComboBoxBitmap& CComboBoxBitmap::operator=(const CComboBoxBitmap& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopyComboBoxFrom(other);
    }
    return *this;
}

// The copy owns copies of the parts (with their items), without windows.
void CComboBoxBitmap::CopyComboBoxFrom(const CComboBoxBitmap& other) {
    DeleteParts();
    m_pButton = other.m_pButton ? CopyOwned(*other.m_pButton) : 0;
    m_pDisplay = other.m_pDisplay ? CopyOwned(*other.m_pDisplay) : 0;
    m_pList = other.m_pList ? CopyOwned(*other.m_pList) : 0;
    m_pScrollBar = other.m_pScrollBar ? CopyOwned(*other.m_pScrollBar) : 0;
    m_nLines = other.m_nLines;
    m_nActiveItemID = other.m_nActiveItemID;
    m_nButtonNormalID = other.m_nButtonNormalID;
    m_nDisplayNormalID = other.m_nDisplayNormalID;
    m_bDropped = 0;
    m_nListWidth = other.m_nListWidth;
    m_nListHeight = other.m_nListHeight;
}

void CComboBoxBitmap::DeleteParts() {
    DeleteOwned(m_pButton);
    DeleteOwned(m_pDisplay);
    DeleteOwned(m_pList);
    DeleteOwned(m_pScrollBar);
    m_pButton = 0;
    m_pDisplay = 0;
    m_pList = 0;
    m_pScrollBar = 0;
}

CComboBoxBitmap::~CComboBoxBitmap() { DeleteParts(); }

int CComboBoxBitmap::HasAllParts() {
    return m_pButton && m_pButton->GetWindowHandle() && m_pDisplay && m_pDisplay->GetWindowHandle() && m_pList &&
           m_pList->GetWindowHandle() && m_pScrollBar && m_pScrollBar->GetWindowHandle();
}

int CComboBoxBitmap::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                            int listWidth, int listHeight, HINSTANCE hInstance, HWND parent, long idWindow,
                            DWORD crTransparent, HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    int displayWidth = 0, displayHeight = 0, buttonWidth = 0, buttonHeight = 0;
    if (!GetBitmapSize(m_szBitmapFile, &displayWidth, &displayHeight, -1, m_nDisplayNormalID, -1))
        displayWidth = displayHeight = 0;
    if (!GetBitmapSize(m_szBitmapFile, &buttonWidth, &buttonHeight, -1, m_nButtonNormalID, -1))
        buttonWidth = buttonHeight = 0;
    if (width == -1 || height == -1) {
        width = displayWidth + buttonWidth;
        height = displayHeight > buttonHeight ? displayHeight : buttonHeight;
    }
    m_nListWidth = listWidth;
    m_nListHeight = listHeight;
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, parent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    // A combo box without one of its parts would fail at its first use.
    if (!HasAllParts()) {
        DestroyWindow(m_hWnd);
        return 0;
    }
    if (m_pList->OverLiment()) {
        m_pScrollBar->Enable(1);
    } else {
        m_pScrollBar->SetLinesNumber(0);
        m_pScrollBar->Enable(0);
    }
    m_crTransparent = crTransparent;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CComboBoxBitmap::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (!CBitmapWindow::OnCreate(hwnd, wParam, lParam)) return 0;
    const DWORD style = WS_CHILD | WS_VISIBLE;
    RECT display = {0, 0, 0, 0};
    if (m_pDisplay) {
        m_pDisplay->Create("", style, 0, 0, -1, -1, m_hInstance, hwnd, kDisplayID, 0, 0, 0, 0, SW_SHOW);
        if (m_pDisplay->GetWindowHandle()) GetWindowRect(m_pDisplay->GetWindowHandle(), &display);
    }
    int displayWidth = display.right - display.left, displayHeight = display.bottom - display.top;
    if (m_pButton)
        m_pButton->Create("", style, displayWidth, 0, -1, -1, m_hInstance, hwnd, kButtonID, 0, 0, 0, 0, SW_SHOW);
    if (m_pList)
        m_pList->Create("", style, 0, displayHeight, m_nListWidth, m_nListHeight, m_hInstance, hwnd, kListID, 0, 0,
                        0, 0, SW_SHOW);
    if (m_pScrollBar)
        m_pScrollBar->Create("", style, m_nListWidth == -1 ? displayWidth : m_nListWidth, displayHeight, -1, -1,
                             m_hInstance, hwnd, kScrollBarID, 0, 0, 0, 0, SW_SHOW);
    return 1;
}

int CComboBoxBitmap::OnPaint() {
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    EndPaint(m_hWnd, &ps);
    return 1;
}

// How far the combo box unrolls: the list's height, as given or as made.
int CComboBoxBitmap::DropHeight() {
    if (m_nListHeight != -1) return m_nListHeight;
    RECT list;
    if (!m_pList || !m_pList->GetWindowHandle() || !GetWindowRect(m_pList->GetWindowHandle(), &list)) return 0;
    return list.bottom - list.top;
}

// Grows the window downwards (or shrinks it back) one pixel per step, raising
// it above its siblings: the list appears below the display row.
void CComboBoxBitmap::Unroll(bool open) {
    RECT rect;
    if (!GetWindowRect(m_hWnd, &rect)) return;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int length = DropHeight();
    for (int i = 0; i < length; ++i)
        SetWindowPos(m_hWnd, HWND_TOP, rect.left, rect.top, width, open ? height + i : height - i, SWP_NOMOVE);
    m_bDropped = open ? 1 : 0;
}

int CComboBoxBitmap::OnCommand(UINT wParam, LPARAM lParam) {
    if (m_pButton && wParam == (UINT)m_pButton->GetIDWindow()) {
        Unroll(!m_bDropped);
        InvalidateRect(m_hWnd, 0, TRUE);
    }
    if (m_pList && wParam == (UINT)m_pList->GetIDWindow() && (int)lParam != m_nActiveItemID) {
        __int64 error = 0;
        if (m_pDisplay) m_pDisplay->SetActiveBitmapID((int)lParam, &error);
        m_nActiveItemID = (int)lParam;
        // Only an open list rolls up: a closed one has nothing to give back.
        if (m_bDropped) Unroll(false);
        PostToReportWindow(m_hWnd, WM_COMMAND, (WPARAM)GetIDWindow(), (LPARAM)m_nActiveItemID);
    }
    if (m_pScrollBar && m_pList && wParam == (UINT)m_pScrollBar->GetIDWindow()) m_pList->SetWindowPosion((int)lParam);
    return 1;
}

// The scroll bar has a line for each item that does not fit: one more when
// an item was added to an overflowing list, one less when one was removed
// from a list that still overflows, none when the list fits.
void CComboBoxBitmap::UpdateScrollLines(bool changed, bool added) {
    if (!m_pScrollBar) return;
    if (m_pList && m_pList->OverLiment()) {
        if (changed && added) ++m_nLines;
        if (changed && !added && m_nLines > 0) --m_nLines;
        m_pScrollBar->Enable(1);
        if (!added) m_pScrollBar->Decreas();
        m_pScrollBar->SetLinesNumber(m_nLines);
    } else {
        m_pScrollBar->Enable(0);
        if (!added) m_pScrollBar->Decreas();
        m_pScrollBar->SetLinesNumber(0);
    }
}

int CComboBoxBitmap::SetItems(BITMAPLISTID ids, char* text, unsigned long textColour, int id, __int64* error) {
    unsigned long before = 0, after = 0;
    if (m_pList) m_pList->GetMaxItem(&before);
    if (m_pDisplay) m_pDisplay->SetBitmap(ids, text, (DWORD)textColour, id, error);
    if (m_pList) {
        m_pList->SetBitmap(ids, text, textColour, id, error);
        m_pList->GetMaxItem(&after);
    }
    UpdateScrollLines(after != before, true);
    return 1;
}

int CComboBoxBitmap::RemoveItems(int id, __int64* error) {
    unsigned long before = 0, after = 0;
    if (m_pList) m_pList->GetMaxItem(&before);
    if (m_pDisplay) m_pDisplay->RemoveBitmap(id, error);
    if (m_pList) {
        m_pList->RemoveBitmap(id, error);
        m_pList->GetMaxItem(&after);
    }
    UpdateScrollLines(after != before, false);
    return 1;
}

int CComboBoxBitmap::SetActiveItemID(int id, __int64* error) {
    if (m_pDisplay) m_pDisplay->SetActiveBitmapID(id, error);
    return 1;
}

int CComboBoxBitmap::SetNewFont(LOGFONTA font) {
    if (m_pDisplay) m_pDisplay->SetNewFont(font);
    if (m_pList) m_pList->SetNewFont(font);
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}
