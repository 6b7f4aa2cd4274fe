// The window core: class registration, binding, dispatch to the handler slots
// and the results the window procedure gives back.
#include "Bench.h"
#include "Tessaro.h"
#include "TessaroVersion.h"
#include <cstring>
#include <memory>
#include <string>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// A host subclass that records which handler each message reached.
class Probe : public CUIWindow {
public:
    explicit Probe(const char* className = "TEST PROBE CLASS") : CUIWindow((char*)className) {}
    std::string last;
    int answer = 1;  // what the boolean handlers return
#define PROBE(name) \
    int name(UINT, LPARAM) override { last = #name; return answer; }
    PROBE(OnLButtonDown) PROBE(OnMouseMove) PROBE(OnLButtonUp) PROBE(OnMouseLeave) PROBE(OnChar) PROBE(OnKeyDown)
    PROBE(OnKeyUp) PROBE(OnCommand)
#undef PROBE
    // The focus handlers get the other window's handle whole.
    int OnSetFocus(TESSARO_HANDLE_WPARAM other, LPARAM) override { last = "OnSetFocus"; focusOther = other; return answer; }
    int OnKillFocus(TESSARO_HANDLE_WPARAM other, LPARAM) override { last = "OnKillFocus"; focusOther = other; return answer; }
    WPARAM focusOther = 0;
#define PROBE_VALUE(name) \
    LRESULT name(UINT, LPARAM) override { last = #name; return 77; }
    PROBE_VALUE(OnNcHitTest) PROBE_VALUE(OnStartComposition) PROBE_VALUE(OnEndComposition)
    PROBE_VALUE(OnComposition) PROBE_VALUE(OnInPutLangchange) PROBE_VALUE(OnSetContext)
#undef PROBE_VALUE
    int OnMoving(UINT, LPARAM) override { last = "OnMoving"; return 77; }
    LRESULT OnIMENotify(UINT msg, UINT, LPARAM) override { last = "OnIMENotify"; imeMsg = msg; return 77; }
    int OnPaint() override { last = "OnPaint"; CUIWindow::OnPaint(); return answer; }
    int OnDestroy() override { last = "OnDestroy"; return CUIWindow::OnDestroy(); }
    UINT imeMsg = 0;

    bool CreateChild(HWND parent, int id = 5) {
        return Create("probe", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, Instance(), parent, id, 0, nullptr, nullptr,
                      nullptr, SW_SHOW) == 1;
    }
};

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

bool ClassExists(const char* name) {
    WNDCLASSEXA wc = {sizeof wc};
    return GetClassInfoExA(Instance(), name, &wc) != 0;
}

class CoreTest : public TessaroTest {};

struct DispatchCase {
    UINT msg;
    const char* handler;
    bool valueRule;
};
const DispatchCase kDispatch[] = {
    {WM_SETFOCUS, "OnSetFocus", false},        {WM_KILLFOCUS, "OnKillFocus", false},
    {WM_INPUTLANGCHANGE, "OnInPutLangchange", true}, {WM_NCHITTEST, "OnNcHitTest", true},
    {WM_KEYDOWN, "OnKeyDown", false},          {WM_KEYUP, "OnKeyUp", false},
    {WM_CHAR, "OnChar", false},                {WM_IME_STARTCOMPOSITION, "OnStartComposition", true},
    {WM_IME_ENDCOMPOSITION, "OnEndComposition", true}, {WM_IME_COMPOSITION, "OnComposition", true},
    {WM_COMMAND, "OnCommand", false},          {WM_MOUSEMOVE, "OnMouseMove", false},
    {WM_LBUTTONDOWN, "OnLButtonDown", false},  {WM_LBUTTONUP, "OnLButtonUp", false},
    {WM_MOVING, "OnMoving", true},             {WM_IME_SETCONTEXT, "OnSetContext", true},
    {WM_IME_NOTIFY, "OnIMENotify", true},      {WM_MOUSELEAVE, "OnMouseLeave", false},
};
}  // namespace

TEST_F(CoreTest, EveryMessageReachesItsHandlerAndTheResultFollowsItsRule) {
    Recorder parent;
    Probe probe;
    ASSERT_TRUE(probe.CreateChild(parent.hwnd()));
    HWND hwnd = probe.GetWindowHandle();
    RECT r = {0, 0, 1, 1};
    for (const DispatchCase& c : kDispatch) {
        for (int answer : {1, 0}) {
            probe.answer = answer;
            probe.last.clear();
            LPARAM l = c.msg == WM_MOVING ? (LPARAM)&r : 0;
            LRESULT result = SendMessageA(hwnd, c.msg, 0, l);
            EXPECT_EQ(c.handler, probe.last) << "message 0x" << std::hex << c.msg;
            LRESULT expected = c.valueRule ? 77 : (answer ? 0 : -1);
            EXPECT_EQ(expected, result) << c.handler << " answering " << answer;
        }
    }
    EXPECT_EQ((UINT)WM_IME_NOTIFY, probe.imeMsg);
    // The focus handlers' wParam is a window handle: it arrives whole, also
    // where WPARAM is 64 bits.
    const WPARAM wide = sizeof(WPARAM) == 8 ? (WPARAM)0x0000123456789ABCull : (WPARAM)0x89ABCDEFu;
    for (UINT msg : {WM_SETFOCUS, WM_KILLFOCUS}) {
        probe.focusOther = 0;
        SendMessageA(hwnd, msg, wide, 0);
        EXPECT_EQ(wide, probe.focusOther) << "message 0x" << std::hex << msg;
    }
    probe.answer = 0;
    InvalidateRect(hwnd, nullptr, FALSE);
    probe.last.clear();
    UpdateWindow(hwnd);
    EXPECT_EQ("OnPaint", probe.last);
    DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, probe.GetWindowHandle()) << "OnDestroy clears the handle";
}

