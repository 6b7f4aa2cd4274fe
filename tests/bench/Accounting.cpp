// Counting wrappers for every call of Tessaro.dll and Pixorel.dll that makes
// or gives back a GDI object, a borrowed DC or a heap block. The wrappers live
// in the test program, whose own calls go straight to the system: calling
// the real function from a wrapper is an ordinary call.
#include "Accounting.h"
#include "ImportPatch.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <utility>

namespace accounting {
namespace {

enum Kind { kObject, kBorrowedDC, kBlock };
const char* const kKindNames[] = {"GDI object", "borrowed DC", "heap block"};

struct Entry {
    const char* maker;
    unsigned long long serial;
    size_t bytes;
    int count;  // a borrowed DC can be handed out again before it is given back (class and own DCs)
};

// What is live, guarded by one lock; the lock is never held while a real
// function runs, since painting calls back into the window procedures.
struct State {
    CRITICAL_SECTION lock;
    std::map<std::pair<int, UINT_PTR>, Entry> live;
    std::set<std::pair<HGDIOBJ, HDC>> selected;  // the libraries' objects selected into DCs
    std::vector<std::string> faults;
    unsigned long long serial = 0;
    long counts[3] = {0, 0, 0};
    long long heapBytes = 0;
    State() { InitializeCriticalSection(&lock); }
};

// Never destroyed: the DLLs may still free blocks while the process ends.
State& TheState() {
    static State* state = new State;
    return *state;
}

class Locked {
public:
    Locked() { EnterCriticalSection(&TheState().lock); }
    ~Locked() { LeaveCriticalSection(&TheState().lock); }
};

std::string Hex(const void* value) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", value);
    return text;
}

void Fault(const std::string& what) {
    Locked lock;
    TheState().faults.push_back(what);
}

void Add(Kind kind, const void* key, const char* maker, size_t bytes = 0) {
    if (!key) return;
    State& s = TheState();
    Locked lock;
    Entry& e = s.live[{kind, (UINT_PTR)key}];
    if (e.count++ == 0) {
        e.maker = maker;
        e.serial = ++s.serial;
        e.bytes = bytes;
        s.counts[kind]++;
        if (kind == kBlock) s.heapBytes += (long long)bytes;
    }
}

// True when `key` was live (and is no longer).
bool Remove(Kind kind, const void* key) {
    State& s = TheState();
    Locked lock;
    auto it = s.live.find({kind, (UINT_PTR)key});
    if (it == s.live.end()) return false;
    if (--it->second.count == 0) {
        s.counts[kind]--;
        if (kind == kBlock) s.heapBytes -= (long long)it->second.bytes;
        s.live.erase(it);
    }
    return true;
}

bool IsLive(Kind kind, const void* key) {
    Locked lock;
    return TheState().live.count({kind, (UINT_PTR)key}) != 0;
}

template <class Handle>
Handle Made(const char* maker, Handle handle) {
    Add(kObject, (const void*)handle, maker);
    return handle;
}

void* Allocated(const char* maker, void* block, size_t bytes) {
    Add(kBlock, block, maker, bytes);
    return block;
}

// A DC is about to be released or deleted: none of the libraries' objects
// may still be selected into it.
void ForgetSelectionsOf(HDC dc, const char* release) {
    std::vector<HGDIOBJ> left;
    {
        Locked lock;
        auto& selected = TheState().selected;
        for (auto it = selected.begin(); it != selected.end();) {
            if (it->second != dc) { ++it; continue; }
            left.push_back(it->first);
            it = selected.erase(it);
        }
    }
    for (HGDIOBJ object : left)
        Fault(std::string(release) + "(" + Hex(dc) + ") with object " + Hex(object) + " still selected into it");
}

bool IsSelectedSomewhere(HGDIOBJ object) {
    Locked lock;
    auto& selected = TheState().selected;
    auto it = selected.lower_bound({object, (HDC)0});
    return it != selected.end() && it->first == object;
}

// ---- GDI objects ------------------------------------------------------------
#define COUNTED_MAKER(Type, Name, Params, Args) \
    Type WINAPI Counted_##Name Params { return Made(#Name, ::Name Args); }

COUNTED_MAKER(HDC, CreateCompatibleDC, (HDC dc), (dc))
COUNTED_MAKER(HDC, CreateDCA, (LPCSTR a, LPCSTR b, LPCSTR c, const DEVMODEA* d), (a, b, c, d))
COUNTED_MAKER(HDC, CreateDCW, (LPCWSTR a, LPCWSTR b, LPCWSTR c, const DEVMODEW* d), (a, b, c, d))
COUNTED_MAKER(HDC, CreateICA, (LPCSTR a, LPCSTR b, LPCSTR c, const DEVMODEA* d), (a, b, c, d))
COUNTED_MAKER(HDC, CreateICW, (LPCWSTR a, LPCWSTR b, LPCWSTR c, const DEVMODEW* d), (a, b, c, d))
COUNTED_MAKER(HBITMAP, CreateCompatibleBitmap, (HDC dc, int w, int h), (dc, w, h))
COUNTED_MAKER(HBITMAP, CreateDiscardableBitmap, (HDC dc, int w, int h), (dc, w, h))
COUNTED_MAKER(HBITMAP, CreateBitmap, (int w, int h, UINT p, UINT b, const void* bits), (w, h, p, b, bits))
COUNTED_MAKER(HBITMAP, CreateBitmapIndirect, (const BITMAP* b), (b))
COUNTED_MAKER(HBITMAP, CreateDIBSection, (HDC dc, const BITMAPINFO* i, UINT u, void** bits, HANDLE s, DWORD o),
              (dc, i, u, bits, s, o))
COUNTED_MAKER(HBITMAP, CreateDIBitmap,
              (HDC dc, const BITMAPINFOHEADER* h, DWORD init, const void* bits, const BITMAPINFO* i, UINT u),
              (dc, h, init, bits, i, u))
COUNTED_MAKER(HFONT, CreateFontIndirectA, (const LOGFONTA* f), (f))
COUNTED_MAKER(HFONT, CreateFontIndirectW, (const LOGFONTW* f), (f))
COUNTED_MAKER(HFONT, CreateFontIndirectExA, (const ENUMLOGFONTEXDVA* f), (f))
COUNTED_MAKER(HFONT, CreateFontIndirectExW, (const ENUMLOGFONTEXDVW* f), (f))
COUNTED_MAKER(HFONT, CreateFontA,
              (int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op, DWORD cp, DWORD q,
               DWORD pf, LPCSTR face),
              (h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face))
COUNTED_MAKER(HFONT, CreateFontW,
              (int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op, DWORD cp, DWORD q,
               DWORD pf, LPCWSTR face),
              (h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face))
COUNTED_MAKER(HRGN, CreateRectRgn, (int l, int t, int r, int b), (l, t, r, b))
COUNTED_MAKER(HRGN, CreateRectRgnIndirect, (const RECT* r), (r))
COUNTED_MAKER(HRGN, CreateEllipticRgn, (int l, int t, int r, int b), (l, t, r, b))
COUNTED_MAKER(HRGN, CreateEllipticRgnIndirect, (const RECT* r), (r))
COUNTED_MAKER(HRGN, CreateRoundRectRgn, (int l, int t, int r, int b, int w, int h), (l, t, r, b, w, h))
COUNTED_MAKER(HRGN, CreatePolygonRgn, (const POINT* p, int n, int mode), (p, n, mode))
COUNTED_MAKER(HRGN, CreatePolyPolygonRgn, (const POINT* p, const INT* c, int n, int mode), (p, c, n, mode))
COUNTED_MAKER(HRGN, ExtCreateRegion, (const XFORM* x, DWORD n, const RGNDATA* d), (x, n, d))
COUNTED_MAKER(HRGN, PathToRegion, (HDC dc), (dc))
COUNTED_MAKER(HBRUSH, CreateSolidBrush, (COLORREF c), (c))
COUNTED_MAKER(HBRUSH, CreateHatchBrush, (int h, COLORREF c), (h, c))
COUNTED_MAKER(HBRUSH, CreatePatternBrush, (HBITMAP b), (b))
COUNTED_MAKER(HBRUSH, CreateBrushIndirect, (const LOGBRUSH* b), (b))
COUNTED_MAKER(HBRUSH, CreateDIBPatternBrushPt, (const void* p, UINT u), (p, u))
COUNTED_MAKER(HPEN, CreatePen, (int s, int w, COLORREF c), (s, w, c))
COUNTED_MAKER(HPEN, CreatePenIndirect, (const LOGPEN* p), (p))
COUNTED_MAKER(HPEN, ExtCreatePen, (DWORD s, DWORD w, const LOGBRUSH* b, DWORD n, const DWORD* d), (s, w, b, n, d))
COUNTED_MAKER(HPALETTE, CreatePalette, (const LOGPALETTE* p), (p))
COUNTED_MAKER(HPALETTE, CreateHalftonePalette, (HDC dc), (dc))
#undef COUNTED_MAKER

BOOL WINAPI Counted_DeleteObject(HGDIOBJ object) {
    if (IsSelectedSomewhere(object)) Fault("DeleteObject(" + Hex(object) + ") while it is selected into a DC");
    bool ours = Remove(kObject, object);
    BOOL done = ::DeleteObject(object);
    if (!done) Fault("DeleteObject(" + Hex(object) + ") failed: released twice, still selected, or no object");
    else if (!ours) Fault("DeleteObject(" + Hex(object) + ") released an object the libraries did not make");
    return done;
}

BOOL WINAPI Counted_DeleteDC(HDC dc) {
    ForgetSelectionsOf(dc, "DeleteDC");
    bool ours = Remove(kObject, dc);
    BOOL done = ::DeleteDC(dc);
    if (!done) Fault("DeleteDC(" + Hex(dc) + ") failed");
    else if (!ours) Fault("DeleteDC(" + Hex(dc) + ") deleted a DC the libraries did not make");
    return done;
}

HGDIOBJ WINAPI Counted_SelectObject(HDC dc, HGDIOBJ object) {
    // Selecting a region sets the clipping to a copy of it: nothing is held.
    if (GetObjectType(object) == OBJ_REGION) return ::SelectObject(dc, object);
    HGDIOBJ previous = ::SelectObject(dc, object);
    if (!previous || previous == HGDI_ERROR) return previous;
    bool ours = IsLive(kObject, object);
    Locked lock;
    auto& selected = TheState().selected;
    selected.erase({previous, dc});
    if (ours) selected.insert({object, dc});
    return previous;
}

// ---- borrowed DCs ------------------------------------------------------------
HDC WINAPI Counted_GetDC(HWND hwnd) {
    HDC dc = ::GetDC(hwnd);
    Add(kBorrowedDC, dc, "GetDC");
    return dc;
}

HDC WINAPI Counted_GetWindowDC(HWND hwnd) {
    HDC dc = ::GetWindowDC(hwnd);
    Add(kBorrowedDC, dc, "GetWindowDC");
    return dc;
}

HDC WINAPI Counted_GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    HDC dc = ::GetDCEx(hwnd, clip, flags);
    // The system takes the clipping region over.
    if (dc && clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) Remove(kObject, clip);
    Add(kBorrowedDC, dc, "GetDCEx");
    return dc;
}

