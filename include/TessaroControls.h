/* Tessaro skinned bitmap controls: the bitmap window, push, check and radio
 * buttons, and the multi-bitmap window and button.
 *
 * A control draws one image (a "frame") of a skin file, cuts its outline by a
 * transparent colour and reports to its parent window with WM_COMMAND:
 *
 *   LOGFONTA font = {0}; font.lfHeight = -12; lstrcpyA(font.lfFaceName, "Tahoma");
 *   CBitmapButton ok((char*)"skin.tsk", 1, 2, 3, 4, 5, font, (char*)"OK",
 *                    RGB(255, 255, 255), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
 *   ok.Create("", WS_CHILD, 10, 10, -1, -1, hInstance, parent, IDOK,
 *             RGB(255, 0, 255), NULL, NULL, NULL, SW_SHOW);
 *   // parent receives WM_COMMAND(IDOK, 0) on a click
 *
 * A width or height of -1 takes the window's size from its images. Frames are
 * image numbers in the skin (from 1); -1 means "no image". */
#ifndef TESSARO_CONTROLS_H
#define TESSARO_CONTROLS_H

#include "TessaroCore.h"

/* The frames of one state-bearing image. In item lists a region frame of 0
 * leaves the outline unchanged. */
typedef struct tagBITMAPLISTID {
    int nRegionID;
    int nNormalID;
    int nDisableID;
    int nMouseOverID;
    int nPushedID;
} BITMAPLISTID;

class TESSARO_API CBitmapWindow : public CUIWindow {
public:
    CBitmapWindow();
    CBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font,
                  char* text, DWORD textColor, UINT format);
    CBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                  LOGFONTA font, char* text, DWORD textColor, UINT format);
    /* Copies own their text buffer and have no window. */
    CBitmapWindow(const CBitmapWindow& other);
    CBitmapWindow& operator=(const CBitmapWindow& other);
    virtual ~CBitmapWindow();

    /* The tenth argument is the transparent colour of the outline. */
    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnMouseLeave(UINT wParam, LPARAM lParam);
    virtual LRESULT OnNcHitTest(UINT wParam, LPARAM lParam);
    virtual int OnMoving(UINT wParam, LPARAM lParam);

    /* 1: show the normal frame; anything else: show the disabled frame. */
    void Enable(int enable);
    /* Replaces the text drawn on the face; 0 when memory runs out. */
    int SetBitmapName(char* text);
    int SetColorText(DWORD color);
    int SetNewFont(LOGFONTA font);

protected:
    void SetNewSizeBitmapName(DWORD size);
    int SetWindowRgn(DWORD crTransparent);
    int DrawBitmap(HDC hdc, int frame);
    int TrackMouse();
    void TrackedMouse();

    /* Shared by the derived controls. */
    int IsDisabled() const { return m_nCurrentID == m_nDisableID; }
    /* Makes `frame` the current one; repaints only when it changes. */
    void ShowFrame(int frame);
    /* Invalidates the whole window, when there is one. */
    void Repaint();
    /* Holds at least `size` bytes of text; 0 (old buffer kept) when memory runs out. */
    int GrowTextBuffer(DWORD size);
    /* Copies a text into the buffer, growing it; 0 when memory runs out. */
    int StoreText(const char* text);
    /* Posts a message to the parent window (GWL_HWNDPARENT), if there is one. */
    int PostToParent(UINT msg, WPARAM wParam, LPARAM lParam);

    int m_bTrackMouse;
    int m_nDownX;
    int m_nDownY;
    int m_bDragging;
    DWORD m_hReader;
    UINT m_uFormat;
    LOGFONTA m_LogFont;
    DWORD m_nTextSize;
    char* m_pszText;
    COLORREF m_crText;
    char m_szBitmapFile[260];
    int m_nRegionID;
    int m_nNormalID;
    int m_nDisableID;
    int m_nCurrentID;
    COLORREF m_crTransparent;

private:
    void InitBitmapWindow(const char* bitmapFile, int regionID, int normalID, int disableID,
                          const LOGFONTA* font, const char* text, DWORD textColor, UINT format);
    void CopyBitmapWindowFrom(const CBitmapWindow& other);
    int MeasureFrames(HDC dc, int* width, int* height);
};

