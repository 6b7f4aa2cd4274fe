// CDispalyMultiBitmapWindow: a strip of items (a face from the skin with a
// short text) laid end to end along one axis. It scrolls by steps, brings an
// item to its start, and reports a clicked item's ID to the parent.
#include "TessaroLists.h"
#include "Draw.h"
#include "ItemArray.h"
#include "Resources.h"
#include "Text.h"
#include <stdlib.h>
#include <string.h>

static const char kStripClass[] = "BITMAP MULITDISPLAY WINDOW CLASS";
static const DWORD kComponent = 0x00090001;
static const DWORD kCannotGrow = 0x00010004;
static const DWORD kNoSuchItem = 0x00020005;
static const int kTextX = 10, kTextYAcross = 3;

CDispalyMultiBitmapWindow::CDispalyMultiBitmapWindow() : CBitmapWindow() {
    SetClassName(0, kStripClass);
    InitStrip(1, 1);
}

CDispalyMultiBitmapWindow::CDispalyMultiBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID,
                                                     LOGFONTA font, int vertical, int step)
    : CBitmapWindow((char*)kStripClass, bitmapFile, regionID, normalID, disableID, font, (char*)"", 0, 0) {
    InitStrip(vertical, step);
}

CDispalyMultiBitmapWindow::CDispalyMultiBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID,
                                                     int disableID, LOGFONTA font, int vertical, int step)
    : CBitmapWindow(className ? className : (char*)kStripClass, bitmapFile, regionID, normalID, disableID, font,
                    (char*)"", 0, 0) {
    InitStrip(vertical, step);
}

// A step below one pixel would never reach an item: it counts as 1.
void CDispalyMultiBitmapWindow::InitStrip(int vertical, int step) {
    m_nType = 10;
    m_nViewWidth = 0;
    m_nViewHeight = 0;
    m_nActiveID = -1;
    m_nMaxPageLength = 0;
    m_nStep = step < 1 ? 1 : step;
    m_nFirstItem = 0;
    m_bVertical = vertical;
    m_nCapacity = 0;
    m_nMaxItem = 0;
    m_pItems = 0;
}

CDispalyMultiBitmapWindow::CDispalyMultiBitmapWindow(const CDispalyMultiBitmapWindow& other) : CBitmapWindow(other) {
    InitStrip(other.m_bVertical, other.m_nStep);
    *this = other;
}

// The copy owns an item array of its own.
CDispalyMultiBitmapWindow& CDispalyMultiBitmapWindow::operator=(const CDispalyMultiBitmapWindow& other) {
    if (this == &other) return *this;
    CBitmapWindow::operator=(other);
    m_nViewWidth = other.m_nViewWidth;
    m_nViewHeight = other.m_nViewHeight;
    m_nActiveID = other.m_nActiveID;
    m_nMaxPageLength = other.m_nMaxPageLength;
    m_nStep = other.m_nStep;
    m_nFirstItem = other.m_nFirstItem;
    m_bVertical = other.m_bVertical;
    DWORD capacity = m_nCapacity, count = m_nMaxItem;
    ReplaceWithCopy(&m_pItems, &capacity, &count, other.m_pItems, other.m_nCapacity, other.m_nMaxItem);
    m_nCapacity = capacity;
    m_nMaxItem = count;
    if (!m_pItems) m_nMaxPageLength = 0;  // nothing could be copied: an empty strip
    return *this;
}

CDispalyMultiBitmapWindow::~CDispalyMultiBitmapWindow() { free(m_pItems); }

// ---------------------------------------------------------------- window --

int CDispalyMultiBitmapWindow::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                                      HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                                      HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    if ((width == -1 || height == -1) &&
        !GetBitmapSize(m_szBitmapFile, &width, &height, m_nRegionID, m_nNormalID, m_nDisableID))
        return 0;
    m_nViewWidth = width;
    m_nViewHeight = height;
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CDispalyMultiBitmapWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    DrowBitmap(dc);
    EndPaint(m_hWnd, &ps);
    return 1;
}

