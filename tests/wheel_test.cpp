// The tab wheel seen from outside: where its slots lie around the current
// tab, what each slot shows (read back pixel by pixel from images whose
// every pixel tells the image, its column and its row), the tab a click
// turns to and reports to the parent, dragging, labels, repaints, copies,
// a path that does not fit, and tab arrays that cannot grow.
#include "Accounting.h"
#include "Bench.h"
#include "Pixorel.h"
#include "Tessaro.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const DWORD kBack = 0x123456;  // red 0x12: no tab image has it
const DWORD kInk = 0xFFFFFF;   // label colour
const long kWheelId = 41;
const int kFirstId = 100;  // tab i has ID kFirstId + i
const __int64 kUntouched = 0x5A5A5A5A5A5A5A5ALL;

struct TabSize { int w, h; };
// Image `image` (1-based in the skin): red tells the image, green the column, blue the row.
DWORD Texel(int image, int x, int y) {
    return (DWORD(0x20 + 8 * image) << 16) | (DWORD(x & 0xFF) << 8) | DWORD(y & 0xFF);
}
int ActiveImage(int tab) { return 2 * tab + 1; }
int NormalImage(int tab) { return 2 * tab + 2; }

// Two images for each tab, active then normal, of the tab's size; `holes`
// are image numbers left out of the skin.
std::string WheelSkin(const std::vector<TabSize>& tabs, const std::vector<int>& holes = {}) {
    std::vector<std::string> images;
    for (size_t t = 0; t < tabs.size(); ++t)
        for (int image : {ActiveImage((int)t), NormalImage((int)t)}) {
            bool hole = false;
            for (int h : holes) hole |= h == image;
            Image picture(tabs[t].w, tabs[t].h, 0);
            for (int y = 0; y < picture.height; ++y)
                for (int x = 0; x < picture.width; ++x) picture.at(x, y) = Texel(image, x, y);
            images.push_back(hole ? std::string() : Bmp24(picture));
        }
    return WriteTempFile(SkinOf(images));
}

std::vector<TabSize> Equal(int n, int w = 40, int h = 20) { return std::vector<TabSize>(n, TabSize{w, h}); }
std::vector<TabSize> Mixed(int n) {
    static const TabSize sizes[12] = {{40, 20}, {56, 28}, {30, 16}, {64, 32}, {46, 24}, {36, 18},
                                      {50, 26}, {60, 30}, {34, 22}, {44, 36}, {70, 20}, {38, 24}};
    return std::vector<TabSize>(sizes, sizes + n);
}

// Opens the layout and the current tab, and counts paints.
class Wheel : public CWheelWindow {
public:
    using CWheelWindow::CWheelWindow;
    int paints = 0;
    int OnPaint() override {
        int result = CWheelWindow::OnPaint();
        // A wheel that keeps asking to be painted would hold the test's
        // message loop for ever: past any sensible count it is made valid,
        // and the count tells.
        if (++paints > 500) ValidateRect(m_hWnd, nullptr);
        return result;
    }
    std::vector<WHEELSLOT> Slots() const { return std::vector<WHEELSLOT>(m_pSlots, m_pSlots + m_nSlotCount); }
    UINT TabCount() const { return m_nItemCount; }
};

void AddTabs(CWheelWindow& w, const std::vector<TabSize>& tabs) {
    for (size_t t = 0; t < tabs.size(); ++t)
        EXPECT_EQ(1, w.SetTabButtonItem(kFirstId + (int)t, tabs[t].w, tabs[t].h, 0, ActiveImage((int)t),
                                         NormalImage((int)t), 0, nullptr));
}
// Makes tab `id` current before Create. The orientation comes with Create,
// so the side of either orientation that turns the wheel is given.
void ChooseCurrent(CWheelWindow& w, int id) {
    EXPECT_EQ(1, w.SetTab(id, SLOT_RIGHT));
    EXPECT_EQ(1, w.SetTab(id, SLOT_UP));
}
bool Make(CWheelWindow& w, HWND parent, Window_Pos pos, int width, int height, int x = 0, int y = 0) {
    return w.Create("", WS_CHILD | WS_VISIBLE, x, y, width, height, Instance(), parent, pos, kWheelId, 0, nullptr,
                    nullptr, nullptr, SW_SHOWNOACTIVATE) == 1;
}
void Click(HWND h, int x, int y) {
    MouseDown(h, x, y);
    MouseUp(h, x, y);
}
Expect Report(LPARAM id) { return {WM_COMMAND, (WPARAM)kWheelId, id, kExpectPosted | kCheckW | kCheckL}; }

// ---- the model: where the slots lie and what they show --------------------
struct Model {
    std::vector<TabSize> tabs;
    int k;          // index of the current tab
    bool vertical;
    int W, H;       // window size

    int n() const { return (int)tabs.size(); }
    int Next(int t) const { return (t + 1) % n(); }
    int Prev(int t) const { return (t + n() - 1) % n(); }

