// CFrameWindow: a resizable top-level window whose border is drawn from a
// skin (four masked corners, four tiled edges and a tiled title bar) and
// whose outline is cut from the corner masks. This file holds the object,
// the drawing, the minimum size and the outline; FrameLayout.cpp the hit
// testing, sizing and child windows.
#include "TessaroFrames.h"
#include "Draw.h"
#include "FramePieces.h"
#include "NotifyRegistry.h"
#include "Outline.h"
#include "Resources.h"
#include "Text.h"
#include "WindowChain.h"
#include <stdlib.h>
#include <string.h>

static const char kFrameWindowClass[] = "FRAME WINDOW CLASS";

void MeasureFramePieces(const char* path, const int* indices, FramePieceSizes* sizes) {
    ReaderOwner reader(path);
    MeasureFramePieces(reader, indices, sizes);
}

void MeasureFramePieces(const ReaderOwner& reader, const int* indices, FramePieceSizes* sizes) {
    memset(sizes, 0, sizeof *sizes);
    if (!reader.IsOpen()) return;
    WindowDCOwner screen(0, false);
    for (int i = 0; i < kFramePieceCount; ++i) {
        ImageOwner image(screen.Get(), reader, indices[i]);
        int width = 0, height = 0;
        if (MeasureBitmap(image.Get(), &width, &height)) {
            sizes->piece[i].cx = width;
            sizes->piece[i].cy = height;
        }
    }
}

