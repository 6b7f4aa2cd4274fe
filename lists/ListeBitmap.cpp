// CListeBitmap: a list with columns. A header strip holds the titles, one
// vertical strip per column holds its cells; a row is the cells that share
// an item ID. The vertical scroll bar scrolls every column, the horizontal
// one scrolls the header and slides the columns sideways.
#include "TessaroLists.h"
#include "ItemArray.h"
#include "Messages.h"
#include "Owned.h"
#include "Text.h"
#include <string.h>

static const char kListClass[] = "BITMAP LIST CONTROL CLASS";

// Failure code of a column array that cannot grow.
static const DWORD kListComponent = 0x00090004;
static const DWORD kListGrowFailed = 0x00010004;

// Window IDs of the parts; columns take 4, 5, 6, ... as their windows are made.
enum { kVScrollID = 0, kHScrollID = 1, kHeaderID = 2, kFirstColumnID = 4 };

namespace {
// The size of the first measurable of a record's region, normal and
// disabled frames; 0 x 0 when none can be measured.
void MeasureRecordFrames(const char* file, const BITMAPLISTID& ids, int* width, int* height) {
    if (!GetBitmapSize(file, width, height, ids.nRegionID, ids.nNormalID, ids.nDisableID)) *width = *height = 0;
}

// The size of one frame; 0 x 0 when it cannot be measured.
void MeasureFrame(const char* file, int frame, int* width, int* height) {
    if (!GetBitmapSize(file, width, height, -1, frame, -1)) *width = *height = 0;
}

HWND WindowOf(CUIWindow* part) { return part ? part->GetWindowHandle() : 0; }
}  // namespace

CListeBitmap::CListeBitmap(char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID headerIds, BITMAPLISTID vBarIds,
                           BITMAPLISTID vDecIds, BITMAPLISTID vIncIds, BITMAPLISTID vCounterIds,
                           BITMAPLISTID hBarIds, BITMAPLISTID hDecIds, BITMAPLISTID hIncIds,
                           BITMAPLISTID hCounterIds, LOGFONTA font)
    : CBitmapWindow(bitmapFile, listIds.nRegionID, listIds.nNormalID, listIds.nDisableID, font, (char*)"", 0, 0) {
    InitList(0, headerIds, vBarIds, vDecIds, vIncIds, vCounterIds, hBarIds, hDecIds, hIncIds, hCounterIds, font);
}

CListeBitmap::CListeBitmap(char* className, char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID headerIds,
                           BITMAPLISTID vBarIds, BITMAPLISTID vDecIds, BITMAPLISTID vIncIds,
                           BITMAPLISTID vCounterIds, BITMAPLISTID hBarIds, BITMAPLISTID hDecIds,
                           BITMAPLISTID hIncIds, BITMAPLISTID hCounterIds, LOGFONTA font)
    : CBitmapWindow(bitmapFile, listIds.nRegionID, listIds.nNormalID, listIds.nDisableID, font, (char*)"", 0, 0) {
    InitList(className, headerIds, vBarIds, vDecIds, vIncIds, vCounterIds, hBarIds, hDecIds, hIncIds, hCounterIds,
             font);
}

void CListeBitmap::InitList(const char* className, const BITMAPLISTID& headerIds, const BITMAPLISTID& vBarIds,
                            const BITMAPLISTID& vDecIds, const BITMAPLISTID& vIncIds,
                            const BITMAPLISTID& vCounterIds, const BITMAPLISTID& hBarIds,
                            const BITMAPLISTID& hDecIds, const BITMAPLISTID& hIncIds,
                            const BITMAPLISTID& hCounterIds, const LOGFONTA& font) {
    SetClassName(className, kListClass);
    m_nType = 13;
    m_nVScrollRegionID = vBarIds.nRegionID;
    m_nHeaderNormalID = headerIds.nNormalID;
    m_nNextChildID = 0;
    m_nRowWindows = m_nRowWindowCapacity = 0;
    m_pRowWindows = 0;
    m_nHScrollLine = 0;
    m_nHLines = 1;
    m_nVLines = 0;
    char* file = m_szBitmapFile;
    m_pHeader = MakeOwned<CDispalyMultiBitmapWindow>(file, headerIds.nRegionID, headerIds.nNormalID,
                                                     headerIds.nDisableID, font, 0, 1);
    m_pVScrollBar = MakeOwned<CBitmapScrollBarButton>(file, vBarIds, vDecIds, vIncIds, vCounterIds, (DWORD)0, 0);
    m_pHScrollBar = MakeOwned<CBitmapScrollBarButton>(file, hBarIds, hDecIds, hIncIds, hCounterIds, (DWORD)0, 1);
    // A line of either scroll bar is one pixel; both start without lines.
    CBitmapScrollBarButton* bars[2] = {m_pVScrollBar, m_pHScrollBar};
    for (int i = 0; i < 2; ++i) {
        if (!bars[i]) continue;
        bars[i]->SetScrollBarLength(0, 0, 0);
        bars[i]->Enable(0);
    }
    if (m_pVScrollBar) m_pVScrollBar->SetLinesNumber(0);
}

