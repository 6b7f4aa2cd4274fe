// Pixorel.dll: opens skin files and turns their images into GDI bitmaps.
//
// A reader memory-maps its file and checks only the container table; an
// image's bytes are touched when CreateBitmapHandle asks for it. Readers live
// in a table and are handed out as (generation << 16 | slot + 1), so a stale
// or made-up handle is recognised and refused. Bitmaps we created are kept in
// a list so ReleaseBitmapHandle refuses anything else. One critical section
// guards both tables; decoding runs outside it, with the reader pinned by a
// reference count so a concurrent UnInitReader cannot unmap it underneath.
#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "BmpDecoder.h"
#include "Pixorel.h"
#include "SkinFile.h"

namespace {

struct Reader {
    HANDLE file;
    HANDLE mapping;
    const uint8_t* view;
    pixorel::SkinTable table;
    LONG refs;  // 1 while open, +1 per decode in progress
};

struct Slot {
    Reader* reader;    // 0 when the slot is free
    WORD generation;
};

const DWORD kMaxSlots = 0xFFFE;

CRITICAL_SECTION g_lock;
Slot* g_slots = 0;
DWORD g_slotCount = 0;
int g_openReaders = 0;
HBITMAP* g_bitmaps = 0;
int g_bitmapCount = 0;
int g_bitmapCapacity = 0;

void CloseReader(Reader* r) {
    UnmapViewOfFile(r->view);
    CloseHandle(r->mapping);
    CloseHandle(r->file);
    free(r);
}

// Caller holds g_lock.
Reader* LookUp(DWORD handle) {
    DWORD slot = (handle & 0xFFFF) - 1;
    if ((handle & 0xFFFF) == 0 || slot >= g_slotCount) return 0;
    Slot& s = g_slots[slot];
    if (!s.reader || s.generation != (WORD)(handle >> 16)) return 0;
    return s.reader;
}

// Caller holds g_lock. Returns the new handle, 0 when the table is full.
DWORD AddReader(Reader* r) {
    DWORD slot = 0;
    while (slot < g_slotCount && g_slots[slot].reader) slot++;
    if (slot == g_slotCount) {
        if (g_slotCount >= kMaxSlots) return 0;
        DWORD grown = g_slotCount ? g_slotCount * 2 : 16;
        if (grown > kMaxSlots) grown = kMaxSlots;
        Slot* s = (Slot*)realloc(g_slots, grown * sizeof(Slot));
        if (!s) return 0;
        memset(s + g_slotCount, 0, (grown - g_slotCount) * sizeof(Slot));
        g_slots = s;
        g_slotCount = grown;
    }
    Slot& s = g_slots[slot];
    s.generation = (WORD)(s.generation + 1);
    if (s.generation == 0) s.generation = 1;  // handles are never 0
    s.reader = r;
    g_openReaders++;
    return ((DWORD)s.generation << 16) | (slot + 1);
}

void Unpin(Reader* r) {
    EnterCriticalSection(&g_lock);
    LONG left = --r->refs;
    LeaveCriticalSection(&g_lock);
    if (left == 0) CloseReader(r);
}

bool RememberBitmap(HBITMAP b) {
    EnterCriticalSection(&g_lock);
    bool ok = true;
    if (g_bitmapCount == g_bitmapCapacity) {
        int grown = g_bitmapCapacity ? g_bitmapCapacity * 2 : 64;
        HBITMAP* list = (HBITMAP*)realloc(g_bitmaps, grown * sizeof(HBITMAP));
        if (list) {
            g_bitmaps = list;
            g_bitmapCapacity = grown;
        } else {
            ok = false;
        }
    }
    if (ok) g_bitmaps[g_bitmapCount++] = b;
    LeaveCriticalSection(&g_lock);
    return ok;
}

// Decodes one BMP image and copies it into a bitmap compatible with dc.
HBITMAP MakeBitmap(HDC dc, const uint8_t* bytes, size_t size) {
    pixorel::BmpInfo info;
    if (!pixorel::ReadBmpInfo(bytes, size, &info)) return 0;
    size_t count = (size_t)info.width * (size_t)info.height;  // <= kMaxPixels
    uint32_t* pixels = (uint32_t*)malloc(count * sizeof(uint32_t));
    if (!pixels) return 0;
    HBITMAP bitmap = 0;
    if (pixorel::DecodeBmp(bytes, size, info, pixels)) {
        HDC screen = dc ? dc : CreateDCA("DISPLAY", 0, 0, 0);
        bitmap = CreateCompatibleBitmap(screen, info.width, info.height);
        if (bitmap) {
            BITMAPINFO bi;
            memset(&bi, 0, sizeof(bi));
            bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            bi.bmiHeader.biWidth = info.width;
            bi.bmiHeader.biHeight = -info.height;
            bi.bmiHeader.biPlanes = 1;
            bi.bmiHeader.biBitCount = 32;
            bi.bmiHeader.biCompression = BI_RGB;
            if (SetDIBits(screen, bitmap, 0, info.height, pixels, &bi, DIB_RGB_COLORS) != info.height) {
                DeleteObject(bitmap);
                bitmap = 0;
            }
        }
        if (!dc && screen) DeleteDC(screen);
    }
    free(pixels);
    return bitmap;
}

}  // namespace

