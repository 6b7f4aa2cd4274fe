// Push buttons, check/radio toggles and multi-bitmap windows and buttons, seen
// from outside: what the parent is posted, which frame is drawn, the outline,
// who holds the capture, error slots and item lists.
#include "Bench.h"
#include "Tessaro.h"
#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace {
const DWORD kKey = 0xFF00FF;
const DWORD kNormal = 0xC08040, kDisabled = 0x808080, kOver = 0x40C080, kPushed = 0x2040A0;
const DWORD kItemNormal = 0xE0E020, kItemDisabled = 0x602060;
const int kX = 30, kY = 22;  // a point inside every outline below
const __int64 kUntouched = 0x5A5A5A5A5A5A5A5ALL;

// Frames: 1 an ellipse outline, 2 normal, 3 disabled, 4 mouse-over (selected),
// 5 pushed, 6 an outline less a 10-pixel left band, 7 and 8 an item's normal
// and disabled frames.
struct Skin {
    Image ellipse{40, 30, kKey}, band{40, 30, 0x102030};
    std::string path;
    Skin() {
        ellipse.Ellipse(0x3060C0);
        band.Rect(0, 0, 10, 30, kKey);
        std::vector<std::string> images = {Bmp24(ellipse)};
        for (DWORD c : {kNormal, kDisabled, kOver, kPushed}) images.push_back(Bmp24(Image(40, 30, c)));
        images.push_back(Bmp24(band));
        for (DWORD c : {kItemNormal, kItemDisabled}) images.push_back(Bmp24(Image(40, 30, c)));
        path = WriteTempFile(SkinOf(images));
    }
    char* file() { return (char*)path.c_str(); }
};

HRGN OutlineOf(const Image& image) {
    Pixels p;
    p.width = image.width;
    p.height = image.height;
    p.rgb = image.rgb;
    return RegionOfPixelsNot(p, kKey);
}

::testing::AssertionResult HasOutline(HWND h, HRGN expected) {
    HRGN actual = WindowRegion(h);
    bool same = actual && EqualRgn(expected, actual);
    if (actual) DeleteObject(actual);
    DeleteObject(expected);
    return same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "outline differs or is missing";
}

bool CreateIn(CBitmapWindow& w, HWND parent, long id, int x = 10) {
    return w.Create("", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, x, 10, -1, -1, GetModuleHandleA(nullptr),
                    parent, id, RGB(255, 0, 255), nullptr, nullptr, nullptr, SW_SHOW) == 1;
}

// Sent straight to the control: what it posts stays queued until the
// recorder drains it, and is recorded as posted.
LRESULT Send(HWND h, UINT msg, WPARAM w, int x, int y) {
    return SendMessageA(h, msg, w, MAKELPARAM((WORD)(short)x, (WORD)(short)y));
}
LRESULT Key(HWND h, UINT msg, UINT vk, bool repeat = false) {
    return SendMessageA(h, msg, vk, KeyLParam(vk, msg == WM_KEYUP, repeat));
}
void Click(HWND h, int x = kX, int y = kY) {
    Send(h, WM_LBUTTONDOWN, MK_LBUTTON, kX, kY);
    Send(h, WM_LBUTTONUP, 0, x, y);
}
DWORD Face(HWND h) { return ReadWindowPixels(h).at(kX, kY); }
Expect Command(long id) { return {WM_COMMAND, (WPARAM)(UINT)id, 0, kExpectPosted | kCheckW | kCheckL}; }

// The list's capacity and count.
template <class Base>
struct Listed : Base {
    using Base::Base;
    DWORD capacity() const { return this->m_dwBitmapListSize; }
    DWORD count() const { return this->m_dwBitmapCount; }
};
typedef Listed<CMultiBitmapWindow> ListWindow;
typedef Listed<CMultiBitmapButton> ListButton;
int Activate(CMultiBitmapWindow& w, int id, __int64* e) { return w.SetActiveBitmapID(id, e); }
int Activate(CMultiBitmapButton& b, int id, __int64* e) { return b.SetActiveBitmapID(id, 0, e); }
// An item with the ID exists: activation returns 1 and writes no error.
template <class T>
bool Found(T& list, int id) {
    __int64 e = kUntouched;
    return Activate(list, id, &e) == 1 && e == kUntouched;
}
const BITMAPLISTID kFrames = {0, 2, 3, 4, 5};