// --------------------------------------------------------------- items --

int CDispalyMultiBitmapWindow::MeasureItem(const DISPLAYITEM& item, int* width, int* height) {
    return GetBitmapSize(m_szBitmapFile, width, height, item.ids.nRegionID, item.ids.nNormalID, item.ids.nDisableID);
}

// An item's length along the strip, as measured from the skin.
int CDispalyMultiBitmapWindow::ItemLength(const DISPLAYITEM& item, int* length) {
    int width, height;
    if (!MeasureItem(item, &width, &height)) return 0;
    *length = m_bVertical ? height : width;
    return 1;
}

// Right behind the item before it, not scrolled.
static void PlaceBehind(DISPLAYITEM* items, int index, bool vertical) {
    DISPLAYITEM& item = items[index];
    const DISPLAYITEM* before = index > 0 ? &items[index - 1] : 0;
    if (vertical) {
        item.nX = 0;
        item.nY = before ? before->nY + before->nHeight : 0;
    } else {
        item.nY = 0;
        item.nX = before ? before->nX + before->nWidth : 0;
    }
    item.nSrcX = 0;
    item.nSrcY = 0;
}

int CDispalyMultiBitmapWindow::SetBitmapPos(int index) {
    int width, height;
    if (!MeasureItem(m_pItems[index], &width, &height)) return 0;
    if (m_bVertical) m_pItems[index].nWidth = width;
    else m_pItems[index].nHeight = height;
    PlaceBehind(m_pItems, index, m_bVertical != 0);
    return 1;
}

int CDispalyMultiBitmapWindow::CreateBitmapList(__int64* error) {
    void* items = m_pItems;
    DWORD capacity = m_nCapacity;
    if (!GrowItemArray(&items, &capacity, sizeof(DISPLAYITEM), 8)) {
        WriteErrorSlot(error, kComponent, kCannotGrow);
        return 0;
    }
    m_pItems = (DISPLAYITEM*)items;
    m_nCapacity = capacity;
    return 1;
}

// Texts longer than 19 characters are cut to fit the record.
int CDispalyMultiBitmapWindow::SetBitmap(BITMAPLISTID ids, char* text, unsigned long textColour, int id,
                                         __int64* error) {
    DISPLAYITEM probe;
    memset(&probe, 0, sizeof probe);
    probe.ids = ids;
    int width, height;
    if (!MeasureItem(probe, &width, &height)) return 0;
    DWORD index;
    DISPLAYITEM* item = FindItemById(m_pItems, m_nMaxItem, id, &index);
    if (item) {
        // Replaced in place: the item keeps its length and the strip its own.
        item->ids = ids;
        item->nID = id;
        item->crText = textColour;
        CopyBounded(item->szText, sizeof item->szText, text);
        SetBitmapPos((int)index);
        return 1;
    }
    if (m_nMaxItem == m_nCapacity && !CreateBitmapList(error)) return 0;
    item = &m_pItems[m_nMaxItem];
    item->ids = ids;
    item->nID = id;
    item->crText = textColour;
    CopyBounded(item->szText, sizeof item->szText, text);
    if (m_bVertical) item->nHeight = height;
    else item->nWidth = width;
    m_nMaxPageLength += m_bVertical ? height : width;
    SetBitmapPos((int)m_nMaxItem);
    Repaint();
    ++m_nMaxItem;
    return 1;
}

int CDispalyMultiBitmapWindow::RemoveBitmap(int id, __int64* error) {
    SetWindowPosion(0);
    if (!m_nMaxItem) return 0;
    DWORD index;
    DISPLAYITEM* item = FindItemById(m_pItems, m_nMaxItem, id, &index);
    if (!item) {
        WriteErrorSlot(error, kComponent, kNoSuchItem);
        return 0;
    }
    int measured;
    if (!ItemLength(*item, &measured)) return 0;
    // The strip loses the length the item took in it (a replaced item keeps
    // its first length), so the strip's length stays the sum of its items'.
    m_nMaxPageLength -= m_bVertical ? item->nHeight : item->nWidth;
    DWORD count = m_nMaxItem;
    RemoveItemAt(m_pItems, &count, index, sizeof(DISPLAYITEM));
    m_nMaxItem = count;
    for (unsigned int i = index; i < m_nMaxItem; ++i) PlaceBehind(m_pItems, (int)i, m_bVertical != 0);
    // A removed item can no longer be the selection.
    if (m_nActiveID == id && !FindItemById(m_pItems, m_nMaxItem, id, (DWORD*)0)) m_nActiveID = -1;
    Repaint();
    return 1;
}

