/* Tessaro frames and pop-ups: a skinned, resizable frame window drawn from
 * thirteen images, a movable pop-up panel, and a tab wheel. The frame and
 * the pop-up can forward chosen window messages of theirs to a notify
 * window.
 *
 * The frame is a top-level window whose border is drawn from a skin: four
 * corners (each an image and a mask of the same size), four edge tiles and a
 * title bar tile. Its outline is cut from the corner masks by a transparent
 * colour; the system moves it by its title bar and sizes it by its borders:
 *
 *   CFrameWindow frame((char*)"skin.tsk", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
 *   frame.Create("Player", WS_POPUP, 100, 100, 480, 320, hInstance, NULL, 0,
 *                RGB(255, 0, 255), NULL, NULL, NULL, SW_SHOW);
 *   frame.AddChildWindow(&closeButton, FP_TOPRIGHT, -30, 4);  // stays at the corner
 *   frame.SetClientWindow(view);                             // fills the inner area
 *
 * Registered messages reach the notify window first, in a WM_COPYDATA whose
 * wParam is the control's window and whose record holds a FORWARDEDMESSAGE:
 *
 *   frame.SetNotifyWindow(host, 42);          // dwData of every record
 *   frame.RegisterNotifyMessage(WM_LBUTTONDOWN);
 *
 * The frame's notify window swallows the message by answering 1; a pop-up
 * handles every message whatever the answer. The registry can be changed
 * from any thread. */
#ifndef TESSARO_FRAMES_H
#define TESSARO_FRAMES_H

#include "TessaroControls.h"

/* Hidden pieces of a frame (CFrameWindow::HideBorder). A hidden corner is
 * neither drawn nor cut from the outline; the edges beside it run into its
 * place. */
#define HB_TOPLEFT      0x001
#define HB_TOP          0x002
#define HB_TOPRIGHT     0x004
#define HB_RIGHT        0x008
#define HB_BOTTOMRIGHT  0x010
#define HB_BOTTOM       0x020
#define HB_BOTTOMLEFT   0x040
#define HB_LEFT         0x080
#define HB_TITLEBAR     0x100

/* The point of a frame an anchored child keeps its offset from (W, H: the
 * frame's window size; halves truncated). */
typedef enum tagFIDUCIAL_POINT {
    FP_TOPLEFT = 0,      /* (0, 0) */
    FP_TOP = 1,          /* (W/2, 0) */
    FP_TOPRIGHT = 2,     /* (W, 0) */
    FP_RIGHT = 3,        /* (W, H/2) */
    FP_BOTTOMRIGHT = 4,  /* (W, H) */
    FP_BOTTOM = 5,       /* (W/2, H) */
    FP_BOTTOMLEFT = 6,   /* (0, H) */
    FP_LEFT = 7          /* (0, H/2) */
} FIDUCIAL_POINT;

/* One anchored child of a frame; the frame owns the record, not the child. */
typedef struct tagCHILDWINDOWITEM {
    CBitmapWindow* pChildWindow;
    int nOffsetX;
    int nOffsetY;
    FIDUCIAL_POINT eFiducialPoint;
} CHILDWINDOWITEM;

/* The record a forwarded message travels in (the lpData of WM_COPYDATA, and
 * what CFrameWindow::ResizingClient takes): three 32-bit values in the 32-bit
 * flavours, three 64-bit ones in the 64-bit flavours, so that wParam and
 * lParam arrive whole. cbData is its size. */
typedef struct tagFORWARDEDMESSAGE {
    UINT_PTR message;
    WPARAM wParam;
    LPARAM lParam;
} FORWARDEDMESSAGE;

/* A pointer passed in a `long` argument: `long` in the 32-bit flavours,
 * LONG_PTR (pointer-wide) in the 64-bit ones. */
#ifdef _WIN64
typedef LONG_PTR TESSARO_POINTER_LONG;
#else
typedef long TESSARO_POINTER_LONG;
#endif

