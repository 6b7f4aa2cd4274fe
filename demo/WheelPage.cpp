// The gallery's sixth page: a tab wheel (CWheelWindow) of eight channel
// groups on its plate. The current tab sits in the middle, two tabs on each
// side, the outer ones cut at the wheel's edge. A click on a side tab turns
// the wheel to it and reports the new tab; the page then makes it current
// with SetTab so that it shows its active face. Two buttons turn the wheel
// by program, one tab at a time.
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdWheel = 1001,
    kIdPlate,
    kIdPrevious,
    kIdNext,
    kIdNowValue = 1011,
    kIdSideValue,
    kIdHint,
    kIdLabels = 1021,   // the section labels take 1021..1023
};

const int kTabCount = 8;
const char* const kTabNames[kTabCount] = {"News", "Sport", "Music", "Movies", "Kids", "Radio", "Games", "Weather"};

// Layout, on the page plate: the wheel's plate across the top, what it shows
// below it at the left, the buttons that turn it at the right.
const int kMargin = 8;
const int kWheelLabelY = 12;
const int kPlateX = (SKIN_PAGE_W - SKIN_WHEEL_PLATE_W) / 2, kPlateY = 40;
const int kNowLabelY = 98, kNowY = 124, kSideY = 148;
const int kRightX = 360;
const int kHintY = 184;

// The label font the wheel draws with (12 px, Korean character set, the
// GulimChe face), so that a label can be centred on its tab.
int LabelWidth(const char* text) {
    HDC dc = GetDC(NULL);
    HFONT font = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, HANGEUL_CHARSET, 0, 0, 0, 0, "\xB1\xBC\xB8\xB2\xC3\xBC");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(NULL, dc);
    return size.cx;
}

class WheelPage : public Page {
public:
    WheelPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_wheel(NULL), m_now(NULL), m_side(NULL), m_current(0), m_clickOnStart(false) {}

    bool OnCommand(int id, LPARAM value, std::string* description);
    void OnTick();
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    CBitmapWindow* ValueLine(HWND plate, int id, int x, int y, const char* text, DWORD colour, int weight);
    void Turn(int tab, int side, const char* how);
    void ShowCurrent(const char* how);

    CWheelWindow* m_wheel;
    CBitmapWindow* m_now;
    CBitmapWindow* m_side;
    int m_current;
    bool m_clickOnStart;
};

