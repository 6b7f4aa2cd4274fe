// CBitmapWindow: a window drawn from one skin image with optional text, its
// outline cut by a transparent colour; pressing and moving drags the window
// chain it belongs to.
#include "TessaroControls.h"
#include "Draw.h"
#include "Messages.h"
#include "Outline.h"
#include "Resources.h"
#include "Text.h"
#include "WindowChain.h"
#include <stdlib.h>
#include <string.h>

static const char kBitmapWindowClass[] = "BITMAP WINDOW CLASS";

CBitmapWindow::CBitmapWindow() : CUIWindow((char*)kBitmapWindowClass) {
    InitBitmapWindow(0, 0, 0, 0, 0, 0, 0xFFFFFF, 0);
    m_nType = 3;
}

CBitmapWindow::CBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font,
                             char* text, DWORD textColor, UINT format)
    : CUIWindow((char*)kBitmapWindowClass) {
    InitBitmapWindow(bitmapFile, regionID, normalID, disableID, &font, text, textColor, format);
    m_nType = 3;
}

CBitmapWindow::CBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID, int disableID,
                             LOGFONTA font, char* text, DWORD textColor, UINT format)
    : CUIWindow((char*)kBitmapWindowClass) {
    SetClassName(className, kBitmapWindowClass);
    InitBitmapWindow(bitmapFile, regionID, normalID, disableID, &font, text, textColor, format);
    m_nType = 3;
}

void CBitmapWindow::InitBitmapWindow(const char* bitmapFile, int regionID, int normalID, int disableID,
                                     const LOGFONTA* font, const char* text, DWORD textColor, UINT format) {
    m_bTrackMouse = 0;
    m_nDownX = m_nDownY = 0;
    m_bDragging = 0;
    m_hReader = 0;
    m_uFormat = format;
    if (font) m_LogFont = *font;
    else memset(&m_LogFont, 0, sizeof m_LogFont);
    m_nTextSize = 0;
    m_pszText = 0;
    m_crText = textColor;
    // A path that does not fit is refused whole: a cut path could name
    // another file. Create then fails as for any unreadable file.
    CopyWholeOrEmpty(m_szBitmapFile, sizeof m_szBitmapFile, bitmapFile);
    m_nRegionID = regionID;
    m_nNormalID = normalID;
    m_nDisableID = disableID;
    m_nCurrentID = normalID;
    m_crTransparent = 0;
    if (text) StoreText(text);
}

CBitmapWindow::CBitmapWindow(const CBitmapWindow& other) : CUIWindow(other) {
    InitBitmapWindow(0, 0, 0, 0, 0, 0, 0, 0);
    CopyBitmapWindowFrom(other);
}

CBitmapWindow& CBitmapWindow::operator=(const CBitmapWindow& other) {
    if (this != &other) {
        CUIWindow::operator=(other);
        CopyBitmapWindowFrom(other);
    }
    return *this;
}

// Copies the configuration and owns a text buffer of its own; the drag and
// reader state of the original's window are not carried over.
void CBitmapWindow::CopyBitmapWindowFrom(const CBitmapWindow& other) {
    m_uFormat = other.m_uFormat;
    m_LogFont = other.m_LogFont;
    m_crText = other.m_crText;
    memcpy(m_szBitmapFile, other.m_szBitmapFile, sizeof m_szBitmapFile);
    m_nRegionID = other.m_nRegionID;
    m_nNormalID = other.m_nNormalID;
    m_nDisableID = other.m_nDisableID;
    m_nCurrentID = other.m_nCurrentID;
    m_crTransparent = other.m_crTransparent;
    if (other.m_pszText) StoreText(other.m_pszText);
    else if (m_pszText) m_pszText[0] = 0;
}

CBitmapWindow::~CBitmapWindow() { free(m_pszText); }

int CBitmapWindow::GrowTextBuffer(DWORD size) {
    if (m_pszText && m_nTextSize >= size) return 1;
    char* grown = (char*)malloc(size ? size : 1);
    if (!grown) return 0;
    memset(grown, 0, size ? size : 1);
    if (m_pszText) {
        memcpy(grown, m_pszText, m_nTextSize);
        free(m_pszText);
    }
    m_pszText = grown;
    m_nTextSize = size;
    return 1;
}

void CBitmapWindow::SetNewSizeBitmapName(DWORD size) { GrowTextBuffer(size); }

int CBitmapWindow::StoreText(const char* text) {
    DWORD size = (DWORD)strlen(text) + 1;
    if (!GrowTextBuffer(size)) return 0;
    memcpy(m_pszText, text, size);
    return 1;
}

void CBitmapWindow::Repaint() {
    // Without a window, InvalidateRect(NULL) would repaint every window on
    // the desktop; the first paint shows the stored state anyway.
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
}

void CBitmapWindow::ShowFrame(int frame) {
    if (m_nCurrentID == frame) return;
    m_nCurrentID = frame;
    Repaint();
}

int CBitmapWindow::PostToParent(UINT msg, WPARAM wParam, LPARAM lParam) {
    return PostToReportWindow(m_hWnd, msg, wParam, lParam);
}

