// Benchmarks: each figure times the library ("ours") and what a host
// programmer would write instead ("reference"), reached through the same path
// (the same messages and calls), interleaved round by round in the same run,
// and prints the median time per run of each side:
//   <figure>: ours <t> ms, reference <t> ms, ratio <r>
// A floor (the least the platform can do for the same result) is an extra
// line named as such. The rules are in bench/README.md.
#include <windows.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
#include "Accounting.h"
#include "Pixorel.h"
#include "Tessaro.h"

namespace {
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

double NowMs() {
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * double(t.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians {
    double ours, reference;
};

// Times `rounds` rounds. Each round runs `batch` times one side, then `batch`
// times the other (which side goes first alternates from round to round) and
// keeps the time per run of each; the result is the median over the rounds.
// A machine that slows down for a while slows both sides of the same rounds.
Medians Interleaved(int rounds, int batch, const std::function<void()>& ours,
                    const std::function<void()>& reference) {
    std::vector<double> oursMs, referenceMs;
    auto time = [batch](const std::function<void()>& work) {
        double start = NowMs();
        for (int i = 0; i < batch; ++i) work();
        return (NowMs() - start) / batch;
    };
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            oursMs.push_back(time(ours));
            referenceMs.push_back(time(reference));
        } else {
            referenceMs.push_back(time(reference));
            oursMs.push_back(time(ours));
        }
    }
    return {Median(oursMs), Median(referenceMs)};
}

// Every line starts with the flavour it was measured in.
const char* const kFlavour = sizeof(void*) == 8 ? "x64" : "x86";

void Report(const char* figure, const Medians& m) {
    std::printf("%s %s: ours %.3f ms, reference %.3f ms, ratio %.3f\n", kFlavour, figure, m.ours, m.reference,
                m.reference > 0 ? m.ours / m.reference : 0.0);
    std::fflush(stdout);
}

void Pump() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// ---- a 640x480 skin image with an irregular transparent shape (~30%) -------
const int kWidth = 640, kHeight = 480;
const DWORD kKey = 0xFF00FF;
const COLORREF kTransparent = RGB(255, 0, 255);

std::vector<DWORD> IrregularFrame() {
    std::vector<DWORD> px(size_t(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            // A wavy blob with holes: the border and the holes are transparent.
            double dx = (x - 320) / 330.0, dy = (y - 240) / 250.0;
            double wave = 0.08 * std::sin(x / 17.0) + 0.06 * std::cos(y / 11.0);
            bool inside = dx * dx + dy * dy < 0.80 + wave;
            bool hole = ((x / 40 + y / 40) % 5 == 0) && ((x % 40) - 20) * ((x % 40) - 20) + ((y % 40) - 20) * ((y % 40) - 20) < 150;
            px[size_t(y) * kWidth + x] = inside && !hole ? (0x204060 + (x & 0x3F)) : kKey;
        }
    return px;
}

std::string Bmp24(const std::vector<DWORD>& px, int w, int h) {
    auto put32 = [](std::string& s, unsigned v) { for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF); };
    auto put16 = [](std::string& s, unsigned v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); };
    unsigned stride = (unsigned(w) * 3 + 3) & ~3u;
    std::string s = "BM";
    put32(s, 54 + stride * h); put32(s, 0); put32(s, 54);
    put32(s, 40); put32(s, w); put32(s, h); put16(s, 1); put16(s, 24); put32(s, 0);
    put32(s, stride * h); put32(s, 2835); put32(s, 2835); put32(s, 0); put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            DWORD c = px[size_t(y) * w + x];
            row += char(c & 0xFF); row += char((c >> 8) & 0xFF); row += char((c >> 16) & 0xFF);
        }
        row.resize(stride, '\0');
        s += row;
    }
    return s;
}

std::string WriteSkin(const std::string& bytes, const char* name = "tessaro-bench.bmp") {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

LOGFONTA Font() {
    LOGFONTA f = {};
    f.lfHeight = -14;
    lstrcpyA(f.lfFaceName, "Tahoma");
    return f;
}

// The skin image as a host programmer would hold it: loaded once into a
// bitmap compatible with the screen and selected into a memory DC.
class ReadyImage {
public:
    explicit ReadyImage(const std::string& path) {
        m_bitmap = (HBITMAP)LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~ReadyImage() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap; }
private:
    HBITMAP m_bitmap;
    HDC m_dc;
    HGDIOBJ m_old;
};

// Plain windows that paint the ready image with one BitBlt in WM_PAINT and,
// when their user data names a caption, draw it over the image in a font
// made from the same LOGFONT as ours.
ReadyImage* g_ready = nullptr;
const char kPlainClass[] = "BENCH PLAIN PAINT CLASS";

LRESULT CALLBACK PlainPaintProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, g_ready->Dc(), 0, 0, SRCCOPY);
        const char* caption = reinterpret_cast<const char*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (caption) {
            LOGFONTA lf = Font();
            HFONT font = CreateFontIndirectA(&lf);
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(255, 255, 255));
            DrawTextA(dc, caption, lstrlenA(caption), &rc, DT_CENTER);
            SelectObject(dc, old);
            DeleteObject(font);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, w, l);
}

void RegisterPlainClass() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainPaintProc;
    wc.hInstance = Instance();
    wc.lpszClassName = kPlainClass;
    RegisterClassA(&wc);  // no background brush, as the library's classes
}

// A top-level window shown without activation: destroying an active one
// costs a round trip to the X server here.
HWND PlainPopup(const char* cls, int x) {
    HWND h = CreateWindowExA(0, cls, "", WS_POPUP, x, 0, kWidth, kHeight, nullptr, nullptr, Instance(), nullptr);
    ShowWindow(h, SW_SHOWNOACTIVATE);
    return h;
}

HRGN RegionOf(HWND hwnd) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(hwnd, r);
    return r;
}

// ---- outline cut -------------------------------------------------------------

// Opens the outline cut to the benchmark.
class CutWindow : public CBitmapWindow {
public:
    using CBitmapWindow::CBitmapWindow;
    int Cut(COLORREF key) { return SetWindowRgn(key); }
    void SetRegionFrame(int frame) { m_nRegionID = frame; }
};

// The literal method: one GetPixel and one CombineRgn per transparent pixel.
void CutPixelByPixel(HWND hwnd, const char* path, COLORREF key) {
    DWORD reader = InitReader(path);
    HDC wdc = GetWindowDC(hwnd);
    HBITMAP bmp = CreateBitmapHandle(wdc, reader, 1);
    HDC mem = CreateCompatibleDC(wdc);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HRGN region = CreateRectRgn(0, 0, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (GetPixel(mem, x, y) == key) {
                HRGN dot = CreateRectRgn(x, y, x + 1, y + 1);
                CombineRgn(region, region, dot, RGN_DIFF);
                DeleteObject(dot);
            }
    if (!SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
    SelectObject(mem, old);
    ReleaseBitmapHandle(bmp);
    UnInitReader(reader);
    DeleteDC(mem);
    ReleaseDC(hwnd, wdc);
}

// The floor of a cut: the pixels of a ready bitmap read with one GetDIBits,
// and the finished list of rectangles (taken from our region beforehand)
// made into a region with one ExtCreateRegion.
class CutFloor {
public:
    CutFloor(HDC dc, HRGN finished, HBITMAP ready) : m_dc(dc), m_ready(ready) {
        DWORD size = GetRegionData(finished, 0, nullptr);
        m_data.resize(size);
        GetRegionData(finished, size, reinterpret_cast<RGNDATA*>(m_data.data()));
        m_pixels.resize(size_t(kWidth) * kHeight);
    }
    void operator()() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        GetDIBits(m_dc, m_ready, 0, kHeight, m_pixels.data(), &info, DIB_RGB_COLORS);
        HRGN region = ExtCreateRegion(nullptr, DWORD(m_data.size()), reinterpret_cast<const RGNDATA*>(m_data.data()));
        DeleteObject(region);
    }
private:
    HDC m_dc;
    HBITMAP m_ready;
    std::vector<char> m_data;
    std::vector<DWORD> m_pixels;
};

bool SameRegion(HWND a, HWND b) {
    HRGN ra = RegionOf(a), rb = RegionOf(b);
    bool equal = EqualRgn(ra, rb);
    DeleteObject(ra);
    DeleteObject(rb);
    return equal;
}

void OutlineFigure(const std::string& path) {
    CutWindow ours((char*)path.c_str(), -1, 1, -1, Font(), (char*)"", 0, 0);
    ours.Create("", WS_POPUP, 0, 0, -1, -1, Instance(), nullptr, 1, kTransparent, nullptr, nullptr, nullptr,
                SW_SHOWNOACTIVATE);
    ours.SetRegionFrame(1);
    HWND reference = PlainPopup("STATIC", kWidth);
    Pump();
    Report("outline cut of a 640x480 frame",
           Interleaved(5, 1, [&] { ours.Cut(kTransparent); },
                       [&] { CutPixelByPixel(reference, path.c_str(), kTransparent); }));
    if (!SameRegion(ours.GetWindowHandle(), reference)) std::printf("%s outline cut: REGIONS DIFFER\n", kFlavour);

    // The floor gets no window: handing the region to one (SetWindowRgn)
    // is part of ours only.
    HRGN finished = RegionOf(ours.GetWindowHandle());
    ReadyImage ready(path);
    HDC screen = GetDC(nullptr);
    CutFloor floor(screen, finished, ready.Bitmap());
    DeleteObject(finished);
    Report("outline cut floor, one GetDIBits and one ExtCreateRegion of the finished rectangles",
           Interleaved(31, 1, [&] { ours.Cut(kTransparent); }, floor));
    ReleaseDC(nullptr, screen);
    if (!SameRegion(ours.GetWindowHandle(), reference)) std::printf("%s outline cut: REGIONS DIFFER after re-cuts\n", kFlavour);
    DestroyWindow(ours.GetWindowHandle());
    DestroyWindow(reference);
}

// ---- repaint -----------------------------------------------------------------

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}

