// CFrameWindow as a window frame: hit testing by the drawn pieces, sizing
// with a minimum size and the client window's proportions, child controls
// anchored to points of the frame, and the client window in the inner area.
#include "TessaroFrames.h"
#include "Draw.h"
#include "FramePieces.h"
#include "ItemArray.h"
#include "Messages.h"
#include "NotifyRegistry.h"
#include "Resources.h"
#include <stdlib.h>
#include <string.h>

namespace {
// The window a client window had before the frame took it, kept on the
// client window itself so that each frame gives back its own.
const char kSavedParentProperty[] = "TessaroFrameClientParent";

// One hit zone: a rectangle in window coordinates, its answer and the hide
// bit of its piece; a corner zone also has its mask.
struct HitZone {
    RECT rect;
    LRESULT code;
    DWORD hideBit;
    FramePiece mask;  // kFramePieceCount: not a corner
};

bool ZoneHolds(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void SetZone(HitZone* zone, int left, int top, int right, int bottom, LRESULT code, DWORD hideBit, FramePiece mask) {
    SetRect(&zone->rect, left, top, right, bottom);
    zone->code = code;
    zone->hideBit = hideBit;
    zone->mask = mask;
}

// The nine zones of a frame of `width` x `height`, in the order they are
// tried. An absent image still gives its zone a size: corners 25 x 25,
// edges 5 thick, the title bar nothing.
void BuildHitZones(const FramePieceSizes& sizes, int width, int height, HitZone* zones) {
    SIZE corner[kFramePieceCount];
    for (int i = 0; i < kFramePieceCount; ++i) {
        corner[i] = sizes.piece[i];
        if (sizes.Present((FramePiece)i)) continue;
        bool isCorner = i == kTopLeftMask || i == kTopRightMask || i == kBottomRightMask || i == kBottomLeftMask;
        corner[i].cx = isCorner ? 25 : (i == kTitleBar ? 0 : 5);
        corner[i].cy = corner[i].cx;
    }
    const SIZE& tl = corner[kTopLeftMask];
    const SIZE& tr = corner[kTopRightMask];
    const SIZE& br = corner[kBottomRightMask];
    const SIZE& bl = corner[kBottomLeftMask];
    SetZone(&zones[0], 0, 0, tl.cx, tl.cy, HTTOPLEFT, HB_TOPLEFT, kTopLeftMask);
    SetZone(&zones[1], width - tr.cx, 0, width, tr.cy, HTTOPRIGHT, HB_TOPRIGHT, kTopRightMask);
    SetZone(&zones[2], zones[0].rect.right, 0, zones[1].rect.left, corner[kTopEdge].cy, HTTOP, HB_TOP,
            kFramePieceCount);
    SetZone(&zones[3], width - br.cx, height - br.cy, width, height, HTBOTTOMRIGHT, HB_BOTTOMRIGHT, kBottomRightMask);
    SetZone(&zones[4], width - corner[kRightEdge].cx, zones[1].rect.bottom, width, zones[3].rect.top, HTRIGHT,
            HB_RIGHT, kFramePieceCount);
    SetZone(&zones[5], 0, height - bl.cy, bl.cx, height, HTBOTTOMLEFT, HB_BOTTOMLEFT, kBottomLeftMask);
    SetZone(&zones[6], zones[5].rect.right, height - corner[kBottomEdge].cy, zones[3].rect.left, height, HTBOTTOM,
            HB_BOTTOM, kFramePieceCount);
    SetZone(&zones[7], 0, zones[0].rect.bottom, corner[kLeftEdge].cx, zones[5].rect.top, HTLEFT, HB_LEFT,
            kFramePieceCount);
    SetZone(&zones[8], zones[0].rect.right, zones[2].rect.bottom, zones[1].rect.left,
            zones[2].rect.bottom + corner[kTitleBar].cy, HTCAPTION, HB_TITLEBAR, kFramePieceCount);
}

// Whether a mask pixel (x, y) is the transparent colour: such a pixel of a
// corner zone belongs to no zone.
bool MaskPixelIsTransparent(HWND hwnd, const ReaderOwner& reader, int index, int x, int y, COLORREF transparent) {
    WindowDCOwner windowDC(hwnd, false);
    SkinImage mask(windowDC.Get(), reader, index);
    if (!mask.Ready()) return false;
    return GetPixel(mask.Dc(), x, y) == transparent;
}

// A size ratio applied to a length, kept within int (a very flat or very
// tall proposed client rectangle gives large quotients).
int ScaledLength(int length, double ratio) {
    double value = length * ratio;
    if (value > 1e9) return 1000000000;
    if (value < -1e9) return -1000000000;
    return (int)value;
}

bool MovesTop(UINT edge) { return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT; }
bool MovesLeft(UINT edge) { return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT; }

// Gives `r` the size width x height, moving the sides that `edge` drags.
void ResizeByEdge(RECT* r, UINT edge, int width, int height) {
    if (MovesTop(edge)) r->top = r->bottom - height;
    else r->bottom = r->top + height;
    if (MovesLeft(edge)) r->left = r->right - width;
    else r->right = r->left + width;
}

// What the enumeration of the frame's descendants offers them.
struct ClientOffer {
    FORWARDEDMESSAGE message;
};

BOOL CALLBACK OfferToDescendant(HWND window, LPARAM offer) {
    CUIWindow* owner = CUIWindow::GetThis(GetParent(window));
    if (!owner || owner->GetType() != 2) return TRUE;
    CFrameWindow* frame = static_cast<CFrameWindow*>(owner);
    return frame->ResizingClient(window, (TESSARO_POINTER_LONG)&((ClientOffer*)offer)->message) == 1 ? FALSE : TRUE;
}

// The point of a frame of width x height that an anchor names.
POINT AnchorPoint(FIDUCIAL_POINT point, int width, int height) {
    static const int kX[8] = {0, 1, 2, 2, 2, 1, 0, 0};  // halves of the width
    static const int kY[8] = {0, 0, 0, 1, 2, 2, 2, 1};
    POINT at = {kX[point] * width / 2, kY[point] * height / 2};
    return at;
}

// The pieces whose hiding hides a child anchored at each point.
const DWORD kAnchorHideBits[8] = {HB_TOPLEFT | HB_TITLEBAR, HB_TOP | HB_TITLEBAR, HB_TOPRIGHT | HB_TITLEBAR,
                                  HB_RIGHT, HB_BOTTOMRIGHT, HB_BOTTOM, HB_BOTTOMLEFT, HB_LEFT};

// Whether a child of cw x ch at offset (x, y) lies in a band that its anchor
// allows: the top band (T high), the bottom band (B), the left (L) or the
// right (R).
bool FitsAnchorBand(FIDUCIAL_POINT point, int x, int y, int cw, int ch, int T, int B, int L, int R) {
    bool top = y + ch <= T;
    bool bottom = -y <= B && ch - y <= B;
    bool left = x + cw <= L;
    bool right = -x <= R && cw - x <= R;
    switch (point) {
    case FP_TOPLEFT: return x >= 0 && y >= 0 && (top || left);
    case FP_TOP: return y >= 0 && top;
    case FP_TOPRIGHT: return x < 0 && y >= 0 && (top || right);
    case FP_RIGHT: return x < 0 && right;
    case FP_BOTTOMRIGHT: return x < 0 && y < 0 && (bottom || right);
    case FP_BOTTOM: return bottom;
    case FP_BOTTOMLEFT: return x >= 0 && y < 0 && (bottom || left);
    case FP_LEFT: return left;
    default: return false;
    }
}
}  // namespace

LRESULT CFrameWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    // The notify window swallows a message by answering 1.
    if (NOTIFY_REGISTRY_OF(*this).Forward(hwnd, msg, wParam, lParam, &answer) && answer == 1) return 0;
    switch (msg) {
    case WM_SIZE: return OnSize((UINT)wParam, lParam);
    case WM_SIZING: return OnSizing((UINT)wParam, lParam);
    default: return CUIWindow::WindowProc(hwnd, msg, wParam, lParam);
    }
}