class TESSARO_API CBitmapButton : public CBitmapWindow {
public:
    CBitmapButton(char* bitmapFile, int regionID, int normalID, int disableID, int mouseOverID,
                  int pushedID, LOGFONTA font, char* text, DWORD textColor, UINT format);
    CBitmapButton(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                  int mouseOverID, int pushedID, LOGFONTA font, char* text, DWORD textColor,
                  UINT format);
    CBitmapButton(const CBitmapButton& other);
    CBitmapButton& operator=(const CBitmapButton& other);
    virtual ~CBitmapButton();

    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnKeyDown(UINT wParam, LPARAM lParam);
    virtual int OnKeyUp(UINT wParam, LPARAM lParam);

protected:
    int m_nMouseOverID;
    int m_nPushedID;

private:
    int PointInside(LPARAM lParam);
};

class TESSARO_API CChckRadBitmapButton : public CBitmapWindow {
public:
    CChckRadBitmapButton(char* bitmapFile, int regionID, int normalID, int disableID,
                         int selectedID, int pushedID, LOGFONTA font, char* text,
                         DWORD textColor, UINT format);
    CChckRadBitmapButton(char* className, char* bitmapFile, int regionID, int normalID,
                         int disableID, int selectedID, int pushedID, LOGFONTA font, char* text,
                         DWORD textColor, UINT format);
    CChckRadBitmapButton(const CChckRadBitmapButton& other);
    CChckRadBitmapButton& operator=(const CChckRadBitmapButton& other);
    virtual ~CChckRadBitmapButton();

    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    /* Shows the normal (unselected) frame; 0 when disabled. */
    virtual int SetUnSelectButton();

protected:
    int m_nMouseOverID;
    int m_nPushedID;
};

/* One item of a multi-bitmap window. */
typedef struct tagMULTIBITMAPITEM {
    int nRegionID;
    int nNormalID;
    int nDisableID;
    DWORD crText;
    char szText[20];
    int nID;
} MULTIBITMAPITEM;

/* One item of a multi-bitmap button. */
typedef struct tagMULTIBUTTONITEM {
    BITMAPLISTID frames;
    DWORD crText;
    char szText[20];
    int nID;
} MULTIBUTTONITEM;

class TESSARO_API CMultiBitmapWindow : public CBitmapWindow {
public:
    CMultiBitmapWindow();
    CMultiBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font);
    CMultiBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID,
                       int disableID, LOGFONTA font);
    CMultiBitmapWindow(const CMultiBitmapWindow& other);
    CMultiBitmapWindow& operator=(const CMultiBitmapWindow& other);
    virtual ~CMultiBitmapWindow();

    /* Adds an item, or replaces the item that has itemID. Texts are cut to 19 bytes. */
    int SetBitmap(BITMAPLISTID frames, char* text, DWORD textColor, int itemID, __int64* error);
    int RemoveBitmap(int itemID, __int64* error);
    int SetActiveBitmapID(int itemID, __int64* error);
    int SetNewFont(LOGFONTA font);

protected:
    DWORD m_dwBitmapListSize;
    DWORD m_dwBitmapCount;
    MULTIBITMAPITEM* m_pBitmapList;

private:
    int CreateBitmapList(__int64* error);
    MULTIBITMAPITEM* FindItem(int itemID, DWORD* index);
    void CopyListFrom(const CMultiBitmapWindow& other);
};

class TESSARO_API CMultiBitmapButton : public CBitmapButton {
public:
    CMultiBitmapButton(char* bitmapFile, BITMAPLISTID frames, LOGFONTA font);
    CMultiBitmapButton(char* className, char* bitmapFile, BITMAPLISTID frames, LOGFONTA font);
    CMultiBitmapButton(const CMultiBitmapButton& other);
    CMultiBitmapButton& operator=(const CMultiBitmapButton& other);
    virtual ~CMultiBitmapButton();

    int SetBitmap(BITMAPLISTID frames, char* text, DWORD textColor, int itemID, __int64* error);
    int RemoveBitmap(int itemID, __int64* error);
    /* state: 1 disabled, 2 mouse-over, 3 pushed, other values normal. */
    int SetActiveBitmapID(int itemID, int state, __int64* error);

protected:
    DWORD m_dwBitmapListSize;
    DWORD m_dwBitmapCount;
    MULTIBUTTONITEM* m_pBitmapList;

private:
    int CreateBitmapList(__int64* error);
    MULTIBUTTONITEM* FindItem(int itemID, DWORD* index);
    void CopyListFrom(const CMultiBitmapButton& other);
};

#endif