    // Centre first, then the right (down) side outward, then the left (up)
    // side outward. A horizontal side holds at most n/2 - 2 slots (none for
    // four or five tabs, no limit below four); a vertical side has slots
    // unless there are four or five tabs. The far slot is cut at the edge.
    std::vector<WHEELSLOT> Layout() const {
        std::vector<WHEELSLOT> s;
        int limit = n() / 2 - 2;
        if (!vertical) {
            int C = W / 2;
            s.push_back({SLOT_CENTRE, C - tabs[k].w / 2, 0, tabs[k].w, tabs[k].h});
            if (limit == 0) return s;
            int t = Next(k), x = C + tabs[t].w / 2;
            for (int placed = 0; (limit < 0 || placed < limit) && x < W; ++placed, x += tabs[t].w, t = Next(t)) {
                bool cut = x + tabs[t].w >= W;
                s.push_back({SLOT_RIGHT, x, 0, cut ? W - x : tabs[t].w, tabs[t].h});
                if (cut) break;
            }
            int edge = C - tabs[k].w / 2;
            t = Prev(k);
            for (int placed = 0; (limit < 0 || placed < limit) && edge > 0; ++placed, t = Prev(t)) {
                if (tabs[t].w >= edge) {
                    s.push_back({SLOT_LEFT, 0, 0, edge, tabs[t].h});
                    break;
                }
                edge -= tabs[t].w;
                s.push_back({SLOT_LEFT, edge, 0, tabs[t].w, tabs[t].h});
            }
            return s;
        }
        int C = H / 2;
        s.push_back({SLOT_CENTRE, 0, C - tabs[k].h / 2, tabs[k].w, tabs[k].h});
        if (limit == 0) return s;
        int t = Prev(k), y = C + tabs[t].h / 2;
        for (; y < H; y += tabs[t].h, t = Prev(t)) {
            bool cut = y + tabs[t].h >= H;
            s.push_back({SLOT_DOWN, 0, y, tabs[t].w, cut ? H - y : tabs[t].h});
            if (cut) break;
        }
        int edge = C - tabs[k].h / 2;
        for (t = Next(k); edge > 0; t = Next(t)) {
            if (tabs[t].h >= edge) {
                s.push_back({SLOT_UP, 0, 0, tabs[t].w, edge});
                break;
            }
            edge -= tabs[t].h;
            s.push_back({SLOT_UP, 0, edge, tabs[t].w, tabs[t].h});
        }
        return s;
    }

    // The window after a paint over kBack: the slots in list order, as many
    // as there are tabs, each showing its tab's image; `shown` gives each
    // tab's image (0 for none: the drawing ends there). A cut left slot
    // shows the right end of its image, a cut up slot the bottom end.
    Pixels Picture(const std::vector<int>& shown) const {
        Pixels p;
        p.width = W, p.height = H;
        p.rgb.assign(size_t(W) * H, kBack);
        std::vector<WHEELSLOT> slots = Layout();
        int next = k, previous = k;
        for (size_t i = 0; i < slots.size() && (int)i < n(); ++i) {
            const WHEELSLOT& s = slots[i];
            int t = k;
            if (s.nKind == SLOT_RIGHT || s.nKind == SLOT_UP) t = next = Next(next);
            if (s.nKind == SLOT_LEFT || s.nKind == SLOT_DOWN) t = previous = Prev(previous);
            if (!shown[t]) break;
            int sx = s.nKind == SLOT_LEFT ? tabs[t].w - s.cx : 0;
            int sy = s.nKind == SLOT_UP ? tabs[t].h - s.cy : 0;
            for (int y = 0; y < s.cy; ++y)
                for (int x = 0; x < s.cx; ++x)
                    if (s.x + x < W && s.y + y < H)
                        p.rgb[size_t(s.y + y) * W + s.x + x] = Texel(shown[t], sx + x, sy + y);
        }
        return p;
    }
    // The current tab shows its active image, the others their normal one.
    std::vector<int> Shown(int active) const {
        std::vector<int> shown;
        for (int t = 0; t < n(); ++t) shown.push_back(t == active ? ActiveImage(t) : NormalImage(t));
        return shown;
    }
    POINT Middle(const WHEELSLOT& s) const { return {s.x + s.cx / 2, s.y + s.cy / 2}; }
    // The middle of the `nth` (1-based) slot of a kind.
    POINT MiddleOf(int kind, int nth) const {
        for (const WHEELSLOT& s : Layout())
            if (s.nKind == kind && --nth == 0) return Middle(s);
        return {-1, -1};
    }
};

std::string Describe(const std::vector<WHEELSLOT>& slots) {
    std::ostringstream s;
    for (const WHEELSLOT& r : slots)
        s << "{" << r.nKind << " " << r.x << "," << r.y << " " << r.cx << "x" << r.cy << "}";
    return s.str();
}

::testing::AssertionResult SamePicture(const Pixels& got, const Pixels& want) {
    if (got.width != want.width || got.height != want.height)
        return ::testing::AssertionFailure() << "size " << got.width << "x" << got.height << ", expected " << want.width
                                             << "x" << want.height;
    std::ostringstream s;
    int wrong = 0;
    for (int y = 0; y < got.height; ++y)
        for (int x = 0; x < got.width; ++x)
            if (got.at(x, y) != want.at(x, y) && wrong++ < 6)
                s << "\n  at " << std::dec << x << "," << y << std::hex << ": 0x" << got.at(x, y) << ", expected 0x"
                  << want.at(x, y);
    if (!wrong) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::dec << wrong << " pixels differ" << s.str();
}
int Drawn(const Pixels& p) {
    int drawn = 0;
    for (DWORD c : p.rgb) drawn += c != kBack;
    return drawn;
}

class WheelTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }  // keep the real pointer off the windows
    Recorder parent{nullptr, 60, 60, 420, 340};
};
}  // namespace

// ---- layout and drawing --------------------------------------------------

TEST_F(WheelTest, SlotsLieAroundTheCurrentTabAndShowTheTabsOfTheRingInTurn) {
    for (int n = 1; n <= 12; ++n)
        for (bool vertical : {false, true})
            for (bool mixed : {false, true})
                for (int k : n / 2 ? std::vector<int>{0, n / 2} : std::vector<int>{0}) {
                    Model m{mixed ? Mixed(n) : Equal(n), k, vertical, 0, 0};
                    int across = 0;
                    for (const TabSize& t : m.tabs) across = std::max(across, vertical ? t.w : t.h);
                    m.W = vertical ? across : (mixed ? 301 : 300);
                    m.H = vertical ? (mixed ? 297 : 300) : across;
                    std::string name = std::to_string(n) + (vertical ? " vertical" : " horizontal") +
                                       (mixed ? " mixed" : " equal") + " tabs, current " + std::to_string(k);
                    std::string skin = WheelSkin(m.tabs);
                    Wheel w((char*)skin.c_str());
                    AddTabs(w, m.tabs);
                    ChooseCurrent(w, kFirstId + k);
                    ASSERT_TRUE(Make(w, parent.hwnd(), vertical ? WP_VERTICAL : WP_HORIZONTAL, m.W, m.H)) << name;
                    EXPECT_EQ(Describe(m.Layout()), Describe(w.Slots())) << name;
                    EXPECT_TRUE(SamePicture(RepaintOver(w.GetWindowHandle(), kBack), m.Picture(m.Shown(k)))) << name;
                    DestroyWindow(w.GetWindowHandle());
                }
}

TEST_F(WheelTest, SixTabsShowOneNeighbourEachSideTwoTabsAreDrawnOnceAndFourOrFiveShowOnlyTheCurrent) {
    struct Row { int n, width; const char* slots; int drawn; };
    const Row rows[] = {
        {6, 240, "{-1 100,0 40x20}{1 140,0 40x20}{0 60,0 40x20}", 3 * 800},
        {2, 240,
         "{-1 100,0 40x20}{1 140,0 40x20}{1 180,0 40x20}{1 220,0 20x20}{0 60,0 40x20}{0 20,0 40x20}{0 0,0 20x20}",
         2 * 800},
        {4, 240, "{-1 100,0 40x20}", 800},
        {5, 240, "{-1 100,0 40x20}", 800},
        {1, 100, "{-1 30,0 40x20}{1 70,0 30x20}{0 0,0 30x20}", 800},
    };
    for (const Row& r : rows) {
        std::string skin = WheelSkin(Equal(r.n));
        Wheel w((char*)skin.c_str());
        AddTabs(w, Equal(r.n));
        w.SetTab(kFirstId, SLOT_LEFT);
        ASSERT_TRUE(Make(w, parent.hwnd(), WP_HORIZONTAL, r.width, 20));
        EXPECT_EQ(r.slots, Describe(w.Slots())) << r.n << " tabs";
        Pixels p = RepaintOver(w.GetWindowHandle(), kBack);
        EXPECT_EQ(r.drawn, Drawn(p)) << r.n << " tabs: pixels drawn";
        Model m{Equal(r.n), 0, false, r.width, 20};
        EXPECT_TRUE(SamePicture(p, m.Picture(m.Shown(0)))) << r.n << " tabs";
        DestroyWindow(w.GetWindowHandle());
    }
}

