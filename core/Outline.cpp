#include "Outline.h"
#include "ItemArray.h"
#include "Resources.h"
#include <stdlib.h>
#include <string.h>

namespace {
// Rectangles collected for a region, built with ExtCreateRegion in small
// batches (it is quadratic in the rectangles it gets at once) that are then
// joined pairwise.
class RectList {
public:
    RectList() : m_rects(0), m_capacity(0), m_count(0), m_failed(false) {}
    ~RectList() { free(m_rects); }
    void Add(int left, int top, int right, int bottom) {
        if (m_count == m_capacity && !GrowItemArray((void**)&m_rects, &m_capacity, sizeof(RECT), 256)) {
            m_failed = true;
            return;
        }
        RECT& r = m_rects[m_count++];
        r.left = left; r.top = top; r.right = right; r.bottom = bottom;
    }
    RECT* At(DWORD i) { return &m_rects[i]; }
    DWORD Count() const { return m_count; }
    bool Failed() const { return m_failed; }
    HRGN BuildRegion() {
        if (m_failed) return 0;
        if (m_count == 0) return CreateRectRgn(0, 0, 0, 0);
        return Build(0, m_count);
    }
private:
    HRGN Build(DWORD first, DWORD count) {
        const DWORD kBatch = 64;
        if (count <= kBatch) return Batch(first, count);
        DWORD half = count / 2;
        HRGN left = Build(first, half);
        HRGN right = Build(first + half, count - half);
        // A failed join fails the whole cut, as a failed part does: a window
        // must not get part of its outline.
        if (!left || !right || CombineRgn(left, left, right, RGN_OR) == ERROR) {
            if (left) DeleteObject(left);
            if (right) DeleteObject(right);
            return 0;
        }
        DeleteObject(right);
        return left;
    }
    HRGN Batch(DWORD first, DWORD count) {
        struct { RGNDATAHEADER header; RECT rects[64]; } data;
        RECT bounds = m_rects[first];
        for (DWORD i = 0; i < count; ++i) {
            const RECT& r = m_rects[first + i];
            data.rects[i] = r;
            if (r.left < bounds.left) bounds.left = r.left;
            if (r.top < bounds.top) bounds.top = r.top;
            if (r.right > bounds.right) bounds.right = r.right;
            if (r.bottom > bounds.bottom) bounds.bottom = r.bottom;
        }
        data.header.dwSize = sizeof(RGNDATAHEADER);
        data.header.iType = RDH_RECTANGLES;
        data.header.nCount = count;
        data.header.nRgnSize = count * sizeof(RECT);
        data.header.rcBound = bounds;
        return ExtCreateRegion(0, sizeof(RGNDATAHEADER) + count * sizeof(RECT), (RGNDATA*)&data);
    }
    RECT* m_rects;
    DWORD m_capacity;
    DWORD m_count;
    bool m_failed;
};

// The top rows of an image as 32-bit pixels (0x00RRGGBB), read a band of
// rows at a time into one small buffer: a large frame is never copied whole
// (a fresh block of its size costs more in page faults than reading it), and
// rows below the window are not read at all. Bands are asked for bottom-up,
// where scan lines are numbered from the bottom of the image.
class PixelRows {
public:
    PixelRows(HDC dc, HBITMAP bitmap, int width, int height)
        : m_dc(dc), m_bitmap(bitmap), m_width(width), m_height(height), m_band(kBandPixels / width),
          m_first(0), m_count(0) {
        if (m_band < 1) m_band = 1;
        if (m_band > height) m_band = height;
        m_pixels = (DWORD*)malloc((size_t)width * m_band * 4);
        memset(&m_info, 0, sizeof m_info);
        m_info.bmiHeader.biSize = sizeof m_info.bmiHeader;
        m_info.bmiHeader.biWidth = width;
        m_info.bmiHeader.biHeight = height;
        m_info.bmiHeader.biPlanes = 1;
        m_info.bmiHeader.biBitCount = 32;
        m_info.bmiHeader.biCompression = BI_RGB;
    }
    ~PixelRows() { free(m_pixels); }
    bool Ready() const { return m_pixels != 0; }
    // Row y from the top (y below the image height); null when it cannot be read.
    const DWORD* Row(int y) {
        if ((y < m_first || y >= m_first + m_count) && !ReadBandAt(y)) return 0;
        return m_pixels + (size_t)(m_count - 1 - (y - m_first)) * m_width;
    }
private:
    static const int kBandPixels = 8192;
    PixelRows(const PixelRows&);
    PixelRows& operator=(const PixelRows&);
    bool ReadBandAt(int y) {
        int count = m_height - y < m_band ? m_height - y : m_band;
        if (GetDIBits(m_dc, m_bitmap, m_height - y - count, count, m_pixels, &m_info, DIB_RGB_COLORS) != count)
            return false;
        m_first = y;
        m_count = count;
        return true;
    }
    HDC m_dc;
    HBITMAP m_bitmap;
    int m_width, m_height, m_band;
    int m_first, m_count;  // the rows in the buffer
    DWORD* m_pixels;
    BITMAPINFO m_info;
};

// The kept runs of one row: [start, end) pairs. Rows that keep the same runs
// as the row above extend its rectangles downward instead of adding new ones.
struct RowRuns {
    int* bounds;
    int count;  // number of ints used (two per run)
};

void FindKeptRuns(const DWORD* row, int imageWidth, int width, DWORD key, RowRuns* runs) {
    runs->count = 0;
    int x = 0;
    int scanned = imageWidth < width ? imageWidth : width;
    while (x < width) {
        while (x < scanned && (row[x] & 0xFFFFFF) == key) ++x;
        if (x >= width) break;
        int start = x;
        while (x < width && (x >= scanned || (row[x] & 0xFFFFFF) != key)) ++x;
        runs->bounds[runs->count++] = start;
        runs->bounds[runs->count++] = x;
    }
}

bool SameRuns(const RowRuns& a, const RowRuns& b) {
    return a.count == b.count && memcmp(a.bounds, b.bounds, a.count * sizeof(int)) == 0;
}

void AddRunRects(RectList& list, const RowRuns& runs, int top, int bottom) {
    for (int i = 0; i < runs.count; i += 2) list.Add(runs.bounds[i], top, runs.bounds[i + 1], bottom);
}
}  // namespace

