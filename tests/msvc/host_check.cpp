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
    {"CFrameWindow", []() -> CUIWindow* {
         return new CFrameWindow(skinPath, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
     }, false},
    {"CPopUpWindow", []() -> CUIWindow* { return new CPopUpWindow(skinPath, 1, 1, 1, 9); }, true},
    {"CWheelWindow", []() -> CUIWindow* { return new CWheelWindow(skinPath); }, false},
    {"CComboBoxBitmap", []() -> CUIWindow* {
         BITMAPLISTID frames = {1, 1, 1, 1, 1};
         return new CComboBoxBitmap(skinPath, frames, frames, frames, frames, frames, frames, frames, SkinFont(),
                                    kTransparent);
     }, false},
    {"CListeBitmap", []() -> CUIWindow* {
         BITMAPLISTID frames = {1, 1, 1, 1, 1};
         return new CListeBitmap(skinPath, frames, frames, frames, frames, frames, frames, frames, frames, frames,
                                 frames, SkinFont());
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
static const char kAddChildWindow[] =
    "?AddChildWindow@CFrameWindow@@QEAAHPEAVCBitmapWindow@@W4tagFIDUCIAL_POINT@@HH@Z";
static const char kResizingClient[] = "?ResizingClient@CFrameWindow@@QEAAHPEAUHWND__@@_J@Z";
static const char kGetChildWindow[] = "?GetChildWindow@CPopUpWindow@@QEAAHPEAPEAUHWND__@@H@Z";
static const char kWheelCreate[] =
    "?Create@CWheelWindow@@UEAAHPEBDKHHHHPEAUHINSTANCE__@@PEAUHWND__@@W4tagWindow_Pos@@JKPEAUHICON__@@44H@Z";
static const char kSetTabButtonItem[] = "?SetTabButtonItem@CWheelWindow@@QEAAHHHHHHHHPEA_J@Z";
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
static const char kAddChildWindow[] = "?AddChildWindow@CFrameWindow@@QAEHPAVCBitmapWindow@@W4tagFIDUCIAL_POINT@@HH@Z";
static const char kResizingClient[] = "?ResizingClient@CFrameWindow@@QAEHPAUHWND__@@J@Z";
static const char kGetChildWindow[] = "?GetChildWindow@CPopUpWindow@@QAEHPAPAUHWND__@@H@Z";
static const char kWheelCreate[] =
    "?Create@CWheelWindow@@UAEHPBDKHHHHPAUHINSTANCE__@@PAUHWND__@@W4tagWindow_Pos@@JKPAUHICON__@@44H@Z";
static const char kSetTabButtonItem[] = "?SetTabButtonItem@CWheelWindow@@QAEHHHHHHHHPA_J@Z";
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
    CHECK(Exports(kAddChildWindow), "exports CFrameWindow::AddChildWindow with its FIDUCIAL_POINT enum");
    CHECK(Exports(kResizingClient), "exports CFrameWindow::ResizingClient with a pointer-wide message argument");
    CHECK(Exports(kGetChildWindow), "exports CPopUpWindow::GetChildWindow(HWND*, int)");
    CHECK(Exports(kWheelCreate), "exports CWheelWindow::Create with its Window_Pos enum, as a virtual member");
    CHECK(Exports(kSetTabButtonItem), "exports CWheelWindow::SetTabButtonItem with a 64-bit error slot");
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
// Frames and pop-ups: the thirteen-index frame and the movable pop-up, with
// their notify registries. Fields are read through derived classes, which
// also checks that they sit where the library put them (a CRITICAL_SECTION
// and pointer-wide fields among them).

struct FrameFields : CFrameWindow {
    static int Index(CFrameWindow* f, int which) {
        int CFrameWindow::*const fields[13] = {
            &FrameFields::m_nTopLeftMaskID,    &FrameFields::m_nTopLeftID,     &FrameFields::m_nTopEdgeID,
            &FrameFields::m_nTopRightMaskID,   &FrameFields::m_nTopRightID,    &FrameFields::m_nRightEdgeID,
            &FrameFields::m_nBottomRightMaskID, &FrameFields::m_nBottomRightID, &FrameFields::m_nBottomEdgeID,
            &FrameFields::m_nBottomLeftMaskID, &FrameFields::m_nBottomLeftID,  &FrameFields::m_nLeftEdgeID,
            &FrameFields::m_nTitleBarID};
        return f->*fields[which];
    }
    static const char* File(CFrameWindow* f) {
        char(CFrameWindow::*field)[260] = &FrameFields::m_szBitmapFile;
        return f->*field;
    }
    static UINT ChildCount(CFrameWindow* f) {
        UINT CFrameWindow::*field = &FrameFields::m_nChildCount;
        return f->*field;
    }
    static UINT NotifyCount(CFrameWindow* f) {
        UINT CFrameWindow::*field = &FrameFields::m_nNotifyCount;
        return f->*field;
    }
    static HWND NotifyWindow(CFrameWindow* f) {
        HWND CFrameWindow::*field = &FrameFields::m_hNotifyWnd;
        return f->*field;
    }
    static COLORREF Transparent(CFrameWindow* f) {
        COLORREF CFrameWindow::*field = &FrameFields::m_crTransparent;
        return f->*field;
    }
    static int SizeState(CFrameWindow* f) {
        int CFrameWindow::*field = &FrameFields::m_nSizeState;
        return f->*field;
    }
};

struct PopUpFields : CPopUpWindow {
    static int PopupId(CPopUpWindow* p) {
        int CPopUpWindow::*field = &PopUpFields::m_nPopupID;
        return p->*field;
    }
    static UINT NotifyCount(CPopUpWindow* p) {
        UINT CPopUpWindow::*field = &PopUpFields::m_nNotifyCount;
        return p->*field;
    }
    static DWORD NotifyData(CPopUpWindow* p) {
        DWORD CPopUpWindow::*field = &PopUpFields::m_dwNotifyData;
        return p->*field;
    }
};

// The notify window and owner of the checks below: keeps the last forwarded
// record and the last WM_MOVING report, and answers WM_COPYDATA as told.
struct NotifyLog {
    int copies;
    HWND source;
    ULONG_PTR data;
    DWORD size;
    FORWARDEDMESSAGE record;
    LRESULT answer;
    int movings;
    WPARAM movingId;
    RECT movingRect;
};
static NotifyLog notifyLog;

static LRESULT CALLBACK NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        const COPYDATASTRUCT* copy = (const COPYDATASTRUCT*)lParam;
        ++notifyLog.copies;
        notifyLog.source = (HWND)wParam;
        notifyLog.data = copy->dwData;
        notifyLog.size = copy->cbData;
        if (copy->cbData == sizeof(FORWARDEDMESSAGE)) memcpy(&notifyLog.record, copy->lpData, sizeof notifyLog.record);
        return notifyLog.answer;
    }
    if (msg == WM_MOVING) {
        ++notifyLog.movings;
        notifyLog.movingId = wParam;
        notifyLog.movingRect = *(const RECT*)lParam;
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static void ClearNotifyLog(LRESULT answer) {
    memset(&notifyLog, 0, sizeof notifyLog);
    notifyLog.answer = answer;
}

// A host frame: its overrides of the frame's own virtual functions (the
// three it appends to the table among them) must be what the library calls.
class HostFrame : public CFrameWindow {
public:
    HostFrame() : CFrameWindow(skinPath, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1), sizes(0), sizings(0), downs(0) {}
    int OnSize(UINT type, LPARAM size) {
        ++sizes;
        return CFrameWindow::OnSize(type, size);
    }
    int OnSizing(UINT edge, LPARAM rect) {
        ++sizings;
        return CFrameWindow::OnSizing(edge, rect);
    }
    int OnLButtonDown(UINT wParam, LPARAM lParam) {
        ++downs;
        return 1;
    }
    int sizes, sizings, downs;
};

// A pointer-wide lParam in the 64-bit flavour: a forwarded record carries it whole.
#ifdef _WIN64
static const LPARAM kWideLParam = (LPARAM)0x123456789ABCLL;
#else
static const LPARAM kWideLParam = 0x9ABC;
#endif

static void CheckFrames(HWND host, HWND notify) {
    char what[200];
    CFrameWindow numbered(skinPath, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113);
    bool inOrder = true;
    for (int i = 0; i < 13; ++i) inOrder = inOrder && FrameFields::Index(&numbered, i) == 101 + i;
    CHECK(inOrder && strcmp(FrameFields::File(&numbered), skinPath) == 0 && numbered.GetType() == 2 &&
              FrameFields::ChildCount(&numbered) == 0 && FrameFields::NotifyCount(&numbered) == 0 &&
              FrameFields::NotifyWindow(&numbered) == 0 && FrameFields::SizeState(&numbered) == 0,
          "CFrameWindow: the thirteen indices and the path sit in their fields, the rest empty, type 2");
    CFrameWindow plain;
    CHECK(plain.GetType() == 2 && FrameFields::Index(&plain, 12) == 0 && FrameFields::File(&plain)[0] == 0,
          "CFrameWindow(): type 2, no path, no indices");
    char longPath[300];
    memset(longPath, 'a', sizeof longPath - 1);
    longPath[sizeof longPath - 1] = 0;
    CFrameWindow refused(longPath, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
    CHECK(FrameFields::File(&refused)[0] == 0, "CFrameWindow: a path that does not fit 260 bytes is refused");

    CFrameWindow copy(numbered);
    copy.RegisterNotifyMessage(WM_APP);
    CHECK(FrameFields::Index(&copy, 12) == 113 && copy.GetWindowHandle() == 0 &&
              FrameFields::NotifyCount(&copy) == 1 && FrameFields::NotifyCount(&numbered) == 0,
          "CFrameWindow: a copy has the indices, no window and a registry of its own");
    plain = numbered;
    CHECK(FrameFields::Index(&plain, 0) == 101 && strcmp(FrameFields::File(&plain), skinPath) == 0,
          "CFrameWindow: assignment copies the indices and the path");

    // The class-name constructor, created as a top-level frame smaller than
    // its minimum size (32 x 36 with this skin's 16 x 12 pieces).
    CFrameWindow* named = new CFrameWindow((char*)"TESSARO MSVC FRAME", skinPath, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                           1, 1, 1);
    CUIWindow* base = named;
    int created = base->Create("frame", WS_POPUP, 300, 300, 20, 20, instance, 0, 0, kTransparent, 0, 0, 0,
                               SW_SHOWNOACTIVATE);
    HWND hwnd = named->GetWindowHandle();
    char className[64] = "";
    if (hwnd) GetClassNameA(hwnd, className, sizeof className);
    RECT r = {0, 0, 0, 0};
    if (hwnd) GetWindowRect(hwnd, &r);
    sprintf(what, "CFrameWindow: Create through the base pointer makes a %s window of 32 x 36 at (300, 300) "
                  "(got %ldx%ld at (%ld, %ld))",
            className, r.right - r.left, r.bottom - r.top, r.left, r.top);
    CHECK(created == 1 && hwnd && CUIWindow::GetThis(hwnd) == named && strcmp(className, "TESSARO MSVC FRAME") == 0 &&
              r.left == 300 && r.top == 300 && r.right - r.left == 32 && r.bottom - r.top == 36 &&
              FrameFields::Transparent(named) == kTransparent,
          what);
    if (hwnd) DestroyWindow(hwnd);
    CHECK(hwnd && !IsWindow(hwnd) && named->GetWindowHandle() == 0, "CFrameWindow: DestroyWindow ends the frame");
    delete base;  // the virtual destructor

    // The host's own frame, 200 x 150.
    HostFrame* frame = new HostFrame;
    frame->Create("frame", WS_POPUP, 300, 300, 200, 150, instance, 0, 0, kTransparent, 0, 0, 0, SW_SHOWNOACTIVATE);
    hwnd = frame->GetWindowHandle();
    PumpMessages();
    RECT inner = {0, 0, 0, 0};
    CHECK(frame->GetClientRect(&inner) == 1 && inner.left == 16 && inner.top == 24 && inner.right == 184 &&
              inner.bottom == 138 && frame->GetClientRect(0) == 0,
          "CFrameWindow: GetClientRect (an appended virtual) gives the inner rectangle");
    CHECK(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(400, 318)) == HTCAPTION &&
              SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(400, 380)) == HTCLIENT &&
              SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(305, 305)) == HTTOPLEFT &&
              SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(300, 300)) == HTERROR,
          "CFrameWindow: WM_NCHITTEST: title bar, inner area, a drawn and a cut corner pixel");
    int sizesBefore = frame->sizes;
    MoveWindow(hwnd, 300, 300, 220, 150, TRUE);
    // 60 x 50 proposed: an inner area of 28 x 14, whose proportions it keeps.
    RECT proposed = {300, 300, 360, 350};
    LRESULT sizing = SendMessageA(hwnd, WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)&proposed);
    sprintf(what, "CFrameWindow: WM_SIZE and WM_SIZING reach the host's overrides (proposal kept: %ldx%ld)",
            proposed.right - proposed.left, proposed.bottom - proposed.top);
    CHECK(frame->sizes > sizesBefore && frame->sizings == 1 && sizing == 1 && proposed.left == 300 &&
              proposed.top == 300 && proposed.right == 360 && proposed.bottom == 350,
          what);

    // Anchored children: the top band is 24 high (top edge and title bar),
    // the left band 16 wide; the children are 16 x 12.
    CBitmapWindow* child = new CBitmapWindow(skinPath, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
    CBitmapWindow* below = new CBitmapWindow(skinPath, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
    child->Create("", WS_CHILD | WS_VISIBLE, 0, 0, -1, -1, instance, host, 61, kTransparent, 0, 0, 0, SW_SHOW);
    below->Create("", WS_CHILD | WS_VISIBLE, 0, 0, -1, -1, instance, host, 62, kTransparent, 0, 0, 0, SW_SHOW);
    CHECK(frame->AddChildWindow(child, FP_TOPRIGHT, 5, 2) == 0 &&
              frame->AddChildWindow(child, (FIDUCIAL_POINT)8, -20, 2) == 0 && FrameFields::ChildCount(frame) == 0,
          "CFrameWindow: AddChildWindow refuses a child outside its band and an anchor past FP_LEFT");
    int addedTopRight = frame->AddChildWindow(child, FP_TOPRIGHT, -20, 2);
    int addedLeft = frame->AddChildWindow(below, FP_LEFT, 0, -6);
    MoveWindow(hwnd, 300, 300, 260, 160, TRUE);
    PumpMessages();
    RECT childRect = {0, 0, 0, 0}, belowRect = {0, 0, 0, 0};
    GetWindowRect(child->GetWindowHandle(), &childRect);
    GetWindowRect(below->GetWindowHandle(), &belowRect);
    sprintf(what, "CFrameWindow: children at FP_TOPRIGHT and FP_LEFT follow a resize to 260 x 160 "
                  "(at (%ld, %ld) and (%ld, %ld))",
            childRect.left - 300, childRect.top - 300, belowRect.left - 300, belowRect.top - 300);
    CHECK(addedTopRight == 1 && addedLeft == 1 && FrameFields::ChildCount(frame) == 2 &&
              GetParent(child->GetWindowHandle()) == hwnd && childRect.left == 300 + 240 && childRect.top == 302 &&
              belowRect.left == 300 && belowRect.top == 300 + 80 - 6,
          what);

    // One registered message forwarded to the notify window, then swallowed
    // or handled as the notify window answers.
    frame->SetNotifyWindow(notify, 42);
    CHECK(frame->RegisterNotifyMessage(WM_APP + 3) == 1 && frame->RegisterNotifyMessage(WM_LBUTTONDOWN) == 1 &&
              FrameFields::NotifyCount(frame) == 2 && FrameFields::NotifyWindow(frame) == notify,
          "CFrameWindow: SetNotifyWindow and RegisterNotifyMessage fill the registry");
    ClearNotifyLog(1);
    LRESULT result = SendMessageA(hwnd, WM_APP + 3, 0x5678, kWideLParam);
    sprintf(what, "CFrameWindow: a registered message reaches the notify window whole in a %d-byte record",
            (int)sizeof(FORWARDEDMESSAGE));
    CHECK(notifyLog.copies == 1 && notifyLog.source == hwnd && notifyLog.data == 42 &&
              notifyLog.size == sizeof(FORWARDEDMESSAGE) && notifyLog.record.message == WM_APP + 3 &&
              notifyLog.record.wParam == 0x5678 && notifyLog.record.lParam == kWideLParam && result == 0,
          what);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 80));
    int swallowed = frame->downs;
    notifyLog.answer = 0;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 80));
    CHECK(swallowed == 0 && frame->downs == 1 && notifyLog.copies == 3,
          "CFrameWindow: the notify window's answer 1 swallows a click, 0 lets the host's handler have it");
    ClearNotifyLog(1);
    CHECK(frame->UnregisterNotifyMessage(WM_APP + 3) == 1 && frame->UnregisterNotifyMessage(WM_APP + 3) == 0,
          "CFrameWindow: UnregisterNotifyMessage removes the entry once");
    SendMessageA(hwnd, WM_APP + 3, 0, 0);
    CHECK(notifyLog.copies == 0, "CFrameWindow: an unregistered message is not forwarded");

    DestroyWindow(hwnd);
    CHECK(!IsWindow(hwnd) && frame->GetWindowHandle() == 0 && FrameFields::ChildCount(frame) == 0 &&
              child->GetWindowHandle() == 0 && below->GetWindowHandle() == 0,
          "CFrameWindow: destroying the frame drops the child records and ends the children's windows");
    delete frame;
    delete child;  // the objects stay the host's to delete
    delete below;
}

