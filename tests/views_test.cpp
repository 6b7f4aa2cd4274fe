// The indicator views seen from outside: which item and which look every part
// window shows after each call (read back from the screen), error slots,
// owned windows, copies, and that windowless views disturb no other window.
#include "Bench.h"
#include "Tessaro.h"
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const __int64 kUntouched = 0x5A5A5A5A5A5A5A5ALL;
const int kItems = 16;  // item IDs 0..15 have pictures of their own
const int kPart = 6;    // parts are 6x6, the backgrounds 140x10

// Images, numbered from 1: the normal and the disabled frame of every item
// ID, a background and its disabled frame, a part's constructor frames and a
// separator's frames. Each is one plain colour, so one pixel tells which
// frame a window shows.
int NormalOf(int id) { return 1 + id; }
int DimmedOf(int id) { return 1 + kItems + id; }
const int kBackground = 2 * kItems + 1, kBackgroundDimmed = kBackground + 1;
const int kBlank = kBackground + 2, kBlankDimmed = kBackground + 3;
const int kSeparator = kBackground + 4, kSeparatorDimmed = kBackground + 5;
const int kImageCount = kSeparatorDimmed;

DWORD ColorOf(int image) { return 0x101010u + (DWORD)image * 0x030507u; }

// What a frame means to a reader of the tests: "7" item 7, "7~" item 7 in its
// disabled look, "-" a part's constructor frame, ":" the separator.
std::string Meaning(int image) {
    if (image >= NormalOf(0) && image < NormalOf(kItems)) return std::to_string(image - NormalOf(0));
    if (image >= DimmedOf(0) && image < DimmedOf(kItems)) return std::to_string(image - DimmedOf(0)) + "~";
    switch (image) {
    case kBackground: return "bg";
    case kBackgroundDimmed: return "bg~";
    case kBlank: return "-";
    case kBlankDimmed: return "-~";
    case kSeparator: return ":";
    case kSeparatorDimmed: return ":~";
    }
    return "?";
}

struct Skin {
    std::string path;
    Skin() {
        std::vector<std::string> images;
        for (int i = 1; i <= kImageCount; ++i) {
            bool background = i == kBackground || i == kBackgroundDimmed;
            images.push_back(Bmp24(Image(background ? 140 : kPart, background ? 10 : kPart, ColorOf(i))));
        }
        path = WriteTempFile(SkinOf(images));
    }
    char* file() { return (char*)path.c_str(); }
};

// The frame a window shows, by its meaning; "none" without a window.
std::string Shows(CUIWindow* part) {
    HWND h = part->GetWindowHandle();
    if (!h) return "none";
    DWORD pixel = ReadWindowPixels(h).at(1, 1);
    for (int i = 1; i <= kImageCount; ++i)
        if (ColorOf(i) == pixel) return Meaning(i);
    return "?";
}

// What several parts show, separated by spaces.
std::string ShowAll(const std::vector<CUIWindow*>& parts) {
    std::string all;
    for (CUIWindow* p : parts) all += (all.empty() ? "" : " ") + Shows(p);
    return all;
}

bool CreateIn(CBitmapWindow& w, HWND parent, int x, int y = 2, long id = 50) {
    return w.Create("", WS_CHILD | WS_VISIBLE, x, y, -1, -1, Instance(), parent, id, RGB(255, 0, 255), nullptr,
                    nullptr, nullptr, SW_SHOW) == 1;
}

// Loads items `first`..`last` of a part, each with its own two frames.
void LoadItems(CMultiBitmapWindow& w, int first, int last) {
    for (int id = first; id <= last; ++id)
        ASSERT_EQ(1, w.SetBitmap({0, NormalOf(id), DimmedOf(id), -1, -1}, (char*)"", 0, id, nullptr));
}
void LoadItems(CMultiBitmapButton& b, int first, int last) {
    for (int id = first; id <= last; ++id)
        ASSERT_EQ(1, b.SetBitmap({0, NormalOf(id), DimmedOf(id), NormalOf(id), NormalOf(id)}, (char*)"", 0, id,
                                 nullptr));
}

LOGFONTA NoFont() { return LOGFONTA{}; }

void* __cdecl FailingMalloc(size_t) { return nullptr; }
void* __cdecl FailingCalloc(size_t, size_t) { return nullptr; }

// Refuses the library every new block while it lives.
struct NoMemory {
    ImportPatch malloc_{"Tessaro.dll", "msvcrt.dll", "malloc", (void*)FailingMalloc};
    ImportPatch calloc_{"Tessaro.dll", "msvcrt.dll", "calloc", (void*)FailingCalloc};
};

