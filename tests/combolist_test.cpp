// The combo box and the list control seen from outside: their layout, what
// a click or a key does (the WM_COMMAND and WM_KEYDOWN posted to the parent),
// what the items and cells show (read back pixel by pixel), how many lines
// their scroll bars get (the counter's length on screen), columns added,
// replaced and removed, copies, and parts that could not be allocated.
#include "Bench.h"
#include "Tessaro.h"
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const __int64 kUntouched = 0x5A5A5A5A5A5A5A5ALL;

// Every encoded face pixel tells its face and where in it: code << 16 | x << 8 | y.
DWORD FaceColor(DWORD code, int x, int y) { return code << 16 | (DWORD)x << 8 | (DWORD)y; }
Image FaceImage(DWORD code, int w, int h) {
    Image im(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) im.at(x, y) = FaceColor(code, x, y);
    return im;
}

// ---- the skin both controls use ----------------------------------------------
enum Frame {
    // combo box: display, button, list background, five item faces and their pushed face
    kDisplay = 1, kDisplayOff, kButton, kButtonOff, kButtonOver, kButtonPushed, kListBack, kListBackOff,
    kItem0, kItemLast = kItem0 + 4, kItemPushed,
    // scroll bars: track, arrows, counter, the combo box's bar outline
    kTrack, kTrackOff, kDec, kDecOff, kDecOver, kDecPushed, kInc, kIncOff, kIncOver, kIncPushed, kCounter,
    kCounterOff, kCounterOver, kCounterPushed, kComboBar,
    // list control: own frame, bar outlines, header, titles, columns, row faces
    kListFrame, kVBar, kHBar, kHeader, kTitle80, kTitle120, kTitle80b, kColumn80, kColumn120,
    kRow0, kRowPushed0 = kRow0 + 8, kFrameCount = kRowPushed0 + 8
};
const int kBar = 16;  // arrows and counter are 16 x 16
const DWORD kTrackC = 0x2080A0, kTrackOffC = 0x606060, kCounterC = 0x4040C0, kCounterOffC = 0x505080,
            kCounterOverC = 0x8080F0, kListBackC = 0x0A0A0A, kColumnC = 0x0C0C0C, kWhite = 0xFFFFFF;
const DWORD kItemCode = 0x61, kTitleCode = 0x50, kRowCode = 0x10, kRowPushedCode = 0x30;

struct Skin {
    std::string path;
    Skin() {
        std::vector<std::string> im(kFrameCount - 1);
        auto put = [&](int frame, const Image& i) { im[frame - 1] = Bmp24(i); };
        put(kDisplay, Image(100, 20, 0x101010)), put(kDisplayOff, Image(100, 20, 0x111111));
        put(kButton, Image(16, 22, 0x2020F0)), put(kButtonOff, Image(16, 22, 0x202080));
        put(kButtonOver, Image(16, 22, 0x4040F0)), put(kButtonPushed, Image(16, 22, 0x1010A0));
        put(kListBack, Image(100, 60, kListBackC)), put(kListBackOff, Image(100, 60, 0x0B0B0B));
        for (int i = 0; i < 5; ++i) put(kItem0 + i, FaceImage(kItemCode + i, 100, 20));
        put(kItemPushed, FaceImage(0x6F, 100, 20));
        const DWORD bar[] = {kTrackC, kTrackOffC, 0xC04040, 0x804040, 0xE06060, 0xA02020, 0x40C040, 0x408040,
                             0x60E060, 0x20A020, kCounterC, kCounterOffC, kCounterOverC, 0x202090};
        for (int i = 0; i < 14; ++i) put(kTrack + i, Image(kBar, kBar, bar[i]));
        put(kComboBar, Image(kBar, 60, 0x303030));
        put(kListFrame, Image(300, 216, 0x0D0D0D));
        put(kVBar, Image(kBar, 200, 0x303030)), put(kHBar, Image(200, kBar, 0x303030));
        put(kHeader, Image(200, 24, 0x0E0E0E));
        put(kTitle80, FaceImage(kTitleCode, 80, 24)), put(kTitle120, FaceImage(kTitleCode + 1, 120, 24));
        put(kTitle80b, FaceImage(kTitleCode + 2, 80, 24));
        put(kColumn80, Image(80, 176, kColumnC)), put(kColumn120, Image(120, 176, kColumnC));
        for (int r = 0; r < 8; ++r) {
            put(kRow0 + r, FaceImage(kRowCode + r, 80, 44));
            put(kRowPushed0 + r, FaceImage(kRowPushedCode + r, 80, 44));
        }
        path = WriteTempFile(SkinOf(im));
    }
    char* file() { return (char*)path.c_str(); }
};

LOGFONTA Font(int height = -12) {
    LOGFONTA f = TestFont(height);
    f.lfQuality = NONANTIALIASED_QUALITY;
    return f;
}
const BITMAPLISTID kBarDec = {-1, kDec, kDecOff, kDecOver, kDecPushed},
                   kBarInc = {-1, kInc, kIncOff, kIncOver, kIncPushed},
                   kBarCounter = {-1, kCounter, kCounterOff, kCounterOver, kCounterPushed};
BITMAPLISTID Item(int i) { return {-1, kItem0 + i, kItem0 + i, -1, kItemPushed}; }
BITMAPLISTID Row(int r) { return {-1, kRow0 + r, kRow0 + r, -1, kRowPushed0 + r}; }
BITMAPLISTID Title(int frame) { return {-1, frame, frame, -1, frame}; }
BITMAPLISTID Column(int frame) { return {-1, frame, frame, -1, -1}; }

