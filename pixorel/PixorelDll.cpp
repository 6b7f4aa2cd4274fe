// Pixorel.dll: opens skin files and turns their images into GDI bitmaps.
//
// A reader memory-maps its file and checks only the container table; an
// image's bytes are touched when CreateBitmapHandle asks for it. Readers live
// in a table and are handed out as (generation << 16 | slot + 1), so a stale
// or made-up handle is recognised and refused. Bitmaps we created are kept in
// a list so ReleaseBitmapHandle refuses anything else. One critical section
// guards both tables; decoding runs outside it, with the reader pinned by a
// reference count so a concurrent UnInitReader cannot unmap it underneath.
//
// Painting opens a reader and decodes an image on every paint, so decoded
// images are kept in a small cache: the last kMaxCachedImages images, at most
// kCacheBudget bytes, keyed by the file's identity (full path, size, creation
// and last-write time) and the image number, as 32-bit top-down pixels ready
// for SetDIBits. Files known to be skins are remembered under the same
// identity, so InitReader on such a file opens nothing: its reader maps the
// file only if an image it is asked for is not cached. A file that is
// rewritten gets a new identity and is read again. The cache holds no file
// handle or mapping, and releasing a bitmap leaves the cache alone. g_lock
// guards the cache.
//
// The bitmaps handed out are 32-bit top-down DIB sections: they select into
// a memory DC made from any DC, they read back with GetPixel and GetDIBits,
// and their pixels are the cached ones copied as they are (no conversion
// through the driver, which SetDIBits into a device bitmap costs, and a DIB
// section selects into a DC many times faster than a device bitmap does).
// Making a fresh 640x480 bitmap costs ten times more than filling an existing
// one (its pages are touched for the first time), and a control makes one per
// paint. Released bitmaps therefore wait in a small pool (kPoolSize, at most
// kPoolBudget bytes) and are filled again by the next CreateBitmapHandle of the
// same size; to the caller each handle still lives only from create to
// release.
#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "BmpDecoder.h"
#include "Pixorel.h"
#include "SkinFile.h"

namespace {

// What tells one version of a file from another.
struct FileKey {
    char* path;  // full path, compared without regard to case
    ULONGLONG size;
    FILETIME created;
    FILETIME written;
};

struct Reader {
    HANDLE file;     // these three are 0 when the file was known already
    HANDLE mapping;
    const uint8_t* view;
    pixorel::SkinTable table;
    FileKey key;
    LONG refs;  // 1 while open, +1 per decode in progress
};

struct CachedImage {
    CachedImage* next;  // most recently used first
    FileKey key;
    int index;
    int width, height;
    uint32_t* pixels;   // width * height, top row first
    LONG refs;          // 1 while in the cache, +1 per copy in progress
};

struct KnownFile {
    KnownFile* next;    // most recently used first
    FileKey key;
};

const int kMaxCachedImages = 32;
const size_t kCacheBudget = 32u * 1024u * 1024u;
const int kMaxKnownFiles = 32;

struct PooledBitmap {
    HBITMAP bitmap;
    uint32_t* bits;  // the DIB section's pixels, top row first
    int width, height;
};
const int kPoolSize = 8;
const size_t kPoolBudget = 16u * 1024u * 1024u;

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
CachedImage* g_images = 0;
int g_imageCount = 0;
size_t g_imageBytes = 0;
KnownFile* g_files = 0;
int g_fileCount = 0;
PooledBitmap g_pool[kPoolSize];
int g_poolCount = 0;
size_t g_poolBytes = 0;

void CloseReader(Reader* r) {
    if (r->view) UnmapViewOfFile(r->view);
    if (r->mapping) CloseHandle(r->mapping);
    if (r->file) CloseHandle(r->file);
    free(r->key.path);
    free(r);
}

// Paths are compared byte for byte first: a control names its file the same
// way on every paint, and lstrcmpiA (a locale-aware comparison through
// Unicode) costs more than the rest of a paint's look-ups together.
bool SameKey(const FileKey& a, const FileKey& b) {
    return a.size == b.size && CompareFileTime(&a.written, &b.written) == 0 &&
           CompareFileTime(&a.created, &b.created) == 0 &&
           (strcmp(a.path, b.path) == 0 || lstrcmpiA(a.path, b.path) == 0);
}

char* CopyText(const char* text) {
    size_t n = strlen(text) + 1;
    char* copy = (char*)malloc(n);
    if (copy) memcpy(copy, text, n);
    return copy;
}

// The identity of the file at `path` as it is now, without opening it.
// The caller frees key->path.
bool KeyOfPath(const char* path, FileKey* key) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path, MAX_PATH, full, 0);
    if (n == 0 || n >= MAX_PATH) return false;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(full, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    key->size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    key->created = data.ftCreationTime;
    key->written = data.ftLastWriteTime;
    key->path = CopyText(full);
    return key->path != 0;
}