static void CheckPopUps(HWND notify) {
    char what[200];
    CPopUpWindow bare(0);
    CPopUpWindow numbered(skinPath, 1, 1, 1, 9);
    CHECK(bare.GetPopWinMove() == 1 && PopUpFields::PopupId(&bare) == 0 && PopUpFields::PopupId(&numbered) == 9 &&
              numbered.GetType() == 3 && PopUpFields::NotifyCount(&numbered) == 0,
          "CPopUpWindow: movable from construction, its ID in place, type 3");
    numbered.SetPopWinMove(7);
    CPopUpWindow copy(numbered);
    copy.SetNotifyWindow(notify, 5);
    copy.RegisterNotifyMessage(WM_APP);
    CHECK(numbered.GetPopWinMove() == 7 && copy.GetPopWinMove() == 7 && PopUpFields::PopupId(&copy) == 9 &&
              copy.GetWindowHandle() == 0 && PopUpFields::NotifyCount(&copy) == 1 &&
              PopUpFields::NotifyCount(&numbered) == 0 && PopUpFields::NotifyData(&copy) == 5,
          "CPopUpWindow: SetPopWinMove(7) reads back 7; a copy has a registry of its own");

    CPopUpWindow* popup = new CPopUpWindow((char*)"TESSARO MSVC POPUP", skinPath, 1, 1, 1, 9);
    CBitmapWindow* base = popup;
    int created = base->Create("", WS_CHILD | WS_VISIBLE, 10, 10, -1, -1, instance, notify, 71, kTransparent, 0,
                               0, 0, SW_SHOW);
    HWND hwnd = popup->GetWindowHandle();
    char className[64] = "";
    if (hwnd) GetClassNameA(hwnd, className, sizeof className);
    CHECK(created == 1 && hwnd && strcmp(className, "TESSARO MSVC POPUP") == 0 && CUIWindow::GetThis(hwnd) == popup,
          "CPopUpWindow: Create through the base pointer makes a window of the class named");
    CHECK(SendMessageA(hwnd, WM_NCHITTEST, 0, 0) == HTCAPTION, "CPopUpWindow: a movable pop-up is a caption");
    ClearNotifyLog(1);
    RECT place = {0, 0, 0, 0}, proposed = {1, 2, 3, 4};
    GetWindowRect(hwnd, &place);
    SendMessageA(hwnd, WM_MOVING, 0, (LPARAM)&proposed);
    CHECK(notifyLog.movings == 1 && notifyLog.movingId == 9 && EqualRect(&notifyLog.movingRect, &place) &&
              proposed.left == 1 && proposed.bottom == 4,
          "CPopUpWindow: WM_MOVING reports its ID and current rectangle to the owner");
    popup->SetPopWinMove(0);
    ClearNotifyLog(1);
    SendMessageA(hwnd, WM_MOVING, 0, (LPARAM)&proposed);
    CHECK(SendMessageA(hwnd, WM_NCHITTEST, 0, 0) == HTCLIENT && notifyLog.movings == 0,
          "CPopUpWindow: a fixed pop-up is client area and reports no move");

    // A control two levels down, found by its ID.
    CBitmapWindow* inner = new CBitmapWindow(skinPath, 1, 1, 1, SkinFont(), kText, RGB(0, 0, 0), kFormat);
    inner->Create("", WS_CHILD | WS_VISIBLE, 0, 0, -1, -1, instance, hwnd, 72, kTransparent, 0, 0, 0, SW_SHOW);
    HWND deep = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 4, 4, inner->GetWindowHandle(),
                                (HMENU)(INT_PTR)73, instance, 0);
    HWND found = (HWND)(INT_PTR)1, missing = (HWND)(INT_PTR)1;
    CHECK(popup->GetChildWindow(&found, 73) == 1 && found == deep && popup->GetChildWindow(&missing, 99) == 0 &&
              missing == 0,
          "CPopUpWindow: GetChildWindow finds a control two levels down, and nothing for an unknown ID");

    popup->SetNotifyWindow(notify, 43);
    popup->RegisterNotifyMessage(WM_APP + 4);
    ClearNotifyLog(1);
    SendMessageA(hwnd, WM_APP + 4, 0x77, kWideLParam);
    sprintf(what, "CPopUpWindow: a registered message reaches the notify window whole in a %d-byte record",
            (int)sizeof(FORWARDEDMESSAGE));
    CHECK(notifyLog.copies == 1 && notifyLog.source == hwnd && notifyLog.data == 43 &&
              notifyLog.size == sizeof(FORWARDEDMESSAGE) && notifyLog.record.message == WM_APP + 4 &&
              notifyLog.record.wParam == 0x77 && notifyLog.record.lParam == kWideLParam,
          what);
    CHECK(popup->UnregisterNotifyMessage(WM_APP + 4) == 1 && PopUpFields::NotifyCount(popup) == 0,
          "CPopUpWindow: UnregisterNotifyMessage empties the registry");

    DestroyWindow(hwnd);
    CHECK(!IsWindow(hwnd) && !IsWindow(deep) && popup->GetWindowHandle() == 0,
          "CPopUpWindow: DestroyWindow ends the pop-up and what it holds");
    delete inner;
    delete base;  // the virtual destructor
}