struct Windows {  // destroys its windows before the objects go
    std::vector<HWND> list;
    void Add(CUIWindow& w) { list.push_back(w.GetWindowHandle()); }
    ~Windows() {
        for (auto it = list.rbegin(); it != list.rend(); ++it)
            if (IsWindow(*it)) DestroyWindow(*it);
    }
};
bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
RECT Within(HWND child) {
    RECT c, p;
    GetWindowRect(child, &c);
    GetWindowRect(GetParent(child), &p);
    return {c.left - p.left, c.top - p.top, c.right - p.left, c.bottom - p.top};
}
std::string Str(const RECT& r) {
    std::ostringstream s;
    s << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return s.str();
}
// The child window of `parent` whose library object has window ID `id`.
HWND Child(HWND parent, int id) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
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
void Click(HWND h, int x, int y) {
    MouseDown(h, x, y);
    MouseUp(h, x, y);
}
Expect Report(long id, LPARAM value) { return {WM_COMMAND, (WPARAM)(UINT)id, value, kExpectPosted | kCheckW | kCheckL}; }

// A scroll bar as seen on screen: its lines (one pixel each: the track's
// length less the counter's) and whether it is enabled, as "2 lines, on";
// "no counter" when none is drawn (the bar was never given its lines).
std::string BarState(HWND bar, bool horizontal) {
    Pixels p = ReadWindowPixels(bar);
    int length = horizontal ? p.width : p.height, counter = 0, on = 0, off = 0;
    for (int i = kBar; i < length - kBar; ++i) {
        DWORD c = horizontal ? p.at(i, kBar / 2) : p.at(kBar / 2, i);
        if (c == kCounterC || c == kCounterOverC || c == kCounterOffC) ++counter;
        if (c == kCounterC || c == kCounterOverC || c == kTrackC) ++on;
        if (c == kCounterOffC || c == kTrackOffC) ++off;
    }
    std::ostringstream s;
    if (counter) s << (length - 2 * kBar - counter) << " lines, ";
    else s << "no counter, ";
    s << (on && !off ? "on" : !on && off ? "off" : "mixed");
    return s.str();
}

// ---- combo box ------------------------------------------------------------------
class ComboTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }  // keep the real pointer off the controls
    Skin skin;
    Recorder parent;
    CComboBoxBitmap* New(const char* className = nullptr, LOGFONTA font = Font()) {
        const BITMAPLISTID list = {-1, kListBack, kListBackOff, -1, -1}, display = {-1, kDisplay, kDisplayOff, -1, -1},
                           button = {-1, kButton, kButtonOff, kButtonOver, kButtonPushed},
                           bar = {kComboBar, kTrack, kTrackOff, -1, -1};
        if (className)
            return new CComboBoxBitmap((char*)className, skin.file(), list, display, button, bar, kBarDec, kBarInc,
                                       kBarCounter, font, 0);
        return new CComboBoxBitmap(skin.file(), list, display, button, bar, kBarDec, kBarInc, kBarCounter, font, 0);
    }
    int Make(CComboBoxBitmap& c, long id, int x = 10) {
        return c.Create("", WS_CHILD | WS_VISIBLE, x, 10, -1, -1, 100, 60, Instance(), parent.hwnd(),
                        id, 0, nullptr, nullptr, nullptr, SW_SHOWNOACTIVATE);
    }
    // Item i of the skin with ID `id`.
    void Add(CComboBoxBitmap& c, int i, int id, const char* text = "") {
        EXPECT_EQ(1, c.SetItems(Item(i), (char*)text, ColorRef(kWhite), id, nullptr));
    }
    int Height(CComboBoxBitmap& c) {
        RECT r;
        GetWindowRect(c.GetWindowHandle(), &r);
        return r.bottom - r.top;
    }
    // Pumps until the child's command has reached the combo box and its report the parent.
    void Pump() {
        parent.Drain();
        parent.Drain();
    }
};
// Which item face shows at (x, y) of a window, with where in it: "item 2 +0".
std::string FaceAt(HWND h, int x, int y) {
    DWORD c = ReadWindowPixels(h).at(x, y);
    DWORD code = c >> 16;
    std::ostringstream s;
    if (code >= kItemCode && code < kItemCode + 5) s << "item " << (code - kItemCode) << " +" << (int)((c & 0xFF) - y % 20);
    else s << "0x" << std::hex << c;
    return s.str();
}
}  // namespace

