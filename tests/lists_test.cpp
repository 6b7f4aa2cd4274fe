// The line-stepping scroll bar and the bitmap strip seen from outside: the
// lines posted to the parent, where the arrows and the counter are and what
// they show, the outline, capture, the items drawn and scrolled (read back
// pixel by pixel), the item IDs a click reports, error slots and copies.
#include "Bench.h"
#include "Tessaro.h"
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const DWORD kBlack = 0x000000;  // the scroll bar skin's cut colour
const DWORD kKey = 0xFF00FF;
const __int64 kUntouched = 0x5A5A5A5A5A5A5A5ALL;
const int kArrow = 12, kBarLength = 124;  // arrows 12 x 12: the track runs 12..112

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
// A window's rectangle relative to its parent's.
RECT Within(HWND child) {
    RECT c, p;
    GetWindowRect(child, &c);
    GetWindowRect(GetParent(child), &p);
    return {c.left - p.left, c.top - p.top, c.right - p.left, c.bottom - p.top};
}
struct Windows {  // destroys its windows, last first, before the objects go
    std::vector<HWND> list;
    void Add(CUIWindow& w) { list.push_back(w.GetWindowHandle()); }
    ~Windows() {
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            if (IsWindow(*it)) DestroyWindow(*it);
    }
};
Expect Report(long id, LPARAM value) {
    return {WM_COMMAND, (WPARAM)(UINT)id, value, kExpectPosted | kCheckW | kCheckL};
}
std::vector<Expect> Reports(long id, const std::vector<LPARAM>& values) {
    std::vector<Expect> out;
    for (LPARAM v : values) out.push_back(Report(id, v));
    return out;
}
// `values`, then `last` repeated `times` more.
std::vector<LPARAM> Then(std::vector<LPARAM> values, LPARAM last, int times) {
    values.insert(values.end(), times, last);
    return values;
}
::testing::AssertionResult HasOutline(HWND h, HRGN expected) {
    HRGN actual = WindowRegion(h);
    bool same = actual && EqualRgn(expected, actual);
    if (actual) DeleteObject(actual);
    DeleteObject(expected);
    return same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "outline differs or is missing";
}

// ---- scroll bar -------------------------------------------------------------
enum BarFrame {
    kTrack = 1, kTrackOff, kDecRgn, kDec, kDecOff, kDecOver, kDecPushed, kIncRgn, kInc, kIncOff, kIncOver, kIncPushed,
    kCounter, kCounterOff, kCounterOver, kCounterPushed, kBarRgn
};
const DWORD kTrackC = 0x2080A0, kTrackOffC = 0x606060, kDecC = 0xC04040, kDecOffC = 0x804040, kIncC = 0x40C040,
            kIncOffC = 0x408040, kCounterC = 0x4040C0, kCounterOffC = 0x505080, kCounterOverC = 0x8080F0;
// The arrows' outlines lose a 3 x 3 corner each: the near one its outer
// top-left, the far one its bottom-right; the bar's own outline frame a notch.
Image DecCut() { return Image(kArrow, kArrow, 0x777777).Rect(0, 0, 3, 3, kBlack); }
Image IncCut() { return Image(kArrow, kArrow, 0x777777).Rect(9, 9, 12, 12, kBlack); }
Image BarCut() { return Image(kBarLength, kArrow, 0x303030).Rect(50, 0, 60, 4, kBlack); }

struct BarSkin {
    std::string path;
    BarSkin() {
        std::vector<std::string> images;
        auto square = [&](DWORD c) { images.push_back(Bmp24(Image(kArrow, kArrow, c))); };
        square(kTrackC), square(kTrackOffC);
        images.push_back(Bmp24(DecCut()));
        for (DWORD c : {kDecC, kDecOffC, 0xE06060ul, 0xA02020ul}) square(c);
        images.push_back(Bmp24(IncCut()));
        for (DWORD c : {kIncC, kIncOffC, 0x60E060ul, 0x20A020ul}) square(c);
        for (DWORD c : {kCounterC, kCounterOffC, kCounterOverC, 0x202090ul}) square(c);
        images.push_back(Bmp24(BarCut()));
        path = WriteTempFile(SkinOf(images));
    }
    char* file() { return (char*)path.c_str(); }
};

const BITMAPLISTID kDecIds = {kDecRgn, kDec, kDecOff, kDecOver, kDecPushed},
                   kIncIds = {kIncRgn, kInc, kIncOff, kIncOver, kIncPushed},
                   kCounterIds = {-1, kCounter, kCounterOff, kCounterOver, kCounterPushed};