void* __cdecl FailingMalloc(size_t) { return nullptr; }
void* __cdecl FailingCalloc(size_t, size_t) { return nullptr; }

class BitmapButtonTest : public TessaroTest {
protected:
    Skin skin;
    Recorder parent;
};
class MultiBitmapTest : public BitmapButtonTest {};
}  // namespace

TEST_F(BitmapButtonTest, AClickIsReportedOnceOnlyWhenReleasedInsideTheOutline) {
    struct {
        const char* name;
        int region;
        POINT out;  // outside the outline (a cut corner) or beyond the rectangle
        bool releaseInside;
    } cases[] = {{"outline, inside", 1, {1, 1}, true}, {"outline, cut corner", 1, {1, 1}, false},
                 {"rectangle, inside", -1, {60, 15}, true}, {"rectangle, beyond", -1, {60, 15}, false}};
    const long id = 0x12345;  // the whole id is reported
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBitmapButton b(skin.file(), c.region, 2, 3, 4, 5, TestFont(), (char*)"", 0, 0);
        ASSERT_TRUE(CreateIn(b, parent.hwnd(), id));
        HWND h = b.GetWindowHandle();
        // The real cursor sits on the button, so leave tracking keeps the mouse-over look.
        POINT p = {kX, kY};
        ClientToScreen(h, &p);
        SetCursorPos(p.x, p.y);
        Settle(20);
        parent.Clear();

        EXPECT_EQ(0, Send(h, WM_MOUSEMOVE, 0, kX, kY));
        EXPECT_EQ(kOver, Face(h));
        EXPECT_EQ(0, Send(h, WM_LBUTTONDOWN, MK_LBUTTON, kX, kY));
        EXPECT_EQ(h, GetCapture());
        EXPECT_EQ(kPushed, Face(h));
        Send(h, WM_MOUSEMOVE, MK_LBUTTON, c.out.x, c.out.y);
        EXPECT_EQ(kNormal, Face(h)) << "held and moved off";
        Send(h, WM_MOUSEMOVE, MK_LBUTTON, kX, kY);
        EXPECT_EQ(kPushed, Face(h)) << "held and moved back";
        if (!c.releaseInside) Send(h, WM_MOUSEMOVE, MK_LBUTTON, c.out.x, c.out.y);
        POINT up = c.releaseInside ? POINT{kX, kY} : c.out;
        EXPECT_EQ(0, Send(h, WM_LBUTTONUP, 0, up.x, up.y));
        EXPECT_EQ(c.releaseInside ? kOver : kNormal, Face(h));
        EXPECT_NE(h, GetCapture());
        parent.Drain();
        EXPECT_TRUE(SequenceMatch(c.releaseInside ? std::vector<Expect>{Command(id)} : std::vector<Expect>{},
                                  parent.log()));
        SendMessageA(h, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(kNormal, Face(h)) << "the mouse left";
        DestroyWindow(h);
    }
}

TEST_F(BitmapButtonTest, SpaceClicksOnEveryKeyDownTabGoesToTheParentAndNoParentGetsNothing) {
    CBitmapButton b(skin.file(), -1, 2, 3, 4, 5, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateIn(b, parent.hwnd(), 31));
    HWND h = b.GetWindowHandle();
    EXPECT_EQ(0, Key(h, WM_KEYDOWN, VK_SPACE));
    EXPECT_EQ(h, GetCapture());
    EXPECT_EQ(kPushed, Face(h));
    Key(h, WM_KEYDOWN, VK_SPACE, true);
    Key(h, WM_KEYDOWN, VK_SPACE, true);
    EXPECT_EQ(0, Key(h, WM_KEYUP, VK_SPACE));
    EXPECT_EQ(kNormal, Face(h));
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0, Key(h, WM_KEYDOWN, 'A'));
    EXPECT_EQ(0, Key(h, WM_KEYDOWN, VK_TAB));
    parent.Drain();
    Expect tab = {WM_KEYDOWN, VK_TAB, KeyLParam(VK_TAB, false, false), kExpectPosted | kCheckW | kCheckL};
    EXPECT_TRUE(SequenceMatch({Command(31), Command(31), Command(31), tab}, parent.log()));

    // Without a parent nothing is posted, not even as a thread message.
    CBitmapButton lone(skin.file(), -1, 2, 3, 4, 5, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateIn(lone, nullptr, 32, 300));
    HWND l = lone.GetWindowHandle();
    Click(l);
    Key(l, WM_KEYDOWN, VK_SPACE);
    Key(l, WM_KEYUP, VK_SPACE);
    Key(l, WM_KEYDOWN, VK_TAB);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, (HWND)-1, 0, 0, PM_REMOVE));
    DestroyWindow(l);
}