class ViewTest : public TessaroTest {
protected:
    void SetUp() override {
        // Keep the real pointer off the parts: a mouse-over look is not what is tested.
        SetCursorPos(1, 1);
    }
    Skin skin;
    Recorder parent;
};

// Three digit windows with items 0..9 and a channel view over them.
struct Channel {
    CMultiBitmapWindow hundreds, tens, units;
    CChannelView view;
    explicit Channel(char* file)
        : hundreds(file, -1, kBlank, kBlankDimmed, NoFont()), tens(hundreds), units(hundreds),
          view(&hundreds, &tens, &units, nullptr) {}
    bool Create(HWND parent) {
        CMultiBitmapWindow* digits[3] = {&hundreds, &tens, &units};
        for (int i = 0; i < 3; ++i) {
            LoadItems(*digits[i], 0, 9);
            if (!CreateIn(*digits[i], parent, 2 + 8 * i)) return false;
        }
        return true;
    }
    std::string Shows() { return ShowAll({&hundreds, &tens, &units}); }
    ~Channel() {
        for (CUIWindow* w : {(CUIWindow*)&hundreds, (CUIWindow*)&tens, (CUIWindow*)&units})
            if (w->GetWindowHandle()) DestroyWindow(w->GetWindowHandle());
    }
};

// A time view with every part's window on its background (the mark's only
// when asked) and the items the view asks its parts for.
struct Clock {
    CTimeView view;
    Clock(char* file, const char* className = nullptr)
        : view(className ? CTimeView((char*)className, file, -1, kBackground, kBackgroundDimmed, -1, kBlank,
                                     kBlankDimmed, -1, kBlank, kBlankDimmed, -1, kSeparator, kSeparatorDimmed, -1,
                                     kBlank, kBlankDimmed, -1, kBlank, kBlankDimmed)
                         : CTimeView(file, -1, kBackground, kBackgroundDimmed, -1, kBlank, kBlankDimmed, -1, kBlank,
                                     kBlankDimmed, -1, kSeparator, kSeparatorDimmed, -1, kBlank, kBlankDimmed, -1,
                                     kBlank, kBlankDimmed)) {}
    // Parts in the order they appear: mark, hh, :, mm, :, ss.
    std::vector<CBitmapWindow*> Parts() {
        return {view.GetMark(),       view.GetHourTens(),   view.GetHourUnits(),  view.GetSeparator1(),
                view.GetMinuteTens(), view.GetMinuteUnits(), view.GetSeparator2(), view.GetSecondTens(),
                view.GetSecondUnits()};
    }
    bool Create(HWND parent, bool withMark, int y = 2) {
        if (!CreateIn(view, parent, 2, y)) return false;
        LoadItems(*view.GetMark(), 0, 4);
        for (CMultiBitmapWindow* digits : {view.GetHourTens(), view.GetMinuteTens(), view.GetSecondTens()})
            LoadItems(*digits, 0, 5);
        for (CMultiBitmapWindow* digits : {view.GetHourUnits(), view.GetMinuteUnits(), view.GetSecondUnits()})
            LoadItems(*digits, 1, 10);
        std::vector<CBitmapWindow*> parts = Parts();
        for (size_t i = withMark ? 0 : 1; i < parts.size(); ++i)
            if (!CreateIn(*parts[i], view.GetWindowHandle(), 2 + 8 * (int)i)) return false;
        return true;
    }
    std::string Shows() {
        std::vector<CUIWindow*> parts;
        for (CBitmapWindow* p : Parts()) parts.push_back(p);
        return ShowAll(parts);
    }
    ~Clock() {
        for (CBitmapWindow* p : Parts())
            if (p->GetWindowHandle()) DestroyWindow(p->GetWindowHandle());
        if (view.GetWindowHandle()) DestroyWindow(view.GetWindowHandle());
    }
};

BITMAPLISTID Frames(int normal, int disabled) { return {-1, normal, disabled, normal, normal}; }

