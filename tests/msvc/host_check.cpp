// Host check of the Microsoft-ABI Tessaro.dll: a program built the way a
// Visual C++ host is (Microsoft C++ ABI, msvcrt, linked against Tessaro.lib)
// that loads the DLL and drives its classes from outside.
//
// Checks that the DLL exports Microsoft-mangled names, that each exported
// class it knows constructs, creates a window, paints and destroys through the
// import library, that a host subclass's overrides are reached by real window
// messages with the library's result rule, and that creating and destroying
// windows in a loop leaks neither heap memory, windows nor Pixorel handles.
//
// The last line of output is "N passed, N failed"; the exit code is the
// number of failures (capped at 100).
#include <windows.h>
#include <stdio.h>
#include <string.h>
#include "Tessaro.h"
#include "Pixorel.h"

static int passed = 0;
static int failed = 0;

static void Check(bool ok, const char* what, int line) {
    if (ok) {
        ++passed;
        printf("ok   %s\n", what);
    } else {
        ++failed;
        printf("FAIL %s (host_check.cpp:%d)\n", what, line);
    }
    fflush(0);  // all streams: Wine's headers reach stdout through a UCRT-only import
}
#define CHECK(condition, what) Check((condition), (what), __LINE__)

// ---------------------------------------------------------------------------
// This program's own start-up: a static object is constructed before main.

static int staticConstructed = 0;
struct StaticProbe {
    StaticProbe() { staticConstructed = 1; }
};
static StaticProbe staticProbe;

// ---------------------------------------------------------------------------
// The skin the controls draw: a plain 24-bit BMP (a one-image skin), a blue
// block on a magenta (transparent) ground.

static const int kSkinWidth = 16;
static const int kSkinHeight = 12;
static const COLORREF kTransparent = RGB(255, 0, 255);
static char skinPath[MAX_PATH];

static bool WriteSkin() {
    char folder[MAX_PATH];
    if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "tsk", 0, skinPath)) return false;
    const int rowBytes = kSkinWidth * 3;  // 48: already a multiple of 4
    const int pixelBytes = rowBytes * kSkinHeight;
    unsigned char file[54 + rowBytes * kSkinHeight];
    memset(file, 0, sizeof file);
    BITMAPFILEHEADER* header = (BITMAPFILEHEADER*)file;
    header->bfType = 0x4D42;
    header->bfSize = sizeof file;
    header->bfOffBits = 54;
    BITMAPINFOHEADER* info = (BITMAPINFOHEADER*)(file + 14);
    info->biSize = sizeof *info;
    info->biWidth = kSkinWidth;
    info->biHeight = kSkinHeight;
    info->biPlanes = 1;
    info->biBitCount = 24;
    info->biSizeImage = pixelBytes;
    for (int y = 0; y < kSkinHeight; ++y) {
        for (int x = 0; x < kSkinWidth; ++x) {
            unsigned char* p = file + 54 + y * rowBytes + x * 3;  // B, G, R
            bool inside = x >= 2 && x < kSkinWidth - 2 && y >= 2 && y < kSkinHeight - 2;
            p[0] = 255;
            p[1] = 0;
            p[2] = inside ? 0 : 255;
        }
    }
    HANDLE f = CreateFileA(skinPath, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(f, file, sizeof file, &written, 0);
    CloseHandle(f);
    return ok && written == sizeof file;
}

static LOGFONTA SkinFont() {
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfHeight = -12;
    lstrcpyA(font.lfFaceName, "Tahoma");
    return font;
}

// ---------------------------------------------------------------------------
// The exported classes this check knows. Each entry names the class and makes
// one object through its exported constructor; fromSkin says the control
// takes its size from the skin when created with -1 x -1.

typedef CUIWindow* (*MakeObject)();

struct ClassCase {
    const char* name;
    MakeObject make;
    bool fromSkin;
};

static char kText[] = "Tessaro";
static const UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