// ---------------------------------------------------------------------------
// The tab wheel: its layout read through a derived class, and a click on a
// side tab that turns it and reports to the parent.

struct WheelFields : CWheelWindow {
    static UINT SlotCount(CWheelWindow* w) {
        UINT CWheelWindow::*field = &WheelFields::m_nSlotCount;
        return w->*field;
    }
    static WHEELSLOT* Slots(CWheelWindow* w) {
        WHEELSLOT* CWheelWindow::*field = &WheelFields::m_pSlots;
        return w->*field;
    }
    static int Centre(CWheelWindow* w) {
        int CWheelWindow::*field = &WheelFields::m_nCentre;
        return w->*field;
    }
    static UINT ItemCount(CWheelWindow* w) {
        UINT CWheelWindow::*field = &WheelFields::m_nItemCount;
        return w->*field;
    }
};

struct WheelReports {
    int count;
    WPARAM wParam;
    LPARAM lParam;
};
static WheelReports wheelReports;

static LRESULT CALLBACK WheelParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        ++wheelReports.count;
        wheelReports.wParam = wParam;
        wheelReports.lParam = lParam;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static void CheckWheel() {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = WheelParentProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TessaroMsvcWheelParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, "TessaroMsvcWheelParent", "", WS_POPUP, 0, 420, 260, 40, 0, 0, instance, 0);
    ShowWindow(parent, SW_SHOWNOACTIVATE);

    // Six tabs of 40x20 in a 240-pixel wheel: the middle one at x 100 and
    // one on each side (six tabs leave room for one).
    CWheelWindow* wheel = new CWheelWindow(skinPath);
    __int64 error = 0;
    bool added = true;
    for (int id = 0; id < 6; ++id) added = wheel->SetTabButtonItem(id, 40, 20, 0, 1, 1, 0, &error) == 1 && added;
    CHECK(added && error == 0 && wheel->SetTabButtonItem(3, 99, 99, 0, 1, 1, 0, &error) == 1 &&
              WheelFields::ItemCount(wheel) == 6 && wheel->SetTabButtonItem(9, 0, 20, 0, 1, 1, 0, &error) == 0,
          "CWheelWindow: six tabs added, a known ID kept, a tab without width refused");
    wheel->SetTabTextItem(0, 2, 2, 0, 0, 4, RGB(255, 255, 255), "News");
    wheel->SetTab(0, SLOT_RIGHT);
    int created = wheel->Create("", WS_CHILD | WS_VISIBLE, 10, 10, 240, 20, instance, parent, WP_HORIZONTAL, 31, 0,
                                0, 0, 0, SW_SHOW);
    HWND hwnd = wheel->GetWindowHandle();
    PumpMessages();
    WHEELSLOT* slots = WheelFields::Slots(wheel);
    CHECK(created == 1 && hwnd && GetParent(hwnd) == parent && WheelFields::Centre(wheel) == 120 &&
              WheelFields::SlotCount(wheel) == 3 && slots && slots[0].nKind == SLOT_CENTRE && slots[0].x == 100 &&
              slots[1].nKind == SLOT_RIGHT && slots[1].x == 140 && slots[2].nKind == SLOT_LEFT && slots[2].x == 60,
          "CWheelWindow: Create (Window_Pos) lays out the middle slot at 100, right at 140, left at 60");

    // A click on the right tab: tab 1 becomes current and the parent hears of it.
    memset(&wheelReports, 0, sizeof wheelReports);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
    PumpMessages();
    CHECK(wheelReports.count == 1 && wheelReports.wParam == 31 && wheelReports.lParam == 1,
          "CWheelWindow: a click on the right tab posts WM_COMMAND (wheel ID, tab 1) to the parent");
    // From tab 1, the left tab is tab 0 again.
    memset(&wheelReports, 0, sizeof wheelReports);
    wheel->SetTab(1, SLOT_RIGHT);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(70, 5));
    PumpMessages();
    CHECK(wheelReports.count == 1 && wheelReports.wParam == 31 && wheelReports.lParam == 0,
          "CWheelWindow: a click on the left tab turns back to tab 0 and reports it");

    DestroyWindow(hwnd);
    CHECK(!IsWindow(hwnd) && wheel->GetWindowHandle() == 0, "CWheelWindow: DestroyWindow ends the wheel");
    CUIWindow* base = wheel;
    delete base;  // the virtual destructor frees the tabs and the layout
    DestroyWindow(parent);
}