CBitmapScrollBarButton* NewBar(char* file, bool horizontal, bool ownOutline = false) {
    return new CBitmapScrollBarButton(file, {ownOutline ? kBarRgn : -1, kTrack, kTrackOff, -1, -1}, kDecIds, kIncIds,
                                      kCounterIds, kBlack, horizontal ? 1 : 0);
}
bool MakeBar(CUIWindow& bar, HWND parent, long id, int x, int y, int width, int height) {
    return bar.Create("", WS_CHILD | WS_VISIBLE, x, y, width, height, Instance(), parent, id, kBlack, nullptr, nullptr,
                      nullptr, SW_SHOW) == 1;
}
// The arrow window with this id among the bar's children, or null.
HWND Arrow(HWND bar, int id) {
    for (HWND c = GetWindow(bar, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        CUIWindow* w = CUIWindow::GetThis(c);
        if (w && w->GetIDWindow() == id) return c;
    }
    return nullptr;
}
int ChildCount(HWND h) {
    int n = 0;
    for (HWND c = GetWindow(h, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++n;
    return n;
}
// Along the track through the middle of the bar: the counter's colour on
// [from, to), the track's everywhere else.
::testing::AssertionResult CounterAt(HWND bar, bool horizontal, int from, int to, DWORD counter = kCounterC,
                                     DWORD track = kTrackC) {
    Pixels p = ReadWindowPixels(bar);
    int length = horizontal ? p.width : p.height;
    std::ostringstream s;
    int wrong = 0;
    for (int i = kArrow; i < length - kArrow; ++i) {
        DWORD want = i >= from && i < to ? counter : track;
        DWORD got = horizontal ? p.at(i, kArrow / 2) : p.at(kArrow / 2, i);
        if (got != want && wrong++ < 6)
            s << "\n  at " << std::dec << i << std::hex << ": 0x" << got << ", expected 0x" << want;
    }
    if (!wrong) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::dec << wrong << " pixels differ along the track" << s.str();
}
DWORD Shown(HWND h) { return ReadWindowPixels(h).at(kArrow / 2, kArrow / 2); }
void ClickArrow(HWND arrow) {
    MouseDown(arrow, 6, 6);
    MouseUp(arrow, 6, 6);
}
LPARAM At(bool horizontal, int along) { return horizontal ? MAKELPARAM(along, 6) : MAKELPARAM(6, along); }

// Reaches the notify slots, which nothing in the library calls.
struct NotifyBar : CBitmapScrollBarButton {
    using CBitmapScrollBarButton::CBitmapScrollBarButton;
    int Horizontal(RECT current, RECT proposed) { return HorizontalSliderBarNotifyMoving(&current, &proposed); }
    int Vertical(RECT current, RECT proposed) { return VerticalSliderBarNotifyMoving(&current, &proposed); }
};

class ScrollBarTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }  // keep the real pointer off the controls
    BarSkin skin;
    Recorder parent;
    // A 124-pixel bar, created and painted with `lines` lines of `step` pixels.
    std::unique_ptr<CBitmapScrollBarButton> Bar(Windows& windows, long id, bool horizontal, DWORD step, DWORD lines) {
        std::unique_ptr<CBitmapScrollBarButton> bar(NewBar(skin.file(), horizontal));
        bar->SetScrollBarLength(0, step, 0);
        bool made = MakeBar(*bar, parent.hwnd(), id, 10, 10, horizontal ? kBarLength : kArrow,
                            horizontal ? kArrow : kBarLength);
        EXPECT_TRUE(made);
        if (!made) return bar;
        windows.Add(*bar);
        EXPECT_EQ(1, bar->SetLinesNumber(lines));
        UpdateWindow(bar->GetWindowHandle());  // the first paint puts the counter at the track's start
        parent.Drain();
        parent.Clear();
        return bar;
    }
};
}  // namespace

TEST_F(ScrollBarTest, TheArrowsAreChildWindowsAtBothEndsAndTheOutlineLosesOnlyTheirCutPixels) {
    struct {
        const char* name;
        bool horizontal;
        DWORD length;      // SetScrollBarLength
        bool ownOutline;   // the bar has an outline frame of its own
        int width, height; // given to Create
        int barW, barH;    // the window made
    } cases[] = {
        {"horizontal", true, 0, false, kBarLength, kArrow, kBarLength, kArrow},
        {"horizontal, length set before creation", true, 150, false, kBarLength, kArrow, 150, kArrow},
        {"vertical", false, 0, false, kArrow, kBarLength, kArrow, kBarLength},
        {"vertical, length set before creation", false, 90, false, kArrow, kBarLength, kArrow, 90},
        {"with an outline frame of its own", true, 0, true, -1, -1, kBarLength, kArrow},
    };
    for (auto& c : cases) {
        std::unique_ptr<CBitmapScrollBarButton> bar(NewBar(skin.file(), c.horizontal, c.ownOutline));
        bar->SetScrollBarLength(c.length, 10, 0);
        EXPECT_EQ(0, bar->SetLinesNumber(4)) << "the arrows have no windows yet; " << c.name;
        Windows windows;
        ASSERT_TRUE(MakeBar(*bar, parent.hwnd(), 7, 10, 10, c.width, c.height)) << c.name;
        windows.Add(*bar);
        HWND h = bar->GetWindowHandle();
        EXPECT_TRUE(Within(h) == (RECT{10, 10, 10 + c.barW, 10 + c.barH})) << c.name;
        EXPECT_EQ(2, ChildCount(h)) << c.name;
        HWND dec = Arrow(h, 0), inc = Arrow(h, 1);
        ASSERT_TRUE(dec && inc) << c.name;
        EXPECT_EQ(h, GetParent(dec)) << c.name;
        EXPECT_EQ(h, GetParent(inc)) << c.name;
        EXPECT_TRUE(Within(dec) == (RECT{0, 0, kArrow, kArrow})) << c.name;
        RECT farEnd =
            c.horizontal ? RECT{c.barW - kArrow, 0, c.barW, kArrow} : RECT{0, c.barH - kArrow, kArrow, c.barH};
        EXPECT_TRUE(Within(inc) == farEnd) << "the far arrow sits at the end; " << c.name;
        EXPECT_EQ(kDecC, Shown(dec)) << c.name;
        EXPECT_EQ(kIncC, Shown(inc)) << c.name;
        EXPECT_EQ(0, OpenReaders()) << c.name;

        // Where an arrow's outline cuts a pixel the bar is cut too, at the arrow's place.
        Pixels expected;
        expected.width = c.barW;
        expected.height = c.barH;
        expected.rgb.assign(size_t(c.barW) * c.barH, 0x777777);
        Image decCut = DecCut(), incCut = IncCut(), own = BarCut();
        for (int y = 0; y < kArrow; ++y)
            for (int x = 0; x < kArrow; ++x) {
                if (decCut.at(x, y) == kBlack) expected.rgb[y * c.barW + x] = kBlack;
                if (incCut.at(x, y) == kBlack) expected.rgb[(farEnd.top + y) * c.barW + farEnd.left + x] = kBlack;
            }
        if (c.ownOutline) expected.rgb = own.rgb;
        EXPECT_TRUE(HasOutline(h, RegionOfPixelsNot(expected, kBlack))) << c.name;
        EXPECT_EQ(1, bar->SetLinesNumber(4)) << c.name;
    }

    // A bar made without arrows has nothing to size and still works.
    CBitmapScrollBarButton bare;
    EXPECT_EQ(0, bare.SetLinesNumber(3));
    Windows windows;
    if (MakeBar(bare, parent.hwnd(), 8, 10, 40, kBarLength, kArrow)) {
        windows.Add(bare);
        UpdateWindow(bare.GetWindowHandle());
        EXPECT_EQ(0, ChildCount(bare.GetWindowHandle()));
        EXPECT_EQ(1, bare.Increas());
    }
    EXPECT_EQ(0, bare.SetLinesNumber(3));
}

