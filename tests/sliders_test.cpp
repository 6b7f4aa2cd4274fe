// Slider bars, their thumbs, the progressive bar and the volume control seen
// from outside: the positions posted to the parent, what is drawn along the
// track, the outline cut at both ends, where the thumb goes, and that nothing
// leaks or reaches a window that is not a slider bar.
#include "Bench.h"
#include "Tessaro.h"
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const DWORD kKey = 0xFF00FF;  // magenta, the same as RGB and as COLORREF
const int kTile = 7, kStartLen = 10, kEndLen = 6, kThick = 12;

// Images, numbered from 1. "H" pieces run left to right, "V" pieces top to
// bottom; tiles change colour along the axis so the tiling phase shows.
enum Frame {
    kHTile = 1, kHTileOff, kHStart, kHStartOff, kHEnd, kHEndOff, kHStartCut, kHEndCut,
    kVTile, kVTileOff, kVStart, kVStartOff, kVEnd, kVEndOff, kVStartCut, kVEndCut,
    kThumb, kThumbOff, kThumbOver, kThumbPushed, kVThumb, kLongThumb,
    kHPrgTile, kHPrgStart, kHPrgEnd, kVPrgTile, kVPrgStart, kVPrgEnd,
    kLit, kEmpty
};
const DWORD kTileBase = 0x10A000, kTileOffBase = 0x606000, kPrgTileBase = 0xA01000;
const DWORD kStartC = 0x2050F0, kStartOffC = 0x505050, kEndC = 0xF05020, kEndOffC = 0x707030;
const DWORD kPrgStartC = 0xE0E000, kPrgEndC = 0x00E0E0, kBody = 0x101010;
DWORD Striped(DWORD base, int u) { return base + 0x10 * (DWORD)u; }
DWORD LitRow(int y) { return 0x20C000 + (DWORD)y; }
DWORD EmptyRow(int y) { return 0xC02000 + (DWORD)y; }

// A track piece `along` pixels long, kThick thick, plain or striped along its axis.
Image Piece(bool horizontal, int along, DWORD color, bool striped = false) {
    Image im(horizontal ? along : kThick, horizontal ? kThick : along, color);
    if (striped)
        for (int y = 0; y < im.height; ++y)
            for (int x = 0; x < im.width; ++x) im.at(x, y) = Striped(color, horizontal ? x : y);
    return im;
}
// The cut frames: the start loses its outer corner, the end its far corner.
Image StartCut(bool horizontal) {
    Image im = Piece(horizontal, kStartLen, kBody);
    return horizontal ? im.Rect(0, 0, 4, 3, kKey) : im.Rect(0, 0, 3, 4, kKey);
}
Image EndCut(bool horizontal) {
    Image im = Piece(horizontal, kEndLen, kBody);
    return horizontal ? im.Rect(3, 9, 6, 12, kKey) : im.Rect(9, 3, 12, 6, kKey);
}

struct Skin {
    std::string path;
    Skin() {
        std::vector<std::string> images;
        for (bool h : {true, false}) {
            images.push_back(Bmp24(Piece(h, kTile, kTileBase, true)));
            images.push_back(Bmp24(Piece(h, kTile, kTileOffBase, true)));
            for (DWORD c : {kStartC, kStartOffC}) images.push_back(Bmp24(Piece(h, kStartLen, c)));
            for (DWORD c : {kEndC, kEndOffC}) images.push_back(Bmp24(Piece(h, kEndLen, c)));
            images.push_back(Bmp24(StartCut(h)));
            images.push_back(Bmp24(EndCut(h)));
        }
        for (DWORD c : {0xC0C0F0u, 0x909000u, 0xF0C0C0u, 0x3030C0u}) images.push_back(Bmp24(Image(20, kThick, c)));
        images.push_back(Bmp24(Image(kThick, 20, 0xC0C0F0)));
        images.push_back(Bmp24(Image(40, kThick, 0xC0C0F0)));
        for (bool h : {true, false}) {
            images.push_back(Bmp24(Piece(h, kTile, kPrgTileBase, true)));
            images.push_back(Bmp24(Piece(h, kStartLen, kPrgStartC)));
            images.push_back(Bmp24(Piece(h, kEndLen, kPrgEndC)));
        }
        Image lit(20, 60, 0), empty(20, 60, 0);
        for (int y = 0; y < 60; ++y) lit.Rect(0, y, 20, y + 1, LitRow(y)), empty.Rect(0, y, 20, y + 1, EmptyRow(y));
        images.push_back(Bmp24(lit));
        images.push_back(Bmp24(empty));
        path = WriteTempFile(SkinOf(images));
    }
    char* file() { return (char*)path.c_str(); }
};

bool Make(CUIWindow& w, HWND parent, long id, int x, int y, int width, int height, int show = SW_SHOW) {
    DWORD style = parent ? (WS_CHILD | (show == SW_HIDE ? 0 : WS_VISIBLE)) : WS_POPUP;
    return w.Create("", style, x, y, width, height, Instance(), parent, id, kKey, nullptr, nullptr, nullptr, show) == 1;
}
// Destroys the windows it was given, last first, before the objects go.
struct Windows {
    std::vector<HWND> list;
    void Add(CUIWindow& w) { list.push_back(w.GetWindowHandle()); }
    ~Windows() {
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            if (IsWindow(*it)) DestroyWindow(*it);
    }
};

// A window's rectangle relative to its parent's window rectangle.
RECT Within(HWND child) {
    RECT c, p;
    GetWindowRect(child, &c);
    GetWindowRect(GetParent(child), &p);
    return {c.left - p.left, c.top - p.top, c.right - p.left, c.bottom - p.top};
}
bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

LRESULT Send(HWND h, UINT msg, WPARAM w, int x, int y) {
    return SendMessageA(h, msg, w, MAKELPARAM((WORD)(short)x, (WORD)(short)y));
}
bool ThreadMessageQueued() {
    MSG m;
    return PeekMessageA(&m, (HWND)-1, 0, 0, PM_REMOVE) != 0;
}

