// Owners for the GDI objects and Pixorel handles that a paint, a measurement
// or an outline cut uses: each releases its handle on every path out of the
// scope that made it, in the reverse order of acquisition.
#ifndef TESSARO_CORE_RESOURCES_H
#define TESSARO_CORE_RESOURCES_H

#include <windows.h>
#include "../pixorel/Pixorel.h"

// An open skin file. Mirrors the handle into an optional field (a control's
// m_hReader) while open and clears it on closing.
class ReaderOwner {
public:
    explicit ReaderOwner(const char* path, DWORD* mirror = 0) : m_reader(InitReader(path)), m_mirror(mirror) {
        if (m_mirror) *m_mirror = m_reader;
    }
    ~ReaderOwner() {
        if (m_reader) UnInitReader(m_reader);
        if (m_mirror) *m_mirror = 0;
    }
    DWORD Get() const { return m_reader; }
    bool IsOpen() const { return m_reader != 0; }
private:
    ReaderOwner(const ReaderOwner&);
    ReaderOwner& operator=(const ReaderOwner&);
    DWORD m_reader;
    DWORD* m_mirror;
};

// A bitmap made by Pixorel for one image.
class ImageOwner {
public:
    ImageOwner() : m_bitmap(0) {}
    ImageOwner(HDC dc, const ReaderOwner& reader, int index)
        : m_bitmap(index == -1 || !reader.IsOpen() ? 0 : CreateBitmapHandle(dc, reader.Get(), index)) {}
    ~ImageOwner() { Reset(0); }
    void Reset(HBITMAP bitmap) {
        if (m_bitmap) ReleaseBitmapHandle(m_bitmap);
        m_bitmap = bitmap;
    }
    HBITMAP Get() const { return m_bitmap; }
private:
    ImageOwner(const ImageOwner&);
    ImageOwner& operator=(const ImageOwner&);
    HBITMAP m_bitmap;
};

// The first of several images that the skin has (indices of -1 skipped):
// how a control measures itself from its region, normal and disabled frames.
inline HBITMAP CreateFirstImage(HDC dc, const ReaderOwner& reader, const int* indices, int count) {
    if (!reader.IsOpen()) return 0;
    for (int i = 0; i < count; ++i) {
        if (indices[i] == -1) continue;
        HBITMAP bitmap = CreateBitmapHandle(dc, reader.Get(), indices[i]);
        if (bitmap) return bitmap;
    }
    return 0;
}

// Width and height of a bitmap; 0 when GetObjectA cannot tell.
inline int MeasureBitmap(HBITMAP bitmap, int* width, int* height) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return 0;
    *width = info.bmWidth;
    *height = info.bmHeight;
    return 1;
}

// A DC from GetDC / GetWindowDC, released to its window.
class WindowDCOwner {
public:
    // whole: GetWindowDC (the screen DC for a null window); else GetDC.
    WindowDCOwner(HWND hwnd, bool whole) : m_hwnd(hwnd), m_dc(whole ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDCOwner() { if (m_dc) ReleaseDC(m_hwnd, m_dc); }
    HDC Get() const { return m_dc; }
private:
    WindowDCOwner(const WindowDCOwner&);
    WindowDCOwner& operator=(const WindowDCOwner&);
    HWND m_hwnd;
    HDC m_dc;
};

// A memory DC compatible with another.
class MemoryDCOwner {
public:
    explicit MemoryDCOwner(HDC like) : m_dc(CreateCompatibleDC(like)) {}
    ~MemoryDCOwner() { if (m_dc) DeleteDC(m_dc); }
    HDC Get() const { return m_dc; }
private:
    MemoryDCOwner(const MemoryDCOwner&);
    MemoryDCOwner& operator=(const MemoryDCOwner&);
    HDC m_dc;
};

// A GDI object (font, region, brush, bitmap) deleted with DeleteObject.
template <class T>
class GdiOwner {
public:
    explicit GdiOwner(T object = 0) : m_object(object) {}
    ~GdiOwner() { if (m_object) DeleteObject(m_object); }
    T Get() const { return m_object; }
    // Gives the object away (for example to SetWindowRgn, which then owns it).
    T Release() { T object = m_object; m_object = 0; return object; }
    void Reset(T object) { if (m_object) DeleteObject(m_object); m_object = object; }
private:
    GdiOwner(const GdiOwner&);
    GdiOwner& operator=(const GdiOwner&);
    T m_object;
};

// Selects an object into a DC and selects the previous one back at scope end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(dc && object ? SelectObject(dc, object) : 0) {}
    ~Selection() { if (m_old) SelectObject(m_dc, m_old); }
    bool Done() const { return m_old != 0; }
private:
    Selection(const Selection&);
    Selection& operator=(const Selection&);
    HDC m_dc;
    HGDIOBJ m_old;
};

#endif
