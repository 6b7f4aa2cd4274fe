// CBitmapProgressiveSliderBar: a slider bar that also shows progress. Each
// track piece has a progress frame, drawn instead of the normal one before
// the progress edge; the bar places its thumb itself.
#include "TessaroSliders.h"
#include "Draw.h"
#include "Resources.h"
#include "Scale.h"

static const char kProgressiveClass[] = "BITMAP PROGRESSIVE SLIDER BAR CLASS";
static const char kSliderBarClass[] = "BITMAP SLIDER BAR CLASS";

static int Width(const RECT& r) { return r.right - r.left; }
static int Height(const RECT& r) { return r.bottom - r.top; }

CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar()
    : CBitmapSliderBar(), m_nPrgNormalID(0), m_nPrgStartNormalID(0), m_nPrgEndNormalID(0) {}

// The short forms have no corners, so no corner progress either.
CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar(char* bitmapFile, int regionID, int normalID,
                                                         int disableID, int prgNormalID, int orientation)
    : CBitmapSliderBar((char*)kProgressiveClass, bitmapFile, regionID, normalID, disableID, orientation),
      m_nPrgNormalID(prgNormalID), m_nPrgStartNormalID(0), m_nPrgEndNormalID(0) {}

CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar(char* className, char* bitmapFile, int regionID,
                                                         int normalID, int disableID, int prgNormalID,
                                                         int orientation)
    : CBitmapSliderBar(className ? className : (char*)kProgressiveClass, bitmapFile, regionID, normalID, disableID,
                       orientation),
      m_nPrgNormalID(prgNormalID), m_nPrgStartNormalID(0), m_nPrgEndNormalID(0) {}

CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar(char* bitmapFile, int normalID, int disableID,
                                                         int prgNormalID, int startRegionID, int startNormalID,
                                                         int startDisableID, int prgStartNormalID, int endRegionID,
                                                         int endNormalID, int endDisableID, int prgEndNormalID,
                                                         DWORD crTransparent, int orientation)
    : CBitmapSliderBar((char*)kProgressiveClass, bitmapFile, normalID, disableID, startRegionID, startNormalID,
                       startDisableID, endRegionID, endNormalID, endDisableID, crTransparent, orientation),
      m_nPrgNormalID(prgNormalID), m_nPrgStartNormalID(prgStartNormalID), m_nPrgEndNormalID(prgEndNormalID) {}

// Here a null class name gives the plain bar's class name.
CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar(char* className, char* bitmapFile, int normalID,
                                                         int disableID, int prgNormalID, int startRegionID,
                                                         int startNormalID, int startDisableID,
                                                         int prgStartNormalID, int endRegionID, int endNormalID,
                                                         int endDisableID, int prgEndNormalID, DWORD crTransparent,
                                                         int orientation)
    : CBitmapSliderBar(className ? className : (char*)kSliderBarClass, bitmapFile, normalID, disableID,
                       startRegionID, startNormalID, startDisableID, endRegionID, endNormalID, endDisableID,
                       crTransparent, orientation),
      m_nPrgNormalID(prgNormalID), m_nPrgStartNormalID(prgStartNormalID), m_nPrgEndNormalID(prgEndNormalID) {}

CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar(const CBitmapProgressiveSliderBar& other)
    : CBitmapSliderBar(other), m_nPrgNormalID(other.m_nPrgNormalID), m_nPrgStartNormalID(other.m_nPrgStartNormalID),
      m_nPrgEndNormalID(other.m_nPrgEndNormalID) {}

CBitmapProgressiveSliderBar& CBitmapProgressiveSliderBar::operator=(const CBitmapProgressiveSliderBar& other) {
    if (this != &other) {
        CBitmapSliderBar::operator=(other);
        m_nPrgNormalID = other.m_nPrgNormalID;
        m_nPrgStartNormalID = other.m_nPrgStartNormalID;
        m_nPrgEndNormalID = other.m_nPrgEndNormalID;
    }
    return *this;
}

CBitmapProgressiveSliderBar::~CBitmapProgressiveSliderBar() {}

// ------------------------------------------------------------ positions --

int CBitmapProgressiveSliderBar::SetPosition(DWORD position) {
    if (position > m_dwSlideLength) return 0;
    m_dwPosition = position;
    HWND thumb = Thumb();
    RECT bar, own = {0, 0, 0, 0};
    if (m_hWnd && GetWindowRect(m_hWnd, &bar) && thumb && GetWindowRect(thumb, &own)) {
        // The thumb keeps its place across the axis.
        if (m_nOrientation == 1)
            MoveWindow(thumb, LengthAt(position, m_dwSlideLength, Width(bar) - Width(own)), own.top - bar.top,
                       Width(own), Height(own), TRUE);
        else
            MoveWindow(thumb, own.left - bar.left, LengthAt(position, m_dwSlideLength, Height(bar) - Height(own)),
                       Width(own), Height(own), TRUE);
    }
    Repaint();
    return 1;
}

int CBitmapProgressiveSliderBar::SetPrgPosition(DWORD prgPosition) {
    if (prgPosition > m_dwSlideLength) return 0;
    m_dwPrgPosition = prgPosition;
    Repaint();
    return 1;
}

int CBitmapProgressiveSliderBar::GetPosition(DWORD* position) {
    if (position) *position = m_dwPosition;
    return 1;
}