namespace {
// What drawing one piece needs to know about the frame.
struct FrameFace {
    HDC dc;
    const ReaderOwner* reader;
    const int* indices;
    int width, height;  // the window's size
    DWORD hidden;
    COLORREF transparent;
};

// A corner: its mask and image, the sides it sits at, its hide bit.
struct Corner {
    FramePiece mask, image;
    bool right, bottom;
    DWORD hideBit;
};

const Corner kTopLeftCorner = {kTopLeftMask, kTopLeft, false, false, HB_TOPLEFT};
const Corner kTopRightCorner = {kTopRightMask, kTopRight, true, false, HB_TOPRIGHT};
const Corner kBottomRightCorner = {kBottomRightMask, kBottomRight, true, true, HB_BOTTOMRIGHT};
const Corner kBottomLeftCorner = {kBottomLeftMask, kBottomLeft, false, true, HB_BOTTOMLEFT};

// Copies the pixels of the corner's image whose mask pixels are not
// transparent to the corner of the window. The corner's size is its mask's,
// except at the bottom left, where it is its image's.
int DrawCorner(const FrameFace& face, const Corner& corner) {
    SkinImage image(face.dc, *face.reader, face.indices[corner.image]);
    ImageOwner mask(face.dc, *face.reader, face.indices[corner.mask]);
    int width = 0, height = 0;
    if (!image.Ready() || !MeasureBitmap(mask.Get(), &width, &height)) return 0;
    if (corner.image == kBottomLeft) {
        width = image.Width();
        height = image.Height();
    }
    int x = corner.right ? face.width - width : 0;
    int y = corner.bottom ? face.height - height : 0;
    image.CopyThroughMaskTo(face.dc, x, y, width, height, mask.Get(), face.transparent);
    return 1;
}

// A tiled piece: its tile, the axis it runs along, the corner images that
// end it (with the hide bits that let it run into their place), and where
// it lies across.
enum Across { kAtStart, kAtFarSide, kBelowTopEdge };
struct Strip {
    FramePiece tile;
    bool horizontal;
    FramePiece first, last;
    DWORD firstHide, lastHide;
    Across across;
};

const Strip kTopEdgeStrip = {kTopEdge, true, kTopLeft, kTopRight, HB_TOPLEFT, HB_TOPRIGHT, kAtStart};
const Strip kRightEdgeStrip = {kRightEdge, false, kTopRight, kBottomRight, HB_TOPRIGHT, HB_BOTTOMRIGHT, kAtFarSide};
const Strip kBottomEdgeStrip = {kBottomEdge, true, kBottomLeft, kBottomRight, HB_BOTTOMLEFT, HB_BOTTOMRIGHT,
                                kAtFarSide};
const Strip kLeftEdgeStrip = {kLeftEdge, false, kTopLeft, kBottomLeft, HB_TOPLEFT, HB_BOTTOMLEFT, kAtStart};
// The title bar ignores the hide bits: it always spans between the top corners.
const Strip kTitleBarStrip = {kTitleBar, true, kTopLeft, kTopRight, 0, 0, kBelowTopEdge};

// Repeats the strip's tile from the end of its first corner image to the
// start of its last, the phase starting at the first.
int DrawStrip(const FrameFace& face, const Strip& strip) {
    SkinImage tile(face.dc, *face.reader, face.indices[strip.tile]);
    if (!tile.Ready()) return 0;
    const ReaderOwner& reader = *face.reader;
    int length = strip.horizontal ? face.width : face.height;
    int start = (face.hidden & strip.firstHide) ? 0
                                                 : ImageLength(face.dc, reader, face.indices[strip.first], strip.horizontal);
    int end = length - ((face.hidden & strip.lastHide)
                            ? 0
                            : ImageLength(face.dc, reader, face.indices[strip.last], strip.horizontal));
    int across = 0;
    if (strip.across == kAtFarSide)
        across = strip.horizontal ? face.height - tile.Height() : face.width - tile.Width();
    else if (strip.across == kBelowTopEdge)
        across = ImageLength(face.dc, reader, face.indices[kTopEdge], false);
    tile.TileTo(face.dc, start, end, start, strip.horizontal, across);
    return 1;
}

// The nine pieces in painting order: corners first, then what lies between.
enum DrawnPiece { kDrawBottomRight, kDrawBottomLeft, kDrawTopLeft, kDrawTopRight, kDrawTopEdge, kDrawRightEdge,
                  kDrawBottomEdge, kDrawLeftEdge, kDrawTitleBar, kDrawnPieceCount };

const DWORD kPieceHideBit[kDrawnPieceCount] = {HB_BOTTOMRIGHT, HB_BOTTOMLEFT, HB_TOPLEFT, HB_TOPRIGHT, HB_TOP,
                                               HB_RIGHT, HB_BOTTOM, HB_LEFT, HB_TITLEBAR};

int DrawPiece(const FrameFace& face, DrawnPiece piece) {
    switch (piece) {
    case kDrawBottomRight: return DrawCorner(face, kBottomRightCorner);
    case kDrawBottomLeft: return DrawCorner(face, kBottomLeftCorner);
    case kDrawTopLeft: return DrawCorner(face, kTopLeftCorner);
    case kDrawTopRight: return DrawCorner(face, kTopRightCorner);
    case kDrawTopEdge: return DrawStrip(face, kTopEdgeStrip);
    case kDrawRightEdge: return DrawStrip(face, kRightEdgeStrip);
    case kDrawBottomEdge: return DrawStrip(face, kBottomEdgeStrip);
    case kDrawLeftEdge: return DrawStrip(face, kLeftEdgeStrip);
    default: return DrawStrip(face, kTitleBarStrip);
    }
}
}  // namespace

CFrameWindow::CFrameWindow() : CUIWindow((char*)kFrameWindowClass) {
    int none[kFramePieceCount] = {0};
    InitFrameWindow(0, 0, none);
}

CFrameWindow::CFrameWindow(char* bitmapFile, int topLeftMask, int topLeft, int topEdge, int topRightMask,
                           int topRight, int rightEdge, int bottomRightMask, int bottomRight, int bottomEdge,
                           int bottomLeftMask, int bottomLeft, int leftEdge, int titleBar)
    : CUIWindow((char*)kFrameWindowClass) {
    int indices[kFramePieceCount] = {topLeftMask,     topLeft,     topEdge,    topRightMask, topRight,
                                     rightEdge,       bottomRightMask, bottomRight, bottomEdge, bottomLeftMask,
                                     bottomLeft,      leftEdge,    titleBar};
    InitFrameWindow(0, bitmapFile, indices);
}

