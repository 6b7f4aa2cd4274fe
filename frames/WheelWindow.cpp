// CWheelWindow: a ring of tabs shown as a wheel around the current tab,
// laid out once at creation, turned by a click on a side tab.
#include "TessaroFrames.h"
#include "ItemArray.h"
#include "Messages.h"
#include "Resources.h"
#include "Text.h"
#include "WindowChain.h"
#include <stdlib.h>
#include <string.h>

static const char kWheelWindowClass[] = "Wheel WINDOW CLASS";

// Failure code of a tab array that cannot grow.
static const DWORD kWheelComponent = 0x00090003;
static const DWORD kWheelGrowFailed = 0x00010004;

// Labels are cut to this many bytes; a tab without one gets as many spaces.
static const int kLabelLength = 14;

namespace {
// The label of the tab being drawn: filled just before the tab is drawn and
// cleared just after. One record for every wheel: wheels paint on one thread.
struct LabelRecord {
    char text[260];
    int length;
    int x, y;
    COLORREF colour;
};
LabelRecord g_label;

// The tab `steps` places after `index` around a ring of `count` (before it
// for negative steps).
int RingStep(int index, int steps, int count) {
    int at = (index + steps) % count;
    return at < 0 ? at + count : at;
}

bool SlotHolds(const WHEELSLOT& slot, int x, int y) {
    return x >= slot.x && x < slot.x + slot.cx && y >= slot.y && y < slot.y + slot.cy;
}

bool IsPreviousSide(int kind) { return kind == SLOT_LEFT || kind == SLOT_DOWN; }
bool IsNextSide(int kind) { return kind == SLOT_RIGHT || kind == SLOT_UP; }
}  // namespace

CWheelWindow::CWheelWindow() : CUIWindow((char*)kWheelWindowClass) { InitWheelWindow(0, 0); }

CWheelWindow::CWheelWindow(char* bitmapFile) : CUIWindow((char*)kWheelWindowClass) {
    InitWheelWindow(0, bitmapFile);
}

CWheelWindow::CWheelWindow(char* className, char* bitmapFile) : CUIWindow((char*)kWheelWindowClass) {
    InitWheelWindow(className, bitmapFile);
}

void CWheelWindow::InitWheelWindow(const char* className, const char* bitmapFile) {
    SetClassName(className, kWheelWindowClass);
    m_nType = 3;
    m_nItemCapacity = m_nItemCount = 0;
    m_pItems = 0;
    m_nSlotCapacity = m_nSlotCount = 0;
    m_pSlots = 0;
    m_nCurrentTab = 0;
    m_eWindowPos = WP_HORIZONTAL;
    m_bTrackMouse = 0;
    m_nDownX = m_nDownY = 0;
    m_nWidth = m_nHeight = m_nCentre = 0;
    m_bDragging = 0;
    // A path that does not fit is refused whole: a cut one could name
    // another file.
    CopyWholeOrEmpty(m_szBitmapFile, sizeof m_szBitmapFile, bitmapFile);
}

CWheelWindow::CWheelWindow(const CWheelWindow& other) : CUIWindow(other) {
    InitWheelWindow(other.m_szClassName, 0);
    CopyWheelWindowFrom(other);
}

CWheelWindow& CWheelWindow::operator=(const CWheelWindow& other) {
    if (this != &other) {
        CUIWindow::operator=(other);
        CopyWheelWindowFrom(other);
    }
    return *this;
}

// The copy owns its tabs and layout; the mouse state of the original's
// window is not carried over.
void CWheelWindow::CopyWheelWindowFrom(const CWheelWindow& other) {
    ReplaceWithCopy(&m_pItems, (DWORD*)&m_nItemCapacity, (DWORD*)&m_nItemCount, other.m_pItems,
                    other.m_nItemCapacity, other.m_nItemCount);
    ReplaceWithCopy(&m_pSlots, (DWORD*)&m_nSlotCapacity, (DWORD*)&m_nSlotCount, other.m_pSlots,
                    other.m_nSlotCapacity, other.m_nSlotCount);
    m_nCurrentTab = other.m_nCurrentTab;
    m_eWindowPos = other.m_eWindowPos;
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_nCentre = other.m_nCentre;
    memcpy(m_szBitmapFile, other.m_szBitmapFile, sizeof m_szBitmapFile);
}