TEST_F(BitmapButtonTest, ADisabledButtonGivesBackTheCaptureAndNeverReports) {
    CBitmapButton b(skin.file(), 1, 2, 3, 4, 5, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateIn(b, parent.hwnd(), 41));
    HWND h = b.GetWindowHandle();
    Send(h, WM_LBUTTONDOWN, MK_LBUTTON, kX, kY);
    b.Enable(0);
    EXPECT_EQ(-1, Send(h, WM_LBUTTONUP, 0, kX, kY));
    EXPECT_NE(h, GetCapture()) << "mouse released on a button disabled while pressed";
    EXPECT_EQ(kDisabled, Face(h));
    b.Enable(1);
    Key(h, WM_KEYDOWN, VK_SPACE);  // one command
    b.Enable(0);
    Key(h, WM_KEYUP, VK_SPACE);
    EXPECT_NE(h, GetCapture()) << "space released on a button disabled while pressed";
    EXPECT_EQ(kDisabled, Face(h));
    Key(h, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(-1, Send(h, WM_LBUTTONDOWN, MK_LBUTTON, kX, kY));
    EXPECT_NE(h, GetCapture());
    b.Enable(1);
    Click(h);  // one command
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Command(41), Command(41)}, parent.log()));

    // Disabled frame = normal frame: disabled from the start.
    CBitmapButton same(skin.file(), -1, 2, 2, 4, 5, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateIn(same, parent.hwnd(), 42, 60));
    HWND s = same.GetWindowHandle();
    parent.Clear();
    EXPECT_EQ(-1, Send(s, WM_MOUSEMOVE, 0, 5, 5));
    EXPECT_EQ(-1, Send(s, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5));
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(-1, Send(s, WM_LBUTTONUP, 0, 5, 5));
    Key(s, WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(kNormal, Face(s));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({}, parent.log()));
}

TEST_F(BitmapButtonTest, ARadioGroupIsKeptByItsHost) {
    std::vector<std::unique_ptr<CChckRadBitmapButton>> group;
    for (int i = 0; i < 3; ++i) {
        group.emplace_back(new CChckRadBitmapButton(skin.file(), -1, 2, 3, 4, 5, TestFont(), (char*)"", 0, 0));
        ASSERT_TRUE(CreateIn(*group[i], parent.hwnd(), 201 + i, 10 + 50 * i));
    }
    auto h = [&](int i) { return group[i]->GetWindowHandle(); };
    std::vector<WPARAM> reported;
    auto click = [&](int i) {  // and the host: a member's command un-selects the others
        Click(h(i));
        parent.Clear();
        parent.Drain();
        for (const Record& r : parent.Only(WM_COMMAND)) {
            EXPECT_EQ(kPosted, r.how);
            reported.push_back(r.wParam);
            for (int other = 0; other < 3; ++other)
                if (201 + other != (int)r.wParam) group[other]->SetUnSelectButton();
        }
    };
    auto faces = [&]() { return std::vector<DWORD>{Face(h(0)), Face(h(1)), Face(h(2))}; };
    click(0);
    EXPECT_EQ((std::vector<DWORD>{kOver, kNormal, kNormal}), faces());
    EXPECT_EQ(0, Send(h(0), WM_MOUSEMOVE, 0, 5, 5));
    click(1);
    EXPECT_EQ((std::vector<DWORD>{kNormal, kOver, kNormal}), faces());
    click(1);
    EXPECT_EQ((std::vector<DWORD>{kNormal, kNormal, kNormal}), faces()) << "a second click un-selects";

    group[2]->Enable(0);
    EXPECT_EQ(0, group[2]->SetUnSelectButton());
    click(2);  // still reported: the host decides what a disabled member's release means
    EXPECT_EQ(kDisabled, Face(h(2)));
    EXPECT_EQ((std::vector<WPARAM>{201, 202, 202, 203}), reported);
}