CFrameWindow::CFrameWindow(char* className, char* bitmapFile, int topLeftMask, int topLeft, int topEdge,
                           int topRightMask, int topRight, int rightEdge, int bottomRightMask, int bottomRight,
                           int bottomEdge, int bottomLeftMask, int bottomLeft, int leftEdge, int titleBar)
    : CUIWindow((char*)kFrameWindowClass) {
    int indices[kFramePieceCount] = {topLeftMask,     topLeft,     topEdge,    topRightMask, topRight,
                                     rightEdge,       bottomRightMask, bottomRight, bottomEdge, bottomLeftMask,
                                     bottomLeft,      leftEdge,    titleBar};
    InitFrameWindow(className, bitmapFile, indices);
}

void CFrameWindow::InitFrameWindow(const char* className, const char* bitmapFile, const int* indices) {
    SetClassName(className, kFrameWindowClass);
    m_nType = 2;
    // A path that does not fit is refused whole (a cut one could name another
    // file): the frame then has no images.
    CopyWholeOrEmpty(m_szBitmapFile, sizeof m_szBitmapFile, bitmapFile);
    NOTIFY_REGISTRY_OF(*this).Init();
    m_ppChildItems = 0;
    m_nChildCount = m_nChildCapacity = 0;
    m_dwHideBorder = 0;
    m_hClientWnd = 0;
    m_crTransparent = 0;
    SetPieceIndices(indices);
    m_nSizeState = 0;
}

CFrameWindow::CFrameWindow(const CFrameWindow& other) : CUIWindow(other) {
    int none[kFramePieceCount] = {0};
    InitFrameWindow(other.m_szClassName, 0, none);
    CopyFrameWindowFrom(other);
}

CFrameWindow& CFrameWindow::operator=(const CFrameWindow& other) {
    if (this != &other) {
        CUIWindow::operator=(other);
        CopyFrameWindowFrom(other);
    }
    return *this;
}

// A copy owns its child records and registry; it has no window, so it takes
// no client window (that one lives inside the original's window).
void CFrameWindow::CopyFrameWindowFrom(const CFrameWindow& other) {
    memcpy(m_szBitmapFile, other.m_szBitmapFile, sizeof m_szBitmapFile);
    int indices[kFramePieceCount];
    const_cast<CFrameWindow&>(other).PieceIndices(indices);
    SetPieceIndices(indices);
    m_dwHideBorder = other.m_dwHideBorder;
    m_crTransparent = other.m_crTransparent;
    m_nSizeState = other.m_nSizeState;
    m_hClientWnd = 0;

    DeleteListPool();
    for (UINT i = 0; i < other.m_nChildCount; ++i) {
        if (other.m_ppChildItems[i] && !PushItem(other.m_ppChildItems[i])) break;
    }
    NOTIFY_REGISTRY_OF(*this).CopyFrom(NOTIFY_REGISTRY_OF(const_cast<CFrameWindow&>(other)));
}

CFrameWindow::~CFrameWindow() {
    DeleteListPool();
    NOTIFY_REGISTRY_OF(*this).Destroy();
}

void CFrameWindow::SetPieceIndices(const int* indices) {
    int* fields[kFramePieceCount] = {&m_nTopLeftMaskID,     &m_nTopLeftID,     &m_nTopEdgeID,
                                     &m_nTopRightMaskID,    &m_nTopRightID,    &m_nRightEdgeID,
                                     &m_nBottomRightMaskID, &m_nBottomRightID, &m_nBottomEdgeID,
                                     &m_nBottomLeftMaskID,  &m_nBottomLeftID,  &m_nLeftEdgeID,
                                     &m_nTitleBarID};
    for (int i = 0; i < kFramePieceCount; ++i) *fields[i] = indices[i];
}