int CDispalyMultiBitmapWindow::GetMaxItem(unsigned long* count) {
    if (count) *count = m_nMaxItem;
    return 1;
}

int CDispalyMultiBitmapWindow::SetActiveID(int id, __int64* error) {
    int found = FindItemById(m_pItems, m_nMaxItem, id, (DWORD*)0) != 0;
    m_nActiveID = found ? id : -1;
    Repaint();
    return found;
}

int CDispalyMultiBitmapWindow::SetMaxPageLength(int length) {
    m_nMaxPageLength = length;
    return 1;
}

int CDispalyMultiBitmapWindow::GetMaxPageLength(int* length) {
    if (length) *length = m_nMaxPageLength;
    return 1;
}

int CDispalyMultiBitmapWindow::OverLiment() {
    return m_nMaxPageLength > (m_bVertical ? m_nViewHeight : m_nViewWidth) ? 1 : 0;
}

int CDispalyMultiBitmapWindow::SetNewFont(LOGFONTA font) { return CBitmapWindow::SetNewFont(font); }

// ------------------------------------------------------------- scrolling --

// Items move toward the start until they reach it; from then on they are
// drawn from a growing offset into their face.
int CDispalyMultiBitmapWindow::Increas() {
    if (!m_nMaxItem) return 0;
    for (unsigned int i = 0; i < m_nMaxItem; ++i) {
        DISPLAYITEM& item = m_pItems[i];
        int& place = m_bVertical ? item.nY : item.nX;
        int& offset = m_bVertical ? item.nSrcY : item.nSrcX;
        if (place != 0) {
            place -= m_nStep;
            if (place < 0) place = 0;
        } else {
            offset += m_nStep;
            if (offset > m_nMaxPageLength) offset = m_nMaxPageLength;
        }
    }
    Repaint();
    return 1;
}

int CDispalyMultiBitmapWindow::Decreas() {
    if (!m_nMaxItem) return 0;
    for (unsigned int i = 0; i < m_nMaxItem; ++i) {
        DISPLAYITEM& item = m_pItems[i];
        int& place = m_bVertical ? item.nY : item.nX;
        int& offset = m_bVertical ? item.nSrcY : item.nSrcX;
        if (offset != 0) {
            offset -= m_nStep;
            if (offset < 0) offset = 0;
        } else {
            place += m_nStep;
        }
    }
    Repaint();
    return 1;
}

// Scrolls by the lengths of the items between the first one and `index`, a
// step at a time (the last step may overshoot). Back at the first item, every
// item is placed end to end again, so overshoots leave no gaps. Returns 1
// when it scrolled.
int CDispalyMultiBitmapWindow::SetWindowPosion(int index) {
    if (!m_nMaxItem || index < 0 || (unsigned int)index >= m_nMaxItem) return 0;
    if (index == m_nFirstItem) return 0;
    long long distance = 0;
    bool forward = index > m_nFirstItem;
    while (m_nFirstItem != index) {
        if (!forward) --m_nFirstItem;
        const DISPLAYITEM& item = m_pItems[m_nFirstItem];
        distance += m_bVertical ? item.nHeight : item.nWidth;
        if (forward) ++m_nFirstItem;
    }
    long long steps = 0;
    do {
        if (!(forward ? Increas() : Decreas())) break;
        ++steps;
    } while (steps * m_nStep < distance);
    if (m_nFirstItem == 0) {
        for (unsigned int i = 0; i < m_nMaxItem; ++i) PlaceBehind(m_pItems, (int)i, m_bVertical != 0);
        Repaint();
    }
    return 1;
}