Expect Report(long id, LPARAM position) {
    return {WM_COMMAND, (WPARAM)(UINT)id, position, kExpectPosted | kCheckW | kCheckL};
}
std::vector<Expect> Reports(long id, const std::vector<LPARAM>& positions) {
    std::vector<Expect> out;
    for (LPARAM p : positions) out.push_back(Report(id, p));
    return out;
}

// The colours along a bar's axis through the middle of its thickness.
std::vector<DWORD> AlongAxis(HWND h, bool horizontal, int cross = kThick / 2) {
    Pixels p = ReadWindowPixels(h);
    std::vector<DWORD> out;
    for (int i = 0; i < (horizontal ? p.width : p.height); ++i)
        out.push_back(horizontal ? p.at(i, cross) : p.at(cross, i));
    return out;
}
// What is expected along the axis, built piece by piece.
struct Track {
    std::vector<DWORD> c;
    explicit Track(int length) : c(length, 0xFFFFFFFF) {}
    Track& Solid(int from, int to, DWORD color) {
        for (int i = from; i < to; ++i) c[i] = color;
        return *this;
    }
    // Tiles keep the phase of window position 0, wherever they start.
    Track& Tiles(int from, int to, DWORD base) {
        for (int i = from; i < to; ++i) c[i] = Striped(base, i % kTile);
        return *this;
    }
};
::testing::AssertionResult Drawn(const Track& expected, const std::vector<DWORD>& actual) {
    if (expected.c.size() != actual.size())
        return ::testing::AssertionFailure() << "length " << actual.size() << ", expected " << expected.c.size();
    std::ostringstream s;
    int wrong = 0;
    for (size_t i = 0; i < actual.size(); ++i)
        if (expected.c[i] != actual[i] && wrong++ < 8)
            s << "\n  at " << std::dec << i << std::hex << ": expected 0x" << expected.c[i] << ", drawn 0x"
              << actual[i];
    if (!wrong) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ along the axis" << s.str();
}

// The outline of a W x H bar: with the start cut at its start and the end
// cut at its end, or the whole rectangle.
HRGN Outline(int width, int height, bool horizontal, bool cut = true) {
    Pixels p;
    p.width = width;
    p.height = height;
    p.rgb.assign(size_t(width) * height, kBody);
    Image start = StartCut(horizontal), end = EndCut(horizontal);
    int ex = horizontal ? width - end.width : 0, ey = horizontal ? 0 : height - end.height;
    for (int y = 0; cut && y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (x < start.width && y < start.height && start.at(x, y) == kKey) p.rgb[y * width + x] = kKey;
            if (x >= ex && y >= ey && x - ex < end.width && y - ey < end.height && end.at(x - ex, y - ey) == kKey)
                p.rgb[y * width + x] = kKey;
        }
    return RegionOfPixelsNot(p, kKey);
}
// The window's outline is `expected`; with `noneIsWhole`, no outline also passes.
::testing::AssertionResult HasOutline(HWND h, HRGN expected, bool noneIsWhole = false) {
    HRGN actual = WindowRegion(h);
    bool same = actual ? EqualRgn(expected, actual) != 0 : noneIsWhole;
    if (actual) DeleteObject(actual);
    DeleteObject(expected);
    return same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "outline differs or is missing";
}

// A bar with corners and end cuts; startOff -2 takes the skin's start disabled frame.
CBitmapSliderBar* CornerBar(char* file, bool horizontal, int orientation, int startOff = -2) {
    bool h = horizontal;
    return new CBitmapSliderBar(file, h ? kHTile : kVTile, h ? kHTileOff : kVTileOff, h ? kHStartCut : kVStartCut,
                                h ? kHStart : kVStart, startOff != -2 ? startOff : h ? kHStartOff : kVStartOff,
                                h ? kHEndCut : kVEndCut, h ? kHEnd : kVEnd, h ? kHEndOff : kVEndOff, kKey, orientation);
}

// A window that is not of this library, whose first extra value holds a
// number that is no object (as a dialog's message result would).
LONG g_foreignMessages = 0;
LRESULT CALLBACK ForeignProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_COMMAND || msg == WM_MOVING || msg == WM_LBUTTONDOWN) ++g_foreignMessages;
    return DefWindowProcA(h, msg, w, l);
}
HWND DialogLike(HWND parent) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ForeignProc;
    wc.hInstance = Instance();
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = "TESSARO TEST DIALOG-LIKE";
    RegisterClassA(&wc);
    HWND h = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 10, 100, 200, 40, parent, nullptr,
                             Instance(), nullptr);
    SetWindowLongPtrA(h, DWLP_MSGRESULT, 0x1234);
    return h;
}

// Fields with no outside effect before a window exists.
struct BarFields : CBitmapSliderBar {
    using CBitmapSliderBar::CBitmapSliderBar;
    std::vector<long> All() const {
        return {m_nOrientation,  m_nStartRegionID, m_nStartNormalID, m_nStartDisableID, m_nEndRegionID,
                m_nEndNormalID, m_nEndDisableID,  (long)m_dwSlideLength, (long)m_dwPosition, (long)m_dwPrgPosition,
                m_bCaptured};
    }
};
struct ProgressiveFields : CBitmapProgressiveSliderBar {
    using CBitmapProgressiveSliderBar::CBitmapProgressiveSliderBar;
    std::vector<int> CornerProgress() const { return {m_nPrgStartNormalID, m_nPrgEndNormalID}; }
};

class SliderTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }  // keep the real pointer off the controls
    Skin skin;
    Recorder parent;
};
}  // namespace

