// The bitmap window: measuring, outline, painting, text, enabling, dragging
// and copying, seen from outside.
#include "Bench.h"
#include "Tessaro.h"
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const DWORD kKey = 0xFF00FF;      // transparent colour, 0x00RRGGBB
const COLORREF kKeyRef = RGB(255, 0, 255);

// Opens the protected operations and fields for the checks below.
class Exposed : public CBitmapWindow {
public:
    using CBitmapWindow::CBitmapWindow;
    using CBitmapWindow::SetWindowRgn;
    int paints = 0;
    int OnPaint() override { ++paints; return CBitmapWindow::OnPaint(); }
    int regionId() const { return m_nRegionID; }
    int normalId() const { return m_nNormalID; }
    int disableId() const { return m_nDisableID; }
    int currentId() const { return m_nCurrentID; }
    DWORD textSize() const { return m_nTextSize; }
    void setRegionId(int id) { m_nRegionID = id; }
    COLORREF transparent() const { return m_crTransparent; }
    const char* path() const { return m_szBitmapFile; }
};

// A 40x30 face with an irregular outline: an ellipse with a notch and a hole,
// the rest of the key colour.
Image ShapedFace() {
    Image face(40, 30, kKey);
    face.Ellipse(0x3060C0);
    face.Rect(18, 0, 22, 8, kKey);   // notch from the top edge
    face.Rect(8, 12, 12, 16, kKey);  // hole inside
    face.Rect(25, 10, 33, 20, 0x20A040);
    return face;
}

struct Skin {
    Image shaped = ShapedFace();
    std::string path;
    // 1: shaped face, 2: normal (solid), 3: disabled (solid), 4: a second shape
    Skin() {
        Image second(40, 30, 0x102030);
        second.Rect(0, 0, 10, 30, kKey);
        path = WriteTempFile(SkinOf({Bmp24(shaped), Bmp24(Image(40, 30, 0xC08040)), Bmp24(Image(40, 30, 0x808080)),
                                     Bmp24(second)}));
    }
};

bool CreateChild(CBitmapWindow& w, HWND parent, int x = 10, int y = 10, int width = -1, int height = -1,
                 DWORD key = kKeyRef) {
    return w.Create("", WS_CHILD | WS_VISIBLE, x, y, width, height, Instance(), parent, 77, key, nullptr, nullptr,
                    nullptr, SW_SHOW) == 1;
}

::testing::AssertionResult RegionsEqual(HRGN expected, HRGN actual) {
    if (!actual) return ::testing::AssertionFailure() << "the window has no region";
    bool same = EqualRgn(expected, actual);
    RECT a, b;
    GetRgnBox(expected, &a);
    GetRgnBox(actual, &b);
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "regions differ: expected box (" << a.left << "," << a.top << ")-(" << a.right
                                         << "," << a.bottom << "), actual (" << b.left << "," << b.top << ")-("
                                         << b.right << "," << b.bottom << ")";
}

Pixels AsPixels(const Image& image) {
    Pixels p;
    p.width = image.width;
    p.height = image.height;
    p.rgb = image.rgb;
    return p;
}

class BitmapWindowTest : public TessaroTest {};
}  // namespace