class TESSARO_API CFrameWindow : public CUIWindow {
public:
    CFrameWindow();
    /* The thirteen skin indices: top-left mask and image, top edge, top-right
     * mask and image, right edge, bottom-right mask and image, bottom edge,
     * bottom-left mask and image, left edge, title bar. A path that does not
     * fit 260 bytes is refused: the frame then has no images. */
    CFrameWindow(char* bitmapFile, int topLeftMask, int topLeft, int topEdge, int topRightMask, int topRight,
                 int rightEdge, int bottomRightMask, int bottomRight, int bottomEdge, int bottomLeftMask,
                 int bottomLeft, int leftEdge, int titleBar);
    CFrameWindow(char* className, char* bitmapFile, int topLeftMask, int topLeft, int topEdge, int topRightMask,
                 int topRight, int rightEdge, int bottomRightMask, int bottomRight, int bottomEdge,
                 int bottomLeftMask, int bottomLeft, int leftEdge, int titleBar);
    /* A copy owns copies of the child records and of the registry, with a
     * lock of its own; it has no window and no client window. */
    CFrameWindow(const CFrameWindow& other);
    CFrameWindow& operator=(const CFrameWindow& other);
    virtual ~CFrameWindow();

    /* The tenth argument is the transparent colour of the corner masks. The
     * window is enlarged to the frame's minimum size. */
    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnDestroy();
    /* Commands of the frame's children travel on to its parent or owner. */
    virtual int OnCommand(UINT wParam, LPARAM lParam);
    virtual LRESULT OnNcHitTest(UINT wParam, LPARAM lParam);

    /* The inner rectangle in window coordinates (the area inside the edges
     * and below the title bar); 0 for a null rect or without a window.
     * Inside a class derived from CFrameWindow this name (and SetWindowRgn)
     * hides the system function: write ::GetClientRect for that one. */
    virtual int GetClientRect(RECT* rect);
    /* WM_SIZING: keeps the minimum size and the client window's proportions. */
    virtual int OnSizing(UINT edge, LPARAM rect);
    /* WM_SIZE: re-places the anchored children and the client window. */
    virtual int OnSize(UINT type, LPARAM size);

    /* Hides the pieces whose HB_ bits are set (and shows the others). */
    void HideBorder(DWORD flags);
    /* Anchors an already created child control that lies in a border band
     * of the frame; 1 when added, 0 when refused. */
    int AddChildWindow(CBitmapWindow* child, FIDUCIAL_POINT point, int x, int y);
    /* Places a window in the inner rectangle (null: gives the current one
     * back to the parent it had); 1 or 0. */
    int SetClientWindow(HWND hwnd);
    /* Sends the FORWARDEDMESSAGE that `message` points to to `hwnd`, unless
     * hwnd is an anchored child (then 0). */
    int ResizingClient(HWND hwnd, TESSARO_POINTER_LONG message);

    /* The notify registry. SetNotifyWindow(NULL, 0) empties it but keeps the
     * window, so messages registered afterwards go to it with data 0. */
    void SetNotifyWindow(HWND hwnd, UINT data);
    int RegisterNotifyMessage(UINT message);
    int UnregisterNotifyMessage(UINT message);

protected:
    virtual LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    /* Enlarges the window to the minimum size and cuts the outline; done at
     * creation, at every WM_SIZE, by HideBorder and by AddChildWindow. */
    int SetWindowRgn(DWORD crTransparent);
    int GetMinimumWidth(int* width);
    int GetMinimumHeight(int* height);
    int DrawTopLeft(HDC hdc);
    int DrawTopEdge(HDC hdc);
    int DrawTopRight(HDC hdc);
    int DrawRightEdge(HDC hdc);
    int DrawBottomRight(HDC hdc);
    int DrawBottomEdge(HDC hdc);
    int DrawBottomLeft(HDC hdc);
    int DrawLeftEdge(HDC hdc);
    int DrawTitleBar(HDC hdc);

    char m_szBitmapFile[260];
    CRITICAL_SECTION m_csNotify;
    CHILDWINDOWITEM** m_ppChildItems;
    UINT* m_pNotifyMessages;
    UINT m_nChildCount;
    UINT m_nChildCapacity;
    UINT m_nNotifyCount;
    UINT m_nNotifyCapacity;
    DWORD m_dwHideBorder;
    HWND m_hClientWnd;
    HWND m_hNotifyWnd;
    DWORD m_dwNotifyData;
    COLORREF m_crTransparent;
    int m_nTopLeftMaskID;
    int m_nTopLeftID;
    int m_nTopEdgeID;
    int m_nTopRightMaskID;
    int m_nTopRightID;
    int m_nRightEdgeID;
    int m_nBottomRightMaskID;
    int m_nBottomRightID;
    int m_nBottomEdgeID;
    int m_nBottomLeftMaskID;
    int m_nBottomLeftID;
    int m_nLeftEdgeID;
    int m_nTitleBarID;
    int m_nSizeState;

private:
    int MakeListPool();
    int DeleteListPool();
    int PushItem(void* record);
    int PopItem(void* record);
    int MoveChildWindow(DWORD index);
    int PaintChildWindow(DWORD index);

