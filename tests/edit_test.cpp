// The edit box seen from outside: the text read back after typed characters,
// keys and input-method compositions, the caret's pixel position after every
// change, the width limit, what is drawn, the real input context's state
// (conversion mode, composition and candidate window placement), and copies.
#include "Bench.h"
#include "Tessaro.h"
#include <imm.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
const int kWidth = 200, kHeight = 24;
const DWORD kBack = 0x204080, kDimmed = 0x405060;  // the frames, 0x00RRGGBB
const COLORREF kInk = RGB(255, 255, 255);

// A box on a plain frame; its window goes before the object does. The
// buffer seam and the input-method fields are reached only through here.
class Box : public CBitmapEditBox {
public:
    explicit Box(const std::string& skin, LOGFONTA font = TestFont())
        : CBitmapEditBox((char*)skin.c_str(), -1, 1, 2, font, kInk, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX) {}
    ~Box() override { if (GetWindowHandle()) DestroyWindow(GetWindowHandle()); }
    bool Make(HWND parent) {
        return Create("", WS_CHILD | WS_VISIBLE, 10, 10, -1, -1, Instance(), parent, 7, RGB(255, 0, 255), nullptr,
                      nullptr, nullptr, SW_SHOW) == 1;
    }
    HWND h() { return GetWindowHandle(); }
    wchar_t* buffer() const { return m_pwszBuffer; }
    void SetBuffer(wchar_t* b, DWORD size) {
        m_pwszBuffer = b;
        m_dwBufferSize = size;
    }
    bool ImeStateZero() const {
        for (int i = 0; i < 512; ++i)
            if (m_szCompStr[i] || m_szResultStr[i]) return false;
        return !m_nCompStrLen && !m_nResultStrLen && !m_bCandidateList && !m_hCandidateList;
    }
};

// The library's own free(), through its import table, so that the
// accounting sees its block given back.
void FreeAsLibrary(void* block) {
    void** slot = nullptr;
    ForEachImport(GetModuleHandleA("Tessaro.dll"), [&](const char* dll, const char* fn, void** s) {
        if (!lstrcmpiA(dll, "msvcrt.dll") && !std::strcmp(fn, "free")) slot = s;
        return !slot;
    });
    if (slot) ((void(__cdecl*)(void*)) * slot)(block);
}

std::wstring Wide(const std::string& ansi) {
    std::wstring w(ansi.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), (int)ansi.size(), &w[0], (int)w.size());
    w.resize(n);
    return w;
}
std::string Ansi(const std::wstring& w) {
    std::string a(w.size() * 2 + 1, '\0');
    int n = WideCharToMultiByte(CP_ACP, 0, w.data(), (int)w.size(), &a[0], (int)a.size(), nullptr, nullptr);
    a.resize(n);
    return a;
}

// Widths in the box's font, measured independently of the library.
struct Measure {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    explicit Measure(LOGFONTA f = TestFont()) : dc(GetDC(nullptr)), font(CreateFontIndirectA(&f)) {
        old = SelectObject(dc, font);
    }
    ~Measure() { SelectObject(dc, old), DeleteObject(font), ReleaseDC(nullptr, dc); }
    int Of(const std::wstring& s) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, s.c_str(), (int)s.size(), &size);
        return size.cx;
    }
    int Char(wchar_t c) {
        INT w = 0;
        GetCharWidth32W(dc, c, c, &w);
        return w;
    }
};

std::string Text(CBitmapEditBox& b) {
    char buf[2048];
    DWORD n = b.GetEditBoxText(buf, sizeof buf);
    return std::string(buf, n > sizeof buf ? 0 : n);
}
POINT Caret() {
    POINT p = {-999, -999};
    GetCaretPos(&p);
    return p;
}
LRESULT Char(HWND h, UINT code) { return SendMessageA(h, WM_CHAR, code, 1); }
void Type(HWND h, const std::string& s) {
    for (unsigned char c : s) Char(h, c);
    Settle(0);
}