// Ours and a plain window of the same kind and size side by side, neither
// cut, both painting the same pixels; each run invalidates the whole window
// and has it paint at once. Then both with a caption over the image.
void RepaintFigure(const std::string& path) {
    ReadyImage ready(path);
    g_ready = &ready;
    RegisterPlainClass();
    static const char kCaption[] = "Tessaro";
    CBitmapWindow ours((char*)path.c_str(), -1, 1, -1, Font(), (char*)"", RGB(255, 255, 255), DT_CENTER);
    ours.Create("", WS_POPUP, 0, 0, -1, -1, Instance(), nullptr, 1, kTransparent, nullptr, nullptr, nullptr,
                SW_SHOWNOACTIVATE);
    HWND hwnd = ours.GetWindowHandle();
    HWND plain = PlainPopup(kPlainClass, kWidth);
    Pump();
    Report("repaint of a 640x480 bitmap window",
           Interleaved(201, 2, [&] { Repaint(hwnd); }, [&] { Repaint(plain); }));
    HDC wdc = GetDC(plain);
    Report("repaint floor, bare BitBlt of 640x480",
           Interleaved(201, 2, [&] { Repaint(hwnd); },
                       [&] {
                           BitBlt(wdc, 0, 0, kWidth, kHeight, ready.Dc(), 0, 0, SRCCOPY);
                           GdiFlush();
                       }));
    ReleaseDC(plain, wdc);
    ours.SetBitmapName((char*)kCaption);
    SetWindowLongPtrA(plain, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(kCaption));
    Pump();
    Report("repaint of a 640x480 bitmap window with a caption",
           Interleaved(201, 2, [&] { Repaint(hwnd); }, [&] { Repaint(plain); }));
    DestroyWindow(hwnd);
    DestroyWindow(plain);
    g_ready = nullptr;
}

// ---- slider track --------------------------------------------------------------

// A track piece of 12x16 pixels with distinct columns: the start corner, the
// end corner and the tile of the middle are all this image.
const int kPieceWidth = 12, kPieceHeight = 16, kTrackLength = 400;

std::vector<DWORD> TrackPiece() {
    std::vector<DWORD> px(size_t(kPieceWidth) * kPieceHeight);
    for (int y = 0; y < kPieceHeight; ++y)
        for (int x = 0; x < kPieceWidth; ++x) px[size_t(y) * kPieceWidth + x] = 0x203040 + x * 0x0A0000 + y * 0x000A00;
    return px;
}

// What a host programmer writes for a track: the corners and the middle
// tiles copied from the ready piece in WM_PAINT, the tiles in one phase
// from the window's start.
LRESULT CALLBACK PlainTrackProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, w, l);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    BitBlt(dc, 0, 0, kPieceWidth, kPieceHeight, g_ready->Dc(), 0, 0, SRCCOPY);
    int end = rc.right - kPieceWidth;
    for (int x = kPieceWidth; x < end;) {
        int phase = x % kPieceWidth;
        int n = kPieceWidth - phase < end - x ? kPieceWidth - phase : end - x;
        BitBlt(dc, x, 0, n, kPieceHeight, g_ready->Dc(), phase, 0, SRCCOPY);
        x += n;
    }
    BitBlt(dc, end, 0, kPieceWidth, kPieceHeight, g_ready->Dc(), 0, 0, SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}

void SliderFigure() {
    std::string path = WriteSkin(Bmp24(TrackPiece(), kPieceWidth, kPieceHeight), "tessaro-bench-track.bmp");
    ReadyImage ready(path);
    g_ready = &ready;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainTrackProc;
    wc.hInstance = Instance();
    wc.lpszClassName = "BENCH PLAIN TRACK CLASS";
    RegisterClassA(&wc);
    CBitmapSliderBar ours((char*)path.c_str(), 1, 1, -1, 1, 0, -1, 1, 0, kTransparent, 1);
    ours.Create("", WS_POPUP, 0, 0, kTrackLength, kPieceHeight, Instance(), nullptr, 1, kTransparent, nullptr,
                nullptr, nullptr, SW_SHOWNOACTIVATE);
    HWND hwnd = ours.GetWindowHandle();
    HWND plain = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 100, kTrackLength, kPieceHeight, nullptr,
                                 nullptr, Instance(), nullptr);
    ShowWindow(plain, SW_SHOWNOACTIVATE);
    Pump();
    Report("repaint of a 400x16 slider track (corners and 12-px tiles)",
           Interleaved(201, 4, [&] { Repaint(hwnd); }, [&] { Repaint(plain); }));
    DestroyWindow(hwnd);
    DestroyWindow(plain);
    g_ready = nullptr;
    DeleteFileA(path.c_str());
}

// ---- bitmap strip --------------------------------------------------------------

// A skin container of several images, numbered from 1.
std::string SkinOf(const std::vector<std::string>& images) {
    auto put32 = [](std::string& s, unsigned v) { for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF); };
    std::string s = "TSKN";
    put32(s, 1);
    put32(s, (unsigned)images.size());
    unsigned offset = 12 + 8 * (unsigned)images.size();
    for (const std::string& image : images) {
        put32(s, offset);
        put32(s, (unsigned)image.size());
        offset += (unsigned)image.size();
    }
    for (const std::string& image : images) s += image;
    return s;
}