void CFrameWindow::PieceIndices(int* indices) {
    const int values[kFramePieceCount] = {m_nTopLeftMaskID,     m_nTopLeftID,     m_nTopEdgeID,
                                          m_nTopRightMaskID,    m_nTopRightID,    m_nRightEdgeID,
                                          m_nBottomRightMaskID, m_nBottomRightID, m_nBottomEdgeID,
                                          m_nBottomLeftMaskID,  m_nBottomLeftID,  m_nLeftEdgeID,
                                          m_nTitleBarID};
    memcpy(indices, values, sizeof values);
}

void CFrameWindow::SetNotifyWindow(HWND hwnd, UINT data) {
    NOTIFY_REGISTRY_OF(*this).SetWindow(hwnd, data);
}

int CFrameWindow::RegisterNotifyMessage(UINT message) {
    return NOTIFY_REGISTRY_OF(*this).Register(message);
}

int CFrameWindow::UnregisterNotifyMessage(UINT message) {
    return NOTIFY_REGISTRY_OF(*this).Unregister(message);
}

int CFrameWindow::Create(const char* windowName, DWORD style, int x, int y, int width, int height,
                         HINSTANCE hInstance, HWND hWndParent, long idWindow, DWORD crTransparent, HICON hCursor,
                         HICON hIcon, HICON hIconSm, int nCmdShow) {
    if (!CUIWindow::Create(windowName, style, x, y, width, height, hInstance, hWndParent, idWindow, crTransparent,
                           hCursor, hIcon, hIconSm, nCmdShow))
        return 0;
    SetWindowRgn(crTransparent);
    UpdateWindow(m_hWnd);
    return 1;
}

int CFrameWindow::OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
    if (CUIWindow::OnCreate(hwnd, wParam, lParam) != 1) return 0;
    // The frame draws its own border over the whole window.
    RemoveCaptionStyle(hwnd);
    return 1;
}

int CFrameWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int result = 0;
    if (m_nSizeState != 1) {
        // The outline and the minimum size are kept where they can change
        // (creation, WM_SIZE, HideBorder, a new child), not here: cutting
        // again at every paint would cost a region per paint for nothing.
        int indices[kFramePieceCount];
        PieceIndices(indices);
        ReaderOwner reader(m_szBitmapFile);
        FrameFace face = {dc, &reader, indices, 0, 0, m_dwHideBorder, m_crTransparent};
        if (dc && WindowSize(m_hWnd, &face.width, &face.height)) {
            for (int piece = 0; piece < kDrawnPieceCount; ++piece) {
                if (!(m_dwHideBorder & kPieceHideBit[piece])) DrawPiece(face, (DrawnPiece)piece);
            }
        }
        result = 1;
    }
    EndPaint(m_hWnd, &ps);
    for (UINT i = 0; i < m_nChildCount; ++i) PaintChildWindow(i);
    return result;
}

// Each Draw function opens the skin for its one piece.
#define DRAW_ONE_PIECE(name, piece) \
    int CFrameWindow::name(HDC hdc) { \
        int indices[kFramePieceCount]; \
        PieceIndices(indices); \
        ReaderOwner reader(m_szBitmapFile); \
        FrameFace face = {hdc, &reader, indices, 0, 0, m_dwHideBorder, m_crTransparent}; \
        if (!hdc || !WindowSize(m_hWnd, &face.width, &face.height)) return 0; \
        return DrawPiece(face, piece); \
    }
DRAW_ONE_PIECE(DrawTopLeft, kDrawTopLeft)
DRAW_ONE_PIECE(DrawTopEdge, kDrawTopEdge)
DRAW_ONE_PIECE(DrawTopRight, kDrawTopRight)
DRAW_ONE_PIECE(DrawRightEdge, kDrawRightEdge)
DRAW_ONE_PIECE(DrawBottomRight, kDrawBottomRight)
DRAW_ONE_PIECE(DrawBottomEdge, kDrawBottomEdge)
DRAW_ONE_PIECE(DrawBottomLeft, kDrawBottomLeft)
DRAW_ONE_PIECE(DrawLeftEdge, kDrawLeftEdge)
DRAW_ONE_PIECE(DrawTitleBar, kDrawTitleBar)
#undef DRAW_ONE_PIECE