TEST_F(WheelTest, CutTabsAtTheFarEndShowThePartNextToTheirNeighbour) {
    // Three tabs of 40 in 150 px: the third slot is the right one cut to
    // 15 px, showing the left end of its image.
    std::string skin = WheelSkin(Equal(6));
    Wheel h((char*)skin.c_str()), v((char*)skin.c_str());
    AddTabs(h, Equal(3)), AddTabs(v, Equal(6));
    ChooseCurrent(h, kFirstId), ChooseCurrent(v, kFirstId);
    ASSERT_TRUE(Make(h, parent.hwnd(), WP_HORIZONTAL, 150, 20));
    EXPECT_EQ("{-1 55,0 40x20}{1 95,0 40x20}{1 135,0 15x20}{0 15,0 40x20}{0 0,0 15x20}", Describe(h.Slots()));
    Pixels p = RepaintOver(h.GetWindowHandle(), kBack);
    EXPECT_EQ(Texel(NormalImage(2), 0, 5), p.at(135, 5)) << "tab 3 comes after tab 2";
    EXPECT_EQ(Texel(NormalImage(2), 14, 5), p.at(149, 5));
    EXPECT_EQ(kBack, p.at(20, 5)) << "the left side is beyond the number of tabs";
    // Six tabs in 50 px stacked: a down slot cut to 15 px shows the top of
    // its image, the up slot cut to 15 px the bottom (rows 5..19).
    ASSERT_TRUE(Make(v, parent.hwnd(), WP_VERTICAL, 40, 50, 0, 40));
    EXPECT_EQ("{-1 0,15 40x20}{3 0,35 40x15}{2 0,0 40x15}", Describe(v.Slots()));
    p = RepaintOver(v.GetWindowHandle(), kBack);
    EXPECT_EQ(Texel(NormalImage(1), 3, 5), p.at(3, 0)) << "up: the part next to the centre";
    EXPECT_EQ(Texel(NormalImage(1), 3, 19), p.at(3, 14));
    EXPECT_EQ(Texel(NormalImage(5), 3, 0), p.at(3, 35)) << "down: the part next to the centre";
    EXPECT_EQ(Texel(ActiveImage(0), 3, 0), p.at(3, 15));
    // Seven tabs, the current one 90 wide in 110 px: the left slot is cut to
    // 10 px and shows columns 30..39 of its image.
    std::vector<TabSize> tabs = Equal(7);
    tabs[0] = {90, 20};
    std::string wide = WheelSkin(tabs);
    Wheel l((char*)wide.c_str());
    AddTabs(l, tabs);
    l.SetTab(kFirstId, SLOT_RIGHT);
    ASSERT_TRUE(Make(l, parent.hwnd(), WP_HORIZONTAL, 110, 20, 0, 120));
    EXPECT_EQ("{-1 10,0 90x20}{1 75,0 35x20}{0 0,0 10x20}", Describe(l.Slots()));
    p = RepaintOver(l.GetWindowHandle(), kBack);
    EXPECT_EQ(Texel(NormalImage(6), 30, 3), p.at(0, 3)) << "left: the part next to the centre";
    EXPECT_EQ(Texel(NormalImage(6), 39, 3), p.at(9, 3));
    EXPECT_EQ(Texel(ActiveImage(0), 0, 3), p.at(10, 3));
    for (HWND w : {h.GetWindowHandle(), v.GetWindowHandle(), l.GetWindowHandle()}) DestroyWindow(w);
}

// ---- clicks and dragging --------------------------------------------------

TEST_F(WheelTest, AClickTurnsTheWheelToTheTabUnderItAndReportsItsIdToTheParent) {
    for (bool vertical : {false, true}) {
        Model m{Equal(8), 0, vertical, vertical ? 60 : 400, vertical ? 200 : 30};
        int next = vertical ? SLOT_UP : SLOT_RIGHT, previous = vertical ? SLOT_DOWN : SLOT_LEFT;
        std::string skin = WheelSkin(m.tabs);
        Wheel w((char*)skin.c_str());
        AddTabs(w, m.tabs);
        ChooseCurrent(w, kFirstId);
        ASSERT_TRUE(Make(w, parent.hwnd(), vertical ? WP_VERTICAL : WP_HORIZONTAL, m.W, m.H));
        HWND h = w.GetWindowHandle();
        parent.Drain();
        parent.Clear();
        // Second slot after the centre: two tabs on.
        POINT p = m.MiddleOf(next, 2);
        Click(h, p.x, p.y);
        Model turned = m;
        turned.k = 2;
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), turned.Picture(m.Shown(0))))
            << (vertical ? "vertical" : "horizontal") << ": the drawing starts from the new current tab";
        p = m.MiddleOf(SLOT_CENTRE, 1);
        Click(h, p.x, p.y);
        p = m.MiddleOf(previous, 1);
        Click(h, p.x, p.y);  // one back: tab 1
        p = m.MiddleOf(previous, 2);
        Click(h, p.x, p.y);  // two back from tab 1: tab 7
        Click(h, vertical ? 50 : 200, vertical ? 100 : 25);  // beside every slot
        EXPECT_EQ(nullptr, GetCapture());
        parent.Drain();
        EXPECT_TRUE(SequenceMatch(
            {Report(kFirstId + 2), Report(kFirstId + 2), Report(kFirstId + 1), Report(kFirstId + 7)}, parent.log()))
            << (vertical ? "vertical" : "horizontal");
        turned.k = 7;
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), turned.Picture(m.Shown(0))));
        // The owner shows the new tab as current.
        w.SetTab(kFirstId + 7, -1);
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), turned.Picture(m.Shown(7))));
        DestroyWindow(h);
    }
}