TEST_F(CoreTest, CreateBindsTheObjectAndReportsItsIdentity) {
    Recorder parent;
    Probe probe;
    EXPECT_EQ(0, probe.GetType());
    ASSERT_TRUE(probe.CreateChild(parent.hwnd(), 1234));
    HWND hwnd = probe.GetWindowHandle();
    EXPECT_EQ(&probe, CUIWindow::GetThis(hwnd));
    EXPECT_EQ(1234, probe.GetIDWindow());
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

TEST_F(CoreTest, CloseIsPassedToTheParentAndTheControlStays) {
    Recorder parent;
    Probe probe;
    ASSERT_TRUE(probe.CreateChild(parent.hwnd()));
    HWND hwnd = probe.GetWindowHandle();
    EXPECT_EQ(0, SendMessageA(hwnd, WM_CLOSE, 3, 4));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({{WM_CLOSE, 3, 4, kExpectPosted | kCheckW | kCheckL}}, parent.log()));
    EXPECT_TRUE(IsWindow(hwnd));
    DestroyWindow(hwnd);
}

TEST_F(CoreTest, DefaultCommandHandlerPassesCommandsUpToTheParent) {
    Recorder parent;
    CUIWindow plain((char*)"TEST PLAIN CLASS");
    ASSERT_EQ(1, plain.Create("", WS_CHILD, 0, 0, 10, 10, Instance(), parent.hwnd(), 9, 0, nullptr, nullptr,
                              nullptr, SW_SHOW));
    EXPECT_EQ(0, SendMessageA(plain.GetWindowHandle(), WM_COMMAND, 0x10007, 0x55));
    parent.Drain();
    EXPECT_TRUE(SequenceMatch({{WM_COMMAND, 0x10007, 0x55, kExpectPosted | kCheckW | kCheckL}}, parent.log()));
    DestroyWindow(plain.GetWindowHandle());
}

TEST_F(CoreTest, ClassIsRegisteredOnceAndUnregisteredWithTheLastObject) {
    Recorder parent;
    const char* name = "TEST SHARED CLASS";
    std::unique_ptr<Probe> first(new Probe(name)), second(new Probe(name));
    ASSERT_TRUE(first->CreateChild(parent.hwnd()));
    ASSERT_TRUE(second->CreateChild(parent.hwnd()));
    EXPECT_TRUE(ClassExists(name));
    DestroyWindow(first->GetWindowHandle());
    first.reset();
    EXPECT_TRUE(ClassExists(name)) << "another window of the class still lives";
    DestroyWindow(second->GetWindowHandle());
    second.reset();
    EXPECT_FALSE(ClassExists(name));
}

TEST_F(CoreTest, OverlongClassNameIsCutAndCreateFailsCleanly) {
    struct Guarded {
        char before[64];
        alignas(CUIWindow) unsigned char object[sizeof(CUIWindow)];
        char after[64];
    } g;
    std::memset(g.before, 0xA5, sizeof g.before);
    std::memset(g.after, 0x5A, sizeof g.after);
    std::string name(400, 'N');
    CUIWindow* w = new (g.object) CUIWindow((char*)name.c_str());
    EXPECT_EQ(0, w->GetIDWindow());
    EXPECT_EQ(nullptr, w->GetWindowHandle());
    EXPECT_EQ(0, w->Create("", WS_POPUP, 0, 0, 10, 10, Instance(), nullptr, 3, 0, nullptr, nullptr, nullptr, SW_HIDE));
    w->~CUIWindow();
    for (char c : g.before) ASSERT_EQ((char)0xA5, c);
    for (char c : g.after) ASSERT_EQ((char)0x5A, c);
}

