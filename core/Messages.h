// Reports to the parent window: every control posts through these.
#ifndef TESSARO_CORE_MESSAGES_H
#define TESSARO_CORE_MESSAGES_H

#include <windows.h>

// The window a control reports to: its parent, or the owner of a top-level window.
inline HWND ReportWindowOf(HWND hwnd) {
    return hwnd ? (HWND)GetWindowLongPtrA(hwnd, GWLP_HWNDPARENT) : 0;
}

// Posts a message to that window. Without one nothing is posted (a null
// window would turn the report into a thread message nobody expects); 0.
inline int PostToReportWindow(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND parent = ReportWindowOf(hwnd);
    if (!parent) return 0;
    return PostMessageA(parent, msg, wParam, lParam) ? 1 : 0;
}

#endif