// A signal view with the parts' windows and items.
struct Signal {
    CSensView view;
    explicit Signal(char* file, const char* className = nullptr)
        : view(className ? CSensView((char*)className, file, Frames(kBackground, kBackgroundDimmed),
                                     Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed),
                                     Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed),
                                     Frames(kBlank, kBlankDimmed))
                         : CSensView(file, Frames(kBackground, kBackgroundDimmed), Frames(kBlank, kBlankDimmed),
                                     Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed),
                                     Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed))) {}
    std::vector<CBitmapWindow*> Parts() {
        return {view.GetAntenna(), view.GetHundreds(), view.GetTens(), view.GetUnits(), view.GetUnitSign()};
    }
    bool Create(HWND parent) {
        if (!CreateIn(view, parent, 2)) return false;
        LoadItems(*view.GetAntenna(), 0, 5);
        LoadItems(*view.GetHundreds(), 0, 0);
        LoadItems(*view.GetTens(), 1, 10);
        LoadItems(*view.GetUnits(), 2, 11);
        LoadItems(*view.GetUnitSign(), 3, 4);
        std::vector<CBitmapWindow*> parts = Parts();
        for (size_t i = 0; i < parts.size(); ++i)
            if (!CreateIn(*parts[i], view.GetWindowHandle(), 2 + 8 * (int)i)) return false;
        return true;
    }
    // The number and its sign: hundreds, tens, units, sign.
    std::string Number() {
        return ShowAll({view.GetHundreds(), view.GetTens(), view.GetUnits(), view.GetUnitSign()});
    }
    ~Signal() {
        for (CBitmapWindow* p : Parts())
            if (p->GetWindowHandle()) DestroyWindow(p->GetWindowHandle());
        if (view.GetWindowHandle()) DestroyWindow(view.GetWindowHandle());
    }
};

// Does the view's own window (the background) show its normal frame?
std::string Background(CBitmapWindow& view) {
    HWND h = view.GetWindowHandle();
    RECT r;
    GetClientRect(h, &r);
    DWORD pixel = ReadWindowPixels(h).at(r.right - 2, r.bottom - 2);  // right of every part
    return pixel == ColorOf(kBackground) ? "bg" : pixel == ColorOf(kBackgroundDimmed) ? "bg~" : "?";
}
}  // namespace

// ------------------------------------------------------------------ tab --

TEST_F(ViewTest, ATabShowsOneOfThreeLooksOfItsTargetOrDimsIt) {
    CMultiBitmapWindow target(skin.file(), -1, kBlank, kBlankDimmed, NoFont());
    LoadItems(target, 10, 12);
    ASSERT_TRUE(CreateIn(target, parent.hwnd(), 2));
    CTab tab(&target);
    EXPECT_EQ(&target, tab.GetTarget());
    struct {
        DWORD state;
        const char* shows;
    } steps[] = {{2, "11"}, {0, "11~"}, {1, "10"}, {3, "12"}, {4, "12~"}, {2, "11"}};
    for (auto& s : steps) {
        tab.SetTab(10, s.state);
        EXPECT_EQ(s.shows, Shows(&target)) << "state " << s.state;
    }
    tab.SetTab(20, 1);  // no such item: the look stays, the target is enabled
    EXPECT_EQ("11", Shows(&target));

    CTab untargeted;
    EXPECT_EQ(nullptr, untargeted.GetTarget());
    untargeted.SetTab(10, 1);
    untargeted.SetTab(10, 0);
    CTab copy(tab);
    EXPECT_EQ(&target, copy.GetTarget());
    copy = untargeted;
    EXPECT_EQ(nullptr, copy.GetTarget());
    DestroyWindow(target.GetWindowHandle());
}

// -------------------------------------------------------------- channel --

TEST_F(ViewTest, EveryDigitOfAChannelReachesItsWindowAndAMissingItemKeepsTheDigitShown) {
    Channel c(skin.file());
    ASSERT_TRUE(c.Create(parent.hwnd()));
    EXPECT_EQ(&c.hundreds, c.view.GetHundreds());
    EXPECT_EQ(&c.tens, c.view.GetTens());
    EXPECT_EQ(&c.units, c.view.GetUnits());
    EXPECT_EQ(nullptr, c.view.GetFourth());
    struct {
        DWORD channel;
        const char* shows;
    } steps[] = {{7, "0 0 7"},     {123, "1 2 3"},  {990, "9 9 0"}, {1234, "9 3 4"},  // no item 12: hundreds stay
                 {4294967295u, "9 9 5"}, {100, "1 0 0"}, {58, "0 5 8"}};
    for (auto& s : steps) {
        c.view.SetChannel(s.channel);
        EXPECT_EQ(s.shows, c.Shows()) << "channel " << s.channel;
    }
    c.view.SetEnable(0);
    EXPECT_EQ("0~ 5~ 8~", c.Shows());
    c.view.SetChannel(316);
    EXPECT_EQ("3~ 1~ 6~", c.Shows()) << "digits set while disabled stay disabled";
    c.view.SetEnable(1);
    EXPECT_EQ("3 1 6", c.Shows());
}

