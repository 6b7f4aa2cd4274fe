// Tessaro gallery: the library's controls on a skinned panel, one page at a
// time (the controls, the indicator views, the sliders, the lists, the text
// fields, the tab wheel and the tables), with tabs in the header to switch pages and a status line
// that shows the last report received. The main window is a skinned,
// resizable frame: the system moves it by its title bar and sizes it by its
// borders; a caption, the close, minimise and pop-up buttons and a size
// grip are anchored in its border bands, and the panel lies in its client
// window. The pop-up button opens a small movable panel owned by the frame.
//
//   gallery.exe [skin path] [--page N|name] [--size WxH] [--popup] [--screenshot out.bmp]
//
// Without a skin path the gallery looks for default.tsk next to itself, then
// for skins/default/default.tsk above it (the build tree). --page picks the
// page shown first: 1 or "controls", 2 or "indicators", 3 or "sliders", 4 or
// "lists", 5 or "text", 6 or "wheel", 7 or "tables". --size sets the frame window's size (no smaller than
// the panel needs); --popup opens the pop-up at the start.
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

// IDs of the window's own controls; the pages' controls use 20 and above,
// the pop-up's 900 and above.
enum { kIdPanel = 10, kIdTitle, kIdNote, kIdStatus, kIdTrack, kIdTabs = 15 };
enum { kIdClose = 901, kIdMinimise, kIdPopUpButton, kIdCaption, kIdSizeText, kIdGrip };
enum { kIdPopUpLabel = 910, kIdPopUpTitleBar, kIdPopUpReportMoves, kIdPopUpDone };

// The pop-up's identifier in its move reports, and the value the frame puts
// in every message it forwards to the client window.
const int kPopUpId = 77;
const UINT kNotifyData = 0x7E55;

// Closing and minimising are posted back to the client window: they must not
// run inside the frame's own message that reported the click.
const UINT kMsgClose = WM_APP + 1, kMsgMinimise = WM_APP + 2;

const int kPageCount = 7;
const char* const kPageNames[kPageCount] = {"controls", "indicators", "sliders", "lists", "text", "wheel", "tables"};
const char* const kPageTitles[kPageCount] = {"Controls", "Indicators", "Sliders", "Lists", "Text", "Wheel", "Tables"};

// Each page tab is as wide as its title needs (in the tabs' 11 px bold
// font): its width and frames.
struct TabLook {
    int width, region, normal, disabled, selected, pushed;
};
const TabLook kTabLooks[kPageCount] = {
    {SKIN_PAGE_TAB62_W, SKIN_PAGE_TAB62_REGION, SKIN_PAGE_TAB62_NORMAL, SKIN_PAGE_TAB62_DISABLED,
     SKIN_PAGE_TAB62_SELECTED, SKIN_PAGE_TAB62_PUSHED},
    {SKIN_PAGE_TAB72_W, SKIN_PAGE_TAB72_REGION, SKIN_PAGE_TAB72_NORMAL, SKIN_PAGE_TAB72_DISABLED,
     SKIN_PAGE_TAB72_SELECTED, SKIN_PAGE_TAB72_PUSHED},
    {SKIN_PAGE_TAB52_W, SKIN_PAGE_TAB52_REGION, SKIN_PAGE_TAB52_NORMAL, SKIN_PAGE_TAB52_DISABLED,
     SKIN_PAGE_TAB52_SELECTED, SKIN_PAGE_TAB52_PUSHED},
    {SKIN_PAGE_TAB42_W, SKIN_PAGE_TAB42_REGION, SKIN_PAGE_TAB42_NORMAL, SKIN_PAGE_TAB42_DISABLED,
     SKIN_PAGE_TAB42_SELECTED, SKIN_PAGE_TAB42_PUSHED},
    {SKIN_PAGE_TAB40_W, SKIN_PAGE_TAB40_REGION, SKIN_PAGE_TAB40_NORMAL, SKIN_PAGE_TAB40_DISABLED,
     SKIN_PAGE_TAB40_SELECTED, SKIN_PAGE_TAB40_PUSHED},
    {SKIN_PAGE_TAB48_W, SKIN_PAGE_TAB48_REGION, SKIN_PAGE_TAB48_NORMAL, SKIN_PAGE_TAB48_DISABLED,
     SKIN_PAGE_TAB48_SELECTED, SKIN_PAGE_TAB48_PUSHED},
    {SKIN_PAGE_TAB48_W, SKIN_PAGE_TAB48_REGION, SKIN_PAGE_TAB48_NORMAL, SKIN_PAGE_TAB48_DISABLED,
     SKIN_PAGE_TAB48_SELECTED, SKIN_PAGE_TAB48_PUSHED},
};