TEST_F(BitmapWindowTest, MeasuresItselfAndCutsExactlyTheTransparentPixels) {
    Skin skin;
    Recorder parent;
    CBitmapWindow w((char*)skin.path.c_str(), 1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(w, parent.hwnd(), 10, 10, -1, 25)) << "width -1 takes both sides from the image";
    RECT rc;
    GetWindowRect(w.GetWindowHandle(), &rc);
    EXPECT_EQ(40, rc.right - rc.left);
    EXPECT_EQ(30, rc.bottom - rc.top);
    HRGN expected = RegionOfPixelsNot(AsPixels(skin.shaped), kKey);
    HRGN actual = WindowRegion(w.GetWindowHandle());
    EXPECT_TRUE(RegionsEqual(expected, actual));
    DeleteObject(expected);
    if (actual) DeleteObject(actual);
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(BitmapWindowTest, PixelsBeyondTheImageAreKeptAndNoRegionFrameMeansRectangular) {
    Skin skin;
    Recorder parent;
    CBitmapWindow larger((char*)skin.path.c_str(), 1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(larger, parent.hwnd(), 0, 0, 50, 35));
    Pixels extended;
    extended.width = 50;
    extended.height = 35;
    extended.rgb.assign(50 * 35, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) extended.rgb[y * 50 + x] = skin.shaped.at(x, y);
    HRGN expected = RegionOfPixelsNot(extended, kKey);
    HRGN actual = WindowRegion(larger.GetWindowHandle());
    EXPECT_TRUE(RegionsEqual(expected, actual));
    DeleteObject(expected);
    if (actual) DeleteObject(actual);

    CBitmapWindow plain((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(plain, parent.hwnd(), 60, 0));
    EXPECT_EQ(nullptr, WindowRegion(plain.GetWindowHandle()));
    DestroyWindow(larger.GetWindowHandle());
    DestroyWindow(plain.GetWindowHandle());
}

TEST_F(BitmapWindowTest, PaintsTheCurrentFrameAndTheDisabledFrameWhenDisabled) {
    Skin skin;
    Recorder parent;
    Exposed w((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(w, parent.hwnd()));
    Pixels normal = ReadWindowPixels(w.GetWindowHandle());
    EXPECT_EQ(0xC08040u, normal.at(0, 0));
    EXPECT_EQ(0xC08040u, normal.at(39, 29));

    Settle(20);
    int before = w.paints;
    w.Enable(0);
    w.Enable(0);
    Settle(20);
    EXPECT_EQ(before + 1, w.paints) << "a second Enable(0) repaints nothing";
    EXPECT_EQ(0x808080u, ReadWindowPixels(w.GetWindowHandle()).at(20, 15));
    w.Enable(1);
    EXPECT_EQ(0xC08040u, ReadWindowPixels(w.GetWindowHandle()).at(20, 15));
    before = w.paints;
    w.Enable(1);
    Settle(20);
    EXPECT_EQ(before, w.paints) << "Enable(1) on an enabled window does nothing";
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(BitmapWindowTest, DrawsItsTextWithTheGivenFontColourAndFormat) {
    Skin skin;
    Recorder parent;
    LOGFONTA font = TestFont(-16);
    font.lfWeight = FW_BOLD;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    CBitmapWindow w((char*)skin.path.c_str(), -1, 2, 3, font, (char*)"Hi", RGB(10, 240, 20), format);
    ASSERT_TRUE(CreateChild(w, parent.hwnd(), 10, 10, 60, 30));
    Pixels drawn = ReadWindowPixels(w.GetWindowHandle());

    // The same text drawn by the test onto the same face.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 60, 30);
    HGDIOBJ oldBmp = SelectObject(mem, bmp);
    RECT all = {0, 0, 60, 30};
    HBRUSH face = CreateSolidBrush(RGB(0xC0, 0x80, 0x40));
    FillRect(mem, &all, face);
    DeleteObject(face);
    HFONT f = CreateFontIndirectA(&font);
    HGDIOBJ oldFont = SelectObject(mem, f);
    SetBkMode(mem, TRANSPARENT);
    SetTextColor(mem, RGB(10, 240, 20));
    RECT text = {0, 0, 60, 30};
    DrawTextA(mem, "Hi", 2, &text, format);
    int differing = 0, textPixels = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            DWORD want = x < 40 ? Rgb(GetPixel(mem, x, y)) : drawn.at(x, y);
            if (x < 40 && drawn.at(x, y) != want) ++differing;
            if (drawn.at(x, y) == 0x0AF014) ++textPixels;
        }
    SelectObject(mem, oldFont);
    DeleteObject(f);
    SelectObject(mem, oldBmp);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(0, differing);
    EXPECT_GT(textPixels, 10) << "the text is drawn in its colour";
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(BitmapWindowTest, DraggingAChildMovesTheTopWindowThroughEveryParent) {
    Skin skin;
    Recorder top(nullptr, 200, 150, 300, 200);
    top.moveOnMoving = true;
    // The middle window records the request that reaches it on the way up.
    struct Middle : CBitmapWindow {
        using CBitmapWindow::CBitmapWindow;
        std::vector<RECT> requests;
        int OnMoving(UINT w, LPARAM l) override {
            requests.push_back(*(RECT*)l);
            return CBitmapWindow::OnMoving(w, l);
        }
    } middle((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(middle, top.hwnd(), 20, 20, 200, 150));
    RECT middleBefore;
    GetWindowRect(middle.GetWindowHandle(), &middleBefore);
    CBitmapWindow inner((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(inner, middle.GetWindowHandle(), 30, 30));
    HWND h = inner.GetWindowHandle();

    RECT before;
    GetWindowRect(top.hwnd(), &before);
    MouseDown(h, 10, 10);
    EXPECT_EQ(h, GetCapture());
    MouseMove(h, 15, 7, MK_LBUTTON);
    ASSERT_EQ(1u, middle.requests.size()) << "the request passes through the middle window";
    EXPECT_EQ(middleBefore.left + 5, middle.requests[0].left);
    EXPECT_EQ(middleBefore.top - 3, middle.requests[0].top);
    ASSERT_EQ(1u, top.movingRects.size());
    RECT r = top.movingRects[0];
    EXPECT_EQ(before.left + 5, r.left);
    EXPECT_EQ(before.top - 3, r.top);
    EXPECT_EQ(before.right + 5, r.right);
    EXPECT_EQ(before.bottom - 3, r.bottom);
    RECT after;
    GetWindowRect(top.hwnd(), &after);
    EXPECT_EQ(before.left + 5, after.left);
    MouseUp(h, 15, 7);
    EXPECT_EQ(nullptr, GetCapture());
    top.Drain();
    EXPECT_TRUE(SequenceMatch({{WM_MOVING, 0, 0, kExpectSent | kCheckW}}, top.log()));
    DestroyWindow(middle.GetWindowHandle());
}

TEST_F(BitmapWindowTest, AWindowWithoutParentMovesItselfAndALostReleaseEndsTheDrag) {
    Skin skin;
    CBitmapWindow w((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_EQ(1, w.Create("", WS_POPUP | WS_VISIBLE, 300, 300, -1, -1, Instance(), nullptr, 1, kKeyRef, nullptr,
                          nullptr, nullptr, SW_SHOW));
    HWND h = w.GetWindowHandle();
    MouseDown(h, 5, 5);
    MouseMove(h, 9, 12, MK_LBUTTON);
    RECT rc;
    GetWindowRect(h, &rc);
    EXPECT_EQ(304, rc.left);
    EXPECT_EQ(307, rc.top);
    // The release happened elsewhere: a move without the button ends the drag.
    MouseMove(h, 30, 30, 0);
    EXPECT_EQ(nullptr, GetCapture());
    MouseMove(h, 20, 20, MK_LBUTTON);
    GetWindowRect(h, &rc);
    EXPECT_EQ(304, rc.left) << "no drag after it ended";
    DestroyWindow(h);
}

TEST_F(BitmapWindowTest, CreateFailsCleanlyOnBadFilesSizesAndParents) {
    Skin skin;
    Recorder parent;
    CBitmapWindow missing((char*)"Z:\\no\\such\\skin.tsk", -1, 1, 2, TestFont(), (char*)"", 0, 0);
    EXPECT_FALSE(CreateChild(missing, parent.hwnd()));
    CBitmapWindow unmeasurable((char*)skin.path.c_str(), -1, 9, 10, TestFont(), (char*)"", 0, 0);
    EXPECT_FALSE(CreateChild(unmeasurable, parent.hwnd())) << "no frame gives a size";
    CBitmapWindow orphan((char*)skin.path.c_str(), 1, 2, 3, TestFont(), (char*)"", 0, 0);
    EXPECT_FALSE(CreateChild(orphan, (HWND)(ULONG_PTR)0x7777)) << "invalid parent";
    EXPECT_EQ(nullptr, orphan.GetWindowHandle());
    EXPECT_EQ(0, OpenReaders());
    EXPECT_EQ(0, OpenBitmaps());
}

// Each way of building a window with no usable path stores the empty path:
// nothing written past the path field (the object sits between guard bytes,
// so a copy running past the field runs past the object) and nothing left of
// the storage's old bytes. Create then fails as for a missing file.
TEST_F(BitmapWindowTest, AMissingOrOverlongPathIsStoredEmptyWithoutWritingPastIt) {
    Recorder parent;
    std::string path(400, 'p');
    struct Guarded {
        char before[64];
        alignas(Exposed) unsigned char object[sizeof(Exposed)];
        char after[256];
    } g;
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how == 0 ? "default" : how == 1 ? "over-long path" : "over-long path and class name");
        std::memset(&g, 0xCC, sizeof g);
        std::memset(g.before, 0xA5, sizeof g.before);
        std::memset(g.after, 0x5A, sizeof g.after);
        // No parentheses for the default one: Exposed() would zero the storage first.
        Exposed* w = how == 0 ? new (g.object) Exposed
                   : how == 1 ? new (g.object) Exposed((char*)path.c_str(), 4, 5, 6, TestFont(), (char*)"t", 0, 0)
                              : new (g.object) Exposed((char*)"TEST LONG PATH CLASS", (char*)path.c_str(), 4, 5, 6,
                                                       TestFont(), (char*)"t", 0, 0);
        EXPECT_STREQ("", w->path());
        EXPECT_EQ(3, w->GetType());
        if (how) {
            EXPECT_EQ(4, w->regionId());
            EXPECT_EQ(5, w->normalId());
            EXPECT_EQ(6, w->disableId());
            EXPECT_EQ(5, w->currentId());
        }
        EXPECT_FALSE(CreateChild(*w, parent.hwnd()));
        w->~Exposed();
        for (char c : g.before) ASSERT_EQ((char)0xA5, c);
        for (char c : g.after) ASSERT_EQ((char)0x5A, c);
    }
}

TEST_F(BitmapWindowTest, StateChangesWithoutAWindowRepaintNothingElse) {
    Skin skin;
    Recorder bystander;
    Settle(50);
    int paints = 0;
    // Count the bystander's paints through its update region instead of a hook.
    Exposed w((char*)skin.path.c_str(), 1, 2, 3, TestFont(), (char*)"", 0, 0);
    w.Enable(0);
    w.Enable(1);
    w.SetBitmapName((char*)"changed");
    RECT update;
    if (GetUpdateRect(bystander.hwnd(), &update, FALSE)) ++paints;
    EXPECT_EQ(0, paints) << "a windowless control invalidated other windows";
}

TEST_F(BitmapWindowTest, ATextBufferGrowsForLongerTextsAndIsKeptForShorterOnes) {
    Skin skin;
    Exposed w((char*)skin.path.c_str(), 1, 2, 3, TestFont(), (char*)"abc", 0, 0);
    EXPECT_EQ(4u, w.textSize());
    EXPECT_EQ(1, w.SetBitmapName((char*)"a much longer text"));
    EXPECT_EQ(19u, w.textSize());
    EXPECT_EQ(1, w.SetBitmapName((char*)"x"));
    EXPECT_EQ(19u, w.textSize());
}

namespace {
void* __cdecl FailingMalloc(size_t) { return nullptr; }
void* __cdecl FailingCalloc(size_t, size_t) { return nullptr; }
BOOL WINAPI FailingSetWindowRgn(HWND, HRGN, BOOL) { return FALSE; }
int WINAPI FailingCombineRgn(HRGN, HRGN, HRGN, int) { return ERROR; }
}  // namespace

TEST_F(BitmapWindowTest, OutOfMemoryKeepsTheOldText) {
    Skin skin;
    Recorder parent;
    CBitmapWindow w((char*)skin.path.c_str(), -1, 2, 3, TestFont(-14), (char*)"ab", RGB(0, 0, 0),
                    DT_LEFT | DT_TOP | DT_SINGLELINE);
    ASSERT_TRUE(CreateChild(w, parent.hwnd()));
    Pixels before = ReadWindowPixels(w.GetWindowHandle());
    {
        // The compiler may turn malloc and memset into calloc: refuse both.
        ImportPatch noMalloc("Tessaro.dll", "msvcrt.dll", "malloc", (void*)FailingMalloc);
        ImportPatch noCalloc("Tessaro.dll", "msvcrt.dll", "calloc", (void*)FailingCalloc);
        ASSERT_TRUE(noMalloc.ok() || noCalloc.ok());
        EXPECT_EQ(0, w.SetBitmapName((char*)"a text longer than the buffer"));
    }
    InvalidateRect(w.GetWindowHandle(), nullptr, TRUE);
    Pixels after = ReadWindowPixels(w.GetWindowHandle());
    EXPECT_EQ(before.rgb, after.rgb) << "the old text is still drawn";
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(BitmapWindowTest, AFailedRegionChangeReportsFailureAndKeepsTheColour) {
    Skin skin;
    Recorder parent;
    Exposed w((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(w, parent.hwnd(), 10, 10, -1, -1, kKeyRef));
    w.setRegionId(1);
    {
        ImportPatch patch("Tessaro.dll", "user32.dll", "SetWindowRgn", (void*)FailingSetWindowRgn);
        ASSERT_TRUE(patch.ok());
        EXPECT_EQ(0, w.SetWindowRgn(RGB(0x30, 0x60, 0xC0)));
    }
    EXPECT_EQ(nullptr, WindowRegion(w.GetWindowHandle()));
    // Created with region -1: the colour given to Create is the one kept.
    w.setRegionId(4);
    HWND h = w.GetWindowHandle();
    // A re-cut with the remembered colour: the left band of the second shape is cut.
    EXPECT_EQ(kKeyRef, w.transparent());
    EXPECT_EQ(1, w.SetWindowRgn(w.transparent()));
    HRGN rgn = WindowRegion(h);
    ASSERT_NE(nullptr, rgn);
    HRGN expected = CreateRectRgn(10, 0, 40, 30);
    EXPECT_TRUE(RegionsEqual(expected, rgn));
    DeleteObject(expected);
    DeleteObject(rgn);
    DestroyWindow(h);
}

// A checkerboard outline is 600 one-pixel rectangles, cut in batches that are
// then joined: a failed join fails the whole cut instead of leaving part of it.
TEST_F(BitmapWindowTest, AFailedJoinOfOutlinePartsLeavesNoPartialOutline) {
    Image checker(40, 30, kKey);
    for (int y = 0; y < 30; ++y)
        for (int x = (y + 1) % 2; x < 40; x += 2) checker.at(x, y) = 0x3060C0;
    std::string path = WriteTempFile(SkinOf({Bmp24(checker)}));
    Recorder parent;
    Exposed w((char*)path.c_str(), -1, 1, 1, TestFont(), (char*)"", 0, 0);
    ASSERT_TRUE(CreateChild(w, parent.hwnd()));
    w.setRegionId(1);
    {
        ImportPatch patch("Tessaro.dll", "gdi32.dll", "CombineRgn", (void*)FailingCombineRgn);
        ASSERT_TRUE(patch.ok());
        EXPECT_EQ(0, w.SetWindowRgn(kKeyRef));
    }
    EXPECT_EQ(nullptr, WindowRegion(w.GetWindowHandle()));
    EXPECT_EQ(1, w.SetWindowRgn(kKeyRef)) << "the same cut succeeds when the join does";
    HRGN expected = RegionOfPixelsNot(AsPixels(checker), kKey);
    HRGN actual = WindowRegion(w.GetWindowHandle());
    EXPECT_TRUE(RegionsEqual(expected, actual));
    DeleteObject(expected);
    if (actual) DeleteObject(actual);
    DestroyWindow(w.GetWindowHandle());
}

TEST_F(BitmapWindowTest, CopiesOwnTheirTextAndOutliveTheOriginal) {
    Skin skin;
    Recorder parent;
    std::unique_ptr<CBitmapWindow> original(
        new CBitmapWindow((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"text", 0, 0));
    CBitmapWindow copy(*original);
    CBitmapWindow assigned((char*)skin.path.c_str(), -1, 2, 3, TestFont(), (char*)"old", 0, 0);
    assigned = *original;
    assigned = assigned;
    original.reset();
    EXPECT_EQ(nullptr, copy.GetWindowHandle());
    ASSERT_TRUE(CreateChild(copy, parent.hwnd()));
    EXPECT_EQ(1, copy.SetBitmapName((char*)"still mine"));
    DestroyWindow(copy.GetWindowHandle());
    EXPECT_TRUE(AllHeapsValid());
}