// ---------------------------------------------------------------------------
// The combo box and the list control, driven as a host drives them.

#if defined(_M_X64)
static const char kComboCreate[] =
    "?Create@CComboBoxBitmap@@UEAAHPEBDKHHHHHHPEAUHINSTANCE__@@PEAUHWND__@@JKPEAUHICON__@@33H@Z";
static const char kComboSetItems[] = "?SetItems@CComboBoxBitmap@@QEAAHUtagBITMAPLISTID@@PEADKHPEA_J@Z";
static const char kSetColumn[] = "?SetBitmapCloumBitmapItem@CListeBitmap@@QEAAHHUtagBITMAPLISTID@@PEADK0PEA_J@Z";
static const char kRemoveColumn[] = "?RemoveCloumBitmapItem@CListeBitmap@@QEAAHHPEA_J@Z";
#else
static const char kComboCreate[] =
    "?Create@CComboBoxBitmap@@UAEHPBDKHHHHHHPAUHINSTANCE__@@PAUHWND__@@JKPAUHICON__@@33H@Z";
static const char kComboSetItems[] = "?SetItems@CComboBoxBitmap@@QAEHUtagBITMAPLISTID@@PADKHPA_J@Z";
static const char kSetColumn[] = "?SetBitmapCloumBitmapItem@CListeBitmap@@QAEHHUtagBITMAPLISTID@@PADK0PA_J@Z";
static const char kRemoveColumn[] = "?RemoveCloumBitmapItem@CListeBitmap@@QAEHHPA_J@Z";
#endif