HDC WINAPI Counted_BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    HDC dc = ::BeginPaint(hwnd, paint);
    Add(kBorrowedDC, dc, "BeginPaint");
    return dc;
}

int WINAPI Counted_ReleaseDC(HWND hwnd, HDC dc) {
    ForgetSelectionsOf(dc, "ReleaseDC");
    if (!Remove(kBorrowedDC, dc)) Fault("ReleaseDC(" + Hex(dc) + ") of a DC that was not borrowed");
    int done = ::ReleaseDC(hwnd, dc);
    if (!done) Fault("ReleaseDC(" + Hex(dc) + ") failed");
    return done;
}

BOOL WINAPI Counted_EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint) {
        ForgetSelectionsOf(paint->hdc, "EndPaint");
        if (!Remove(kBorrowedDC, paint->hdc)) Fault("EndPaint(" + Hex(paint->hdc) + ") without BeginPaint");
    }
    return ::EndPaint(hwnd, paint);
}

int WINAPI Counted_SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    int done = ::SetWindowRgn(hwnd, region, redraw);
    if (done && region) Remove(kObject, region);  // the window owns it now
    return done;
}

// ---- heap blocks -------------------------------------------------------------
void* __cdecl Counted_malloc(size_t bytes) { return Allocated("malloc", std::malloc(bytes), bytes); }