int CFrameWindow::OnCommand(UINT wParam, LPARAM lParam) {
    PostToReportWindow(m_hWnd, WM_COMMAND, wParam, lParam);
    return 1;
}

int CFrameWindow::OnDestroy() {
    DeleteListPool();
    // The client window goes with the frame's window.
    m_hClientWnd = 0;
    return CUIWindow::OnDestroy();
}

LRESULT CFrameWindow::OnNcHitTest(UINT, LPARAM lParam) {
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    LRESULT result = HTERROR;
    RECT window;
    if (m_hWnd && GetWindowRect(m_hWnd, &window) && x >= window.left && x <= window.right && y >= window.top &&
        y <= window.bottom) {
        int indices[kFramePieceCount];
        PieceIndices(indices);
        ReaderOwner reader(m_szBitmapFile);
        FramePieceSizes sizes;
        MeasureFramePieces(reader, indices, &sizes);
        HitZone zones[9];
        BuildHitZones(sizes, window.right - window.left, window.bottom - window.top, zones);
        int px = x - window.left, py = y - window.top;
        result = HTCLIENT;
        for (int i = 0; i < 9; ++i) {
            const HitZone& zone = zones[i];
            if (!ZoneHolds(zone.rect, px, py)) continue;
            if (zone.mask != kFramePieceCount &&
                MaskPixelIsTransparent(m_hWnd, reader, indices[zone.mask], px - zone.rect.left, py - zone.rect.top,
                                       m_crTransparent))
                result = HTERROR;
            else
                result = (m_dwHideBorder & zone.hideBit) ? HTCLIENT : zone.code;
            break;
        }
    }
    // A maximized frame is moved by its title bar but not sized; a minimized
    // one answers only by its title bar.
    if (result == HTERROR || result == HTCAPTION) return result;
    if (m_nSizeState == 1) return HTERROR;
    if (m_nSizeState == 2) return HTCLIENT;
    return result;
}