TEST_F(SliderTest, AThumblessBarReportsThePressedPointOnEveryStepUntilReleased) {
    struct Step {
        UINT msg;
        int at;  // along the axis
    };
    struct {
        const char* name;
        bool horizontal;
        int length;
        DWORD slideLength;  // 0: left as constructed
        std::vector<Step> steps;
        std::vector<LPARAM> reported;
    } cases[] = {
        // 58 / 200 * 100 is just under 29 in double precision.
        {"horizontal", true, 201, 0,
         {{WM_LBUTTONDOWN, 58}, {WM_MOUSEMOVE, 500}, {WM_MOUSEMOVE, -5}, {WM_MOUSEMOVE, 100}, {WM_LBUTTONUP, 100}},
         {28, 100, 0, 50, 50}},
        {"vertical", false, 101, 0,
         {{WM_LBUTTONDOWN, 50}, {WM_MOUSEMOVE, 200}, {WM_MOUSEMOVE, -3}, {WM_LBUTTONUP, 25}}, {50, 100, 0, 25}},
        {"slide length 1000", true, 201, 1000, {{WM_LBUTTONDOWN, 100}, {WM_LBUTTONUP, 200}}, {500, 1000}},
        {"slide length 50 keeps 100", true, 201, 50, {{WM_LBUTTONDOWN, 100}, {WM_LBUTTONUP, 200}}, {50, 100}},
        {"one pixel long", true, 1, 0, {{WM_LBUTTONDOWN, 0}, {WM_MOUSEMOVE, 5}, {WM_LBUTTONUP, -5}}, {0, 0, 0}},
    };
    const long id = 0x10203;
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBitmapSliderBar bar(skin.file(), -1, c.horizontal ? kHTile : kVTile, c.horizontal ? kHTileOff : kVTileOff,
                             c.horizontal ? 1 : 0);
        if (c.slideLength) bar.SetSlideLength(c.slideLength);
        Windows windows;
        ASSERT_TRUE(
            Make(bar, parent.hwnd(), id, 10, 10, c.horizontal ? c.length : kThick, c.horizontal ? kThick : c.length));
        windows.Add(bar);
        HWND h = bar.GetWindowHandle();
        EXPECT_EQ(-1, Send(h, WM_MOUSEMOVE, MK_LBUTTON, 3, 3)) << "a move before any press is not handled";
        EXPECT_EQ(-1, Send(h, WM_LBUTTONUP, 0, 3, 3)) << "a release before any press is not handled";
        parent.Drain();
        parent.Clear();
        for (const Step& s : c.steps) {
            int x = c.horizontal ? s.at : 5, y = c.horizontal ? 5 : s.at;
            EXPECT_EQ(0, s.msg == WM_LBUTTONDOWN ? MouseDown(h, x, y)
                         : s.msg == WM_MOUSEMOVE ? MouseMove(h, x, y, MK_LBUTTON)
                                                 : MouseUp(h, x, y));
            EXPECT_EQ(s.msg == WM_LBUTTONUP ? nullptr : h, GetCapture());
        }
        EXPECT_EQ(-1, MouseMove(h, 0, 0, MK_LBUTTON)) << "after the release";
        parent.Drain();
        EXPECT_TRUE(SequenceMatch(Reports(id, c.reported), parent.log()));
    }
}

TEST_F(SliderTest, ADraggedThumbReportsThroughItsBarClampedToTheEndsAndStaysWhereItIs) {
    struct {
        const char* name;
        bool horizontal;
        int barLength;
        int thumbFrame;
        std::vector<std::pair<int, LPARAM>> moves;  // offset along the axis from the press, position reported
    } cases[] = {
        {"horizontal", true, 220, kThumb, {{0, 0}, {100, 50}, {58, 28}, {500, 100}, {199, 99}, {-50, 0}}},
        {"vertical", false, 120, kVThumb, {{50, 50}, {300, 100}, {-10, 0}, {0, 0}}},
        {"thumb as long as the bar", true, 20, kThumb, {{5, 0}, {-5, 0}, {0, 0}}},
        {"thumb longer than the bar", true, 30, kLongThumb, {{5, 0}, {-5, 0}, {40, 0}}},
    };
    const long id = 77;
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBitmapSliderBar bar(skin.file(), -1, c.horizontal ? kHTile : kVTile, c.horizontal ? kHTileOff : kVTileOff,
                             c.horizontal ? 1 : 0);
        CBitmapSlider thumb(skin.file(), -1, c.thumbFrame, kThumbOff, kThumbOver, kThumbPushed);
        Windows windows;
        ASSERT_TRUE(Make(bar, parent.hwnd(), id, 10, 10, c.horizontal ? c.barLength : kThick,
                         c.horizontal ? kThick : c.barLength));
        windows.Add(bar);
        ASSERT_TRUE(Make(thumb, bar.GetWindowHandle(), 0, 0, 0, -1, -1));
        windows.Add(thumb);
        HWND t = thumb.GetWindowHandle();
        RECT before = Within(t);
        const int ax = (before.right - before.left) / 2, ay = (before.bottom - before.top) / 2;
        parent.Clear();
        EXPECT_EQ(0, MouseDown(t, ax, ay));
        EXPECT_EQ(t, GetCapture());
        for (auto& m : c.moves) {
            // Off the line across the axis as well: only the offset along it counts.
            int dx = c.horizontal ? m.first : 3, dy = c.horizontal ? 3 : m.first;
            EXPECT_EQ(0, MouseMove(t, ax + dx, ay + dy, MK_LBUTTON));
        }
        EXPECT_TRUE(Within(t) == before) << "the thumb does not move itself during a drag";
        EXPECT_EQ(0, MouseUp(t, ax, ay));
        EXPECT_EQ(nullptr, GetCapture());
        MouseMove(t, ax + 7, ay + 7, MK_LBUTTON);
        MouseMove(t, ax + 9, ay + 9);
        parent.Drain();
        std::vector<LPARAM> positions;
        for (auto& m : c.moves) positions.push_back(m.second);
        EXPECT_TRUE(SequenceMatch(Reports(id, positions), parent.log()));
    }
}