TEST_F(ComboTest, ItSizesItselfFromDisplayAndButtonAndUnrollsByTheListHeight) {
    std::unique_ptr<CComboBoxBitmap> combo(New());
    Windows windows;
    ASSERT_EQ(1, Make(*combo, 31));
    windows.Add(*combo);
    HWND h = combo->GetWindowHandle();
    EXPECT_TRUE(Within(h) == (RECT{10, 10, 126, 32})) << Str(Within(h));
    struct {
        int id;
        RECT place;
    } parts[] = {{0, {0, 0, 100, 20}}, {1, {100, 0, 116, 22}}, {2, {0, 20, 100, 80}}, {3, {100, 20, 116, 80}}};
    for (auto& p : parts) {
        HWND c = Child(h, p.id);
        ASSERT_TRUE(c) << p.id;
        EXPECT_TRUE(Within(c) == p.place) << p.id << ": " << Str(Within(c));
    }
    EXPECT_EQ(4, ChildCount(h));
    HWND button = Child(h, 1);
    parent.Drain();
    parent.Clear();
    for (int expected : {22 + 60 - 1, 22, 81}) {
        Click(button, 8, 8);
        Pump();
        EXPECT_EQ(expected, Height(*combo));
    }
    EXPECT_TRUE(parent.Only(WM_COMMAND).empty()) << "the button's commands stay in the combo box";
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ComboTest, ChoosingAnItemShowsItClosesTheListAndReportsOnlyANewChoice) {
    std::unique_ptr<CComboBoxBitmap> combo(New());
    Windows windows;
    ASSERT_EQ(1, Make(*combo, 32));
    windows.Add(*combo);
    HWND h = combo->GetWindowHandle(), display = Child(h, 0), button = Child(h, 1), list = Child(h, 2);
    const int ids[] = {0, 7, 8};
    for (int i = 0; i < 3; ++i) Add(*combo, i, ids[i]);
    parent.Drain();
    parent.Clear();
    struct {
        const char* what;
        bool openFirst;
        int clickY;       // in the list
        int height;       // afterwards
        LPARAM reported;  // -1: nothing
        int shown;        // item face in the display, -1: not compared
    } steps[] = {
        {"the item with ID 0 is the choice already", true, 5, 81, -1, -1},
        {"item 7 is new", false, 25, 22, 7, 1},
        {"item 7 again: nothing, the list stays open", true, 25, 81, -1, 1},
        {"item 8", false, 45, 22, 8, 2},
        {"item 0 is new now", true, 5, 22, 0, 0},
    };
    std::vector<Expect> expected;
    for (auto& s : steps) {
        if (s.openFirst) {
            Click(button, 8, 8);
            Pump();
            ASSERT_EQ(81, Height(*combo)) << s.what;
        }
        Click(list, 50, s.clickY);
        Pump();
        EXPECT_EQ(s.height, Height(*combo)) << s.what;
        if (s.reported >= 0) expected.push_back(Report(32, s.reported));
        if (s.shown >= 0) EXPECT_EQ("item " + std::to_string(s.shown) + " +0", FaceAt(display, 50, 10)) << s.what;
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch(expected, parent.log()));

    // Shown without a report; the last choice stays what it was.
    parent.Clear();
    __int64 slot = kUntouched;
    EXPECT_EQ(1, combo->SetActiveItemID(8, &slot));
    EXPECT_EQ("item 2 +0", FaceAt(display, 50, 10));
    Click(button, 8, 8);
    Pump();
    Click(list, 50, 5);  // item 0: still the last choice
    Pump();
    EXPECT_EQ(81, Height(*combo));
    EXPECT_TRUE(parent.Only(WM_COMMAND).empty());
    EXPECT_EQ(kUntouched, slot);
}

TEST_F(ComboTest, ScrollLinesCountTheItemsThatDoNotFitAndTheBarScrollsTheList) {
    std::unique_ptr<CComboBoxBitmap> combo(New());
    Windows windows;
    ASSERT_EQ(1, Make(*combo, 33));
    windows.Add(*combo);
    HWND h = combo->GetWindowHandle(), list = Child(h, 2), bar = Child(h, 3);
    Click(Child(h, 1), 8, 8);  // open: the bar shows
    Pump();
    ASSERT_EQ(81, Height(*combo));
    EXPECT_EQ("0 lines, off", BarState(bar, false)) << "an empty list";
    // Items of 20 pixels in a 60-pixel list.
    struct {
        const char* what;
        int add, remove;  // skin item and ID to add (-1: none), ID to remove (-1: none)
        const char* state;
    } steps[] = {
        {"first", 0, -1, "0 lines, off"},  {"second", 1, -1, "0 lines, off"},
        {"third: it fits", 2, -1, "0 lines, off"},  {"fourth overflows", 3, -1, "1 lines, on"},
        {"fifth", 4, -1, "2 lines, on"},   {"the fifth replaced", 4, -1, "2 lines, on"},
        {"fifth removed", -1, 4, "1 lines, on"}, {"an unknown ID", -1, 9, "1 lines, on"},
        {"an unknown ID again", -1, 9, "1 lines, on"}, {"fourth removed: it fits", -1, 3, "0 lines, off"},
    };
    for (auto& s : steps) {
        __int64 slot = kUntouched;
        if (s.add >= 0) EXPECT_EQ(1, combo->SetItems(Item(s.add), (char*)"", 0, s.add, &slot)) << s.what;
        if (s.remove >= 0) EXPECT_EQ(1, combo->RemoveItems(s.remove, &slot)) << s.what;
        Pump();
        EXPECT_EQ(s.state, BarState(bar, false)) << s.what;
    }
    parent.Clear();
    Add(*combo, 3, 3);
    Add(*combo, 4, 4);
    SendMessageA(h, WM_COMMAND, 3, 2);
    EXPECT_EQ("item 2 +0", FaceAt(list, 50, 5)) << "the third item at the top";
    EXPECT_EQ("item 4 +0", FaceAt(list, 50, 45));
    SendMessageA(h, WM_COMMAND, 3, 0);
    EXPECT_EQ("item 0 +0", FaceAt(list, 50, 5));
    // The bar's own arrows scroll it too.
    UpdateWindow(bar);
    Click(Child(bar, 1), 8, 8);
    Pump();
    EXPECT_EQ("item 1 +0", FaceAt(list, 50, 5));
    parent.Drain();
    EXPECT_TRUE(parent.Only(WM_COMMAND).empty());
}

TEST_F(ComboTest, ANewFontChangesTheTextInTheDisplay) {
    std::unique_ptr<CComboBoxBitmap> combo(New());
    Windows windows;
    ASSERT_EQ(1, Make(*combo, 34));
    windows.Add(*combo);
    HWND display = Child(combo->GetWindowHandle(), 0);
    Add(*combo, 1, 5, "Wide text");
    EXPECT_EQ(1, combo->SetActiveItemID(5, nullptr));
    auto whites = [&] {
        Pixels p = ReadWindowPixels(display);
        std::vector<int> at;
        for (size_t i = 0; i < p.rgb.size(); ++i)
            if (p.rgb[i] == kWhite) at.push_back((int)i);
        return at;
    };
    std::vector<int> before = whites();
    EXPECT_GT(before.size(), 10u) << "the text is drawn";
    EXPECT_EQ(1, combo->SetNewFont(Font(-18)));
    std::vector<int> after = whites();
    EXPECT_GT(after.size(), before.size()) << "a larger font";
    EXPECT_EQ(1, combo->SetNewFont(Font()));
    EXPECT_TRUE(whites() == before);
}

