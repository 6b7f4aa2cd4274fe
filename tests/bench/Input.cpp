// Mouse and keyboard messages delivered as Windows would route them.
#include "Bench.h"

namespace {
// The window that gets a mouse message aimed at `target`, and the point in
// its client coordinates.
HWND Route(HWND target, int& x, int& y) {
    HWND capture = GetCapture();
    if (!capture || capture == target) return target;
    POINT p = {x, y};
    ClientToScreen(target, &p);
    ScreenToClient(capture, &p);
    x = p.x;
    y = p.y;
    return capture;
}

LRESULT SendMouse(HWND target, UINT msg, int x, int y, WPARAM keys) {
    HWND to = Route(target, x, y);
    LRESULT result = SendMessageA(to, msg, keys, MAKELPARAM((WORD)(short)x, (WORD)(short)y));
    Settle(0);
    return result;
}
}  // namespace

LRESULT MouseDown(HWND target, int x, int y) { return SendMouse(target, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
LRESULT MouseMove(HWND target, int x, int y, WPARAM keys) { return SendMouse(target, WM_MOUSEMOVE, x, y, keys); }
LRESULT MouseUp(HWND target, int x, int y) { return SendMouse(target, WM_LBUTTONUP, x, y, 0); }

LPARAM KeyLParam(UINT vk, bool up, bool repeat) {
    LPARAM l = 1 | (LPARAM)(MapVirtualKeyA(vk, 0) << 16);
    if (repeat || up) l |= 1 << 30;
    if (up) l |= (LPARAM)1u << 31;
    return l;
}

LRESULT KeyDown(HWND target, UINT vk, bool repeat) {
    LRESULT r = SendMessageA(target, WM_KEYDOWN, vk, KeyLParam(vk, false, repeat));
    Settle(0);
    return r;
}

LRESULT KeyUp(HWND target, UINT vk) {
    LRESULT r = SendMessageA(target, WM_KEYUP, vk, KeyLParam(vk, true, false));
    Settle(0);
    return r;
}
