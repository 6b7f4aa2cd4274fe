// Tessaro gallery: every control of the library on one skinned panel, with a
// status line that shows the last report the controls sent.
//
//   gallery.exe [skin path] [--screenshot out.bmp]
//
// Without a skin path the gallery looks for default.tsk next to itself, then
// for skins/default/default.tsk above it (the build tree). With --screenshot
// it shows the window for a moment, writes what is on screen inside the
// window to a 24-bit BMP file and exits (0 on success).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Tessaro.h"
#include "DefaultSkin.h"

namespace {

// Control IDs: the wParam of the WM_COMMAND reports.
enum {
    kIdPanel = 10,
    kIdTitle,
    kIdSubtitle,
    kIdStatus,
    kIdLabels = 20,   // the section labels take 20..23
    kIdPrimary = 101,
    kIdSecondary,
    kIdApply,
    kIdDisabled,
    kIdRadioSmall = 201,
    kIdRadioMedium,
    kIdRadioLarge,
    kIdCheckGrid = 301,
    kIdCheckSnap,
    kIdMode = 401,
    kIdBadge = 402,
};

// Items of the mode button and of the badge that follows it.
enum { kModePlay = 1, kModePause = 2, kModeStop = 3 };

const UINT kLeftLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
const UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const UINT_PTR kScreenshotTimer = 1;
const UINT kScreenshotDelayMs = 1500;

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

// Controls draw their text over the whole face; a label that must start
// right of a mark (a check box, a dot) gets enough leading spaces, measured
// in the label's own font, to clear `pixels`.
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

// A check box or radio button that can say whether it is selected: it
// compares the frame it shows with its selected frame.
class Toggle : public CChckRadBitmapButton {
public:
    Toggle(char* skin, bool radio, LOGFONTA font, char* text)
        : CChckRadBitmapButton(skin, radio ? SKIN_RADIO_REGION : SKIN_CHECK_REGION,
                               radio ? SKIN_RADIO_NORMAL : SKIN_CHECK_NORMAL,
                               radio ? SKIN_RADIO_DISABLED : SKIN_CHECK_DISABLED,
                               radio ? SKIN_RADIO_SELECTED : SKIN_CHECK_SELECTED,
                               radio ? SKIN_RADIO_PUSHED : SKIN_CHECK_PUSHED, font, text,
                               SKIN_COLOR_TEXT, kLeftLine),
          m_selectedFrame(radio ? SKIN_RADIO_SELECTED : SKIN_CHECK_SELECTED) {}
    bool IsSelected() const { return m_nCurrentID == m_selectedFrame; }

private:
    int m_selectedFrame;
};

// A multi-bitmap window whose item texts sit in the middle of the face (the
// class itself centres them horizontally only).
class Badge : public CMultiBitmapWindow {
public:
    Badge(char* skin, LOGFONTA font)
        : CMultiBitmapWindow(skin, SKIN_BADGE_REGION, SKIN_BADGE_PLAY, SKIN_BADGE_DISABLED, font) {
        m_uFormat = kCentred;
    }
};

struct Gallery {
    std::string skin;
    HINSTANCE instance;
    HWND frame;
    int reports;

    CBitmapWindow* panel;
    CBitmapWindow* title;
    CBitmapWindow* subtitle;
    CBitmapWindow* labels[4];
    CBitmapButton* buttons[4];
    Toggle* radios[3];
    Toggle* checks[2];
    CMultiBitmapButton* mode;
    Badge* badge;
    CBitmapWindow* status;
    int activeMode;
};

Gallery g;

char* Chars(const std::string& s) { return const_cast<char*>(s.c_str()); }

const char* Describe(int id) {
    switch (id) {
    case kIdPrimary: return "Primary button";
    case kIdSecondary: return "Secondary button";
    case kIdApply: return "Apply button";
    case kIdDisabled: return "Disabled button";
    case kIdRadioSmall: return "radio Small";
    case kIdRadioMedium: return "radio Medium";
    case kIdRadioLarge: return "radio Large";
    case kIdCheckGrid: return "check box Show grid";
    case kIdCheckSnap: return "check box Snap to grid";
    case kIdMode: return "mode button";
    default: return "control";
    }
}

const char* ModeName(int mode) {
    return mode == kModePlay ? "Play" : mode == kModePause ? "Pause" : "Stop";
}

void ShowStatus(const std::string& text) {
    if (!g.status) return;
    g.status->SetBitmapName(Chars(Indent(Font(12, FW_NORMAL), text.c_str(), 30)));
}

// Presses and releases a check box or radio button as a click would; the
// control then reports like after a real click.
void Click(CUIWindow* control) {
    HWND hwnd = control->GetWindowHandle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(14, 14));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
}