void* __cdecl Counted_calloc(size_t count, size_t size) {
    return Allocated("calloc", std::calloc(count, size), count * size);
}

void* __cdecl Counted_realloc(void* block, size_t bytes) {
    // Forgotten before the call: once freed, its address may be handed out
    // again at once.
    size_t oldBytes = 0;
    if (block) {
        Locked lock;
        auto it = TheState().live.find({kBlock, (UINT_PTR)block});
        if (it != TheState().live.end()) oldBytes = it->second.bytes;
    }
    bool ours = block && Remove(kBlock, block);
    void* moved = std::realloc(block, bytes);
    if (moved) Add(kBlock, moved, "realloc", bytes);
    else if (ours && bytes) Add(kBlock, block, "realloc", oldBytes);  // failed: the old block stays
    return moved;
}

void __cdecl Counted_free(void* block) {
    if (block) Remove(kBlock, block);
    std::free(block);
}

char* __cdecl Counted__strdup(const char* text) {
    char* copy = _strdup(text);
    return (char*)Allocated("_strdup", copy, copy ? std::strlen(copy) + 1 : 0);
}

LPVOID WINAPI Counted_HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes) {
    return Allocated("HeapAlloc", ::HeapAlloc(heap, flags, bytes), bytes);
}

LPVOID WINAPI Counted_HeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T bytes) {
    LPVOID moved = ::HeapReAlloc(heap, flags, block, bytes);
    if (moved && Remove(kBlock, block)) Add(kBlock, moved, "HeapReAlloc", bytes);
    return moved;
}

