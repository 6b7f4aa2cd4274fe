// The smallest Tessaro host: a window of its own with one bitmap window on
// it, showing a text on the default skin's title badge.
//
//   minimal.exe [--auto-close]     (with --auto-close it closes itself after 1 s)
//
// default.tsk is expected next to the program (tessaro_copy_runtime copies it).
#include <windows.h>
#include <string.h>

#include <Tessaro.h>

// Image numbers of the default skin's title badge (see DefaultSkin.h).
static const int kTitleRegion = 2, kTitle = 3, kTitleDisabled = 4;
static const COLORREF kMagenta = RGB(255, 0, 255);   // cut away by the outline
static const UINT_PTR kCloseTimer = 1;

static LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:      // reports from controls: wParam = control ID
        return 0;
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int main(int argc, char** argv) {
    bool autoClose = argc > 1 && strcmp(argv[1], "--auto-close") == 0;
    HINSTANCE instance = GetModuleHandleA(NULL);

    // The skin lies next to the program.
    char skin[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, skin, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    char* slash = strrchr(skin, '\\');
    if (!slash || (slash - skin) + 13 >= MAX_PATH) return 1;
    strcpy(slash + 1, "default.tsk");

    WNDCLASSA wc = {0};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(0x1A, 0x20, 0x2B));   // the skin's panel colour
    wc.lpszClassName = "MinimalHost";
    if (!RegisterClassA(&wc)) return 1;
    HWND host = CreateWindowA("MinimalHost", "Tessaro minimal host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 320, 160, NULL, NULL, instance, NULL);
    if (!host) return 1;

    // 1. Construct: skin, frames, font, text, text colour, DrawText format.
    LOGFONTA font = {0};
    font.lfHeight = -18;
    font.lfWeight = FW_BOLD;
    lstrcpyA(font.lfFaceName, "Tahoma");
    CBitmapWindow* badge = new CBitmapWindow(skin, kTitleRegion, kTitle, kTitleDisabled, font,
                                             (char*)"Hello, Tessaro", RGB(255, 255, 255),
                                             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // 2. Create its window: a child of the host, sized from its image (-1).
    if (!badge->Create("", WS_CHILD, 30, 30, -1, -1, instance, host, 1, kMagenta, NULL, NULL, NULL,
                       SW_SHOW)) {
        delete badge;
        DestroyWindow(host);
        return 1;
    }

    ShowWindow(host, SW_SHOW);
    UpdateWindow(host);
    if (autoClose) SetTimer(host, kCloseTimer, 1000, NULL);

    // 3. Drive it: the message loop (reports arrive as WM_COMMAND in HostProc).
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    // 4. Its window went with the host's; 5. delete the object.
    delete badge;
    return 0;
}