TEST_F(ComboTest, PartsThatCannotBeAllocatedFailCreateAndEveryOperationSkipsThem) {
    std::unique_ptr<CComboBoxBitmap> combo;
    {
        NoLibraryMemory none;
        ASSERT_TRUE(none.ok());
        combo.reset(New("Tessaro combo without memory"));
    }
    EXPECT_EQ(0, Make(*combo, 35));
    EXPECT_FALSE(combo->GetWindowHandle() && IsWindow(combo->GetWindowHandle())) << "its window is destroyed";
    EXPECT_EQ(0, ChildCount(parent.hwnd()));
    __int64 slot = kUntouched;
    EXPECT_EQ(1, combo->SetItems(Item(0), (char*)"x", 0, 1, &slot));
    EXPECT_EQ(1, combo->RemoveItems(1, &slot));
    EXPECT_EQ(1, combo->RemoveItems(1, &slot));
    EXPECT_EQ(1, combo->SetActiveItemID(1, &slot));
    EXPECT_EQ(1, combo->SetNewFont(Font(-16)));
    parent.Drain();
    EXPECT_TRUE(parent.Only(WM_COMMAND).empty());
}

TEST_F(ComboTest, CopiesOwnTheirPartsAndItemsAndHaveNoWindows) {
    std::unique_ptr<CComboBoxBitmap> original(New());
    for (int i = 0; i < 4; ++i) Add(*original, i, 10 + i);
    std::unique_ptr<CComboBoxBitmap> copy(new CComboBoxBitmap(*original)), assigned(New());
    *assigned = *original;
    *assigned = *assigned;
    EXPECT_EQ(nullptr, copy->GetWindowHandle());
    EXPECT_EQ(nullptr, assigned->GetWindowHandle());
    original.reset();  // the copies keep parts of their own
    EXPECT_TRUE(AllHeapsValid());
    Windows windows;
    ASSERT_EQ(1, Make(*copy, 36));
    windows.Add(*copy);
    ASSERT_EQ(1, Make(*assigned, 37, 150));
    windows.Add(*assigned);
    EXPECT_EQ(1, assigned->RemoveItems(13, nullptr));
    for (CComboBoxBitmap* c : {copy.get(), assigned.get()}) {
        HWND h = c->GetWindowHandle();
        EXPECT_EQ(4, ChildCount(h));
        Click(Child(h, 1), 8, 8);  // open: the list shows
        Pump();
        EXPECT_EQ("item 1 +0", FaceAt(Child(h, 2), 50, 25)) << "the items came with the copy";
    }
    parent.Drain();
    parent.Clear();
    Click(Child(copy->GetWindowHandle(), 2), 50, 25);
    Pump();
    EXPECT_EQ("item 1 +0", FaceAt(Child(copy->GetWindowHandle(), 0), 50, 10));
    EXPECT_TRUE(SequenceMatch({Report(36, 11)}, parent.log()));
}

// ---- list control ------------------------------------------------------------------
namespace {
class ListTest : public TessaroTest {
protected:
    void SetUp() override { SetCursorPos(1, 1); }
    Skin skin;
    Recorder parent{nullptr, 100, 100, 660, 300};
    CListeBitmap* New(const char* className = nullptr) {
        const BITMAPLISTID list = {-1, kListFrame, kListFrame, -1, -1}, header = {-1, kHeader, kHeader, -1, -1},
                           vBar = {kVBar, kTrack, kTrackOff, -1, -1}, hBar = {kHBar, kTrack, kTrackOff, -1, -1};
        if (className)
            return new CListeBitmap((char*)className, skin.file(), list, header, vBar, kBarDec, kBarInc, kBarCounter,
                                    hBar, kBarDec, kBarInc, kBarCounter, Font());
        return new CListeBitmap(skin.file(), list, header, vBar, kBarDec, kBarInc, kBarCounter, hBar, kBarDec, kBarInc,
                                kBarCounter, Font());
    }
    int Make(CListeBitmap& l, long id, HICON cursor = nullptr, HICON icon = nullptr, int x = 10) {
        return l.Create("ignored", WS_CHILD | WS_VISIBLE, x, 10, -1, -1, Instance(), parent.hwnd(), id, 0, cursor,
                        icon, nullptr, SW_SHOWNOACTIVATE);
    }
    // Column `id` with a title `width` (80 or 120) wide.
    void AddColumn(CListeBitmap& l, int id, int width, int title = 0) {
        int t = title ? title : width == 80 ? kTitle80 : kTitle120;
        EXPECT_EQ(1, l.SetBitmapCloumBitmapItem(id, Title(t), (char*)"", 0, Column(width == 80 ? kColumn80 : kColumn120),
                                                nullptr));
    }
    // Row r's cell (item ID 100 + r) in a column.
    void AddCell(CListeBitmap& l, int r, int column) {
        EXPECT_EQ(1, l.SetRowBitmapItem(100 + r, column, Row(r), (char*)"", 0, nullptr));
    }
    // The standard list: columns 0, 1, 2 (80, 120, 80 wide; the third title overflows the header), `rows` rows.
    void Fill(CListeBitmap& l, int rows) {
        AddColumn(l, 0, 80), AddColumn(l, 1, 120), AddColumn(l, 2, 80, kTitle80b);
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < rows; ++r) AddCell(l, r, c);
    }
};
// What a column shows at the top of its visible part (right of the vertical
// bar): "row 3", "row 3*" when selected, "empty", or "hidden" when it lies
// wholly left of the bar.
std::string Top(HWND column) {
    if (!column) return "no window";
    int x = 17 - Within(column).left;
    if (x < 5) x = 5;
    if (x >= 80) return "hidden";
    DWORD c = ReadWindowPixels(column).at(x, 5);
    DWORD code = c >> 16;
    std::ostringstream s;
    if (code >= kRowCode && code < kRowCode + 8) s << "row " << code - kRowCode;
    else if (code >= kRowPushedCode && code < kRowPushedCode + 8) s << "row " << code - kRowPushedCode << "*";
    else if (c == kColumnC) return "empty";
    else s << "0x" << std::hex << c;
    if (code >= kRowCode && (c & 0xFFFF) != ((DWORD)x << 8 | 5u)) s << " misaligned";
    return s.str();
}
// The title at x of the header: "title 1".
std::string TitleAt(HWND header, int x) {
    DWORD c = ReadWindowPixels(header).at(x, 5);
    DWORD code = c >> 16;
    if (code >= kTitleCode && code < kTitleCode + 3) return "title " + std::to_string(code - kTitleCode);
    return "none";
}
// The tops of the column windows with IDs `ids`, as "row 1|row 1|row 0".
std::string Tops(HWND list, const std::vector<int>& ids) {
    std::string out;
    for (int id : ids) out += (out.empty() ? "" : "|") + Top(Child(list, id));
    return out;
}
int Left(HWND w) { return Within(w).left; }
}  // namespace