TEST_F(WheelTest, DraggingATabMovesTheTopWindowByTheMouseDisplacement) {
    Recorder top(nullptr, 200, 150, 300, 100);
    top.moveOnMoving = true;
    std::string skin = WheelSkin(Equal(6));
    Wheel w((char*)skin.c_str());
    AddTabs(w, Equal(6));
    w.SetTab(kFirstId, SLOT_RIGHT);
    ASSERT_TRUE(Make(w, top.hwnd(), WP_HORIZONTAL, 240, 30, 20, 20));
    HWND h = w.GetWindowHandle();
    RECT before, after;
    GetWindowRect(top.hwnd(), &before);
    MouseDown(h, 110, 10);
    EXPECT_EQ(h, GetCapture());
    MouseMove(h, 115, 7, MK_LBUTTON);
    ASSERT_EQ(1u, top.movingRects.size());
    RECT r = top.movingRects[0];
    EXPECT_EQ(before.left + 5, r.left);
    EXPECT_EQ(before.top - 3, r.top);
    EXPECT_EQ(before.right + 5, r.right);
    EXPECT_EQ(before.bottom - 3, r.bottom);
    GetWindowRect(top.hwnd(), &after);
    EXPECT_EQ(before.left + 5, after.left);
    EXPECT_EQ(before.top - 3, after.top);
    MouseUp(h, 115, 7);
    EXPECT_EQ(nullptr, GetCapture());
    MouseMove(h, 130, 7, 0);
    // A press beside the tabs starts no drag.
    MouseDown(h, 5, 25);
    MouseMove(h, 20, 25, MK_LBUTTON);
    MouseUp(h, 20, 25);
    EXPECT_EQ(1u, top.movingRects.size()) << "no move after the release, none from beside the tabs";
    top.Drain();
    EXPECT_TRUE(SequenceMatch({Report(kFirstId), {WM_MOVING, 0, 0, kExpectSent | kCheckW}}, top.log()));
    DestroyWindow(h);
}

// ---- repaints and releases ------------------------------------------------

TEST_F(WheelTest, TheWheelIsPaintedWhenItsPictureChangesAndNotOtherwise) {
    std::string skin = WheelSkin(Equal(8));
    Wheel w((char*)skin.c_str());
    AddTabs(w, Equal(8));
    w.SetTab(kFirstId, SLOT_RIGHT);
    ASSERT_TRUE(Make(w, parent.hwnd(), WP_HORIZONTAL, 400, 20));
    HWND h = w.GetWindowHandle();
    Settle(200);
    int before = w.paints;
    EXPECT_GE(before, 1);
    EXPECT_LE(before, 3) << "painted when shown, not over and over";
    Settle(1000);
    EXPECT_LE(w.paints - before, 1) << "an idle wheel is not painted over and over";
    before = w.paints;
    EXPECT_EQ(1, w.SetTab(kFirstId + 3, SLOT_RIGHT));
    Settle(200);
    EXPECT_EQ(1, w.paints - before) << "SetTab repaints once";
    before = w.paints;
    Click(h, 200, 10);  // the centre: the current tab stays
    Settle(200);
    EXPECT_EQ(0, w.paints - before) << "a click that changes nothing repaints nothing";
    Click(h, 240, 10);  // the first right slot
    Settle(200);
    EXPECT_EQ(1, w.paints - before) << "a click that turns the wheel repaints once";
    before = w.paints;
    Settle(1000);
    EXPECT_LE(w.paints - before, 1);
    DestroyWindow(h);
}

TEST_F(WheelTest, AHundredPaintsThatStopAtAMissingImageLeaveNothingOpen) {
    struct Row { int normalOfSecond; std::vector<int> holes; const char* what; };
    const Row rows[] = {{-1, {}, "image -1"}, {NormalImage(1), {NormalImage(1)}, "image absent from the skin"}};
    for (const Row& r : rows) {
        std::string skin = WheelSkin(Equal(6), r.holes);
        Wheel w((char*)skin.c_str());
        std::vector<TabSize> tabs = Equal(6);
        for (int t = 0; t < 6; ++t)
            w.SetTabButtonItem(kFirstId + t, 40, 20, 0, ActiveImage(t), t == 1 ? r.normalOfSecond : NormalImage(t), 0,
                               nullptr);
        w.SetTab(kFirstId, SLOT_RIGHT);
        ASSERT_TRUE(Make(w, parent.hwnd(), WP_HORIZONTAL, 240, 20));
        HWND h = w.GetWindowHandle();
        Model m{tabs, 0, false, 240, 20};
        std::vector<int> shown = m.Shown(0);
        shown[1] = 0;
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), m.Picture(shown))) << r.what << ": the drawing ends at tab 2";
        PixorelDropCaches();
        accounting::Mark before = accounting::Now();
        for (int i = 0; i < 100; ++i) {
            InvalidateRect(h, nullptr, FALSE);
            UpdateWindow(h);
        }
        EXPECT_EQ(0, OpenReaders()) << r.what;
        EXPECT_EQ(0, OpenBitmaps()) << r.what;
        PixorelDropCaches();
        accounting::Mark after = accounting::Now();
        EXPECT_EQ(before.gdiObjects, after.gdiObjects) << r.what;
        EXPECT_EQ(before.borrowedDCs, after.borrowedDCs) << r.what;
        EXPECT_EQ(before.heapBlocks, after.heapBlocks) << r.what;
        EXPECT_TRUE(accounting::TakeFaults().empty()) << r.what;
        DestroyWindow(h);
    }
}

// ---- the current tab --------------------------------------------------------

