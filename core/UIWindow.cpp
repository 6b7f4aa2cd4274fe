// CUIWindow: registers the window class, creates the window, binds the object
// to it through window extra value 0 and turns messages into handler calls.
#include "TessaroCore.h"
#include "Text.h"

static const char kDefaultClassName[] = "UI WINDOW CLASS";

CUIWindow::CUIWindow()
    : m_hEvent(0), m_hThread(0), m_dwThreadID(0), m_nIDWindow(0), m_hInstance(0), m_hWnd(0), m_nType(0) {
    SetClassName(0, kDefaultClassName);
}

CUIWindow::CUIWindow(char* className)
    : m_hEvent(0), m_hThread(0), m_dwThreadID(0), m_nIDWindow(0), m_hInstance(0), m_hWnd(0), m_nType(0) {
    SetClassName(className, kDefaultClassName);
}

CUIWindow::CUIWindow(const CUIWindow& other)
    : m_hEvent(0), m_hThread(0), m_dwThreadID(0), m_nIDWindow(0), m_hInstance(0), m_hWnd(0), m_nType(0) {
    CopySettingsFrom(other);
}

CUIWindow& CUIWindow::operator=(const CUIWindow& other) {
    if (this != &other) CopySettingsFrom(other);
    return *this;
}

// A copy takes the class name, type, window ID and instance, but never the
// window or the worker's handles: those belong to the original alone.
void CUIWindow::CopySettingsFrom(const CUIWindow& other) {
    memcpy(m_szClassName, other.m_szClassName, sizeof m_szClassName);
    m_nIDWindow = other.m_nIDWindow;
    m_hInstance = other.m_hInstance;
    m_nType = other.m_nType;
}

CUIWindow::~CUIWindow() {
    if (m_hEvent) {
        WaitForSingleObject(m_hEvent, INFINITE);
        CloseHandle(m_hEvent);
    }
    if (m_hThread) CloseHandle(m_hThread);
    // A window still bound to this object would reach freed memory with its
    // next message: unbind it so it falls back to DefWindowProcA.
    if (m_hWnd && IsWindow(m_hWnd) && GetThis(m_hWnd) == this) SetWindowLongPtrA(m_hWnd, 0, 0);
    ::UnregisterClassA(m_szClassName, m_hInstance);
}

void CUIWindow::SetClassName(const char* className, const char* defaultName) {
    CopyBounded(m_szClassName, sizeof m_szClassName, className ? className : defaultName);
}

int CUIWindow::RegisterClassA(HINSTANCE hInstance, HICON hIcon, HICON hCursor, HBRUSH hbrBackground,
                              HICON hIconSm) {
    WNDCLASSEXA existing;
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(hInstance, m_szClassName, &existing)) return 1;

    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.style = 0;
    wc.lpfnWndProc = WndProc;
    wc.cbClsExtra = sizeof(LONG_PTR);
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = (HCURSOR)hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszMenuName = 0;
    wc.lpszClassName = m_szClassName;
    wc.hIconSm = hIconSm;
    return ::RegisterClassExA(&wc) != 0 ? 1 : 0;
}

int CUIWindow::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                      HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD /*extra*/,
                      HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    if (!RegisterClassA(hInstance, hIcon, hCursor, 0, hIconSm)) return 0;
    m_nIDWindow = (int)idWindow;
    m_hInstance = hInstance;
    m_hWnd = CreateWindowExA(0, m_szClassName, windowName, style, x, y, width, height, hWndParent, 0,
                             hInstance, this);
    if (!m_hWnd) return 0;
    ShowWindow(m_hWnd, nCmdShow);
    return 1;
}

CUIWindow* CUIWindow::GetThis(HWND hwnd) {
    // Only windows of this library hold an object in extra value 0; others
    // (dialogs keep DWLP_MSGRESULT there) hold anything.
    if (!hwnd || (WNDPROC)GetClassLongPtrA(hwnd, GCLP_WNDPROC) != WndProc) return 0;
    return (CUIWindow*)GetWindowLongPtrA(hwnd, 0);
}