int CFrameWindow::GetClientRect(RECT* rect) {
    RECT window;
    if (!rect || !m_hWnd || !GetWindowRect(m_hWnd, &window)) return 0;
    int indices[kFramePieceCount];
    PieceIndices(indices);
    FramePieceSizes sizes;
    MeasureFramePieces(m_szBitmapFile, indices, &sizes);
    // A hidden piece takes no room.
    DWORD hidden = m_dwHideBorder;
    int left = (hidden & HB_LEFT) ? 0 : sizes.Width(kLeftEdge);
    int top = ((hidden & HB_TOP) ? 0 : sizes.Height(kTopEdge)) + ((hidden & HB_TITLEBAR) ? 0 : sizes.Height(kTitleBar));
    int right = (hidden & HB_RIGHT) ? 0 : sizes.Width(kRightEdge);
    int bottom = (hidden & HB_BOTTOM) ? 0 : sizes.Height(kBottomEdge);
    SetRect(rect, left, top, window.right - window.left - right, window.bottom - window.top - bottom);
    return 1;
}

int CFrameWindow::OnSizing(UINT edge, LPARAM rectParam) {
    RECT* r = (RECT*)rectParam;
    int minimumWidth = 0, minimumHeight = 0;
    if (!r || !GetMinimumWidth(&minimumWidth) || !GetMinimumHeight(&minimumHeight)) return 0;
    bool knownEdge = edge >= WMSZ_LEFT && edge <= WMSZ_BOTTOMRIGHT;
    int width = Larger((int)(r->right - r->left), minimumWidth);
    int height = Larger((int)(r->bottom - r->top), minimumHeight);
    if (knownEdge) ResizeByEdge(r, edge, width, height);

    // The inner rectangle as it would be after this step, offered to the
    // client window, which may change it.
    RECT inner, window;
    if (!GetClientRect(&inner) || !GetWindowRect(m_hWnd, &window)) return 1;
    ClientOffer offer;
    RECT proposed = {inner.left + (r->left - window.left), inner.top + (r->top - window.top),
                     inner.right + (r->right - window.right), inner.bottom + (r->bottom - window.bottom)};
    offer.message.message = WM_SIZING;
    offer.message.wParam = edge;
    offer.message.lParam = (LPARAM)&proposed;
    EnumChildWindows(m_hWnd, OfferToDescendant, (LPARAM)&offer);

    // Keep the proportions of the inner rectangle; an empty one has none.
    int pw = proposed.right - proposed.left, ph = proposed.bottom - proposed.top;
    if (!knownEdge || pw <= 0 || ph <= 0) return 1;
    double kH = (double)ph / pw, kW = (double)pw / ph;
    int ew = (window.right - window.left) - (inner.right - inner.left);
    int eh = (window.bottom - window.top) - (inner.bottom - inner.top);
    int newWidth = width, newHeight = height;
    if (edge == WMSZ_TOP || edge == WMSZ_BOTTOM) {
        newWidth = ScaledLength(height - eh, kW) + ew;
        if (newWidth < minimumWidth) {
            newWidth = minimumWidth;
            newHeight = ScaledLength(minimumWidth - ew, kH) + eh;
        }
    } else {
        newHeight = ScaledLength(width - ew, kH) + eh;
        if (newHeight < minimumHeight) {
            newHeight = minimumHeight;
            newWidth = ScaledLength(minimumHeight - eh, kW) + ew;
        }
    }
    ResizeByEdge(r, edge, newWidth, newHeight);
    return 1;
}