HRGN CreateOutlineRegion(HDC dc, HBITMAP bitmap, int width, int height, COLORREF transparent) {
    if (width <= 0 || height <= 0) return CreateRectRgn(0, 0, 0, 0);
    int imageWidth = 0, imageHeight = 0;
    // Without an image nothing matches, and GetPixel never reports a colour
    // with its top byte set: the whole rectangle stays.
    if (!bitmap || !MeasureBitmap(bitmap, &imageWidth, &imageHeight) || (transparent & 0xFF000000))
        return CreateRectRgn(0, 0, width, height);

    int rows = height < imageHeight ? height : imageHeight;
    PixelRows pixels(dc, bitmap, imageWidth, imageHeight);
    int* storage = (int*)malloc(sizeof(int) * 2 * (width + 1) * 2);
    if (!pixels.Ready() || !storage) {
        free(storage);
        return 0;
    }
    DWORD key = (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
    RowRuns previous = {storage, 0}, current = {storage + 2 * (width + 1), 0};
    RectList rects;
    int bandTop = 0;
    for (int y = 0; y < height; ++y) {
        if (y < rows) {
            const DWORD* row = pixels.Row(y);
            if (!row) {
                free(storage);
                return 0;
            }
            FindKeptRuns(row, imageWidth, width, key, &current);
        } else {
            current.count = 2;
            current.bounds[0] = 0;
            current.bounds[1] = width;
        }
        if (y > 0 && !SameRuns(previous, current)) {
            AddRunRects(rects, previous, bandTop, y);
            bandTop = y;
        }
        RowRuns swap = previous;
        previous = current;
        current = swap;
    }
    AddRunRects(rects, previous, bandTop, height);
    free(storage);
    return rects.BuildRegion();
}

int CutTransparentPixels(HRGN region, HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent) {
    int width = 0, height = 0;
    if (!bitmap || !MeasureBitmap(bitmap, &width, &height)) return 0;
    // The transparent pixels are the image's rectangle less what its outline keeps.
    GdiOwner<HRGN> cut(CreateRectRgn(0, 0, width, height));
    GdiOwner<HRGN> kept(CreateOutlineRegion(dc, bitmap, width, height, transparent));
    if (!cut.Get() || !kept.Get() || CombineRgn(cut.Get(), cut.Get(), kept.Get(), RGN_DIFF) == ERROR) return 0;
    if (OffsetRgn(cut.Get(), x, y) == ERROR) return 0;
    return CombineRgn(region, region, cut.Get(), RGN_DIFF) == ERROR ? 0 : 1;
}

int CutCornerRuns(HRGN region, HDC dc, HBITMAP mask, int x0, int y0, int dx, int dy, COLORREF transparent) {
    int width = 0, height = 0;
    if (!mask || !MeasureBitmap(mask, &width, &height)) return 0;
    if (transparent & 0xFF000000) return 1;  // no pixel has that colour
    PixelRows pixels(dc, mask, width, height);
    if (!pixels.Ready()) return 0;
    DWORD key = (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
    RectList rects;
    for (int j = 0; j < height; ++j) {
        const DWORD* row = pixels.Row(dy > 0 ? j : height - 1 - j);
        if (!row) return 0;
        int run = 0;
        while (run < width && (row[dx > 0 ? run : width - 1 - run] & 0xFFFFFF) == key) ++run;
        if (run == 0) continue;
        int y = y0 + j * dy;
        int left = dx > 0 ? x0 : x0 - run + 1;
        rects.Add(left, y, left + run, y + 1);
    }
    if (rects.Count() == 0) return 1;
    GdiOwner<HRGN> cut(rects.BuildRegion());
    if (!cut.Get()) return 0;
    return CombineRgn(region, region, cut.Get(), RGN_DIFF) == ERROR ? 0 : 1;
}