BOOL WINAPI Counted_HeapFree(HANDLE heap, DWORD flags, LPVOID block) {
    if (block) Remove(kBlock, block);
    return ::HeapFree(heap, flags, block);
}

HGLOBAL WINAPI Counted_GlobalAlloc(UINT flags, SIZE_T bytes) {
    return Allocated("GlobalAlloc", ::GlobalAlloc(flags, bytes), bytes);
}

HGLOBAL WINAPI Counted_GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags) {
    HGLOBAL moved = ::GlobalReAlloc(block, bytes, flags);
    if (moved && moved != block && Remove(kBlock, block)) Add(kBlock, moved, "GlobalReAlloc", bytes);
    return moved;
}

HGLOBAL WINAPI Counted_GlobalFree(HGLOBAL block) {
    if (block) Remove(kBlock, block);
    return ::GlobalFree(block);
}

HLOCAL WINAPI Counted_LocalAlloc(UINT flags, SIZE_T bytes) {
    return Allocated("LocalAlloc", ::LocalAlloc(flags, bytes), bytes);
}

HLOCAL WINAPI Counted_LocalReAlloc(HLOCAL block, SIZE_T bytes, UINT flags) {
    HLOCAL moved = ::LocalReAlloc(block, bytes, flags);
    if (moved && moved != block && Remove(kBlock, block)) Add(kBlock, moved, "LocalReAlloc", bytes);
    return moved;
}

HLOCAL WINAPI Counted_LocalFree(HLOCAL block) {
    if (block) Remove(kBlock, block);
    return ::LocalFree(block);
}

HANDLE WINAPI Counted_SetClipboardData(UINT format, HANDLE data) {
    HANDLE done = ::SetClipboardData(format, data);
    if (done && data) Remove(kBlock, data);  // the clipboard owns it now
    return done;
}

struct Hook {
    const char* dll;
    const char* name;
    void* wrapper;
};