// The input context of the box, given back at the end of the scope.
struct Context {
    HWND h;
    HIMC c;
    explicit Context(HWND hwnd) : h(hwnd), c(ImmGetContext(hwnd)) {}
    ~Context() { ImmReleaseContext(h, c); }
    void Compose(const wchar_t* s) {
        ImmSetCompositionStringW(c, SCS_SETSTR, (LPVOID)s, (DWORD)(wcslen(s) * 2), nullptr, 0);
        Settle(0);
    }
    void Complete() { ImmNotifyIME(c, NI_COMPOSITIONSTR, CPS_COMPLETE, 0), Settle(0); }
    void Cancel() { ImmNotifyIME(c, NI_COMPOSITIONSTR, CPS_CANCEL, 0), Settle(0); }
    // The conversion mode, or with `sentence` the sentence mode.
    DWORD Status(bool sentence = false) {
        DWORD modes[2] = {};
        ImmGetConversionStatus(c, &modes[0], &modes[1]);
        return modes[sentence];
    }
    COMPOSITIONFORM CompositionWindow() {
        COMPOSITIONFORM f = {};
        ImmGetCompositionWindow(c, &f);
        return f;
    }
    CANDIDATEFORM CandidateWindow(DWORD index) {
        CANDIDATEFORM f = {};
        ImmGetCandidateWindow(c, index, &f);
        return f;
    }
};

// The property flags the library reads of the input method, when patched.
DWORD g_property = 0;
DWORD WINAPI FakeProperty(HKL, DWORD index) { return index == IGP_PROPERTY ? g_property : 0; }

// A composition string reader that reports a size it did not deliver.
LONG g_reportedSize = 0;
DWORD g_largestAsked = 0;
LONG WINAPI FakeCompositionString(HIMC, DWORD, LPVOID buffer, DWORD bytes) {
    if (bytes > g_largestAsked) g_largestAsked = bytes;
    if (buffer && bytes) std::memset(buffer, 0, bytes);
    return g_reportedSize;
}

// Pixels near the ink (white) colour: font edges are mixed, stems are not.
bool Inky(DWORD rgb) { return (rgb >> 16 & 0xFF) >= 0xC0 && (rgb >> 8 & 0xFF) >= 0xC0 && (rgb & 0xFF) >= 0xC0; }
int InkBetween(const Pixels& p, int x0, int x1) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = x0 < 0 ? 0 : x0; x < x1 && x < p.width; ++x) n += Inky(p.at(x, y));
    return n;
}

class EditTest : public TessaroTest {
protected:
    void SetUp() override { skin = SolidSkin({kBack, kDimmed}, kWidth, kHeight); }
    // Gives the box the keyboard focus (the parent is shown without activation).
    bool Focus(Box& b) {
        SetForegroundWindow(parent.hwnd());
        SetActiveWindow(parent.hwnd());
        SetFocus(b.h());
        Settle(0);
        return GetFocus() == b.h();
    }
    // A created box with the focus.
    bool Ready(Box& b) { return b.Make(parent.hwnd()) && Focus(b); }
    std::string skin;
    Recorder parent;
};
}  // namespace

// ------------------------------------------------------------- typing --

TEST_F(EditTest, TypedCharactersReadBackExactlyWithTheCaretAfterThem) {
    const bool cp1252 = GetACP() == 1252;
    struct {
        const char* name;
        std::vector<UINT> codes;
        std::string text;
        bool needs1252;
    } cases[] = {
        {"plain letters", {'a', 'b', 'c'}, "abc", false},
        {"a NUL character is ignored", {'a', 'b', 0, 'c'}, "abc", false},
        {"a tab enters four spaces", {'a', 'b', 9}, "ab    ", false},
        {"line feed, return and escape are ignored", {'a', 10, 13, 27, 'b'}, "ab", false},
        {"backspace removes the last character", {'a', 'b', 'c', 8}, "ab", false},
        {"backspace on an empty text does nothing", {8, 8, 'x'}, "x", false},
        {"other control codes are kept", {'a', 11, 12, 'b'}, "a\x0B\x0C" "b", false},
        {"an ANSI letter above 0x7F", {'a', 0xE9, 'b'}, "a\xE9" "b", true},
        {"several ANSI characters", {0xC4, 0xF6, 0xFC, 0x80, 0xDF}, "\xC4\xF6\xFC\x80\xDF", true},
    };
    Measure m;
    for (auto& c : cases) {
        if (c.needs1252 && !cp1252) continue;  // the bytes are those of code page 1252
        Box box(skin);
        ASSERT_TRUE(Ready(box)) << c.name;
        for (UINT code : c.codes) EXPECT_EQ(0, Char(box.h(), code)) << c.name << ": a handled character";
        EXPECT_EQ(c.text, Text(box)) << c.name;
        POINT p = Caret();
        EXPECT_EQ(m.Of(Wide(c.text)), p.x) << c.name << ": the caret stands after the text";
        EXPECT_EQ(0, p.y) << c.name;
    }
}

