/* Tessaro item lists: the bitmap strip, a window showing items (a face from
 * the skin with a short text) end to end along one axis, which scrolls by
 * steps and reports a clicked item's ID with WM_COMMAND(id, itemID):
 *
 *   CDispalyMultiBitmapWindow strip(skin, background, background, background, font, 1, 10);
 *   BITMAPLISTID row = {rowFrame, rowFrame, rowFrame, rowFrame, rowSelected};
 *   strip.SetBitmap(row, (char*)"First", RGB(255, 255, 255), 100, &error);
 *   strip.Create("", WS_CHILD, x, y, -1, -1, hInstance, parent, ID_LIST, key,
 *                NULL, NULL, NULL, SW_SHOW);
 *   strip.SetWindowPosion(5);   // item 5 at the top
 *
 * Built on strips: the combo box (a display of the chosen item, a drop-down
 * button, a drop-down strip and its scroll bar) and the list control (a
 * header strip of column titles over one strip per column, with vertical
 * and horizontal scroll bars). */
#ifndef TESSARO_LISTS_H
#define TESSARO_LISTS_H

#include "TessaroControls.h"
#include "TessaroSliders.h"

/* One item of a strip. */
typedef struct tagDISPLAYITEM {
    BITMAPLISTID ids;   /* size from region/normal/disabled; face normal, selected face pushed */
    COLORREF crText;
    char szText[20];    /* longer texts are cut to 19 characters */
    int nSrcX;
    int nSrcY;
    int nX;
    int nY;
    int nWidth;
    int nHeight;
    int nID;
} DISPLAYITEM;

/* Type 10. */
class TESSARO_API CDispalyMultiBitmapWindow : public CBitmapWindow {
public:
    CDispalyMultiBitmapWindow();
    /* vertical: items top to bottom (else left to right); step: pixels per
     * scroll step (below 1 gives 1). */
    CDispalyMultiBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font,
                              int vertical, int step);
    CDispalyMultiBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                              LOGFONTA font, int vertical, int step);
    /* A copy owns its own item array and has no window. */
    CDispalyMultiBitmapWindow(const CDispalyMultiBitmapWindow& other);
    CDispalyMultiBitmapWindow& operator=(const CDispalyMultiBitmapWindow& other);
    virtual ~CDispalyMultiBitmapWindow();

    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);

    /* Adds an item at the end, or replaces the item that has `id`. */
    int SetBitmap(BITMAPLISTID ids, char* text, unsigned long textColour, int id, __int64* error);
    int RemoveBitmap(int id, __int64* error);
    int GetMaxItem(unsigned long* count);
    /* Selects the item with `id`; an unknown ID clears the selection (0). */
    int SetActiveID(int id, __int64* error);
    int SetMaxPageLength(int length);
    int GetMaxPageLength(int* length);
    /* Scrolls until item `index` is at the start of the strip. */
    int SetWindowPosion(int index);
    /* Sets every item's drawing offset across the strip. */
    int ShiftBitmap(int offset);
    /* 1 when the strip is longer than the window. */
    int OverLiment();
    int SetNewFont(LOGFONTA font);

protected:
    int m_nViewWidth;
    int m_nViewHeight;
    int m_nActiveID;
    int m_nMaxPageLength;
    int m_nStep;
    int m_nFirstItem;
    int m_bVertical;
    unsigned int m_nCapacity;
    unsigned int m_nMaxItem;
    DISPLAYITEM* m_pItems;

private:
    int CreateBitmapList(__int64* error);
    int SetBitmapPos(int index);
    int Increas();
    int Decreas();
    int DrowBitmap(HDC hdc);
    int DrowText(HDC hdc, int item);
    void InitStrip(int vertical, int step);
    int MeasureItem(const DISPLAYITEM& item, int* width, int* height);
    int ItemLength(const DISPLAYITEM& item, int* length);
};


/* A drop-down list: the chosen item shown in a display window with a
 * drop-down button beside it; the button opens a strip of the items with a
 * scroll bar below the display. Choosing another item closes the list and
 * posts WM_COMMAND(combo box window ID, item ID) to the parent. Type 4.
 *
 *   CComboBoxBitmap combo(skin, listIds, displayIds, buttonIds, barIds, decIds, incIds, counterIds,
 *                         font, key);
 *   combo.Create("", WS_CHILD, x, y, -1, -1, 160, 120, hInstance, parent, ID_COMBO, key,
 *                NULL, NULL, NULL, SW_SHOW);
 *   combo.SetItems(itemIds, (char*)"Channel 1", RGB(255, 255, 255), 1, &error);
 *   combo.SetActiveItemID(1, &error);   // shown in the display */