CListeBitmap::CListeBitmap(const CListeBitmap& other) : CBitmapWindow(other) {
    m_pHeader = 0;
    m_pVScrollBar = m_pHScrollBar = 0;
    m_pRowWindows = 0;
    m_nRowWindows = m_nRowWindowCapacity = 0;
    CopyListFrom(other);
}

CListeBitmap& CListeBitmap::operator=(const CListeBitmap& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopyListFrom(other);
    }
    return *this;
}

// The copy owns copies of every part and column strip, without windows.
void CListeBitmap::CopyListFrom(const CListeBitmap& other) {
    DeleteParts();
    m_nVScrollRegionID = other.m_nVScrollRegionID;
    m_nHeaderNormalID = other.m_nHeaderNormalID;
    m_pHeader = other.m_pHeader ? CopyOwned(*other.m_pHeader) : 0;
    m_pVScrollBar = other.m_pVScrollBar ? CopyOwned(*other.m_pVScrollBar) : 0;
    m_pHScrollBar = other.m_pHScrollBar ? CopyOwned(*other.m_pHScrollBar) : 0;
    m_nNextChildID = other.m_nNextChildID;
    m_nHScrollLine = other.m_nHScrollLine;
    m_nHLines = other.m_nHLines;
    m_nVLines = other.m_nVLines;
    m_pRowWindows = (ROWWINDOW*)CopyItemArray(other.m_pRowWindows, (DWORD)other.m_nRowWindowCapacity,
                                              sizeof(ROWWINDOW));
    if (!m_pRowWindows) return;
    m_nRowWindowCapacity = other.m_nRowWindowCapacity;
    m_nRowWindows = other.m_nRowWindows;
    for (int i = 0; i < m_nRowWindows; ++i) {
        CDispalyMultiBitmapWindow* strip = other.m_pRowWindows[i].pWindow;
        m_pRowWindows[i].pWindow = strip ? CopyOwned(*strip) : 0;
    }
}

void CListeBitmap::DeleteParts() {
    DeleteOwned(m_pVScrollBar);
    DeleteOwned(m_pHeader);
    DeleteOwned(m_pHScrollBar);
    m_pVScrollBar = m_pHScrollBar = 0;
    m_pHeader = 0;
    for (int i = 0; i < m_nRowWindows; ++i) DeleteOwned(m_pRowWindows[i].pWindow);
    free(m_pRowWindows);
    m_pRowWindows = 0;
    m_nRowWindows = m_nRowWindowCapacity = 0;
}

CListeBitmap::~CListeBitmap() { DeleteParts(); }

int CListeBitmap::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                         HINSTANCE hInstance, HWND parent, long idWindow, DWORD crTransparent, HICON hCursor,
                         HICON hIcon, HICON hIconSm, int nCmdShow) {
    (void)windowName;  // the list has no title
    if (width == -1 || height == -1) {
        const BITMAPLISTID own = {m_nRegionID, m_nNormalID, m_nDisableID, 0, 0};
        MeasureRecordFrames(m_szBitmapFile, own, &width, &height);
    }
    // The hand shows over the cells unless the host names a cursor.
    HICON cursor = hCursor ? hCursor : (HICON)LoadCursorA(0, (LPCSTR)IDC_HAND);
    if (!CUIWindow::Create("", style, x, y, width, height, hInstance, parent, idWindow, crTransparent, cursor, hIcon,
                           hIconSm, nCmdShow))
        return 0;
    // A list without one of its parts would fail at its first use.
    if (!WindowOf(m_pVScrollBar) || !WindowOf(m_pHScrollBar) || !WindowOf(m_pHeader)) {
        DestroyWindow(m_hWnd);
        return 0;
    }
    m_crTransparent = crTransparent;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CListeBitmap::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (!CBitmapWindow::OnCreate(hwnd, wParam, lParam)) return 0;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    int barWidth = 0, barHeight = 0;
    if (m_pVScrollBar)
        m_pVScrollBar->Create("", style, 0, 0, -1, -1, m_hInstance, hwnd, kVScrollID, 0, 0, 0, 0, SW_SHOW);
    MeasureFrame(m_szBitmapFile, m_nVScrollRegionID, &barWidth, &barHeight);
    if (m_pHScrollBar)
        m_pHScrollBar->Create("", style, barWidth, barHeight, -1, -1, m_hInstance, hwnd, kHScrollID, 0, 0, 0, 0,
                              SW_SHOW);
    if (m_pHeader) m_pHeader->Create("", style, barWidth, 0, -1, -1, m_hInstance, hwnd, kHeaderID, 0, 0, 0, 0, SW_SHOW);
    m_nNextChildID = kFirstColumnID;
    for (int i = 0; i < m_nRowWindows; ++i) CreateDisplayWindowRow(hwnd, i);
    return 1;
}

