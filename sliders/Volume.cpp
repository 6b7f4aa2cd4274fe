// CBitmapVolume: a vertical level control on a fixed 60-pixel scale. Rows
// above the level line show the empty image, rows from it down the lit one;
// pressing and dragging sets the level and reports a volume value.
#include "TessaroSliders.h"
#include "Draw.h"
#include "Resources.h"
#include "Text.h"

static const char kVolumeClass[] = "BITMAP VOLUME CLASS";
static const int kScale = 60;          // pixels of the level scale
static const float kPerPixel = 1.0f / 60;  // 0.016666668, single precision

CBitmapVolume::CBitmapVolume() : CBitmapWindow() {
    SetClassName(0, kVolumeClass);
    InitVolume();
}

CBitmapVolume::CBitmapVolume(char* bitmapFile, int regionID, int normalID, int disableID)
    : CBitmapWindow((char*)kVolumeClass, bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 0) {
    InitVolume();
}

CBitmapVolume::CBitmapVolume(char* className, char* bitmapFile, int regionID, int normalID, int disableID)
    : CBitmapWindow(className ? className : (char*)kVolumeClass, bitmapFile, regionID, normalID, disableID,
                    ZeroFont(), (char*)"", 0, 0) {
    InitVolume();
}

// Full: the level line at the top.
void CBitmapVolume::InitVolume() {
    m_nPressX = 0;
    m_nLevelY = 0;
    m_nLevel = kScale;
    m_nMaxVolume = kScale;
    m_nMinVolume = 0;
    m_bAdjusting = 0;
}

CBitmapVolume::CBitmapVolume(const CBitmapVolume& other) : CBitmapWindow(other) { CopyVolumeFrom(other); }

CBitmapVolume& CBitmapVolume::operator=(const CBitmapVolume& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopyVolumeFrom(other);
    }
    return *this;
}

// The level and range are copied; a press belongs to the original's window.
void CBitmapVolume::CopyVolumeFrom(const CBitmapVolume& other) {
    InitVolume();
    m_nLevelY = other.m_nLevelY;
    m_nLevel = other.m_nLevel;
    m_nMaxVolume = other.m_nMaxVolume;
    m_nMinVolume = other.m_nMinVolume;
}

CBitmapVolume::~CBitmapVolume() {}

void CBitmapVolume::SetVolumeInit(int minVolume, int maxVolume) {
    m_nMinVolume = minVolume;
    m_nMaxVolume = maxVolume;
}

void CBitmapVolume::SetVolume(int volume) {
    int v = volume < m_nMaxVolume ? volume : m_nMaxVolume;
    double range = (double)m_nMaxVolume - (double)m_nMinVolume;
    if (range <= 0) {
        // No range to divide by: full at the top of the range, else empty.
        m_nLevel = v >= m_nMaxVolume ? kScale : 0;
    } else {
        // Not cut to the scale (a volume below the range draws the line
        // below the control), but kept well inside int.
        double level = (double)v / range * 60.0;
        const double limit = 1e9;
        m_nLevel = (int)(level > limit ? limit : level < -limit ? -limit : level);
    }
    m_nLevelY = kScale - m_nLevel;
    if (m_hWnd) {
        InvalidateRect(m_hWnd, 0, TRUE);
        UpdateWindow(m_hWnd);
    }
}

// The level follows the line, cut to the scale; the value is the range times
// the lit share, with the single-precision step the control has always used
// (every level of the default 0..60 range reports itself).
void CBitmapVolume::ReportLevel() {
    int level = kScale - m_nLevelY;
    m_nLevel = level > kScale ? kScale : level < 0 ? 0 : level;
    float range = (float)((long long)m_nMaxVolume - (long long)m_nMinVolume);
    float value = range * ((float)m_nLevel * kPerPixel);
    long long whole = (long long)value;
    PostToParent(WM_COMMAND, (WPARAM)(UINT)m_nIDWindow, (LPARAM)(whole & 0xFFFF));
}

int CBitmapVolume::OnLButtonDown(UINT wParam, LPARAM lParam) {
    SetCapture(m_hWnd);
    m_nPressX = (short)LOWORD(lParam);
    m_nLevelY = (short)HIWORD(lParam);
    m_bAdjusting = 1;
    Repaint();
    ReportLevel();
    CBitmapWindow::OnLButtonDown(wParam, lParam);
    return 1;
}

// The base's drag handling sends WM_MOVING for every move while pressed,
// which reports the level (OnMoving); the window itself never moves.
int CBitmapVolume::OnMouseMove(UINT wParam, LPARAM lParam) {
    int adjusting = m_bAdjusting;
    if (adjusting) {
        m_nLevelY = (short)HIWORD(lParam);
        Repaint();
    }
    CBitmapWindow::OnMouseMove(wParam, lParam);
    return adjusting ? 1 : 0;
}

int CBitmapVolume::OnMoving(UINT wParam, LPARAM lParam) {
    ReportLevel();
    return 1;
}

int CBitmapVolume::OnLButtonUp(UINT wParam, LPARAM lParam) {
    ReleaseCapture();
    m_nPressX = 0;
    m_bAdjusting = 0;
    CBitmapWindow::OnLButtonUp(wParam, lParam);
    return 1;
}

int CBitmapVolume::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    int drawn = DrawVolume(dc, m_nCurrentID, m_nDisableID);
    EndPaint(m_hWnd, &ps);
    return drawn;
}

// Rows above the line from the empty image, rows from the line down from the
// lit one, each at its own place; a line above or below the control leaves
// one image for the whole face.
int CBitmapVolume::DrawVolume(HDC hdc, int litID, int emptyID) {
    RECT rect;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &rect)) return 0;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int line = m_nLevelY < 0 ? 0 : m_nLevelY > height ? height : m_nLevelY;
    ReaderOwner reader(m_szBitmapFile, &m_hReader);
    {
        SkinImage empty(hdc, reader, emptyID);
        empty.CopyTo(hdc, 0, 0, width, line, 0, 0);
    }
    SkinImage lit(hdc, reader, litID);
    lit.CopyTo(hdc, 0, line, width, height - line, 0, line);
    return 0;
}