int CFrameWindow::OnSize(UINT type, LPARAM size) {
    if (type == SIZE_RESTORED) m_nSizeState = 0;
    else if (type == SIZE_MINIMIZED) m_nSizeState = 1;
    else if (type == SIZE_MAXIMIZED) m_nSizeState = 2;
    int result = (int)DefWindowProcA(m_hWnd, WM_SIZE, type, size);
    // The outline follows the size at once: a frame that shrinks is not
    // necessarily repainted.
    if (m_nSizeState != 1) SetWindowRgn(m_crTransparent);
    for (UINT i = 0; i < m_nChildCount; ++i) MoveChildWindow(i);
    RECT inner;
    if (m_hClientWnd) {
        if (GetClientRect(&inner))
            MoveWindow(m_hClientWnd, inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top, TRUE);
        InvalidateRect(m_hWnd, 0, TRUE);
    } else if (m_nChildCount) {
        InvalidateRect(m_hWnd, 0, TRUE);
    }
    return result;
}

int CFrameWindow::MinimumFromChildren(bool horizontal, int* lowSide, int* highSide, int* middle) {
    *middle = 0;
    if (!m_ppChildItems || !m_nChildCount) return 1;
    RECT frame;
    if (!GetWindowRect(m_hWnd, &frame)) return 0;
    // Children anchored at the middle of a side are measured from their
    // anchor: measured from the frame's edge, their extent would grow with
    // the frame, and so would the minimum size, without end.
    POINT centre = {frame.left + (frame.right - frame.left) / 2, frame.top + (frame.bottom - frame.top) / 2};
    int lo = 0, hi = 0;
    for (UINT i = 0; i < m_nChildCount; ++i) {
        const CHILDWINDOWITEM* item = m_ppChildItems[i];
        RECT child;
        if (!item || !item->pChildWindow || !GetWindowRect(item->pChildWindow->GetWindowHandle(), &child)) continue;
        FIDUCIAL_POINT point = item->eFiducialPoint;
        if (horizontal) {
            if (point == FP_TOPLEFT || point == FP_BOTTOMLEFT || point == FP_LEFT)
                *lowSide = Larger(*lowSide, (int)(child.right - frame.left));
            else if (point == FP_TOP || point == FP_BOTTOM) {
                lo = Smaller(lo, (int)(child.left - centre.x));
                hi = Larger(hi, (int)(child.right - centre.x));
            } else if (point == FP_TOPRIGHT || point == FP_RIGHT || point == FP_BOTTOMRIGHT)
                *highSide = Larger(*highSide, (int)(frame.right - child.left));
        } else {
            if (point == FP_TOPLEFT || point == FP_TOP || point == FP_TOPRIGHT)
                *lowSide = Larger(*lowSide, (int)(child.bottom - frame.top));
            else if (point == FP_RIGHT || point == FP_LEFT) {
                lo = Smaller(lo, (int)(child.top - centre.y));
                hi = Larger(hi, (int)(child.bottom - centre.y));
            } else if (point == FP_BOTTOMRIGHT || point == FP_BOTTOM || point == FP_BOTTOMLEFT)
                *highSide = Larger(*highSide, (int)(frame.bottom - child.top));
        }
    }
    *middle = hi - lo;
    return 1;
}

int CFrameWindow::AddChildWindow(CBitmapWindow* child, FIDUCIAL_POINT point, int x, int y) {
    HWND window = child ? child->GetWindowHandle() : 0;
    int cw = 0, ch = 0;
    if (!window || !WindowSize(window, &cw, &ch)) return 0;
    int indices[kFramePieceCount];
    PieceIndices(indices);
    FramePieceSizes sizes;
    MeasureFramePieces(m_szBitmapFile, indices, &sizes);
    int top = sizes.Height(kTopEdge) + sizes.Height(kTitleBar);
    if (!FitsAnchorBand(point, x, y, cw, ch, top, sizes.Height(kBottomEdge), sizes.Width(kLeftEdge),
                        sizes.Width(kRightEdge)))
        return 0;
    CHILDWINDOWITEM item = {child, x, y, point};
    if (!PushItem(&item)) return 0;
    // A window without a parent answers null to its first re-parenting.
    if (!SetParent(window, m_hWnd) && !SetParent(window, m_hWnd)) {
        PopItem(0);
        return 0;
    }
    MoveChildWindow(m_nChildCount - 1);
    // The child may raise the minimum size.
    SetWindowRgn(m_crTransparent);
    return 1;
}