TEST_F(EditTest, NoTextIsTakenBeforeTheFirstFocusAndAClickGivesTheFocusBackWithTheCaretKept) {
    Box unmade(skin);
    char buf[8] = "zzzzzzz";
    EXPECT_EQ(0u, unmade.GetEditBoxText(buf, sizeof buf)) << "no buffer before the window is made";
    EXPECT_EQ('z', buf[0]);
    EXPECT_TRUE(unmade.ImeStateZero()) << "the input-method state starts empty";

    Box box(skin);
    ASSERT_TRUE(box.Make(parent.hwnd()));
    EXPECT_TRUE(box.ImeStateZero());
    Type(box.h(), "abc");  // not focused yet: the width is unknown
    EXPECT_EQ("", Text(box));
    EXPECT_EQ(0u, box.GetEditBoxText(buf, sizeof buf)) << "an empty text gives no bytes";
    ASSERT_TRUE(Focus(box));
    Type(box.h(), "abc");
    EXPECT_EQ("abc", Text(box));
    KeyDown(box.h(), VK_LEFT);

    // Away and back by a click: the caret comes back where it was, not under the mouse.
    SetFocus(parent.hwnd());
    Settle(0);
    ASSERT_NE(box.h(), GetFocus());
    MouseDown(box.h(), kWidth - 5, 5);
    MouseUp(box.h(), kWidth - 5, 5);
    EXPECT_EQ(box.h(), GetFocus());
    Measure m;
    EXPECT_EQ(m.Of(L"ab"), Caret().x);
    Type(box.h(), "!");
    EXPECT_EQ("ab!c", Text(box));
}

TEST_F(EditTest, EveryKeyMovesTheCaretToTheWidthOfTheTextBeforeIt) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Type(box.h(), "Hello World");
    struct {
        const char* name;
        UINT key;   // a key pressed, or 0
        UINT code;  // else a character typed
        const char* text;
        int caret;  // index
    } steps[] = {
        {"home", VK_HOME, 0, "Hello World", 0},
        {"left at the start", VK_LEFT, 0, "Hello World", 0},
        {"backspace at the start", 0, 8, "Hello World", 0},
        {"right", VK_RIGHT, 0, "Hello World", 1},
        {"right again", VK_RIGHT, 0, "Hello World", 2},
        {"a character inserted", 0, 'x', "Hexllo World", 3},
        {"delete at the caret", VK_DELETE, 0, "Hexlo World", 3},
        {"backspace inside", 0, 8, "Helo World", 2},
        {"up moves nothing", VK_UP, 0, "Helo World", 2},
        {"down moves nothing", VK_DOWN, 0, "Helo World", 2},
        {"an unused key", VK_F5, 0, "Helo World", 2},
        {"end", VK_END, 0, "Helo World", 10},
        {"delete at the end", VK_DELETE, 0, "Helo World", 10},
        {"right at the end", VK_RIGHT, 0, "Helo World", 10},
        {"left", VK_LEFT, 0, "Helo World", 9},
        {"a tab inside the text", 0, 9, "Helo Worl    d", 13},
        {"left twice", VK_LEFT, 0, "Helo Worl    d", 12},
        {"return inside is ignored", 0, 13, "Helo Worl    d", 12},
        {"home", VK_HOME, 0, "Helo Worl    d", 0},
        {"a character in front", 0, 'Z', "ZHelo Worl    d", 1},
        {"left to the start", VK_LEFT, 0, "ZHelo Worl    d", 0},
        {"delete in front", VK_DELETE, 0, "Helo Worl    d", 0},
        {"end again", VK_END, 0, "Helo Worl    d", 14},
        {"backspace at the end", 0, 8, "Helo Worl    ", 13},
        {"typed at the end", 0, '!', "Helo Worl    !", 14},
    };
    Measure m;
    for (auto& s : steps) {
        if (s.key) EXPECT_EQ(0, KeyDown(box.h(), s.key)) << s.name << ": a handled key";
        else EXPECT_EQ(0, Char(box.h(), s.code)) << s.name;
        EXPECT_EQ(s.text, Text(box)) << s.name;
        POINT p = Caret();
        EXPECT_EQ(m.Of(Wide(std::string(s.text, s.caret))), p.x) << s.name << ": caret at index " << s.caret;
        EXPECT_EQ(0, p.y) << s.name;
    }
}