extern "C" DWORD __cdecl InitReader(const char* path) {
    if (!path || !*path) return 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, 0);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER size;
    // Empty files cannot be mapped; files past 1 GB are no skins.
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 2 || size.QuadPart > 0x40000000) {
        CloseHandle(file);
        return 0;
    }
    HANDLE mapping = CreateFileMappingA(file, 0, PAGE_READONLY, 0, 0, 0);
    const uint8_t* view = mapping ? (const uint8_t*)MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : 0;
    Reader* r = view ? (Reader*)malloc(sizeof(Reader)) : 0;
    if (!r || !pixorel::OpenSkin(view, (size_t)size.QuadPart, &r->table)) {
        free(r);
        if (view) UnmapViewOfFile(view);
        if (mapping) CloseHandle(mapping);
        CloseHandle(file);
        return 0;
    }
    r->file = file;
    r->mapping = mapping;
    r->view = view;
    r->refs = 1;
    EnterCriticalSection(&g_lock);
    DWORD handle = AddReader(r);
    LeaveCriticalSection(&g_lock);
    if (!handle) CloseReader(r);
    return handle;
}

extern "C" HBITMAP __cdecl CreateBitmapHandle(HDC dc, DWORD reader, int index) {
    EnterCriticalSection(&g_lock);
    Reader* r = LookUp(reader);
    if (r) r->refs++;
    LeaveCriticalSection(&g_lock);
    if (!r) return 0;

    HBITMAP bitmap = 0;
    const uint8_t* bytes;
    size_t size;
    if (pixorel::FindSkinImage(r->table, index, &bytes, &size) == pixorel::kEntryImage)
        bitmap = MakeBitmap(dc, bytes, size);
    Unpin(r);
    if (bitmap && !RememberBitmap(bitmap)) {
        DeleteObject(bitmap);
        bitmap = 0;
    }
    return bitmap;
}

extern "C" int __cdecl ReleaseBitmapHandle(HBITMAP bitmap) {
    if (!bitmap) return 0;
    EnterCriticalSection(&g_lock);
    int found = 0;
    for (int i = 0; i < g_bitmapCount; i++) {
        if (g_bitmaps[i] == bitmap) {
            g_bitmaps[i] = g_bitmaps[--g_bitmapCount];
            found = 1;
            break;
        }
    }
    LeaveCriticalSection(&g_lock);
    if (found) DeleteObject(bitmap);
    return found;
}

extern "C" int __cdecl UnInitReader(DWORD reader) {
    EnterCriticalSection(&g_lock);
    Reader* r = LookUp(reader);
    LONG left = 1;
    if (r) {
        g_slots[(reader & 0xFFFF) - 1].reader = 0;
        g_openReaders--;
        left = --r->refs;
    }
    LeaveCriticalSection(&g_lock);
    if (r && left == 0) CloseReader(r);
    return r ? 1 : 0;
}

extern "C" void __cdecl PixorelOpenCounts(int* readers, int* bitmaps) {
    EnterCriticalSection(&g_lock);
    if (readers) *readers = g_openReaders;
    if (bitmaps) *bitmaps = g_bitmapCount;
    LeaveCriticalSection(&g_lock);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&g_lock);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // FreeLibrary: give back what callers left open. At process exit the
        // system reclaims everything, and other threads may be gone mid-call.
        for (DWORD i = 0; i < g_slotCount; i++)
            if (g_slots[i].reader && --g_slots[i].reader->refs == 0) CloseReader(g_slots[i].reader);
        for (int i = 0; i < g_bitmapCount; i++) DeleteObject(g_bitmaps[i]);
        free(g_slots);
        free(g_bitmaps);
        g_slots = 0;
        g_bitmaps = 0;
        g_slotCount = 0;
        g_bitmapCount = g_bitmapCapacity = 0;
        g_openReaders = 0;
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}