TEST_F(WheelTest, ACurrentIdThatNamesNoTabFallsBackToTheFirstTabAndNoTabsDrawNothing) {
    // IDs 1..6: the current ID 0 of a new wheel names none of them.
    struct Row { int id; bool refreshOnly, vertical; const char* what; };
    const Row rows[] = {{4, true, false, "refresh only"}, {99, false, false, "unknown ID"},
                        {4, true, true, "refresh only, vertical"}, {99, false, true, "unknown ID, vertical"}};
    std::string skin = WheelSkin(Equal(6));
    for (const Row& r : rows) {
        Model m{Equal(6), 0, r.vertical, r.vertical ? 40 : 240, r.vertical ? 120 : 20};
        std::unique_ptr<Wheel> w(new Wheel((char*)skin.c_str()));
        for (int t = 0; t < 6; ++t)
            EXPECT_EQ(1, w->SetTabButtonItem(t + 1, 40, 20, 0, ActiveImage(t), NormalImage(t), 0, nullptr));
        if (r.refreshOnly) EXPECT_EQ(1, w->SetTab(r.id, -1));
        else ChooseCurrent(*w, r.id);
        ASSERT_TRUE(Make(*w, parent.hwnd(), r.vertical ? WP_VERTICAL : WP_HORIZONTAL, m.W, m.H));
        HWND h = w->GetWindowHandle();
        EXPECT_EQ(Describe(m.Layout()), Describe(w->Slots())) << r.what;
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), m.Picture(m.Shown(-1)))) << r.what << ": every tab normal";
        // The first tab's ID is now the current one: a refresh shows it active.
        EXPECT_EQ(1, w->SetTab(5, -1));
        EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), m.Picture(m.Shown(0)))) << r.what << ": tab 1 is current";
        parent.Drain();
        parent.Clear();
        POINT p = m.MiddleOf(SLOT_CENTRE, 1);
        Click(h, p.x, p.y);
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(1)}, parent.log())) << r.what << ": the first tab became current";
        DestroyWindow(h);
        w.reset();
        EXPECT_TRUE(AllHeapsValid()) << r.what;
    }
    Wheel empty((char*)skin.c_str());
    EXPECT_EQ(1, empty.SetTab(3, SLOT_RIGHT));
    EXPECT_EQ(1, empty.SetTab(3, -1));
    ASSERT_TRUE(Make(empty, parent.hwnd(), WP_HORIZONTAL, 240, 20));
    EXPECT_EQ(0, Drawn(RepaintOver(empty.GetWindowHandle(), kBack))) << "no tabs, nothing drawn";
    parent.Clear();
    Click(empty.GetWindowHandle(), 120, 10);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log())) << "no tabs, nothing reported";
    DestroyWindow(empty.GetWindowHandle());
}

TEST_F(WheelTest, SetTabTurnsOnlyAlongTheWheelAndMinusOneOnlyRefreshes) {
    // From a wheel turned by a click to tab 1 (tab 0 still shows its active
    // image), SetTab(tab 3, side): a side along the wheel makes tab 3
    // current and shown active; -1 shows tab 1 active; a side across the
    // wheel changes nothing.
    std::string skin = WheelSkin(Equal(6));
    for (bool vertical : {false, true})
        for (int side : {-1, SLOT_LEFT, SLOT_RIGHT, SLOT_UP, SLOT_DOWN}) {
            Model m{Equal(6), 0, vertical, vertical ? 40 : 240, vertical ? 120 : 20};
            Wheel w((char*)skin.c_str());
            AddTabs(w, m.tabs);
            ChooseCurrent(w, kFirstId);
            ASSERT_TRUE(Make(w, parent.hwnd(), vertical ? WP_VERTICAL : WP_HORIZONTAL, m.W, m.H));
            HWND h = w.GetWindowHandle();
            POINT p = m.MiddleOf(vertical ? SLOT_UP : SLOT_RIGHT, 1);
            Click(h, p.x, p.y);
            bool along = vertical ? (side == SLOT_UP || side == SLOT_DOWN) : (side == SLOT_LEFT || side == SLOT_RIGHT);
            EXPECT_EQ(1, w.SetTab(kFirstId + 3, side));
            Model now = m;
            now.k = along ? 3 : 1;
            std::vector<int> shown = along ? m.Shown(3) : side == -1 ? m.Shown(1) : m.Shown(0);
            EXPECT_TRUE(SamePicture(RepaintOver(h, kBack), now.Picture(shown)))
                << (vertical ? "vertical" : "horizontal") << ", side " << side;
            parent.Drain();
            parent.Clear();
            Click(h, m.MiddleOf(SLOT_CENTRE, 1).x, m.MiddleOf(SLOT_CENTRE, 1).y);
            parent.Drain();
            EXPECT_TRUE(SequenceMatch({Report(kFirstId + now.k)}, parent.log()))
                << (vertical ? "vertical" : "horizontal") << ", side " << side;
            DestroyWindow(h);
        }
}

// ---- adding tabs and labels -------------------------------------------------