int CFrameWindow::GetMinimumWidth(int* width) {
    if (!width) return 0;
    *width = 0;
    int indices[kFramePieceCount];
    PieceIndices(indices);
    FramePieceSizes sizes;
    MeasureFramePieces(m_szBitmapFile, indices, &sizes);
    int left = Larger(sizes.Width(kTopLeftMask), sizes.Width(kBottomLeftMask));
    int right = Larger(sizes.Width(kTopRightMask), sizes.Width(kBottomRightMask));
    int middle = 0;
    if (!MinimumFromChildren(true, &left, &right, &middle)) return 0;
    *width = left + right + middle;
    return 1;
}

int CFrameWindow::GetMinimumHeight(int* height) {
    if (!height) return 0;
    *height = 0;
    int indices[kFramePieceCount];
    PieceIndices(indices);
    FramePieceSizes sizes;
    MeasureFramePieces(m_szBitmapFile, indices, &sizes);
    int top = Larger(Larger(sizes.Height(kTopEdge), sizes.Height(kTopLeftMask)), sizes.Height(kTopRightMask)) +
              sizes.Height(kTitleBar);
    int bottom = Larger(Larger(sizes.Height(kBottomEdge), sizes.Height(kBottomRightMask)), sizes.Height(kBottomLeftMask));
    int middle = 0;
    if (!MinimumFromChildren(false, &top, &bottom, &middle)) return 0;
    *height = top + bottom + middle;
    return 1;
}

int CFrameWindow::SetWindowRgn(DWORD crTransparent) {
    m_crTransparent = crTransparent;
    RECT rect;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &rect)) return 0;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int minimumWidth = 0, minimumHeight = 0;
    if (!GetMinimumWidth(&minimumWidth) || !GetMinimumHeight(&minimumHeight)) return 0;
    if (minimumWidth > width || minimumHeight > height) {
        width = Larger(width, minimumWidth);
        height = Larger(height, minimumHeight);
        POINT origin = MoveOrigin(m_hWnd, rect);
        MoveWindow(m_hWnd, origin.x, origin.y, width, height, TRUE);
    }

    GdiOwner<HRGN> region(CreateRectRgn(0, 0, width, height));
    WindowDCOwner windowDC(m_hWnd, true);
    if (!region.Get() || !windowDC.Get()) return 0;
    int indices[kFramePieceCount];
    PieceIndices(indices);
    ReaderOwner reader(m_szBitmapFile);
    const Corner* corners[4] = {&kTopLeftCorner, &kTopRightCorner, &kBottomRightCorner, &kBottomLeftCorner};
    for (int i = 0; i < 4; ++i) {
        const Corner& corner = *corners[i];
        if (m_dwHideBorder & corner.hideBit) continue;
        ImageOwner mask(windowDC.Get(), reader, indices[corner.mask]);
        if (!mask.Get()) continue;
        int x0 = corner.right ? width - 1 : 0, y0 = corner.bottom ? height - 1 : 0;
        if (!CutCornerRuns(region.Get(), windowDC.Get(), mask.Get(), x0, y0, corner.right ? -1 : 1,
                           corner.bottom ? -1 : 1, crTransparent))
            return 0;
    }
    if (!::SetWindowRgn(m_hWnd, region.Get(), TRUE)) return 0;
    region.Release();  // the window owns it now
    return 1;
}

void CFrameWindow::HideBorder(DWORD flags) {
    m_dwHideBorder = flags;
    RECT rect;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &rect)) return;
    // Two moves make the window go through a resize: the children are
    // re-placed, the outline cut again and the frame repainted.
    POINT origin = MoveOrigin(m_hWnd, rect);
    MoveWindow(m_hWnd, origin.x, origin.y, rect.right - rect.left, rect.bottom - rect.top - 1, TRUE);
    MoveWindow(m_hWnd, origin.x, origin.y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}
