// Tessaro gallery: the library's controls on a skinned panel, one page at a
// time (the controls, the indicator views, the sliders, the lists and the
// text fields), with tabs in the header to switch pages and a status line
// that shows the last report received.
//
//   gallery.exe [skin path] [--page N|name] [--screenshot out.bmp]
//
// Without a skin path the gallery looks for default.tsk next to itself, then
// for skins/default/default.tsk above it (the build tree). --page picks the
// page shown first: 1 or "controls", 2 or "indicators", 3 or "sliders", 4 or
// "lists", 5 or "text".
// With --screenshot it shows the window for a moment, writes what is on
// screen inside the window to a 24-bit BMP file and exits (0 on success).
#include "Gallery.h"

#include <cstdio>
#include <cstring>

namespace gallery {

LOGFONTA Font(int pixels, int weight) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -pixels;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    std::strcpy(font.lfFaceName, "Tahoma");
    return font;
}

std::string Indent(const LOGFONTA& font, const char* text, int pixels) {
    HDC dc = GetDC(NULL);
    HFONT made = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(dc, made);
    SIZE space = {4, 0};
    GetTextExtentPoint32A(dc, " ", 1, &space);
    SelectObject(dc, old);
    DeleteObject(made);
    ReleaseDC(NULL, dc);
    int count = space.cx > 0 ? (pixels + space.cx - 1) / space.cx : 0;
    return std::string(count, ' ') + text;
}

void Click(CUIWindow* control) {
    HWND hwnd = control->GetWindowHandle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(14, 14));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
}

bool Hovered(CUIWindow* control) {
    POINT p;
    return GetCursorPos(&p) && WindowFromPoint(p) == control->GetWindowHandle();
}

void KeepExclusive(Toggle* const* group, int count, int chosen) {
    if (!group[chosen]->IsSelected()) {
        Click(group[chosen]);   // reports once more, selected this time
        return;
    }
    for (int i = 0; i < count; ++i)
        if (i != chosen) group[i]->SetUnSelectButton();
}

// ------------------------------------------------------------------- page --
bool Page::Build(HWND panel) {
    m_plate = Keep(new CBitmapWindow(Skin(), SKIN_PAGE, SKIN_PAGE, SKIN_PAGE, Font(12, FW_NORMAL), (char*)"", 0,
                                     kLeftLine));
    if (!m_plate->Create("", WS_CHILD | WS_CLIPCHILDREN, SKIN_PAGE_X, SKIN_PAGE_Y, -1, -1, m_instance, panel, 0,
                         SKIN_COLOR_KEY, NULL, NULL, NULL, SW_HIDE))
        return false;
    return BuildContent(m_plate->GetWindowHandle());
}

void Page::Show(bool shown) {
    if (m_plate && m_plate->GetWindowHandle()) ShowWindow(m_plate->GetWindowHandle(), shown ? SW_SHOW : SW_HIDE);
}

void Page::Destroy() {
    for (size_t i = m_windows.size(); i-- > 0;)
        if (m_windows[i]->GetWindowHandle()) DestroyWindow(m_windows[i]->GetWindowHandle());
    for (size_t i = m_objects.size(); i-- > 0;) delete m_objects[i];
    m_windows.clear();
    m_objects.clear();
    m_plate = NULL;
}

bool Page::Place(CBitmapWindow* w, HWND parent, int id, int x, int y) {
    Keep(w);
    return w->Create("", WS_CHILD, x, y, -1, -1, m_instance, parent, id, SKIN_COLOR_KEY, NULL, NULL, NULL,
                     SW_SHOW) != 0;
}

CBitmapWindow* Page::SectionLabel(HWND parent, const char* text, int id, int x, int y) {
    LOGFONTA font = Font(11, FW_BOLD);
    CBitmapWindow* label = new CBitmapWindow(Skin(), SKIN_SECTION_LABEL, SKIN_SECTION_LABEL, SKIN_SECTION_LABEL,
                                             font, Chars(Indent(font, text, 11)), SKIN_COLOR_TEXT_MUTED, kLeftLine);
    return Place(label, parent, id, x, y) ? label : NULL;
}