TEST_F(ListTest, PartsAndColumnsArePlacedByTheirFramesAndColumnsTakeTheNextWindowID) {
    std::unique_ptr<CListeBitmap> list(New());
    AddColumn(*list, 0, 80), AddColumn(*list, 1, 120);
    Windows windows;
    ASSERT_EQ(1, Make(*list, 41));
    windows.Add(*list);
    HWND h = list->GetWindowHandle();
    EXPECT_TRUE(Within(h) == (RECT{10, 10, 310, 226})) << "the list's own frame: " << Str(Within(h));
    AddColumn(*list, 2, 80, kTitle80b);
    struct {
        int id;
        RECT place;
    } parts[] = {{0, {0, 0, 16, 200}},      {1, {16, 200, 216, 216}}, {2, {16, 0, 216, 24}},
                 {4, {16, 24, 96, 200}},    {5, {96, 24, 216, 200}},  {6, {216, 24, 296, 200}}};
    for (auto& p : parts) {
        HWND c = Child(h, p.id);
        ASSERT_TRUE(c) << p.id;
        EXPECT_TRUE(Within(c) == p.place) << p.id << ": " << Str(Within(c));
    }
    EXPECT_EQ(nullptr, Child(h, 3));
    EXPECT_EQ(6, ChildCount(h));
    EXPECT_TRUE(BarState(Child(h, 1), true).find(", on") != std::string::npos) << "the titles overflow";

    // Replacing column 0 empties it in place, under its title, with a new window.
    for (int c = 0; c < 3; ++c) AddCell(*list, 0, c);
    HWND old = Child(h, 4);
    EXPECT_EQ(1, list->SetBitmapCloumBitmapItem(0, Title(kTitle80), (char*)"", 0, Column(kColumn80), nullptr));
    EXPECT_FALSE(IsWindow(old));
    HWND renewed = Child(h, 7);
    ASSERT_TRUE(renewed);
    EXPECT_TRUE(Within(renewed) == (RECT{16, 24, 96, 200})) << Str(Within(renewed));
    EXPECT_EQ("empty|row 0|row 0", Tops(h, {7, 5, 6}));
    HWND header = Child(h, 2);
    EXPECT_EQ("title 0", TitleAt(header, 5));
    EXPECT_EQ("title 1", TitleAt(header, 85));
}

TEST_F(ListTest, ClassIconAndCursorAreTheCallersAndTheHandOnlyWithoutACursor) {
    HICON icon = LoadIconA(nullptr, (LPCSTR)IDI_APPLICATION), cross = (HICON)LoadCursorA(nullptr, (LPCSTR)IDC_CROSS);
    HICON hand = (HICON)LoadCursorA(nullptr, (LPCSTR)IDC_HAND);
    struct {
        const char* className;
        HICON cursor, icon, wantCursor;
    } cases[] = {
        {"Tessaro list with cursor", cross, icon, cross},
        {"Tessaro list without cursor", nullptr, icon, hand},
        {"Tessaro list without icon", cross, nullptr, cross},
    };
    for (auto& c : cases) {
        std::unique_ptr<CListeBitmap> list(New(c.className));
        Windows windows;
        ASSERT_EQ(1, Make(*list, 42, c.cursor, c.icon)) << c.className;
        windows.Add(*list);
        HWND h = list->GetWindowHandle();
        EXPECT_EQ((ULONG_PTR)c.icon, GetClassLongPtrA(h, GCLP_HICON)) << c.className;
        EXPECT_EQ((ULONG_PTR)c.wantCursor, GetClassLongPtrA(h, GCLP_HCURSOR)) << c.className;
        char name[64] = "";
        GetWindowTextA(h, name, sizeof name);
        EXPECT_STREQ("", name);
    }
}

TEST_F(ListTest, AClickedCellSelectsItsRowInEveryColumnAndReportsIt) {
    std::unique_ptr<CListeBitmap> list(New());
    Windows windows;
    ASSERT_EQ(1, Make(*list, 43));
    windows.Add(*list);
    Fill(*list, 6);
    HWND h = list->GetWindowHandle();
    EXPECT_EQ("2 lines, on", BarState(Child(h, 0), false)) << "4 rows of 44 fit: two lines";
    EXPECT_EQ("2 lines, on", BarState(Child(h, 1), true)) << "the third title overflows: two lines";
    parent.Drain();
    parent.Clear();
    struct {
        const char* what;
        int vLine;        // the vertical bar's line first
        int column, y;    // the click
        LPARAM reported;
        const char* tops;
    } steps[] = {
        {"row 1 in the middle column", 0, 5, 50, 101, "row 0|row 0|row 0"},
        {"scrolled: the top cell is row 2", 2, 6, 5, 102, "row 2*|row 2*|row 2*"},
        {"row 3 below it", 2, 4, 50, 103, "row 2|row 2|row 2"},
        {"back at the top, row 0", 0, 4, 5, 100, "row 0*|row 0*|row 0*"},
    };
    std::vector<Expect> expected;
    for (auto& s : steps) {
        SendMessageA(h, WM_COMMAND, 0, s.vLine);
        Click(Child(h, s.column), 5, s.y);
        parent.Drain();
        expected.push_back(Report(43, s.reported));
        EXPECT_EQ(s.tops, Tops(h, {4, 5, 6})) << s.what;
    }
    EXPECT_TRUE(SequenceMatch(expected, parent.log()));
    EXPECT_EQ(1, list->SetID(105, nullptr));
    SendMessageA(h, WM_COMMAND, 0, 5);
    EXPECT_EQ("row 5*|row 5*|row 5*", Tops(h, {4, 5, 6})) << "SetID selects without a report";
    parent.Drain();
    EXPECT_EQ(4u, parent.Only(WM_COMMAND).size());
}