TEST_F(ScrollBarTest, TheCounterIsTheTrackLessOneStepPerLineAndEveryStepReportsTheLine) {
    std::vector<LPARAM> upAndDown;  // 20 lines without a counter: up to 20 and no further, down to 0
    for (int i = 1; i <= 42; ++i) upAndDown.push_back(i <= 20 ? i : i == 21 ? 20 : i <= 41 ? 41 - i : 0);
    struct {
        const char* name;
        bool horizontal;
        DWORD step, lines;
        int from, to;  // the counter after the first paint
        int ups, downs;
        std::vector<LPARAM> reported;
        int fromAfter, toAfter;
    } cases[] = {
        {"4 lines of 10", true, 10, 4, 12, 72, 5, 1, {1, 2, 3, 4, 4, 3}, 42, 102},
        {"vertical, 4 lines of 10", false, 10, 4, 12, 72, 5, 1, {1, 2, 3, 4, 4, 3}, 42, 102},
        {"a step of 0 is one pixel", true, 0, 95, 12, 17, 2, 1, {1, 2, 1}, 13, 18},
        {"no lines: the counter fills the track", true, 10, 0, 12, 112, 1, 1, {0, 0}, 12, 112},
        {"20 lines of 10: no counter", true, 10, 20, 0, 0, 21, 21, upAndDown, 0, 0},
        {"vertical, 20 lines of 10", false, 10, 20, 0, 0, 21, 21, upAndDown, 0, 0},
    };
    const long id = 0x1234;
    for (auto& c : cases) {
        Windows windows;
        auto bar = Bar(windows, id, c.horizontal, c.step, c.lines);
        HWND h = bar->GetWindowHandle();
        ASSERT_TRUE(h) << c.name;
        EXPECT_TRUE(CounterAt(h, c.horizontal, c.from, c.to)) << c.name;
        for (int i = 0; i < c.ups; ++i) EXPECT_EQ(1, bar->Increas()) << c.name;
        for (int i = 0; i < c.downs; ++i) EXPECT_EQ(1, bar->Decreas()) << c.name;
        EXPECT_TRUE(CounterAt(h, c.horizontal, c.fromAfter, c.toAfter)) << c.name;
        parent.Drain();
        EXPECT_TRUE(SequenceMatch(Reports(id, c.reported), parent.log())) << c.name;
        parent.Clear();
    }
}

TEST_F(ScrollBarTest, ArrowClicksStepOneLineAndATrackClickStepsOncePerPixelBeyondTheCounter) {
    const long id = 21;
    Windows windows;
    auto bar = Bar(windows, id, true, 10, 4);
    HWND h = bar->GetWindowHandle();
    ASSERT_TRUE(h);
    struct {
        int x;
        std::vector<LPARAM> reported;
        int from;  // the counter (60 long) afterwards
    } clicks[] = {
        {97, Then({1, 2, 3, 4}, 4, 21), 52},  // 25 pixels past the counter's end: 25 steps
        {30, Then({3, 2, 1, 0}, 0, 18), 12},  // 22 pixels before its start
        {73, {1}, 22},
        {15, Then({0}, 0, 6), 12},
    };
    for (auto& c : clicks) {
        EXPECT_EQ(0, MouseDown(h, c.x, 6)) << "click at x " << c.x;
        EXPECT_EQ(nullptr, GetCapture()) << "only a press on the counter takes the capture; click at x " << c.x;
        MouseUp(h, c.x, 6);
        EXPECT_TRUE(CounterAt(h, true, c.from, c.from + 60)) << "click at x " << c.x;
        parent.Drain();
        EXPECT_TRUE(SequenceMatch(Reports(id, c.reported), parent.log())) << "click at x " << c.x;
        parent.Clear();
    }
    // Each arrow reports to the bar, which steps and reports the line; nothing else reaches the parent.
    HWND dec = Arrow(h, 0), inc = Arrow(h, 1);
    ASSERT_TRUE(dec && inc);
    for (int i = 0; i < 5; ++i) ClickArrow(inc);
    EXPECT_TRUE(CounterAt(h, true, 52, 112));
    for (int i = 0; i < 2; ++i) ClickArrow(dec);
    EXPECT_TRUE(CounterAt(h, true, 32, 92));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(id, {1, 2, 3, 4, 4, 3, 2}), parent.log()));

    parent.Clear();
    DestroyWindow(h);
    Windows more;
    auto upright = Bar(more, 22, false, 10, 4);
    HWND v = upright->GetWindowHandle();
    ASSERT_TRUE(v);
    ClickArrow(Arrow(v, 1));  // the counter on 22..81
    EXPECT_EQ(0, MouseDown(v, 6, 100));  // 18 pixels below its end
    MouseUp(v, 6, 100);
    EXPECT_TRUE(CounterAt(v, false, 52, 112));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(22, Then({1, 2, 3, 4}, 4, 15)), parent.log()));
}

TEST_F(ScrollBarTest, ADragStepsOnceForEachMoveInItsDirectionCountedFromThePress) {
    const long id = 31;
    Windows windows;
    auto bar = Bar(windows, id, true, 10, 4);
    HWND h = bar->GetWindowHandle();
    ASSERT_TRUE(h);
    // Over the counter without the button: only its look changes.
    EXPECT_EQ(0, MouseMove(h, 50, 6));
    EXPECT_TRUE(CounterAt(h, true, 12, 72, kCounterOverC));
    EXPECT_EQ(0, MouseMove(h, 100, 6));
    EXPECT_TRUE(CounterAt(h, true, 12, 72, kCounterC));

    struct Move {
        int x;
        WPARAM keys;
    };
    struct {
        int press;
        std::vector<Move> moves;
        int release;
    } drags[] = {
        // Counter on 12..71: two steps forward, ending on x = 70.
        {60, {{65, MK_LBUTTON}, {70, MK_LBUTTON}}, 70},
        // Pressed again further back: forward is counted from the press, not from 70.
        {40,
         {{41, MK_LBUTTON}, {41, MK_LBUTTON}, {60, MK_LBUTTON | MK_SHIFT}, {90, MK_LBUTTON}, {100, MK_LBUTTON},
          {95, MK_LBUTTON}, {200, MK_LBUTTON}, {-50, MK_LBUTTON}},
         -50},
    };
    for (auto& d : drags) {
        MouseDown(h, d.press, 6);
        EXPECT_EQ(h, GetCapture()) << "a press on the counter takes the capture; pressed at x " << d.press;
        for (auto& m : d.moves) MouseMove(h, m.x, 6, m.keys);
        MouseUp(h, d.release, 6);
        EXPECT_EQ(nullptr, GetCapture()) << "pressed at x " << d.press;
    }
    EXPECT_TRUE(CounterAt(h, true, 42, 102));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(id, {1, 2, 3, 4, 4, 3}), parent.log()));
}