// The identity of an open file, for the path it was opened by.
// (GetFileInformationByHandle is avoided: under Wine on qemu-i386 repeated
// calls corrupt the process.)
bool KeyOfHandle(HANDLE file, const char* path, FileKey* key) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path, MAX_PATH, full, 0);
    LARGE_INTEGER size;
    FILETIME accessed;
    if (n == 0 || n >= MAX_PATH || !GetFileSizeEx(file, &size) ||
        !GetFileTime(file, &key->created, &accessed, &key->written))
        return false;
    key->size = (ULONGLONG)size.QuadPart;
    key->path = CopyText(full);
    return key->path != 0;
}

void FreeImage(CachedImage* c) {
    free(c->key.path);
    free(c->pixels);
    free(c);
}

// Caller holds g_lock. Drops the cache's own reference; the image is freed
// now or by the last copy still using it.
void Unlink(CachedImage** link) {
    CachedImage* c = *link;
    *link = c->next;
    g_imageCount--;
    g_imageBytes -= (size_t)c->width * c->height * sizeof(uint32_t);
    if (--c->refs == 0) FreeImage(c);
}

// Caller holds g_lock. Finds a cached image, moves it to the front and pins
// it (the caller calls UnpinImage).
CachedImage* FindImage(const FileKey& key, int index) {
    for (CachedImage** link = &g_images; *link; link = &(*link)->next) {
        CachedImage* c = *link;
        if (c->index != index || !SameKey(c->key, key)) continue;
        *link = c->next;
        c->next = g_images;
        g_images = c;
        c->refs++;
        return c;
    }
    return 0;
}

void UnpinImage(CachedImage* c) {
    EnterCriticalSection(&g_lock);
    LONG left = --c->refs;
    LeaveCriticalSection(&g_lock);
    if (left == 0) FreeImage(c);
}

// Caller holds g_lock. Takes over c (pinned once for the caller) and makes
// room for it; images larger than the whole budget are not kept.
void AddImage(CachedImage* c) {
    size_t bytes = (size_t)c->width * c->height * sizeof(uint32_t);
    if (bytes > kCacheBudget) return;
    // A stale copy under the same key (decoded twice at once) goes first.
    for (CachedImage** link = &g_images; *link; link = &(*link)->next)
        if ((*link)->index == c->index && SameKey((*link)->key, c->key)) {
            Unlink(link);
            break;
        }
    while (g_images && (g_imageCount >= kMaxCachedImages || g_imageBytes + bytes > kCacheBudget)) {
        CachedImage** last = &g_images;
        while ((*last)->next) last = &(*last)->next;
        Unlink(last);
    }
    c->refs++;
    c->next = g_images;
    g_images = c;
    g_imageCount++;
    g_imageBytes += bytes;
}

// Caller holds g_lock.
bool IsKnownFile(const FileKey& key) {
    for (KnownFile** link = &g_files; *link; link = &(*link)->next) {
        KnownFile* f = *link;
        if (!SameKey(f->key, key)) continue;
        *link = f->next;
        f->next = g_files;
        g_files = f;
        return true;
    }
    return false;
}

// Caller holds g_lock.
void RememberFile(const FileKey& key) {
    if (IsKnownFile(key)) return;
    KnownFile* f = (KnownFile*)malloc(sizeof(KnownFile));
    if (!f) return;
    f->key = key;
    f->key.path = CopyText(key.path);
    if (!f->key.path) {
        free(f);
        return;
    }
    if (g_fileCount >= kMaxKnownFiles) {
        KnownFile** last = &g_files;
        while ((*last)->next) last = &(*last)->next;
        free((*last)->key.path);
        free(*last);
        *last = 0;
        g_fileCount--;
    }
    f->next = g_files;
    g_files = f;
    g_fileCount++;
}

void ClearCache() {
    while (g_images) Unlink(&g_images);
    while (g_files) {
        KnownFile* f = g_files;
        g_files = f->next;
        free(f->key.path);
        free(f);
    }
    g_fileCount = 0;
}