int CListeBitmap::CreateRowWindow(__int64* error) {
    DWORD capacity = (DWORD)m_nRowWindowCapacity;
    if (!GrowItemArray((void**)&m_pRowWindows, &capacity, sizeof(ROWWINDOW), 4)) {
        WriteErrorSlot(error, kListComponent, kListGrowFailed);
        return 0;
    }
    m_nRowWindowCapacity = (int)capacity;
    return 1;
}

int CListeBitmap::SetRowWindowPos(int index) {
    if (index < 0 || index >= m_nRowWindowCapacity) return 0;
    ROWWINDOW& column = m_pRowWindows[index];
    if (index == 0) {
        int barWidth = 0, barHeight = 0, headerWidth = 0, headerHeight = 0;
        MeasureFrame(m_szBitmapFile, m_nVScrollRegionID, &barWidth, &barHeight);
        MeasureFrame(m_szBitmapFile, m_nHeaderNormalID, &headerWidth, &headerHeight);
        column.nX = barWidth;
        column.nY = headerHeight;
    } else {
        const ROWWINDOW& previous = m_pRowWindows[index - 1];
        column.nX = previous.nX + previous.nWidth;
        column.nY = previous.nY;
    }
    return 1;
}

int CListeBitmap::CreateDisplayWindowRow(HWND parent, int index) {
    if (index < 0 || index >= m_nRowWindowCapacity) return 0;
    ROWWINDOW& column = m_pRowWindows[index];
    if (column.pWindow)
        column.pWindow->Create("", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, column.nX, column.nY, -1, -1,
                               m_hInstance, parent, m_nNextChildID, 0, 0, 0, 0, SW_SHOW);
    ++m_nNextChildID;
    return 1;
}

int CListeBitmap::FindColumn(int columnID) {
    for (int i = 0; i < m_nRowWindows; ++i)
        if (m_pRowWindows[i].nID == columnID) return i;
    return -1;
}

CDispalyMultiBitmapWindow* CListeBitmap::MakeColumnStrip(const BITMAPLISTID& columnIds, int* width, int* height) {
    MeasureRecordFrames(m_szBitmapFile, columnIds, width, height);
    return MakeOwned<CDispalyMultiBitmapWindow>(m_szBitmapFile, columnIds.nRegionID, columnIds.nNormalID,
                                                columnIds.nDisableID, m_LogFont, 1, 1);
}

// The horizontal bar has a line for each title that does not fit (and one to
// start with): one more when a title was added to an overflowing header, one
// less when one was taken from a header that still overflows.
void CListeBitmap::UpdateHorizontalLines(int change) {
    if (!m_pHScrollBar) return;
    if (m_pHeader && m_pHeader->OverLiment()) {
        if (change > 0) ++m_nHLines;
        if (change < 0 && m_nHLines > 1) --m_nHLines;
        m_pHScrollBar->SetLinesNumber(m_nHLines);
        m_pHScrollBar->Enable(1);
    } else {
        m_pHScrollBar->SetLinesNumber(0);
        m_pHScrollBar->Enable(0);
    }
}