CWheelWindow::~CWheelWindow() {
    free(m_pItems);
    free(m_pSlots);
}

int CWheelWindow::CreateItemList(__int64* error) {
    DWORD capacity = m_nItemCapacity;
    if (!GrowItemArray((void**)&m_pItems, &capacity, sizeof(WHEELITEM), 4)) {
        WriteErrorSlot(error, kWheelComponent, kWheelGrowFailed);
        return 0;
    }
    m_nItemCapacity = capacity;
    return 1;
}

int CWheelWindow::CreateRectList(__int64* error) {
    DWORD capacity = m_nSlotCapacity;
    if (!GrowItemArray((void**)&m_pSlots, &capacity, sizeof(WHEELSLOT), 1)) {
        WriteErrorSlot(error, kWheelComponent, kWheelGrowFailed);
        return 0;
    }
    m_nSlotCapacity = capacity;
    return 1;
}

int CWheelWindow::SetTabButtonItem(int id, int width, int height, int data2, int activeBitmap, int normalBitmap,
                                   int data1, __int64* error) {
    if (FindItemById(m_pItems, m_nItemCount, id, (DWORD*)0)) return 1;
    // A tab without extent would never bring a side of the layout to the
    // window's edge.
    if (width <= 0 || height <= 0) return 0;
    if (m_nItemCount >= m_nItemCapacity && !CreateItemList(error)) return 0;
    WHEELITEM& item = m_pItems[m_nItemCount++];
    memset(&item, 0, sizeof item);
    item.nID = id;
    item.nWidth = width;
    item.nHeight = height;
    item.nButtonData2 = data2;
    item.nActiveBitmapID = activeBitmap;
    item.nNormalBitmapID = normalBitmap;
    item.nButtonData1 = data1;
    return 1;
}

int CWheelWindow::SetTabIconItem(int id, int value1, int value2, int value3, int value4, int value5, int value6,
                                 int value7) {
    WHEELITEM* item = FindItemById(m_pItems, m_nItemCount, id, (DWORD*)0);
    if (!item) return 0;
    const int values[7] = {value1, value2, value3, value4, value5, value6, value7};
    memcpy(item->nIconData, values, sizeof values);
    return 1;
}

int CWheelWindow::SetTabTextItem(int id, int x, int y, int data1, int data2, int length, DWORD colour,
                                 const char* text) {
    WHEELITEM* item = FindItemById(m_pItems, m_nItemCount, id, (DWORD*)0);
    if (!item) return 0;
    item->nTextX = x;
    item->nTextY = y;
    item->nTextData1 = data1;
    item->nTextData2 = data2;
    item->nTextLength = length;
    item->crText = colour;
    CopyBounded(item->szText, sizeof item->szText, text);
    return 1;
}

// The index of the current tab. A current ID that names no tab (IDs that
// do not include 0, or an unknown ID given to SetTab) falls back to the first
// tab, which becomes current; -1 without tabs.
int CWheelWindow::CurrentIndex() {
    if (!m_nItemCount) return -1;
    DWORD index = 0;
    if (FindItemById(m_pItems, m_nItemCount, m_nCurrentTab, &index)) return (int)index;
    m_nCurrentTab = m_pItems[0].nID;
    return 0;
}

int CWheelWindow::SetTab(int id, int side) {
    bool turns = (m_eWindowPos == WP_HORIZONTAL && (side == SLOT_LEFT || side == SLOT_RIGHT)) ||
                 (m_eWindowPos == WP_VERTICAL && (side == SLOT_UP || side == SLOT_DOWN));
    if (side != -1 && !turns) return 1;
    if (turns) m_nCurrentTab = id;
    for (UINT i = 0; i < m_nItemCount; ++i) {
        WHEELITEM& item = m_pItems[i];
        item.nShownBitmapID = item.nID == m_nCurrentTab ? item.nActiveBitmapID : item.nNormalBitmapID;
    }
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}