TEST_F(BitmapButtonTest, CopiesOwnTheirBuffersAndEachClassHasItsTypeAndWindowClass) {
    LOGFONTA f = TestFont();
    BITMAPLISTID frames = {1, 2, 3, 4, 5};
    {
        CBitmapButton a(skin.file(), 1, 2, 3, 4, 5, f, (char*)"text", 0, 0), b(a);
        b = a;
        b = b;
        CChckRadBitmapButton c(skin.file(), 1, 2, 3, 4, 5, f, (char*)"text", 0, 0), d(c);
        d = c;
        d = d;
        Listed<CMultiBitmapWindow> w(skin.file(), -1, 2, 3, f);
        Listed<CMultiBitmapButton> x(skin.file(), frames, f);
        for (int i = 0; i < 9; ++i) w.SetBitmap(kFrames, (char*)"t", 0, i, nullptr), x.SetBitmap(kFrames, 0, 0, i, 0);
        Listed<CMultiBitmapWindow> w2(w);
        Listed<CMultiBitmapButton> x2(x);
        w2 = w;
        w2 = w2;
        x2 = x;
        EXPECT_EQ(1, w2.RemoveBitmap(0, nullptr));
        EXPECT_EQ(1, x2.RemoveBitmap(0, nullptr));
        EXPECT_TRUE(Found(w, 0) && Found(x, 0)) << "the originals keep their items";
        w2 = Listed<CMultiBitmapWindow>(skin.file(), -1, 2, 3, f);
        EXPECT_EQ(0u, w2.count());
    }
    EXPECT_TRUE(AllHeapsValid());

    std::pair<CBitmapWindow*, const char*> cases[] = {
        {new CBitmapButton(nullptr, skin.file(), 1, 2, 3, 4, 5, f, nullptr, 0, 0), "4 BITMAP BUTTON CLASS"},
        {new CBitmapButton((char*)"MINE", skin.file(), 1, 2, 3, 4, 5, f, nullptr, 0, 0), "4 MINE"},
        {new CChckRadBitmapButton(nullptr, skin.file(), 1, 2, 3, 4, 5, f, nullptr, 0, 0),
         "5 CHcRa BITMAP BUTTON CLASS"},
        {new CMultiBitmapWindow(nullptr, skin.file(), 1, 2, 3, f), "9 BITMAP WINDOW CLASS"},
        {new CMultiBitmapButton(nullptr, skin.file(), frames, f), "11 BITMAP BUTTON CLASS"}};
    for (auto& c : cases) {
        char name[64] = {};
        EXPECT_TRUE(CreateIn(*c.first, parent.hwnd(), 70));
        GetClassNameA(c.first->GetWindowHandle(), name, sizeof name);
        EXPECT_EQ(c.second, std::to_string(c.first->GetType()) + " " + name);
        DestroyWindow(c.first->GetWindowHandle());
        delete c.first;
    }
}

template <class T>
void GrowsReplacesAndRemoves(T& list) {
    for (int i = 0; i < 17; ++i) {
        ASSERT_EQ(1, list.SetBitmap(kFrames, (char*)"item", 0, 100 + i, nullptr));
        if (i == 7 || i == 8) EXPECT_EQ(i == 7 ? 8u : 16u, list.capacity()) << "the ninth item doubles the array";
    }
    EXPECT_EQ(32u, list.capacity()) << "the seventeenth item doubles it again";
    EXPECT_EQ(1, list.SetBitmap({0, 7, 8, 4, 5}, (char*)"again", 0, 104, nullptr));
    EXPECT_EQ(17u, list.count()) << "the same ID is replaced in place";
    EXPECT_EQ(1, list.RemoveBitmap(100, nullptr));
    EXPECT_EQ(16u, list.count());
    EXPECT_FALSE(Found(list, 100));
    for (int i = 1; i < 17; ++i) EXPECT_TRUE(Found(list, 100 + i)) << 100 + i;
    // Texts longer than an item's 19 bytes are cut, not spilled into the next item.
    std::string longText(64, 'x');
    EXPECT_EQ(1, list.SetBitmap(kFrames, (char*)longText.c_str(), 0, 1, nullptr));
    EXPECT_EQ(1, list.SetBitmap(kFrames, (char*)longText.c_str(), 0, 2, nullptr));
    EXPECT_TRUE(Found(list, 1) && Found(list, 2));
}