CBitmapButton* Page::SmallButton(HWND parent, const char* text, int id, int x, int y) {
    CBitmapButton* button =
        new CBitmapButton(Skin(), SKIN_SMALL_BUTTON_REGION, SKIN_SMALL_BUTTON_NORMAL, SKIN_SMALL_BUTTON_DISABLED,
                          SKIN_SMALL_BUTTON_OVER, SKIN_SMALL_BUTTON_PUSHED, Font(12, FW_BOLD), (char*)text,
                          SKIN_COLOR_TEXT, kCentred);
    return Place(button, parent, id, x, y) ? button : NULL;
}

}  // namespace gallery

using namespace gallery;

namespace {

// IDs of the frame's own windows; the pages' controls use 20 and above.
enum { kIdPanel = 10, kIdTitle, kIdNote, kIdStatus, kIdTrack, kIdTabs = 15 };

const int kPageCount = 5;
const char* const kPageNames[kPageCount] = {"controls", "indicators", "sliders", "lists", "text"};
const char* const kPageTitles[kPageCount] = {"Controls", "Indicators", "Sliders", "Lists", "Text"};

// Each page tab is as wide as its title needs: its width and frames.
struct TabLook {
    int width, region, normal, disabled, selected, pushed;
};
const TabLook kTabLooks[kPageCount] = {
    {SKIN_PAGE_TAB72_W, SKIN_PAGE_TAB72_REGION, SKIN_PAGE_TAB72_NORMAL, SKIN_PAGE_TAB72_DISABLED,
     SKIN_PAGE_TAB72_SELECTED, SKIN_PAGE_TAB72_PUSHED},
    {SKIN_PAGE_TAB4_W, SKIN_PAGE_TAB4_REGION, SKIN_PAGE_TAB4_NORMAL, SKIN_PAGE_TAB4_DISABLED,
     SKIN_PAGE_TAB4_SELECTED, SKIN_PAGE_TAB4_PUSHED},
    {SKIN_PAGE_TAB60_W, SKIN_PAGE_TAB60_REGION, SKIN_PAGE_TAB60_NORMAL, SKIN_PAGE_TAB60_DISABLED,
     SKIN_PAGE_TAB60_SELECTED, SKIN_PAGE_TAB60_PUSHED},
    {SKIN_PAGE_TAB52_W, SKIN_PAGE_TAB52_REGION, SKIN_PAGE_TAB52_NORMAL, SKIN_PAGE_TAB52_DISABLED,
     SKIN_PAGE_TAB52_SELECTED, SKIN_PAGE_TAB52_PUSHED},
    {SKIN_PAGE_TAB52_W, SKIN_PAGE_TAB52_REGION, SKIN_PAGE_TAB52_NORMAL, SKIN_PAGE_TAB52_DISABLED,
     SKIN_PAGE_TAB52_SELECTED, SKIN_PAGE_TAB52_PUSHED},
};

const UINT_PTR kScreenshotTimer = 1, kSecondTimer = 2, kTickTimer = 3;
const UINT kTickMs = 100;
const UINT kScreenshotDelayMs = 1500;
const int kStatusX = 24, kStatusY = 326;

struct Gallery {
    std::string skin;
    HINSTANCE instance;
    HWND frame;
    int reports;