TEST_F(EditTest, CharactersAreDroppedOnceTheTextWouldReachTheClientWidth) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    RECT rc;
    GetClientRect(box.h(), &rc);
    ASSERT_EQ(kWidth, rc.right) << "the box takes its frame's size";
    Measure m;
    // The model: a character is taken while text + character stays narrower than the box.
    std::wstring model;
    size_t caret = 0;
    auto typed = [&](wchar_t ch) {
        if (m.Of(model) + m.Char(ch) < rc.right) model.insert(caret++, 1, ch);
    };
    for (int i = 0; i < 40; ++i) Char(box.h(), 'W'), typed(L'W');
    ASSERT_LT(model.size(), 40u) << "the box is too wide for this check";
    EXPECT_EQ(Ansi(model), Text(box)) << "Ws up to the width";
    EXPECT_EQ(m.Of(model), Caret().x);
    for (int i = 0; i < 10; ++i) Char(box.h(), 'i'), typed(L'i');
    EXPECT_EQ(Ansi(model), Text(box)) << "narrow letters that still fit after the Ws";
    EXPECT_GE(rc.right, m.Of(model));
    KeyDown(box.h(), VK_HOME);
    caret = 0;
    Char(box.h(), 'W'), typed(L'W');
    Char(box.h(), '.'), typed(L'.');
    EXPECT_EQ(Ansi(model), Text(box)) << "inserted in front under the same limit";
    EXPECT_EQ(m.Of(model.substr(0, caret)), Caret().x);
    KeyDown(box.h(), VK_END);
    Char(box.h(), 9);
    caret = model.size();
    for (int i = 0; i < 4; ++i) typed(L' ');
    EXPECT_EQ(Ansi(model), Text(box)) << "each space of a tab passes the test on its own";
    // An input-method result is held to the same limit, unit by unit.
    Context ctx(box.h());
    ctx.Compose(L"iiiiiiiiii");
    ctx.Complete();
    for (int i = 0; i < 10; ++i) typed(L'i');
    EXPECT_EQ(Ansi(model), Text(box)) << "a result enters only what still fits";
    EXPECT_EQ(m.Of(model), Caret().x);
}

TEST_F(EditTest, LeftStopsAtTheFirstCharacterWhateverTheCaretPixelsSay) {
    struct {
        const char* name;
        int typedIn, movedIn;  // font heights
        const char* typed;  // after five lefts
        const char* expected;
    } cases[] = {
        {"a narrower font after typing", -24, -8, "z", "zabc"},
        {"a wider font after typing", -8, -24, "", "abc"},
    };
    for (auto& c : cases) {
        Box box(skin, TestFont(c.typedIn));
        ASSERT_TRUE(Ready(box)) << c.name;
        Type(box.h(), "abc");
        EXPECT_EQ(1, box.SetNewFont(TestFont(c.movedIn))) << c.name;
        for (int i = 0; i < 5; ++i) {
            KeyDown(box.h(), VK_LEFT);
            EXPECT_GE(Caret().x, 0) << c.name << ": left " << i + 1;
        }
        EXPECT_EQ("abc", Text(box)) << c.name;
        Type(box.h(), c.typed);
        EXPECT_EQ(c.expected, Text(box)) << c.name;
    }
}

// ------------------------------------------------------- input method --