class TESSARO_API CComboBoxBitmap : public CBitmapWindow {
public:
    CComboBoxBitmap(char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID displayIds, BITMAPLISTID buttonIds,
                    BITMAPLISTID scrollBarIds, BITMAPLISTID scrollDecIds, BITMAPLISTID scrollIncIds,
                    BITMAPLISTID scrollCounterIds, LOGFONTA font, unsigned long crScrollTransparent);
    CComboBoxBitmap(char* className, char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID displayIds,
                    BITMAPLISTID buttonIds, BITMAPLISTID scrollBarIds, BITMAPLISTID scrollDecIds,
                    BITMAPLISTID scrollIncIds, BITMAPLISTID scrollCounterIds, LOGFONTA font,
                    unsigned long crScrollTransparent);
    /* A copy owns copies of the four parts, without windows. */
    CComboBoxBitmap(const CComboBoxBitmap& other);
    CComboBoxBitmap& operator=(const CComboBoxBitmap& other);
    virtual ~CComboBoxBitmap();

    /* The bitmap window's Create: the list keeps the size it was given. */
    using CBitmapWindow::Create;
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnCommand(UINT wParam, LPARAM lParam);
    /* width or height -1: the display and button faces side by side.
     * listWidth or listHeight -1: the list takes its size from its frame.
     * 0 when the window or one of its parts cannot be made. */
    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height, int listWidth,
                       int listHeight, HINSTANCE hInstance, HWND parent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);

    /* Adds (or replaces) an item in the display and in the list. */
    int SetItems(BITMAPLISTID ids, char* text, unsigned long textColour, int id, __int64* error);
    int RemoveItems(int id, __int64* error);
    /* Shows the item in the display only: nothing is reported. */
    int SetActiveItemID(int id, __int64* error);
    int SetNewFont(LOGFONTA font);

protected:
    CBitmapButton* m_pButton;
    CMultiBitmapWindow* m_pDisplay;
    CDispalyMultiBitmapWindow* m_pList;
    CBitmapScrollBarButton* m_pScrollBar;
    unsigned int m_nLines;
    int m_nActiveItemID;
    int m_nButtonNormalID;
    int m_nDisplayNormalID;
    int m_bDropped;
    int m_nListWidth;
    int m_nListHeight;

private:
    void InitComboBox(const char* className, const BITMAPLISTID& listIds,
                      const BITMAPLISTID& displayIds, const BITMAPLISTID& buttonIds,
                      const BITMAPLISTID& scrollBarIds, const BITMAPLISTID& scrollDecIds,
                      const BITMAPLISTID& scrollIncIds, const BITMAPLISTID& scrollCounterIds,
                      const LOGFONTA& font, unsigned long crScrollTransparent);
    void CopyComboBoxFrom(const CComboBoxBitmap& other);
    void DeleteParts();
    int HasAllParts();
    int DropHeight();
    void Unroll(bool open);
    void UpdateScrollLines(bool changed, bool added);
};

/* One column of a list control: its ID (also its title's ID in the header),
 * its place and frame size, and its strip. */
typedef struct tagROWWINDOW {
    int nID;
    int nX;
    int nY;
    int nWidth;
    int nHeight;
    CDispalyMultiBitmapWindow* pWindow;
} ROWWINDOW;

/* A list with columns: a header strip of titles, one strip per column below
 * it, a vertical scroll bar at the left that scrolls every column and a
 * horizontal one at the bottom that scrolls the header and slides the
 * columns. A click on a cell selects its row (the cells that share its item
 * ID) in every column and posts WM_COMMAND(list window ID, item ID) to the
 * parent; Tab is posted on as WM_KEYDOWN(VK_TAB). Type 13.
 *
 *   CListeBitmap list(skin, listIds, headerIds, vBar, vDec, vInc, vCounter, hBar, hDec, hInc,
 *                     hCounter, font);
 *   list.SetBitmapCloumBitmapItem(0, titleIds, (char*)"Name", white, cellIds, &error);
 *   list.SetRowBitmapItem(7, 0, cellIds, (char*)"readme.txt", white, &error);   // row 7
 *   list.Create("", WS_CHILD, x, y, -1, -1, hInstance, parent, ID_LIST, key,
 *               NULL, NULL, NULL, SW_SHOW); */