LRESULT CALLBACK CUIWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CUIWindow* self = GetThis(hwnd);
    if (self) return self->WindowProc(hwnd, msg, wParam, lParam);
    if (msg == WM_CREATE && lParam) {
        CUIWindow* creator = (CUIWindow*)((CREATESTRUCTA*)lParam)->lpCreateParams;
        if (creator) creator->OnCreate(hwnd, (UINT)wParam, lParam);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int CUIWindow::OnCreate(HWND hwnd, UINT /*wParam*/, LPARAM lParam) {
    if (!lParam) return 0;
    CUIWindow* object = (CUIWindow*)((CREATESTRUCTA*)lParam)->lpCreateParams;
    if (!object) return 0;
    SetWindowLongPtrA(hwnd, 0, (LONG_PTR)object);
    if (SetWindowLongPtrA(hwnd, 0, (LONG_PTR)object) == 0) return 0;
    LONG_PTR count = (LONG_PTR)GetClassLongPtrA(hwnd, 0) + 1;
    SetClassLongPtrA(hwnd, 0, count);
    return (LONG_PTR)SetClassLongPtrA(hwnd, 0, count) == count ? 1 : 0;
}

// Handlers answer 1 (handled) or 0; most messages turn that into 0 or -1.
static LRESULT BooleanResult(int handled) { return handled ? 0 : -1; }

LRESULT CUIWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    UINT w = (UINT)wParam;
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    // The other window's handle, whole.
    case WM_SETFOCUS: return BooleanResult(OnSetFocus((TESSARO_HANDLE_WPARAM)wParam, lParam));
    case WM_KILLFOCUS: return BooleanResult(OnKillFocus((TESSARO_HANDLE_WPARAM)wParam, lParam));
    case WM_PAINT: return BooleanResult(OnPaint());
    case WM_CLOSE:
        // A control never closes itself: closing is the host's decision.
        PostMessageA(GetParent(hwnd), WM_CLOSE, wParam, lParam);
        return 0;
    case WM_INPUTLANGCHANGE: return OnInPutLangchange(w, lParam);
    case WM_NCHITTEST: return OnNcHitTest(w, lParam);
    case WM_KEYDOWN: return BooleanResult(OnKeyDown(w, lParam));
    case WM_KEYUP: return BooleanResult(OnKeyUp(w, lParam));
    case WM_CHAR: return BooleanResult(OnChar(w, lParam));
    case WM_IME_STARTCOMPOSITION: return OnStartComposition(w, lParam);
    case WM_IME_ENDCOMPOSITION: return OnEndComposition(w, lParam);
    case WM_IME_COMPOSITION: return OnComposition(w, lParam);
    case WM_COMMAND: return BooleanResult(OnCommand(w, lParam));
    case WM_MOUSEMOVE: return BooleanResult(OnMouseMove(w, lParam));
    case WM_LBUTTONDOWN: return BooleanResult(OnLButtonDown(w, lParam));
    case WM_LBUTTONUP: return BooleanResult(OnLButtonUp(w, lParam));
    case WM_MOVING: return OnMoving(w, lParam);
    case WM_IME_SETCONTEXT: return OnSetContext(w, lParam);
    case WM_IME_NOTIFY: return OnIMENotify(WM_IME_NOTIFY, w, lParam);
    case WM_MOUSELEAVE: return BooleanResult(OnMouseLeave(w, lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

int CUIWindow::OnPaint() {
    PAINTSTRUCT ps;
    BeginPaint(m_hWnd, &ps);
    EndPaint(m_hWnd, &ps);
    return 0;
}

int CUIWindow::OnClose() { return DestroyWindow(m_hWnd) ? 1 : 0; }

int CUIWindow::OnDestroy() {
    m_hWnd = 0;
    return 1;
}

int CUIWindow::OnCommand(UINT wParam, LPARAM lParam) {
    HWND parent = (HWND)GetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT);
    if (!parent) return 0;
    PostMessageA(parent, WM_COMMAND, wParam, lParam);
    return 1;
}

// The remaining handlers hand their message to DefWindowProcA.
#define DEFAULT_HANDLER(type, name, message) \
    type CUIWindow::name(UINT wParam, LPARAM lParam) { \
        return (type)DefWindowProcA(m_hWnd, message, wParam, lParam); \
    }
DEFAULT_HANDLER(int, OnLButtonDown, WM_LBUTTONDOWN)
DEFAULT_HANDLER(int, OnMouseMove, WM_MOUSEMOVE)
DEFAULT_HANDLER(int, OnLButtonUp, WM_LBUTTONUP)
DEFAULT_HANDLER(int, OnMouseLeave, WM_MOUSELEAVE)
DEFAULT_HANDLER(LRESULT, OnNcHitTest, WM_NCHITTEST)
DEFAULT_HANDLER(int, OnMoving, WM_MOVING)
DEFAULT_HANDLER(int, OnChar, WM_CHAR)
DEFAULT_HANDLER(int, OnKeyDown, WM_KEYDOWN)
DEFAULT_HANDLER(int, OnKeyUp, WM_KEYUP)
DEFAULT_HANDLER(LRESULT, OnStartComposition, WM_IME_STARTCOMPOSITION)
DEFAULT_HANDLER(LRESULT, OnEndComposition, WM_IME_ENDCOMPOSITION)
DEFAULT_HANDLER(LRESULT, OnComposition, WM_IME_COMPOSITION)
DEFAULT_HANDLER(LRESULT, OnInPutLangchange, WM_INPUTLANGCHANGE)
DEFAULT_HANDLER(LRESULT, OnSetContext, WM_IME_SETCONTEXT)
#undef DEFAULT_HANDLER

int CUIWindow::OnSetFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam) {
    return (int)DefWindowProcA(m_hWnd, WM_SETFOCUS, wParam, lParam);
}

int CUIWindow::OnKillFocus(TESSARO_HANDLE_WPARAM wParam, LPARAM lParam) {
    return (int)DefWindowProcA(m_hWnd, WM_KILLFOCUS, wParam, lParam);
}

LRESULT CUIWindow::OnIMENotify(UINT /*msg*/, UINT wParam, LPARAM lParam) {
    return DefWindowProcA(m_hWnd, WM_IME_NOTIFY, wParam, lParam);
}

HWND CUIWindow::GetWindowHandle() { return m_hWnd; }
int CUIWindow::GetType() { return m_nType; }
int CUIWindow::GetIDWindow() { return m_nIDWindow; }

// Class-unregistering worker: kept for derived classes; nothing here starts it.
int CUIWindow::InvokeUnregisterClassThread() {
    m_hThread = CreateThread(0, 0, ThreadProc, this, 0, &m_dwThreadID);
    return m_hThread ? 1 : 0;
}

DWORD WINAPI CUIWindow::ThreadProc(void* object) {
    return (DWORD)((CUIWindow*)object)->ThreadPrivateProc();
}

int CUIWindow::ThreadPrivateProc() {
    while (::UnregisterClassA(m_szClassName, m_hInstance) != 1) Sleep(100);
    SetEvent(m_hEvent);
    return 0;
}
