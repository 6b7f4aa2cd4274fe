// The gallery's first page: every control of the library (push buttons,
// radio buttons, check boxes, a multi-bitmap button with the badge that
// follows it).
#include "Gallery.h"

namespace gallery {
namespace {

// Control IDs: the wParam of the WM_COMMAND reports.
enum {
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

// Layout, on the page plate.
const int kMargin = 8;
const int kButtonsLabelY = 12, kButtonsY = 38;
const int kGroupsLabelY = 94, kGroupsY = 118;
const int kColumn2 = 192, kColumn3 = 376;

// A multi-bitmap window whose item texts sit in the middle of the face (the
// class itself centres them horizontally only).
class Badge : public CMultiBitmapWindow {
public:
    Badge(char* skin, LOGFONTA font)
        : CMultiBitmapWindow(skin, SKIN_BADGE_REGION, SKIN_BADGE_PLAY, SKIN_BADGE_DISABLED, font) {
        m_uFormat = kCentred;
    }
};

Toggle* NewRadio(char* skin, LOGFONTA font, const char* text) {
    return new Toggle(skin, SKIN_RADIO_REGION, SKIN_RADIO_NORMAL, SKIN_RADIO_DISABLED, SKIN_RADIO_SELECTED,
                      SKIN_RADIO_PUSHED, font, Chars(Indent(font, text, 31)), SKIN_COLOR_TEXT, kLeftLine);
}

Toggle* NewCheck(char* skin, LOGFONTA font, const char* text) {
    return new Toggle(skin, SKIN_CHECK_REGION, SKIN_CHECK_NORMAL, SKIN_CHECK_DISABLED, SKIN_CHECK_SELECTED,
                      SKIN_CHECK_PUSHED, font, Chars(Indent(font, text, 31)), SKIN_COLOR_TEXT, kLeftLine);
}

const char* ModeName(int mode) {
    return mode == kModePlay ? "Play" : mode == kModePause ? "Pause" : "Stop";
}

class ControlsPage : public Page {
public:
    ControlsPage(const std::string& skin, HINSTANCE instance) : Page(skin, instance), m_activeMode(kModePlay) {}

    bool OnCommand(int id, LPARAM value, std::string* description);
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    void BuildLabels(HWND plate);
    void BuildButtons(HWND plate);
    void BuildToggles(HWND plate);
    void BuildModeAndBadge(HWND plate);
    void OnMode();
    Toggle* ToggleOf(int id);