    CBitmapWindow* panel;
    CBitmapWindow* title;
    CBitmapWindow* track;
    Toggle* tabs[kPageCount];
    CBitmapWindow* status;
    Page* pages[kPageCount];
};

Gallery g;

void ShowStatus(const std::string& text) {
    if (!g.status) return;
    g.status->SetBitmapName(Chars(Indent(Font(12, FW_NORMAL), text.c_str(), 30)));
}

// Shows one page and marks its tab; the other pages and tabs step back. A
// text colour takes effect at the next paint, and a tab that a click has
// already selected shows no new frame, so each tab is repainted here.
void ShowPage(int index) {
    for (int i = 0; i < kPageCount; ++i) {
        bool chosen = i == index;
        g.tabs[i]->SetColorText(chosen ? SKIN_COLOR_ON_ACCENT : SKIN_COLOR_TEXT_MUTED);
        if (chosen) g.tabs[i]->Select();
        else g.tabs[i]->SetUnSelectButton();
        InvalidateRect(g.tabs[i]->GetWindowHandle(), NULL, FALSE);
        g.pages[i]->Show(chosen);
    }
}

// A page tab reported a click: it stays selected and its page shows.
std::string OnTab(int index) {
    KeepExclusive(g.tabs, kPageCount, index);
    if (g.tabs[index]->IsSelected()) ShowPage(index);
    return std::string("page tab ") + kPageTitles[index] + (g.tabs[index]->IsSelected() ? "  (selected)" : "");
}

void OnReport(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    std::string what;
    if (id >= kIdTabs && id < kIdTabs + kPageCount) what = OnTab(id - kIdTabs);
    for (int i = 0; i < kPageCount && what.empty(); ++i)
        if (g.pages[i]) g.pages[i]->OnCommand(id, lParam, &what);
    if (what.empty()) what = "control";

    ++g.reports;
    char text[200];
    std::snprintf(text, sizeof text, "#%d   WM_COMMAND   id %d  %s   lParam %ld", g.reports, id, what.c_str(),
                  (long)lParam);
    ShowStatus(text);
}

}  // namespace

void gallery::Report(const std::string& what) {
    ++g.reports;
    char number[16];
    std::snprintf(number, sizeof number, "#%d   ", g.reports);
    ShowStatus(number + what);
}