#define HOOK(dll, name) {dll, #name, (void*)Counted_##name}
const Hook kHooks[] = {
    HOOK("gdi32.dll", CreateCompatibleDC), HOOK("gdi32.dll", CreateDCA), HOOK("gdi32.dll", CreateDCW),
    HOOK("gdi32.dll", CreateICA), HOOK("gdi32.dll", CreateICW), HOOK("gdi32.dll", CreateCompatibleBitmap),
    HOOK("gdi32.dll", CreateDiscardableBitmap), HOOK("gdi32.dll", CreateBitmap),
    HOOK("gdi32.dll", CreateBitmapIndirect), HOOK("gdi32.dll", CreateDIBSection), HOOK("gdi32.dll", CreateDIBitmap),
    HOOK("gdi32.dll", CreateFontIndirectA), HOOK("gdi32.dll", CreateFontIndirectW),
    HOOK("gdi32.dll", CreateFontIndirectExA), HOOK("gdi32.dll", CreateFontIndirectExW), HOOK("gdi32.dll", CreateFontA),
    HOOK("gdi32.dll", CreateFontW), HOOK("gdi32.dll", CreateRectRgn), HOOK("gdi32.dll", CreateRectRgnIndirect),
    HOOK("gdi32.dll", CreateEllipticRgn), HOOK("gdi32.dll", CreateEllipticRgnIndirect),
    HOOK("gdi32.dll", CreateRoundRectRgn), HOOK("gdi32.dll", CreatePolygonRgn), HOOK("gdi32.dll", CreatePolyPolygonRgn),
    HOOK("gdi32.dll", ExtCreateRegion), HOOK("gdi32.dll", PathToRegion), HOOK("gdi32.dll", CreateSolidBrush),
    HOOK("gdi32.dll", CreateHatchBrush), HOOK("gdi32.dll", CreatePatternBrush), HOOK("gdi32.dll", CreateBrushIndirect),
    HOOK("gdi32.dll", CreateDIBPatternBrushPt), HOOK("gdi32.dll", CreatePen), HOOK("gdi32.dll", CreatePenIndirect),
    HOOK("gdi32.dll", ExtCreatePen), HOOK("gdi32.dll", CreatePalette), HOOK("gdi32.dll", CreateHalftonePalette),
    HOOK("gdi32.dll", DeleteObject), HOOK("gdi32.dll", DeleteDC), HOOK("gdi32.dll", SelectObject),
    HOOK("user32.dll", GetDC), HOOK("user32.dll", GetWindowDC), HOOK("user32.dll", GetDCEx),
    HOOK("user32.dll", BeginPaint), HOOK("user32.dll", ReleaseDC), HOOK("user32.dll", EndPaint),
    HOOK("user32.dll", SetWindowRgn), HOOK("user32.dll", SetClipboardData),
    HOOK("msvcrt.dll", malloc), HOOK("msvcrt.dll", calloc), HOOK("msvcrt.dll", realloc), HOOK("msvcrt.dll", free),
    HOOK("msvcrt.dll", _strdup), HOOK("kernel32.dll", HeapAlloc), HOOK("kernel32.dll", HeapReAlloc),
    HOOK("kernel32.dll", HeapFree), HOOK("kernel32.dll", GlobalAlloc), HOOK("kernel32.dll", GlobalReAlloc),
    HOOK("kernel32.dll", GlobalFree), HOOK("kernel32.dll", LocalAlloc), HOOK("kernel32.dll", LocalReAlloc),
    HOOK("kernel32.dll", LocalFree),
};
#undef HOOK

const char* const kModules[] = {"Tessaro.dll", "Pixorel.dll"};

std::string Lower(std::string text) {
    for (char& c : text) c = (char)std::tolower((unsigned char)c);
    return text;
}

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

bool OneOf(const char* name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (std::strcmp(name, n) == 0) return true;
    return false;
}