TEST_F(WheelTest, TabsWithoutExtentAreRefusedAndAnExistingIdKeepsTheFirstTab) {
    std::string skin = WheelSkin(Equal(6));
    Wheel w((char*)skin.c_str());
    struct Bad { int w, h; };
    for (Bad b : {Bad{0, 20}, Bad{40, 0}, Bad{-40, 20}, Bad{40, -1}})
        EXPECT_EQ(0, w.SetTabButtonItem(7, b.w, b.h, 0, 1, 2, 0, nullptr)) << b.w << "x" << b.h;
    EXPECT_EQ(0u, w.TabCount());
    AddTabs(w, Equal(6));
    EXPECT_EQ(1, w.SetTabButtonItem(kFirstId + 2, 90, 10, 0, ActiveImage(4), NormalImage(4), 0, nullptr));
    EXPECT_EQ(6u, w.TabCount());
    EXPECT_EQ(0, w.SetTabTextItem(7, 0, 0, 0, 0, 2, kInk, "ab"));
    EXPECT_EQ(0, w.SetTabIconItem(7, 1, 2, 3, 4, 5, 6, 7));
    EXPECT_EQ(1, w.SetTabIconItem(kFirstId, 1, 2, 3, 4, 5, 6, 7));
    EXPECT_EQ(1, w.SetTab(kFirstId + 2, SLOT_RIGHT));
    ASSERT_TRUE(Make(w, parent.hwnd(), WP_HORIZONTAL, 240, 20));
    Model m{Equal(6), 2, false, 240, 20};
    EXPECT_EQ(Describe(m.Layout()), Describe(w.Slots())) << "six tabs of 40 x 20";
    EXPECT_TRUE(SamePicture(RepaintOver(w.GetWindowHandle(), kBack), m.Picture(m.Shown(2))));
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(WheelTest, LabelsAreCutTo14BytesAndToTheirTextAndANegativeLengthShowsNoLabel) {
    std::string skin = WheelSkin(Equal(1, 200, 24));
    struct Row { int length; const char* text; };
    auto picture = [&](const Row& r) {
        Wheel w((char*)skin.c_str());
        AddTabs(w, Equal(1, 200, 24));
        if (r.text) EXPECT_EQ(1, w.SetTabTextItem(kFirstId, 4, 4, 0, 0, r.length, kInk, r.text));
        w.SetTab(kFirstId, -1);
        EXPECT_TRUE(Make(w, parent.hwnd(), WP_HORIZONTAL, 200, 24));
        Pixels p = RepaintOver(w.GetWindowHandle(), kBack);
        DestroyWindow(w.GetWindowHandle());
        return p;
    };
    Pixels plain = picture({0, nullptr});
    Model m{Equal(1, 200, 24), 0, false, 200, 24};
    EXPECT_TRUE(SamePicture(plain, m.Picture(m.Shown(-1))));
    for (Row blank : {Row{-5, "ab"}, Row{0, "ab"}, Row{3, ""}, Row{-2147483647 - 1, "ab"}})
        EXPECT_TRUE(SamePicture(picture(blank), plain)) << "length " << blank.length << ": nothing visible";
    Pixels cut = picture({14, "ABCDEFGHIJKLMN"});
    EXPECT_GT(Drawn(cut), 0);
    EXPECT_FALSE(SamePicture(cut, plain)) << "the label is drawn";
    EXPECT_FALSE(SamePicture(picture({13, "ABCDEFGHIJKLMN"}), cut)) << "the 14th byte shows";
    EXPECT_TRUE(SamePicture(picture({20, "ABCDEFGHIJKLMNOPQRST"}), cut)) << "cut to 14 bytes";
    EXPECT_TRUE(SamePicture(picture({15, "ABCDEFGHIJKLMNO"}), cut));
    EXPECT_TRUE(SamePicture(picture({9, "Hi"}), picture({2, "Hi"}))) << "cut to the text";
    std::string longText(300, 'W');
    EXPECT_TRUE(SamePicture(picture({300, longText.c_str()}), picture({14, "WWWWWWWWWWWWWW"})));
    EXPECT_TRUE(AllHeapsValid());
}

// ---- path, copies, memory, class --------------------------------------------

TEST_F(WheelTest, APathThatDoesNotFitIsRefusedWithoutTouchingTheBytesAfterTheWheel) {
    std::string skin = WheelSkin(Equal(6));
    std::string tooLong = skin.substr(0, 3) + std::string(300, 'a') + ".tsk";
    const size_t size = sizeof(CWheelWindow), guard = 512;
    for (bool named : {false, true}) {
        unsigned char* raw = (unsigned char*)::operator new(size + guard);
        std::memset(raw, 0x5A, size + guard);
        CWheelWindow* w = named ? new (raw) CWheelWindow((char*)"TESSARO TEST WHEEL", (char*)tooLong.c_str())
                                : new (raw) CWheelWindow((char*)tooLong.c_str());
        size_t touched = 0;
        for (size_t i = size; i < size + guard; ++i) touched += raw[i] != 0x5A;
        EXPECT_EQ(0u, touched) << (named ? "named" : "unnamed") << ": bytes after the wheel were written";
        AddTabs(*w, Equal(6));
        w->SetTab(kFirstId, SLOT_RIGHT);
        ASSERT_TRUE(Make(*w, parent.hwnd(), WP_HORIZONTAL, 240, 20));
        EXPECT_EQ(0, Drawn(RepaintOver(w->GetWindowHandle(), kBack))) << "no images";
        EXPECT_EQ(0, OpenReaders());
        DestroyWindow(w->GetWindowHandle());
        w->~CWheelWindow();
        ::operator delete(raw);
        EXPECT_TRUE(AllHeapsValid());
    }
}

TEST_F(WheelTest, CopiesOwnTheirTabsAndLayoutAndHaveNoWindow) {
    std::string skin = WheelSkin(Equal(8));
    Model m{Equal(8), 3, false, 400, 20};
    std::unique_ptr<Wheel> original(new Wheel((char*)skin.c_str()));
    AddTabs(*original, m.tabs);
    original->SetTab(kFirstId + 3, SLOT_RIGHT);
    Wheel assigned;  // tabs only: it lays itself out when created
    assigned = *original;
    assigned = assigned;
    ASSERT_TRUE(Make(*original, parent.hwnd(), WP_HORIZONTAL, m.W, m.H));
    std::unique_ptr<Wheel> copy(new Wheel(*original));  // tabs and layout
    EXPECT_EQ(nullptr, copy->GetWindowHandle());
    EXPECT_EQ(nullptr, assigned.GetWindowHandle());
    DestroyWindow(original->GetWindowHandle());
    original.reset();
    EXPECT_TRUE(AllHeapsValid());
    EXPECT_EQ(Describe(m.Layout()), Describe(copy->Slots()));
    EXPECT_EQ(1, copy->SetTabButtonItem(kFirstId + 8, 40, 20, 0, 1, 2, 0, nullptr)) << "the copy grows its own tabs";
    EXPECT_EQ(9u, copy->TabCount());
    EXPECT_EQ(8u, assigned.TabCount());
    EXPECT_TRUE(assigned.Slots().empty());
    ASSERT_TRUE(Make(assigned, parent.hwnd(), WP_HORIZONTAL, m.W, m.H, 0, 40));
    EXPECT_EQ(Describe(m.Layout()), Describe(assigned.Slots()));
    EXPECT_TRUE(SamePicture(RepaintOver(assigned.GetWindowHandle(), kBack), m.Picture(m.Shown(3))));
    parent.Drain();
    parent.Clear();
    Click(assigned.GetWindowHandle(), m.MiddleOf(SLOT_LEFT, 1).x, 10);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(kFirstId + 2)}, parent.log()));
    DestroyWindow(assigned.GetWindowHandle());
    copy.reset();
    EXPECT_TRUE(AllHeapsValid());
}