TEST_F(ListTest, ScrollingBothWaysKeepsRowsAlignedAndShorterColumnsShowTheirLastCell) {
    std::unique_ptr<CListeBitmap> list(New());
    Fill(*list, 3);
    for (int r = 3; r < 7; ++r) AddCell(*list, r, 0);  // column 0 has 7 rows, the others 3
    AddCell(*list, 3, 1);
    Windows windows;
    ASSERT_EQ(1, Make(*list, 44));
    windows.Add(*list);
    HWND h = list->GetWindowHandle(), header = Child(h, 2);
    struct {
        int bar, line;
        const char* tops;   // columns 4, 5, 6
        int left0;          // column 0's left edge
        const char* title;  // at the header's start
    } steps[] = {
        {0, 1, "row 1|row 1|row 1", 16, "title 0"},     {0, 3, "row 3|row 3|row 2", 16, "title 0"},
        {0, 6, "row 6|row 3|row 2", 16, "title 0"},     {1, 1, "hidden|row 3|row 2", 16 - 80, "title 1"},
        {0, 2, "hidden|row 2|row 2", -64, "title 1"},   {1, 2, "hidden|hidden|row 2", -64 - 120, "title 2"},
        {1, 1, "hidden|row 2|row 2", -64, "title 1"},   {1, 0, "row 2|row 2|row 2", 16, "title 0"},
        {0, 0, "row 0|row 0|row 0", 16, "title 0"},
    };
    for (auto& s : steps) {
        std::string where = (s.bar ? "horizontal line " : "vertical line ") + std::to_string(s.line);
        SendMessageA(h, WM_COMMAND, s.bar, s.line);
        EXPECT_EQ(s.tops, Tops(h, {4, 5, 6})) << where;
        EXPECT_EQ(s.left0, Left(Child(h, 4))) << where;
        EXPECT_EQ(s.left0 + 80, Left(Child(h, 5))) << "one column width per step, in one move; " << where;
        EXPECT_EQ(s.left0 + 200, Left(Child(h, 6))) << where;
        EXPECT_EQ(s.title, TitleAt(header, 5)) << where;
    }

    // Scrolled sideways: a replaced cell keeps its row, a new row and a new
    // column join the others where they are.
    SendMessageA(h, WM_COMMAND, 1, 1);
    EXPECT_EQ(1, list->SetRowBitmapItem(102, 1, Row(5), (char*)"", 0, nullptr));
    SendMessageA(h, WM_COMMAND, 0, 2);
    EXPECT_EQ("hidden|row 5|row 2", Tops(h, {4, 5, 6}));
    AddCell(*list, 3, 2);
    AddColumn(*list, 3, 80);
    for (int r = 0; r < 4; ++r) AddCell(*list, r, 3);
    HWND added = Child(h, 7);
    ASSERT_TRUE(added);
    EXPECT_EQ(-64 + 280, Left(added)) << "after the last column";
    SendMessageA(h, WM_COMMAND, 0, 3);
    EXPECT_EQ("hidden|row 3|row 3|row 3", Tops(h, {4, 5, 6, 7}));
    SendMessageA(h, WM_COMMAND, 1, 0);
    EXPECT_EQ(296, Left(added));
    EXPECT_EQ("row 3|row 3|row 3", Tops(h, {4, 5, 6}));
}

TEST_F(ListTest, HorizontalLinesThatNameNoColumnMoveNothingAndAreNotKept) {
    std::unique_ptr<CListeBitmap> list(New());
    AddColumn(*list, 1, 80), AddColumn(*list, 2, 120), AddColumn(*list, 3, 80, kTitle80b);
    Windows windows;
    ASSERT_EQ(1, Make(*list, 45));
    windows.Add(*list);
    HWND h = list->GetWindowHandle();
    struct {
        int line;
        int left0;  // the first column's left edge afterwards
    } steps[] = {
        {1, 16},        // names the first column: nothing before it to measure
        {2, 16 - 80},   // past the first column
        {4, 16 - 80},   // no column 4: nothing moves and the line is not kept
        {3, -64 - 120}, // so this moves on from line 2
        {9, -184},      {0, -184},  // no such columns
        {2, -104},      // back from line 3: by the width of the column before it (index 2)
    };
    for (auto& s : steps) {
        SendMessageA(h, WM_COMMAND, 1, s.line);
        EXPECT_EQ(s.left0, Left(Child(h, 4))) << "line " << s.line;
        EXPECT_EQ(s.left0 + 80, Left(Child(h, 5))) << "line " << s.line;
        EXPECT_TRUE(AllHeapsValid()) << "line " << s.line;
    }
}