TEST_F(ScrollBarTest, ADisabledBarIgnoresTheMouseShowsItsDisabledFramesAndRecoversWhenEnabled) {
    const long id = 41;
    Windows windows;
    auto bar = Bar(windows, id, true, 10, 4);
    HWND h = bar->GetWindowHandle();
    ASSERT_TRUE(h);
    HWND dec = Arrow(h, 0), inc = Arrow(h, 1);
    ASSERT_TRUE(dec && inc);

    bar->Enable(0);
    EXPECT_TRUE(CounterAt(h, true, 12, 72, kCounterOffC, kTrackOffC));
    EXPECT_EQ(kDecOffC, Shown(dec)) << "the arrows follow the bar at its next paint";
    EXPECT_EQ(kIncOffC, Shown(inc));
    EXPECT_EQ(-1, MouseDown(h, 97, 6));
    EXPECT_EQ(-1, MouseMove(h, 30, 6, MK_LBUTTON));
    MouseUp(h, 97, 6);
    EXPECT_EQ(-1, MouseDown(h, 30, 6)) << "on the counter";
    EXPECT_EQ(nullptr, GetCapture());
    MouseUp(h, 30, 6);
    ClickArrow(inc);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(CounterAt(h, true, 12, 72, kCounterOffC, kTrackOffC));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "a disabled bar reports nothing";

    // Enabled again: the normal counter without any mouse input, and working arrows.
    bar->Enable(1);
    EXPECT_TRUE(CounterAt(h, true, 12, 72));
    EXPECT_EQ(kDecC, Shown(dec));
    EXPECT_EQ(kIncC, Shown(inc));
    ClickArrow(inc);
    EXPECT_TRUE(CounterAt(h, true, 22, 82));

    // Disabled while the counter is held: the release still gives the capture back.
    MouseDown(h, 30, 6);
    ASSERT_EQ(h, GetCapture());
    bar->Enable(0);
    MouseUp(h, 30, 6);
    EXPECT_NE(h, GetCapture());
    bar->Enable(1);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(id, {1}), parent.log()));
}

TEST_F(ScrollBarTest, TheNotifySlotsReportTheThumbCentreAsAShareOfTheLengthAndZeroWithoutTravel) {
    struct {
        const char* name;
        bool horizontal;
        RECT current, proposed;  // along the axis; across it the bar's thickness
        LPARAM reported;
    } cases[] = {
        {"middle", true, {0, 0, 20, 12}, {80, 3, 100, 9}, 100},             // (80 + 10) / 180 of 200
        {"before the start", true, {0, 0, 20, 12}, {-5, 0, 15, 12}, 11},    // clamped to 0..20
        {"past the end", true, {0, 0, 20, 12}, {190, 0, 210, 12}, 211},     // clamped to 180..200
        {"as long as the bar", true, {0, 0, 200, 12}, {0, 0, 200, 12}, 0},
        {"longer than the bar", true, {0, 0, 250, 12}, {10, 0, 260, 12}, 0},
        {"vertical, middle", false, {0, 0, 12, 20}, {0, 80, 12, 100}, 100},
        {"vertical, as long as the bar", false, {0, 0, 12, 200}, {0, 5, 12, 205}, 0},
    };
    NotifyBar across(skin.file(), {-1, kTrack, kTrackOff, -1, -1}, kDecIds, kIncIds, kCounterIds, kBlack, 1),
        upright(skin.file(), {-1, kTrack, kTrackOff, -1, -1}, kDecIds, kIncIds, kCounterIds, kBlack, 0);
    across.SetScrollBarLength(200, 10, 0);
    upright.SetScrollBarLength(200, 10, 0);
    Windows windows;
    ASSERT_TRUE(MakeBar(across, parent.hwnd(), 51, 10, 10, 200, kArrow));
    windows.Add(across);
    ASSERT_TRUE(MakeBar(upright, parent.hwnd(), 52, 10, 30, kArrow, 200));
    windows.Add(upright);
    parent.Drain();
    parent.Clear();
    std::vector<Expect> expected;
    for (auto& c : cases) {
        EXPECT_EQ(1, c.horizontal ? across.Horizontal(c.current, c.proposed) : upright.Vertical(c.current, c.proposed))
            << c.name;
        expected.push_back(Report(c.horizontal ? 51 : 52, c.reported));
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(expected, parent.log()));
}

TEST_F(ScrollBarTest, CopiesOwnArrowsOfTheirOwnAndWorkBesideTheOriginal) {
    {
        Windows windows;
        auto bar = Bar(windows, 61, true, 10, 4);
        ASSERT_TRUE(bar->GetWindowHandle());
        CBitmapScrollBarButton copy(*bar), assigned, bare, bareCopy(bare);
        assigned = *bar;
        assigned = assigned;
        bare = bareCopy;
        for (CUIWindow* w : {(CUIWindow*)&copy, (CUIWindow*)&assigned, (CUIWindow*)&bare, (CUIWindow*)&bareCopy})
            EXPECT_EQ(nullptr, w->GetWindowHandle());
        EXPECT_EQ(0, copy.SetLinesNumber(4)) << "the copy's arrows have no windows";
        ASSERT_TRUE(MakeBar(copy, parent.hwnd(), 62, 10, 40, kBarLength, kArrow));
        windows.Add(copy);
        ASSERT_TRUE(MakeBar(assigned, parent.hwnd(), 63, 10, 70, kBarLength, kArrow));
        windows.Add(assigned);
        HWND original = bar->GetWindowHandle();
        for (CBitmapScrollBarButton* b : {&copy, &assigned}) {
            HWND h = b->GetWindowHandle();
            EXPECT_EQ(1, b->SetLinesNumber(4));
            EXPECT_EQ(2, ChildCount(h));
            ASSERT_TRUE(Arrow(h, 0) && Arrow(h, 1));
            EXPECT_TRUE(Within(Arrow(h, 1)) == (RECT{112, 0, 124, 12}));
            EXPECT_TRUE(CounterAt(h, true, 12, 72)) << "the step came with the copy";
        }
        EXPECT_EQ(2, ChildCount(original)) << "the original keeps its own arrows";
        parent.Drain();
        parent.Clear();
        ClickArrow(Arrow(copy.GetWindowHandle(), 1));
        ClickArrow(Arrow(original, 1));
        ClickArrow(Arrow(original, 1));
        ClickArrow(Arrow(assigned.GetWindowHandle(), 1));
        ClickArrow(Arrow(copy.GetWindowHandle(), 0));
        EXPECT_TRUE(CounterAt(original, true, 32, 92));
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(62, 1), Report(61, 1), Report(61, 2), Report(63, 1), Report(62, 0)},
                                  parent.log()));
    }
    EXPECT_TRUE(AllHeapsValid());
}