// The protected fields a host subclass reads.
struct ComboFields : CComboBoxBitmap {
    static CBitmapButton* Button(CComboBoxBitmap* c) {
        CBitmapButton* CComboBoxBitmap::*field = &ComboFields::m_pButton;
        return c->*field;
    }
    static CDispalyMultiBitmapWindow* List(CComboBoxBitmap* c) {
        CDispalyMultiBitmapWindow* CComboBoxBitmap::*field = &ComboFields::m_pList;
        return c->*field;
    }
    static unsigned int Lines(CComboBoxBitmap* c) {
        unsigned int CComboBoxBitmap::*field = &ComboFields::m_nLines;
        return c->*field;
    }
    static int Dropped(CComboBoxBitmap* c) {
        int CComboBoxBitmap::*field = &ComboFields::m_bDropped;
        return c->*field;
    }
    static int ActiveItem(CComboBoxBitmap* c) {
        int CComboBoxBitmap::*field = &ComboFields::m_nActiveItemID;
        return c->*field;
    }
};

struct ListFields : CListeBitmap {
    static int Columns(CListeBitmap* l) {
        int CListeBitmap::*field = &ListFields::m_nRowWindows;
        return l->*field;
    }
    static ROWWINDOW* Column(CListeBitmap* l, int index) {
        ROWWINDOW* CListeBitmap::*field = &ListFields::m_pRowWindows;
        return l->*field + index;
    }
    static int NextChildID(CListeBitmap* l) {
        int CListeBitmap::*field = &ListFields::m_nNextChildID;
        return l->*field;
    }
    static unsigned int VLines(CListeBitmap* l) {
        unsigned int CListeBitmap::*field = &ListFields::m_nVLines;
        return l->*field;
    }
};