static const ClassCase kClasses[] = {
    {"CUIWindow", []() -> CUIWindow* { return new CUIWindow((char*)"TESSARO MSVC CHECK"); }, false},
    {"CBitmapWindow", []() -> CUIWindow* {
         return new CBitmapWindow(skinPath, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
     }, true},
    {"CBitmapButton", []() -> CUIWindow* {
         return new CBitmapButton(skinPath, 1, 1, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
     }, true},
    {"CChckRadBitmapButton", []() -> CUIWindow* {
         return new CChckRadBitmapButton(skinPath, 1, 1, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
     }, true},
    {"CMultiBitmapWindow", []() -> CUIWindow* { return new CMultiBitmapWindow(skinPath, 1, 1, 1, SkinFont()); },
     true},
    {"CMultiBitmapButton", []() -> CUIWindow* {
         BITMAPLISTID frames = {1, 1, 1, 1, 1};
         return new CMultiBitmapButton(skinPath, frames, SkinFont());
     }, true},
    {"CChannelView", []() -> CUIWindow* { return new CChannelView(skinPath, 1, 1, 1); }, true},
    {"CTimeView", []() -> CUIWindow* {
         return new CTimeView(skinPath, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
     }, true},
    {"CSensView", []() -> CUIWindow* {
         BITMAPLISTID frames = {1, 1, 1, 1, 1};
         return new CSensView(skinPath, frames, frames, frames, frames, frames, frames);
     }, true},
    {"CBitmapSliderBar", []() -> CUIWindow* { return new CBitmapSliderBar(skinPath, 1, 1, 1, 1); }, true},
    {"CBitmapSlider", []() -> CUIWindow* { return new CBitmapSlider(skinPath, 1, 1, 1, 1, 1); }, true},
    {"CBitmapProgressiveSliderBar", []() -> CUIWindow* {
         return new CBitmapProgressiveSliderBar(skinPath, 1, 1, 1, 1, 1);
     }, true},
    {"CBitmapVolume", []() -> CUIWindow* { return new CBitmapVolume(skinPath, 1, 1, 1); }, true},
    {"CBitmapScrollBarButton", []() -> CUIWindow* { return new CBitmapScrollBarButton(skinPath, 1, 1, 1, 0); },
     true},
    {"CDispalyMultiBitmapWindow", []() -> CUIWindow* {
         return new CDispalyMultiBitmapWindow(skinPath, 1, 1, 1, SkinFont(), 1, 10);
     }, true},
    {"CBitmapEditBox", []() -> CUIWindow* {
         return new CBitmapEditBox(skinPath, 1, 1, 1, SkinFont(), RGB(0, 0, 0), DT_LEFT | DT_SINGLELINE);
     }, true},
    // A control added to the library gets one entry here.
};
static const int kClassCount = sizeof kClasses / sizeof kClasses[0];

// ---------------------------------------------------------------------------
// The export table of the loaded Tessaro.dll, read from its PE headers
// (IMAGE_NT_HEADERS is the PE32 layout in a 32-bit program, PE32+ in a 64-bit
// one, like the DLL the program loads).

static bool Exports(const char* name) {
    const BYTE* base = (const BYTE*)GetModuleHandleA("Tessaro.dll");
    if (!base) return false;
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)base;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (!dir.VirtualAddress) return false;
    const IMAGE_EXPORT_DIRECTORY* exports = (const IMAGE_EXPORT_DIRECTORY*)(base + dir.VirtualAddress);
    const DWORD* names = (const DWORD*)(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (strcmp((const char*)(base + names[i]), name) == 0) return true;
    }
    return false;
}

// Counts exported names starting with a prefix.
static int ExportsStartingWith(const char* prefix) {
    const BYTE* base = (const BYTE*)GetModuleHandleA("Tessaro.dll");
    if (!base) return 0;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (!dir.VirtualAddress) return 0;
    const IMAGE_EXPORT_DIRECTORY* exports = (const IMAGE_EXPORT_DIRECTORY*)(base + dir.VirtualAddress);
    const DWORD* names = (const DWORD*)(base + exports->AddressOfNames);
    int count = 0;
    size_t length = strlen(prefix);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (strncmp((const char*)(base + names[i]), prefix, length) == 0) ++count;
    }
    return count;
}

// The names Visual C++ gives the members: 32-bit members are __thiscall
// (QAE/UAE) with 32-bit pointers (PA, PB, AB); x64 has one calling convention
// and marks every pointer and reference 64-bit (QEAA/UEAA, PEA, PEB, AEB).
#if defined(_M_X64)
static const char kDefaultConstructor[] = "??0CUIWindow@@QEAA@XZ";
static const char kCreate[] =
    "?Create@CUIWindow@@UEAAHPEBDKHHHHPEAUHINSTANCE__@@PEAUHWND__@@JKPEAUHICON__@@33H@Z";
static const char kGetThis[] = "?GetThis@CUIWindow@@SAPEAV1@PEAUHWND__@@@Z";
static const char kGetBitmapSize[] = "?GetBitmapSize@@YAHPEBDPEAH1HHH@Z";
static const char kDestructorFormat[] = "??1%s@@UEAA@XZ";
static const char kCopyConstructorFormat[] = "??0%s@@QEAA@AEBV0@@Z";
static const char kGetMark[] = "?GetMark@CTimeView@@QEAAPEAVCMultiBitmapWindow@@XZ";
static const char kSetTab[] = "?SetTab@CTab@@QEAAXHK@Z";
static const char kNotifyMoving[] = "?NotifyMoving@CBitmapSliderBar@@QEAAHPEAUtagRECT@@0@Z";
static const char kSetWindowPosion[] = "?SetWindowPosion@CDispalyMultiBitmapWindow@@QEAAHH@Z";
static const char kGetEditBoxText[] = "?GetEditBoxText@CBitmapEditBox@@QEAAKPEADH@Z";
#else
static const char kDefaultConstructor[] = "??0CUIWindow@@QAE@XZ";
static const char kCreate[] = "?Create@CUIWindow@@UAEHPBDKHHHHPAUHINSTANCE__@@PAUHWND__@@JKPAUHICON__@@33H@Z";
static const char kGetThis[] = "?GetThis@CUIWindow@@SAPAV1@PAUHWND__@@@Z";
static const char kGetBitmapSize[] = "?GetBitmapSize@@YAHPBDPAH1HHH@Z";
static const char kDestructorFormat[] = "??1%s@@UAE@XZ";
static const char kCopyConstructorFormat[] = "??0%s@@QAE@ABV0@@Z";
static const char kGetMark[] = "?GetMark@CTimeView@@QAEPAVCMultiBitmapWindow@@XZ";
static const char kSetTab[] = "?SetTab@CTab@@QAEXHK@Z";
static const char kNotifyMoving[] = "?NotifyMoving@CBitmapSliderBar@@QAEHPAUtagRECT@@0@Z";
static const char kSetWindowPosion[] = "?SetWindowPosion@CDispalyMultiBitmapWindow@@QAEHH@Z";
static const char kGetEditBoxText[] = "?GetEditBoxText@CBitmapEditBox@@QAEKPADH@Z";
#endif

static void CheckExports() {
    char name[160], what[240];
    sprintf(what, "exports CUIWindow::CUIWindow() as %s", kDefaultConstructor);
    CHECK(Exports(kDefaultConstructor), what);
    CHECK(Exports(kCreate), "exports CUIWindow::Create as a virtual member");
    CHECK(Exports(kGetThis), "exports static CUIWindow::GetThis");
    CHECK(Exports(kGetBitmapSize), "exports GetBitmapSize as a __cdecl C++ function");
    CHECK(ExportsStartingWith("_Z") == 0, "exports no GCC-mangled (_Z) names");
    CHECK(Exports(kGetMark), "exports the time view's part accessors (CTimeView::GetMark)");
    CHECK(Exports(kSetTab), "exports CTab::SetTab(int, DWORD)");
    CHECK(Exports(kNotifyMoving), "exports CBitmapSliderBar::NotifyMoving(RECT*, RECT*)");
    CHECK(Exports(kSetWindowPosion), "exports CDispalyMultiBitmapWindow::SetWindowPosion, spelt as hosts link it");
    CHECK(Exports(kGetEditBoxText), "exports CBitmapEditBox::GetEditBoxText(char*, int)");
    for (int i = 0; i < kClassCount; ++i) {
        sprintf(name, kDestructorFormat, kClasses[i].name);
        sprintf(what, "exports the virtual destructor %s", name);
        CHECK(Exports(name), what);
        sprintf(name, kCopyConstructorFormat, kClasses[i].name);
        sprintf(what, "exports the copy constructor %s", name);
        CHECK(Exports(name), what);
        sprintf(name, "??_7%s@@6B@", kClasses[i].name);
        sprintf(what, "exports the vftable %s", name);
        CHECK(Exports(name), what);
    }
}

// ---------------------------------------------------------------------------
// Leak measures: bytes in use on every heap of the process, windows of this
// thread (the host window's children and top-level windows), Pixorel handles.
// (Wine's GDI and USER handle counts do not tell leaks reliably.)

// With heap checking on (WINEDEBUG=warn+heap), Wine keeps the last 1024
// freed blocks of each heap unreleased to catch late writes; they still walk
// as busy, but their whole contents are the free-fill pattern 0xFEEEFEEE.
static bool FreedButPending(const PROCESS_HEAP_ENTRY& entry) {
    const DWORD* words = (const DWORD*)entry.lpData;
    SIZE_T count = entry.cbData / sizeof(DWORD);
    if (count == 0) return false;
    for (SIZE_T i = 0; i < count; ++i) {
        if (words[i] != 0xFEEEFEEE) return false;
    }
    return true;
}

// Bytes the program, the library and Wine's DLLs hold on the process's heaps.
// (Since Wine 8, GDI objects live outside these heaps: bitmaps are counted by
// Pixorel instead, regions and fonts are not seen here.)
static SIZE_T HeapBytesInUse() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    if (count > 64) count = 64;
    SIZE_T total = 0;
    for (DWORD i = 0; i < count; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry;
        entry.lpData = 0;
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) && !FreedButPending(entry)) total += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

static BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*(int*)count;
    return TRUE;
}