std::vector<DWORD> Filled(int w, int h, DWORD base) {
    std::vector<DWORD> px(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px[size_t(y) * w + x] = base + (x & 0x1F) * 0x010000 + y * 0x000300;
    return px;
}

// The cost of a strip should follow the items in view, not the items it
// holds: the same 240x280 strip (ten 28-pixel rows in view) holding 1,000
// items against holding 10, painted, and scrolled by one item.
void StripFigure() {
    const int kStripW = 240, kStripH = 280, kRowH = 28;
    std::string path = WriteSkin(SkinOf({Bmp24(Filled(kStripW, kStripH, 0x101820), kStripW, kStripH),
                                         Bmp24(Filled(kStripW, kRowH, 0x304060), kStripW, kRowH),
                                         Bmp24(Filled(kStripW, kRowH, 0x406080), kStripW, kRowH)}),
                                 "tessaro-bench-strip.tsk");
    BITMAPLISTID row = {-1, 2, 2, 2, 3};
    CDispalyMultiBitmapWindow large((char*)path.c_str(), -1, 1, 1, Font(), 1, kRowH);
    CDispalyMultiBitmapWindow small((char*)path.c_str(), -1, 1, 1, Font(), 1, kRowH);
    __int64 error = 0;
    for (int i = 0; i < 1000; ++i) {
        char text[20];
        std::snprintf(text, sizeof text, "Item %d", i);
        large.SetBitmap(row, text, RGB(255, 255, 255), i, &error);
        if (i < 10) small.SetBitmap(row, text, RGB(255, 255, 255), i, &error);
    }
    large.Create("", WS_POPUP, 0, 0, kStripW, kStripH, Instance(), nullptr, 1, kTransparent, nullptr, nullptr,
                 nullptr, SW_SHOWNOACTIVATE);
    small.Create("", WS_POPUP, kStripW, 0, kStripW, kStripH, Instance(), nullptr, 2, kTransparent, nullptr, nullptr,
                 nullptr, SW_SHOWNOACTIVATE);
    HWND largeWindow = large.GetWindowHandle(), smallWindow = small.GetWindowHandle();
    Pump();
    Report("paint of a strip of 1000 items (reference: the same strip of 10)",
           Interleaved(101, 2, [&] { Repaint(largeWindow); }, [&] { Repaint(smallWindow); }));
    // Both in mid-strip, then one item forward or back in turn.
    large.SetWindowPosion(500);
    small.SetWindowPosion(4);
    Pump();
    int largeAt = 500, smallAt = 4;
    Report("one scroll step of a strip of 1000 items (reference: the same strip of 10)",
           Interleaved(101, 2,
                       [&] {
                           largeAt = largeAt == 500 ? 501 : 500;
                           large.SetWindowPosion(largeAt);
                           UpdateWindow(largeWindow);
                       },
                       [&] {
                           smallAt = smallAt == 4 ? 5 : 4;
                           small.SetWindowPosion(smallAt);
                           UpdateWindow(smallWindow);
                       }));
    DestroyWindow(largeWindow);
    DestroyWindow(smallWindow);
    DeleteFileA(path.c_str());
}

// ---- edit box ------------------------------------------------------------------

// An edit box that counts its paints.
class CountingEditBox : public CBitmapEditBox {
public:
    using CBitmapEditBox::CBitmapEditBox;
    int paints = 0;
    int OnPaint() override {
        ++paints;
        return CBitmapEditBox::OnPaint();
    }
};

// A keystroke in a 1000-pixel-wide box that is nearly full (a character
// typed, or taken back with Backspace, then the repaint it causes) against
// a repaint of a bitmap window of the same size and frame.
void EditFigure() {
    const int kBoxW = 1000, kBoxH = 24;
    std::string path = WriteSkin(Bmp24(Filled(kBoxW, kBoxH, 0x182030), kBoxW, kBoxH), "tessaro-bench-edit.bmp");
    CountingEditBox box((char*)path.c_str(), -1, 1, 1, Font(), RGB(230, 234, 242), DT_LEFT | DT_SINGLELINE);
    CBitmapWindow plain((char*)path.c_str(), -1, 1, 1, Font(), (char*)"", 0, 0);
    box.Create("", WS_POPUP, 0, 0, -1, -1, Instance(), nullptr, 1, kTransparent, nullptr, nullptr, nullptr,
               SW_SHOWNOACTIVATE);
    plain.Create("", WS_POPUP, 0, 100, -1, -1, Instance(), nullptr, 2, kTransparent, nullptr, nullptr, nullptr,
                 SW_SHOWNOACTIVATE);
    HWND boxWindow = box.GetWindowHandle(), plainWindow = plain.GetWindowHandle();
    // The box takes characters once it has measured itself, on the focus.
    SendMessageA(boxWindow, WM_SETFOCUS, 0, 0);
    for (int i = 0; i < 400; ++i) SendMessageA(boxWindow, WM_CHAR, 'a' + i % 26, 0);  // fills it up
    SendMessageA(boxWindow, WM_CHAR, 8, 0);
    Pump();
    bool typed = false;
    int keystrokes = 0;
    int paintsBefore = box.paints;
    Report("keystroke in a nearly full 1000-pixel edit box (reference: repaint of a bitmap window that size)",
           Interleaved(101, 2,
                       [&] {
                           typed = !typed;
                           SendMessageA(boxWindow, WM_CHAR, typed ? 'x' : 8, 0);
                           UpdateWindow(boxWindow);
                           ++keystrokes;
                       },
                       [&] { Repaint(plainWindow); }));
    std::printf("%s paints per keystroke: %.2f\n", kFlavour, keystrokes ? double(box.paints - paintsBefore) / keystrokes : 0.0);
    std::fflush(stdout);
    DestroyWindow(boxWindow);
    DestroyWindow(plainWindow);
    DeleteFileA(path.c_str());
}

// ---- create/paint/destroy cycles ---------------------------------------------

// Bytes in use in every heap of the process.
long long HeapBytesInUse() {
    HANDLE heaps[256];
    DWORD count = std::min<DWORD>(GetProcessHeaps(256, heaps), 256);
    long long total = 0;
    for (DWORD i = 0; i < count; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    }
    return total;
}

// What the library holds at one moment; growth adds up differences of two.
// GDI objects and borrowed DCs are those of Tessaro.dll and Pixorel.dll, as
// counted through their import tables; heap bytes are the whole process's.
struct Holdings {
    int readers = 0, bitmaps = 0;
    long gdiObjects = 0;
    long long heapBytes = 0;
    void AddGrowth(const Holdings& before, const Holdings& after) {
        readers += after.readers - before.readers;
        bitmaps += after.bitmaps - before.bitmaps;
        gdiObjects += after.gdiObjects - before.gdiObjects;
        heapBytes += after.heapBytes - before.heapBytes;
    }
};

Holdings HoldingsNow() {
    Holdings h;
    PixorelOpenCounts(&h.readers, &h.bitmaps);
    accounting::Mark counted = accounting::Now();
    h.gdiObjects = counted.gdiObjects + counted.borrowedDCs;
    h.heapBytes = HeapBytesInUse();
    return h;
}

// Child windows of one host window, as controls are used (a top-level
// window costs a round trip to the X server on each destruction); both sides
// paint the image and the caption. Blocks of cycles of each side are
// interleaved and their times added up; the growth adds up what the blocks
// of ours left behind.
void CyclesFigure(const std::string& path) {
    ReadyImage ready(path);
    g_ready = &ready;
    RegisterPlainClass();
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, Instance(), nullptr);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    static const char kCaption[] = "cycle";
    auto oursCycle = [&] {
        CBitmapWindow w((char*)path.c_str(), 1, 1, -1, Font(), (char*)kCaption, RGB(255, 255, 255), DT_CENTER);
        w.Create("", WS_CHILD | WS_VISIBLE, 0, 0, 64, 48, Instance(), host, 1, kTransparent, nullptr, nullptr,
                 nullptr, SW_SHOW);
        DestroyWindow(w.GetWindowHandle());
    };
    auto referenceCycle = [&] {
        HWND h = CreateWindowExA(0, kPlainClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 64, 48, host, nullptr,
                                 Instance(), nullptr);
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(kCaption));
        UpdateWindow(h);
        DestroyWindow(h);
    };
    oursCycle();  // warm-up: the window class and first-use allocations
    referenceCycle();
    Pump();
    NowMs();  // its first call sets up a static (which allocates)
    const int kBlocks = 10, kCycles = 1000;
    double oursMs = 0, referenceMs = 0;
    Holdings growth;
    for (int block = 0; block < kBlocks; ++block) {
        Holdings before = HoldingsNow();
        double start = NowMs();
        for (int i = 0; i < kCycles / kBlocks; ++i) oursCycle();
        oursMs += NowMs() - start;
        Pump();
        Holdings after = HoldingsNow();
        growth.AddGrowth(before, after);
        start = NowMs();
        for (int i = 0; i < kCycles / kBlocks; ++i) referenceCycle();
        referenceMs += NowMs() - start;
        Pump();
    }
    Report("1000 create/paint/destroy cycles of a bitmap window", {oursMs, referenceMs});
    std::printf("%s growth after 1000 cycles: open readers %d, open bitmaps %d, GDI objects %ld, heap %lld bytes\n",
                kFlavour, growth.readers, growth.bitmaps, growth.gdiObjects, growth.heapBytes);
    DestroyWindow(host);
    g_ready = nullptr;
}

// ---- frame window --------------------------------------------------------------

// An 800x600 frame with 64x64 rounded corners whose outer rim is shadowed,
// edges of 8 pixels (tiles 20 pixels long, so the last tile of each edge is
// cut) and a 24-pixel title bar. Images 1-13 of the skin, in the order the
// frame's constructor takes them.
const int kFrameW = 800, kFrameH = 600, kCorner = 64, kBand = 8, kTileLength = 20, kTitleHeight = 24;
enum FramePiece {
    kTopLeftMask = 1, kTopLeftImage, kTopEdge, kTopRightMask, kTopRightImage, kRightEdge, kBottomRightMask,
    kBottomRightImage, kBottomEdge, kBottomLeftMask, kBottomLeftImage, kLeftEdge, kTitleBar, kFramePieces
};
enum Corner { kCornerTopLeft, kCornerTopRight, kCornerBottomRight, kCornerBottomLeft };

// Distance of a corner pixel from the centre of the corner's arc (the inner
// corner of the 64x64 square), in pixels.
double ArcDistance(Corner corner, int x, int y) {
    double fx = (corner == kCornerTopLeft || corner == kCornerBottomLeft) ? kCorner - 0.5 - x : x + 0.5;
    double fy = (corner == kCornerTopLeft || corner == kCornerTopRight) ? kCorner - 0.5 - y : y + 0.5;
    return std::sqrt(fx * fx + fy * fy);
}

// Outside the quarter circle: transparent; inside: black.
std::vector<DWORD> CornerMask(Corner corner) {
    std::vector<DWORD> px(size_t(kCorner) * kCorner);
    for (int y = 0; y < kCorner; ++y)
        for (int x = 0; x < kCorner; ++x) px[size_t(y) * kCorner + x] = ArcDistance(corner, x, y) <= kCorner ? 0 : kKey;
    return px;
}

// A shadow darkening toward the rim over the last 8 pixels, over a face whose
// colour changes with every pixel (a misplaced pixel shows in a read-back).
std::vector<DWORD> CornerImage(Corner corner) {
    std::vector<DWORD> px(size_t(kCorner) * kCorner);
    for (int y = 0; y < kCorner; ++y)
        for (int x = 0; x < kCorner; ++x) {
            double d = ArcDistance(corner, x, y);
            DWORD c = 0x305070 + DWORD(corner) * 0x100000 + DWORD(x) * 0x000101 + DWORD(y) * 0x010000 / 2;
            if (d > kCorner - 8) {
                int grey = 0x20 + int((kCorner - d) * 12);
                c = DWORD(grey) * 0x010101 + DWORD(corner);
            }
            px[size_t(y) * kCorner + x] = c & 0xFFFFFF;
        }
    return px;
}

// An edge tile: `outer` is the distance of a pixel from the window's border,
// `along` its place along the edge; the outer 3 pixels are the shadow.
DWORD EdgePixel(int piece, int outer, int along) {
    if (outer < 3) return DWORD(0x28 + outer * 0x18) * 0x010101 + DWORD(piece);
    return 0x406080 + DWORD(piece) * 0x080000 + DWORD(along) * 0x000305 + DWORD(outer) * 0x000800;
}

std::vector<DWORD> EdgeTile(int piece, int w, int h) {
    std::vector<DWORD> px(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int outer = 0, along = 0;
            switch (piece) {
            case kTopEdge: outer = y; along = x; break;
            case kBottomEdge: outer = h - 1 - y; along = x; break;
            case kLeftEdge: outer = x; along = y; break;
            case kRightEdge: outer = w - 1 - x; along = y; break;
            default: outer = 3 + y; along = x; break;  // the title bar
            }
            px[size_t(y) * w + x] = EdgePixel(piece, outer, along);
        }
    return px;
}