TEST_F(EditTest, EveryCharacterOfAnInputMethodResultIsEnteredInOrder) {
    struct {
        const char* name;
        const char* before;
        int lefts;
        const wchar_t* result;
        std::wstring text;
        size_t caret;
    } cases[] = {
        {"three characters in an empty box", "", 0, L"ABC", L"ABC", 3},
        {"two characters inside the text", "abc", 2, L"XY", L"aXYbc", 3},
        {"a letter of the code page", "ab", 0, L"\x00E9", L"ab\x00E9", 3},
        {"a letter outside the code page", "ab", 1, L"\x0416\x0416", L"a\x0416\x0416" L"b", 3},
    };
    Measure m;
    for (auto& c : cases) {
        Box box(skin);
        ASSERT_TRUE(Ready(box)) << c.name;
        Type(box.h(), c.before);
        for (int i = 0; i < c.lefts; ++i) KeyDown(box.h(), VK_LEFT);
        Context ctx(box.h());
        ASSERT_TRUE(ctx.c) << c.name;
        ctx.Compose(c.result);
        ctx.Complete();
        EXPECT_EQ(Ansi(c.text), Text(box)) << c.name;
        EXPECT_EQ(m.Of(c.text.substr(0, c.caret)), Caret().x) << c.name << ": the caret moves by the real widths";
        Type(box.h(), "!");
        std::wstring after = c.text;
        after.insert(c.caret, L"!");
        EXPECT_EQ(Ansi(after), Text(box)) << c.name << ": typing goes on at the caret";
        // Keys over the entered characters move by the same widths.
        Char(box.h(), 8);
        KeyDown(box.h(), VK_LEFT);
        EXPECT_EQ(m.Of(c.text.substr(0, c.caret - 1)), Caret().x) << c.name << ": left";
        KeyDown(box.h(), VK_RIGHT);
        EXPECT_EQ(m.Of(c.text.substr(0, c.caret)), Caret().x) << c.name << ": right";
        Char(box.h(), 8);
        std::wstring erased = c.text;
        erased.erase(c.caret - 1, 1);
        EXPECT_EQ(Ansi(erased), Text(box)) << c.name << ": backspace";
        EXPECT_EQ(m.Of(erased.substr(0, c.caret - 1)), Caret().x) << c.name << ": backspace";
    }
}

TEST_F(EditTest, ACompositionWithoutAResultLeavesTheTextAsItWas) {
    enum Finish { kCancel, kResultY };
    struct {
        const char* name;
        int lefts;       // from the end of "abc"
        bool shown;      // the input method asks to show it without moving the caret
        Finish finish;
        const char* text;
        size_t caret;
    } cases[] = {
        {"cancelled at the end", 0, false, kCancel, "abc", 3},
        {"cancelled inside", 2, false, kCancel, "abc", 1},
        {"shown at the end, cancelled", 0, true, kCancel, "abc", 3},
        {"shown inside, cancelled", 2, true, kCancel, "abc", 1},
        {"shown at the end, then another result", 0, true, kResultY, "abcY", 4},
        {"shown inside, then another result", 2, true, kResultY, "aYbc", 2},
    };
    Measure m;
    for (auto& c : cases) {
        Box box(skin);
        ASSERT_TRUE(Ready(box)) << c.name;
        Type(box.h(), "abc");
        for (int i = 0; i < c.lefts; ++i) KeyDown(box.h(), VK_LEFT);
        Context ctx(box.h());
        ctx.Compose(L"X");
        if (c.shown) EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_COMPOSITION, 'X', GCS_COMPSTR | CS_NOMOVECARET)) << c.name;
        if (c.finish == kCancel) {
            ctx.Cancel();
        } else {
            ctx.Compose(L"Y");
            ctx.Complete();
        }
        EXPECT_EQ(c.text, Text(box)) << c.name;
        std::string text = c.text;
        EXPECT_EQ(m.Of(Wide(text.substr(0, c.caret))), Caret().x) << c.name;
        Type(box.h(), "!");
        EXPECT_EQ(text.insert(c.caret, "!"), Text(box)) << c.name << ": length and caret unchanged by the composition";
    }
}

TEST_F(EditTest, CompositionSizesBeyondTheBuffersOrBelowZeroLeaveNoDamage) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Type(box.h(), "abc");
    KeyDown(box.h(), VK_LEFT);
    KeyDown(box.h(), VK_LEFT);
    ImportPatch patch("Tessaro.dll", "imm32.dll", "ImmGetCompositionStringW", (void*)FakeCompositionString);
    ASSERT_TRUE(patch.ok());
    for (LONG size : {1024L, 1026L, 4096L, -2L, -1000L}) {
        g_reportedSize = size;
        g_largestAsked = 0;
        EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_STARTCOMPOSITION, 0, 0)) << "size " << size;
        EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_COMPOSITION, 0, GCS_COMPSTR | CS_NOMOVECARET)) << "size " << size;
        EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_RESULTSTR | CS_NOMOVECARET))
            << "size " << size;
        EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_ENDCOMPOSITION, 0, 0)) << "size " << size;
        EXPECT_GT(g_largestAsked, 0u) << "the strings are read; size " << size;
        EXPECT_LE(g_largestAsked, 1024u) << "a string is read into no more than its 512 units; size " << size;
        EXPECT_EQ("abc", Text(box)) << "an empty composition and result; size " << size;
        EXPECT_TRUE(AllHeapsValid()) << "size " << size;
    }
    Type(box.h(), "!");
    EXPECT_EQ("a!bc", Text(box));
}