TEST_F(MultiBitmapTest, ListsGrowByDoublingReplaceByIdAndCloseGaps) {
    ListWindow w(skin.file(), -1, 2, 3, TestFont());
    GrowsReplacesAndRemoves(w);
    ListButton b(skin.file(), {-1, 2, 3, 4, 5}, TestFont());
    GrowsReplacesAndRemoves(b);
}

TEST_F(MultiBitmapTest, ActivatingShowsTheItemAndRecutsTheOutlineOnlyForANonZeroRegionFrame) {
    CMultiBitmapWindow w(skin.file(), -1, 2, 3, TestFont());  // rectangular, key colour given to Create
    ASSERT_TRUE(CreateIn(w, parent.hwnd(), 1));
    HWND h = w.GetWindowHandle();
    const COLORREF green = RGB(10, 240, 20);
    w.SetBitmap({0, 2, 3, -1, -1}, (char*)"", 0, 1, nullptr);
    w.SetBitmap({0, 7, 8, -1, -1}, (char*)"HH", green, 1, nullptr);  // replaces item 1
    w.SetBitmap({6, 2, 3, -1, -1}, (char*)"", 0, 2, nullptr);
    w.SetBitmap({1, 2, 3, -1, -1}, (char*)"", 0, 3, nullptr);
    EXPECT_EQ(kNormal, Face(h)) << "setting items repaints nothing";

    EXPECT_EQ(1, w.SetActiveBitmapID(1, nullptr));
    Pixels face = ReadWindowPixels(h);
    EXPECT_EQ(kItemNormal, face.at(kX, kY));
    EXPECT_GT(std::count(face.rgb.begin(), face.rgb.end(), Rgb(green)), 5) << "the item's text in its colour";
    EXPECT_EQ(nullptr, WindowRegion(h)) << "region frame 0 keeps the rectangle";
    w.SetActiveBitmapID(2, nullptr);
    EXPECT_TRUE(HasOutline(h, OutlineOf(skin.band))) << "exactly the key pixels are cut";
    w.SetActiveBitmapID(1, nullptr);
    EXPECT_TRUE(HasOutline(h, OutlineOf(skin.band))) << "region frame 0 keeps the outline";
    w.SetActiveBitmapID(3, nullptr);
    EXPECT_TRUE(HasOutline(h, OutlineOf(skin.ellipse)));

    w.SetActiveBitmapID(1, nullptr);
    w.Enable(0);
    EXPECT_EQ(kItemDisabled, Face(h));
    w.SetActiveBitmapID(2, nullptr);
    EXPECT_EQ(kDisabled, Face(h)) << "a disabled window shows the item's disabled frame";
    w.Enable(1);
    EXPECT_EQ(kNormal, Face(h));
}

TEST_F(MultiBitmapTest, AButtonItemGivesEveryFrameByStateAndClicksFollowItsOutline) {
    CMultiBitmapButton b(skin.file(), {-1, 2, 3, 4, 5}, TestFont());
    ASSERT_TRUE(CreateIn(b, parent.hwnd(), 77));
    HWND h = b.GetWindowHandle();
    b.SetBitmap({0, 7, 8, 2, 3}, (char*)"x", 0, 1, nullptr);
    b.SetBitmap({6, 2, 3, 4, 5}, (char*)"y", 0, 2, nullptr);
    std::pair<int, DWORD> states[] = {{1, kItemDisabled}, {2, kNormal}, {3, kDisabled}, {0, kItemNormal}, {7, kItemNormal}};
    for (auto s : states) {
        EXPECT_EQ(1, b.SetActiveBitmapID(1, s.first, nullptr));
        EXPECT_EQ(s.second, Face(h)) << "state " << s.first;
    }
    EXPECT_EQ(nullptr, WindowRegion(h));
    EXPECT_EQ(1, b.SetActiveBitmapID(2, 0, nullptr));
    EXPECT_TRUE(HasOutline(h, OutlineOf(skin.band)));
    Click(h, 5, kY);  // released on the cut band: no click
    Click(h);
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({Command(77)}, parent.log()));
}