    void InitFrameWindow(const char* className, const char* bitmapFile, const int* indices);
    void CopyFrameWindowFrom(const CFrameWindow& other);
    void PieceIndices(int* indices);
    void SetPieceIndices(const int* indices);
    int IsAnchoredChild(HWND hwnd);
    int MinimumFromChildren(bool horizontal, int* lowSide, int* highSide, int* middle);
};

/* A bitmap window meant as a free-standing panel: movable as a whole (the
 * default), reporting each step of a move to its owner with WM_MOVING
 * (wParam: the pop-up's ID, lParam: its rectangle before the step). */
class TESSARO_API CPopUpWindow : public CBitmapWindow {
public:
    CPopUpWindow(int unused);
    CPopUpWindow(char* bitmapFile, int regionID, int normalID, int disableID, int popupID);
    CPopUpWindow(char* className, char* bitmapFile, int regionID, int normalID, int disableID, int popupID);
    /* A copy owns a copy of the registry, with a lock of its own; no window. */
    CPopUpWindow(const CPopUpWindow& other);
    CPopUpWindow& operator=(const CPopUpWindow& other);
    virtual ~CPopUpWindow();

    virtual LRESULT OnNcHitTest(UINT wParam, LPARAM lParam);
    virtual int OnMoving(UINT wParam, LPARAM lParam);

    /* Non-zero: dragging the pop-up anywhere moves it; 0: it stays put. */
    void SetPopWinMove(int move);
    int GetPopWinMove();
    /* The first descendant window whose control ID is `id`; 1 when found,
     * else 0 and a null *child. */
    int GetChildWindow(HWND* child, int id);

    void SetNotifyWindow(HWND hwnd, UINT data);
    int RegisterNotifyMessage(UINT message);
    int UnregisterNotifyMessage(UINT message);

protected:
    virtual LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    int m_bPopWinMove;
    int m_nPopupID;
    CRITICAL_SECTION m_csNotify;
    UINT* m_pNotifyMessages;
    UINT m_nNotifyCount;
    UINT m_nNotifyCapacity;
    HWND m_hNotifyWnd;
    DWORD m_dwNotifyData;

private:
    void InitPopUpWindow(int popupID);
};

/* The orientation of a tab wheel. */
typedef enum tagWindow_Pos {
    WP_HORIZONTAL = 0,  /* tabs side by side: previous ones left, next ones right */
    WP_VERTICAL = 1     /* tabs stacked: previous ones below, next ones above */
} Window_Pos;

/* Kinds of the places of a wheel's layout. */
#define SLOT_CENTRE (-1)
#define SLOT_LEFT 0
#define SLOT_RIGHT 1
#define SLOT_UP 2
#define SLOT_DOWN 3

/* One tab of a wheel. */
typedef struct tagWHEELITEM {
    int nID;
    int nButtonData1;
    int nShownBitmapID;   /* the image drawn now (0 until SetTab) */
    int nX;               /* x of the tab in a vertical wheel */
    int nY;               /* y of the tab in a horizontal wheel */
    int nWidth;
    int nHeight;
    int nButtonData2;
    int nActiveBitmapID;  /* shown while this is the current tab */
    int nNormalBitmapID;  /* shown otherwise */
    int nIconData[7];
    int nTextX;
    int nTextY;
    int nTextData1;
    int nTextData2;
    int nTextLength;
    COLORREF crText;
    char szText[260];
} WHEELITEM;

/* One place of a wheel's layout: its kind and left, top, width, height. */
typedef struct tagWHEELSLOT {
    int nKind;
    int x;
    int y;
    int cx;
    int cy;
} WHEELSLOT;