TEST_F(EditTest, ModeCommandsCycleTheConversionModeAndANotificationKeepsIt) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Context ctx(box.h());
    ASSERT_TRUE(ctx.c);
    struct {
        DWORD from;
        std::vector<DWORD> after;  // after each mode command
    } cases[] = {
        {0x0008, {0x0009, 0x000B, 0x0008}},
        {0x000A, {0x0008, 0x0009}},
        {0x0418, {0x0419, 0x041B, 0x0418}},
    };
    for (auto& c : cases) {
        ASSERT_TRUE(ImmSetConversionStatus(ctx.c, c.from, IME_SMODE_AUTOMATIC));
        Settle(0);
        for (DWORD expected : c.after) {
            EXPECT_EQ(1, box.OnModeCommand(0, 0));
            Settle(0);
            EXPECT_EQ(expected, ctx.Status()) << "from 0x" << std::hex << c.from;
            EXPECT_EQ((DWORD)IME_SMODE_AUTOMATIC, ctx.Status(true)) << "the sentence mode is kept";
        }
    }
    ASSERT_TRUE(ImmSetConversionStatus(ctx.c, 0x001B, IME_SMODE_PHRASEPREDICT));
    Settle(0);
    EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_NOTIFY, IMN_SETCONVERSIONMODE, 0));
    EXPECT_EQ(0x001Bu, ctx.Status()) << "a conversion mode notification changes nothing";
    EXPECT_EQ((DWORD)IME_SMODE_PHRASEPREDICT, ctx.Status(true));
}

TEST_F(EditTest, CandidateNotificationsKeepNoListAndChangeNoText) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Type(box.h(), "abc");
    for (WPARAM command : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14}) {
        for (LPARAM list : {0, 1}) {
            EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_NOTIFY, command, list)) << "command " << command;
            EXPECT_EQ("abc", Text(box)) << "command " << command;
        }
    }
    EXPECT_TRUE(box.ImeStateZero()) << "no candidate list kept";
}

TEST_F(EditTest, CompositionAndCandidateWindowsArePlacedAtTheCaret) {
    struct {
        const char* name;
        DWORD property;
        bool placesComposition, placesCandidate;  // at a start, at an opened candidate list
    } cases[] = {
        {"an input method drawing at the caret", IME_PROP_AT_CARET, false, true},
        {"one with a special interface", IME_PROP_AT_CARET | IME_PROP_SPECIAL_UI, true, false},
        {"one with neither", 0, true, false},
    };
    Measure m;
    ImportPatch patch("Tessaro.dll", "imm32.dll", "ImmGetProperty", (void*)FakeProperty);
    ASSERT_TRUE(patch.ok());
    for (auto& c : cases) {
        g_property = c.property;  // read when the box is made
        Box box(skin);
        ASSERT_TRUE(Ready(box)) << c.name;
        g_property = 0xFFFFFFFF;  // not read again without a language change
        Type(box.h(), "abcd");
        KeyDown(box.h(), VK_LEFT);
        POINT caret = {m.Of(L"abc"), 0};
        Context ctx(box.h());
        COMPOSITIONFORM away = {CFS_POINT, {33, 44}, {}};
        ImmSetCompositionWindow(ctx.c, &away);
        CANDIDATEFORM awayCand = {0, CFS_EXCLUDE, {55, 66}, {}};
        ImmSetCandidateWindow(ctx.c, &awayCand);
        ctx.Compose(L"X");
        COMPOSITIONFORM f = ctx.CompositionWindow();
        POINT want = c.placesComposition ? caret : away.ptCurrentPos;
        EXPECT_EQ((DWORD)CFS_POINT, f.dwStyle) << c.name;
        EXPECT_EQ(want.x, f.ptCurrentPos.x) << c.name;
        EXPECT_EQ(want.y, f.ptCurrentPos.y) << c.name;
        ctx.Cancel();
        EXPECT_EQ(1, SendMessageW(box.h(), WM_IME_NOTIFY, IMN_OPENCANDIDATE, 1)) << c.name;
        CANDIDATEFORM cf = ctx.CandidateWindow(0);
        EXPECT_EQ((DWORD)(c.placesCandidate ? CFS_CANDIDATEPOS : CFS_EXCLUDE), cf.dwStyle) << c.name;
        EXPECT_EQ(c.placesCandidate ? caret.x : 55, cf.ptCurrentPos.x) << c.name;
        EXPECT_EQ(c.placesCandidate ? caret.y : 66, cf.ptCurrentPos.y) << c.name;
        EXPECT_EQ("abcd", Text(box)) << c.name;
    }
}