int CWheelWindow::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                         HINSTANCE hInstance, HWND hWndParent, Window_Pos pos, long idWindow, DWORD extra,
                         HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    m_eWindowPos = pos;
    m_nWidth = width;
    m_nHeight = height;
    m_nCentre = pos == WP_VERTICAL ? height / 2 : width / 2;
    SetTabWindowPos();
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, extra, hCursor,
                           hIcon, hIconSm, nCmdShow))
        return 0;
    InvalidateRect(m_hWnd, 0, TRUE);
    UpdateWindow(m_hWnd);
    return 1;
}

int CWheelWindow::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CUIWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    RemoveCaptionStyle(hwnd);
    return 1;
}

int CWheelWindow::AppendSlot(int kind, int x, int y, int cx, int cy) {
    __int64 error = 0;
    if (m_nSlotCount >= m_nSlotCapacity && !CreateRectList(&error)) return 0;
    WHEELSLOT& slot = m_pSlots[m_nSlotCount++];
    slot.nKind = kind;
    slot.x = x;
    slot.y = y;
    slot.cx = cx;
    slot.cy = cy;
    return 1;
}

int CWheelWindow::SetTabWindowPos() {
    if (!m_nItemCount) return 0;
    if (m_eWindowPos == WP_HORIZONTAL) return SetTabWindowHorizontal();
    if (m_eWindowPos == WP_VERTICAL) return SetTabWindowVertical();
    return 0;
}

int CWheelWindow::SetTabWindowHorizontal() {
    int k = CurrentIndex();
    const WHEELITEM& current = m_pItems[k];
    if (!AppendSlot(SLOT_CENTRE, m_nCentre - current.nWidth / 2, current.nY, current.nWidth, current.nHeight))
        return 0;
    SetRightSideRectMomery(k);
    SetLeftSideRectMomery(k);
    return 1;
}

int CWheelWindow::SetTabWindowVertical() {
    int k = CurrentIndex();
    const WHEELITEM& current = m_pItems[k];
    if (!AppendSlot(SLOT_CENTRE, current.nX, m_nCentre - current.nHeight / 2, current.nWidth, current.nHeight))
        return 0;
    SetDownSideRectMomery(k);
    SetUPSideRectMomery(k);
    return 1;
}

// The sides of a horizontal wheel hold at most n/2 - 2 slots; with four or
// five tabs they hold none, and with fewer than four only the edge ends them.
// A vertical wheel has no sides with four or five tabs, and otherwise only
// its edges end them.
int CWheelWindow::SetRightSideRectMomery(int index) {
    int limit = (int)m_nItemCount / 2 - 2;
    if (limit == 0) return 1;
    int n = (int)m_nItemCount;
    int y = m_pSlots[m_nSlotCount - 1].y;
    int tab = RingStep(index, 1, n);
    int x = m_nCentre + m_pItems[tab].nWidth / 2;
    for (int placed = 0; (limit < 0 || placed < limit) && x < m_nWidth; ++placed) {
        const WHEELITEM& item = m_pItems[tab];
        bool cut = x + item.nWidth >= m_nWidth;
        if (!AppendSlot(SLOT_RIGHT, x, y, cut ? m_nWidth - x : item.nWidth, item.nHeight) || cut) break;
        x += item.nWidth;
        tab = RingStep(tab, 1, n);
    }
    return 1;
}

int CWheelWindow::SetLeftSideRectMomery(int index) {
    int limit = (int)m_nItemCount / 2 - 2;
    if (limit == 0) return 1;
    int n = (int)m_nItemCount;
    int y = m_pSlots[m_nSlotCount - 1].y;
    int boundary = m_nCentre - m_pItems[index].nWidth / 2;
    int tab = RingStep(index, -1, n);
    for (int placed = 0; (limit < 0 || placed < limit) && boundary > 0; ++placed) {
        const WHEELITEM& item = m_pItems[tab];
        if (item.nWidth >= boundary) {
            AppendSlot(SLOT_LEFT, 0, y, boundary, item.nHeight);
            break;
        }
        boundary -= item.nWidth;
        if (!AppendSlot(SLOT_LEFT, boundary, y, item.nWidth, item.nHeight)) break;
        tab = RingStep(tab, -1, n);
    }
    return 1;
}