std::string FrameSkin() {
    auto corner = [](Corner c, bool mask) {
        return Bmp24(mask ? CornerMask(c) : CornerImage(c), kCorner, kCorner);
    };
    return SkinOf({corner(kCornerTopLeft, true), corner(kCornerTopLeft, false),
                   Bmp24(EdgeTile(kTopEdge, kTileLength, kBand), kTileLength, kBand),
                   corner(kCornerTopRight, true), corner(kCornerTopRight, false),
                   Bmp24(EdgeTile(kRightEdge, kBand, kTileLength), kBand, kTileLength),
                   corner(kCornerBottomRight, true), corner(kCornerBottomRight, false),
                   Bmp24(EdgeTile(kBottomEdge, kTileLength, kBand), kTileLength, kBand),
                   corner(kCornerBottomLeft, true), corner(kCornerBottomLeft, false),
                   Bmp24(EdgeTile(kLeftEdge, kBand, kTileLength), kBand, kTileLength),
                   Bmp24(EdgeTile(kTitleBar, kTileLength, kTitleHeight), kTileLength, kTitleHeight)});
}

// The thirteen images as a host programmer holds them: each made once from
// the skin and selected into a memory DC of its own.
class ReadyFrameSkin {
public:
    explicit ReadyFrameSkin(const std::string& path) {
        m_reader = InitReader(path.c_str());
        HDC screen = GetDC(nullptr);
        for (int i = 1; i < kFramePieces; ++i) {
            m_bitmap[i] = CreateBitmapHandle(screen, m_reader, i);
            BITMAP bm = {};
            GetObjectA(m_bitmap[i], sizeof bm, &bm);
            m_width[i] = bm.bmWidth;
            m_height[i] = bm.bmHeight;
            m_dc[i] = CreateCompatibleDC(screen);
            m_old[i] = SelectObject(m_dc[i], m_bitmap[i]);
        }
        ReleaseDC(nullptr, screen);
    }
    ~ReadyFrameSkin() {
        for (int i = 1; i < kFramePieces; ++i) {
            SelectObject(m_dc[i], m_old[i]);
            DeleteDC(m_dc[i]);
            ReleaseBitmapHandle(m_bitmap[i]);
        }
        UnInitReader(m_reader);
    }
    HDC Dc(int piece) const { return m_dc[piece]; }
    int Width(int piece) const { return m_width[piece]; }
    int Height(int piece) const { return m_height[piece]; }
private:
    DWORD m_reader;
    HBITMAP m_bitmap[kFramePieces] = {};
    HDC m_dc[kFramePieces] = {};
    HGDIOBJ m_old[kFramePieces] = {};
    int m_width[kFramePieces] = {}, m_height[kFramePieces] = {};
};

// The host's frame, written literally: every WM_PAINT cuts the outline from
// the four corner masks one pixel at a time (GetPixel, then a 1x1 region
// taken away with CombineRgn for each transparent pixel from the outer side
// of a row up to its first drawn pixel), then draws each corner pixel by
// pixel (GetPixel on the mask, one 1x1 BitBlt per drawn pixel) and tiles the
// edges and the title bar with BitBlt. The cut comes before BeginPaint, so
// that the repaint the new outline asks for is part of this paint.
ReadyFrameSkin* g_frameSkin = nullptr;
int g_referenceFramePaints = 0;
const char kPlainFrameClass[] = "BENCH PLAIN FRAME CLASS";

struct CornerPlace {
    int mask, image, x0, y0, dx, dy;
};

void CutFramePixelByPixel(HWND hwnd, int w, int h) {
    const ReadyFrameSkin& s = *g_frameSkin;
    HRGN region = CreateRectRgn(0, 0, w, h);
    const CornerPlace corners[] = {{kTopLeftMask, kTopLeftImage, 0, 0, 1, 1},
                                   {kTopRightMask, kTopRightImage, w - 1, 0, -1, 1},
                                   {kBottomRightMask, kBottomRightImage, w - 1, h - 1, -1, -1},
                                   {kBottomLeftMask, kBottomLeftImage, 0, h - 1, 1, -1}};
    for (const CornerPlace& c : corners) {
        int mw = s.Width(c.mask), mh = s.Height(c.mask);
        for (int j = 0; j < mh; ++j) {
            int maskRow = c.dy > 0 ? j : mh - 1 - j;
            for (int i = 0; i < mw; ++i) {
                int maskColumn = c.dx > 0 ? i : mw - 1 - i;
                if (GetPixel(s.Dc(c.mask), maskColumn, maskRow) != kTransparent) break;
                int x = c.x0 + i * c.dx, y = c.y0 + j * c.dy;
                HRGN dot = CreateRectRgn(x, y, x + 1, y + 1);
                CombineRgn(region, region, dot, RGN_DIFF);
                DeleteObject(dot);
            }
        }
    }
    if (!SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
}

void DrawCornerPixelByPixel(HDC dc, int mask, int image, int x0, int y0) {
    const ReadyFrameSkin& s = *g_frameSkin;
    for (int j = 0; j < s.Height(mask); ++j)
        for (int i = 0; i < s.Width(mask); ++i)
            if (GetPixel(s.Dc(mask), i, j) != kTransparent) BitBlt(dc, x0 + i, y0 + j, 1, 1, s.Dc(image), i, j, SRCCOPY);
}

// One tile after the other from `start` to `end` along x (or y), the last one cut.
void TileAlong(HDC dc, int piece, bool alongX, int fixed, int start, int end) {
    const ReadyFrameSkin& s = *g_frameSkin;
    int length = alongX ? s.Width(piece) : s.Height(piece);
    for (int p = start; p < end; p += length) {
        int n = std::min(length, end - p);
        if (alongX)
            BitBlt(dc, p, fixed, n, s.Height(piece), s.Dc(piece), 0, 0, SRCCOPY);
        else
            BitBlt(dc, fixed, p, s.Width(piece), n, s.Dc(piece), 0, 0, SRCCOPY);
    }
}

LRESULT CALLBACK PlainFrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const ReadyFrameSkin& s = *g_frameSkin;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    CutFramePixelByPixel(hwnd, w, h);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    DrawCornerPixelByPixel(dc, kBottomRightMask, kBottomRightImage, w - s.Width(kBottomRightMask),
                           h - s.Height(kBottomRightMask));
    DrawCornerPixelByPixel(dc, kBottomLeftMask, kBottomLeftImage, 0, h - s.Height(kBottomLeftImage));
    DrawCornerPixelByPixel(dc, kTopLeftMask, kTopLeftImage, 0, 0);
    DrawCornerPixelByPixel(dc, kTopRightMask, kTopRightImage, w - s.Width(kTopRightMask), 0);
    TileAlong(dc, kTopEdge, true, 0, s.Width(kTopLeftImage), w - s.Width(kTopRightImage));
    TileAlong(dc, kRightEdge, false, w - s.Width(kRightEdge), s.Height(kTopRightImage), h - s.Height(kBottomRightImage));
    TileAlong(dc, kBottomEdge, true, h - s.Height(kBottomEdge), s.Width(kBottomLeftImage), w - s.Width(kBottomRightImage));
    TileAlong(dc, kLeftEdge, false, 0, s.Height(kTopLeftImage), h - s.Height(kBottomLeftImage));
    TileAlong(dc, kTitleBar, true, s.Height(kTopEdge), s.Width(kTopLeftImage), w - s.Width(kTopRightImage));
    EndPaint(hwnd, &ps);
    ++g_referenceFramePaints;
    return 0;
}

// A window that validates what it is asked to paint and draws nothing.
const char kEmptyFrameClass[] = "BENCH EMPTY FRAME CLASS";

LRESULT CALLBACK EmptyFrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

// Our frame, counting its paints.
class CountingFrame : public CFrameWindow {
public:
    using CFrameWindow::CFrameWindow;
    int paints = 0;
    int OnPaint() override {
        ++paints;
        return CFrameWindow::OnPaint();
    }
};

// What a window shows, 0x00RRGGBB, row-major, read from its DC.
std::vector<DWORD> ReadBack(HWND hwnd, int w, int h) {
    std::vector<DWORD> out(size_t(w) * h);
    UpdateWindow(hwnd);
    HDC wdc = GetDC(hwnd);
    HDC mdc = CreateCompatibleDC(wdc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(wdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mdc, dib);
    BitBlt(mdc, 0, 0, w, h, wdc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < out.size(); ++i) out[i] = p[i] & 0xFFFFFF;
    SelectObject(mdc, old);
    DeleteObject(dib);
    DeleteDC(mdc);
    ReleaseDC(hwnd, wdc);
    return out;
}

// Both frames at 800x600 compared pixel for pixel wherever a frame draws:
// inside the outline, in the border bands and in the four corner squares
// (the inner area is left to a client window and drawn by neither).
bool SameFramePixels(HWND ours, HWND reference) {
    ShowWindow(reference, SW_HIDE);
    Pump();
    std::vector<DWORD> a = ReadBack(ours, kFrameW, kFrameH);
    ShowWindow(reference, SW_SHOWNOACTIVATE);
    ShowWindow(ours, SW_HIDE);
    Pump();
    std::vector<DWORD> b = ReadBack(reference, kFrameW, kFrameH);
    ShowWindow(ours, SW_SHOWNOACTIVATE);
    Pump();
    HRGN outline = RegionOf(ours);
    long compared = 0, differing = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x) {
            bool band = x < kBand || x >= kFrameW - kBand || y < kBand + kTitleHeight || y >= kFrameH - kBand;
            bool corner = (x < kCorner || x >= kFrameW - kCorner) && (y < kCorner || y >= kFrameH - kCorner);
            if (!(band || corner) || !PtInRegion(outline, x, y)) continue;
            ++compared;
            size_t i = size_t(y) * kFrameW + x;
            if (a[i] != b[i] && differing++ == 0) {
                firstX = x;
                firstY = y;
            }
        }
    DeleteObject(outline);
    if (differing) {
        size_t i = size_t(firstY) * kFrameW + firstX;
        std::printf("%s frame: PIXELS DIFFER: %ld of %ld, the first at (%d, %d): ours #%06lX, reference #%06lX\n",
                    kFlavour, differing, compared, firstX, firstY, (unsigned long)a[i], (unsigned long)b[i]);
    } else {
        std::printf("%s frame: pixels of both frames identical (%ld compared)\n", kFlavour, compared);
    }
    std::fflush(stdout);
    return differing == 0 && compared > 0;
}