DWORD CBitmapProgressiveSliderBar::GetMaxLength() { return m_dwSlideLength; }

// -------------------------------------------------------------- painting --

// Where the progress ends, from the bar's start. The corners of a horizontal
// bar put it at the centre of a thumb standing at the progress value; the
// middle of a horizontal bar at the plain proportion of its length; a
// vertical bar puts it half a thumb past the proportion everywhere.
int CBitmapProgressiveSliderBar::ProgressEdge(bool corner, bool horizontal) const {
    RECT bar, thumb = {0, 0, 0, 0};
    if (!GetWindowRect(m_hWnd, &bar)) return 0;
    HWND thumbWindow = Thumb();
    if (thumbWindow) GetWindowRect(thumbWindow, &thumb);
    int length = horizontal ? Width(bar) : Height(bar);
    int thumbLength = horizontal ? Width(thumb) : Height(thumb);
    if (horizontal && !corner) return LengthAt(m_dwPrgPosition, m_dwSlideLength, length);
    if (horizontal) return LengthAt(m_dwPrgPosition, m_dwSlideLength, length - thumbLength) + thumbLength / 2;
    return LengthAt(m_dwPrgPosition, m_dwSlideLength, length) + thumbLength / 2;
}

// A corner's frame while disabled is its disabled frame when it has one, and
// then it shows no progress.
int CBitmapProgressiveSliderBar::DrawProgressStart(HDC hdc, bool horizontal) {
    int frame = StartPiece();
    if (frame == 0 || frame == -1) return 1;
    int progressFrame = IsDisabled() && m_nStartDisableID != 0 ? 0 : m_nPrgStartNormalID;
    int edge = ProgressEdge(true, horizontal);
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    int done = 0;
    if (progressFrame != 0) {
        SkinImage progress(hdc, reader, progressFrame);
        if (progress.Ready()) {
            done = edge < progress.Length(horizontal) ? edge : progress.Length(horizontal);
            if (done < 0) done = 0;
            progress.CopySpanTo(hdc, 0, done, 0, horizontal);
        }
    }
    SkinImage corner(hdc, reader, frame);
    if (corner.Ready() && done < corner.Length(horizontal))
        corner.CopySpanTo(hdc, done, corner.Length(horizontal), done, horizontal);
    return 1;
}

int CBitmapProgressiveSliderBar::DrawProgressEnd(HDC hdc, bool horizontal) {
    int frame = EndPiece();
    RECT bar;
    if (frame == 0 || frame == -1 || !GetWindowRect(m_hWnd, &bar)) return 1;
    int progressFrame = IsDisabled() && m_nEndDisableID != 0 ? 0 : m_nPrgEndNormalID;
    int length = horizontal ? Width(bar) : Height(bar);
    int edge = ProgressEdge(true, horizontal);
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    int done = 0;
    if (progressFrame != 0) {
        SkinImage progress(hdc, reader, progressFrame);
        int pieceStart = length - progress.Length(horizontal);
        if (progress.Ready() && edge > pieceStart) {
            // An edge past the bar's end (half a thumb, on a vertical bar) fills the piece.
            done = edge - pieceStart < progress.Length(horizontal) ? edge - pieceStart : progress.Length(horizontal);
            progress.CopySpanTo(hdc, 0, done, pieceStart, horizontal);
        }
    }
    SkinImage corner(hdc, reader, frame);
    int cornerLength = corner.Length(horizontal);
    if (corner.Ready() && done < cornerLength)
        corner.CopySpanTo(hdc, done, cornerLength, length - cornerLength + done, horizontal);
    return 1;
}

// Progress tiles from the end of the start corner up to the edge, then the
// plain piece on to the end corner, both in one phase from the window's start.
int CBitmapProgressiveSliderBar::DrawProgressMiddle(HDC hdc, bool horizontal) {
    RECT bar;
    if (m_nCurrentID == 0 || !GetWindowRect(m_hWnd, &bar)) return 1;
    int length = horizontal ? Width(bar) : Height(bar);
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    int from = ImageLength(hdc, reader, m_nStartNormalID, horizontal);
    int to = length - ImageLength(hdc, reader, m_nEndNormalID, horizontal);
    int edge = ProgressEdge(false, horizontal);
    if (m_nPrgNormalID != 0 && !IsDisabled() && from <= edge) {
        SkinImage progress(hdc, reader, m_nPrgNormalID);
        if (progress.TileTo(hdc, from, edge, 0, horizontal)) from = edge;
    }
    SkinImage middle(hdc, reader, m_nCurrentID);
    middle.TileTo(hdc, from, to, 0, horizontal);
    return 1;
}

int CBitmapProgressiveSliderBar::DrawLeftCorner(HDC hdc) { return DrawProgressStart(hdc, true); }
int CBitmapProgressiveSliderBar::DrawTopCorner(HDC hdc) { return DrawProgressStart(hdc, false); }
int CBitmapProgressiveSliderBar::DrawRightCorner(HDC hdc) { return DrawProgressEnd(hdc, true); }
int CBitmapProgressiveSliderBar::DrawBottomCorner(HDC hdc) { return DrawProgressEnd(hdc, false); }
int CBitmapProgressiveSliderBar::DrawHorizontalBar(HDC hdc) { return DrawProgressMiddle(hdc, true); }
int CBitmapProgressiveSliderBar::DrawVerticalBar(HDC hdc) { return DrawProgressMiddle(hdc, false); }