TEST_F(SliderTest, APressBesideTheThumbCentresItUnderThePointerAndTheDragGoesOnFromThere) {
    struct {
        const char* name;
        bool horizontal;
        int press, move;  // along the axis, bar coordinates
        int thumbStart;   // where the press puts the thumb, along the axis
        LPARAM reported;
    } cases[] = {
        {"horizontal, middle", true, 150, 160, 140, 75},
        {"horizontal, near the end", true, 218, 218, 208, 100},  // placed unclamped, reported clamped
        {"horizontal, near the start", true, 3, 5, -7, 0},
        {"vertical", false, 60, 70, 50, 60},
    };
    const long id = 5;
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The bar is 16 thick and the thumb 2 in from its side, which it keeps.
        CBitmapSliderBar bar(skin.file(), -1, c.horizontal ? kHTile : kVTile, c.horizontal ? kHTileOff : kVTileOff,
                             c.horizontal ? 1 : 0);
        CBitmapSlider thumb(skin.file(), -1, c.horizontal ? kThumb : kVThumb, kThumbOff, kThumbOver, kThumbPushed);
        Windows windows;
        ASSERT_TRUE(Make(bar, parent.hwnd(), id, 10, 10, c.horizontal ? 220 : 16, c.horizontal ? 16 : 120));
        windows.Add(bar);
        ASSERT_TRUE(Make(thumb, bar.GetWindowHandle(), 0, c.horizontal ? 0 : 2, c.horizontal ? 2 : 0, -1, -1));
        windows.Add(thumb);
        HWND b = bar.GetWindowHandle(), t = thumb.GetWindowHandle();
        parent.Clear();
        EXPECT_EQ(0, MouseDown(b, c.horizontal ? c.press : 8, c.horizontal ? 8 : c.press));
        RECT r = Within(t);
        RECT expected = c.horizontal ? RECT{c.thumbStart, 2, c.thumbStart + 20, 2 + kThick}
                                     : RECT{2, c.thumbStart, 2 + kThick, c.thumbStart + 20};
        EXPECT_TRUE(r == expected) << "thumb at " << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
        EXPECT_EQ(t, GetCapture()) << "the thumb took over the press";
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({}, parent.log())) << "a press alone reports nothing";
        MouseMove(b, c.horizontal ? c.move : 8, c.horizontal ? 8 : c.move, MK_LBUTTON);
        MouseUp(b, c.horizontal ? c.move : 8, c.horizontal ? 8 : c.move);
        EXPECT_EQ(nullptr, GetCapture());
        EXPECT_EQ(0, Send(b, WM_MOUSEMOVE, MK_LBUTTON, 30, 8)) << "with a thumb the bar leaves moves to it";
        EXPECT_EQ(0, Send(b, WM_LBUTTONUP, 0, 30, 8));
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(id, c.reported)}, parent.log()));
    }
}

TEST_F(SliderTest, TheTrackIsDrawnFromCornersAndATileAnchoredAtZeroAndTheEndsAreCutAtCreation) {
    struct {
        const char* name;
        bool horizontal;
        int orientation;
        bool corners;
        int startOff;  // -2: the start disabled frame of the skin
        bool disabled;
    } cases[] = {
        {"horizontal", true, 1, true, -2, false},
        {"horizontal, disabled", true, 1, true, -2, true},
        {"horizontal, disabled, no start disabled frame", true, 1, true, 0, true},
        {"horizontal, no corners", true, 1, false, -2, false},
        {"horizontal, no corners, disabled", true, 1, false, -2, true},
        {"vertical", false, 0, true, -2, false},
        {"vertical, disabled, no start disabled frame", false, 0, true, 0, true},
        {"vertical, no corners", false, 0, false, -2, false},
        {"orientation 2 is laid out vertically", false, 2, true, -2, false},
    };
    const int kLength = 60;
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CBitmapSliderBar> bar(
            c.corners ? CornerBar(skin.file(), c.horizontal, c.orientation, c.startOff)
                      : new CBitmapSliderBar(skin.file(), -1, c.horizontal ? kHTile : kVTile,
                                             c.horizontal ? kHTileOff : kVTileOff, c.orientation));
        Windows windows;
        const int width = c.horizontal ? kLength : kThick, height = c.horizontal ? kThick : kLength;
        ASSERT_TRUE(Make(*bar, parent.hwnd(), 9, 10, 10, width, height));
        windows.Add(*bar);
        HWND h = bar->GetWindowHandle();
        EXPECT_EQ(0, OpenReaders()) << "creation leaves no reader open";
        // Without end frames the outline, if any, is the whole rectangle.
        EXPECT_TRUE(HasOutline(h, Outline(width, height, c.horizontal, c.corners), !c.corners));
        if (c.disabled) bar->Enable(0);
        Track expected(kLength);
        if (c.corners) {
            DWORD start = c.disabled && c.startOff != 0 ? kStartOffC : kStartC;
            expected.Solid(0, kStartLen, start)
                .Tiles(kStartLen, kLength - kEndLen, c.disabled ? kTileOffBase : kTileBase)
                .Solid(kLength - kEndLen, kLength, c.disabled ? kEndOffC : kEndC);
        } else {
            expected.Tiles(0, kLength, c.disabled ? kTileOffBase : kTileBase);
        }
        EXPECT_TRUE(Drawn(expected, AlongAxis(h, c.horizontal)));
        if (c.disabled) {
            bar->Enable(1);
            EXPECT_EQ(c.corners ? kStartC : kTileBase, AlongAxis(h, c.horizontal)[0]) << "enabled again";
        }
    }
}