TEST_F(ViewTest, MissingDigitWindowsAreSkipped) {
    {
        CChannelView fromFile((char*)"x.bmp", 0, 1, 2);
        fromFile.SetChannel(123);
        fromFile.SetEnable(0);
        CChannelView empty;
        empty.SetChannel(5);
        empty.SetEnable(1);
        EXPECT_EQ(nullptr, empty.GetHundreds());
    }
    CMultiBitmapWindow units(skin.file(), -1, kBlank, kBlankDimmed, NoFont());
    LoadItems(units, 0, 9);
    ASSERT_TRUE(CreateIn(units, parent.hwnd(), 2));
    CChannelView onlyUnits(nullptr, nullptr, &units, nullptr);
    onlyUnits.SetChannel(42);
    EXPECT_EQ("2", Shows(&units));
    onlyUnits.SetEnable(0);
    EXPECT_EQ("2~", Shows(&units));
    DestroyWindow(units.GetWindowHandle());
}

TEST_F(ViewTest, OwnedWindowsAreMadeOnDemandAndReportEveryMissThroughTheErrorSlot) {
    CChannelView view(skin.file(), -1, kBackground, kBackgroundDimmed);
    __int64 e = kUntouched;
    EXPECT_EQ(nullptr, view.GetCharacterWindow());
    EXPECT_EQ(nullptr, view.GetDecimalWindow(0));
    EXPECT_EQ(0, view.SetCharacterID(-1, NormalOf(1), DimmedOf(1), 1, &e));
    EXPECT_EQ(0x0008000300040009LL, e) << "no owned array yet";
    e = kUntouched;
    EXPECT_EQ(0, view.SetDecimal(0, -1, NormalOf(1), DimmedOf(1), 1, &e));
    EXPECT_EQ(0x0008000300050009LL, e) << "no owned array yet";

    e = kUntouched;
    EXPECT_EQ(1, view.SetDecimalPosition(1, -1, kBlank, kBlankDimmed, &e));
    EXPECT_EQ(0, e) << "a success clears the slot";
    EXPECT_EQ(nullptr, view.GetDecimalWindow(0));
    ASSERT_NE(nullptr, view.GetDecimalWindow(1));
    EXPECT_EQ(nullptr, view.GetDecimalWindow(2));
    EXPECT_EQ(0, view.SetCharacterID(-1, NormalOf(1), DimmedOf(1), 1, &e));
    EXPECT_EQ(0x0008000300050009LL, e) << "an array but no character window";
    for (int position : {0, 2, 7, -1}) {
        e = kUntouched;
        EXPECT_EQ(0, view.SetDecimal(position, -1, NormalOf(1), DimmedOf(1), 1, &e));
        EXPECT_EQ(0x0008000300060009LL, e) << "no window at position " << position;
    }

    // Items reach the owned windows; the host creates and shows them.
    EXPECT_EQ(1, view.SetCharacter(-1, kBlank, kBlankDimmed, &e));
    EXPECT_EQ(0, e);
    for (int id : {1, 2}) {
        EXPECT_EQ(1, view.SetCharacterID(-1, NormalOf(id), DimmedOf(id), id, &e));
        EXPECT_EQ(1, view.SetDecimal(1, -1, NormalOf(id + 5), DimmedOf(id + 5), id, &e));
    }
    CMultiBitmapWindow* character = view.GetCharacterWindow();
    CMultiBitmapWindow* decimal = view.GetDecimalWindow(1);
    ASSERT_TRUE(character && decimal);
    ASSERT_TRUE(CreateIn(*character, parent.hwnd(), 2));
    ASSERT_TRUE(CreateIn(*decimal, parent.hwnd(), 10));
    EXPECT_EQ("- -", ShowAll({character, decimal}));
    character->SetActiveBitmapID(2, &e);
    decimal->SetActiveBitmapID(1, &e);
    EXPECT_EQ("2 6", ShowAll({character, decimal}));

    // Replacing a window takes its native window with it; the new one is empty.
    HWND oldDecimal = decimal->GetWindowHandle();
    EXPECT_EQ(1, view.SetDecimalPosition(1, -1, kBlank, kBlankDimmed, &e));
    EXPECT_FALSE(IsWindow(oldDecimal));
    EXPECT_EQ(0, view.GetDecimalWindow(1)->SetActiveBitmapID(1, &e)) << "the new window has no items";
    EXPECT_EQ(1, view.SetDecimalPosition(0, -1, kBlank, kBlankDimmed, &e));
    EXPECT_NE(nullptr, view.GetDecimalWindow(0));
    EXPECT_EQ(character, view.GetCharacterWindow()) << "growing keeps the windows";
}

