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
}  // namespace

// Runs every figure, or only those named on the command line
// (outline, repaint, cycles, slider, strip, edit).
int main(int argc, char** argv) {
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::string(argv[i]) == name) return true;
        return false;
    };
    accounting::Install();
    std::string path = WriteSkin(Bmp24(IrregularFrame(), kWidth, kHeight));
    if (wanted("outline")) OutlineFigure(path);
    if (wanted("repaint")) RepaintFigure(path);
    if (wanted("cycles")) CyclesFigure(path);
    if (wanted("slider")) SliderFigure();
    if (wanted("strip")) StripFigure();
    if (wanted("edit")) EditFigure();
    DeleteFileA(path.c_str());
    return 0;
}