// Is the mouse pointer over this window right now?
bool Hovered(CUIWindow* control) {
    POINT p;
    return GetCursorPos(&p) && WindowFromPoint(p) == control->GetWindowHandle();
}

void OnRadio(int index) {
    Toggle* chosen = g.radios[index];
    if (!chosen->IsSelected()) {
        // A click on the selected radio button unselects it; a radio group
        // always keeps one, so select it again.
        Click(chosen);
        return;
    }
    for (int i = 0; i < 3; ++i)
        if (i != index) g.radios[i]->SetUnSelectButton();
}

void OnMode() {
    // Each click moves to the next mode; the badge follows.
    g.activeMode = g.activeMode % 3 + 1;
    __int64 error = 0;
    g.mode->SetActiveBitmapID(g.activeMode, Hovered(g.mode) ? 2 : 0, &error);
    g.badge->SetActiveBitmapID(g.activeMode, &error);
}

void OnReport(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    if (id >= kIdRadioSmall && id <= kIdRadioLarge) OnRadio(id - kIdRadioSmall);
    if (id == kIdMode) OnMode();

    ++g.reports;
    char text[200];
    std::string detail;
    if (id >= kIdRadioSmall && id <= kIdCheckSnap) {
        Toggle* t = id <= kIdRadioLarge ? g.radios[id - kIdRadioSmall] : g.checks[id - kIdCheckGrid];
        detail = t->IsSelected() ? "  (selected)" : "  (cleared)";
    } else if (id == kIdMode) {
        detail = std::string("  (now ") + ModeName(g.activeMode) + ")";
    }
    std::snprintf(text, sizeof text, "#%d   WM_COMMAND   id %d  %s%s   lParam %ld", g.reports, id,
                  Describe(id), detail.c_str(), (long)lParam);
    ShowStatus(text);
}

// ---------------------------------------------------------------- layout --
const int kMargin = 24;
const int kButtonsLabelY = 108, kButtonsY = 134;
const int kGroupsLabelY = 190, kGroupsY = 214;
const int kColumn2 = 208, kColumn3 = 392;
const int kStatusY = 326;

bool Make(CBitmapWindow* w, HWND parent, int id, int x, int y) {
    return w->Create("", WS_CHILD, x, y, -1, -1, g.instance, parent, id, SKIN_COLOR_KEY, NULL, NULL, NULL,
                     SW_SHOW) != 0;
}