TEST_F(ListTest, ScrollLinesCountOverflowingTitlesAndFirstColumnRowsAndNeverGoBelowZero) {
    std::unique_ptr<CListeBitmap> list(New());
    Windows windows;
    ASSERT_EQ(1, Make(*list, 46));
    windows.Add(*list);
    HWND h = list->GetWindowHandle(), bar = Child(h, 0), hBar = Child(h, 1);
    EXPECT_EQ("no counter, off", BarState(hBar, true));
    AddColumn(*list, 0, 80), AddColumn(*list, 1, 120);
    EXPECT_EQ("0 lines, off", BarState(hBar, true)) << "two titles fill the header";
    AddColumn(*list, 2, 80, kTitle80b);
    EXPECT_EQ("2 lines, on", BarState(hBar, true)) << "the header's first overflow";
    EXPECT_EQ(1, list->RemoveCloumBitmapItem(2, nullptr));
    EXPECT_EQ("0 lines, off", BarState(hBar, true));

    for (int r = 0; r < 6; ++r) AddCell(*list, r, 1);
    EXPECT_EQ("no counter, off", BarState(bar, false)) << "column 1 overflows";
    EXPECT_EQ(1, list->RemoveRowBitmapItem(105, 1, nullptr));
    Settle(0);
    EXPECT_EQ("no counter, off", BarState(bar, false)) << "removing from column 1 leaves the bar alone";
    struct {
        const char* what;
        int add, remove;  // row to add to / remove from column 0 (-1: none)
        const char* state;
    } steps[] = {
        {"four rows fit", 0, -1, "no counter, off"}, {"", 1, -1, "no counter, off"},
        {"", 2, -1, "no counter, off"},              {"", 3, -1, "no counter, off"},
        {"the fifth overflows", 4, -1, "1 lines, on"}, {"sixth", 5, -1, "2 lines, on"},
        {"sixth replaced", 5, -1, "2 lines, on"},    {"an unknown row", -1, 7, "2 lines, on"},
        {"sixth removed", -1, 5, "1 lines, on"},     {"fifth removed", -1, 4, "0 lines, off"},
        {"it fits: an unknown row", -1, 4, "0 lines, off"},
    };
    for (auto& s : steps) {
        if (s.add >= 0) AddCell(*list, s.add, 0);
        if (s.remove >= 0) EXPECT_EQ(1, list->RemoveRowBitmapItem(100 + s.remove, 0, nullptr)) << s.what;
        Settle(0);
        EXPECT_EQ(s.state, BarState(bar, false)) << s.what << " (row " << s.add << s.remove << ")";
    }
    __int64 slot = kUntouched;
    EXPECT_EQ(0, list->SetRowBitmapItem(1, 9, Row(0), (char*)"", 0, &slot));
    EXPECT_EQ(0, list->RemoveRowBitmapItem(1, 9, &slot));
    EXPECT_EQ(kUntouched, slot) << "an unknown column";
}

TEST_F(ListTest, RemovingAColumnTakesItsTitleAndWindowAndClosesTheGap) {
    for (int scrolled : {0, 1}) {
        const char* where = scrolled ? "scrolled sideways" : "not scrolled";
        std::unique_ptr<CListeBitmap> list(New());
        Windows windows;
        ASSERT_EQ(1, Make(*list, 47)) << where;
        windows.Add(*list);
        Fill(*list, 5);
        HWND h = list->GetWindowHandle(), header = Child(h, 2), hBar = Child(h, 1);
        SendMessageA(h, WM_COMMAND, 0, 1);  // one row down
        if (scrolled) SendMessageA(h, WM_COMMAND, 1, 1);
        EXPECT_EQ(scrolled ? -64 : 16, Left(Child(h, 4))) << where;
        HWND middle = Child(h, 5);
        __int64 slot = kUntouched;
        EXPECT_EQ(0, list->RemoveCloumBitmapItem(9, &slot)) << where;
        EXPECT_EQ(kUntouched, slot) << where;
        EXPECT_EQ(1, list->RemoveCloumBitmapItem(1, &slot)) << where;
        EXPECT_FALSE(IsWindow(middle)) << where;
        EXPECT_EQ(5, ChildCount(h)) << where;
        EXPECT_EQ(16, Left(Child(h, 4))) << where;
        EXPECT_TRUE(Within(Child(h, 6)) == (RECT{96, 24, 176, 200})) << where << ": " << Str(Within(Child(h, 6)));
        EXPECT_EQ("title 0", TitleAt(header, 5)) << where;
        EXPECT_EQ("title 2", TitleAt(header, 85)) << where;
        EXPECT_EQ("none", TitleAt(header, 165)) << where;
        EXPECT_EQ("0 lines, off", BarState(hBar, true)) << "the titles fit again; " << where;
        EXPECT_EQ("row 1|row 1", Tops(h, {4, 6})) << where;

        // The list goes on working: rows, clicks and a new column after the gap.
        parent.Drain();
        parent.Clear();
        Click(Child(h, 6), 5, 5);
        parent.Drain();
        EXPECT_TRUE(SequenceMatch({Report(47, 101)}, parent.log())) << where;
        AddColumn(*list, 3, 120);
        HWND added = Child(h, 7);
        ASSERT_TRUE(added) << where;
        EXPECT_TRUE(Within(added) == (RECT{176, 24, 296, 200})) << where << ": " << Str(Within(added));
        EXPECT_TRUE(BarState(hBar, true).find(", on") != std::string::npos) << "overflowing again; " << where;
        EXPECT_EQ(1, list->RemoveCloumBitmapItem(0, nullptr)) << where;
        EXPECT_EQ(16, Left(Child(h, 6))) << where;
        EXPECT_EQ(96, Left(Child(h, 7))) << where;
        EXPECT_EQ(1, list->RemoveCloumBitmapItem(2, nullptr)) << where;
        EXPECT_EQ(1, list->RemoveCloumBitmapItem(3, nullptr)) << where;
        EXPECT_EQ(3, ChildCount(h)) << where;
        EXPECT_EQ(0, list->SetRowBitmapItem(100, 0, Row(0), (char*)"", 0, nullptr)) << where;
        EXPECT_EQ(1, list->SetID(100, nullptr)) << where;
    }
}