// One step of each side: the window resized to the other of two sizes
// (800x600 and 799x599) and repainted at once, which cuts the outline anew
// for the new size and draws every piece.
struct Resizer {
    HWND hwnd;
    int x, y;
    int phase;
    void operator()() {
        phase ^= 1;
        MoveWindow(hwnd, x, y, kFrameW - phase, kFrameH - phase, TRUE);
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }
};

bool FrameFigure(const std::string& path) {
    ReadyFrameSkin skin(path);
    g_frameSkin = &skin;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainFrameProc;
    wc.hInstance = Instance();
    wc.lpszClassName = kPlainFrameClass;
    RegisterClassA(&wc);  // no background brush, as the library's classes
    wc.lpfnWndProc = EmptyFrameProc;
    wc.lpszClassName = kEmptyFrameClass;
    RegisterClassA(&wc);
    char* file = const_cast<char*>(path.c_str());
    CountingFrame ours(file, kTopLeftMask, kTopLeftImage, kTopEdge, kTopRightMask, kTopRightImage, kRightEdge,
                       kBottomRightMask, kBottomRightImage, kBottomEdge, kBottomLeftMask, kBottomLeftImage, kLeftEdge,
                       kTitleBar);
    ours.Create("", WS_POPUP, 0, 0, kFrameW, kFrameH, Instance(), nullptr, 1, kTransparent, nullptr, nullptr,
                nullptr, SW_SHOWNOACTIVATE);
    HWND hwnd = ours.GetWindowHandle();
    // Both fit the 1280x1024 screen whole; they overlap at one corner only.
    HWND reference = CreateWindowExA(0, kPlainFrameClass, "", WS_POPUP, 480, 424, kFrameW, kFrameH, nullptr,
                                     nullptr, Instance(), nullptr);
    ShowWindow(reference, SW_SHOWNOACTIVATE);
    CutFramePixelByPixel(reference, kFrameW, kFrameH);  // as a host would at creation
    Pump();
    Resizer oursStep{hwnd, 0, 0, 0}, referenceStep{reference, 480, 424, 0};
    oursStep();
    referenceStep();
    oursStep();  // back at 800x600, each after a resize
    referenceStep();
    Pump();

    bool ok = hwnd != nullptr && SameFramePixels(hwnd, reference);
    bool sameOutline = hwnd != nullptr && SameRegion(hwnd, reference);
    std::printf("%s frame: window regions %s\n", kFlavour, sameOutline ? "equal (EqualRgn)" : "DIFFER");
    std::fflush(stdout);
    if (ok && sameOutline) {
        const int rounds = sizeof(void*) == 8 ? 41 : 11;
        auto oursResize = [&] { oursStep(); };
        auto referenceResize = [&] { referenceStep(); };
        int oursBefore = ours.paints, referenceBefore = g_referenceFramePaints;
        Medians m = Interleaved(rounds, 1, oursResize, referenceResize);
        Report("paint + outline cut of an 800x600 frame with 64x64 rounded, shadowed corners "
               "(a resize by MoveWindow + UpdateWindow)",
               m);
        std::printf("%s frame: paints per resize: ours %.2f, reference %.2f; ours is %.1fx as fast (target: 20x)\n",
                    kFlavour, double(ours.paints - oursBefore) / rounds,
                    double(g_referenceFramePaints - referenceBefore) / rounds,
                    m.ours > 0 ? m.reference / m.ours : 0.0);
        std::fflush(stdout);
        oursBefore = ours.paints;
        referenceBefore = g_referenceFramePaints;
        m = Interleaved(rounds, 2, [&] { Repaint(hwnd); }, [&] { Repaint(reference); });
        Report("repaint of an 800x600 frame with 64x64 rounded, shadowed corners (InvalidateRect + UpdateWindow; "
               "the reference cuts again at each paint)",
               m);
        std::printf("%s frame: paints per repaint: ours %.2f, reference %.2f; ours is %.1fx as fast\n", kFlavour,
                    double(ours.paints - oursBefore) / (2 * rounds),
                    double(g_referenceFramePaints - referenceBefore) / (2 * rounds),
                    m.ours > 0 ? m.reference / m.ours : 0.0);
        // The floors: the same resize and repaint of a window of the same
        // kind that draws nothing; what is left to gain in ours lies above.
        HWND empty = CreateWindowExA(0, kEmptyFrameClass, "", WS_POPUP, 480, 424, kFrameW, kFrameH, nullptr,
                                     nullptr, Instance(), nullptr);
        ShowWindow(empty, SW_SHOWNOACTIVATE);
        Resizer emptyStep{empty, 480, 424, 0};
        ShowWindow(reference, SW_HIDE);
        Pump();
        Report("frame resize floor, a window of that size resized by MoveWindow + UpdateWindow that draws nothing",
               Interleaved(rounds, 2, oursResize, [&] { emptyStep(); }));
        Report("frame repaint floor, a window of that size repainted by InvalidateRect + UpdateWindow that draws "
               "nothing",
               Interleaved(rounds, 2, [&] { Repaint(hwnd); }, [&] { Repaint(empty); }));
        DestroyWindow(empty);
        ShowWindow(reference, SW_SHOWNOACTIVATE);
        Pump();
        // Still the same after the timed resizes (an even number: back at 800x600).
        if (oursStep.phase) oursStep();
        if (referenceStep.phase) referenceStep();
        Pump();
        sameOutline = SameRegion(hwnd, reference);
        ok = SameFramePixels(hwnd, reference);
        if (!sameOutline) std::printf("%s frame: window regions DIFFER after the timed resizes\n", kFlavour);
    }
    if (hwnd) DestroyWindow(hwnd);
    DestroyWindow(reference);
    g_frameSkin = nullptr;
    return ok && sameOutline;
}

// ---- notify registry ------------------------------------------------------------

// Four threads register and unregister a message of their own 10,000 times
// each while the window thread keeps sending the frame one message that
// stays registered and one that never is. Every 100th pair a thread also
// sends its own message itself, once registered (it must arrive at the
// notify window) and once unregistered (it must not).
const int kRegistryThreads = 4, kRegistryPairs = 10000, kProbeEvery = 100;
const UINT kAlwaysMessage = WM_APP + 1, kNeverMessage = WM_APP + 2, kThreadMessage = WM_APP + 16;

// What the notify window received, per message.
struct Forwarded {
    volatile LONG always = 0, never = 0, wrong = 0;
    volatile LONG thread[kRegistryThreads] = {};
    HWND expectedSource = nullptr;
} g_forwarded;

// The notify window: counts the forwarded records and checks each (the
// window it came from, its size, the record's message, wParam and lParam:
// the window thread's sends carry a pointer-wide lParam).
#ifdef _WIN64
const LPARAM kWideLParam = LPARAM(0x123456789ABCLL);
#else
const LPARAM kWideLParam = LPARAM(0x9ABC);
#endif
const DWORD kNotifyData = 0xC0DE;

LRESULT CALLBACK NotifyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const FORWARDEDMESSAGE* record = static_cast<const FORWARDEDMESSAGE*>(copy->lpData);
    if (HWND(wParam) != g_forwarded.expectedSource || copy->cbData != sizeof(FORWARDEDMESSAGE) ||
        copy->dwData != kNotifyData) {
        InterlockedIncrement(&g_forwarded.wrong);
        return 1;
    }
    if (record->message == kAlwaysMessage && record->lParam == kWideLParam) {
        InterlockedIncrement(&g_forwarded.always);
    } else if (record->message == kNeverMessage) {
        InterlockedIncrement(&g_forwarded.never);
    } else if (record->message >= kThreadMessage && record->message < kThreadMessage + kRegistryThreads &&
               record->wParam == record->message - kThreadMessage) {
        InterlockedIncrement(&g_forwarded.thread[record->message - kThreadMessage]);
    } else {
        InterlockedIncrement(&g_forwarded.wrong);
    }
    return 1;  // handled: the frame does nothing more with it
}

// A registry as the threads see it: ours (a frame's) or the host's own.
class Registry {
public:
    virtual ~Registry() {}
    virtual int Register(UINT message) = 0;
    virtual int Unregister(UINT message) = 0;
    virtual HWND Window() = 0;
};

class FrameRegistry : public Registry {
public:
    explicit FrameRegistry(CFrameWindow* frame) : m_frame(frame) {}
    int Register(UINT message) override { return m_frame->RegisterNotifyMessage(message); }
    int Unregister(UINT message) override { return m_frame->UnregisterNotifyMessage(message); }
    HWND Window() override { return m_frame->GetWindowHandle(); }
private:
    CFrameWindow* m_frame;
};