const UINT_PTR kScreenshotTimer = 1, kSecondTimer = 2, kTickTimer = 3;
const UINT kTickMs = 100;
const UINT kScreenshotDelayMs = 1500;
const int kStatusX = 24, kStatusY = 326;

// The client window is the frame's well: the panel sits in it with this
// much room above and at its sides (the frame's bottom edge is as dark as
// the well, so the panel needs no room below). The smallest frame shows the
// whole panel.
const int kWellPad = 10;
const int kFrameMinW = SKIN_PANEL_W + 2 * kWellPad + 2 * SKIN_FRAME_EDGE;
const int kFrameMinH = SKIN_PANEL_H + kWellPad + SKIN_FRAME_TOP_BAND + SKIN_FRAME_BOTTOM_H;

// Where the title bar's controls sit, from the frame's top-right corner.
const int kCloseX = -(10 + SKIN_FRAME_BUTTON_W);
const int kButtonStep = SKIN_FRAME_BUTTON_W + 6;
const int kMinimiseX = kCloseX - kButtonStep, kPopUpButtonX = kMinimiseX - kButtonStep;
const int kSizeTextX = kPopUpButtonX - 10 - SKIN_FRAME_TEXT_W;

// The main window: a skinned frame that never gets smaller than the panel.
class GalleryFrame : public CFrameWindow {
public:
    explicit GalleryFrame(char* skin)
        : CFrameWindow(skin, SKIN_FRAME_TOPLEFT_MASK, SKIN_FRAME_TOPLEFT, SKIN_FRAME_TOP, SKIN_FRAME_TOPRIGHT_MASK,
                       SKIN_FRAME_TOPRIGHT, SKIN_FRAME_RIGHT, SKIN_FRAME_BOTTOMRIGHT_MASK, SKIN_FRAME_BOTTOMRIGHT,
                       SKIN_FRAME_BOTTOM, SKIN_FRAME_BOTTOMLEFT_MASK, SKIN_FRAME_BOTTOMLEFT, SKIN_FRAME_LEFT,
                       SKIN_FRAME_TITLEBAR) {}

    // The frame keeps its own minimum (its pieces and anchored controls);
    // on top of it the side being dragged stops where the panel would no
    // longer fit.
    virtual int OnSizing(UINT edge, LPARAM rect) {
        int result = CFrameWindow::OnSizing(edge, rect);
        RECT* r = (RECT*)rect;
        if (!r) return result;
        if (r->right - r->left < kFrameMinW) {
            if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) r->left = r->right - kFrameMinW;
            else r->right = r->left + kFrameMinW;
        }
        if (r->bottom - r->top < kFrameMinH) {
            if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) r->top = r->bottom - kFrameMinH;
            else r->bottom = r->top + kFrameMinH;
        }
        return result;
    }
};

// A face in the frame's border that lets the mouse through to the frame:
// the caption moves the window like the title bar under it, the grip sizes
// it like the corner under it.
class FramePart : public CBitmapWindow {
public:
    FramePart(char* skin, int image, LOGFONTA font, char* text, DWORD color, UINT format)
        : CBitmapWindow(skin, image, image, image, font, text, color, format) {}
    virtual LRESULT OnNcHitTest(UINT, LPARAM) { return HTTRANSPARENT; }
};

struct Gallery {
    std::string skin;
    HINSTANCE instance;
    GalleryFrame* frame;
    HWND host;   // the frame's client window: the well the panel sits in
    int reports;

    CBitmapWindow* panel;
    CBitmapWindow* title;
    CBitmapWindow* track;
    Toggle* tabs[kPageCount];
    CBitmapWindow* status;
    Page* pages[kPageCount];

    // In the frame's border bands.
    FramePart* caption;
    FramePart* sizeText;
    FramePart* grip;
    CBitmapButton* closeButton;
    CBitmapButton* minimiseButton;
    CBitmapButton* popUpButton;