int CDispalyMultiBitmapWindow::ShiftBitmap(int offset) {
    if (!m_nMaxItem) return 0;
    int changed = 0;
    if (offset < (m_bVertical ? m_nViewWidth : m_nViewHeight)) {
        for (unsigned int i = 0; i < m_nMaxItem; ++i) {
            int& across = m_bVertical ? m_pItems[i].nSrcX : m_pItems[i].nSrcY;
            if (across != offset) changed = 1;
            across = offset;
        }
    }
    Repaint();
    return changed;
}

// ---------------------------------------------------------------- painting --

int CDispalyMultiBitmapWindow::DrowText(HDC hdc, int item) {
    const DISPLAYITEM& it = m_pItems[item];
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, it.crText);
    int length = (int)strnlen(it.szText, sizeof it.szText);
    if (m_bVertical) return TextOutA(hdc, it.nX + kTextX, 0, it.szText, length) ? 1 : 0;
    return TextOutA(hdc, kTextX, kTextYAcross, it.szText, length) ? 1 : 0;
}

// The background, then every item that shows something where the window is
// being painted, each with its text written on its face. An item shows its
// face from its drawing offset up to its own size: an item scrolled wholly
// past the start, or lying outside the painted area, is not loaded at all,
// so a paint costs the items in view, not the items in the strip.
int CDispalyMultiBitmapWindow::DrowBitmap(HDC hdc) {
    RECT window;
    if (!GetWindowRect(m_hWnd, &window)) return 1;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    SkinImage background(hdc, reader, m_nCurrentID);
    if (!background.Ready()) return 1;
    background.CopyTo(hdc, 0, 0, window.right - window.left, window.bottom - window.top, 0, 0);
    GdiOwner<HFONT> font(CreateFontIndirectA(&m_LogFont));
    RECT client = {0, 0, window.right - window.left, window.bottom - window.top};
    for (unsigned int i = 0; i < m_nMaxItem; ++i) {
        const DISPLAYITEM& item = m_pItems[i];
        RECT shown = {item.nX, item.nY, item.nX + item.nWidth - item.nSrcX, item.nY + item.nHeight - item.nSrcY};
        // Plain arithmetic first: most items of a long strip lie beyond the window.
        RECT inWindow;
        if (!IntersectRect(&inWindow, &shown, &client) || !RectVisible(hdc, &shown)) continue;
        SkinImage face(hdc, reader, item.nID == m_nActiveID ? item.ids.nPushedID : item.ids.nNormalID);
        if (!face.Ready()) continue;
        {
            Selection text(face.Dc(), font.Get());
            DrowText(face.Dc(), (int)i);
        }
        face.CopyTo(hdc, item.nX, item.nY, shown.right - shown.left, shown.bottom - shown.top, item.nSrcX,
                    item.nSrcY);
    }
    return 1;
}

// ------------------------------------------------------------------- click --

// Items are tested from the last to the first, the order in which they lie on
// top when drawn, each over the part of it that shows: a click on the first
// visible item of a scrolled strip finds that item, not one scrolled past.
int CDispalyMultiBitmapWindow::OnLButtonDown(UINT wParam, LPARAM lParam) {
    POINT point = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    for (unsigned int i = m_nMaxItem; i-- > 0;) {
        const DISPLAYITEM& item = m_pItems[i];
        RECT shown = {item.nX, item.nY, item.nX + item.nWidth - item.nSrcX, item.nY + item.nHeight - item.nSrcY};
        if (PtInRect(&shown, point)) {
            m_nActiveID = item.nID;
            break;
        }
    }
    if (m_nActiveID != -1) PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, (LPARAM)m_nActiveID);
    Repaint();
    return 1;
}

int CDispalyMultiBitmapWindow::OnLButtonUp(UINT wParam, LPARAM lParam) { return 1; }
