// Shared handlers of the controls that draw their whole window themselves
// and drag the window chain they belong to.
#ifndef TESSARO_CORE_WINDOWCHAIN_H
#define TESSARO_CORE_WINDOWCHAIN_H

#include <windows.h>
#include "Messages.h"

// Removes the caption style from a window being created: the control draws
// over the whole window, which then has no system border of its own.
inline void RemoveCaptionStyle(HWND hwnd) {
    SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~(LONG_PTR)WS_CAPTION);
}

// WM_MOVING of a dragged control: a window without a parent or owner moves
// to the proposed rectangle; otherwise the same displacement is passed up to
// the parent as its own WM_MOVING, so that the top of the chain moves.
// Returns what the top answers (1 when this window moved itself).
inline int MoveWindowChain(HWND hwnd, WPARAM wParam, const RECT* proposed) {
    if (!proposed) return 0;
    HWND parent = ReportWindowOf(hwnd);
    RECT own;
    GetWindowRect(hwnd, &own);
    if (!parent) {
        MoveWindow(hwnd, proposed->left, proposed->top, own.right - own.left, own.bottom - own.top, TRUE);
        return 1;
    }
    RECT parentRect;
    GetWindowRect(parent, &parentRect);
    OffsetRect(&parentRect, proposed->left - own.left, proposed->top - own.top);
    return (int)SendMessageA(parent, WM_MOVING, wParam, (LPARAM)&parentRect);
}

// One step of a drag that began with a press at (downX, downY) in the
// window: its rectangle, moved by the pointer's displacement, goes to the
// window itself as WM_MOVING. Returns 0 when the button is no longer held
// (the release went elsewhere and the capture was lost): the drag is over
// and whatever capture is left is released.
inline int DragWindowStep(HWND hwnd, WPARAM keys, LPARAM point, int downX, int downY) {
    if (!(keys & MK_LBUTTON)) {
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    }
    RECT rect;
    GetWindowRect(hwnd, &rect);
    OffsetRect(&rect, (short)LOWORD(point) - downX, (short)HIWORD(point) - downY);
    SendMessageA(hwnd, WM_MOVING, 0, (LPARAM)&rect);
    return 1;
}

// Asks for WM_MOUSELEAVE when the pointer leaves the window; 1 when asked.
inline int TrackMouseLeave(HWND hwnd) {
    TRACKMOUSEEVENT tme;
    tme.cbSize = sizeof tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = hwnd;
    tme.dwHoverTime = HOVER_DEFAULT;
    return TrackMouseEvent(&tme) ? 1 : 0;
}

#endif