    CBitmapButton* m_buttons[4];
    Toggle* m_radios[3];
    Toggle* m_checks[2];
    CMultiBitmapButton* m_mode;
    Badge* m_badge;
    int m_activeMode;
};

bool ControlsPage::BuildContent(HWND plate) {
    BuildLabels(plate);
    BuildButtons(plate);
    BuildToggles(plate);
    BuildModeAndBadge(plate);
    // A radio group starts with one member chosen, and one box is checked.
    m_radios[1]->Select();
    m_checks[0]->Select();
    return true;
}

void ControlsPage::BuildLabels(HWND plate) {
    const char* sections[4] = {"PUSH BUTTONS", "RADIO BUTTONS", "CHECK BOXES", "MULTI-BITMAP"};
    const int sectionX[4] = {kMargin, kMargin, kColumn2, kColumn3};
    const int sectionY[4] = {kButtonsLabelY, kGroupsLabelY, kGroupsLabelY, kGroupsLabelY};
    for (int i = 0; i < 4; ++i) SectionLabel(plate, sections[i], kIdLabels + i, sectionX[i], sectionY[i]);
}

// Push buttons: two primary (accent) and two secondary (slate) faces.
void ControlsPage::BuildButtons(HWND plate) {
    const char* buttonText[4] = {"Primary", "Secondary", "Apply", "Disabled"};
    const bool primary[4] = {true, false, false, true};
    LOGFONTA buttonFont = Font(13, FW_BOLD);
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = primary[i]
            ? new CBitmapButton(Skin(), SKIN_BUTTON_REGION, SKIN_BUTTON_NORMAL, SKIN_BUTTON_DISABLED,
                                SKIN_BUTTON_OVER, SKIN_BUTTON_PUSHED, buttonFont, (char*)buttonText[i],
                                SKIN_COLOR_ON_ACCENT, kCentred)
            : new CBitmapButton(Skin(), SKIN_BUTTON_REGION, SKIN_BUTTON2_NORMAL, SKIN_BUTTON2_DISABLED,
                                SKIN_BUTTON2_OVER, SKIN_BUTTON2_PUSHED, buttonFont, (char*)buttonText[i],
                                SKIN_COLOR_TEXT, kCentred);
        Place(m_buttons[i], plate, kIdPrimary + i, kMargin + i * (SKIN_BUTTON_W + 16), kButtonsY);
    }
    m_buttons[3]->SetColorText(SKIN_COLOR_TEXT_MUTED);
    m_buttons[3]->Enable(0);
}

void ControlsPage::BuildToggles(HWND plate) {
    LOGFONTA rowFont = Font(13, FW_NORMAL);
    const char* radioText[3] = {"Small", "Medium", "Large"};
    for (int i = 0; i < 3; ++i) {
        m_radios[i] = NewRadio(Skin(), rowFont, radioText[i]);
        Place(m_radios[i], plate, kIdRadioSmall + i, kMargin, kGroupsY + i * (SKIN_ROW_H + 2));
    }
    const char* checkText[2] = {"Show grid", "Snap to grid"};
    for (int i = 0; i < 2; ++i) {
        m_checks[i] = NewCheck(Skin(), rowFont, checkText[i]);
        Place(m_checks[i], plate, kIdCheckGrid + i, kColumn2, kGroupsY + i * (SKIN_ROW_H + 2));
    }
}

// The mode button cycles play / pause / stop; the badge shows the mode.
void ControlsPage::BuildModeAndBadge(HWND plate) {
    BITMAPLISTID play = {SKIN_MODE_REGION, SKIN_MODE_PLAY_NORMAL, SKIN_MODE_PLAY_DISABLED, SKIN_MODE_PLAY_OVER,
                         SKIN_MODE_PLAY_PUSHED};
    BITMAPLISTID pause = {SKIN_MODE_REGION, SKIN_MODE_PAUSE_NORMAL, SKIN_MODE_PAUSE_DISABLED,
                          SKIN_MODE_PAUSE_OVER, SKIN_MODE_PAUSE_PUSHED};
    BITMAPLISTID stop = {SKIN_MODE_REGION, SKIN_MODE_STOP_NORMAL, SKIN_MODE_STOP_DISABLED, SKIN_MODE_STOP_OVER,
                         SKIN_MODE_STOP_PUSHED};
    __int64 error = 0;
    m_mode = new CMultiBitmapButton(Skin(), play, Font(13, FW_BOLD));
    m_mode->SetBitmap(play, (char*)"", SKIN_COLOR_TEXT, kModePlay, &error);
    m_mode->SetBitmap(pause, (char*)"", SKIN_COLOR_TEXT, kModePause, &error);
    m_mode->SetBitmap(stop, (char*)"", SKIN_COLOR_TEXT, kModeStop, &error);
    Place(m_mode, plate, kIdMode, kColumn3, kGroupsY);
    m_mode->SetActiveBitmapID(kModePlay, 0, &error);

    m_badge = new Badge(Skin(), Font(12, FW_BOLD));
    BITMAPLISTID playing = {SKIN_BADGE_REGION, SKIN_BADGE_PLAY, SKIN_BADGE_DISABLED, -1, -1};
    BITMAPLISTID paused = {SKIN_BADGE_REGION, SKIN_BADGE_PAUSE, SKIN_BADGE_DISABLED, -1, -1};
    BITMAPLISTID stopped = {SKIN_BADGE_REGION, SKIN_BADGE_STOP, SKIN_BADGE_DISABLED, -1, -1};
    m_badge->SetBitmap(playing, (char*)"PLAYING", SKIN_COLOR_PLAY, kModePlay, &error);
    m_badge->SetBitmap(paused, (char*)"PAUSED", SKIN_COLOR_PAUSE, kModePause, &error);
    m_badge->SetBitmap(stopped, (char*)"STOPPED", SKIN_COLOR_STOP, kModeStop, &error);
    Place(m_badge, plate, kIdBadge, kColumn3 + SKIN_MODE_W + 12, kGroupsY + (SKIN_MODE_H - SKIN_BADGE_H) / 2);
    m_badge->SetActiveBitmapID(kModePlay, &error);
}

// Starts from a chosen radio button and one checked box, as a user would:
// the clicks report, and the status line shows the last of them.
void ControlsPage::Start() {
    m_radios[1]->SetUnSelectButton();
    m_checks[0]->SetUnSelectButton();
    Click(m_radios[1]);
    Click(m_checks[0]);
}

void ControlsPage::OnMode() {
    // Each click moves to the next mode; the badge follows.
    m_activeMode = m_activeMode % 3 + 1;
    __int64 error = 0;
    m_mode->SetActiveBitmapID(m_activeMode, Hovered(m_mode) ? 2 : 0, &error);
    m_badge->SetActiveBitmapID(m_activeMode, &error);
}

Toggle* ControlsPage::ToggleOf(int id) {
    if (id >= kIdRadioSmall && id <= kIdRadioLarge) return m_radios[id - kIdRadioSmall];
    if (id >= kIdCheckGrid && id <= kIdCheckSnap) return m_checks[id - kIdCheckGrid];
    return NULL;
}

bool ControlsPage::OnCommand(int id, LPARAM value, std::string* description) {
    const char* names[] = {"Primary button", "Secondary button", "Apply button", "Disabled button"};
    const char* toggleNames[] = {"radio Small", "radio Medium", "radio Large", "check box Show grid",
                                 "check box Snap to grid"};
    if (id >= kIdPrimary && id <= kIdDisabled) {
        *description = names[id - kIdPrimary];
    } else if (Toggle* t = ToggleOf(id)) {
        if (id <= kIdRadioLarge) KeepExclusive(m_radios, 3, id - kIdRadioSmall);
        int index = id <= kIdRadioLarge ? id - kIdRadioSmall : 3 + id - kIdCheckGrid;
        *description = std::string(toggleNames[index]) + (t->IsSelected() ? "  (selected)" : "  (cleared)");
    } else if (id == kIdMode) {
        OnMode();
        *description = std::string("mode button  (now ") + ModeName(m_activeMode) + ")";
    } else {
        return false;
    }
    return true;
}

}  // namespace

Page* NewControlsPage(const std::string& skin, HINSTANCE instance) { return new ControlsPage(skin, instance); }

}  // namespace gallery