namespace {
// ---- bitmap strip -----------------------------------------------------------
// Every face pixel tells its item, column and row: code << 16 | x << 8 | y.
struct Face {
    int normal, pushed;
    DWORD code, pushedCode;
    int w, h;
};
const Face kA{3, 4, 0x20, 0x28, 50, 30}, kB{5, 6, 0x40, 0x48, 50, 20}, kC{7, 8, 0x60, 0x68, 50, 25},
    kD{9, 10, 0x80, 0x88, 50, 15}, kH1{11, 11, 0xA0, 0xA0, 30, 20}, kH2{12, 12, 0xC0, 0xC0, 40, 20},
    kWide{13, 13, 0xE0, 0xE0, 250, 20};
const int kBack = 1, kBackOff = 2;
const DWORD kBackC = 0x0A0A0A, kWhite = 0xFFFFFF, kYellow = 0xFFFF00, kAny = 0xFFFFFFFF;
DWORD FaceColor(DWORD code, int x, int y) { return code << 16 | (DWORD)x << 8 | (DWORD)y; }
Image FaceImage(DWORD code, int w, int h) {
    Image im(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im.at(x, y) = FaceColor(code, x, y);
    return im;
}
struct StripSkin {
    std::string path;
    StripSkin() {
        std::vector<std::string> images = {Bmp24(Image(260, 260, kBackC)), Bmp24(Image(260, 260, 0x0B0B0B))};
        for (const Face* f : {&kA, &kB, &kC, &kD}) {
            images.push_back(Bmp24(FaceImage(f->code, f->w, f->h)));
            images.push_back(Bmp24(FaceImage(f->pushedCode, f->w, f->h)));
        }
        for (const Face* f : {&kH1, &kH2, &kWide}) images.push_back(Bmp24(FaceImage(f->code, f->w, f->h)));
        path = WriteTempFile(SkinOf(images));
    }
    char* file() { return (char*)path.c_str(); }
};
BITMAPLISTID Ids(const Face& f) { return {-1, f.normal, f.normal, -1, f.pushed}; }
LOGFONTA Font() {
    LOGFONTA f = TestFont();
    f.lfQuality = NONANTIALIASED_QUALITY;  // the text's pixels are exactly its colour
    return f;
}

// Where an item is drawn from where: (x, y) in the window, (srcX, srcY) in its face.
struct Placed {
    const Face* face;
    int x, y, srcX, srcY;
    bool pushed;
};
Placed V(const Face& f, int y, int srcY = 0, bool pushed = false) { return {&f, 0, y, 0, srcY, pushed}; }
// The window shows the background with the items drawn over it in order;
// what would come from outside a face is not compared.
::testing::AssertionResult Shows(HWND h, const std::vector<Placed>& items) {
    Pixels p = ReadWindowPixels(h);
    std::vector<DWORD> want(p.rgb.size(), kBackC);
    for (const Placed& it : items)
        for (int j = 0; j < it.face->h; ++j)
            for (int i = 0; i < it.face->w; ++i) {
                int x = it.x + i, y = it.y + j, sx = it.srcX + i, sy = it.srcY + j;
                if (x >= p.width || y >= p.height) continue;
                bool inside = sx < it.face->w && sy < it.face->h;
                DWORD code = it.pushed ? it.face->pushedCode : it.face->code;
                want[y * p.width + x] = inside ? FaceColor(code, sx, sy) : kAny;
            }
    std::ostringstream s;
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            DWORD w = want[y * p.width + x];
            if (w != kAny && w != p.at(x, y) && wrong++ < 6)
                s << "\n  at (" << std::dec << x << "," << y << ")" << std::hex << ": 0x" << p.at(x, y)
                  << ", expected 0x" << w;
        }
    if (!wrong) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::dec << wrong << " pixels differ" << s.str();
}
// The strip's length and item count, as "75 px, 3 items".
std::string Measure(CDispalyMultiBitmapWindow& s) {
    int length = -1;
    unsigned long count = 0;
    EXPECT_EQ(1, s.GetMaxPageLength(&length));
    EXPECT_EQ(1, s.GetMaxItem(&count));
    return std::to_string(length) + " px, " + std::to_string(count) + " items";
}
// How many pixels of `color` lie in [x0, x1) x [y0, y1).
int CountColor(const Pixels& p, DWORD color, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1 && y < p.height; ++y)
        for (int x = x0; x < x1 && x < p.width; ++x) n += p.at(x, y) == color;
    return n;
}

void* __cdecl FailingMalloc(size_t) { return nullptr; }
void* __cdecl FailingCalloc(size_t, size_t) { return nullptr; }

class StripTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }
    StripSkin skin;
    Recorder parent;
    CDispalyMultiBitmapWindow* New(int vertical = 1, int step = 10) {
        return new CDispalyMultiBitmapWindow(skin.file(), -1, kBack, kBackOff, Font(), vertical, step);
    }
    bool Make(CUIWindow& w, long id, int x, int width, int height) {
        return w.Create("", WS_CHILD | WS_VISIBLE, x, 10, width, height, Instance(), parent.hwnd(), id, kKey, nullptr,
                        nullptr, nullptr, SW_SHOW) == 1;
    }
    // Clicks (x, y) and leaves no capture behind.
    void Click(CUIWindow& w, int x, int y) {
        EXPECT_EQ(0, MouseDown(w.GetWindowHandle(), x, y));
        MouseUp(w.GetWindowHandle(), x, y);
        EXPECT_EQ(nullptr, GetCapture());
    }
    void Add(CDispalyMultiBitmapWindow& s, const Face& f, int id, const char* text = "", DWORD color = 0) {
        ASSERT_EQ(1, s.SetBitmap(Ids(f), (char*)text, ColorRef(color), id, nullptr));
    }
};
}  // namespace