    // The pop-up and what it holds.
    CPopUpWindow* popUp;
    CBitmapWindow* popUpLabel;
    Toggle* hideTitleBar;
    Toggle* reportMoves;
    CBitmapButton* popUpDone;
};

Gallery g;

void ShowStatus(const std::string& text) {
    if (!g.status) return;
    g.status->SetBitmapName(Chars(Indent(Font(12, FW_NORMAL), text.c_str(), 30)));
}

HWND FrameWindow() { return g.frame ? g.frame->GetWindowHandle() : NULL; }

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

// ---------------------------------------------------------------- pop-up --
bool PopUpShown() { return g.popUp && g.popUp->GetWindowHandle() && IsWindowVisible(g.popUp->GetWindowHandle()); }

// Opens the pop-up over the middle of the page, or closes it.
void ShowPopUp(bool shown) {
    HWND popUp = g.popUp ? g.popUp->GetWindowHandle() : NULL;
    if (!popUp) return;
    if (shown && !PopUpShown()) {
        RECT frame;
        GetWindowRect(FrameWindow(), &frame);
        int x = frame.left + (frame.right - frame.left - SKIN_POPUP_W) / 2;
        int y = frame.top + SKIN_FRAME_TOP_BAND + kWellPad + SKIN_PAGE_Y + (SKIN_PAGE_H - SKIN_POPUP_H) / 2;
        SetWindowPos(popUp, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(popUp, SW_SHOWNOACTIVATE);
    } else if (!shown) {
        ShowWindow(popUp, SW_HIDE);
    }
}

// The pop-up's "Hide title bar" check box: the frame hides its title bar
// (and the controls anchored in the top band with it) and the client window
// grows into the freed band.
void SetTitleBarHidden(bool hidden) { g.frame->HideBorder(hidden ? HB_TITLEBAR : 0); }

// The pop-up's "Report moves" check box: the frame forwards the pop-up's
// move reports to the client window only while WM_MOVING is registered.
void SetReportMoves(bool report) {
    if (report) g.frame->RegisterNotifyMessage(WM_MOVING);
    else while (g.frame->UnregisterNotifyMessage(WM_MOVING)) {}
}

// A report of a control in the frame's bands or in the pop-up (the frame
// forwards them all); empty when it is none of them.
std::string OnFrameCommand(int id) {
    switch (id) {
    case kIdClose:
        PostMessageA(g.host, kMsgClose, 0, 0);
        return "close button";
    case kIdMinimise:
        PostMessageA(g.host, kMsgMinimise, 0, 0);
        return "minimise button";
    case kIdPopUpButton:
        ShowPopUp(!PopUpShown());
        return PopUpShown() ? "pop-up button  (opened)" : "pop-up button  (closed)";
    case kIdPopUpTitleBar:
        SetTitleBarHidden(g.hideTitleBar->IsSelected());
        return g.hideTitleBar->IsSelected() ? "pop-up: title bar hidden" : "pop-up: title bar shown";
    case kIdPopUpReportMoves:
        SetReportMoves(g.reportMoves->IsSelected());
        return g.reportMoves->IsSelected() ? "pop-up: moves reported" : "pop-up: moves not reported";
    case kIdPopUpDone:
        ShowPopUp(false);
        return "pop-up: Done  (closed)";
    }
    return std::string();
}

void OnReport(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    std::string what = OnFrameCommand(id);
    if (what.empty() && id >= kIdTabs && id < kIdTabs + kPageCount) what = OnTab(id - kIdTabs);
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

// The title badge at the left of the header band (the narrow one, so that
// seven page tabs fit); the page tabs take the rest of the band.
void BuildTitle(HWND panel) {
    char* skin = Chars(g.skin);
    LOGFONTA titleFont = Font(15, FW_BOLD);
    g.title = new CBitmapWindow(skin, SKIN_TITLE_COMPACT_REGION, SKIN_TITLE_COMPACT, SKIN_TITLE_COMPACT_DISABLED,
                                titleFont, Chars(Indent(titleFont, "Tessaro Gallery", 52)), SKIN_COLOR_ON_ACCENT,
                                kLeftLine);
    Make(g.title, panel, kIdTitle, SKIN_TITLE_X, SKIN_TITLE_Y);
}

// The page tabs, in their track (the one for seven tabs, each as wide as its
// title) at the right of the header band.
bool BuildTabs(HWND panel) {
    char* skin = Chars(g.skin);
    g.track = new CBitmapWindow(skin, SKIN_PAGE_TRACK7, SKIN_PAGE_TRACK7, SKIN_PAGE_TRACK7, Font(12, FW_NORMAL),
                                (char*)"", 0, kLeftLine);
    if (!g.track->Create("", WS_CHILD | WS_CLIPCHILDREN, SKIN_TRACK7_X, SKIN_TRACK_Y, -1, -1, g.instance, panel,
                         kIdTrack, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    int x = SKIN_TRACK_PAD;
    for (int i = 0; i < kPageCount; ++i) {
        const TabLook& look = kTabLooks[i];
        g.tabs[i] = new Toggle(skin, look.region, look.normal, look.disabled, look.selected, look.pushed,
                               Font(11, FW_BOLD), (char*)kPageTitles[i], SKIN_COLOR_TEXT_MUTED, kCentred);
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
    g.pages[5] = NewWheelPage(g.skin, g.instance);
    g.pages[6] = NewTablesPage(g.skin, g.instance);
    for (int i = 0; i < kPageCount; ++i)
        if (!g.pages[i]->Build(panel)) return false;
    return true;
}

// The panel, in the client window, carries the pages, their tabs and the
// status line.
bool BuildControls(int startPage) {
    g.panel = new CBitmapWindow(Chars(g.skin), SKIN_PANEL, SKIN_PANEL, SKIN_PANEL, Font(12, FW_NORMAL), (char*)"",
                                0, kLeftLine);
    if (!g.panel->Create("", WS_CHILD | WS_CLIPCHILDREN, kWellPad, kWellPad, -1, -1, g.instance, g.host, kIdPanel,
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

CBitmapButton* NewTitleButton(int normal, int disabled, int over, int pushed) {
    return new CBitmapButton(Chars(g.skin), SKIN_FRAME_BUTTON_REGION, normal, disabled, over, pushed,
                             Font(12, FW_NORMAL), (char*)"", 0, kCentred);
}

// Creates a control on the frame and anchors it in a border band.
bool Anchor(CBitmapWindow* w, int id, FIDUCIAL_POINT point, int x, int y) {
    return Make(w, FrameWindow(), id, 0, 0) && g.frame->AddChildWindow(w, point, x, y);
}

// The frame's own controls: the caption at the left of the title bar, the
// buttons and the size read-out at its right, the grip in the bottom-right
// corner. Each keeps its place from its corner as the frame is sized.
bool BuildFrameControls() {
    char* skin = Chars(g.skin);
    LOGFONTA captionFont = Font(12, FW_BOLD);
    g.caption = new FramePart(skin, SKIN_FRAME_CAPTION, captionFont, Chars(Indent(captionFont, "Tessaro Gallery", 26)),
                              SKIN_COLOR_TEXT, kLeftLine);
    g.sizeText = new FramePart(skin, SKIN_FRAME_TEXT, Font(11, FW_NORMAL), (char*)"", SKIN_COLOR_TEXT_MUTED,
                               DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    g.grip = new FramePart(skin, SKIN_FRAME_GRIP, Font(11, FW_NORMAL), (char*)"", 0, kLeftLine);
    g.closeButton = NewTitleButton(SKIN_FRAME_CLOSE_NORMAL, SKIN_FRAME_CLOSE_DISABLED, SKIN_FRAME_CLOSE_OVER,
                                   SKIN_FRAME_CLOSE_PUSHED);
    g.minimiseButton = NewTitleButton(SKIN_FRAME_MINIMISE_NORMAL, SKIN_FRAME_MINIMISE_DISABLED,
                                      SKIN_FRAME_MINIMISE_OVER, SKIN_FRAME_MINIMISE_PUSHED);
    g.popUpButton = NewTitleButton(SKIN_FRAME_POPUP_NORMAL, SKIN_FRAME_POPUP_DISABLED, SKIN_FRAME_POPUP_OVER,
                                   SKIN_FRAME_POPUP_PUSHED);
    return Anchor(g.caption, kIdCaption, FP_TOPLEFT, 10, SKIN_FRAME_CAPTION_Y) &&
           Anchor(g.sizeText, kIdSizeText, FP_TOPRIGHT, kSizeTextX, SKIN_FRAME_CAPTION_Y) &&
           Anchor(g.popUpButton, kIdPopUpButton, FP_TOPRIGHT, kPopUpButtonX, SKIN_FRAME_BUTTON_Y) &&
           Anchor(g.minimiseButton, kIdMinimise, FP_TOPRIGHT, kMinimiseX, SKIN_FRAME_BUTTON_Y) &&
           Anchor(g.closeButton, kIdClose, FP_TOPRIGHT, kCloseX, SKIN_FRAME_BUTTON_Y) &&
           Anchor(g.grip, kIdGrip, FP_BOTTOMRIGHT, -12, -SKIN_FRAME_GRIP_SIZE);
}

// The pop-up: a movable panel owned by the frame (it stays above it and
// reports its moves to it), hidden until asked for.
bool BuildPopUp() {
    char* skin = Chars(g.skin);
    g.popUp = new CPopUpWindow(skin, SKIN_POPUP_REGION, SKIN_POPUP, SKIN_POPUP_DISABLED, kPopUpId);
    if (!g.popUp->Create("", WS_POPUP | WS_CLIPCHILDREN, 0, 0, -1, -1, g.instance, FrameWindow(), 0, SKIN_COLOR_KEY,
                         NULL, NULL, NULL, SW_HIDE))
        return false;
    HWND popUp = g.popUp->GetWindowHandle();
    LOGFONTA labelFont = Font(11, FW_BOLD), rowFont = Font(13, FW_NORMAL);
    g.popUpLabel = new CBitmapWindow(skin, SKIN_SECTION_LABEL, SKIN_SECTION_LABEL, SKIN_SECTION_LABEL, labelFont,
                                     Chars(Indent(labelFont, "QUICK SETTINGS", 11)), SKIN_COLOR_TEXT_MUTED, kLeftLine);
    g.hideTitleBar = new Toggle(skin, SKIN_CHECK_REGION, SKIN_CHECK_NORMAL, SKIN_CHECK_DISABLED, SKIN_CHECK_SELECTED,
                                SKIN_CHECK_PUSHED, rowFont, Chars(Indent(rowFont, "Hide title bar", 31)),
                                SKIN_COLOR_TEXT, kLeftLine);
    g.reportMoves = new Toggle(skin, SKIN_CHECK_REGION, SKIN_CHECK_NORMAL, SKIN_CHECK_DISABLED, SKIN_CHECK_SELECTED,
                               SKIN_CHECK_PUSHED, rowFont, Chars(Indent(rowFont, "Report moves", 31)),
                               SKIN_COLOR_TEXT, kLeftLine);
    g.popUpDone = new CBitmapButton(skin, SKIN_SMALL_BUTTON_REGION, SKIN_SMALL_BUTTON_NORMAL,
                                    SKIN_SMALL_BUTTON_DISABLED, SKIN_SMALL_BUTTON_OVER, SKIN_SMALL_BUTTON_PUSHED,
                                    Font(12, FW_BOLD), (char*)"Done", SKIN_COLOR_TEXT, kCentred);
    if (!Make(g.popUpLabel, popUp, kIdPopUpLabel, 16, 22) || !Make(g.hideTitleBar, popUp, kIdPopUpTitleBar, 16, 52) ||
        !Make(g.reportMoves, popUp, kIdPopUpReportMoves, 16, 84) ||
        !Make(g.popUpDone, popUp, kIdPopUpDone, SKIN_POPUP_W - 16 - SKIN_SMALL_BUTTON_W,
              SKIN_POPUP_H - 16 - SKIN_SMALL_BUTTON_H))
        return false;
    g.reportMoves->Select();
    return true;
}

void DestroyControls() {
    // The pages first, then the panel's own windows (children before their
    // parent), then the objects. The frame's controls and the pop-up go
    // with the frame.
    for (int i = 0; i < kPageCount; ++i) {
        delete g.pages[i];
        g.pages[i] = NULL;
    }
    CUIWindow* all[] = {g.status,   g.tabs[0], g.tabs[1], g.tabs[2], g.tabs[3], g.tabs[4],
                        g.tabs[5],  g.tabs[6], g.track,   g.title,   g.panel};
    for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i)
        if (all[i] && all[i]->GetWindowHandle()) DestroyWindow(all[i]->GetWindowHandle());
    for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i) delete all[i];
    g.status = NULL;   // reports still queued find no status line
    g.panel = NULL;
}

// Deletes the objects of the frame, its controls and the pop-up once their
// windows are gone.
void DeleteFrameObjects() {
    CUIWindow* all[] = {g.popUpDone, g.reportMoves, g.hideTitleBar, g.popUpLabel, g.popUp, g.caption, g.sizeText,
                        g.grip, g.closeButton, g.minimiseButton, g.popUpButton, g.frame};
    for (size_t i = 0; i < sizeof all / sizeof all[0]; ++i) delete all[i];
    g.frame = NULL;
    g.popUp = NULL;
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

// Copies what the screen shows inside the frame's window rectangle: the
// frame, the panel and every control as drawn by the controls themselves,
// and the pop-up where it lies over the frame.
bool Screenshot(const char* path) {
    RECT r;
    GetWindowRect(FrameWindow(), &r);
    HDC screen = GetDC(NULL);
    bool ok = WriteBmp(path, screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(NULL, screen);
    return ok;
}

// ---------------------------------------------------------- client window --
std::string g_screenshotPath;
int g_exitCode = 0;

// The panel keeps its size: the well centres it across and keeps it below
// the title bar, and the frame's size shows in the title bar.
void OnClientSize(int width, int height) {
    if (g.panel && g.panel->GetWindowHandle()) {
        int x = width > SKIN_PANEL_W ? (width - SKIN_PANEL_W) / 2 : 0;
        int room = height - kWellPad - SKIN_PANEL_H;
        int y = kWellPad + (room > 0 ? room / 2 : 0);
        SetWindowPos(g.panel->GetWindowHandle(), NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame;
    if (g.sizeText && g.sizeText->GetWindowHandle() && GetWindowRect(FrameWindow(), &frame)) {
        char text[32];
        std::snprintf(text, sizeof text, "%ld x %ld", (long)(frame.right - frame.left), (long)(frame.bottom - frame.top));
        g.sizeText->SetBitmapName(text);
    }
}

// A message the frame forwarded (it registered them for the client window):
// answering 1 keeps it from the frame, 0 lets the frame handle it too.
LRESULT OnForwarded(const FORWARDEDMESSAGE& m) {
    switch (m.message) {
    case WM_COMMAND:   // from the frame's controls and, through the frame, the pop-up's
        OnReport(m.wParam, m.lParam);
        return 1;
    case WM_MOVING:
        if (m.wParam == (WPARAM)kPopUpId && m.lParam) {
            const RECT* was = (const RECT*)m.lParam;
            char text[120];
            std::snprintf(text, sizeof text, "WM_MOVING   pop-up %d moved from (%ld, %ld)", kPopUpId, (long)was->left,
                          (long)was->top);
            Report(text);
            return 1;
        }
        return 0;   // the frame's own moves
    case WM_KEYDOWN:
        if (m.wParam == VK_ESCAPE) {
            PostMessageA(g.host, kMsgClose, 0, 0);
            return 1;
        }
        return 0;
    }
    return 0;
}

LRESULT CALLBACK ClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:   // the pages' controls report through the panel
        OnReport(wParam, lParam);
        return 0;
    case WM_COPYDATA: {
        const COPYDATASTRUCT* data = (const COPYDATASTRUCT*)lParam;
        if (!data || data->dwData != kNotifyData || data->cbData != sizeof(FORWARDEDMESSAGE) || !data->lpData)
            return 0;
        return OnForwarded(*(const FORWARDEDMESSAGE*)data->lpData);
    }
    case WM_MOVING: {
        // Dragging the panel (or any passive window on it) proposes a new
        // place for this window: the frame moves by as much.
        const RECT* proposed = (const RECT*)lParam;
        RECT own, frame;
        if (proposed && GetWindowRect(hwnd, &own) && GetWindowRect(FrameWindow(), &frame))
            SetWindowPos(FrameWindow(), NULL, frame.left + proposed->left - own.left,
                         frame.top + proposed->top - own.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_SIZE:
        OnClientSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH well = CreateSolidBrush(SKIN_COLOR_FRAME_WELL);
        FillRect((HDC)wParam, &r, well);
        DeleteObject(well);
        return 1;
    }
    case kMsgClose:
        DestroyWindow(FrameWindow());
        return 0;
    case kMsgMinimise:
        ShowWindow(FrameWindow(), SW_MINIMIZE);
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
            PostMessageA(hwnd, kMsgClose, 0, 0);
        }
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, kSecondTimer);
        KillTimer(hwnd, kTickTimer);
        DestroyControls();
        PostQuitMessage(g_exitCode);
        return 0;
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
    "usage: gallery.exe [skin path]\n"
    "                   [--page 1|2|3|4|5|6|7|controls|indicators|sliders|lists|text|wheel|tables]\n"
    "                   [--size WxH] [--popup] [--screenshot out.bmp]\n";

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
    int width, height;   // of the frame window
    bool popUp;
};

// "WxH", each at least the smallest frame that shows the whole panel.
bool ParseSize(const char* text, int* width, int* height) {
    char rest;
    if (std::sscanf(text, "%dx%d%c", width, height, &rest) != 2) return false;
    if (*width < kFrameMinW) *width = kFrameMinW;
    if (*height < kFrameMinH) *height = kFrameMinH;
    return *width <= 4096 && *height <= 4096;
}

bool ParseArguments(int argc, char** argv, Arguments* args) {
    args->startPage = 0;
    args->width = kFrameMinW;
    args->height = kFrameMinH;
    args->popUp = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) g_screenshotPath = argv[++i];
        else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc) {
            args->startPage = PageIndex(argv[++i]);
            if (args->startPage < 0) return false;
        } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            if (!ParseSize(argv[++i], &args->width, &args->height)) return false;
        } else if (std::strcmp(argv[i], "--popup") == 0) args->popUp = true;
        else if (argv[i][0] != '-') args->skinPath = argv[i];
        else return false;
    }
    return true;
}

// The frame, centred on the screen, with its controls, and the client window
// in it that holds the panel. The frame forwards the reports of its
// controls and of the pop-up, its key presses and the pop-up's moves to the
// client window.
bool BuildFrame(const Arguments& args) {
    g.frame = new GalleryFrame(Chars(g.skin));
    int x = (GetSystemMetrics(SM_CXSCREEN) - args.width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - args.height) / 2;
    if (!g.frame->Create("Tessaro Gallery", WS_POPUP | WS_CLIPCHILDREN, x, y, args.width, args.height, g.instance,
                         NULL, 0, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_HIDE))
        return false;
    RECT inner;
    if (!g.frame->GetClientRect(&inner)) return false;
    g.host = CreateWindowExA(0, "TessaroGalleryClient", "", WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, inner.left,
                             inner.top, inner.right - inner.left, inner.bottom - inner.top, FrameWindow(), NULL,
                             g.instance, NULL);
    if (!g.host || !BuildControls(args.startPage) || !BuildFrameControls() || !BuildPopUp()) return false;
    if (!g.frame->SetClientWindow(g.host)) return false;

    // The client window has its size already: show the frame's now.
    RECT client;
    GetClientRect(g.host, &client);
    OnClientSize(client.right, client.bottom);

    g.frame->SetNotifyWindow(g.host, kNotifyData);
    g.frame->RegisterNotifyMessage(WM_COMMAND);
    g.frame->RegisterNotifyMessage(WM_KEYDOWN);
    SetReportMoves(true);
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
    wc.lpfnWndProc = ClientProc;
    wc.hInstance = g.instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.lpszClassName = "TessaroGalleryClient";
    if (!RegisterClassExA(&wc)) return 1;

    if (!BuildFrame(args)) {
        std::fprintf(stderr, "gallery: the window could not be created from %s\n", g.skin.c_str());
        if (FrameWindow()) DestroyWindow(FrameWindow());
        DeleteFrameObjects();
        return 1;
    }

    ShowWindow(FrameWindow(), SW_SHOW);
    UpdateWindow(FrameWindow());
    SetForegroundWindow(FrameWindow());
    if (args.popUp) ShowPopUp(true);
    SetTimer(g.host, kSecondTimer, 1000, NULL);
    SetTimer(g.host, kTickTimer, kTickMs, NULL);
    if (!g_screenshotPath.empty()) SetTimer(g.host, kScreenshotTimer, kScreenshotDelayMs, NULL);

    MSG msg;
    int result;
    while ((result = GetMessageA(&msg, NULL, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteFrameObjects();
    return result < 0 ? 1 : (int)msg.wParam;
}