namespace {

// ---------------------------------------------------------------- layout --
bool Make(CBitmapWindow* w, HWND parent, int id, int x, int y) {
    return w->Create("", WS_CHILD, x, y, -1, -1, g.instance, parent, id, SKIN_COLOR_KEY, NULL, NULL, NULL,
                     SW_SHOW) != 0;
}

// The title badge at the left of the header band; the page tabs take the
// rest of the band.
void BuildTitle(HWND panel) {
    char* skin = Chars(g.skin);
    LOGFONTA titleFont = Font(19, FW_BOLD);
    g.title = new CBitmapWindow(skin, SKIN_TITLE_REGION, SKIN_TITLE, SKIN_TITLE_DISABLED, titleFont,
                                Chars(Indent(titleFont, "Tessaro Gallery", 58)), SKIN_COLOR_ON_ACCENT, kLeftLine);
    Make(g.title, panel, kIdTitle, SKIN_TITLE_X, SKIN_TITLE_Y);
}

// The page tabs, in their track (the one for five tabs, each as wide as its
// title) at the right of the header band.
bool BuildTabs(HWND panel) {
    char* skin = Chars(g.skin);
    g.track = new CBitmapWindow(skin, SKIN_PAGE_TRACK5, SKIN_PAGE_TRACK5, SKIN_PAGE_TRACK5, Font(12, FW_NORMAL),
                                (char*)"", 0, kLeftLine);
    if (!g.track->Create("", WS_CHILD | WS_CLIPCHILDREN, SKIN_TRACK5_X, SKIN_TRACK_Y, -1, -1, g.instance, panel,
                         kIdTrack, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    int x = SKIN_TRACK_PAD;
    for (int i = 0; i < kPageCount; ++i) {
        const TabLook& look = kTabLooks[i];
        g.tabs[i] = new Toggle(skin, look.region, look.normal, look.disabled, look.selected, look.pushed,
                               Font(12, FW_BOLD), (char*)kPageTitles[i], SKIN_COLOR_TEXT_MUTED, kCentred);
        if (!Make(g.tabs[i], g.track->GetWindowHandle(), kIdTabs + i, x, SKIN_TRACK_PAD)) return false;
        x += look.width + SKIN_TRACK_PAD;
    }
    return true;
}

bool BuildPages(HWND panel) {
    g.pages[0] = NewControlsPage(g.skin, g.instance);
    g.pages[1] = NewIndicatorsPage(g.skin, g.instance);
    g.pages[2] = NewSlidersPage(g.skin, g.instance);
    g.pages[3] = NewListsPage(g.skin, g.instance);
    g.pages[4] = NewTextPage(g.skin, g.instance);
    for (int i = 0; i < kPageCount; ++i)
        if (!g.pages[i]->Build(panel)) return false;
    return true;
}

bool BuildControls(int startPage) {
    // The panel fills the frame and carries everything else.
    g.panel = new CBitmapWindow(Chars(g.skin), SKIN_PANEL, SKIN_PANEL, SKIN_PANEL, Font(12, FW_NORMAL), (char*)"",
                                0, kLeftLine);
    if (!g.panel->Create("", WS_CHILD | WS_CLIPCHILDREN, 0, 0, -1, -1, g.instance, g.frame, kIdPanel,
                         SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    HWND panel = g.panel->GetWindowHandle();
    BuildTitle(panel);
    if (!BuildTabs(panel) || !BuildPages(panel)) return false;

    LOGFONTA statusFont = Font(12, FW_NORMAL);
    g.status = new CBitmapWindow(Chars(g.skin), SKIN_STATUS_REGION, SKIN_STATUS, SKIN_STATUS_DISABLED, statusFont,
                                 Chars(Indent(statusFont, "Ready: click a control", 30)), SKIN_COLOR_TEXT_MUTED,
                                 kLeftLine);
    Make(g.status, panel, kIdStatus, kStatusX, kStatusY);

    ShowPage(startPage);
    g.pages[startPage]->Start();
    return true;
}

void DestroyControls() {
    // The pages first, then the frame's own windows (children before their
    // parent), then the objects.
    for (int i = 0; i < kPageCount; ++i) {
        delete g.pages[i];
        g.pages[i] = NULL;
    }
    CUIWindow* all[] = {g.status, g.tabs[0], g.tabs[1], g.tabs[2], g.tabs[3], g.tabs[4], g.track, g.title, g.panel};
    for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i)
        if (all[i] && all[i]->GetWindowHandle()) DestroyWindow(all[i]->GetWindowHandle());
    for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i) delete all[i];
    g.status = NULL;   // reports still queued find no status line
}

// -------------------------------------------------------------- screenshot --
bool WriteBmp(const char* path, HDC source, int x, int y, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;   // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!memory || !dib) return false;
    HGDIOBJ old = SelectObject(memory, dib);
    BOOL copied = BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    SelectObject(memory, old);

    DWORD stride = ((DWORD)width * 3 + 3) & ~3u;
    DWORD dataSize = stride * (DWORD)height;
    BITMAPFILEHEADER file;
    std::memset(&file, 0, sizeof file);
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + dataSize;
    info.bmiHeader.biSizeImage = dataSize;
    bool ok = false;
    if (copied) {
        FILE* out = std::fopen(path, "wb");
        if (out) {
            ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                 std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                 std::fwrite(bits, 1, dataSize, out) == dataSize;
            ok = (std::fclose(out) == 0) && ok;
        }
    }
    DeleteObject(dib);
    DeleteDC(memory);
    return ok;
}

// Copies what the screen shows inside the frame: the panel and every control
// as drawn by the controls themselves.
bool Screenshot(const char* path) {
    RECT r;
    GetWindowRect(g.frame, &r);
    HDC screen = GetDC(NULL);
    bool ok = WriteBmp(path, screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(NULL, screen);
    return ok;
}

// ------------------------------------------------------------------ frame --
std::string g_screenshotPath;
int g_exitCode = 0;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        OnReport(wParam, lParam);
        return 0;
    case WM_MOVING: {
        // Dragging the panel (or any passive window on it) moves the frame.
        const RECT* r = (const RECT*)lParam;
        if (r) SetWindowPos(hwnd, NULL, r->left, r->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_TIMER:
        if (wParam == kSecondTimer) {
            for (int i = 0; i < kPageCount; ++i)
                if (g.pages[i]) g.pages[i]->OnSecond();
        } else if (wParam == kTickTimer) {
            for (int i = 0; i < kPageCount; ++i)
                if (g.pages[i]) g.pages[i]->OnTick();
        } else if (wParam == kScreenshotTimer) {
            KillTimer(hwnd, kScreenshotTimer);
            g_exitCode = Screenshot(g_screenshotPath.c_str()) ? 0 : 3;
            if (g_exitCode) std::fprintf(stderr, "gallery: cannot write %s\n", g_screenshotPath.c_str());
            DestroyWindow(hwnd);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kSecondTimer);
        KillTimer(hwnd, kTickTimer);
        DestroyControls();
        PostQuitMessage(g_exitCode);
        return 0;
    case WM_ERASEBKGND:
        return 1;   // the panel covers everything
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool Exists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, NULL);
    return n > 0 && n < sizeof full ? std::string(full) : path;
}

std::string FindSkin() {
    char exe[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, exe, sizeof exe);
    std::string dir = n > 0 && n < sizeof exe ? std::string(exe, n) : std::string();
    dir = dir.substr(0, dir.find_last_of("\\/") + 1);
    const char* candidates[] = {"default.tsk", "..\\..\\..\\skins\\default\\default.tsk",
                                "..\\skins\\default\\default.tsk"};
    for (size_t i = 0; i < sizeof candidates / sizeof candidates[0]; ++i)
        if (Exists(dir + candidates[i])) return FullPath(dir + candidates[i]);
    return std::string();
}

const char kUsage[] =
    "usage: gallery.exe [skin path] [--page 1|2|3|4|5|controls|indicators|sliders|lists|text] [--screenshot out.bmp]\n";

// A page by number (from 1) or by name; -1 when there is no such page.
int PageIndex(const char* text) {
    for (int i = 0; i < kPageCount; ++i) {
        char number[4];
        std::snprintf(number, sizeof number, "%d", i + 1);
        if (std::strcmp(text, number) == 0 || lstrcmpiA(text, kPageNames[i]) == 0) return i;
    }
    return -1;
}

struct Arguments {
    std::string skinPath;
    int startPage;
};

bool ParseArguments(int argc, char** argv, Arguments* args) {
    args->startPage = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) g_screenshotPath = argv[++i];
        else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc) {
            args->startPage = PageIndex(argv[++i]);
            if (args->startPage < 0) return false;
        } else if (argv[i][0] != '-') args->skinPath = argv[i];
        else return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    g.skin = args.skinPath.empty() ? FindSkin() : FullPath(args.skinPath);
    if (g.skin.empty() || !Exists(g.skin)) {
        std::fprintf(stderr, "gallery: no skin found (pass its path: gallery.exe path\\to\\default.tsk)\n");
        return 2;
    }
    g.instance = GetModuleHandleA(NULL);

    WNDCLASSEXA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = g.instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    wc.lpszClassName = "TessaroGalleryFrame";
    if (!RegisterClassExA(&wc)) return 1;

    // A frame without caption or border, exactly the panel's size, centred.
    int x = (GetSystemMetrics(SM_CXSCREEN) - SKIN_PANEL_W) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - SKIN_PANEL_H) / 2;
    g.frame = CreateWindowExA(WS_EX_APPWINDOW, wc.lpszClassName, "Tessaro Gallery",
                              WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, x, y, SKIN_PANEL_W,
                              SKIN_PANEL_H, NULL, NULL, g.instance, NULL);
    if (!g.frame) return 1;
    if (!BuildControls(args.startPage)) {
        std::fprintf(stderr, "gallery: the panel could not be created from %s\n", g.skin.c_str());
        DestroyWindow(g.frame);
        return 1;
    }
    // The frame takes the panel's rounded outline.
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(g.panel->GetWindowHandle(), outline) != ERROR) SetWindowRgn(g.frame, outline, FALSE);
    else DeleteObject(outline);

    ShowWindow(g.frame, SW_SHOW);
    UpdateWindow(g.frame);
    SetForegroundWindow(g.frame);
    SetTimer(g.frame, kSecondTimer, 1000, NULL);
    SetTimer(g.frame, kTickTimer, kTickMs, NULL);
    if (!g_screenshotPath.empty()) SetTimer(g.frame, kScreenshotTimer, kScreenshotDelayMs, NULL);

    MSG msg;
    int result;
    while ((result = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return result < 0 ? 1 : (int)msg.wParam;
}