TEST_F(StripTest, ItemsLieEndToEndAndAClickReportsTheItemUnderIt) {
    std::unique_ptr<CDispalyMultiBitmapWindow> shorter(New()), fits(New()), sized(New());
    for (auto* s : {shorter.get(), fits.get()}) Add(*s, kA, 101), Add(*s, kB, 102), Add(*s, kC, 103);
    EXPECT_EQ("75 px, 3 items", Measure(*fits));
    EXPECT_EQ(1, fits->OverLiment()) << "before creation the window has no size";
    Windows windows;
    ASSERT_TRUE(Make(*shorter, 1, 10, 60, 60));
    windows.Add(*shorter);
    ASSERT_TRUE(Make(*fits, 2, 80, 60, 75));
    windows.Add(*fits);
    ASSERT_TRUE(Make(*sized, 3, 150, -1, -1));
    windows.Add(*sized);
    RECT r;
    GetClientRect(sized->GetWindowHandle(), &r);
    EXPECT_TRUE(r == (RECT{0, 0, 260, 260})) << "the background frame's size";
    EXPECT_EQ(1, shorter->OverLiment());
    EXPECT_EQ(0, fits->OverLiment());
    EXPECT_EQ(1, shorter->SetMaxPageLength(60));
    EXPECT_EQ(0, shorter->OverLiment());
    EXPECT_EQ("60 px, 3 items", Measure(*shorter));
    EXPECT_TRUE(Shows(fits->GetWindowHandle(), {V(kA, 0), V(kB, 30), V(kC, 50)}));
    EXPECT_TRUE(Shows(shorter->GetWindowHandle(), {V(kA, 0), V(kB, 30), V(kC, 50)}));

    // Each click on an item selects it; one beside every item reports the selection again, if any.
    HWND h = fits->GetWindowHandle();
    parent.Drain();
    parent.Clear();
    struct {
        int x, y;
        LPARAM reported;  // 0: nothing
    } clicks[] = {{55, 5, 0}, {5, 29, 101}, {55, 40, 101}, {5, 30, 102}, {49, 49, 102}, {0, 74, 103}, {50, 10, 103}};
    std::vector<LPARAM> reported;
    for (auto& c : clicks) {
        Click(*fits, c.x, c.y);
        if (c.reported) reported.push_back(c.reported);
    }
    EXPECT_TRUE(Shows(h, {V(kA, 0), V(kB, 30), V(kC, 50, 0, true)})) << "the selected item shows its pushed face";

    __int64 slot = kUntouched;
    EXPECT_EQ(1, fits->SetActiveID(101, &slot));
    EXPECT_TRUE(Shows(h, {V(kA, 0, 0, true), V(kB, 30), V(kC, 50)}));
    Click(*fits, 55, 5);
    reported.push_back(101);
    EXPECT_EQ(0, fits->SetActiveID(77, &slot));
    EXPECT_EQ(kUntouched, slot);
    EXPECT_TRUE(Shows(h, {V(kA, 0), V(kB, 30), V(kC, 50)})) << "an unknown ID clears the selection";
    Click(*fits, 55, 5);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(2, reported), parent.log()));
}

TEST_F(StripTest, ScrollingBringsAnItemToTheStartInWholeStepsAndBackToTheStartWithoutGaps) {
    struct Move {
        int index, result;
        std::vector<Placed> shown;
        std::vector<std::pair<int, LPARAM>> clicks;  // y, ID reported (0: nothing)
    };
    struct {
        const char* name;
        std::vector<const Face*> items;  // IDs 1, 2, ...
        int step;
        std::vector<Move> moves;
    } cases[] = {
        {"three steps of 10 to the second item", {&kA, &kB, &kC}, 10,
         {{1, 1, {V(kA, 0, 30), V(kB, 0), V(kC, 20)}, {{5, 2}}},  // the second lies over the first
          {1, 0, {V(kA, 0, 30), V(kB, 0), V(kC, 20)}, {}},
          {3, 0, {V(kA, 0, 30), V(kB, 0), V(kC, 20)}, {}},
          {-1, 0, {V(kA, 0, 30), V(kB, 0), V(kC, 20)}, {}},
          {0, 1, {V(kA, 0), V(kB, 30), V(kC, 50)}, {{5, 1}}}}},
        {"an overshooting step", {&kD, &kB, &kC}, 10,
         {{1, 1, {V(kD, 0, 20), V(kB, 0), V(kC, 15)}, {}},
          {0, 1, {V(kD, 0), V(kB, 15), V(kC, 35)}, {{16, 2}}}}},
        {"a step of 0 is one pixel", {&kA, &kB}, 0,
         {{1, 1, {V(kA, 0, 30), V(kB, 0)}, {}}, {0, 1, {V(kA, 0), V(kB, 30)}, {}}}},
        {"five steps to the third item", {&kA, &kB, &kC, &kD}, 10,
         {{2, 1, {V(kA, 0, 50), V(kB, 0, 20), V(kC, 0), V(kD, 25)}, {{45, 0}, {5, 3}, {30, 4}, {45, 4}}},
          {0, 1, {V(kA, 0), V(kB, 30), V(kC, 50)}, {{35, 2}}},
          {3, 1, {V(kA, 0, 80), V(kB, 0, 50), V(kC, 0, 30), V(kD, 0)}, {{5, 4}}},
          {0, 1, {V(kA, 0), V(kB, 30), V(kC, 50)}, {}}}},
    };
    for (auto& c : cases) {
        std::unique_ptr<CDispalyMultiBitmapWindow> strip(New(1, c.step));
        EXPECT_EQ(0, strip->SetWindowPosion(0)) << "an empty strip; " << c.name;
        for (size_t i = 0; i < c.items.size(); ++i) Add(*strip, *c.items[i], int(i + 1));
        Windows windows;
        ASSERT_TRUE(Make(*strip, 9, 10, 50, 60)) << c.name;
        windows.Add(*strip);
        parent.Drain();
        parent.Clear();
        for (auto& m : c.moves) {
            const std::string where = std::string(c.name) + ", to item " + std::to_string(m.index);
            EXPECT_EQ(m.result, strip->SetWindowPosion(m.index)) << where;
            EXPECT_TRUE(Shows(strip->GetWindowHandle(), m.shown)) << where;
            std::vector<LPARAM> reported;
            for (auto& k : m.clicks) {
                Click(*strip, 5, k.first);
                if (k.second) reported.push_back(k.second);
            }
            parent.Drain();
            EXPECT_TRUE(SequenceMatch(Reports(9, reported), parent.log())) << where;
            parent.Clear();
            strip->SetActiveID(0, nullptr);  // no item has ID 0: every face normal again
        }
    }
}