int CListeBitmap::SetBitmapCloumBitmapItem(int columnID, BITMAPLISTID titleIds, char* text,
                                           unsigned long textColour, BITMAPLISTID columnIds, __int64* error) {
    if (!m_pHeader) return 0;
    unsigned long titlesBefore = 0, titlesAfter = 0;
    m_pHeader->GetMaxItem(&titlesBefore);
    if (m_pHeader->SetBitmap(titleIds, text, textColour, columnID, error) != 1) return 0;
    m_pHeader->GetMaxItem(&titlesAfter);
    UpdateHorizontalLines(titlesAfter > titlesBefore ? 1 : 0);

    // An existing column is replaced by an empty one.
    bool replaced = false;
    for (int i = 0; i < m_nRowWindows; ++i) {
        ROWWINDOW& column = m_pRowWindows[i];
        if (column.nID != columnID) continue;
        if (WindowOf(column.pWindow)) DestroyWindow(column.pWindow->GetWindowHandle());
        DeleteOwned(column.pWindow);
        column.pWindow = MakeColumnStrip(columnIds, &column.nWidth, &column.nHeight);
        SetRowWindowPos(i);
        if (m_hWnd) CreateDisplayWindowRow(m_hWnd, i);
        replaced = true;
    }
    if (replaced) return 1;

    if (m_nRowWindows == m_nRowWindowCapacity && !CreateRowWindow(error)) return 0;
    ROWWINDOW& column = m_pRowWindows[m_nRowWindows];
    memset(&column, 0, sizeof column);
    column.nID = columnID;
    column.pWindow = MakeColumnStrip(columnIds, &column.nWidth, &column.nHeight);
    SetRowWindowPos(m_nRowWindows);
    if (m_hWnd) CreateDisplayWindowRow(m_hWnd, m_nRowWindows);
    ++m_nRowWindows;
    return 1;
}

int CListeBitmap::SetRowBitmapItem(int itemID, int columnID, BITMAPLISTID ids, char* text,
                                   unsigned long textColour, __int64* error) {
    int index = FindColumn(columnID);
    if (index < 0) return 0;
    CDispalyMultiBitmapWindow* strip = m_pRowWindows[index].pWindow;
    if (!strip) return 1;
    unsigned long before = 0, after = 0;
    strip->GetMaxItem(&before);
    strip->SetBitmap(ids, text, textColour, itemID, error);
    strip->GetMaxItem(&after);
    // Rows are counted in the first column: a line for each new row of it
    // that does not fit (a replaced cell adds none).
    if (index == 0 && after > before && strip->OverLiment() && m_pVScrollBar) {
        ++m_nVLines;
        m_pVScrollBar->SetLinesNumber(m_nVLines);
        m_pVScrollBar->Enable(1);
    }
    return 1;
}

int CListeBitmap::RemoveRowBitmapItem(int itemID, int columnID, __int64* error) {
    int index = FindColumn(columnID);
    if (index < 0) return 0;
    CDispalyMultiBitmapWindow* strip = m_pRowWindows[index].pWindow;
    if (!strip) return 1;
    unsigned long before = 0, after = 0;
    strip->GetMaxItem(&before);
    strip->RemoveBitmap(itemID, error);
    strip->GetMaxItem(&after);
    // Only the first column counts rows, as when they are added.
    if (index != 0 || !m_pVScrollBar) return 1;
    if (strip->OverLiment()) {
        if (after < before && m_nVLines > 0) --m_nVLines;
        m_pVScrollBar->Enable(1);
        m_pVScrollBar->Decreas();
        m_pVScrollBar->SetLinesNumber(m_nVLines);
    } else {
        m_pVScrollBar->Enable(0);
        m_pVScrollBar->Decreas();
        m_pVScrollBar->SetLinesNumber(0);
    }
    return 1;
}

int CListeBitmap::RemoveCloumBitmapItem(int columnID, __int64* error) {
    int index = FindColumn(columnID);
    if (index < 0) return 0;
    unsigned long titlesBefore = 0, titlesAfter = 0;
    if (m_pHeader) {
        m_pHeader->GetMaxItem(&titlesBefore);
        m_pHeader->RemoveBitmap(columnID, error);
        m_pHeader->GetMaxItem(&titlesAfter);
    }
    ROWWINDOW& column = m_pRowWindows[index];
    int width = column.nWidth;
    if (WindowOf(column.pWindow)) DestroyWindow(column.pWindow->GetWindowHandle());
    DeleteOwned(column.pWindow);
    DWORD count = (DWORD)m_nRowWindows;
    RemoveItemAt(m_pRowWindows, &count, (DWORD)index, sizeof(ROWWINDOW));
    m_nRowWindows = (int)count;
    // The header went back to its first title: the columns go back to their
    // places under it, each later column closing the gap by the removed width.
    for (int i = 0; i < m_nRowWindows; ++i) {
        if (m_nHScrollLine == 0 && i < index) continue;
        ROWWINDOW& later = m_pRowWindows[i];
        if (m_nHScrollLine == 0) later.nX -= width;
        else SetRowWindowPos(i);
        if (WindowOf(later.pWindow))
            MoveWindow(later.pWindow->GetWindowHandle(), later.nX, later.nY, later.nWidth, later.nHeight, TRUE);
    }
    m_nHScrollLine = 0;
    UpdateHorizontalLines(titlesAfter < titlesBefore ? -1 : 0);
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}