TEST_F(EditTest, ALanguageChangeRereadsThePropertyFlags) {
    Measure m;
    ImportPatch patch("Tessaro.dll", "imm32.dll", "ImmGetProperty", (void*)FakeProperty);
    ASSERT_TRUE(patch.ok());
    g_property = IME_PROP_AT_CARET;
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Type(box.h(), "ab");
    Context ctx(box.h());
    COMPOSITIONFORM away = {CFS_POINT, {33, 44}, {}};
    ImmSetCompositionWindow(ctx.c, &away);

    // Now without drawing at the caret: other candidate windows go back to their default.
    g_property = 0;
    for (DWORD i = 0; i < 4; ++i) {
        CANDIDATEFORM f = {i, CFS_CANDIDATEPOS, {5, 6}, {}};
        ImmSetCandidateWindow(ctx.c, &f);
    }
    EXPECT_EQ(1, SendMessageW(box.h(), WM_INPUTLANGCHANGE, 0, (LPARAM)GetKeyboardLayout(0)));
    for (DWORD i = 0; i < 4; ++i) EXPECT_EQ(0u, ctx.CandidateWindow(i).dwStyle) << "candidate window " << i;
    ctx.Compose(L"X");
    EXPECT_EQ(m.Of(L"ab"), ctx.CompositionWindow().ptCurrentPos.x) << "placed once the flags say so";
    EXPECT_EQ(0, ctx.CompositionWindow().ptCurrentPos.y);
    ctx.Cancel();

    // Back to drawing at the caret: the candidate window is put at the caret.
    g_property = IME_PROP_AT_CARET;
    KeyDown(box.h(), VK_HOME);
    KeyDown(box.h(), VK_RIGHT);
    EXPECT_EQ(1, SendMessageW(box.h(), WM_INPUTLANGCHANGE, 0, (LPARAM)GetKeyboardLayout(0)));
    CANDIDATEFORM cf = ctx.CandidateWindow(0);
    EXPECT_EQ((DWORD)CFS_CANDIDATEPOS, cf.dwStyle);
    EXPECT_EQ(m.Of(L"a"), cf.ptCurrentPos.x) << "at the caret as it is now";
    EXPECT_EQ(0, cf.ptCurrentPos.y);
    ImmSetCompositionWindow(ctx.c, &away);
    ctx.Compose(L"X");
    EXPECT_EQ(33, ctx.CompositionWindow().ptCurrentPos.x) << "no longer placed by the box";
    ctx.Cancel();
    EXPECT_EQ("ab", Text(box));
}

// ------------------------------------------------------------ drawing --

TEST_F(EditTest, TheTextAndAShownCompositionAreDrawnInTheTextColour) {
    LOGFONTA font = TestFont(-20);
    Measure m(font);
    Box box(skin, font);
    ASSERT_TRUE(Ready(box));
    Pixels before = ReadWindowPixels(box.h());
    EXPECT_EQ(kBack, before.at(kWidth - 2, kHeight - 2)) << "the frame";
    EXPECT_EQ(0, InkBetween(before, 0, kWidth)) << "nothing drawn before typing";

    Type(box.h(), "WHW");
    int end = m.Of(L"WHW");
    Pixels typed = ReadWindowPixels(box.h());
    EXPECT_GT(InkBetween(typed, 0, end), 0) << "the typed text is drawn";
    EXPECT_EQ(0, InkBetween(typed, end + 1, kWidth)) << "nothing after it";
    EXPECT_EQ(kBack, typed.at(kWidth - 2, kHeight - 2)) << "over the frame";

    Context ctx(box.h());
    ctx.Compose(L"M");
    SendMessageW(box.h(), WM_IME_COMPOSITION, 'M', GCS_COMPSTR | CS_NOMOVECARET);
    Settle(0);
    Pixels shown = ReadWindowPixels(box.h());
    EXPECT_GT(InkBetween(shown, end + 1, m.Of(L"WHWM")), 0) << "the composition is shown after the text";
    EXPECT_EQ("WHW", std::string(Text(box), 0, 3));
    ctx.Cancel();
    Pixels cancelled = ReadWindowPixels(box.h());
    EXPECT_EQ(0, InkBetween(cancelled, end + 1, kWidth)) << "and gone once cancelled";
    EXPECT_EQ("WHW", Text(box));
}