TEST_F(StripTest, RemovingAndReplacingKeepTheItemsAdjacentAndMissesFillTheErrorSlot) {
    std::unique_ptr<CDispalyMultiBitmapWindow> strip(New());
    Windows windows;
    ASSERT_TRUE(Make(*strip, 11, 10, 50, 60));
    windows.Add(*strip);
    HWND h = strip->GetWindowHandle();
    __int64 slot = kUntouched;
    EXPECT_EQ(0, strip->RemoveBitmap(1, &slot)) << "an empty strip";
    EXPECT_EQ(kUntouched, slot);
    EXPECT_EQ(0, strip->SetBitmap({-1, 99, 98, -1, 99}, (char*)"", 0, 1, &slot)) << "frames that do not load";
    EXPECT_EQ(kUntouched, slot);
    Add(*strip, kA, 1), Add(*strip, kB, 2), Add(*strip, kC, 3);
    EXPECT_EQ(0, strip->RemoveBitmap(9, &slot));
    EXPECT_EQ(0x0009000100020005LL, slot);
    EXPECT_EQ(0, strip->RemoveBitmap(9, nullptr));

    EXPECT_EQ(1, strip->RemoveBitmap(2, &slot));
    EXPECT_EQ("55 px, 2 items", Measure(*strip));
    EXPECT_TRUE(Shows(h, {V(kA, 0), V(kC, 30)}));
    parent.Drain();
    parent.Clear();
    Click(*strip, 5, 35);
    EXPECT_EQ(1, strip->RemoveBitmap(3, nullptr)) << "the selected item";
    EXPECT_EQ("30 px, 1 items", Measure(*strip));
    EXPECT_TRUE(Shows(h, {V(kA, 0)}));
    Click(*strip, 5, 45);  // beside every item, with the selection gone
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(11, 3)}, parent.log()));

    // Removing while scrolled goes back to the start first and leaves no gap.
    Add(*strip, kD, 4), Add(*strip, kB, 2);
    EXPECT_EQ(1, strip->SetWindowPosion(2));  // 45 pixels: 5 steps
    EXPECT_EQ(1, strip->RemoveBitmap(4, nullptr));
    EXPECT_EQ("50 px, 2 items", Measure(*strip));
    EXPECT_TRUE(Shows(h, {V(kA, 0), V(kB, 30)}));

    // Replacing keeps the item's place and length: the taller new face shows
    // cut to the 20 pixels the item had, and removing the item later gives
    // back exactly that length, so the strip's length never drifts.
    EXPECT_EQ(1, strip->SetBitmap(Ids(kC), (char*)"", 0, 2, &slot));
    EXPECT_EQ("50 px, 2 items", Measure(*strip));
    InvalidateRect(h, nullptr, TRUE);
    Pixels p = ReadWindowPixels(h);
    EXPECT_EQ(0, CountColor(p, kBackC, 0, 30, 40, 50)) << "the new face fills the item";
    EXPECT_EQ(40 * 5, CountColor(p, kBackC, 0, 50, 40, 55)) << "and stops at the item's length";
    EXPECT_EQ(1, strip->RemoveBitmap(2, nullptr));
    EXPECT_EQ("30 px, 1 items", Measure(*strip));
    EXPECT_EQ(0x0009000100020005LL, slot) << "only misses write the slot";
}

TEST_F(StripTest, TheNinthItemGrowsTheArrayAndAnArrayThatCannotGrowChangesNothing) {
    std::unique_ptr<CDispalyMultiBitmapWindow> strip(New());
    for (int i = 0; i < 8; ++i) Add(*strip, kB, 100 + i);
    __int64 slot = kUntouched;
    {
        ImportPatch noMalloc("Tessaro.dll", "msvcrt.dll", "malloc", (void*)FailingMalloc);
        ImportPatch noCalloc("Tessaro.dll", "msvcrt.dll", "calloc", (void*)FailingCalloc);
        ASSERT_TRUE(noMalloc.ok() || noCalloc.ok());
        EXPECT_EQ(0, strip->SetBitmap(Ids(kB), (char*)"", 0, 108, &slot));
        EXPECT_EQ(1, strip->SetBitmap({-1, kB.pushed, kB.pushed, -1, kB.normal}, (char*)"", 0, 103, nullptr))
            << "replacing needs no memory";
    }
    EXPECT_EQ(0x0009000100010004LL, slot);
    EXPECT_EQ("160 px, 8 items", Measure(*strip));
    EXPECT_EQ(1, strip->SetBitmap(Ids(kB), (char*)"", 0, 108, nullptr));
    EXPECT_EQ("180 px, 9 items", Measure(*strip));
    Windows windows;
    ASSERT_TRUE(Make(*strip, 12, 10, 50, 190));
    windows.Add(*strip);
    std::vector<Placed> shown;
    for (int i = 0; i < 9; ++i) shown.push_back(V(kB, 20 * i, 0, i == 3));
    EXPECT_TRUE(Shows(strip->GetWindowHandle(), shown));
    parent.Drain();
    parent.Clear();
    std::vector<LPARAM> reported;
    for (int i = 0; i < 9; ++i) Click(*strip, 25, 20 * i + 10), reported.push_back(100 + i);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(12, reported), parent.log()));
}

