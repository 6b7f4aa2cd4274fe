/* Tessaro item lists: the bitmap strip, a window showing items (a face from
 * the skin with a short text) end to end along one axis, which scrolls by
 * steps and reports a clicked item's ID with WM_COMMAND(id, itemID):
 *
 *   CDispalyMultiBitmapWindow strip(skin, background, background, background, font, 1, 10);
 *   BITMAPLISTID row = {rowFrame, rowFrame, rowFrame, rowFrame, rowSelected};
 *   strip.SetBitmap(row, (char*)"First", RGB(255, 255, 255), 100, &error);
 *   strip.Create("", WS_CHILD, x, y, -1, -1, hInstance, parent, ID_LIST, key,
 *                NULL, NULL, NULL, SW_SHOW);
 *   strip.SetWindowPosion(5);   // item 5 at the top */
#ifndef TESSARO_LISTS_H
#define TESSARO_LISTS_H

#include "TessaroControls.h"

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

#endif