TEST_F(ViewTest, ANegativeOrHugeDecimalPositionIsRefused) {
    CChannelView view(skin.file(), -1, kBackground, kBackgroundDimmed);
    for (int position : {-1, -2, -5, INT_MIN, INT_MAX, INT_MAX - 1, 0x7FFFFFFF / 4}) {
        __int64 e = kUntouched;
        EXPECT_EQ(0, view.SetDecimalPosition(position, -1, kBlank, kBlankDimmed, &e)) << position;
        EXPECT_EQ(0x0008000300020004LL, e) << position;
        EXPECT_TRUE(AllHeapsValid());
    }
    EXPECT_EQ(nullptr, view.GetDecimalWindow(-5));
    __int64 e = kUntouched;
    EXPECT_EQ(1, view.SetDecimalPosition(0, -1, kBlank, kBlankDimmed, &e));
    for (int position : {-5, INT_MIN, INT_MAX}) {
        e = kUntouched;
        EXPECT_EQ(0, view.SetDecimal(position, -1, kBlank, kBlankDimmed, 1, &e)) << position;
        EXPECT_EQ(0x0008000300060009LL, e) << position;
    }
    EXPECT_TRUE(AllHeapsValid());
}

TEST_F(ViewTest, WhenMemoryRunsOutTheOwnedWindowsReportIt) {
    CChannelView view(skin.file(), -1, kBackground, kBackgroundDimmed);
    __int64 list = kUntouched, character = kUntouched, decimal = kUntouched;
    {
        NoMemory none;
        EXPECT_EQ(0, view.SetDecimalPosition(3, -1, kBlank, kBlankDimmed, &list));
    }
    EXPECT_EQ(0x0008000300010004LL, list) << "the array cannot be made";
    EXPECT_EQ(nullptr, view.GetDecimalWindow(3));
    ASSERT_EQ(1, view.SetDecimalPosition(0, -1, kBlank, kBlankDimmed, &list));
    {
        NoMemory none;
        EXPECT_EQ(0, view.SetCharacter(-1, kBlank, kBlankDimmed, &character));
        EXPECT_EQ(0, view.SetDecimalPosition(0, -1, kBlank, kBlankDimmed, &decimal));
    }
    EXPECT_EQ(0x0008000300030004LL, character);
    EXPECT_EQ(0x0008000300020004LL, decimal);
    EXPECT_EQ(nullptr, view.GetCharacterWindow());
    EXPECT_EQ(nullptr, view.GetDecimalWindow(0)) << "the old window is gone, no new one was made";
}

TEST_F(ViewTest, AChannelViewCopyOwnsCopiesOfItsWindowsAndTheViewTakesThemDown) {
    Channel c(skin.file());
    ASSERT_TRUE(c.Create(parent.hwnd()));
    {
        CChannelView digits(&c.hundreds, &c.tens, &c.units, &c.units), copy(digits), assigned;
        EXPECT_EQ(&c.units, copy.GetFourth());
        copy.SetChannel(21);
        EXPECT_EQ("0 2 1", c.Shows()) << "the host's digit windows are shared";
        assigned = digits;
        EXPECT_EQ(&c.tens, assigned.GetTens());
    }
    EXPECT_TRUE(IsWindow(c.units.GetWindowHandle())) << "a view never destroys the host's windows";

    HWND characterWindow;
    {
        std::unique_ptr<CChannelView> view(new CChannelView(skin.file(), -1, kBackground, kBackgroundDimmed));
        __int64 e = 0;
        ASSERT_EQ(1, view->SetCharacter(-1, kBlank, kBlankDimmed, &e));
        ASSERT_EQ(1, view->SetCharacterID(-1, NormalOf(4), DimmedOf(4), 4, &e));
        ASSERT_EQ(1, view->SetDecimalPosition(2, -1, kBlank, kBlankDimmed, &e));
        ASSERT_TRUE(CreateIn(*view->GetCharacterWindow(), parent.hwnd(), 40));
        characterWindow = view->GetCharacterWindow()->GetWindowHandle();

        CChannelView copy(*view);
        EXPECT_NE(view->GetCharacterWindow(), copy.GetCharacterWindow());
        ASSERT_NE(nullptr, copy.GetCharacterWindow());
        EXPECT_EQ(nullptr, copy.GetCharacterWindow()->GetWindowHandle()) << "a copy has no native windows";
        EXPECT_NE(nullptr, copy.GetDecimalWindow(2));
        EXPECT_EQ(1, copy.GetCharacterWindow()->RemoveBitmap(4, &e));
        EXPECT_EQ(1, view->GetCharacterWindow()->SetActiveBitmapID(4, &e)) << "the original keeps its items";
        EXPECT_EQ("4", Shows(view->GetCharacterWindow()));

        CChannelView assigned;
        assigned.SetCharacter(-1, kBlank, kBlankDimmed, &e);
        assigned = *view;
        assigned = assigned;
        EXPECT_NE(nullptr, assigned.GetDecimalWindow(2));
        EXPECT_EQ(nullptr, assigned.GetCharacterWindow()->GetWindowHandle());
        EXPECT_TRUE(IsWindow(characterWindow));
    }
    EXPECT_FALSE(IsWindow(characterWindow)) << "the view destroys the windows it owns";
    EXPECT_TRUE(AllHeapsValid());
}