// Opens and maps a file and checks its container table. On success the
// caller owns *file, *mapping and *view.
bool MapSkin(const char* path, HANDLE* file, HANDLE* mapping, const uint8_t** view, pixorel::SkinTable* table) {
    HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, 0);
    if (f == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    // Empty files cannot be mapped; files past 1 GB are no skins.
    if (!GetFileSizeEx(f, &size) || size.QuadPart < 2 || size.QuadPart > 0x40000000) {
        CloseHandle(f);
        return false;
    }
    HANDLE m = CreateFileMappingA(f, 0, PAGE_READONLY, 0, 0, 0);
    const uint8_t* v = m ? (const uint8_t*)MapViewOfFile(m, FILE_MAP_READ, 0, 0, 0) : 0;
    if (!v || !pixorel::OpenSkin(v, (size_t)size.QuadPart, table)) {
        if (v) UnmapViewOfFile(v);
        if (m) CloseHandle(m);
        CloseHandle(f);
        return false;
    }
    *file = f;
    *mapping = m;
    *view = v;
    return true;
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

// Decodes one BMP image into a new cache entry (not yet in the cache).
CachedImage* DecodeImage(const FileKey& key, int index, const uint8_t* bytes, size_t size) {
    pixorel::BmpInfo info;
    if (!pixorel::ReadBmpInfo(bytes, size, &info)) return 0;
    size_t count = (size_t)info.width * (size_t)info.height;  // <= kMaxPixels
    CachedImage* c = (CachedImage*)malloc(sizeof(CachedImage));
    uint32_t* pixels = (uint32_t*)malloc(count * sizeof(uint32_t));
    char* path = CopyText(key.path);
    if (!c || !pixels || !path || !pixorel::DecodeBmp(bytes, size, info, pixels)) {
        free(c);
        free(pixels);
        free(path);
        return 0;
    }
    c->next = 0;
    c->key = key;
    c->key.path = path;
    c->index = index;
    c->width = info.width;
    c->height = info.height;
    c->pixels = pixels;
    c->refs = 1;
    return c;
}

size_t PoolBytes(int width, int height) { return (size_t)width * height * sizeof(uint32_t); }

// A pooled bitmap of that size, taken out of the pool; 0 if none.
HBITMAP TakePooledBitmap(int width, int height, uint32_t** bits) {
    HBITMAP found = 0;
    EnterCriticalSection(&g_lock);
    for (int i = 0; i < g_poolCount; i++) {
        PooledBitmap& p = g_pool[i];
        if (p.width != width || p.height != height) continue;
        found = p.bitmap;
        *bits = p.bits;
        g_poolBytes -= PoolBytes(width, height);
        g_pool[i] = g_pool[--g_poolCount];
        break;
    }
    LeaveCriticalSection(&g_lock);
    return found;
}

// Keeps a released bitmap for reuse when it fits the pool; else deletes it.
// Every bitmap we hand out is one of our DIB sections.
void PoolOrDelete(HBITMAP bitmap) {
    DIBSECTION info;
    bool kept = false;
    if (GetObjectA(bitmap, sizeof info, &info) == (int)sizeof info && info.dsBm.bmBits &&
        info.dsBm.bmBitsPixel == 32) {
        size_t bytes = PoolBytes(info.dsBm.bmWidth, info.dsBm.bmHeight);
        EnterCriticalSection(&g_lock);
        if (g_poolCount < kPoolSize && g_poolBytes + bytes <= kPoolBudget) {
            PooledBitmap& p = g_pool[g_poolCount++];
            p.bitmap = bitmap;
            p.bits = (uint32_t*)info.dsBm.bmBits;
            p.width = info.dsBm.bmWidth;
            p.height = info.dsBm.bmHeight;
            g_poolBytes += bytes;
            kept = true;
        }
        LeaveCriticalSection(&g_lock);
    }
    if (!kept) DeleteObject(bitmap);
}

void EmptyPool() {
    for (int i = 0; i < g_poolCount; i++) DeleteObject(g_pool[i].bitmap);
    g_poolCount = 0;
    g_poolBytes = 0;
}

// Copies pixels eight at a time with plain 32-bit moves. The C library's
// memcpy moves blocks with vector instructions, which take three times as
// long where the CPU is emulated (32-bit Wine under qemu); plain moves keep
// up with the memory on a real CPU too.
void CopyPixels(uint32_t* to, const uint32_t* from, size_t count) {
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        uint32_t a = from[i], b = from[i + 1], c = from[i + 2], d = from[i + 3];
        to[i] = a;
        to[i + 1] = b;
        to[i + 2] = c;
        to[i + 3] = d;
        a = from[i + 4], b = from[i + 5], c = from[i + 6], d = from[i + 7];
        to[i + 4] = a;
        to[i + 5] = b;
        to[i + 6] = c;
        to[i + 7] = d;
    }
    for (; i < count; i++) to[i] = from[i];
}