class TESSARO_API CListeBitmap : public CBitmapWindow {
public:
    CListeBitmap(char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID headerIds, BITMAPLISTID vBarIds,
                 BITMAPLISTID vDecIds, BITMAPLISTID vIncIds, BITMAPLISTID vCounterIds, BITMAPLISTID hBarIds,
                 BITMAPLISTID hDecIds, BITMAPLISTID hIncIds, BITMAPLISTID hCounterIds, LOGFONTA font);
    CListeBitmap(char* className, char* bitmapFile, BITMAPLISTID listIds, BITMAPLISTID headerIds,
                 BITMAPLISTID vBarIds, BITMAPLISTID vDecIds, BITMAPLISTID vIncIds, BITMAPLISTID vCounterIds,
                 BITMAPLISTID hBarIds, BITMAPLISTID hDecIds, BITMAPLISTID hIncIds, BITMAPLISTID hCounterIds,
                 LOGFONTA font);
    /* A copy owns copies of the header, the scroll bars and every column's
     * strip, without windows. */
    CListeBitmap(const CListeBitmap& other);
    CListeBitmap& operator=(const CListeBitmap& other);
    virtual ~CListeBitmap();

    /* width or height -1: the size of the list's own frame. The class takes
     * hIcon as its icon and hCursor as its cursor (the hand when null). */
    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND parent, long idWindow, DWORD crTransparent, HICON hCursor,
                       HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnCommand(UINT wParam, LPARAM lParam);
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnKeyDown(UINT wParam, LPARAM lParam);

    /* Adds a column with its title, or empties the column with this ID. */
    int SetBitmapCloumBitmapItem(int columnID, BITMAPLISTID titleIds, char* text, unsigned long textColour,
                                 BITMAPLISTID columnIds, __int64* error);
    /* Adds or replaces the cell of row itemID in a column; 0 for an unknown column. */
    int SetRowBitmapItem(int itemID, int columnID, BITMAPLISTID ids, char* text, unsigned long textColour,
                         __int64* error);
    int RemoveRowBitmapItem(int itemID, int columnID, __int64* error);
    /* Removes a column: its title, its strip, and its width from the places
     * of the columns after it; 0 for an unknown column. */
    int RemoveCloumBitmapItem(int columnID, __int64* error);
    /* Selects row itemID in every column. */
    int SetID(int itemID, __int64* error);

protected:
    int m_nVScrollRegionID;
    int m_nHeaderNormalID;
    CBitmapScrollBarButton* m_pVScrollBar;
    CBitmapScrollBarButton* m_pHScrollBar;
    CDispalyMultiBitmapWindow* m_pHeader;
    int m_nNextChildID;
    int m_nRowWindows;
    int m_nRowWindowCapacity;
    ROWWINDOW* m_pRowWindows;
    int m_nHScrollLine;
    unsigned int m_nHLines;
    unsigned int m_nVLines;

private:
    int CreateRowWindow(__int64* error);
    int SetRowWindowPos(int index);
    int CreateDisplayWindowRow(HWND parent, int index);
    int ShiftVerizontalWind(int unused, int line);

    void InitList(const char* className, const BITMAPLISTID& headerIds, const BITMAPLISTID& vBarIds,
                  const BITMAPLISTID& vDecIds, const BITMAPLISTID& vIncIds, const BITMAPLISTID& vCounterIds,
                  const BITMAPLISTID& hBarIds, const BITMAPLISTID& hDecIds, const BITMAPLISTID& hIncIds,
                  const BITMAPLISTID& hCounterIds, const LOGFONTA& font);
    void CopyListFrom(const CListeBitmap& other);
    void DeleteParts();
    int FindColumn(int columnID);
    CDispalyMultiBitmapWindow* MakeColumnStrip(const BITMAPLISTID& columnIds, int* width, int* height);
    void ScrollColumnsTo(int line);
    void UpdateHorizontalLines(int change);
};

#endif