static int WindowCount(HWND host) {
    int count = 0;
    EnumChildWindows(host, CountWindow, (LPARAM)&count);
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, (LPARAM)&count);
    return count;
}

static bool PixorelIdle() {
    int readers = -1, bitmaps = -1;
    PixorelOpenCounts(&readers, &bitmaps);
    return readers == 0 && bitmaps == 0;
}

static void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// ---------------------------------------------------------------------------

static HINSTANCE instance;

// One life of an object: construct, Create a child window, paint, destroy the
// window, delete through the base pointer (the virtual destructor).
static bool OneLife(const ClassCase& c, HWND host, int id) {
    CUIWindow* object = c.make();
    if (!object) return false;
    int size = c.fromSkin ? -1 : 40;
    bool ok = object->Create("", WS_CHILD | WS_VISIBLE, 4, 4, size, size, instance, host, id, kTransparent,
                             0, 0, 0, SW_SHOW) == 1;
    HWND hwnd = object->GetWindowHandle();
    ok = ok && hwnd && IsWindow(hwnd) && CUIWindow::GetThis(hwnd) == object;
    if (hwnd) {
        RedrawWindow(hwnd, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
        DestroyWindow(hwnd);
        ok = ok && !IsWindow(hwnd);
    }
    delete object;
    return ok;
}

static void CheckClass(const ClassCase& c, HWND host) {
    char what[200];

    CUIWindow* object = c.make();
    int size = c.fromSkin ? -1 : 40;
    int created = object->Create("", WS_CHILD | WS_VISIBLE, 4, 4, size, size, instance, host, 21, kTransparent,
                                 0, 0, 0, SW_SHOW);
    HWND hwnd = object->GetWindowHandle();
    sprintf(what, "%s: Create returns 1 and makes a child window bound to the object", c.name);
    CHECK(created == 1 && hwnd && GetParent(hwnd) == host && CUIWindow::GetThis(hwnd) == object, what);
    sprintf(what, "%s: GetIDWindow returns the id given to Create", c.name);
    CHECK(object->GetIDWindow() == 21, what);
    RECT r = {0, 0, 0, 0};
    if (hwnd) GetWindowRect(hwnd, &r);
    int wantWidth = c.fromSkin ? kSkinWidth : 40, wantHeight = c.fromSkin ? kSkinHeight : 40;
    sprintf(what, "%s: window is %dx%d (got %ldx%ld)", c.name, wantWidth, wantHeight, r.right - r.left,
            r.bottom - r.top);
    CHECK(r.right - r.left == wantWidth && r.bottom - r.top == wantHeight, what);
    if (hwnd) {
        RedrawWindow(hwnd, 0, 0, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages();
        DestroyWindow(hwnd);
    }
    sprintf(what, "%s: DestroyWindow leaves no window and no handle in the object", c.name);
    CHECK(hwnd && !IsWindow(hwnd) && object->GetWindowHandle() == 0, what);
    delete object;

    // Leaks: a few lives first so that lazily made state (window classes,
    // fonts, Wine's caches) exists, then many more must not grow anything.
    const int kWarmUp = 40, kRounds = 200;
    bool allOk = true;
    for (int i = 0; i < kWarmUp; ++i) allOk = OneLife(c, host, 100 + i) && allOk;
    SIZE_T heapBefore = HeapBytesInUse();
    int windowsBefore = WindowCount(host);
    for (int i = 0; i < kRounds; ++i) allOk = OneLife(c, host, 200 + i) && allOk;
    PumpMessages();
    SIZE_T heapAfter = HeapBytesInUse();
    int windowsAfter = WindowCount(host);
    long growth = (long)((LONG_PTR)heapAfter - (LONG_PTR)heapBefore);

    sprintf(what, "%s: %d create/destroy rounds all succeed", c.name, kRounds);
    CHECK(allOk, what);
    sprintf(what, "%s: no windows left behind (%d before, %d after)", c.name, windowsBefore, windowsAfter);
    CHECK(windowsAfter == windowsBefore, what);
    sprintf(what, "%s: Pixorel has no reader or bitmap open afterwards", c.name);
    CHECK(PixorelIdle(), what);
    // A leak of one block of 8 bytes or more per round grows the heap by at
    // least kRounds * 8 bytes; without leaks the walk varies by a few hundred.
    sprintf(what, "%s: heap in use grows by less than %d bytes over %d rounds (grew %ld)", c.name,
            kRounds * 4, kRounds, growth);
    CHECK(growth < kRounds * 4, what);
}

// ---------------------------------------------------------------------------
// A host subclass: its overrides must be what the library's window procedure
// calls, and their results must come back as the library's rule says.

class ProbeWindow : public CUIWindow {
public:
    ProbeWindow() : CUIWindow((char*)"TESSARO MSVC PROBE"), creates(0), downs(0), ups(0), moves(0), keys(0),
                    destroys(0), handleAtDestroy(0), lastKeys(0), lastPoint(0) {}
    int OnCreate(HWND hwnd, UINT wParam, LPARAM lParam) {
        ++creates;
        return CUIWindow::OnCreate(hwnd, wParam, lParam);
    }
    int OnLButtonDown(UINT wParam, LPARAM lParam) {
        ++downs;
        lastKeys = wParam;
        lastPoint = lParam;
        return 1;
    }
    int OnLButtonUp(UINT wParam, LPARAM lParam) {
        ++ups;
        return 0;
    }
    int OnMouseMove(UINT wParam, LPARAM lParam) {
        ++moves;
        return 1;
    }
    int OnKeyDown(UINT wParam, LPARAM lParam) {
        ++keys;
        return wParam == VK_RETURN ? 1 : 0;
    }
    LRESULT OnNcHitTest(UINT wParam, LPARAM lParam) { return HTCAPTION; }
    int OnDestroy() {
        ++destroys;
        int result = CUIWindow::OnDestroy();
        handleAtDestroy = GetWindowHandle();
        return result;
    }

    int creates, downs, ups, moves, keys, destroys;
    HWND handleAtDestroy;
    UINT lastKeys;
    LPARAM lastPoint;
};

static void CheckSubclass(HWND host) {
    ProbeWindow* probe = new ProbeWindow;
    int created = probe->Create("probe", WS_CHILD | WS_VISIBLE, 0, 0, 60, 30, instance, host, 7, 0, 0, 0, 0,
                                SW_SHOW);
    HWND hwnd = probe->GetWindowHandle();
    CHECK(created == 1 && hwnd && CUIWindow::GetThis(hwnd) == probe, "subclass: Create makes a bound window");
    CHECK(probe->creates == 1, "subclass: the OnCreate override runs once during Create");

    LRESULT down = SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    CHECK(probe->downs == 1 && probe->lastKeys == MK_LBUTTON && probe->lastPoint == MAKELPARAM(5, 6),
          "subclass: WM_LBUTTONDOWN reaches the override with its wParam and lParam");
    CHECK(probe->downs == 1 && down == 0, "subclass: handler returning 1 makes the message result 0");
    LRESULT up = SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    CHECK(probe->ups == 1 && up == -1, "subclass: WM_LBUTTONUP handler returning 0 makes the result -1");
    LRESULT move = SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    CHECK(probe->moves == 1 && move == 0, "subclass: WM_MOUSEMOVE reaches the override, result 0");
    LRESULT enter = SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0);
    LRESULT other = SendMessageA(hwnd, WM_KEYDOWN, 'A', 0);
    CHECK(probe->keys == 2 && enter == 0 && other == -1, "subclass: WM_KEYDOWN results follow the handler (0 / -1)");
    LRESULT hit = SendMessageA(hwnd, WM_NCHITTEST, 0, 0);
    CHECK(hit == HTCAPTION, "subclass: WM_NCHITTEST returns the override's value itself");

    DestroyWindow(hwnd);
    CHECK(probe->destroys == 1 && probe->handleAtDestroy == 0 && probe->GetWindowHandle() == 0,
          "subclass: DestroyWindow reaches OnDestroy, whose base clears the handle");
    delete probe;
}

// ---------------------------------------------------------------------------
// The indicator views drive their parts: the frame each part shows is read
// through the protected field, which also checks that the fields sit where
// the library put them.

struct FramePeek : CBitmapWindow {
    static int Current(CBitmapWindow* w) {
        int CBitmapWindow::*field = &FramePeek::m_nCurrentID;
        return w->*field;
    }
};

// Items first..last with normal frame 100 + ID and disabled frame 200 + ID.
static void LoadItems(CMultiBitmapWindow* w, int first, int last) {
    for (int id = first; id <= last; ++id) {
        BITMAPLISTID frames = {0, 100 + id, 200 + id, -1, -1};
        w->SetBitmap(frames, (char*)"", 0, id, 0);
    }
}
static void LoadItems(CMultiBitmapButton* b, int first, int last) {
    for (int id = first; id <= last; ++id) {
        BITMAPLISTID frames = {0, 100 + id, 200 + id, 100 + id, 100 + id};
        b->SetBitmap(frames, (char*)"", 0, id, 0);
    }
}

static void CheckViews() {
    // Constructor frames 1 (normal) and 2 (disabled): the parts start enabled.
    CMultiBitmapWindow hundreds(skinPath, 1, 1, 2, SkinFont()), tens(hundreds), units(hundreds);
    LoadItems(&hundreds, 0, 9);
    LoadItems(&tens, 0, 9);
    LoadItems(&units, 0, 9);
    CChannelView channel(&hundreds, &tens, &units, 0);
    channel.SetChannel(123);
    CHECK(FramePeek::Current(&hundreds) == 101 && FramePeek::Current(&tens) == 102 &&
              FramePeek::Current(&units) == 103 && channel.GetTens() == &tens,
          "CChannelView: SetChannel(123) shows items 1, 2, 3");
    channel.SetEnable(0);
    CHECK(FramePeek::Current(&units) == 203, "CChannelView: SetEnable(0) dims the digits");
    __int64 error = 0;
    CChannelView fromFile(skinPath, 1, 1, 1);
    CHECK(fromFile.SetDecimalPosition(-5, 1, 1, 1, &error) == 0 && error == 0x0008000300020004LL,
          "CChannelView: a negative decimal position is refused with its error code");
    CHECK(fromFile.SetDecimalPosition(1, 1, 1, 1, &error) == 1 && fromFile.GetDecimalWindow(1) != 0 &&
              fromFile.GetCharacterWindow() == 0,
          "CChannelView: SetDecimalPosition makes an owned window the host reaches");

    CTimeView clock(skinPath, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2);
    LoadItems(clock.GetHourTens(), 0, 5);
    LoadItems(clock.GetHourUnits(), 1, 10);
    LoadItems(clock.GetMark(), 0, 4);
    clock.SetTime(46800);
    CHECK(FramePeek::Current(clock.GetHourTens()) == 101 && FramePeek::Current(clock.GetHourUnits()) == 104,
          "CTimeView: 13:00 without a mark window shows hours 1 and 3 (units item 4)");
    clock.SetRecTime(3600);
    CHECK(FramePeek::Current(clock.GetMark()) == 104, "CTimeView: SetRecTime shows mark 4");

    BITMAPLISTID frames = {1, 1, 1, 1, 1};
    CSensView signal(skinPath, frames, frames, frames, frames, frames, frames);
    LoadItems(signal.GetTens(), 1, 10);
    LoadItems(signal.GetUnits(), 2, 11);
    LoadItems(signal.GetUnitSign(), 3, 4);
    signal.SetEnable(0);
    CHECK(FramePeek::Current(signal.GetUnitSign()) == 203, "CSensView: decibels until a mode is chosen");
    signal.SetSensPercent(45);
    CHECK(FramePeek::Current(signal.GetTens()) == 105 && FramePeek::Current(signal.GetUnits()) == 107 &&
              FramePeek::Current(signal.GetUnitSign()) == 104,
          "CSensView: SetSensPercent(45) shows items 5, 7 and the percent sign");

    CMultiBitmapWindow target(skinPath, 1, 1, 1, SkinFont());
    LoadItems(&target, 10, 12);
    CTab tab(&target);
    tab.SetTab(10, 2);
    CHECK(FramePeek::Current(&target) == 111 && tab.GetTarget() == &target, "CTab: SetTab(10, 2) shows item 11");
}

// ---------------------------------------------------------------------------
// Sliders: positions are computed in double precision in every flavour, so
// a host of either ABI gets the same report for the same press.

struct VolumePeek : CBitmapVolume {
    static int LevelLine(CBitmapVolume* v) {
        int CBitmapVolume::*field = &VolumePeek::m_nLevelY;
        return v->*field;
    }
};

// The lParam of the WM_COMMAND waiting in the host's queue, or -1.
static LPARAM TakeReport(HWND host) {
    MSG msg;
    LPARAM last = -1;
    while (PeekMessageA(&msg, host, WM_COMMAND, WM_COMMAND, PM_REMOVE)) last = msg.lParam;
    return last;
}

static void CheckSliders(HWND host) {
    CBitmapSliderBar bar(skinPath, -1, 1, 1, 1);
    CHECK(bar.Create("", WS_CHILD | WS_VISIBLE, 0, 0, 201, 12, instance, host, 31, kTransparent, 0, 0, 0,
                     SW_SHOW) == 1,
          "CBitmapSliderBar: Create takes the size of the arguments without an outline frame");
    HWND h = bar.GetWindowHandle();
    TakeReport(host);
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(58, 5));
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(58, 5));
    CHECK(TakeReport(host) == 28, "CBitmapSliderBar: a press at 58 of 200 reports 28 (58 / 200 * 100 in double)");
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 5));
    SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    CHECK(TakeReport(host) == 100, "CBitmapSliderBar: a press beyond the end reports the slide length");
    DestroyWindow(h);

    CBitmapProgressiveSliderBar progress(skinPath, 1, 1, 1, 1, 1);
    DWORD position = 0;
    CHECK(progress.SetPosition(101) == 0 && progress.SetPosition(40) == 1 && progress.GetPosition(&position) == 1 &&
              position == 40 && progress.GetMaxLength() == 100,
          "CBitmapProgressiveSliderBar: SetPosition refuses more than the slide length and GetPosition reads back");

    CBitmapVolume volume(skinPath, 1, 1, 1);
    volume.SetVolumeInit(10, 10);
    volume.SetVolume(5);
    CHECK(VolumePeek::LevelLine(&volume) == 60, "CBitmapVolume: equal bounds give an empty level without dividing");
    volume.SetVolume(10);
    CHECK(VolumePeek::LevelLine(&volume) == 0, "CBitmapVolume: equal bounds, at the maximum: full");
}