// ----------------------------------------------------------------- time --

TEST_F(ViewTest, EveryTimeFieldReachesItsDigitsWithTheMarkOfItsKind) {
    Clock withMark(skin.file()), withoutMark(skin.file());
    ASSERT_TRUE(withMark.Create(parent.hwnd(), true));
    ASSERT_TRUE(withoutMark.Create(parent.hwnd(), false, 20));
    EXPECT_EQ("- - - : - - : - -", withMark.Shows());
    struct {
        const char* what;
        void (CTimeView::*set)(DWORD);
        DWORD seconds;
        const char* withMark;     // mark, h h : m m : s s (units show digit + 1)
        const char* withoutMark;
    } steps[] = {
        {"midnight", &CTimeView::SetTime, 0, "1 1 3 : 0 1 : 0 1", "none 0 1 : 0 1 : 0 1"},
        {"13:00", &CTimeView::SetTime, 46800, "0 0 2 : 0 1 : 0 1", "none 1 4 : 0 1 : 0 1"},
        {"noon", &CTimeView::SetTime, 43200, "0 1 3 : 0 1 : 0 1", "none 1 3 : 0 1 : 0 1"},
        {"11:59:59", &CTimeView::SetTime, 43199, "1 1 2 : 5 10 : 5 10", "none 1 2 : 5 10 : 5 10"},
        {"23:59:59", &CTimeView::SetTime, 86399, "0 1 2 : 5 10 : 5 10", "none 2 4 : 5 10 : 5 10"},
        {"a day and 61 s", &CTimeView::SetTime, 86400 + 61, "1 1 3 : 0 2 : 0 2", "none 0 1 : 0 2 : 0 2"},
        {"playback 01:02:03", &CTimeView::SetPlaybackTime, 3723, "2 0 2 : 0 3 : 0 4", "none 0 2 : 0 3 : 0 4"},
        {"expiry 12:34:56", &CTimeView::SetExpireTime, 45296, "3 1 3 : 3 5 : 5 7", "none 1 3 : 3 5 : 5 7"},
        {"recording 25 h", &CTimeView::SetRecTime, 25 * 3600, "4 0 2 : 0 1 : 0 1", "none 0 2 : 0 1 : 0 1"},
        {"recording 23:45:00", &CTimeView::SetRecTime, 85500, "4 2 4 : 4 6 : 0 1", "none 2 4 : 4 6 : 0 1"},
        {"largest", &CTimeView::SetTime, 4294967295u, "1 0 7 : 2 9 : 1 6", "none 0 7 : 2 9 : 1 6"},
    };
    for (auto& s : steps) {
        (withMark.view.*s.set)(s.seconds);
        (withoutMark.view.*s.set)(s.seconds);
        EXPECT_EQ(s.withMark, withMark.Shows()) << s.what;
        EXPECT_EQ(s.withoutMark, withoutMark.Shows()) << s.what;
    }
}

