/* Tessaro window core: the root class of every control, and image measuring.
 *
 * Every control is an object of a class derived from CUIWindow that owns one
 * native window. Construct the object, Create its window, drive it, destroy the
 * window, then delete the object:
 *
 *   class CMyWindow : public CUIWindow {
 *   public:
 *       CMyWindow() : CUIWindow((char*)"MY WINDOW CLASS") {}
 *       int OnLButtonDown(UINT keys, LPARAM point) { ...; return 1; }
 *   };
 *   CMyWindow w;
 *   w.Create("title", WS_CHILD, 0, 0, 100, 40, hInstance, parent, 7, 0,
 *            NULL, NULL, NULL, SW_SHOW);
 *   ...
 *   DestroyWindow(w.GetWindowHandle());
 *
 * Handlers return 1 when they handled the message and 0 otherwise; for most
 * messages the window procedure then returns 0 and -1 respectively. */
#ifndef TESSARO_CORE_H
#define TESSARO_CORE_H

#include <windows.h>
#include "TessaroExport.h"

/* WM_SETFOCUS and WM_KILLFOCUS carry a window handle in wParam: their
 * handlers take it as wide as a handle (WPARAM) in the 64-bit flavours, and as
 * UINT, the same width, in the 32-bit ones. */
#ifdef _WIN64
typedef WPARAM TESSARO_HANDLE_WPARAM;
#else
typedef UINT TESSARO_HANDLE_WPARAM;
#endif

class TESSARO_API CUIWindow {
public:
    CUIWindow();
    CUIWindow(char* className);
    /* A copy has the same class name and settings but no window of its own. */
    CUIWindow(const CUIWindow& other);
    CUIWindow& operator=(const CUIWindow& other);

protected:
    virtual LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual int RegisterClassA(HINSTANCE hInstance, HICON hIcon, HICON hCursor,
                               HBRUSH hbrBackground, HICON hIconSm);

public:
    virtual ~CUIWindow();
    virtual int Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                       HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD extra,
                       HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow);
    virtual int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam);
    virtual int OnPaint();
    virtual int OnClose();
    virtual int OnDestroy();
    virtual int OnCommand(UINT wParam, LPARAM lParam);
    virtual int OnLButtonDown(UINT wParam, LPARAM lParam);
    virtual int OnMouseMove(UINT wParam, LPARAM lParam);
    virtual int OnLButtonUp(UINT wParam, LPARAM lParam);
    virtual int OnMouseLeave(UINT wParam, LPARAM lParam);
    virtual LRESULT OnNcHitTest(UINT wParam, LPARAM lParam);
    virtual int OnMoving(UINT wParam, LPARAM lParam);
    virtual int OnSetFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam);
    virtual int OnKillFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam);
    virtual int OnChar(UINT wParam, LPARAM lParam);
    virtual int OnKeyDown(UINT wParam, LPARAM lParam);
    virtual int OnKeyUp(UINT wParam, LPARAM lParam);
    virtual LRESULT OnStartComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnEndComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnComposition(UINT wParam, LPARAM lParam);
    virtual LRESULT OnIMENotify(UINT msg, UINT wParam, LPARAM lParam);
    virtual LRESULT OnInPutLangchange(UINT wParam, LPARAM lParam);
    virtual LRESULT OnSetContext(UINT wParam, LPARAM lParam);

    HWND GetWindowHandle();
    int GetType();
    int GetIDWindow();
    /* The object bound to a window of this library; null for any other window. */
    static CUIWindow* GetThis(HWND hwnd);

protected:
    HANDLE m_hEvent;
    HANDLE m_hThread;
    DWORD m_dwThreadID;
    char m_szClassName[260];
    int m_nIDWindow;
    HINSTANCE m_hInstance;
    HWND m_hWnd;
    int m_nType;

    /* Stores a window-class name, cut to the buffer (Windows refuses names of
     * more than 256 characters, so Create then fails cleanly). */
    void SetClassName(const char* className, const char* defaultName);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI ThreadProc(void* object);
    int ThreadPrivateProc();
    int InvokeUnregisterClassThread();
    void CopySettingsFrom(const CUIWindow& other);
};

/* Size of the first image among three indices (-1 skips one) of a skin file.
 * Returns 1 and fills width and height, or 0 and writes nothing. */
TESSARO_API int GetBitmapSize(const char* path, int* width, int* height,
                              int index1, int index2, int index3);

#endif