/* A ring of tabs shown as a wheel: the current tab in the middle, the tabs
 * after it on one side and those before it on the other, cut at the
 * window's edge. A click on a side tab turns the wheel to it and posts
 * WM_COMMAND (wParam: the wheel's window ID, lParam: the new current tab's
 * ID) to the owner, which then calls SetTab to show it as current:
 *
 *   CWheelWindow wheel((char*)"skin.tsk");
 *   for (int i = 0; i < 8; ++i) {
 *       wheel.SetTabButtonItem(i, 72, 28, 0, activeImage, normalImage, 0, NULL);
 *       wheel.SetTabTextItem(i, 8, 7, 0, 0, lstrlenA(names[i]), RGB(255, 255, 255), names[i]);
 *   }
 *   wheel.SetTab(0, SLOT_RIGHT);
 *   wheel.Create("", WS_CHILD, 10, 10, 400, 28, hInstance, parent, WP_HORIZONTAL, ID_WHEEL, 0,
 *                NULL, NULL, NULL, SW_SHOW);
 *
 * Add the tabs before Create, which lays the wheel out once. Tabs show no
 * image until a SetTab has chosen them; before Create every wheel counts as
 * horizontal, so choose the current tab of a vertical wheel with SLOT_LEFT or
 * SLOT_RIGHT there (or with SLOT_UP or SLOT_DOWN after Create). */
class TESSARO_API CWheelWindow : public CUIWindow {
public:
    CWheelWindow();
    /* A path that does not fit 260 bytes is refused: no tab images then. */
    CWheelWindow(char* bitmapFile);
    CWheelWindow(char* className, char* bitmapFile);
    /* A copy owns copies of the tabs and the layout; it has no window. */
    CWheelWindow(const CWheelWindow& other);
    CWheelWindow& operator=(const CWheelWindow& other);
    virtual ~CWheelWindow();

    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnMouseLeave(UINT wParam, LPARAM lParam);
    virtual LRESULT OnNcHitTest(UINT wParam, LPARAM lParam);
    virtual int OnMoving(UINT wParam, LPARAM lParam);

    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, Window_Pos pos, long idWindow, DWORD extra,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);

    /* Adds a tab; 1 when added or when the ID exists already (nothing
     * changed), 0 for a width or height below 1 or when memory runs out (the
     * error slot then says so). */
    int SetTabButtonItem(int id, int width, int height, int data2, int activeBitmap, int normalBitmap, int data1,
                         __int64* error);
    int SetTabIconItem(int id, int value1, int value2, int value3, int value4, int value5, int value6, int value7);
    /* The tab's label: drawn at (x, y) of its image, at most 14 bytes of it. */
    int SetTabTextItem(int id, int x, int y, int data1, int data2, int length, DWORD colour, const char* text);
    /* side SLOT_LEFT or SLOT_RIGHT (horizontal wheel), SLOT_UP or SLOT_DOWN
     * (vertical wheel): makes tab `id` current; -1: shows the current tab's
     * active image and the others' normal images again. */
    int SetTab(int id, int side);

protected:
    UINT m_nItemCapacity;
    UINT m_nItemCount;
    WHEELITEM* m_pItems;
    UINT m_nSlotCapacity;
    UINT m_nSlotCount;
    WHEELSLOT* m_pSlots;
    int m_nCurrentTab;
    Window_Pos m_eWindowPos;
    int m_bTrackMouse;
    int m_nDownX;
    int m_nDownY;
    int m_nWidth;
    int m_nHeight;
    int m_nCentre;
    int m_bDragging;
    char m_szBitmapFile[260];

private:
    /* A wheel is created with its orientation (above); the base's Create
     * would make one without a layout. */
    using CUIWindow::Create;

    int CreateItemList(__int64* error);
    int CreateRectList(__int64* error);
    int SetTabWindowPos();
    int SetTabWindowHorizontal();
    int SetTabWindowVertical();
    int SetRightSideRectMomery(int index);
    int SetLeftSideRectMomery(int index);
    int SetDownSideRectMomery(int index);
    int SetUPSideRectMomery(int index);
    int DrawBitmapHorizontal(HDC hdc, int currentID);
    int DrawBitmapVertical(HDC hdc, int currentID);
    void SetTabName(int index, int x, int y, const char* text, int length, DWORD colour);
    int TrackMouse();
    void TrackedMouse();
    int ArrangWheelWindow(int x, int y);

    void InitWheelWindow(const char* className, const char* bitmapFile);
    void CopyWheelWindowFrom(const CWheelWindow& other);
    int CurrentIndex();
    int AppendSlot(int kind, int x, int y, int cx, int cy);
    int DrawSlots(HDC hdc, int currentID);
};


#endif