TEST_F(ViewTest, DisablingATimeViewDimsTheNinePartsAndLeavesTheBackground) {
    Clock clock(skin.file());
    ASSERT_TRUE(clock.Create(parent.hwnd(), true));
    clock.view.SetPlaybackTime(3723);
    clock.view.SetEnable(0);
    EXPECT_EQ("2~ 0~ 2~ :~ 0~ 3~ :~ 0~ 4~", clock.Shows());
    EXPECT_EQ("bg", Background(clock.view));
    clock.view.SetTime(46800 + 59);
    EXPECT_EQ("0~ 0~ 2~ :~ 0~ 1~ :~ 5~ 10~", clock.Shows());
    clock.view.SetEnable(1);
    EXPECT_EQ("0 0 2 : 0 1 : 5 10", clock.Shows());
    EXPECT_EQ("bg", Background(clock.view));
}

TEST_F(ViewTest, ATimeViewCopyOwnsItsPartsAndAClassNameReachesEveryPart) {
    Clock named(skin.file(), "TESSARO CLOCK TEST");
    ASSERT_TRUE(named.Create(parent.hwnd(), true));
    for (CBitmapWindow* part : named.Parts()) {
        char name[64] = {};
        GetClassNameA(part->GetWindowHandle(), name, sizeof name);
        EXPECT_STREQ("TESSARO CLOCK TEST", name);
    }
    {
        CTimeView copy(named.view);
        EXPECT_EQ(nullptr, copy.GetWindowHandle());
        EXPECT_EQ(nullptr, copy.GetMark()->GetWindowHandle());
        EXPECT_EQ(nullptr, copy.GetSecondUnits()->GetWindowHandle());
        __int64 e = 0;
        EXPECT_EQ(1, copy.GetSecondUnits()->RemoveBitmap(1, &e));
        copy.SetTime(0);
        CTimeView assigned;
        assigned = copy;
        assigned = assigned;
        EXPECT_EQ(0, assigned.GetSecondUnits()->RemoveBitmap(1, &e)) << "the copy lost item 1 before";
    }
    named.view.SetTime(1);
    EXPECT_EQ("1 1 3 : 0 1 : 0 2", named.Shows()) << "the original keeps every item";
    EXPECT_TRUE(AllHeapsValid());
}

// --------------------------------------------------------------- signal --

TEST_F(ViewTest, ASignalNumberDimsLeadingZerosAndTheSignFollowsTheMode) {
    Signal s(skin.file());
    ASSERT_TRUE(s.Create(parent.hwnd()));
    s.view.SetEnable(0);
    EXPECT_EQ("0~ 1~ 2~ 3~", s.Number()) << "decibels until a mode is chosen";
    struct {
        void (CSensView::*set)(DWORD);
        DWORD value;
        const char* shows;  // hundreds, tens (digit + 1), units (digit + 2), sign
    } steps[] = {
        {&CSensView::SetSensDB, 7, "0~ 1~ 9 3"},    {&CSensView::SetSensDisplay, 45, "0~ 5 7 3"},
        {&CSensView::SetSensPercent, 100, "0 1 2 4"}, {&CSensView::SetSensDisplay, 250, "0 6 2 4"},
        {&CSensView::SetSensDB, 0, "0~ 1~ 2 3"},    {&CSensView::SetSensPercent, 909, "0 1 11 4"},
    };
    for (auto& step : steps) {
        (s.view.*step.set)(step.value);
        EXPECT_EQ(step.shows, s.Number()) << step.value;
    }
    s.view.SetSensPercent(50);
    s.view.SetEnable(0);
    EXPECT_EQ("0~ 1~ 2~ 4~", s.Number());
    s.view.SetSensDB(5);
    s.view.SetEnable(1);
    EXPECT_EQ("0 1 2 3", s.Number());
    EXPECT_EQ("bg", Background(s.view)) << "the view's own face is not touched";
}

TEST_F(ViewTest, TheAntennaShowsSixLevelsAndDimsBeyond) {
    Signal s(skin.file());
    ASSERT_TRUE(s.Create(parent.hwnd()));
    struct {
        DWORD level;
        const char* shows;
    } steps[] = {{0, "0"}, {5, "5"}, {3, "3"}, {6, "3~"}, {4294967295u, "3~"}, {2, "2"}};
    for (auto& step : steps) {
        s.view.SetSensAntenna(step.level);
        EXPECT_EQ(step.shows, Shows(s.view.GetAntenna())) << step.level;
    }
}