TEST_F(StripTest, TextsAreWrittenOnTheFacesInTheirColoursAndCutTo19Characters) {
    std::unique_ptr<CDispalyMultiBitmapWindow> strip(New()), wide(New()), across(New(0));
    Add(*strip, kA, 1, "Ab", kWhite), Add(*strip, kB, 2, "Bc", kYellow);
    const char* longText = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";  // 40 characters
    Add(*wide, kWide, 7, longText, kWhite);
    Add(*across, kH1, 1), Add(*across, kH2, 2, "Hi", kWhite);
    Windows windows;
    ASSERT_TRUE(Make(*strip, 13, 10, 60, 60));
    windows.Add(*strip);
    ASSERT_TRUE(Make(*wide, 14, 80, 250, 20));
    windows.Add(*wide);
    ASSERT_TRUE(Make(*across, 15, 10, 100, 20));
    SetWindowPos(across->GetWindowHandle(), nullptr, 10, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    windows.Add(*across);

    for (int selected : {0, 1}) {
        const char* where = selected ? "; first item selected" : "; nothing selected";
        if (selected) EXPECT_EQ(1, strip->SetActiveID(1, nullptr));
        Pixels p = ReadWindowPixels(strip->GetWindowHandle());
        EXPECT_GT(CountColor(p, kWhite, 10, 0, 50, 30), 10) << "the first text on the first face" << where;
        EXPECT_GT(CountColor(p, kYellow, 10, 30, 50, 50), 10) << "the second text on the second face" << where;
        EXPECT_EQ(0, CountColor(p, kWhite, 0, 30, 60, 60)) << where;
        EXPECT_EQ(0, CountColor(p, kYellow, 0, 0, 60, 30)) << where;
        EXPECT_EQ(0, CountColor(p, kWhite, 0, 0, 8, 30)) << "the text starts 10 pixels in" << where;
        EXPECT_EQ(FaceColor(selected ? kA.pushedCode : kA.code, 5, 20), p.at(5, 20)) << where;
    }
    Pixels p = ReadWindowPixels(across->GetWindowHandle());
    EXPECT_GT(CountColor(p, kWhite, 40, 3, 70, 20), 10) << "in a horizontal strip the text is 3 pixels down";
    EXPECT_EQ(0, CountColor(p, kWhite, 0, 0, 100, 3));
    EXPECT_EQ(0, CountColor(p, kWhite, 0, 0, 38, 20));

    // The long text keeps its item and shows exactly its first 19 characters.
    HWND h = wide->GetWindowHandle();
    EXPECT_EQ("20 px, 1 items", Measure(*wide));
    Pixels cut = ReadWindowPixels(h);
    auto redrawnWith = [&](const std::string& text) {
        EXPECT_EQ(1, wide->SetBitmap(Ids(kWide), (char*)text.c_str(), ColorRef(kWhite), 7, nullptr));
        InvalidateRect(h, nullptr, TRUE);
        return ReadWindowPixels(h);
    };
    Pixels nineteen = redrawnWith(std::string(longText, 19)), eighteen = redrawnWith(std::string(longText, 18));
    EXPECT_TRUE(cut.rgb == nineteen.rgb);
    EXPECT_FALSE(cut.rgb == eighteen.rgb) << "the nineteenth character shows";
    parent.Drain();
    parent.Clear();
    Click(*wide, 5, 5);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(14, 7)}, parent.log()));
}

TEST_F(StripTest, AHorizontalStripRunsLeftToRightAndShiftingMovesTheFacesAcrossTheStrip) {
    std::unique_ptr<CDispalyMultiBitmapWindow> across(New(0)), down(New()), empty(New());
    Add(*across, kH1, 1), Add(*across, kH2, 2);
    Add(*down, kA, 1), Add(*down, kB, 2);
    Windows windows;
    ASSERT_TRUE(Make(*across, 16, 10, 100, 20));
    windows.Add(*across);
    ASSERT_TRUE(Make(*down, 17, 120, 50, 60));
    windows.Add(*down);
    ASSERT_TRUE(Make(*empty, 18, 180, 50, 60));
    windows.Add(*empty);
    HWND a = across->GetWindowHandle(), d = down->GetWindowHandle();
    auto H = [](const Face& f, int x, int srcX = 0, int srcY = 0) { return Placed{&f, x, 0, srcX, srcY, false}; };
    EXPECT_EQ("70 px, 2 items", Measure(*across));
    EXPECT_EQ(0, across->OverLiment());
    EXPECT_TRUE(Shows(a, {H(kH1, 0), H(kH2, 30)}));
    parent.Drain();
    parent.Clear();
    Click(*across, 35, 5);
    Click(*across, 80, 5);  // beside: the selection again
    EXPECT_EQ(1, across->SetWindowPosion(1));
    EXPECT_TRUE(Shows(a, {H(kH1, 0, 30), H(kH2, 0)}));
    Click(*across, 5, 5);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(Reports(16, {2, 2, 2}), parent.log()));

    struct {
        CDispalyMultiBitmapWindow* strip;
        int offset, result;
    } shifts[] = {{across.get(), 4, 1}, {across.get(), 4, 0}, {across.get(), 20, 0},
                  {down.get(), 5, 1},   {down.get(), 50, 0},  {empty.get(), 5, 0}};
    for (auto& s : shifts) EXPECT_EQ(s.result, s.strip->ShiftBitmap(s.offset)) << s.offset;
    EXPECT_TRUE(Shows(a, {H(kH1, 0, 30, 4), H(kH2, 0, 0, 4)}));
    EXPECT_TRUE(Shows(d, {{&kA, 0, 0, 5, 0, false}, {&kB, 0, 30, 5, 0, false}}));
    EXPECT_TRUE(Shows(empty->GetWindowHandle(), {}));
}

TEST_F(StripTest, CopiesOwnTheirItemsAndAreWindowless) {
    {
        std::unique_ptr<CDispalyMultiBitmapWindow> strip(New());
        Add(*strip, kA, 1), Add(*strip, kB, 2);
        CDispalyMultiBitmapWindow copy(*strip), assigned, untouched;
        assigned = *strip;
        assigned = assigned;
        untouched = CDispalyMultiBitmapWindow();
        Windows windows;
        ASSERT_TRUE(Make(*strip, 19, 10, 50, 60));
        windows.Add(*strip);
        EXPECT_EQ(nullptr, copy.GetWindowHandle());
        EXPECT_EQ(nullptr, assigned.GetWindowHandle());
        EXPECT_EQ(1, copy.RemoveBitmap(1, nullptr));
        Add(assigned, kC, 3);
        ASSERT_TRUE(Make(copy, 20, 70, 50, 60));
        windows.Add(copy);
        ASSERT_TRUE(Make(assigned, 21, 130, 50, 60));
        windows.Add(assigned);
        EXPECT_TRUE(Shows(strip->GetWindowHandle(), {V(kA, 0), V(kB, 30)})) << "the original is untouched";
        EXPECT_TRUE(Shows(copy.GetWindowHandle(), {V(kB, 0)}));
        EXPECT_TRUE(Shows(assigned.GetWindowHandle(), {V(kA, 0), V(kB, 30), V(kC, 50)}));
        parent.Drain();
        parent.Clear();
        Click(copy, 5, 5);
        Click(*strip, 5, 5);
        Click(assigned, 5, 55);
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(20, 2), Report(19, 1), Report(21, 3)}, parent.log()));
    }
    EXPECT_TRUE(AllHeapsValid());
}