TEST_F(MultiBitmapTest, MissesAndEmptyListsReportThroughTheErrorSlotOrNotAtAll) {
    ListWindow w(skin.file(), -1, 2, 3, TestFont());
    ListButton b(skin.file(), {-1, 2, 3, 4, 5}, TestFont());
    ASSERT_TRUE(CreateIn(w, parent.hwnd(), 1));
    struct Case {
        std::function<int(int, __int64*)> call;
        int missResult;
        __int64 missSlot;
    } cases[] = {
        {[&](int id, __int64* e) { return w.RemoveBitmap(id, e); }, 0, 0x0009000100020005LL},
        {[&](int id, __int64* e) { return w.SetActiveBitmapID(id, e); }, 1, 0x0009000100030005LL},
        {[&](int id, __int64* e) { return b.RemoveBitmap(id, e); }, 0, kUntouched},
        {[&](int id, __int64* e) { return b.SetActiveBitmapID(id, 2, e); }, 1, 0x0009000200020005LL},
    };
    for (int pass = 0; pass < 2; ++pass) {  // empty lists, then a miss on a list of one
        for (auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "pass " << pass << " case " << (&c - cases));
            __int64 slot = kUntouched;
            EXPECT_EQ(pass ? c.missResult : 0, c.call(9, &slot));
            EXPECT_EQ(pass ? c.missSlot : kUntouched, slot);
            EXPECT_EQ(pass ? c.missResult : 0, c.call(9, nullptr)) << "a null slot is never written";
        }
        w.SetBitmap({0, 7, 8, -1, -1}, (char*)"", 0, 1, nullptr);
        b.SetBitmap({0, 7, 8, 4, 5}, (char*)"", 0, 1, nullptr);
        w.SetActiveBitmapID(1, nullptr);
    }
    EXPECT_TRUE(w.count() == 1 && b.count() == 1);
    EXPECT_EQ(kItemNormal, Face(w.GetWindowHandle())) << "a miss changes nothing";
}

TEST_F(MultiBitmapTest, AnArrayThatCannotGrowLeavesTheListUnchanged) {
    ListWindow w(skin.file(), -1, 2, 3, TestFont());
    ListButton b(skin.file(), {-1, 2, 3, 4, 5}, TestFont());
    for (int i = 0; i < 8; ++i) w.SetBitmap(kFrames, (char*)"", 0, i, nullptr), b.SetBitmap(kFrames, 0, 0, i, 0);
    __int64 windowSlot = kUntouched, buttonSlot = kUntouched;
    {
        // The compiler may turn malloc and memset into calloc: refuse both.
        ImportPatch noMalloc("Tessaro.dll", "msvcrt.dll", "malloc", (void*)FailingMalloc);
        ImportPatch noCalloc("Tessaro.dll", "msvcrt.dll", "calloc", (void*)FailingCalloc);
        ASSERT_TRUE(noMalloc.ok() || noCalloc.ok());
        EXPECT_EQ(0, w.SetBitmap(kFrames, (char*)"", 0, 8, &windowSlot));
        EXPECT_EQ(0, b.SetBitmap(kFrames, (char*)"", 0, 8, &buttonSlot));
        EXPECT_EQ(1, w.SetBitmap({0, 7, 8, 4, 5}, (char*)"", 0, 3, nullptr)) << "replacing needs no memory";
    }
    EXPECT_EQ(0x0009000100010004LL, windowSlot);
    EXPECT_EQ(0x0009000200010004LL, buttonSlot);
    EXPECT_TRUE(w.count() == 8 && w.capacity() == 8 && b.count() == 8 && b.capacity() == 8);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(Found(w, i) && Found(b, i)) << i;
    EXPECT_FALSE(Found(w, 8) || Found(b, 8));
}
