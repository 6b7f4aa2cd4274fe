// The shared test bench: a recording parent window, sequence matching, real
// input, pixel read-back, skins written by the tests, and leak/heap checks.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// ---- leak and heap checks -------------------------------------------------
// Around every test (the test program's main sees to it): the GDI objects,
// borrowed DCs and heap blocks that Tessaro.dll and Pixorel.dll hold must be
// no more afterwards than before, no release may fail or be made of an
// object still selected, and every heap of the process must validate
// (Accounting.h). A crash ends the test program at once with its code.
//
// Fixture base for every test: TearDown also fails the test if a Pixorel
// reader or bitmap is still open.
class TessaroTest : public ::testing::Test {
protected:
    void TearDown() override;
};
int OpenReaders();
int OpenBitmaps();
bool AllHeapsValid();

// ---- message pumping ------------------------------------------------------
// Pumps the queue for `ms` milliseconds (lets pending X events arrive).
void Settle(int ms = 50);

// ---- the recording parent -------------------------------------------------
enum RecordFlags { kSent = 1, kPosted = 2 };
struct Record {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    int how;  // kSent or kPosted
};

// A window that records selected messages (WM_COMMAND, WM_MOVING, WM_KEYDOWN,
// WM_CLOSE, WM_COPYDATA, WM_SIZING, WM_APP) that reach it, sent or posted.
class Recorder {
public:
    // A top-level popup (parent null) or a child of `parent`.
    explicit Recorder(HWND parent = nullptr, int x = 100, int y = 100, int width = 400, int height = 300);
    ~Recorder();
    HWND hwnd() const { return m_hwnd; }
    // Retrieves posted messages from the queue (recorded as posted) and
    // dispatches them; sent messages are recorded as they arrive.
    void Drain();
    const std::vector<Record>& log() const { return m_log; }
    void Clear() { m_log.clear(); }
    // Only the records of one message number.
    std::vector<Record> Only(UINT msg) const;
    // For WM_MOVING: the rectangles that arrived, in order.
    std::vector<RECT> movingRects;
    // When set, WM_MOVING is answered by moving this window (as a top window would).
    bool moveOnMoving = false;
private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd;
    std::vector<Record> m_log;
};

// Expected message: flags say what to compare.
enum ExpectFlags { kExpectSent = 1, kExpectPosted = 2, kCheckW = 4, kCheckL = 8, kOptional = 16 };
struct Expect {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    int flags;
};
::testing::AssertionResult SequenceMatch(const std::vector<Expect>& expected, const std::vector<Record>& actual);

// ---- input ----------------------------------------------------------------
// Mouse messages go where Windows would put them: to the capture window when
// there is one (coordinates converted), else to `target`. x, y are client
// coordinates of `target`.
LRESULT MouseDown(HWND target, int x, int y);
LRESULT MouseMove(HWND target, int x, int y, WPARAM keys = 0);
LRESULT MouseUp(HWND target, int x, int y);
// Keyboard messages go to `target` (tests give it the focus first).
LRESULT KeyDown(HWND target, UINT vk, bool repeat = false);
LRESULT KeyUp(HWND target, UINT vk);
LPARAM KeyLParam(UINT vk, bool up, bool repeat);

// ---- pixels ---------------------------------------------------------------
// The client area of a window as drawn on screen, 0x00RRGGBB, row-major.
struct Pixels {
    int width = 0, height = 0;
    std::vector<DWORD> rgb;
    DWORD at(int x, int y) const { return rgb[y * width + x]; }
};
Pixels ReadWindowPixels(HWND hwnd);
// Fills the client area with `backRgb`, has the window paint itself without
// erasing and reads it back: every pixel it did not draw shows `backRgb`.
Pixels RepaintOver(HWND hwnd, DWORD backRgb);
// COLORREF (0x00BBGGRR) to 0x00RRGGBB and back.
inline DWORD Rgb(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline COLORREF ColorRef(DWORD rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// ---- regions --------------------------------------------------------------
// The window's region (null when it has none); the caller deletes it.
HRGN WindowRegion(HWND hwnd);
// A region made of every pixel of `image` whose colour differs from `transparent`.
HRGN RegionOfPixelsNot(const Pixels& image, DWORD transparentRgb);

// ---- skins ----------------------------------------------------------------
// An image of known pixels (0x00RRGGBB), written as a 24-bit BMP.
struct Image {
    int width, height;
    std::vector<DWORD> rgb;
    Image(int w, int h, DWORD fill) : width(w), height(h), rgb(size_t(w) * h, fill) {}
    DWORD& at(int x, int y) { return rgb[y * width + x]; }
    DWORD at(int x, int y) const { return rgb[y * width + x]; }
    // Paints `color` over a filled ellipse inside the image (the rest keeps its colour).
    Image& Ellipse(DWORD color);
    Image& Rect(int x0, int y0, int x1, int y1, DWORD color);
};
std::string Bmp24(const Image& image);
// A skin file of several images, numbered from 1 (an empty string is a hole).
std::string SkinOf(const std::vector<std::string>& images);
// Writes bytes to a fresh temporary file and returns its path; removed at exit.
std::string WriteTempFile(const std::string& bytes, const char* suffix = ".tsk");
// A skin of plain-colour images: image i (1-based) is filled with colors[i-1].
std::string SolidSkin(const std::vector<DWORD>& colors, int width, int height);

// A LOGFONTA for tests: a small common font.
LOGFONTA TestFont(int height = -12);

// ---- fault injection ------------------------------------------------------
#include "ImportPatch.h"