TEST_F(WheelTest, ATabArrayThatCannotGrowRefusesTheTabAndFillsTheErrorSlot) {
    std::string skin = WheelSkin(Equal(6));
    Wheel fresh((char*)skin.c_str()), full((char*)skin.c_str());
    AddTabs(full, Equal(4));
    __int64 freshSlot = kUntouched, fullSlot = kUntouched;
    {
        NoLibraryMemory none;
        ASSERT_TRUE(none.ok());
        EXPECT_EQ(0, fresh.SetTabButtonItem(kFirstId, 40, 20, 0, 1, 2, 0, &freshSlot));
        EXPECT_EQ(0, full.SetTabButtonItem(kFirstId + 4, 40, 20, 0, 9, 10, 0, &fullSlot))
            << "the fifth tab grows the array";
        __int64 untouched = kUntouched;
        EXPECT_EQ(1, full.SetTabButtonItem(kFirstId + 1, 40, 20, 0, 1, 2, 0, &untouched))
            << "an existing ID needs no memory";
        EXPECT_EQ(kUntouched, untouched);
    }
    EXPECT_EQ(0x0009000300010004LL, freshSlot);
    EXPECT_EQ(0x0009000300010004LL, fullSlot);
    EXPECT_EQ(0u, fresh.TabCount());
    EXPECT_EQ(4u, full.TabCount());
    AddTabs(fresh, Equal(6));
    EXPECT_EQ(6u, fresh.TabCount());
    full.SetTab(kFirstId, SLOT_RIGHT);
    ASSERT_TRUE(Make(full, parent.hwnd(), WP_HORIZONTAL, 240, 20));
    EXPECT_EQ("{-1 100,0 40x20}", Describe(full.Slots())) << "four tabs: the current one alone";
    DestroyWindow(full.GetWindowHandle());
}

TEST_F(WheelTest, TheWindowClassIsTheWheelsOwnUnlessOneIsGivenAndTheTypeIs3) {
    std::string skin = WheelSkin(Equal(1));
    struct Row { std::unique_ptr<CWheelWindow> wheel; const char* cls; };
    Row rows[] = {
        {std::unique_ptr<CWheelWindow>(new CWheelWindow()), "Wheel WINDOW CLASS"},
        {std::unique_ptr<CWheelWindow>(new CWheelWindow((char*)skin.c_str())), "Wheel WINDOW CLASS"},
        {std::unique_ptr<CWheelWindow>(new CWheelWindow(nullptr, (char*)skin.c_str())), "Wheel WINDOW CLASS"},
        {std::unique_ptr<CWheelWindow>(new CWheelWindow((char*)"TESSARO TEST WHEEL", (char*)skin.c_str())),
         "TESSARO TEST WHEEL"},
    };
    for (Row& r : rows) {
        EXPECT_EQ(3, r.wheel->GetType());
        ASSERT_TRUE(Make(*r.wheel, parent.hwnd(), WP_HORIZONTAL, 100, 20));
        char cls[64] = {};
        GetClassNameA(r.wheel->GetWindowHandle(), cls, sizeof cls);
        EXPECT_STREQ(r.cls, cls);
        DestroyWindow(r.wheel->GetWindowHandle());
    }
}