// Whether a function makes or gives back a GDI object, a DC or memory.
bool MakesOrReleases(const std::string& dll, const char* name) {
    if (dll == "gdi32.dll")
        return StartsWith(name, "Create") || StartsWith(name, "ExtCreate") || StartsWith(name, "Delete") ||
               StartsWith(name, "Close") || StartsWith(name, "Copy") || OneOf(name, {"PathToRegion", "SelectObject",
               "SelectPalette", "GetEnhMetaFileA", "GetEnhMetaFileW", "GetMetaFileA", "GetMetaFileW",
               "SetEnhMetaFileBits", "SetMetaFileBitsEx", "SetWinMetaFileBits"});
    if (dll == "user32.dll")
        return StartsWith(name, "CreateIcon") || OneOf(name, {"GetDC", "GetDCEx", "GetWindowDC", "ReleaseDC",
               "BeginPaint", "EndPaint", "SetWindowRgn", "LoadBitmapA", "LoadBitmapW", "LoadImageA", "LoadImageW",
               "CopyImage", "CopyIcon", "CreateCursor", "DestroyIcon", "DestroyCursor", "GetIconInfo",
               "SetClipboardData"});
    if (dll == "kernel32.dll")
        return StartsWith(name, "Heap") && !OneOf(name, {"HeapValidate", "HeapWalk", "HeapLock", "HeapUnlock",
               "HeapSize", "HeapQueryInformation", "HeapSetInformation", "HeapCompact", "HeapSummary"}) ?
               true : OneOf(name, {"GlobalAlloc", "GlobalReAlloc", "GlobalFree", "LocalAlloc", "LocalReAlloc",
               "LocalFree", "VirtualAlloc", "VirtualAllocEx", "VirtualFree", "VirtualFreeEx"});
    if (dll == "msvcrt.dll" || StartsWith(dll.c_str(), "ucrtbase") || StartsWith(dll.c_str(), "api-ms-win-crt"))
        return OneOf(name, {"malloc", "calloc", "realloc", "free", "_strdup", "strdup", "_wcsdup", "wcsdup",
                            "_mbsdup", "_recalloc", "_expand", "_aligned_malloc", "_aligned_realloc",
                            "_aligned_recalloc", "_aligned_free", "_aligned_offset_malloc", "_malloc_dbg",
                            "_calloc_dbg", "_realloc_dbg", "_free_dbg"});
    return false;
}

bool IsWrapped(const std::string& dll, const char* name) {
    for (const Hook& hook : kHooks)
        if (dll == hook.dll && std::strcmp(name, hook.name) == 0) return true;
    return false;
}
}  // namespace

bool Install() {
    static bool installed = false;
    if (installed) return true;
    // A program that calls neither DLL directly has not loaded it yet.
    for (const char* module : kModules)
        if (!GetModuleHandleA(module) && !LoadLibraryA(module)) return false;
    for (const char* module : kModules)
        for (const Hook& hook : kHooks) {
            // Kept for the life of the process.
            ImportPatch* patch = new ImportPatch(module, hook.dll, hook.name, hook.wrapper);
            if (!patch->ok()) delete patch;
        }
    installed = true;
    return true;
}

Mark Now() {
    State& s = TheState();
    Locked lock;
    Mark mark;
    mark.serial = s.serial;
    mark.gdiObjects = s.counts[kObject];
    mark.borrowedDCs = s.counts[kBorrowedDC];
    mark.heapBlocks = s.counts[kBlock];
    mark.heapBytes = s.heapBytes;
    return mark;
}

std::vector<std::string> HeldSince(const Mark& mark) {
    std::vector<std::string> lines;
    Locked lock;
    for (const auto& item : TheState().live) {
        const Entry& e = item.second;
        if (e.serial <= mark.serial) continue;
        std::string line = std::string(kKindNames[item.first.first]) + " " + Hex((const void*)item.first.second) +
                           " from " + e.maker;
        if (item.first.first == kBlock) line += " (" + std::to_string(e.bytes) + " bytes)";
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> TakeFaults() {
    Locked lock;
    std::vector<std::string> faults;
    faults.swap(TheState().faults);
    return faults;
}

std::vector<std::string> ImportsOf(const char* module) {
    std::vector<std::string> names;
    ForEachImport(GetModuleHandleA(module), [&](const char* dll, const char* name, void**) {
        names.push_back(Lower(dll) + "!" + name);
        return true;
    });
    return names;
}

std::vector<std::string> UncountedImports() {
    std::vector<std::string> uncounted;
    for (const char* module : kModules)
        for (const std::string& import : ImportsOf(module)) {
            size_t bang = import.find('!');
            std::string dll = import.substr(0, bang);
            const char* name = import.c_str() + bang + 1;
            if (MakesOrReleases(dll, name) && !IsWrapped(dll, name)) uncounted.push_back(std::string(module) + ": " + import);
        }
    return uncounted;
}

}  // namespace accounting
