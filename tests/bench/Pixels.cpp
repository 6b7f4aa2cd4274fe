// Reading back what a window drew, and regions built independently of the library.
#include "Bench.h"

Pixels ReadWindowPixels(HWND hwnd) {
    Pixels out;
    RECT rc;
    GetClientRect(hwnd, &rc);
    out.width = rc.right;
    out.height = rc.bottom;
    out.rgb.assign(size_t(out.width) * out.height, 0);
    if (!out.width || !out.height) return out;
    UpdateWindow(hwnd);
    HDC wdc = GetDC(hwnd);
    HDC mdc = CreateCompatibleDC(wdc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = out.width;
    bi.bmiHeader.biHeight = -out.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(wdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mdc, dib);
    BitBlt(mdc, 0, 0, out.width, out.height, wdc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* p = (const DWORD*)bits;
    for (size_t i = 0; i < out.rgb.size(); ++i) out.rgb[i] = p[i] & 0xFFFFFF;
    SelectObject(mdc, old);
    DeleteObject(dib);
    DeleteDC(mdc);
    ReleaseDC(hwnd, wdc);
    return out;
}

Pixels RepaintOver(HWND hwnd, DWORD backRgb) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(ColorRef(backRgb));
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    return ReadWindowPixels(hwnd);
}

HRGN WindowRegion(HWND hwnd) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, rgn) == ERROR) {
        DeleteObject(rgn);
        return nullptr;
    }
    return rgn;
}

HRGN RegionOfPixelsNot(const Pixels& image, DWORD transparentRgb) {
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < image.height; ++y) {
        int x = 0;
        while (x < image.width) {
            while (x < image.width && image.at(x, y) == transparentRgb) ++x;
            int start = x;
            while (x < image.width && image.at(x, y) != transparentRgb) ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(all, all, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    return all;
}