TEST_F(SliderTest, AThumbUnderAWindowThatIsNoSliderBarReportsNothing) {
    CBitmapWindow plain(skin.file(), -1, kHTile, kHTileOff, LOGFONTA{}, (char*)"", 0, 0);
    CBitmapSlider a(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
    CBitmapSlider b(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
    Windows windows;
    ASSERT_TRUE(Make(plain, parent.hwnd(), 3, 10, 10, 200, 40));
    windows.Add(plain);
    HWND foreign = DialogLike(parent.hwnd());
    ASSERT_TRUE(foreign != nullptr);
    windows.list.push_back(foreign);
    ASSERT_TRUE(Make(a, plain.GetWindowHandle(), 0, 50, 5, -1, -1));
    windows.Add(a);
    ASSERT_TRUE(Make(b, foreign, 0, 50, 5, -1, -1));
    windows.Add(b);
    g_foreignMessages = 0;
    parent.Clear();
    for (HWND t : {a.GetWindowHandle(), b.GetWindowHandle()}) {
        RECT before = Within(t);
        Send(t, WM_LBUTTONDOWN, MK_LBUTTON, 10, 6);
        Send(t, WM_MOUSEMOVE, MK_LBUTTON, 40, 6);
        Send(t, WM_MOUSEMOVE, MK_LBUTTON, -30, 20);
        Send(t, WM_LBUTTONUP, 0, -30, 20);
        EXPECT_FALSE(ThreadMessageQueued());
        EXPECT_TRUE(Within(t) == before);
        EXPECT_EQ(nullptr, GetCapture());
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "nothing reached the host, not even a moving request";
    EXPECT_EQ(0, g_foreignMessages);
}

TEST_F(SliderTest, WithoutAParentNothingIsPostedAndAFailedCreateLeavesNothingOpen) {
    CBitmapSliderBar bar(skin.file(), -1, kHTile, kHTileOff, 1);
    CBitmapVolume volume(skin.file(), -1, kLit, kEmpty);
    Windows windows;
    ASSERT_TRUE(Make(bar, nullptr, 1, 300, 300, 201, kThick, SW_SHOWNOACTIVATE));
    windows.Add(bar);
    ASSERT_TRUE(Make(volume, nullptr, 2, 300, 330, -1, -1, SW_SHOWNOACTIVATE));
    windows.Add(volume);
    Settle(20);
    Send(bar.GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, 100, 5);
    Send(bar.GetWindowHandle(), WM_MOUSEMOVE, MK_LBUTTON, 150, 5);
    Send(bar.GetWindowHandle(), WM_LBUTTONUP, 0, 150, 5);
    EXPECT_FALSE(ThreadMessageQueued()) << "bar";
    Send(volume.GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, 5, 15);
    Send(volume.GetWindowHandle(), WM_MOUSEMOVE, MK_LBUTTON, 5, 30);
    Send(volume.GetWindowHandle(), WM_LBUTTONUP, 0, 5, 30);
    EXPECT_FALSE(ThreadMessageQueued()) << "volume";
    EXPECT_EQ(nullptr, GetCapture());

    // A parent handle that names no window: creation fails cleanly.
    HWND bogus = (HWND)(LONG_PTR)0x7FFF1230;
    std::unique_ptr<CBitmapWindow> controls[] = {
        std::unique_ptr<CBitmapWindow>(CornerBar(skin.file(), true, 1)),
        std::unique_ptr<CBitmapWindow>(new CBitmapProgressiveSliderBar(
            skin.file(), kHTile, kHTileOff, kHPrgTile, kHStartCut, kHStart, kHStartOff, kHPrgStart, kHEndCut, kHEnd,
            kHEndOff, kHPrgEnd, kKey, 1)),
        std::unique_ptr<CBitmapWindow>(new CBitmapSlider(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed)),
        std::unique_ptr<CBitmapWindow>(new CBitmapVolume(skin.file(), -1, kLit, kEmpty)),
    };
    for (auto& c : controls) {
        SCOPED_TRACE(testing::Message() << "control " << (&c - controls));
        EXPECT_EQ(0, c->Create("", WS_CHILD | WS_VISIBLE, 0, 0, 60, kThick, Instance(), bogus, 4, kKey, nullptr,
                               nullptr, nullptr, SW_SHOW));
        EXPECT_EQ(nullptr, c->GetWindowHandle());
        EXPECT_EQ(0, OpenReaders());
        EXPECT_EQ(0, OpenBitmaps());
    }
}

TEST_F(SliderTest, DefaultsAreThoseOfTheShortFormsAndCopiesAreWindowlessAndWorkOnTheirOwn) {
    // Nothing shows these before a window exists: no corners, slide length
    // 100, positions 0, left to right; short progressive forms: no corner progress.
    BarFields unset;
    EXPECT_EQ((std::vector<long>{1, -1, -1, -1, -1, -1, -1, 100, 0, 0, 0}), unset.All());
    ProgressiveFields shortForm(skin.file(), -1, kHTile, kHTileOff, kHPrgTile, 1);
    ProgressiveFields named((char*)"MY PROGRESS", skin.file(), -1, kHTile, kHTileOff, kHPrgTile, 1);
    EXPECT_EQ((std::vector<int>{0, 0}), shortForm.CornerProgress());
    EXPECT_EQ((std::vector<int>{0, 0}), named.CornerProgress());
    {
        CBitmapSliderBar plain, bar(skin.file(), -1, kHTile, kHTileOff, 1);
        std::unique_ptr<CBitmapSliderBar> corners(CornerBar(skin.file(), true, 1));
        CBitmapProgressiveSliderBar progress(skin.file(), kHTile, kHTileOff, kHPrgTile, kHStartCut, kHStart, kHStartOff,
                                             kHPrgStart, kHEndCut, kHEnd, kHEndOff, kHPrgEnd, kKey, 1);
        CBitmapSlider thumb(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
        CBitmapVolume volume(skin.file(), -1, kLit, kEmpty);
        volume.SetVolumeInit(10, 60);
        Windows windows;
        ASSERT_TRUE(Make(plain, parent.hwnd(), 20, 10, 10, 201, kThick));  // a default bar given a window
        windows.Add(plain);
        ASSERT_TRUE(Make(*corners, parent.hwnd(), 21, 10, 30, 60, kThick));
        windows.Add(*corners);
        ASSERT_TRUE(Make(progress, parent.hwnd(), 22, 10, 50, 100, kThick));
        windows.Add(progress);
        progress.SetSlideLength(1000);
        ASSERT_EQ(1, progress.SetPrgPosition(500));
        ASSERT_TRUE(Make(volume, parent.hwnd(), 23, 300, 10, -1, -1));
        windows.Add(volume);
        ASSERT_TRUE(Make(thumb, parent.hwnd(), 24, 300, 80, -1, -1));
        windows.Add(thumb);

        // Copies of objects that have windows: none of their own, the same settings.
        CBitmapSliderBar barCopy(*corners), assigned = bar, fromDefault;
        assigned = *corners;
        assigned = assigned;
        fromDefault = bar;
        CBitmapProgressiveSliderBar progressCopy(progress), progressAssigned;
        progressAssigned = progress;
        CBitmapSlider thumbCopy(thumb), thumbAssigned(skin.file(), -1, kVThumb, kThumbOff, kThumbOver, kThumbPushed);
        thumbAssigned = thumbCopy;
        CBitmapVolume volumeCopy(volume), volumeAssigned;
        volumeAssigned = volume;
        volumeAssigned = volumeAssigned;
        for (CUIWindow* w : std::vector<CUIWindow*>{&barCopy, &assigned, &fromDefault, &progressCopy, &progressAssigned,
                                                    &thumbCopy, &thumbAssigned, &volumeCopy, &volumeAssigned})
            EXPECT_EQ(nullptr, w->GetWindowHandle());

        ASSERT_TRUE(Make(assigned, parent.hwnd(), 31, 80, 30, 60, kThick));
        windows.Add(assigned);
        EXPECT_TRUE(HasOutline(assigned.GetWindowHandle(), Outline(60, kThick, true)));
        EXPECT_TRUE(AlongAxis(assigned.GetWindowHandle(), true) == AlongAxis(corners->GetWindowHandle(), true));
        ASSERT_TRUE(Make(progressAssigned, parent.hwnd(), 32, 120, 50, 100, kThick));
        windows.Add(progressAssigned);
        EXPECT_TRUE(AlongAxis(progressAssigned.GetWindowHandle(), true) == AlongAxis(progress.GetWindowHandle(), true));
        EXPECT_EQ(1000u, progressAssigned.GetMaxLength());
        ASSERT_TRUE(Make(thumbAssigned, progressAssigned.GetWindowHandle(), 0, 0, 0, -1, -1));
        windows.Add(thumbAssigned);
        EXPECT_EQ(20, Within(thumbAssigned.GetWindowHandle()).right) << "the thumb's frames came with the assignment";
        ASSERT_TRUE(Make(volumeAssigned, parent.hwnd(), 33, 330, 10, -1, -1));
        windows.Add(volumeAssigned);
        ASSERT_TRUE(Make(fromDefault, parent.hwnd(), 34, 10, 70, 201, kThick));
        windows.Add(fromDefault);
        parent.Drain();
        parent.Clear();
        // Originals and copies work side by side.
        for (HWND h : {plain.GetWindowHandle(), fromDefault.GetWindowHandle()}) {
            MouseDown(h, 100, 5);
            MouseUp(h, 300, 5);
        }
        HWND t = thumbAssigned.GetWindowHandle();
        MouseDown(t, 10, 6);
        MouseMove(t, 10 + 40, 6, MK_LBUTTON);  // 40 of 80 free pixels, of 1000
        MouseUp(t, 50, 6);
        for (HWND v : {volumeAssigned.GetWindowHandle(), volume.GetWindowHandle()}) {
            MouseDown(v, 5, 0);
            MouseUp(v, 5, 0);
        }
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(20, 50), Report(20, 100), Report(34, 50), Report(34, 100), Report(32, 500),
                                   Report(33, 50), Report(23, 50)},
                                  parent.log()));
        DWORD dragged = 0;
        EXPECT_EQ(1, progressAssigned.GetPosition(&dragged));
        EXPECT_EQ(500u, dragged);
        EXPECT_EQ(1, progress.GetPosition(&dragged));
        EXPECT_EQ(0u, dragged) << "the original was not dragged";
    }
    EXPECT_TRUE(AllHeapsValid());
}

TEST_F(SliderTest, TheProgressFillReachesItsEdgeInEveryPieceAndDisabledOnlyInCornersWithoutADisabledFrame) {
    struct {
        const char* name;
        bool horizontal;
        bool thumb;  // 12 x 12, so the bar is 112 long and the free travel 100
        DWORD progress;
        int startOff;  // -2: the start disabled frame of the skin
        bool disabled;
        std::vector<std::pair<int, DWORD>> pieces;  // where each piece ends, and what it is (a tile base or a colour)
    } cases[] = {
        {"none", true, false, 0, -2, false, {{10, kStartC}, {94, kTileBase}, {100, kEndC}}},
        {"in the start corner", true, false, 5, -2, false,
         {{5, kPrgStartC}, {10, kStartC}, {94, kTileBase}, {100, kEndC}}},
        {"half", true, false, 50, -2, false, {{10, kPrgStartC}, {50, kPrgTileBase}, {94, kTileBase}, {100, kEndC}}},
        {"in the end corner", true, false, 97, -2, false,
         {{10, kPrgStartC}, {94, kPrgTileBase}, {97, kPrgEndC}, {100, kEndC}}},
        {"full", true, false, 100, -2, false, {{10, kPrgStartC}, {94, kPrgTileBase}, {100, kPrgEndC}}},
        // With a thumb the corners take the thumb's centre, the middle the bar's length.
        {"none, thumb", true, true, 0, -2, false, {{6, kPrgStartC}, {10, kStartC}, {106, kTileBase}, {112, kEndC}}},
        {"quarter, thumb", true, true, 25, -2, false,
         {{10, kPrgStartC}, {28, kPrgTileBase}, {106, kTileBase}, {112, kEndC}}},
        {"full, thumb", true, true, 100, -2, false, {{10, kPrgStartC}, {106, kPrgTileBase}, {112, kEndC}}},
        {"half, disabled", true, false, 50, -2, true, {{10, kStartOffC}, {94, kTileOffBase}, {100, kEndOffC}}},
        {"half, disabled, no start disabled frame", true, false, 50, 0, true,
         {{10, kPrgStartC}, {94, kTileOffBase}, {100, kEndOffC}}},
        {"vertical, half", false, false, 50, -2, false,
         {{10, kPrgStartC}, {50, kPrgTileBase}, {94, kTileBase}, {100, kEndC}}},
        {"vertical, quarter, thumb", false, true, 25, -2, false,
         {{10, kPrgStartC}, {34, kPrgTileBase}, {106, kTileBase}, {112, kEndC}}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool h = c.horizontal;
        CBitmapProgressiveSliderBar bar(skin.file(), h ? kHTile : kVTile, h ? kHTileOff : kVTileOff,
                                        h ? kHPrgTile : kVPrgTile, h ? kHStartCut : kVStartCut, h ? kHStart : kVStart,
                                        c.startOff == -2 ? (h ? kHStartOff : kVStartOff) : c.startOff,
                                        h ? kHPrgStart : kVPrgStart, h ? kHEndCut : kVEndCut, h ? kHEnd : kVEnd,
                                        h ? kHEndOff : kVEndOff, h ? kHPrgEnd : kVPrgEnd, kKey, h ? 1 : 0);
        CBitmapSlider thumb(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
        const int length = c.thumb ? 112 : 100;
        Windows windows;
        ASSERT_TRUE(Make(bar, parent.hwnd(), 6, 10, 10, h ? length : kThick, h ? kThick : length));
        windows.Add(bar);
        if (c.thumb) {  // hidden, so that the track under it can be read
            ASSERT_TRUE(Make(thumb, bar.GetWindowHandle(), 0, 0, 0, kThick, kThick, SW_HIDE));
            windows.Add(thumb);
        }
        if (c.disabled) bar.Enable(0);
        EXPECT_EQ(1, bar.SetPrgPosition(c.progress));
        Track expected(length);
        int from = 0;
        for (auto& p : c.pieces) {
            bool tile = p.second == kTileBase || p.second == kTileOffBase || p.second == kPrgTileBase;
            tile ? expected.Tiles(from, p.first, p.second) : expected.Solid(from, p.first, p.second);
            from = p.first;
        }
        EXPECT_TRUE(Drawn(expected, AlongAxis(bar.GetWindowHandle(), h)));
        EXPECT_EQ(0, bar.SetPrgPosition(101)) << "beyond the slide length";
        EXPECT_TRUE(Drawn(expected, AlongAxis(bar.GetWindowHandle(), h))) << "a refused progress changes nothing";
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "progress is never reported";
}

TEST_F(SliderTest, SetPositionPlacesTheThumbReportsNothingAndADragIsWhatGetPositionGives) {
    CBitmapProgressiveSliderBar bar(skin.file(), -1, kHTile, kHTileOff, kHPrgTile, 1);
    CBitmapProgressiveSliderBar upright(skin.file(), -1, kVTile, kVTileOff, kVPrgTile, 0);
    CBitmapProgressiveSliderBar bare(skin.file(), -1, kHTile, kHTileOff, kHPrgTile, 1);
    CBitmapSlider thumb(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
    CBitmapSlider thumb2(skin.file(), -1, kThumb, kThumbOff, kThumbOver, kThumbPushed);
    Windows windows;
    // 112 long with a 12-pixel thumb: 100 pixels of travel; the thumb 2 in from the side.
    ASSERT_TRUE(Make(bar, parent.hwnd(), 11, 10, 10, 112, 16));
    windows.Add(bar);
    ASSERT_TRUE(Make(thumb, bar.GetWindowHandle(), 0, 0, 2, kThick, kThick));
    windows.Add(thumb);
    ASSERT_TRUE(Make(upright, parent.hwnd(), 12, 10, 40, 16, 112));
    windows.Add(upright);
    ASSERT_TRUE(Make(thumb2, upright.GetWindowHandle(), 0, 2, 0, kThick, kThick));
    windows.Add(thumb2);
    ASSERT_TRUE(Make(bare, parent.hwnd(), 13, 40, 40, 112, kThick));
    windows.Add(bare);
    HWND t = thumb.GetWindowHandle();
    parent.Clear();
    struct {
        DWORD slideLength, position;
        int result, left;
        DWORD stored;
    } steps[] = {
        {100, 100, 1, 100, 100}, {100, 101, 0, 100, 100}, {100, 50, 1, 50, 50},        {100, 0, 1, 0, 0},
        {1000, 1000, 1, 100, 1000}, {1000, 1001, 0, 100, 1000}, {1000, 250, 1, 25, 250},
    };
    DWORD p = 0;
    for (auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.position << " of " << s.slideLength);
        bar.SetSlideLength(s.slideLength);
        EXPECT_EQ(s.slideLength, bar.GetMaxLength());
        EXPECT_EQ(s.result, bar.SetPosition(s.position));
        EXPECT_EQ(s.left, Within(t).left);
        EXPECT_EQ(2, Within(t).top) << "the thumb keeps its line";
        EXPECT_EQ(1, bar.GetPosition(&p));
        EXPECT_EQ(s.stored, p);
    }
    bar.SetSlideLength(50);
    EXPECT_EQ(100u, bar.GetMaxLength());
    EXPECT_EQ(1, upright.SetPosition(25));
    EXPECT_TRUE(Within(thumb2.GetWindowHandle()) == (RECT{2, 25, 2 + kThick, 25 + kThick}));
    EXPECT_EQ(1, bare.SetPosition(30)) << "without a thumb the value is only stored";
    bare.GetPosition(&p);
    EXPECT_EQ(30u, p);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "setting a position reports nothing";

    // A drag reports; the host answers by placing the thumb.
    ASSERT_EQ(1, bar.SetPosition(50));
    MouseDown(t, 6, 6);
    MouseMove(t, 6 + 20, 6, MK_LBUTTON);
    EXPECT_EQ(50, Within(t).left) << "the drag alone does not move the thumb";
    MouseUp(t, 26, 6);
    bar.GetPosition(&p);
    EXPECT_EQ(70u, p);
    EXPECT_EQ(1, bar.SetPosition(70));
    EXPECT_EQ(70, Within(t).left);
    MouseDown(bare.GetWindowHandle(), 111, 5);
    MouseUp(bare.GetWindowHandle(), 111, 5);
    bare.GetPosition(&p);
    EXPECT_EQ(100u, p) << "a press on a thumbless bar is stored too";
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(11, 70), Report(13, 100), Report(13, 100)}, parent.log()));
}

TEST_F(SliderTest, TheVolumeReportsTheLevelOfEachPressAndDragStepMaskedTo16Bits) {
    struct {
        const char* name;
        int minVolume, maxVolume;
        int y;
        LPARAM reported;
    } presses[] = {
        {"a quarter down", 0, 60, 15, 45}, {"above the top", 0, 60, -10, 60}, {"below the bottom", 0, 60, 80, 0},
        {"range 10..60, full", 10, 60, 0, 50}, {"wider than 16 bits", 0, 0x12345, 0, 0x2345},
        {"equal bounds", 10, 10, 20, 0},
    };
    CBitmapVolume volume(skin.file(), -1, kLit, kEmpty);
    Windows windows;
    ASSERT_TRUE(Make(volume, parent.hwnd(), 40, 10, 10, -1, -1));
    windows.Add(volume);
    HWND h = volume.GetWindowHandle();
    RECT placed;
    GetWindowRect(h, &placed);
    EXPECT_EQ(20, placed.right - placed.left);
    EXPECT_EQ(60, placed.bottom - placed.top);
    for (auto& c : presses) {
        SCOPED_TRACE(c.name);
        volume.SetVolumeInit(c.minVolume, c.maxVolume);
        parent.Drain();
        parent.Clear();
        EXPECT_EQ(0, MouseDown(h, 5, c.y));
        EXPECT_EQ(h, GetCapture());
        EXPECT_EQ(0, MouseUp(h, 5, c.y));
        EXPECT_EQ(nullptr, GetCapture());
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(40, c.reported)}, parent.log()));
    }

    // A drag reports every step but not the release, and moves no window.
    volume.SetVolumeInit(0, 60);
    parent.Clear();
    MouseDown(h, 5, 15);
    MouseMove(h, 5, 30, MK_LBUTTON);
    Pixels p = ReadWindowPixels(h);
    EXPECT_EQ(EmptyRow(29), p.at(5, 29)) << "the line follows the pointer";
    EXPECT_EQ(LitRow(30), p.at(5, 30));
    MouseMove(h, 9, -10, MK_LBUTTON);
    MouseMove(h, 2, 80, MK_LBUTTON);
    MouseUp(h, 2, 80);
    EXPECT_EQ(-1, MouseMove(h, 5, 20, MK_LBUTTON)) << "after the release";
    RECT now;
    GetWindowRect(h, &now);
    EXPECT_TRUE(now == placed);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(40, {45, 30, 60, 0}), parent.log()));
}