int CListeBitmap::SetID(int itemID, __int64* error) {
    for (int i = 0; i < m_nRowWindows; ++i)
        if (m_pRowWindows[i].pWindow) m_pRowWindows[i].pWindow->SetActiveID(itemID, error);
    return 1;
}

// Scrolls every column so that row number `line` is at its top; a column
// with fewer cells shows its last one at the top.
void CListeBitmap::ScrollColumnsTo(int line) {
    for (int i = 0; i < m_nRowWindows; ++i) {
        CDispalyMultiBitmapWindow* strip = m_pRowWindows[i].pWindow;
        if (!strip) continue;
        unsigned long cells = 0;
        strip->GetMaxItem(&cells);
        if (!cells) continue;
        strip->SetWindowPosion(line < (int)cells ? line : (int)cells - 1);
    }
}

int CListeBitmap::ShiftVerizontalWind(int, int line) {
    int width = 0, height = 0;
    const BITMAPLISTID own = {m_nRegionID, m_nNormalID, m_nDisableID, 0, 0};
    MeasureRecordFrames(m_szBitmapFile, own, &width, &height);
    int barWidth = 0, barHeight = 0;
    MeasureFrame(m_szBitmapFile, m_nVScrollRegionID, &barWidth, &barHeight);
    if (width == 0 || barWidth == 0) return 0;
    int found = FindColumn(line);
    if (found < 0) return 0;
    if (line == m_nHScrollLine) return 1;
    // The distance is one column's width: the column passed going forward,
    // the one coming back into view going back.
    int measured = line == 0 ? 0 : (line > m_nHScrollLine ? found - 1 : m_nHScrollLine - 1);
    if (measured < 0 || measured >= m_nRowWindows) return 0;
    RECT rect;
    if (!WindowOf(m_pRowWindows[measured].pWindow) ||
        !GetWindowRect(m_pRowWindows[measured].pWindow->GetWindowHandle(), &rect))
        return 0;
    int distance = rect.right - rect.left;
    int shift = line > m_nHScrollLine ? -distance : distance;
    for (int i = 0; i < m_nRowWindows; ++i) {
        ROWWINDOW& column = m_pRowWindows[i];
        column.nX += shift;
        if (WindowOf(column.pWindow))
            MoveWindow(column.pWindow->GetWindowHandle(), column.nX, column.nY, column.nWidth, column.nHeight, TRUE);
    }
    return 1;
}

int CListeBitmap::OnCommand(UINT wParam, LPARAM lParam) {
    int id = (int)wParam;
    int vertical = m_pVScrollBar ? m_pVScrollBar->GetIDWindow() : kVScrollID;
    int horizontal = m_pHScrollBar ? m_pHScrollBar->GetIDWindow() : kHScrollID;
    int header = m_pHeader ? m_pHeader->GetIDWindow() : kHeaderID;
    if (id == vertical && m_nRowWindows > 0) {
        ScrollColumnsTo((int)lParam);
        InvalidateRect(m_hWnd, 0, TRUE);
    }
    if (id == horizontal) {
        if (m_pHeader) m_pHeader->SetWindowPosion((int)lParam);
        ShiftVerizontalWind(0, (int)lParam);
        // The line is the list's only when it names a column.
        if (FindColumn((int)lParam) >= 0) m_nHScrollLine = (int)lParam;
        InvalidateRect(m_hWnd, 0, TRUE);
    }
    if (id > header) {
        __int64 error = 0;
        SetID((int)lParam, &error);
        PostToReportWindow(m_hWnd, WM_COMMAND, (WPARAM)GetIDWindow(), lParam);
    }
    return 1;
}

int CListeBitmap::OnKeyDown(UINT wParam, LPARAM lParam) {
    switch (wParam) {
    case VK_TAB: PostToReportWindow(m_hWnd, WM_KEYDOWN, VK_TAB, lParam); break;
    case VK_LEFT: if (m_pHScrollBar) m_pHScrollBar->Decreas(); break;
    case VK_UP: if (m_pVScrollBar) m_pVScrollBar->Increas(); break;
    case VK_RIGHT: if (m_pHScrollBar) m_pHScrollBar->Increas(); break;
    case VK_DOWN: if (m_pVScrollBar) m_pVScrollBar->Decreas(); break;
    }
    return 1;
}

// The list cannot be dragged: the mouse belongs to its cells.
int CListeBitmap::OnLButtonDown(UINT, LPARAM) { return 1; }
int CListeBitmap::OnMouseMove(UINT, LPARAM) { return 1; }
int CListeBitmap::OnLButtonUp(UINT, LPARAM) { return 1; }