TEST_F(ViewTest, ASignalViewCopyOwnsItsPartsAndEachViewHasItsTypeAndWindowClass) {
    Signal named(skin.file(), "TESSARO SIGNAL TEST");
    ASSERT_TRUE(named.Create(parent.hwnd()));
    char name[64] = {};
    GetClassNameA(named.view.GetUnitSign()->GetWindowHandle(), name, sizeof name);
    EXPECT_STREQ("TESSARO SIGNAL TEST", name);
    {
        CSensView copy(named.view);
        EXPECT_EQ(nullptr, copy.GetUnits()->GetWindowHandle());
        __int64 e = 0;
        EXPECT_EQ(1, copy.GetUnitSign()->RemoveBitmap(4, &e));
        named.view.SetSensPercent(12);
        copy = named.view;
        copy = copy;
        EXPECT_EQ(1, copy.GetUnitSign()->RemoveBitmap(4, &e)) << "assignment brought item 4 back";
        copy.SetEnable(0);
    }
    EXPECT_EQ("0~ 2 4 4", named.Number());

    EXPECT_EQ(9, CTab().GetType()) << "a tab has no frames of its own to make a window from";
    std::pair<CBitmapWindow*, const char*> cases[] = {
        {new CChannelView(skin.file(), -1, kBackground, kBackgroundDimmed), "3 BITMAP WINDOW CLASS"},
        {new CChannelView((char*)"MINE", skin.file(), -1, kBackground, kBackgroundDimmed), "3 MINE"},
        {new CTimeView(skin.file(), -1, kBackground, kBackgroundDimmed, -1, kBlank, kBlankDimmed, -1, kBlank,
                       kBlankDimmed, -1, kSeparator, kSeparatorDimmed, -1, kBlank, kBlankDimmed, -1, kBlank,
                       kBlankDimmed),
         "3 BITMAP WINDOW CLASS"},
        {new CSensView(skin.file(), Frames(kBackground, kBackgroundDimmed), Frames(kBlank, kBlankDimmed),
                       Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed), Frames(kBlank, kBlankDimmed),
                       Frames(kBlank, kBlankDimmed)),
         "11 BITMAP BUTTON CLASS"}};
    for (auto& c : cases) {
        EXPECT_TRUE(CreateIn(*c.first, parent.hwnd(), 2, 20)) << c.second;
        char cls[64] = {};
        GetClassNameA(c.first->GetWindowHandle(), cls, sizeof cls);
        EXPECT_EQ(c.second, std::to_string(c.first->GetType()) + " " + cls);
        DestroyWindow(c.first->GetWindowHandle());
        delete c.first;
    }
}

// ------------------------------------------------------- without windows --

TEST_F(ViewTest, ViewsWithoutWindowsRepaintNothingElse) {
    Recorder bystander;
    Settle(50);
    RECT update;
    ASSERT_FALSE(GetUpdateRect(bystander.hwnd(), &update, FALSE));
    {
        CMultiBitmapWindow hundreds(skin.file(), -1, kBlank, kBlankDimmed, NoFont()), tens(hundreds), units(hundreds);
        for (CMultiBitmapWindow* w : {&hundreds, &tens, &units}) LoadItems(*w, 0, 9);
        CChannelView channel(&hundreds, &tens, &units, nullptr);
        channel.SetChannel(123);
        channel.SetEnable(0);
        __int64 e = 0;
        channel.SetCharacter(-1, kBlank, kBlankDimmed, &e);
        channel.SetCharacterID(-1, NormalOf(1), DimmedOf(1), 1, &e);
        channel.GetCharacterWindow()->SetActiveBitmapID(1, &e);

        Clock clock(skin.file());
        for (CMultiBitmapWindow* w : {clock.view.GetMark(), clock.view.GetHourTens(), clock.view.GetHourUnits(),
                                      clock.view.GetMinuteTens(), clock.view.GetMinuteUnits(),
                                      clock.view.GetSecondTens(), clock.view.GetSecondUnits()})
            LoadItems(*w, 0, 10);
        clock.view.SetTime(45296);
        clock.view.SetRecTime(45296);
        clock.view.SetEnable(0);

        Signal signal(skin.file());
        LoadItems(*signal.view.GetAntenna(), 0, 5);
        LoadItems(*signal.view.GetUnitSign(), 3, 4);
        signal.view.SetSensAntenna(3);
        signal.view.SetSensAntenna(9);
        signal.view.SetSensPercent(57);
        signal.view.SetEnable(0);

        CTab tab(&hundreds);
        tab.SetTab(1, 2);
        tab.SetTab(1, 0);
    }
    EXPECT_FALSE(GetUpdateRect(bystander.hwnd(), &update, FALSE)) << "a windowless view invalidated other windows";
}