TEST_F(SliderTest, TheVolumeLineSplitsTheEmptyAndTheLitImageAndDisabledShowsOnlyTheDisabledFrame) {
    struct {
        int minVolume, maxVolume, volume;
        int line;
    } cases[] = {
        {0, 60, 30, 30}, {0, 60, 100, 0}, {0, 60, 60, 0}, {0, 60, 0, 60}, {0, 120, 60, 30},
        {10, 60, 25, 30},  // the bottom of the range is not added to the volume
        {10, 10, 10, 0},   // equal bounds: at the top it is full,
        {10, 10, 5, 60},   // below it empty
    };
    CBitmapVolume volume(skin.file(), -1, kLit, kEmpty);
    Windows windows;
    ASSERT_TRUE(Make(volume, parent.hwnd(), 41, 10, 10, -1, -1));
    windows.Add(volume);
    HWND h = volume.GetWindowHandle();
    auto split = [](int line) {
        Track t(60);
        for (int y = 0; y < 60; ++y) t.c[y] = y < line ? EmptyRow(y) : LitRow(y);
        return t;
    };
    for (auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.volume << " of " << c.minVolume << ".." << c.maxVolume);
        volume.SetVolumeInit(c.minVolume, c.maxVolume);
        volume.SetVolume(c.volume);
        for (int x : {0, 19}) EXPECT_TRUE(Drawn(split(c.line), AlongAxis(h, false, x)));
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "setting the level reports nothing";

    volume.SetVolumeInit(0, 60);
    volume.SetVolume(30);
    volume.Enable(0);
    EXPECT_TRUE(Drawn(split(60), AlongAxis(h, false, 10))) << "disabled: all from the disabled frame";
    MouseDown(h, 5, 15);
    MouseUp(h, 5, 15);
    EXPECT_TRUE(Drawn(split(60), AlongAxis(h, false, 10)));
    volume.Enable(1);
    EXPECT_TRUE(Drawn(split(15), AlongAxis(h, false, 10))) << "enabled again, at the pressed level";
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(41, 45)}, parent.log())) << "a disabled volume still reacts";
}