TEST_F(ListTest, KeysPostTabAndDriveTheScrollBars) {
    std::unique_ptr<CListeBitmap> list(New());
    Windows windows;
    ASSERT_EQ(1, Make(*list, 48));
    windows.Add(*list);
    Fill(*list, 6);
    HWND h = list->GetWindowHandle();
    EXPECT_EQ("2 lines, on", BarState(Child(h, 0), false));
    EXPECT_EQ("2 lines, on", BarState(Child(h, 1), true));
    parent.Drain();
    parent.Clear();
    struct {
        UINT vk;
        const char* tops;
        int left0;
    } keys[] = {
        {VK_PRIOR, "row 0|row 0|row 0", 16}, {VK_HOME, "row 0|row 0|row 0", 16},
        {VK_UP, "row 1|row 1|row 1", 16},    {VK_UP, "row 2|row 2|row 2", 16},
        {VK_DOWN, "row 1|row 1|row 1", 16},  {VK_RIGHT, "hidden|row 1|row 1", -64},
        {VK_RIGHT, "hidden|hidden|row 1", -184}, {VK_LEFT, "hidden|row 1|row 1", -64},
        {VK_TAB, "hidden|row 1|row 1", -64},  {VK_NEXT, "hidden|row 1|row 1", -64},
    };
    for (auto& k : keys) {
        KeyDown(h, k.vk);
        Settle(0);
        EXPECT_EQ(k.tops, Tops(h, {4, 5, 6})) << "key " << k.vk;
        EXPECT_EQ(k.left0, Left(Child(h, 4))) << "key " << k.vk;
    }
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({{WM_KEYDOWN, VK_TAB, KeyLParam(VK_TAB, false, false),
                                kExpectPosted | kCheckW | kCheckL}},
                              parent.log()));
    EXPECT_TRUE(parent.Only(WM_COMMAND).empty());
}

TEST_F(ListTest, AColumnArrayThatCannotGrowRefusesTheColumnAndFillsTheErrorSlot) {
    std::unique_ptr<CListeBitmap> list(New());
    for (int c = 0; c < 4; ++c) AddColumn(*list, c, 80, kTitle80 + (c % 2) * 2);
    __int64 slot = kUntouched;
    {
        NoLibraryMemory none;
        ASSERT_TRUE(none.ok());
        EXPECT_EQ(0, list->SetBitmapCloumBitmapItem(4, Title(kTitle80), (char*)"", 0, Column(kColumn80), &slot));
    }
    EXPECT_EQ(0x0009000400010004LL, slot);
    EXPECT_EQ(0, list->SetRowBitmapItem(100, 4, Row(0), (char*)"", 0, nullptr)) << "no column 4";
    Windows windows;
    ASSERT_EQ(1, Make(*list, 49));
    windows.Add(*list);
    HWND h = list->GetWindowHandle();
    EXPECT_EQ(7, ChildCount(h)) << "three parts and four columns";
    EXPECT_EQ(nullptr, Child(h, 8));
    AddColumn(*list, 5, 80);
    EXPECT_EQ(336, Left(Child(h, 8))) << "the fifth column follows the fourth";
}

TEST_F(ListTest, PartsThatCannotBeAllocatedFailCreateAndOperationsSkipThem) {
    std::unique_ptr<CListeBitmap> list;
    {
        NoLibraryMemory none;
        ASSERT_TRUE(none.ok());
        list.reset(New("Tessaro list without memory"));
    }
    __int64 slot = kUntouched;
    EXPECT_EQ(0, list->SetBitmapCloumBitmapItem(0, Title(kTitle80), (char*)"", 0, Column(kColumn80), &slot));
    EXPECT_EQ(0, Make(*list, 50));
    EXPECT_FALSE(list->GetWindowHandle() && IsWindow(list->GetWindowHandle()));
    EXPECT_EQ(0, ChildCount(parent.hwnd()));
    EXPECT_EQ(0, list->SetRowBitmapItem(100, 0, Row(0), (char*)"", 0, &slot));
    EXPECT_EQ(0, list->RemoveRowBitmapItem(100, 0, &slot));
    EXPECT_EQ(0, list->RemoveCloumBitmapItem(0, &slot));
    EXPECT_EQ(1, list->SetID(100, &slot));
    EXPECT_EQ(kUntouched, slot);
    CListeBitmap copy(*list);
    EXPECT_EQ(nullptr, copy.GetWindowHandle());
}

TEST_F(ListTest, CopiesOwnTheirHeaderBarsAndColumnsAndHaveNoWindows) {
    std::unique_ptr<CListeBitmap> original(New());
    Fill(*original, 2);
    std::unique_ptr<CListeBitmap> copy(new CListeBitmap(*original)), assigned(New());
    *assigned = *original;
    *assigned = *assigned;
    EXPECT_EQ(nullptr, copy->GetWindowHandle());
    original.reset();
    EXPECT_TRUE(AllHeapsValid());
    Windows windows;
    ASSERT_EQ(1, Make(*copy, 51));
    windows.Add(*copy);
    EXPECT_EQ(1, assigned->RemoveRowBitmapItem(100, 1, nullptr));
    ASSERT_EQ(1, Make(*assigned, 52, nullptr, nullptr, 330));
    windows.Add(*assigned);
    HWND c = copy->GetWindowHandle(), a = assigned->GetWindowHandle();
    EXPECT_EQ(6, ChildCount(c));
    EXPECT_EQ("row 0|row 0|row 0", Tops(c, {4, 5, 6}));
    EXPECT_EQ("row 0|row 1|row 0", Tops(a, {4, 5, 6}));
    EXPECT_EQ("title 1", TitleAt(Child(c, 2), 85));
    parent.Drain();
    parent.Clear();
    Click(Child(a, 5), 5, 5);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Report(52, 101)}, parent.log()));
    EXPECT_EQ("row 0|row 0|row 0", Tops(c, {4, 5, 6})) << "the copy's selection is its own";
}