int CFrameWindow::SetClientWindow(HWND hwnd) {
    if (m_hClientWnd) {
        // A client window destroyed meanwhile has nothing to give back.
        if (IsWindow(m_hClientWnd)) {
            HWND previous = (HWND)GetPropA(m_hClientWnd, kSavedParentProperty);
            if (!SetParent(m_hClientWnd, previous)) return 0;
            RemovePropA(m_hClientWnd, kSavedParentProperty);
        }
        m_hClientWnd = 0;
    }
    if (hwnd) {
        HWND previous = SetParent(hwnd, m_hWnd);
        if (!previous && !SetParent(hwnd, m_hWnd)) return 0;
        SetPropA(hwnd, kSavedParentProperty, (HANDLE)previous);
    }
    m_hClientWnd = hwnd;
    if (!hwnd) return 1;
    int width = 0, height = 0;
    WindowSize(m_hWnd, &width, &height);
    PostMessageA(m_hWnd, WM_SIZE, SIZE_RESTORED, (LPARAM)(((height & 0xFFFF) << 16) | (width & 0xFFFF)));
    return 1;
}

int CFrameWindow::IsAnchoredChild(HWND hwnd) {
    for (UINT i = 0; i < m_nChildCount; ++i) {
        const CHILDWINDOWITEM* item = m_ppChildItems[i];
        if (item && item->pChildWindow && item->pChildWindow->GetWindowHandle() == hwnd) return 1;
    }
    return 0;
}

int CFrameWindow::ResizingClient(HWND hwnd, TESSARO_POINTER_LONG message) {
    const FORWARDEDMESSAGE* record = (const FORWARDEDMESSAGE*)message;
    if (!record || IsAnchoredChild(hwnd)) return 0;
    SendMessageA(hwnd, (UINT)record->message, record->wParam, record->lParam);
    return 1;
}

int CFrameWindow::MoveChildWindow(DWORD index) {
    if (!m_ppChildItems || index >= m_nChildCount) return 0;
    const CHILDWINDOWITEM* item = m_ppChildItems[index];
    if (!item) return 1;
    if ((DWORD)item->eFiducialPoint > FP_LEFT) return 1;
    HWND window = item->pChildWindow ? item->pChildWindow->GetWindowHandle() : 0;
    int width = 0, height = 0, cw = 0, ch = 0;
    if (!WindowSize(m_hWnd, &width, &height) || !WindowSize(window, &cw, &ch)) return 0;
    POINT at = AnchorPoint(item->eFiducialPoint, width, height);
    MoveWindow(window, at.x + item->nOffsetX, at.y + item->nOffsetY, cw, ch, TRUE);
    ShowWindow(window, (m_dwHideBorder & kAnchorHideBits[item->eFiducialPoint]) ? SW_HIDE : SW_SHOW);
    return 1;
}

int CFrameWindow::PaintChildWindow(DWORD index) {
    if (!m_ppChildItems || index >= m_nChildCount) return 0;
    const CHILDWINDOWITEM* item = m_ppChildItems[index];
    if (!item) return 1;
    if (item->pChildWindow && item->pChildWindow->GetWindowHandle())
        InvalidateRect(item->pChildWindow->GetWindowHandle(), 0, TRUE);
    return 1;
}

int CFrameWindow::MakeListPool() {
    DWORD capacity = m_nChildCapacity;
    if (!GrowItemArray((void**)&m_ppChildItems, &capacity, sizeof(CHILDWINDOWITEM*), 1)) return 0;
    m_nChildCapacity = capacity;
    return 1;
}

int CFrameWindow::PushItem(void* record) {
    if (m_nChildCount >= m_nChildCapacity && !MakeListPool()) return 0;
    CHILDWINDOWITEM* item = (CHILDWINDOWITEM*)malloc(sizeof(CHILDWINDOWITEM));
    if (!item) return 0;
    memcpy(item, record, sizeof *item);
    m_ppChildItems[m_nChildCount++] = item;
    return 1;
}

int CFrameWindow::PopItem(void* record) {
    if (!m_ppChildItems || !m_nChildCapacity || !m_nChildCount) return 0;
    CHILDWINDOWITEM*& slot = m_ppChildItems[--m_nChildCount];
    if (!slot) return 1;
    if (record) memcpy(record, slot, sizeof *slot);
    free(slot);
    slot = 0;
    return 1;
}

int CFrameWindow::DeleteListPool() {
    if (!m_ppChildItems || !m_nChildCapacity) return 0;
    while (PopItem(0)) {
    }
    free(m_ppChildItems);
    // Cleared, so that a later child on a re-created window starts a new array.
    m_ppChildItems = 0;
    m_nChildCount = m_nChildCapacity = 0;
    return 1;
}