// The host's own registry: an array that doubles when full, guarded by a
// critical section; its window forwards a registered message to the notify
// window in the same record and lets it swallow it by answering 1.
class HostRegistry : public Registry {
public:
    HostRegistry(HWND notify) : m_notify(notify) {
        InitializeCriticalSection(&m_lock);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = Instance();
        wc.lpszClassName = "BENCH HOST REGISTRY CLASS";
        RegisterClassA(&wc);
        m_hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, Instance(), nullptr);
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~HostRegistry() override {
        DestroyWindow(m_hwnd);
        delete[] m_messages;
        DeleteCriticalSection(&m_lock);
    }
    int Register(UINT message) override {
        EnterCriticalSection(&m_lock);
        if (m_count == m_capacity) {
            UINT capacity = m_capacity ? 2 * m_capacity : 1;
            UINT* grown = new UINT[capacity]();
            for (UINT i = 0; i < m_count; ++i) grown[i] = m_messages[i];
            delete[] m_messages;
            m_messages = grown;
            m_capacity = capacity;
        }
        m_messages[m_count++] = message;
        LeaveCriticalSection(&m_lock);
        return 1;
    }
    int Unregister(UINT message) override {
        EnterCriticalSection(&m_lock);
        int found = 0;
        for (UINT i = 0; i < m_count; ++i)
            if (m_messages[i] == message) {
                for (UINT j = i + 1; j < m_count; ++j) m_messages[j - 1] = m_messages[j];
                m_messages[--m_count] = 0;
                found = 1;
                break;
            }
        LeaveCriticalSection(&m_lock);
        return found;
    }
    HWND Window() override { return m_hwnd; }
    void SetData(DWORD data) { m_data = data; }
private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        HostRegistry* self = reinterpret_cast<HostRegistry*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self) {
            EnterCriticalSection(&self->m_lock);
            bool registered = false;
            for (UINT i = 0; i < self->m_count && !registered; ++i) registered = self->m_messages[i] == msg;
            HWND notify = self->m_notify;
            DWORD data = self->m_data;
            LeaveCriticalSection(&self->m_lock);
            if (registered && notify) {
                FORWARDEDMESSAGE record = {msg, wParam, lParam};
                COPYDATASTRUCT copy = {data, DWORD(sizeof record), &record};
                if (SendMessageA(notify, WM_COPYDATA, WPARAM(hwnd), reinterpret_cast<LPARAM>(&copy)) == 1) return 0;
            }
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    CRITICAL_SECTION m_lock;
    UINT* m_messages = nullptr;
    UINT m_count = 0, m_capacity = 0;
    HWND m_notify;
    DWORD m_data = 0;
    HWND m_hwnd;
};

struct RegistryWorker {
    Registry* registry;
    int index;
    HANDLE start;
    int failedCalls = 0, lost = 0, late = 0;
};

DWORD WINAPI RegistryThread(void* argument) {
    RegistryWorker& w = *static_cast<RegistryWorker*>(argument);
    UINT message = kThreadMessage + w.index;
    HWND target = w.registry->Window();
    WaitForSingleObject(w.start, INFINITE);
    for (int i = 0; i < kRegistryPairs; ++i) {
        bool probe = i % kProbeEvery == 0;
        if (w.registry->Register(message) != 1) ++w.failedCalls;
        if (probe) {
            LONG before = g_forwarded.thread[w.index];
            SendMessageA(target, message, WPARAM(w.index), LPARAM(i));
            if (g_forwarded.thread[w.index] != before + 1) ++w.lost;
        }
        if (w.registry->Unregister(message) != 1) ++w.failedCalls;
        if (probe) {
            LONG before = g_forwarded.thread[w.index];
            SendMessageA(target, message, WPARAM(w.index), LPARAM(i));
            if (g_forwarded.thread[w.index] != before) ++w.late;
        }
    }
    return 0;
}

struct RegistryRun {
    double ms = 0;
    long sent = 0;  // sends of the registered message by the window thread
    bool ok = false;
};

// One run on one side: the threads start together; the window thread sends
// its two messages and takes the threads' sends until every thread is done.
RegistryRun RunRegistry(Registry& registry) {
    g_forwarded.expectedSource = registry.Window();
    LONG alwaysBefore = g_forwarded.always, neverBefore = g_forwarded.never, wrongBefore = g_forwarded.wrong;
    HANDLE start = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    RegistryWorker workers[kRegistryThreads];
    HANDLE threads[kRegistryThreads];
    for (int t = 0; t < kRegistryThreads; ++t) {
        workers[t].registry = &registry;
        workers[t].index = t;
        workers[t].start = start;
        threads[t] = CreateThread(nullptr, 0, RegistryThread, &workers[t], 0, nullptr);
    }
    HWND target = registry.Window();
    long sent = 0;
    double begin = NowMs();
    SetEvent(start);
    while (WaitForMultipleObjects(kRegistryThreads, threads, TRUE, 0) == WAIT_TIMEOUT) {
        for (int i = 0; i < 16; ++i, ++sent) {
            SendMessageA(target, kAlwaysMessage, 0, kWideLParam);
            SendMessageA(target, kNeverMessage, 0, kWideLParam);
        }
        Pump();  // also takes the threads' sends
    }
    RegistryRun run;
    run.ms = NowMs() - begin;
    run.sent = sent;
    for (HANDLE t : threads) CloseHandle(t);
    CloseHandle(start);
    int failedCalls = 0, lost = 0, late = 0;
    for (const RegistryWorker& w : workers) {
        failedCalls += w.failedCalls;
        lost += w.lost;
        late += w.late;
    }
    // Every thread's message is gone from the registry: nothing of it is forwarded.
    for (int t = 0; t < kRegistryThreads; ++t) {
        LONG before = g_forwarded.thread[t];
        SendMessageA(target, kThreadMessage + t, WPARAM(t), 0);
        if (g_forwarded.thread[t] != before) ++late;
        if (registry.Unregister(kThreadMessage + t) != 0) ++failedCalls;
    }
    long always = g_forwarded.always - alwaysBefore, never = g_forwarded.never - neverBefore;
    long wrong = g_forwarded.wrong - wrongBefore;
    run.ok = failedCalls == 0 && lost == 0 && late == 0 && always == sent && never == 0 && wrong == 0;
    if (!run.ok)
        std::printf("%s registry: FAILED: %d failed calls, %d registered sends not forwarded, %d forwarded after "
                    "their unregistration, %ld of %ld sends of the registered message forwarded, %ld of the "
                    "unregistered one, %ld wrong records\n",
                    kFlavour, failedCalls, lost, late, always, sent, never, wrong);
    return run;
}

bool Qemu32() {
    return sizeof(void*) == 4 && GetFileAttributesA("Z:\\proc\\sys\\fs\\binfmt_misc\\qemu-i386") != INVALID_FILE_ATTRIBUTES;
}

bool RegistryFigure(const std::string& path) {
    if (Qemu32()) {
        std::printf("%s registry: skipped: worker threads of 32-bit Wine processes crash under qemu here\n", kFlavour);
        std::fflush(stdout);
        return true;
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = NotifyProc;
    wc.hInstance = Instance();
    wc.lpszClassName = "BENCH NOTIFY CLASS";
    RegisterClassA(&wc);
    HWND notify = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, Instance(), nullptr);
    char* file = const_cast<char*>(path.c_str());
    CFrameWindow frame(file, kTopLeftMask, kTopLeftImage, kTopEdge, kTopRightMask, kTopRightImage, kRightEdge,
                       kBottomRightMask, kBottomRightImage, kBottomEdge, kBottomLeftMask, kBottomLeftImage,
                       kLeftEdge, kTitleBar);
    frame.Create("", WS_POPUP, 0, 0, 200, 200, Instance(), nullptr, 1, kTransparent, nullptr, nullptr, nullptr,
                 SW_HIDE);
    frame.SetNotifyWindow(notify, kNotifyData);
    frame.RegisterNotifyMessage(kAlwaysMessage);
    FrameRegistry ours(&frame);
    HostRegistry reference(notify);
    reference.SetData(kNotifyData);
    reference.Register(kAlwaysMessage);
    Pump();

    const int rounds = 7;
    std::vector<double> oursMs, referenceMs;
    long oursSent = 0, referenceSent = 0;
    bool ok = frame.GetWindowHandle() != nullptr;
    for (int round = 0; round < rounds && ok; ++round) {
        RegistryRun a, b;
        if (round % 2 == 0) {
            a = RunRegistry(ours);
            b = RunRegistry(reference);
        } else {
            b = RunRegistry(reference);
            a = RunRegistry(ours);
        }
        ok = a.ok && b.ok;
        oursSent += a.sent;
        referenceSent += b.sent;
        oursMs.push_back(a.ms);
        referenceMs.push_back(b.ms);
    }
    if (ok) {
        Medians m = {Median(oursMs), Median(referenceMs)};
        const double operations = 2.0 * kRegistryThreads * kRegistryPairs;
        std::printf("%s registry: no message lost, none forwarded after its unregistration (%d rounds each; the "
                    "window thread's registered message forwarded %ld times to ours, %ld to the reference)\n",
                    kFlavour, rounds, oursSent, referenceSent);
        Report("notify registry, 4 threads x 10000 register/unregister pairs while the window thread forwards", m);
        std::printf("%s registry throughput: ours %.0f operations/s, reference %.0f operations/s\n", kFlavour,
                    m.ours > 0 ? operations / (m.ours / 1000) : 0.0,
                    m.reference > 0 ? operations / (m.reference / 1000) : 0.0);
        std::fflush(stdout);
    }
    if (frame.GetWindowHandle()) DestroyWindow(frame.GetWindowHandle());
    DestroyWindow(notify);
    return ok;
}