int CBitmapWindow::MeasureFrames(HDC dc, int* width, int* height) {
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    const int frames[3] = {m_nRegionID, m_nNormalID, m_nDisableID};
    ImageOwner image;
    image.Reset(CreateFirstImage(dc, reader, frames, 3));
    return MeasureBitmap(image.Get(), width, height);
}

int CBitmapWindow::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                          HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent,
                          HICON hCursor, HICON hIcon, HICON hIconSm, int nCmdShow) {
    {
        ReaderOwner reader(m_szBitmapFile, &m_hReader);
        if (!reader.IsOpen()) return 0;
    }
    if (width == -1 || height == -1) {
        WindowDCOwner screen(0, true);
        if (!MeasureFrames(screen.Get(), &width, &height)) return 0;
    }
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    // The colour is kept even when no cut is made, so that later re-cuts
    // (a multi-bitmap item with a region frame) use the colour the host gave.
    m_crTransparent = crTransparent;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CBitmapWindow::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CUIWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    RemoveCaptionStyle(hwnd);
    return 1;
}

int CBitmapWindow::SetWindowRgn(DWORD crTransparent) {
    if (m_nRegionID == -1 || !m_hWnd) return 0;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    WindowDCOwner windowDC(m_hWnd, true);
    ImageOwner image(windowDC.Get(), reader, m_nRegionID);
    RECT rect;
    if (!windowDC.Get() || !GetWindowRect(m_hWnd, &rect)) return 0;
    GdiOwner<HRGN> region(CreateOutlineRegion(windowDC.Get(), image.Get(), rect.right - rect.left,
                                              rect.bottom - rect.top, crTransparent));
    if (!region.Get()) return 0;
    if (!::SetWindowRgn(m_hWnd, region.Get(), TRUE)) return 0;
    region.Release();  // the window owns it now
    m_crTransparent = crTransparent;
    return 1;
}

int CBitmapWindow::DrawBitmap(HDC hdc, int frame) {
    MemoryDCOwner memory(hdc);
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    RECT windowRect, clientRect;
    if (!memory.Get() || !reader.IsOpen() || !GetWindowRect(m_hWnd, &windowRect) || !GetClientRect(m_hWnd, &clientRect))
        return 0;
    ImageOwner image(hdc, reader, frame);
    if (!image.Get()) {
        // No frame: the text alone, straight onto the target.
        DrawTextWithFont(hdc, m_pszText, clientRect, m_LogFont, m_crText, m_uFormat);
        return 0;
    }
    {
        Selection face(memory.Get(), image.Get());
        DrawTextWithFont(memory.Get(), m_pszText, clientRect, m_LogFont, m_crText, m_uFormat);
        BitBlt(hdc, 0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top, memory.Get(), 0, 0,
               SRCCOPY);
    }
    return 1;
}

int CBitmapWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int drawn = DrawBitmap(dc, m_nCurrentID);
    EndPaint(m_hWnd, &ps);
    return drawn;
}

void CBitmapWindow::Enable(int enable) {
    if (enable == 1) {
        if (IsDisabled()) ShowFrame(m_nNormalID);
    } else {
        ShowFrame(m_nDisableID);
    }
}

int CBitmapWindow::SetBitmapName(char* text) {
    if (!StoreText(text ? text : "")) return 0;
    Repaint();
    return 1;
}

int CBitmapWindow::SetColorText(DWORD color) {
    m_crText = color;
    return 1;
}

int CBitmapWindow::SetNewFont(LOGFONTA font) {
    m_LogFont = font;
    return 1;
}

int CBitmapWindow::TrackMouse() {
    if (!TrackMouseLeave(m_hWnd)) return 0;
    m_bTrackMouse = 1;
    return 1;
}

void CBitmapWindow::TrackedMouse() { m_bTrackMouse = 0; }

int CBitmapWindow::OnLButtonDown(UINT wParam, LPARAM lParam) {
    SetCapture(m_hWnd);
    m_nDownX = (short)LOWORD(lParam);
    m_nDownY = (short)HIWORD(lParam);
    m_bDragging = 1;
    return 1;
}

int CBitmapWindow::OnMouseMove(UINT wParam, LPARAM lParam) {
    if (!m_bDragging) return 0;
    if (DragWindowStep(m_hWnd, wParam, lParam, m_nDownX, m_nDownY)) return 1;
    m_bDragging = 0;
    return 0;
}

int CBitmapWindow::OnLButtonUp(UINT wParam, LPARAM lParam) {
    m_nDownX = m_nDownY = 0;
    m_bDragging = 0;
    ReleaseCapture();
    return 1;
}

int CBitmapWindow::OnMouseLeave(UINT wParam, LPARAM lParam) {
    TrackedMouse();
    if (IsDisabled()) return 0;
    m_nCurrentID = m_nNormalID;
    Repaint();
    return 1;
}

LRESULT CBitmapWindow::OnNcHitTest(UINT wParam, LPARAM lParam) { return HTCLIENT; }

int CBitmapWindow::OnMoving(UINT wParam, LPARAM lParam) { return MoveWindowChain(m_hWnd, wParam, (const RECT*)lParam); }