static WheelReports tableReports;

static LRESULT CALLBACK TableParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        ++tableReports.count;
        tableReports.wParam = wParam;
        tableReports.lParam = lParam;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static void ClickAt(HWND hwnd, int x, int y) {
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

static int WindowHeight(HWND hwnd) {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

static void CheckTables() {
    CHECK(Exports(kComboCreate), "exports CComboBoxBitmap::Create with the list's size, as a virtual member");
    CHECK(Exports(kComboSetItems), "exports CComboBoxBitmap::SetItems(BITMAPLISTID, char*, DWORD, int, __int64*)");
    CHECK(Exports(kSetColumn), "exports CListeBitmap::SetBitmapCloumBitmapItem, spelt as hosts link it");
    CHECK(Exports(kRemoveColumn), "exports CListeBitmap::RemoveCloumBitmapItem(int, __int64*)");

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = TableParentProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TessaroMsvcTableParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, "TessaroMsvcTableParent", "", WS_POPUP, 300, 420, 200, 100, 0, 0, instance, 0);
    ShowWindow(parent, SW_SHOWNOACTIVATE);

    // Combo box: every part is the skin's 16x12 image, so the closed box is
    // 32x12; its list is 16x24 (two items in view).
    BITMAPLISTID frames = {1, 1, 1, 1, 1};
    CComboBoxBitmap* combo = new CComboBoxBitmap(skinPath, frames, frames, frames, frames, frames, frames, frames,
                                                 SkinFont(), kTransparent);
    int created = combo->Create("", WS_CHILD | WS_VISIBLE, 0, 0, -1, -1, 16, 24, instance, parent, 41,
                                kTransparent, 0, 0, 0, SW_SHOW);
    HWND box = combo->GetWindowHandle();
    __int64 error = 0;
    for (int id = 1; id <= 3; ++id) combo->SetItems(frames, (char*)"Item", RGB(255, 255, 255), id, &error);
    PumpMessages();
    CHECK(created == 1 && box && GetParent(box) == parent && WindowHeight(box) == 12 &&
              ComboFields::Lines(combo) == 1 && error == 0,
          "CComboBoxBitmap: Create (16 arguments) sizes the box from its faces; a third item adds a line");

    memset(&tableReports, 0, sizeof tableReports);
    // The button's report (a button reports a release only while it tracks
    // the pointer over itself, which a message sent from here cannot give).
    PostMessageA(box, WM_COMMAND, (WPARAM)ComboFields::Button(combo)->GetIDWindow(), 0);
    PumpMessages();
    CHECK(ComboFields::Dropped(combo) == 1 && WindowHeight(box) == 12 + 24 - 1 && tableReports.count == 0,
          "CComboBoxBitmap: the button's report unrolls the list (the box grows by its height less one), no report");
    ClickAt(ComboFields::List(combo)->GetWindowHandle(), 4, 12 + 4);   // the second item
    CHECK(tableReports.count == 1 && tableReports.wParam == 41 && tableReports.lParam == 2 &&
              ComboFields::ActiveItem(combo) == 2 && ComboFields::Dropped(combo) == 0 && WindowHeight(box) == 12,
          "CComboBoxBitmap: choosing item 2 posts WM_COMMAND (box ID, 2) and rolls the list up");
    DestroyWindow(box);
    CUIWindow* base = combo;
    delete base;

    // List control: the vertical bar's outline is 16x12 and the header 12
    // high, so the columns sit at (16, 12) and (32, 12), one 12-pixel row in
    // view.
    CListeBitmap* list = new CListeBitmap(skinPath, frames, frames, frames, frames, frames, frames, frames, frames,
                                          frames, frames, SkinFont());
    list->SetBitmapCloumBitmapItem(0, frames, (char*)"A", RGB(255, 255, 255), frames, &error);
    created = list->Create("", WS_CHILD | WS_VISIBLE, 0, 20, 60, 40, instance, parent, 42, kTransparent, 0, 0, 0,
                           SW_SHOW);
    int added = list->SetBitmapCloumBitmapItem(1, frames, (char*)"B", RGB(255, 255, 255), frames, &error);
    for (int row = 5; row <= 6; ++row)
        for (int column = 0; column < 2; ++column)
            list->SetRowBitmapItem(row, column, frames, (char*)"cell", RGB(255, 255, 255), &error);
    PumpMessages();
    CHECK(created == 1 && added == 1 && ListFields::Columns(list) == 2 && ListFields::Column(list, 0)->nX == 16 &&
              ListFields::Column(list, 0)->nY == 12 && ListFields::Column(list, 1)->nX == 32 &&
              ListFields::NextChildID(list) == 6 && ListFields::VLines(list) == 1,
          "CListeBitmap: columns at (16, 12) and (32, 12), windows 4 and 5, a line for the row that does not fit");

    memset(&tableReports, 0, sizeof tableReports);
    ClickAt(ListFields::Column(list, 1)->pWindow->GetWindowHandle(), 4, 4);
    CHECK(tableReports.count == 1 && tableReports.wParam == 42 && tableReports.lParam == 5,
          "CListeBitmap: a click on a cell of row 5 posts WM_COMMAND (list ID, 5)");

    HWND second = ListFields::Column(list, 1)->pWindow->GetWindowHandle();
    RECT r = {0, 0, 0, 0};
    int removed = list->RemoveCloumBitmapItem(0, &error);
    GetWindowRect(second, &r);
    POINT at = {r.left, r.top};
    ScreenToClient(list->GetWindowHandle(), &at);
    CHECK(removed == 1 && ListFields::Columns(list) == 1 && at.x == 16 && list->RemoveCloumBitmapItem(9, &error) == 0,
          "CListeBitmap: removing column 0 moves column 1 into its place; an unknown column gives 0");
    DestroyWindow(list->GetWindowHandle());
    base = list;
    delete base;
    DestroyWindow(parent);
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
    wc.lpfnWndProc = NotifyProc;
    wc.lpszClassName = "TessaroMsvcNotify";
    RegisterClassA(&wc);
    HWND notify = CreateWindowExA(0, "TessaroMsvcNotify", "notify", WS_POPUP, 0, 300, 200, 100, 0, 0, instance, 0);
    CHECK(notify != 0, "creates the notify window of the frame and pop-up checks");
    CheckFrames(host, notify);
    CheckPopUps(notify);
    CheckWheel();
    CheckTables();
    DestroyWindow(notify);
    for (int i = 0; i < kClassCount; ++i) CheckClass(kClasses[i], host);
    CHECK(PixorelIdle(), "no Pixorel reader or bitmap is open at the end");

    DestroyWindow(host);
    DeleteFileA(skinPath);
    printf("%d passed, %d failed\n", passed, failed);
    fflush(0);  // all streams: Wine's headers reach stdout through a UCRT-only import
    return failed > 100 ? 100 : failed;
}