// ---- tab wheel -----------------------------------------------------------------

// A wheel of eight 96x30 tabs in a 440x30 window: the current tab in the
// middle, two on each side, the outer ones cut at the edges. Image 1 is the
// current tab's face, image 2 the others'.
const int kWheelTabW = 96, kWheelTabH = 30, kWheelW = 440, kWheelTabs = 8;
const int kWheelTextX = 12, kWheelTextY = 9;
const char* const kWheelNames[kWheelTabs] = {"News", "Sport", "Music", "Movies", "Kids", "Radio", "Games", "Weather"};

// The label font a wheel draws with: 12 px, Korean character set, GulimChe.
HFONT WheelFont() {
    return CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, HANGEUL_CHARSET, 0, 0, 0, 0, "\xB1\xBC\xB8\xB2\xC3\xBC");
}

// A wheel that counts its paints.
class CountedWheel : public CWheelWindow {
public:
    explicit CountedWheel(char* path) : CWheelWindow(path) {}
    virtual int OnPaint() {
        ++paints;
        return CWheelWindow::OnPaint();
    }
    long paints = 0;
};

// What a host programmer writes instead: a plain window that paints the
// five tabs in view in WM_PAINT, each tab composed in a scratch bitmap from
// its ready face and its label, then copied to its place (the outer tabs
// cut at the window's edges, showing the part next to their neighbour).
struct PlainWheel {
    HDC active = nullptr, normal = nullptr, scratch = nullptr;
    HBITMAP activeBitmap = nullptr, normalBitmap = nullptr, scratchBitmap = nullptr;
    HGDIOBJ oldActive = nullptr, oldNormal = nullptr, oldScratch = nullptr;
    HFONT font = nullptr;
    int current = 0;
    long paints = 0;
};
PlainWheel* g_plainWheel = nullptr;
const char kPlainWheelClass[] = "BENCH PLAIN WHEEL CLASS";

LRESULT CALLBACK PlainWheelProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, w, l);
    PlainWheel& p = *g_plainWheel;
    ++p.paints;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const int centre = kWheelW / 2 - kWheelTabW / 2;
    // Places from the left: two before the current tab, the current tab, two after it.
    for (int place = -2; place <= 2; ++place) {
        int tab = ((p.current + place) % kWheelTabs + kWheelTabs) % kWheelTabs;
        int x = centre + place * kWheelTabW;
        int left = std::max(x, 0), right = std::min(x + kWheelTabW, kWheelW);
        BitBlt(p.scratch, 0, 0, kWheelTabW, kWheelTabH, place == 0 ? p.active : p.normal, 0, 0, SRCCOPY);
        HGDIOBJ oldFont = SelectObject(p.scratch, p.font);
        SetBkMode(p.scratch, TRANSPARENT);
        SetTextColor(p.scratch, RGB(255, 255, 255));
        TextOutA(p.scratch, kWheelTextX, kWheelTextY, kWheelNames[tab], lstrlenA(kWheelNames[tab]));
        SelectObject(p.scratch, oldFont);
        BitBlt(dc, left, 0, right - left, kWheelTabH, p.scratch, left - x, 0, SRCCOPY);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// CPU time of the calling thread (user and kernel), in ms.
double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    auto ms = [](const FILETIME& t) { return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0; };
    return ms(kernel) + ms(user);
}

// Takes the thread's messages as an idle GUI thread does, for `ms`.
void PumpFor(double ms) {
    double end = NowMs() + ms;
    for (double now = NowMs(); now < end; now = NowMs()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(end - now) + 1, QS_ALLINPUT);
        Pump();
    }
}

// One idle period of a wheel window: shown, painted once, then `ms` of
// pumping; the CPU time of the thread and the paints after the first.
struct IdlePeriod {
    double cpuMs;
    long paints;
};
IdlePeriod IdleWheel(HWND hwnd, const long& paints, double ms) {
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    Pump();
    long before = paints;
    double cpu = ThreadCpuMs();
    PumpFor(ms);
    IdlePeriod period = {ThreadCpuMs() - cpu, paints - before};
    ShowWindow(hwnd, SW_HIDE);
    Pump();
    return period;
}

// A shown wheel that nothing changes should cost nothing: the paints and the
// CPU time of the GUI thread over 5 idle seconds, in periods of 1 s taken
// in turn with the reference (one window shown at a time, as the thread's
// CPU time cannot be split between windows).
bool WheelFigure() {
    std::string path = WriteSkin(SkinOf({Bmp24(Filled(kWheelTabW, kWheelTabH, 0x3050C0), kWheelTabW, kWheelTabH),
                                         Bmp24(Filled(kWheelTabW, kWheelTabH, 0x202838), kWheelTabW, kWheelTabH)}),
                                 "tessaro-bench-wheel.tsk");
    CountedWheel wheel((char*)path.c_str());
    for (int i = 0; i < kWheelTabs; ++i) {
        wheel.SetTabButtonItem(i, kWheelTabW, kWheelTabH, 0, 1, 2, 0, nullptr);
        wheel.SetTabTextItem(i, kWheelTextX, kWheelTextY, 0, 0, lstrlenA(kWheelNames[i]), RGB(255, 255, 255),
                             kWheelNames[i]);
    }
    wheel.SetTab(0, SLOT_RIGHT);
    wheel.Create("", WS_POPUP, 0, 0, kWheelW, kWheelTabH, Instance(), nullptr, WP_HORIZONTAL, 1, 0, nullptr, nullptr,
                 nullptr, SW_SHOWNOACTIVATE);
    HWND ours = wheel.GetWindowHandle();

    PlainWheel plain;
    HDC screen = GetDC(nullptr);
    std::string activePath = WriteSkin(Bmp24(Filled(kWheelTabW, kWheelTabH, 0x3050C0), kWheelTabW, kWheelTabH),
                                       "tessaro-bench-wheel-active.bmp");
    std::string normalPath = WriteSkin(Bmp24(Filled(kWheelTabW, kWheelTabH, 0x202838), kWheelTabW, kWheelTabH),
                                       "tessaro-bench-wheel-normal.bmp");
    ReadyImage activeImage(activePath), normalImage(normalPath);
    plain.active = activeImage.Dc();
    plain.normal = normalImage.Dc();
    plain.scratch = CreateCompatibleDC(screen);
    plain.scratchBitmap = CreateCompatibleBitmap(screen, kWheelTabW, kWheelTabH);
    plain.oldScratch = SelectObject(plain.scratch, plain.scratchBitmap);
    ReleaseDC(nullptr, screen);
    plain.font = WheelFont();
    g_plainWheel = &plain;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainWheelProc;
    wc.hInstance = Instance();
    wc.lpszClassName = kPlainWheelClass;
    RegisterClassA(&wc);
    HWND reference = CreateWindowExA(0, kPlainWheelClass, "", WS_POPUP, 0, 0, kWheelW, kWheelTabH, nullptr, nullptr,
                                     Instance(), nullptr);
    ShowWindow(reference, SW_SHOWNOACTIVATE);
    Pump();

    // The same picture first: each window read back alone at the same place.
    ShowWindow(reference, SW_HIDE);
    Pump();
    std::vector<DWORD> a = ReadBack(ours, kWheelW, kWheelTabH);
    ShowWindow(reference, SW_SHOWNOACTIVATE);
    ShowWindow(ours, SW_HIDE);
    Pump();
    std::vector<DWORD> b = ReadBack(reference, kWheelW, kWheelTabH);
    ShowWindow(reference, SW_HIDE);
    Pump();
    long differing = 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) ++differing;
    bool ok = ours != nullptr && differing == 0;
    if (!ok) {
        std::printf("%s wheel: FAILED: %ld of %ld pixels differ between ours and the reference\n", kFlavour,
                    differing, long(a.size()));
    } else {
        std::printf("%s wheel: same pixels (%dx%d, eight tabs, five in view)\n", kFlavour, kWheelW, kWheelTabH);
        const int periods = 5;
        double oursCpu = 0, referenceCpu = 0;
        long oursPaints = 0, referencePaints = 0;
        for (int i = 0; i < periods; ++i) {
            IdlePeriod x, y;
            if (i % 2 == 0) {
                x = IdleWheel(ours, wheel.paints, 1000);
                y = IdleWheel(reference, plain.paints, 1000);
            } else {
                y = IdleWheel(reference, plain.paints, 1000);
                x = IdleWheel(ours, wheel.paints, 1000);
            }
            oursCpu += x.cpuMs;
            referenceCpu += y.cpuMs;
            oursPaints += x.paints;
            referencePaints += y.paints;
        }
        Report("CPU of the GUI thread over 5 idle s with a wheel of 8 tabs shown, after its first paint",
               Medians{oursCpu, referenceCpu});
        std::printf("%s wheel paints over the same 5 idle s after the first: ours %ld, reference %ld\n", kFlavour,
                    oursPaints, referencePaints);
        std::fflush(stdout);
    }
    DestroyWindow(ours);
    DestroyWindow(reference);
    g_plainWheel = nullptr;
    SelectObject(plain.scratch, plain.oldScratch);
    DeleteObject(plain.scratchBitmap);
    DeleteDC(plain.scratch);
    DeleteObject(plain.font);
    DeleteFileA(path.c_str());
    DeleteFileA(activePath.c_str());
    DeleteFileA(normalPath.c_str());
    return ok;
}
// ---- list control ---------------------------------------------------------------

