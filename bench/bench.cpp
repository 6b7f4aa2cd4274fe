// Benchmarks: each figure is measured for the library and for a plain Win32
// reference in the same run, as the median of several runs, and printed as
//   <figure>: ours <t> ms, reference <t> ms, ratio <r>
#include <windows.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>
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

double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = NowMs();
        work();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* figure, double ours, double reference) {
    std::printf("%s: ours %.3f ms, reference %.3f ms, ratio %.3f\n", figure, ours, reference,
                reference > 0 ? ours / reference : 0.0);
    std::fflush(stdout);
}

void Pump() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

// ---- a 640x480 skin image with an irregular transparent shape (~30%) -------
const int kWidth = 640, kHeight = 480;
const DWORD kKey = 0xFF00FF;

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

std::string WriteSkin(const std::string& bytes) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "tessaro-bench.bmp";
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

HRGN RegionOf(HWND hwnd) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(hwnd, r);
    return r;
}

void OutlineFigure(const std::string& path) {
    COLORREF key = RGB(255, 0, 255);
    CutWindow ours((char*)path.c_str(), -1, 1, -1, Font(), (char*)"", 0, 0);
    ours.Create("", WS_POPUP | WS_VISIBLE, 0, 0, -1, -1, Instance(), nullptr, 1, key, nullptr, nullptr, nullptr, SW_SHOW);
    ours.SetRegionFrame(1);
    HWND reference = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                     Instance(), nullptr);
    Pump();
    double oursMs = MedianMs(7, [&] { ours.Cut(key); });
    double refMs = MedianMs(3, [&] { CutPixelByPixel(reference, path.c_str(), key); });
    HRGN a = RegionOf(ours.GetWindowHandle()), b = RegionOf(reference);
    bool equal = EqualRgn(a, b);
    DeleteObject(a);
    DeleteObject(b);
    Report("outline cut of a 640x480 frame", oursMs, refMs);
    if (!equal) std::printf("outline cut: REGIONS DIFFER\n");
    DestroyWindow(ours.GetWindowHandle());
    DestroyWindow(reference);
}

// The reference paints by one BitBlt of the image from a memory DC.
void RepaintFigure(const std::string& path) {
    CBitmapWindow ours((char*)path.c_str(), -1, 1, -1, Font(), (char*)"", 0, 0);
    ours.Create("", WS_POPUP | WS_VISIBLE, 0, 0, -1, -1, Instance(), nullptr, 1, RGB(255, 0, 255), nullptr, nullptr,
                nullptr, SW_SHOW);
    HWND hwnd = ours.GetWindowHandle();
    Pump();
    double oursMs = MedianMs(15, [&] {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    });
    DWORD reader = InitReader(path.c_str());
    HDC wdc = GetDC(hwnd);
    HBITMAP bmp = CreateBitmapHandle(wdc, reader, 1);
    HDC mem = CreateCompatibleDC(wdc);
    HGDIOBJ old = SelectObject(mem, bmp);
    double refMs = MedianMs(15, [&] {
        BitBlt(wdc, 0, 0, kWidth, kHeight, mem, 0, 0, SRCCOPY);
        GdiFlush();
    });
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseBitmapHandle(bmp);
    UnInitReader(reader);
    ReleaseDC(hwnd, wdc);
    Report("repaint of a 640x480 bitmap window", oursMs, refMs);
    DestroyWindow(hwnd);
}

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

LRESULT CALLBACK BlitProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bmp = CreateCompatibleBitmap(dc, 64, 48);
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(dc, 0, 0, 64, 48, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, w, l);
}

// Child windows of one host window, as controls are used (a top-level
// window costs a round trip to the X server on each destruction).
void CyclesFigure(const std::string& path) {
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr, Instance(),
                                nullptr);
    auto oursCycle = [&] {
        CBitmapWindow w((char*)path.c_str(), 1, 1, -1, Font(), (char*)"cycle", RGB(255, 255, 255), DT_CENTER);
        w.Create("", WS_CHILD | WS_VISIBLE, 0, 0, 64, 48, Instance(), host, 1, RGB(255, 0, 255), nullptr, nullptr,
                 nullptr, SW_SHOW);
        DestroyWindow(w.GetWindowHandle());
    };
    WNDCLASSA wc = {};
    wc.lpfnWndProc = BlitProc;
    wc.hInstance = Instance();
    wc.lpszClassName = "BENCH BLIT CLASS";
    RegisterClassA(&wc);
    auto referenceCycle = [&] {
        HWND h = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 64, 48, host, nullptr,
                                 Instance(), nullptr);
        UpdateWindow(h);
        DestroyWindow(h);
    };
    oursCycle();  // warm-up: the window class and first-use allocations
    referenceCycle();
    Pump();
    NowMs();  // its first call sets up a static (which allocates)
    long long heapBefore = HeapBytesInUse();
    const int kCycles = 1000;
    // Timed directly: the heap figure must see nothing but the cycles.
    double start = NowMs();
    for (int i = 0; i < kCycles; ++i) oursCycle();
    double oursMs = NowMs() - start;
    Pump();
    long long heapAfter = HeapBytesInUse();
    start = NowMs();
    for (int i = 0; i < kCycles; ++i) referenceCycle();
    double refMs = NowMs() - start;
    int readers = 0, bitmaps = 0;
    PixorelOpenCounts(&readers, &bitmaps);
    Report("1000 create/paint/destroy cycles of a bitmap window", oursMs, refMs);
    std::printf("growth after 1000 cycles: open readers %d, open bitmaps %d, heap %lld bytes\n", readers, bitmaps,
                heapAfter - heapBefore);
    DestroyWindow(host);
}
}  // namespace

// Runs every figure, or only those named on the command line
// (outline, repaint, cycles).
int main(int argc, char** argv) {
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::string(argv[i]) == name) return true;
        return false;
    };
    std::string path = WriteSkin(Bmp24(IrregularFrame(), kWidth, kHeight));
    if (wanted("outline")) OutlineFigure(path);
    if (wanted("repaint")) RepaintFigure(path);
    if (wanted("cycles")) CyclesFigure(path);
    DeleteFileA(path.c_str());
    return 0;
}