TEST_F(CoreTest, GetThisAnswersOnlyForWindowsOfTheLibrary) {
    // A dialog keeps its message result at extra offset 0.
    struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
    } tpl = {};
    tpl.t.style = WS_POPUP;
    tpl.t.cx = 50;
    tpl.t.cy = 20;
    HWND dlg = CreateDialogIndirectParamA(Instance(), &tpl.t, nullptr, QuietDialog, 0);
    ASSERT_NE(nullptr, dlg);
    SetWindowLongPtrA(dlg, DWLP_MSGRESULT, 0x1234);
    EXPECT_EQ(nullptr, CUIWindow::GetThis(dlg));
    Recorder other;
    SetWindowLongPtrA(other.hwnd(), 0, 0x1234);
    EXPECT_EQ(nullptr, CUIWindow::GetThis(other.hwnd()));
    EXPECT_EQ(nullptr, CUIWindow::GetThis(nullptr));
    DestroyWindow(dlg);
}

TEST_F(CoreTest, DeletingTheObjectFirstLeavesTheWindowHarmless) {
    Recorder parent;
    Probe* probe = new Probe;
    ASSERT_TRUE(probe->CreateChild(parent.hwnd()));
    HWND hwnd = probe->GetWindowHandle();
    delete probe;
    EXPECT_EQ(nullptr, CUIWindow::GetThis(hwnd));
    SendMessageA(hwnd, WM_LBUTTONDOWN, 0, 0);  // must not reach the freed object
    DestroyWindow(hwnd);
}

TEST_F(CoreTest, CopiesShareSettingsButNotTheWindow) {
    Recorder parent;
    Probe probe;
    ASSERT_TRUE(probe.CreateChild(parent.hwnd(), 42));
    CUIWindow copy(probe);
    EXPECT_EQ(nullptr, copy.GetWindowHandle());
    EXPECT_EQ(42, copy.GetIDWindow());
    CUIWindow assigned;
    assigned = probe;
    EXPECT_EQ(nullptr, assigned.GetWindowHandle());
    DestroyWindow(probe.GetWindowHandle());
}

TEST_F(CoreTest, GetBitmapSizeTakesTheFirstPresentImage) {
    std::string skin = WriteTempFile(SkinOf({Bmp24(Image(7, 5, 0x112233)), "", Bmp24(Image(13, 9, 0x445566))}));
    int w = -5, h = -5;
    EXPECT_EQ(1, GetBitmapSize(skin.c_str(), &w, &h, 1, 3, -1));
    EXPECT_EQ(7, w);
    EXPECT_EQ(5, h);
    EXPECT_EQ(1, GetBitmapSize(skin.c_str(), &w, &h, 2, 3, 1)) << "hole 2 is skipped";
    EXPECT_EQ(13, w);
    EXPECT_EQ(9, h);
    w = h = -5;
    EXPECT_EQ(0, GetBitmapSize(skin.c_str(), &w, &h, -1, -1, -1));
    EXPECT_EQ(0, GetBitmapSize(skin.c_str(), &w, &h, 0, 4, 2)) << "0 and past-the-end name no image";
    EXPECT_EQ(0, GetBitmapSize("Z:\\no\\such\\file.tsk", &w, &h, 1, 2, 3));
    EXPECT_EQ(-5, w);
    EXPECT_EQ(-5, h);
}

namespace {
// The version resource of a loaded module: its fixed numbers and one string.
struct ModuleVersion {
    DWORD high = 0, low = 0;
    std::string fileVersion, comments;
};
ModuleVersion VersionOf(const char* module) {
    ModuleVersion v;
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA(module), path, MAX_PATH);
    DWORD ignored = 0, size = GetFileVersionInfoSizeA(path, &ignored);
    std::string data(size, '\0');
    if (!size || !GetFileVersionInfoA(path, 0, size, &data[0])) return v;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(&data[0], "\\", (void**)&fixed, &length) && fixed) {
        v.high = fixed->dwFileVersionMS;
        v.low = fixed->dwFileVersionLS;
    }
    char* text = nullptr;
    if (VerQueryValueA(&data[0], "\\StringFileInfo\\040904B0\\FileVersion", (void**)&text, &length)) v.fileVersion = text;
    if (VerQueryValueA(&data[0], "\\StringFileInfo\\040904B0\\Comments", (void**)&text, &length)) v.comments = text;
    return v;
}
}  // namespace

TEST_F(CoreTest, BothDllsCarryTheVersionOfTheHeaderAndTheirFlavour) {
    for (const char* module : {"Tessaro.dll", "Pixorel.dll"}) {
        SCOPED_TRACE(module);
        ModuleVersion v = VersionOf(module);
        EXPECT_EQ(DWORD(MAKELONG(TESSARO_VERSION_MINOR, TESSARO_VERSION_MAJOR)), v.high);
        EXPECT_EQ(DWORD(MAKELONG(0, TESSARO_VERSION_PATCH)), v.low);
        EXPECT_EQ(std::to_string(TESSARO_VERSION_MAJOR) + "." + std::to_string(TESSARO_VERSION_MINOR) + "." +
                      std::to_string(TESSARO_VERSION_PATCH),
                  v.fileVersion);
        EXPECT_EQ(0u, v.comments.find(sizeof(void*) == 8 ? "x64, MinGW-w64" : "x86, MinGW-w64")) << v.comments;
    }
}