// A list control of three 100-pixel columns, five 20-pixel rows in view:
// images 1 list, 2 header, 3 vertical bar outline, 4 horizontal bar outline,
// 5 arrow, 6/7 vertical/horizontal counter, 8/9 track tiles, 10/11 title
// (normal, pushed), 12 column background, 13/14 cell (normal, selected).
const int kTableColumnW = 100, kTableRowH = 20, kTableRowsInView = 5, kTableHeaderH = 24, kTableBar = 16;
const int kTableColumnsW = 3 * kTableColumnW, kTableColumnH = kTableRowH * kTableRowsInView;
const int kTableVBarH = kTableHeaderH + kTableColumnH;

std::string TableSkin() {
    auto image = [](int w, int h, DWORD base) { return Bmp24(Filled(w, h, base), w, h); };
    return SkinOf({image(kTableBar + kTableColumnsW, kTableVBarH + kTableBar, 0x101820),
                   image(kTableColumnsW, kTableHeaderH, 0x283040), image(kTableBar, kTableVBarH, 0x181C24),
                   image(kTableColumnsW, kTableBar, 0x181C24), image(kTableBar, kTableBar, 0x303848),
                   image(kTableBar, kTableBar, 0x506070), image(kTableBar, kTableBar, 0x506070),
                   image(kTableBar, 8, 0x121720), image(8, kTableBar, 0x121720),
                   image(kTableColumnW, kTableHeaderH, 0x2D3647), image(kTableColumnW, kTableHeaderH, 0x3659C9),
                   image(kTableColumnW, kTableColumnH, 0x121720), image(kTableColumnW, kTableRowH, 0x171C26),
                   image(kTableColumnW, kTableRowH, 0x4670F2)});
}

// A list with its three columns, created (hidden from the user, shown
// without activation) at (x, 0): the cells come afterwards.
CListeBitmap* NewTable(const std::string& path, int x) {
    BITMAPLISTID list = {1, 1, 1, -1, -1}, header = {2, 2, 2, -1, -1};
    BITMAPLISTID vBar = {3, 8, 8, -1, -1}, hBar = {4, 9, 9, -1, -1}, arrow = {5, 5, 5, 5, 5};
    BITMAPLISTID vCounter = {-1, 6, 6, 6, 6}, hCounter = {-1, 7, 7, 7, 7};
    CListeBitmap* table = new CListeBitmap((char*)path.c_str(), list, header, vBar, arrow, arrow, vCounter, hBar,
                                           arrow, arrow, hCounter, Font());
    BITMAPLISTID title = {10, 10, 10, 10, 11}, column = {12, 12, 12, -1, -1};
    __int64 error = 0;
    const char* titles[3] = {"Name", "Size", "Date"};
    for (int c = 0; c < 3; ++c) table->SetBitmapCloumBitmapItem(c, title, (char*)titles[c], 0xFFFFFF, column, &error);
    table->Create("", WS_POPUP, x, 0, -1, -1, Instance(), nullptr, 1, kTransparent, nullptr, nullptr, nullptr,
                  SW_SHOWNOACTIVATE);
    return table;
}

// Every cell of rows 0 .. rows-1, as a host loads a table.
void LoadRows(CListeBitmap* table, int rows) {
    BITMAPLISTID cell = {13, 13, 13, 13, 14};
    __int64 error = 0;
    for (int r = 0; r < rows; ++r) {
        char text[3][20];
        std::snprintf(text[0], sizeof text[0], "file-%04d.txt", r);
        std::snprintf(text[1], sizeof text[1], "%d KB", r * 7 % 900 + 1);
        std::snprintf(text[2], sizeof text[2], "2024-%02d-%02d", 1 + r % 12, 1 + r % 28);
        for (int c = 0; c < 3; ++c) table->SetRowBitmapItem(r, c, cell, text[c], 0xFFFFFF, &error);
    }
}

// The list and every window inside it: a repaint invalidates each and has
// each paint at once, as InvalidateRect + UpdateWindow on every one.
BOOL CALLBACK CollectWindow(HWND child, LPARAM all) {
    reinterpret_cast<std::vector<HWND>*>(all)->push_back(child);
    return TRUE;
}

std::vector<HWND> TableWindows(HWND table) {
    std::vector<HWND> windows(1, table);
    EnumChildWindows(table, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void RepaintAll(const std::vector<HWND>& windows) {
    for (HWND w : windows) InvalidateRect(w, nullptr, TRUE);
    for (HWND w : windows) UpdateWindow(w);
}

// The vertical bar's line, as the bar reports it (its window ID is 0), and
// the repaint of what it scrolled.
void ScrollTable(HWND table, const std::vector<HWND>& windows, int line) {
    SendMessageA(table, WM_COMMAND, 0, line);
    for (HWND w : windows) UpdateWindow(w);
}

// A list control of 1,000 rows against the same list of 10 (five rows in
// view either way): loading every cell (per row, the cost must stay flat:
// target 1,000 rows at most 120x 10 rows), a paint and one scroll step
// (target at most 2x each).
bool TableFigure() {
    std::string path = WriteSkin(TableSkin(), "tessaro-bench-table.tsk");
    bool ok = true;

    // Loading: fresh lists every round, only the loading timed; which side
    // goes first alternates. A round of the large side takes seconds, so
    // five rounds.
    std::vector<double> largeMs, smallMs;
    for (int round = 0; round < 5; ++round) {
        CListeBitmap* large = NewTable(path, 0);
        CListeBitmap* small = NewTable(path, kTableBar + kTableColumnsW + 8);
        auto time = [](CListeBitmap* table, int rows) {
            double start = NowMs();
            LoadRows(table, rows);
            return NowMs() - start;
        };
        if (round % 2 == 0) {
            largeMs.push_back(time(large, 1000));
            smallMs.push_back(time(small, 10));
        } else {
            smallMs.push_back(time(small, 10));
            largeMs.push_back(time(large, 1000));
        }
        DestroyWindow(large->GetWindowHandle());
        DestroyWindow(small->GetWindowHandle());
        delete large;
        delete small;
        Pump();
    }
    Report("loading of a list of 1000 rows x 3 columns, every cell (reference: the same list of 10 rows; "
           "target ratio at most 120)",
           Medians{Median(largeMs), Median(smallMs)});

    CListeBitmap* large = NewTable(path, 0);
    CListeBitmap* small = NewTable(path, kTableBar + kTableColumnsW + 8);
    LoadRows(large, 1000);
    LoadRows(small, 10);
    HWND largeWindow = large->GetWindowHandle(), smallWindow = small->GetWindowHandle();
    std::vector<HWND> largeAll = TableWindows(largeWindow), smallAll = TableWindows(smallWindow);
    Pump();
    if (largeAll.size() != smallAll.size()) {
        std::printf("%s table: the two lists have %u and %u windows\n", kFlavour, unsigned(largeAll.size()),
                    unsigned(smallAll.size()));
        ok = false;
    } else {
        Report("paint of a list of 1000 rows x 3 columns (reference: the same list of 10 rows)",
               Interleaved(101, 2, [&] { RepaintAll(largeAll); }, [&] { RepaintAll(smallAll); }));
        // Both in mid-list, then one row forward or back in turn.
        ScrollTable(largeWindow, largeAll, 500);
        ScrollTable(smallWindow, smallAll, 2);
        int largeAt = 500, smallAt = 2;
        Report("one scroll step of a list of 1000 rows x 3 columns (reference: the same list of 10 rows)",
               Interleaved(101, 2,
                           [&] {
                               largeAt = largeAt == 500 ? 501 : 500;
                               ScrollTable(largeWindow, largeAll, largeAt);
                           },
                           [&] {
                               smallAt = smallAt == 2 ? 3 : 2;
                               ScrollTable(smallWindow, smallAll, smallAt);
                           }));
    }
    DestroyWindow(largeWindow);
    DestroyWindow(smallWindow);
    delete large;
    delete small;
    DeleteFileA(path.c_str());
    return ok;
}
}  // namespace

// Runs every figure, or only those named on the command line
// (outline, repaint, cycles, slider, strip, edit, frame, wheel, table). A figure whose
// two sides do not give the same result fails the run (exit code 1).
int main(int argc, char** argv) {
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::string(argv[i]) == name) return true;
        return false;
    };
    accounting::Install();
    bool ok = true;
    std::string path = WriteSkin(Bmp24(IrregularFrame(), kWidth, kHeight));
    if (wanted("outline")) OutlineFigure(path);
    if (wanted("repaint")) RepaintFigure(path);
    if (wanted("cycles")) CyclesFigure(path);
    if (wanted("slider")) SliderFigure();
    if (wanted("strip")) StripFigure();
    if (wanted("edit")) EditFigure();
    if (wanted("frame")) {
        std::string framePath = WriteSkin(FrameSkin(), "tessaro-bench-frame.tsk");
        ok = FrameFigure(framePath) && ok;
        ok = RegistryFigure(framePath) && ok;
        DeleteFileA(framePath.c_str());
    }
    if (wanted("wheel")) ok = WheelFigure() && ok;
    if (wanted("table")) ok = TableFigure() && ok;
    DeleteFileA(path.c_str());
    return ok ? 0 : 1;
}