// Copies decoded pixels into a 32-bit top-down DIB section: a pooled one of
// the same size, or a new one. GdiFlush first completes any drawing still
// batched for a pooled one. A DIB section of explicit colours needs no DC:
// whatever DC the caller named, the bitmap selects into memory DCs made from
// it.
HBITMAP MakeBitmap(const CachedImage* image) {
    uint32_t* bits = 0;
    HBITMAP bitmap = TakePooledBitmap(image->width, image->height, &bits);
    if (!bitmap) {
        BITMAPINFO bi;
        memset(&bi, 0, sizeof(bi));
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = image->width;
        bi.bmiHeader.biHeight = -image->height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* made = 0;
        bitmap = CreateDIBSection(0, &bi, DIB_RGB_COLORS, &made, 0, 0);
        if (!bitmap || !made) {
            if (bitmap) DeleteObject(bitmap);
            return 0;
        }
        bits = (uint32_t*)made;
    }
    GdiFlush();
    CopyPixels(bits, image->pixels, (size_t)image->width * image->height);
    return bitmap;
}

// Finds image `index` of the reader's file in the cache, or reads it from the
// file (mapping it now if the reader did not) and caches it. Returns the
// image pinned, or 0.
CachedImage* LoadImage(Reader* r, int index) {
    EnterCriticalSection(&g_lock);
    CachedImage* c = FindImage(r->key, index);
    LeaveCriticalSection(&g_lock);
    if (c) return c;

    HANDLE file = 0, mapping = 0;
    const uint8_t* view = 0;
    pixorel::SkinTable table;
    FileKey key = r->key;
    FileKey fresh;
    fresh.path = 0;
    if (r->view) {
        table = r->table;
    } else {
        // The file was known when the reader opened; read it as it is now,
        // under the identity it has now.
        if (!MapSkin(r->key.path, &file, &mapping, &view, &table)) return 0;
        if (!KeyOfHandle(file, r->key.path, &fresh)) {
            UnmapViewOfFile(view);
            CloseHandle(mapping);
            CloseHandle(file);
            return 0;
        }
        key = fresh;
    }
    const uint8_t* bytes;
    size_t size;
    if (pixorel::FindSkinImage(table, index, &bytes, &size) == pixorel::kEntryImage)
        c = DecodeImage(key, index, bytes, size);
    if (view) {
        UnmapViewOfFile(view);
        CloseHandle(mapping);
        CloseHandle(file);
    }
    free(fresh.path);
    if (c) {
        EnterCriticalSection(&g_lock);
        AddImage(c);
        LeaveCriticalSection(&g_lock);
    }
    return c;
}

}  // namespace

extern "C" DWORD __cdecl InitReader(const char* path) {
    if (!path || !*path) return 0;
    Reader* r = (Reader*)malloc(sizeof(Reader));
    if (!r) return 0;
    memset(r, 0, sizeof(*r));
    r->refs = 1;
    // A file already known as a skin, unchanged since, is not opened.
    bool known = false;
    if (KeyOfPath(path, &r->key)) {
        EnterCriticalSection(&g_lock);
        known = IsKnownFile(r->key);
        LeaveCriticalSection(&g_lock);
    }
    if (!known) {
        free(r->key.path);
        r->key.path = 0;
        if (!MapSkin(path, &r->file, &r->mapping, &r->view, &r->table) ||
            !KeyOfHandle(r->file, path, &r->key)) {
            CloseReader(r);
            return 0;
        }
    }
    EnterCriticalSection(&g_lock);
    DWORD handle = AddReader(r);
    if (handle && !known) RememberFile(r->key);
    LeaveCriticalSection(&g_lock);
    if (!handle) CloseReader(r);
    return handle;
}

extern "C" HBITMAP __cdecl CreateBitmapHandle(HDC /*dc*/, DWORD reader, int index) {
    EnterCriticalSection(&g_lock);
    Reader* r = LookUp(reader);
    if (r) r->refs++;
    LeaveCriticalSection(&g_lock);
    if (!r) return 0;

    HBITMAP bitmap = 0;
    CachedImage* image = LoadImage(r, index);
    Unpin(r);
    if (image) {
        bitmap = MakeBitmap(image);
        UnpinImage(image);
    }
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
    if (found) PoolOrDelete(bitmap);
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

extern "C" void __cdecl PixorelDropCaches(void) {
    EnterCriticalSection(&g_lock);
    ClearCache();
    EmptyPool();
    // The handle tables go too once nothing is in them, so that a library at
    // rest holds no heap block at all.
    if (g_openReaders == 0) {
        free(g_slots);
        g_slots = 0;
        g_slotCount = 0;
    }
    if (g_bitmapCount == 0) {
        free(g_bitmaps);
        g_bitmaps = 0;
        g_bitmapCapacity = 0;
    }
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
        ClearCache();
        EmptyPool();
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