bool WheelPage::BuildContent(HWND plate) {
    SectionLabel(plate, "TAB WHEEL", kIdLabels, kMargin, kWheelLabelY);
    SectionLabel(plate, "NOW SHOWING", kIdLabels + 1, kMargin, kNowLabelY);
    SectionLabel(plate, "TURN BY PROGRAM", kIdLabels + 2, kRightX, kNowLabelY);

    CBitmapWindow* wheelPlate = new CBitmapWindow(Skin(), SKIN_WHEEL_PLATE, SKIN_WHEEL_PLATE, SKIN_WHEEL_PLATE,
                                                  Font(12, FW_NORMAL), (char*)"", 0, kLeftLine);
    Keep(wheelPlate);
    if (!wheelPlate->Create("", WS_CHILD | WS_CLIPCHILDREN, kPlateX, kPlateY, -1, -1, Instance(), plate, kIdPlate,
                            SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;

    // The tabs go in before Create, which lays the wheel out once.
    m_wheel = Keep(new CWheelWindow(Skin()));
    for (int i = 0; i < kTabCount; ++i) {
        if (!m_wheel->SetTabButtonItem(i, SKIN_WHEEL_TAB_W, SKIN_WHEEL_TAB_H, 0, SKIN_WHEEL_TAB_ACTIVE,
                                       SKIN_WHEEL_TAB_NORMAL, 0, NULL))
            return false;
        int x = (SKIN_WHEEL_TAB_W - LabelWidth(kTabNames[i])) / 2;
        m_wheel->SetTabTextItem(i, x > 0 ? x : 0, SKIN_WHEEL_TEXT_Y, 0, 0, lstrlenA(kTabNames[i]), SKIN_COLOR_TEXT,
                                kTabNames[i]);
    }
    m_wheel->SetTab(m_current, SLOT_RIGHT);
    if (!m_wheel->Create("", WS_CHILD, SKIN_WHEEL_PAD, SKIN_WHEEL_PAD, SKIN_WHEEL_W, SKIN_WHEEL_TAB_H, Instance(),
                         wheelPlate->GetWindowHandle(), WP_HORIZONTAL, kIdWheel, 0, NULL, NULL, NULL, SW_SHOW))
        return false;

    SmallButton(plate, "Prev", kIdPrevious, kRightX, kNowY);
    SmallButton(plate, "Next", kIdNext, kRightX + SKIN_SMALL_BUTTON_W + 10, kNowY);
    m_now = ValueLine(plate, kIdNowValue, kMargin, kNowY, "", SKIN_COLOR_TEXT, FW_BOLD);
    m_side = ValueLine(plate, kIdSideValue, kMargin, kSideY, "", SKIN_COLOR_TEXT_MUTED, FW_NORMAL);
    ValueLine(plate, kIdHint, kMargin, kHintY, "Click a side tab: the wheel turns to it.",
              SKIN_COLOR_TEXT_MUTED, FW_NORMAL);
    ShowCurrent("shown at the start");
    return true;
}

CBitmapWindow* WheelPage::ValueLine(HWND plate, int id, int x, int y, const char* text, DWORD colour, int weight) {
    CBitmapWindow* line = new CBitmapWindow(Skin(), SKIN_VALUE_WIDE, SKIN_VALUE_WIDE, SKIN_VALUE_WIDE,
                                            Font(12, weight), (char*)text, colour,
                                            kLeftLine | DT_NOPREFIX | DT_EXPANDTABS | DT_END_ELLIPSIS);
    return Place(line, plate, id, x, y) ? line : NULL;
}

void WheelPage::ShowCurrent(const char* how) {
    char line[96];
    std::snprintf(line, sizeof line, "%s\t(tab ID %d of 0-%d)", kTabNames[m_current], m_current, kTabCount - 1);
    m_now->SetBitmapName(line);
    m_side->SetBitmapName(Chars(how));
}

// Makes `tab` current: the wheel turns (SetTab with a side of a horizontal
// wheel) and shows the tab's active face.
void WheelPage::Turn(int tab, int side, const char* how) {
    m_current = (tab % kTabCount + kTabCount) % kTabCount;
    m_wheel->SetTab(m_current, side);
    ShowCurrent(how);
}

// Clicks the outer right tab as a user would, at the first tick after the
// gallery's window is shown: the wheel turns two tabs on and reports it.
void WheelPage::Start() { m_clickOnStart = true; }

void WheelPage::OnTick() {
    if (!m_clickOnStart || !m_wheel) return;
    HWND wheel = m_wheel->GetWindowHandle();
    if (!wheel || !IsWindowVisible(wheel)) return;
    m_clickOnStart = false;
    LPARAM point = MAKELPARAM(SKIN_WHEEL_W / 2 + SKIN_WHEEL_TAB_W + SKIN_WHEEL_TAB_W / 2, SKIN_WHEEL_TAB_H / 2);
    SendMessageA(wheel, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(wheel, WM_LBUTTONUP, 0, point);
}

bool WheelPage::OnCommand(int id, LPARAM value, std::string* description) {
    char text[96];
    switch (id) {
    case kIdWheel: {
        // The wheel reports the tab it turned to; a click on the middle tab
        // reports the same tab again.
        int tab = (int)value;
        if (tab < 0 || tab >= kTabCount) return false;
        bool turned = tab != m_current;
        Turn(tab, SLOT_RIGHT, turned ? "turned by a click" : "the middle tab clicked");
        std::snprintf(text, sizeof text, "wheel  tab %d %s%s", tab, kTabNames[tab], turned ? "" : "  (unchanged)");
        *description = text;
        return true;
    }
    case kIdPrevious:
    case kIdNext: {
        bool next = id == kIdNext;
        Turn(m_current + (next ? 1 : -1), next ? SLOT_RIGHT : SLOT_LEFT,
             next ? "turned by SetTab, side SLOT_RIGHT" : "turned by SetTab, side SLOT_LEFT");
        std::snprintf(text, sizeof text, "%s button  (wheel at tab %d %s)", next ? "Next" : "Prev", m_current,
                      kTabNames[m_current]);
        *description = text;
        return true;
    }
    }
    return false;
}

}  // namespace

Page* NewWheelPage(const std::string& skin, HINSTANCE instance) { return new WheelPage(skin, instance); }

}  // namespace gallery