int CWheelWindow::SetDownSideRectMomery(int index) {
    int n = (int)m_nItemCount;
    if (n / 2 - 2 == 0) return 1;
    int x = m_pSlots[m_nSlotCount - 1].x;
    int tab = RingStep(index, -1, n);
    int y = m_nCentre + m_pItems[tab].nHeight / 2;
    while (y < m_nHeight) {
        const WHEELITEM& item = m_pItems[tab];
        bool cut = y + item.nHeight >= m_nHeight;
        if (!AppendSlot(SLOT_DOWN, x, y, item.nWidth, cut ? m_nHeight - y : item.nHeight) || cut) break;
        y += item.nHeight;
        tab = RingStep(tab, -1, n);
    }
    return 1;
}

int CWheelWindow::SetUPSideRectMomery(int index) {
    int n = (int)m_nItemCount;
    if (n / 2 - 2 == 0) return 1;
    // The centre slot is the first one of this layout.
    int x = m_pItems[index].nX;
    int boundary = m_nCentre - m_pItems[index].nHeight / 2;
    int tab = RingStep(index, 1, n);
    while (boundary > 0) {
        const WHEELITEM& item = m_pItems[tab];
        if (item.nHeight >= boundary) {
            AppendSlot(SLOT_UP, x, 0, item.nWidth, boundary);
            break;
        }
        boundary -= item.nHeight;
        if (!AppendSlot(SLOT_UP, x, boundary, item.nWidth, item.nHeight)) break;
        tab = RingStep(tab, 1, n);
    }
    return 1;
}

int CWheelWindow::ArrangWheelWindow(int, int) { return 0; }

int CWheelWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (dc) {
        if (m_eWindowPos == WP_HORIZONTAL) DrawBitmapHorizontal(dc, m_nCurrentTab);
        else if (m_eWindowPos == WP_VERTICAL) DrawBitmapVertical(dc, m_nCurrentTab);
    }
    EndPaint(m_hWnd, &ps);
    return 1;
}

int CWheelWindow::DrawBitmapHorizontal(HDC hdc, int currentID) { return DrawSlots(hdc, currentID); }
int CWheelWindow::DrawBitmapVertical(HDC hdc, int currentID) { return DrawSlots(hdc, currentID); }

void CWheelWindow::SetTabName(int, int x, int y, const char* text, int length, DWORD colour) {
    // A length that is not positive, or no text, draws the blank label; a
    // longer one is cut to the label and to the text.
    int textLength = text ? lstrlenA(text) : 0;
    if (length > textLength) length = textLength;
    if (length > kLabelLength) length = kLabelLength;
    if (length <= 0) {
        text = "              ";
        length = kLabelLength;
    }
    if (memcmp(g_label.text, text, length) == 0) return;
    memcpy(g_label.text, text, length);
    g_label.length = length;
    g_label.x = x;
    g_label.y = y;
    g_label.colour = colour;
}