// ---------------------------------------------------------------------------
// The scroll bar makes its arrows while it is created; the strip keeps items
// with texts cut to their field.

static int ChildCount(HWND parent) {
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

static void CheckLists(HWND host) {
    BITMAPLISTID frames = {1, 1, 1, 1, 1};
    CBitmapScrollBarButton bar(skinPath, frames, frames, frames, frames, kTransparent, 0);
    bar.SetScrollBarLength(120, 10, 0);
    CHECK(bar.Create("", WS_CHILD | WS_VISIBLE, 0, 0, 16, 120, instance, host, 41, kTransparent, 0, 0, 0,
                     SW_SHOW) == 1 &&
              ChildCount(bar.GetWindowHandle()) == 2,
          "CBitmapScrollBarButton: Create makes both arrows as children of the bar");
    CHECK(bar.SetLinesNumber(4) == 1, "CBitmapScrollBarButton: SetLinesNumber sizes the counter once the arrows exist");
    DestroyWindow(bar.GetWindowHandle());

    CDispalyMultiBitmapWindow strip(skinPath, 1, 1, 1, SkinFont(), 1, 0);
    __int64 error = 0;
    unsigned long count = 0;
    char longText[] = "a text of forty characters, far too long";
    CHECK(strip.SetBitmap(frames, longText, 0, 7, &error) == 1 && strip.SetBitmap(frames, (char*)"b", 0, 8, &error) == 1 &&
              strip.GetMaxItem(&count) == 1 && count == 2,
          "CDispalyMultiBitmapWindow: items are added, a long text is cut to its field");
    CHECK(strip.SetWindowPosion(1) == 1 && strip.SetWindowPosion(2) == 0,
          "CDispalyMultiBitmapWindow: a step of 0 scrolls as 1 and an index past the items is refused");

    CBitmapEditBox edit(skinPath, -1, 1, 1, SkinFont(), RGB(0, 0, 0), DT_LEFT | DT_SINGLELINE);
    char text[16] = {0};
    CHECK(edit.GetEditBoxText(text, sizeof text) == 0, "CBitmapEditBox: no text before the box has a window");
    CHECK(edit.Create("", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, instance, host, 42, kTransparent, 0, 0, 0,
                      SW_SHOW) == 1,
          "CBitmapEditBox: Create");
    SendMessageA(edit.GetWindowHandle(), WM_SETFOCUS, 0, 0);
    const char typed[] = "Hi \xE9";
    for (const char* c = typed; *c; ++c) SendMessageA(edit.GetWindowHandle(), WM_CHAR, (BYTE)*c, 0);
    CHECK(edit.GetEditBoxText(text, sizeof text) == 4 && memcmp(text, typed, 4) == 0,
          "CBitmapEditBox: typed text, an ANSI character above 0x7F included, reads back exactly");
    SendMessageA(edit.GetWindowHandle(), WM_KILLFOCUS, 0, 0);
    DestroyWindow(edit.GetWindowHandle());
}

// ---------------------------------------------------------------------------

// A fault ends the program at once with its code and address, instead of a
// debugger waiting for someone.
static LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    printf("crash: exception 0x%08lx at %p\n", exception->ExceptionRecord->ExceptionCode,
           exception->ExceptionRecord->ExceptionAddress);
    fflush(0);
    TerminateProcess(GetCurrentProcess(), 101);
    return EXCEPTION_EXECUTE_HANDLER;
}

int main(int, char**) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    instance = GetModuleHandleA(0);
    CHECK(staticConstructed == 1, "the program's static objects are constructed before main");
    CHECK(WriteSkin(), "writes a one-image BMP skin to the temporary folder");

    CheckExports();
    CheckViews();

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "TessaroMsvcHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "TessaroMsvcHost", "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, 0, 0,
                                instance, 0);
    CHECK(host != 0, "creates the host's parent window");
    ShowWindow(host, SW_SHOWNOACTIVATE);
    PumpMessages();

    CheckSubclass(host);
    CheckSliders(host);
    CheckLists(host);
    for (int i = 0; i < kClassCount; ++i) CheckClass(kClasses[i], host);
    CHECK(PixorelIdle(), "no Pixorel reader or bitmap is open at the end");

    DestroyWindow(host);
    DeleteFileA(skinPath);
    printf("%d passed, %d failed\n", passed, failed);
    fflush(0);  // all streams: Wine's headers reach stdout through a UCRT-only import
    return failed > 100 ? 100 : failed;
}