bool BuildControls() {
    char* skin = Chars(g.skin);
    HWND frame = g.frame;

    // The panel fills the frame and carries every other control.
    g.panel = new CBitmapWindow(skin, SKIN_PANEL, SKIN_PANEL, SKIN_PANEL, Font(12, FW_NORMAL), (char*)"", 0,
                                kLeftLine);
    if (!g.panel->Create("", WS_CHILD | WS_CLIPCHILDREN, 0, 0, -1, -1, g.instance, frame, kIdPanel,
                         SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    HWND panel = g.panel->GetWindowHandle();

    LOGFONTA titleFont = Font(19, FW_BOLD);
    g.title = new CBitmapWindow(skin, SKIN_TITLE_REGION, SKIN_TITLE, SKIN_TITLE_DISABLED, titleFont,
                                Chars(Indent(titleFont, "Tessaro Gallery", 58)), SKIN_COLOR_ON_ACCENT, kLeftLine);
    Make(g.title, panel, kIdTitle, SKIN_TITLE_X, SKIN_TITLE_Y);

    g.subtitle = new CBitmapWindow(skin, SKIN_SUBTITLE, SKIN_SUBTITLE, SKIN_SUBTITLE, Font(13, FW_NORMAL),
                                   (char*)"Bitmap-skinned Win32 controls  \xB7  default skin",
                                   SKIN_COLOR_TEXT_MUTED, kLeftLine);
    Make(g.subtitle, panel, kIdSubtitle, SKIN_SUBTITLE_X, SKIN_SUBTITLE_Y);

    const char* sections[4] = {"PUSH BUTTONS", "RADIO BUTTONS", "CHECK BOXES", "MULTI-BITMAP"};
    const int sectionX[4] = {kMargin, kMargin, kColumn2, kColumn3};
    const int sectionY[4] = {kButtonsLabelY, kGroupsLabelY, kGroupsLabelY, kGroupsLabelY};
    LOGFONTA labelFont = Font(11, FW_BOLD);
    for (int i = 0; i < 4; ++i) {
        g.labels[i] = new CBitmapWindow(skin, SKIN_SECTION_LABEL, SKIN_SECTION_LABEL, SKIN_SECTION_LABEL,
                                        labelFont, Chars(Indent(labelFont, sections[i], 11)),
                                        SKIN_COLOR_TEXT_MUTED, kLeftLine);
        Make(g.labels[i], panel, kIdLabels + i, sectionX[i], sectionY[i]);
    }

    // Push buttons: two primary (accent) and two secondary (slate) faces.
    const char* buttonText[4] = {"Primary", "Secondary", "Apply", "Disabled"};
    const bool primary[4] = {true, false, false, true};
    LOGFONTA buttonFont = Font(13, FW_BOLD);
    for (int i = 0; i < 4; ++i) {
        g.buttons[i] = primary[i]
            ? new CBitmapButton(skin, SKIN_BUTTON_REGION, SKIN_BUTTON_NORMAL, SKIN_BUTTON_DISABLED,
                                SKIN_BUTTON_OVER, SKIN_BUTTON_PUSHED, buttonFont, (char*)buttonText[i],
                                SKIN_COLOR_ON_ACCENT, kCentred)
            : new CBitmapButton(skin, SKIN_BUTTON_REGION, SKIN_BUTTON2_NORMAL, SKIN_BUTTON2_DISABLED,
                                SKIN_BUTTON2_OVER, SKIN_BUTTON2_PUSHED, buttonFont, (char*)buttonText[i],
                                SKIN_COLOR_TEXT, kCentred);
        Make(g.buttons[i], panel, kIdPrimary + i, kMargin + i * (SKIN_BUTTON_W + 16), kButtonsY);
    }
    g.buttons[3]->SetColorText(SKIN_COLOR_TEXT_MUTED);
    g.buttons[3]->Enable(0);

    LOGFONTA rowFont = Font(13, FW_NORMAL);
    const char* radioText[3] = {"Small", "Medium", "Large"};
    for (int i = 0; i < 3; ++i) {
        g.radios[i] = new Toggle(skin, true, rowFont, Chars(Indent(rowFont, radioText[i], 31)));
        Make(g.radios[i], panel, kIdRadioSmall + i, kMargin, kGroupsY + i * (SKIN_ROW_H + 2));
    }
    const char* checkText[2] = {"Show grid", "Snap to grid"};
    for (int i = 0; i < 2; ++i) {
        g.checks[i] = new Toggle(skin, false, rowFont, Chars(Indent(rowFont, checkText[i], 31)));
        Make(g.checks[i], panel, kIdCheckGrid + i, kColumn2, kGroupsY + i * (SKIN_ROW_H + 2));
    }

    // The mode button cycles play / pause / stop; the badge shows the mode.
    BITMAPLISTID play = {SKIN_MODE_REGION, SKIN_MODE_PLAY_NORMAL, SKIN_MODE_PLAY_DISABLED, SKIN_MODE_PLAY_OVER,
                         SKIN_MODE_PLAY_PUSHED};
    BITMAPLISTID pause = {SKIN_MODE_REGION, SKIN_MODE_PAUSE_NORMAL, SKIN_MODE_PAUSE_DISABLED,
                          SKIN_MODE_PAUSE_OVER, SKIN_MODE_PAUSE_PUSHED};
    BITMAPLISTID stop = {SKIN_MODE_REGION, SKIN_MODE_STOP_NORMAL, SKIN_MODE_STOP_DISABLED, SKIN_MODE_STOP_OVER,
                         SKIN_MODE_STOP_PUSHED};
    __int64 error = 0;
    g.mode = new CMultiBitmapButton(skin, play, buttonFont);
    g.mode->SetBitmap(play, (char*)"", SKIN_COLOR_TEXT, kModePlay, &error);
    g.mode->SetBitmap(pause, (char*)"", SKIN_COLOR_TEXT, kModePause, &error);
    g.mode->SetBitmap(stop, (char*)"", SKIN_COLOR_TEXT, kModeStop, &error);
    Make(g.mode, panel, kIdMode, kColumn3, kGroupsY);
    g.mode->SetActiveBitmapID(kModePlay, 0, &error);

    LOGFONTA badgeFont = Font(12, FW_BOLD);
    g.badge = new Badge(skin, badgeFont);
    BITMAPLISTID playing = {SKIN_BADGE_REGION, SKIN_BADGE_PLAY, SKIN_BADGE_DISABLED, -1, -1};
    BITMAPLISTID paused = {SKIN_BADGE_REGION, SKIN_BADGE_PAUSE, SKIN_BADGE_DISABLED, -1, -1};
    BITMAPLISTID stopped = {SKIN_BADGE_REGION, SKIN_BADGE_STOP, SKIN_BADGE_DISABLED, -1, -1};
    g.badge->SetBitmap(playing, (char*)"PLAYING", SKIN_COLOR_PLAY, kModePlay, &error);
    g.badge->SetBitmap(paused, (char*)"PAUSED", SKIN_COLOR_PAUSE, kModePause, &error);
    g.badge->SetBitmap(stopped, (char*)"STOPPED", SKIN_COLOR_STOP, kModeStop, &error);
    Make(g.badge, panel, kIdBadge, kColumn3 + SKIN_MODE_W + 12, kGroupsY + (SKIN_MODE_H - SKIN_BADGE_H) / 2);
    g.badge->SetActiveBitmapID(kModePlay, &error);
    g.activeMode = kModePlay;

    LOGFONTA statusFont = Font(12, FW_NORMAL);
    g.status = new CBitmapWindow(skin, SKIN_STATUS_REGION, SKIN_STATUS, SKIN_STATUS_DISABLED, statusFont,
                                 Chars(Indent(statusFont, "Ready: click a control", 30)),
                                 SKIN_COLOR_TEXT_MUTED, kLeftLine);
    Make(g.status, panel, kIdStatus, kMargin, kStatusY);

    // Start from a chosen radio button and one checked box, as a user would.
    Click(g.radios[1]);
    Click(g.checks[0]);
    return true;
}

void DestroyControls() {
    // Windows first (children before their parent), then the objects.
    CUIWindow* all[] = {g.status, g.badge, g.mode, g.checks[0], g.checks[1], g.radios[0], g.radios[1],
                        g.radios[2], g.buttons[0], g.buttons[1], g.buttons[2], g.buttons[3], g.labels[0],
                        g.labels[1], g.labels[2], g.labels[3], g.subtitle, g.title, g.panel};
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
        if (wParam == kScreenshotTimer) {
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

}  // namespace

int main(int argc, char** argv) {
    std::string skinPath;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) g_screenshotPath = argv[++i];
        else if (argv[i][0] != '-') skinPath = argv[i];
        else {
            std::fprintf(stderr, "usage: gallery.exe [skin path] [--screenshot out.bmp]\n");
            return 2;
        }
    }
    g.skin = skinPath.empty() ? FindSkin() : FullPath(skinPath);
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
    if (!BuildControls()) {
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
    if (!g_screenshotPath.empty()) SetTimer(g.frame, kScreenshotTimer, kScreenshotDelayMs, NULL);

    MSG msg;
    int result;
    while ((result = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return result < 0 ? 1 : (int)msg.wParam;
}