// ------------------------------------------------- text read back, copies --

TEST_F(EditTest, TheTextIsGivenWithoutTerminatorAndOnlyWhenItFits) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    Type(box.h(), "abc");
    struct {
        int size;
        DWORD written;
        const char* buffer;  // afterwards; filled with 'Z' before
    } cases[] = {{10, 3, "abcZZZZZZZ"}, {4, 3, "abcZZZZZZZ"}, {3, 3, "abcZZZZZZZ"}, {2, 0, ""}};
    for (auto& c : cases) {
        char buf[11];
        std::memset(buf, 'Z', 10);
        buf[10] = 0;
        EXPECT_EQ(c.written, box.GetEditBoxText(buf, c.size)) << "buffer of " << c.size;
        if (c.written) EXPECT_EQ(std::string(c.buffer), std::string(buf, 10)) << "buffer of " << c.size;
        EXPECT_EQ(std::string(10 - c.size, 'Z'), std::string(buf + c.size, 10 - c.size))
            << "nothing beyond the given size; buffer of " << c.size;
    }
}

TEST_F(EditTest, CopiesOwnTheirTextAndHaveNoWindow) {
    Box* original = new Box(skin);
    ASSERT_TRUE(Ready(*original));
    Type(original->h(), "abc");
    CBitmapEditBox copy(*original);
    Box assigned(skin);
    assigned = *original;
    EXPECT_EQ(nullptr, copy.GetWindowHandle());
    EXPECT_EQ(nullptr, assigned.GetWindowHandle());
    EXPECT_EQ("abc", Text(copy));
    EXPECT_EQ("abc", Text(assigned));
    Type(original->h(), "def");
    EXPECT_EQ("abcdef", Text(*original));
    EXPECT_EQ("abc", Text(copy)) << "the copy's text is its own";
    delete original;  // window first, then the object and its buffer
    EXPECT_EQ("abc", Text(copy));
    EXPECT_EQ("abc", Text(assigned));
    static_cast<CBitmapEditBox&>(assigned) = copy;
    EXPECT_EQ("abc", Text(assigned));
    Box unmade(skin);
    assigned = unmade;
    char buf[4];
    EXPECT_EQ(0u, assigned.GetEditBoxText(buf, sizeof buf)) << "assigned a box without a buffer";
}

TEST_F(EditTest, ASmallBufferGrowsBeforeItIsFullAndStaysTerminated) {
    Box box(skin);
    ASSERT_TRUE(Ready(box));
    // The box is told its buffer holds 8 units; the block has 8 more, marked,
    // so that a unit written past the 8 shows as long as the block is in use.
    const wchar_t kMark = 0xBEEF;
    wchar_t* small = (wchar_t*)calloc(16, sizeof(wchar_t));
    ASSERT_TRUE(small);
    for (int i = 8; i < 16; ++i) small[i] = kMark;
    FreeAsLibrary(box.buffer());
    box.SetBuffer(small, 8);
    std::string expected;
    for (char c : std::string("abcdefghijkl")) {
        Type(box.h(), std::string(1, c));
        expected += c;
        EXPECT_EQ(expected, Text(box)) << "after " << expected.size() << " characters";
        if (box.buffer() == small) {
            int marks = 0;
            for (int i = 8; i < 16; ++i) marks += small[i] == kMark;
            EXPECT_EQ(8, marks) << "nothing past the 8 units; after " << expected.size() << " characters";
        }
        EXPECT_TRUE(AllHeapsValid()) << "after " << expected.size() << " characters";
    }
    EXPECT_NE(small, box.buffer()) << "twelve characters do not fit in 8 units";
    KeyDown(box.h(), VK_HOME);
    Type(box.h(), "xyz");
    EXPECT_EQ("xyz" + expected, Text(box)) << "inserted in front after growing";
    EXPECT_TRUE(AllHeapsValid());
}