// Draws the tabs into the slots in list order: the current tab in the centre
// slot, then around the ring on each side. As many slots as there are tabs
// are drawn; a tab whose image is missing ends the drawing.
int CWheelWindow::DrawSlots(HDC hdc, int currentID) {
    if (!m_nItemCount || !m_nSlotCount) return 0;
    DWORD found = 0;
    int k = FindItemById(m_pItems, m_nItemCount, currentID, &found) ? (int)found : CurrentIndex();
    int n = (int)m_nItemCount;
    ReaderOwner reader(m_szBitmapFile);
    MemoryDCOwner memory(hdc);
    if (!reader.IsOpen() || !memory.Get()) return 0;
    // The label font: GulimChe, 12 pixels, Korean character set.
    GdiOwner<HFONT> font(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, HANGEUL_CHARSET, 0, 0, 0, 0, "\xB1\xBC\xB8\xB2\xC3\xBC"));
    int next = k, previous = k;
    for (UINT s = 0; s < m_nSlotCount && s < (UINT)n; ++s) {
        const WHEELSLOT& slot = m_pSlots[s];
        int tab = k;
        if (IsNextSide(slot.nKind)) tab = next = RingStep(next, 1, n);
        else if (IsPreviousSide(slot.nKind)) tab = previous = RingStep(previous, -1, n);
        const WHEELITEM& item = m_pItems[tab];
        if (item.nShownBitmapID == -1) break;
        ImageOwner image(hdc, reader, item.nShownBitmapID);
        Selection selected(memory.Get(), image.Get());
        if (!selected.Done()) break;

        SetTabName(tab, item.nTextX, item.nTextY, item.szText, item.nTextLength, item.crText);
        {
            Selection labelFont(memory.Get(), font.Get());
            SetBkMode(memory.Get(), TRANSPARENT);
            SetTextColor(memory.Get(), g_label.colour);
            TextOutA(memory.Get(), g_label.x, g_label.y, g_label.text, g_label.length);
        }
        memset(g_label.text, 0, sizeof g_label.text);

        // A cut tab at the far end shows the part next to its neighbour.
        int sx = slot.nKind == SLOT_LEFT ? item.nWidth - slot.cx : 0;
        int sy = slot.nKind == SLOT_UP ? item.nHeight - slot.cy : 0;
        BitBlt(hdc, slot.x, slot.y, slot.cx, slot.cy, memory.Get(), sx, sy, SRCCOPY);
    }
    return 1;
}

int CWheelWindow::OnLButtonDown(UINT, LPARAM lParam) {
    SetCapture(m_hWnd);
    m_nDownX = (short)LOWORD(lParam);
    m_nDownY = (short)HIWORD(lParam);
    if (GetCapture() != m_hWnd) return 0;
    int before = 0, after = 0;
    UINT s = 0;
    for (; s < m_nSlotCount && !SlotHolds(m_pSlots[s], m_nDownX, m_nDownY); ++s) {
        if (IsPreviousSide(m_pSlots[s].nKind)) ++before;
        else if (IsNextSide(m_pSlots[s].nKind)) ++after;
    }
    if (s == m_nSlotCount) return 0;
    int k = CurrentIndex();
    int kind = m_pSlots[s].nKind;
    if (IsPreviousSide(kind)) k = RingStep(k, -(before + 1), (int)m_nItemCount);
    else if (IsNextSide(kind)) k = RingStep(k, after + 1, (int)m_nItemCount);
    int previousTab = m_nCurrentTab;
    m_nCurrentTab = m_pItems[k].nID;
    // The wheel turned: its picture starts from another tab.
    if (m_nCurrentTab != previousTab) InvalidateRect(m_hWnd, 0, TRUE);
    PostToReportWindow(m_hWnd, WM_COMMAND, (WPARAM)m_nIDWindow, (LPARAM)m_nCurrentTab);
    m_bDragging = 1;
    return 1;
}

int CWheelWindow::OnMouseMove(UINT wParam, LPARAM lParam) {
    if (!m_bDragging) return 0;
    if (DragWindowStep(m_hWnd, wParam, lParam, m_nDownX, m_nDownY)) return 1;
    m_bDragging = 0;
    return 0;
}

int CWheelWindow::OnLButtonUp(UINT, LPARAM) {
    m_nDownX = m_nDownY = 0;
    m_bDragging = 0;
    ReleaseCapture();
    return 1;
}

int CWheelWindow::OnMouseLeave(UINT, LPARAM) {
    TrackedMouse();
    return 1;
}

LRESULT CWheelWindow::OnNcHitTest(UINT, LPARAM) { return HTCLIENT; }

int CWheelWindow::OnMoving(UINT wParam, LPARAM lParam) { return MoveWindowChain(m_hWnd, wParam, (const RECT*)lParam); }

int CWheelWindow::TrackMouse() {
    if (m_bTrackMouse) return 1;
    if (!TrackMouseLeave(m_hWnd)) return 0;
    m_bTrackMouse = 1;
    return 1;
}

void CWheelWindow::TrackedMouse() { m_bTrackMouse = 0; }
