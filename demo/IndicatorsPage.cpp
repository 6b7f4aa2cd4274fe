// The gallery's second page: the indicator views. A channel display stepped
// by two buttons (CChannelView), a clock and a playback counter
// (CTimeView), a signal-strength display set by a slider, with a button for
// its unit (CSensView), and an input source picture switched by a tab (CTab).
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdChannelDown = 501,
    kIdChannelUp,
    kIdStrength = 511,   // the slider's bar; its thumb is 512
    kIdStrengthThumb,
    kIdUnit,
    kIdSourceNext = 521,
    kIdChannelPlate = 531,   // the three digits take 532..534
    kIdClock = 541,
    kIdPlayback = 551,
    kIdTimeChildren = 560,      // the nine parts of a time view take 560..568
    kIdSignal = 571,
    kIdSignalChildren = 572,    // antenna, hundreds, tens, units, sign: 572..576
    kIdSource = 581,
    kIdLabels = 590,
};

// Layout, on the page plate: two rows of three columns.
const int kMargin = 8;
const int kRowALabelY = 12, kRowAY = 36;
const int kRowBLabelY = 124, kRowBY = 148;
const int kColumn2 = 222, kColumn3 = 430;
const int kGap = 8;

const int kFirstChannel = 1, kLastChannel = 999;
const int kStartChannel = 122;
const DWORD kPlaybackStart = 12 * 60 + 34;   // resumed at 00:12:34
const int kStartStrength = 72;   // percent
const int kStrengthSliderLength = 160;

// Items of the mark window of a time view.
enum { kMarkPm, kMarkAm, kMarkPlay, kMarkExpiry, kMarkRec };
// Items of the input source picture; the tab shows base + 0, 1 or 2.
const int kSourceBase = 1;
const char* const kSourceNames[3] = {"TV", "RADIO", "AUX"};

// The input source picture: names written left-aligned right of the icon.
class SourcePicture : public CMultiBitmapWindow {
public:
    SourcePicture(char* skin, LOGFONTA font)
        : CMultiBitmapWindow(skin, SKIN_SOURCE_REGION, SKIN_SOURCE_TV, SKIN_SOURCE_DISABLED, font) {
        m_uFormat = kLeftLine;
    }
};

BITMAPLISTID Frames(int normal, int disabled) {
    BITMAPLISTID frames = {0, normal, disabled, -1, -1};
    return frames;
}

// Display parts that are buttons show the same picture under the mouse.
BITMAPLISTID StillFrames(int region, int normal, int disabled) {
    BITMAPLISTID frames = {region, normal, disabled, normal, normal};
    return frames;
}

// Loads the ten small digits into a digit window: digit d under ID d + shift.
template <class DigitWindow> void LoadSmallDigits(DigitWindow* digits, int shift) {
    __int64 error = 0;
    for (int d = 0; d < 10; ++d)
        digits->SetBitmap(StillFrames(0, SKIN_DIGIT_S_0 + d, SKIN_DIGIT_S_OFF), (char*)"", 0, d + shift, &error);
}

// The antenna follows the strength: a bar for every 18 % begun, at most five.
DWORD AntennaLevel(int percent) {
    int level = (percent + 17) / 18;
    return DWORD(level > 5 ? 5 : level);
}

// The same strength as a level in decibels.
int Decibels(int percent) { return 20 + percent * 6 / 10; }

class IndicatorsPage : public Page {
public:
    IndicatorsPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_channelUp(NULL), m_channelView(NULL), m_clock(NULL), m_playbackView(NULL),
          m_signal(NULL), m_strengthBar(NULL), m_strengthThumb(NULL), m_sourceTab(NULL), m_channel(kStartChannel),
          m_playback(kPlaybackStart), m_strength(kStartStrength), m_inPercent(true), m_source(1) {}

    bool OnCommand(int id, LPARAM value, std::string* description);
    void OnSecond();
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    void BuildLabels(HWND plate);
    bool BuildChannel(HWND plate);
    CTimeView* BuildTimeView(HWND plate, int id, int x, int y);
    bool BuildSignal(HWND plate);
    bool BuildSource(HWND plate);
    bool CreateInView(CBitmapWindow* part, HWND view, int id, int x, int y);

    void ShowChannel();
    void ShowClock();
    void ShowSignal();
    void ShowSource();
    std::string SignalText() const;
    std::string StepChannel(bool up);
    std::string SetStrength(LPARAM position);
    std::string SwitchUnit();
    void PlaceStrengthThumb();
    std::string NextSource();

    CBitmapButton* m_channelUp;
    CChannelView* m_channelView;
    CTimeView* m_clock;
    CTimeView* m_playbackView;
    CSensView* m_signal;
    CBitmapSliderBar* m_strengthBar;
    CBitmapSlider* m_strengthThumb;
    CTab* m_sourceTab;
    int m_channel;
    DWORD m_playback;
    int m_strength;   // percent
    bool m_inPercent;
    int m_source;     // 1..3 a source, 0 switched off
};

bool IndicatorsPage::BuildContent(HWND plate) {
    BuildLabels(plate);
    if (!BuildChannel(plate)) return false;
    // The time displays sit level with the middle of the channel plate.
    const int timeY = kRowAY + (SKIN_CHANNEL_PLATE_H - SKIN_TIME_PLATE_H) / 2;
    m_clock = BuildTimeView(plate, kIdClock, kColumn2, timeY);
    m_playbackView = BuildTimeView(plate, kIdPlayback, kColumn3, timeY);
    if (!m_clock || !m_playbackView || !BuildSignal(plate) || !BuildSource(plate)) return false;
    ShowChannel();
    ShowClock();
    ShowSignal();
    ShowSource();
    return true;
}

void IndicatorsPage::BuildLabels(HWND plate) {
    const char* sections[5] = {"CHANNEL", "CLOCK", "PLAYBACK", "SIGNAL", "INPUT SOURCE"};
    const int sectionX[5] = {kMargin, kColumn2, kColumn3, kMargin, kColumn3};
    const int sectionY[5] = {kRowALabelY, kRowALabelY, kRowALabelY, kRowBLabelY, kRowBLabelY};
    for (int i = 0; i < 5; ++i) SectionLabel(plate, sections[i], kIdLabels + i, sectionX[i], sectionY[i]);
}

// A part of a view: a child of the view's window, destroyed with the page.
bool IndicatorsPage::CreateInView(CBitmapWindow* part, HWND view, int id, int x, int y) {
    KeepWindow(part);
    return part->Create("", WS_CHILD, x, y, -1, -1, Instance(), view, id, SKIN_COLOR_KEY, NULL, NULL, NULL,
                        SW_SHOW) != 0;
}

// Three big digits on a display plate, with the steppers at its right.
bool IndicatorsPage::BuildChannel(HWND plate) {
    CBitmapWindow* display = new CBitmapWindow(Skin(), SKIN_CHANNEL_PLATE, SKIN_CHANNEL_PLATE, SKIN_CHANNEL_PLATE,
                                               Font(12, FW_NORMAL), (char*)"", 0, kLeftLine);
    if (!Place(display, plate, kIdChannelPlate, kMargin, kRowAY)) return false;
    HWND face = display->GetWindowHandle();
    CMultiBitmapWindow* digits[3];
    __int64 error = 0;
    for (int i = 0; i < 3; ++i) {
        digits[i] = new CMultiBitmapWindow(Skin(), -1, SKIN_DIGIT_L_0, SKIN_DIGIT_L_OFF, Font(12, FW_NORMAL));
        for (int d = 0; d < 10; ++d)
            digits[i]->SetBitmap(Frames(SKIN_DIGIT_L_0 + d, SKIN_DIGIT_L_OFF), (char*)"", 0, d, &error);
        if (!Place(digits[i], face, kIdChannelPlate + 1 + i, SKIN_CHANNEL_DIGIT_X + i * SKIN_CHANNEL_DIGIT_STEP,
                   SKIN_CHANNEL_DIGIT_Y))
            return false;
    }
    m_channelView = new CChannelView(digits[0], digits[1], digits[2], NULL);
    KeepObject(m_channelView);

    int x = kMargin + SKIN_CHANNEL_PLATE_W + 10;
    m_channelUp = SmallButton(plate, "CH+", kIdChannelUp, x, kRowAY);
    SmallButton(plate, "CH\x96", kIdChannelDown, x, kRowAY + SKIN_CHANNEL_PLATE_H - SKIN_SMALL_BUTTON_H);
    return m_channelUp != NULL;
}

// A time display: the plate, then its nine parts with their items.
CTimeView* IndicatorsPage::BuildTimeView(HWND plate, int id, int x, int y) {
    CTimeView* view = new CTimeView(Skin(), SKIN_TIME_PLATE, SKIN_TIME_PLATE, SKIN_TIME_PLATE, -1, SKIN_MARK_AM,
                                    SKIN_MARK_AM_OFF, -1, SKIN_DIGIT_S_0, SKIN_DIGIT_S_OFF, -1, SKIN_COLON,
                                    SKIN_COLON_OFF, -1, SKIN_DIGIT_S_0, SKIN_DIGIT_S_OFF, -1, SKIN_DIGIT_S_0,
                                    SKIN_DIGIT_S_OFF);
    if (!Place(view, plate, id, x, y)) return NULL;
    HWND face = view->GetWindowHandle();

    CMultiBitmapWindow* mark = view->GetMark();
    const int markLooks[5][2] = {{SKIN_MARK_PM, SKIN_MARK_PM_OFF},
                                 {SKIN_MARK_AM, SKIN_MARK_AM_OFF},
                                 {SKIN_MARK_PLAY, SKIN_MARK_PLAY_OFF},
                                 {SKIN_MARK_EXP, SKIN_MARK_EXP_OFF},
                                 {SKIN_MARK_REC, SKIN_MARK_REC_OFF}};
    __int64 error = 0;
    for (int m = kMarkPm; m <= kMarkRec; ++m)
        mark->SetBitmap(Frames(markLooks[m][0], markLooks[m][1]), (char*)"", 0, m, &error);

    // Tens digits show digit d under ID d, units digits under ID d + 1.
    CMultiBitmapWindow* tens[3] = {view->GetHourTens(), view->GetMinuteTens(), view->GetSecondTens()};
    CMultiBitmapWindow* units[3] = {view->GetHourUnits(), view->GetMinuteUnits(), view->GetSecondUnits()};
    const int pairX[3] = {SKIN_TIME_HOUR_X, SKIN_TIME_MINUTE_X, SKIN_TIME_SECOND_X};
    const int y0 = SKIN_TIME_ROW_Y;
    bool made = CreateInView(mark, face, kIdTimeChildren, SKIN_TIME_MARK_X, y0);
    for (int i = 0; i < 3; ++i) {
        LoadSmallDigits(tens[i], 0);
        LoadSmallDigits(units[i], 1);
        made = CreateInView(tens[i], face, kIdTimeChildren + 1 + 2 * i, pairX[i], y0) && made;
        made = CreateInView(units[i], face, kIdTimeChildren + 2 + 2 * i, pairX[i] + SKIN_DIGIT_S_STEP, y0) && made;
    }
    made = CreateInView(view->GetSeparator1(), face, kIdTimeChildren + 7, SKIN_TIME_COLON1_X, y0) && made;
    made = CreateInView(view->GetSeparator2(), face, kIdTimeChildren + 8, SKIN_TIME_COLON2_X, y0) && made;
    return made ? view : NULL;
}

// The signal face with its antenna, number and sign; at its right the
// strength slider (0..100 %) and the unit button.
bool IndicatorsPage::BuildSignal(HWND plate) {
    BITMAPLISTID face = StillFrames(SKIN_SENS_FACE, SKIN_SENS_FACE, SKIN_SENS_FACE);
    BITMAPLISTID antenna = StillFrames(-1, SKIN_ANTENNA_0, SKIN_ANTENNA_OFF);
    BITMAPLISTID hundreds = StillFrames(-1, SKIN_DIGIT_S_1, SKIN_DIGIT_S_OFF);
    BITMAPLISTID digit = StillFrames(-1, SKIN_DIGIT_S_0, SKIN_DIGIT_S_OFF);
    BITMAPLISTID sign = StillFrames(-1, SKIN_SIGN_PERCENT, SKIN_SIGN_PERCENT_OFF);
    m_signal = new CSensView(Skin(), face, antenna, hundreds, digit, digit, sign);
    if (!Place(m_signal, plate, kIdSignal, kMargin, kRowBY)) return false;
    HWND view = m_signal->GetWindowHandle();

    __int64 error = 0;
    for (int level = 0; level <= 5; ++level)
        m_signal->GetAntenna()->SetBitmap(Frames(SKIN_ANTENNA_0 + level, SKIN_ANTENNA_OFF), (char*)"", 0, level,
                                          &error);
    // The hundreds digit is only ever a 1, lit or dimmed.
    m_signal->GetHundreds()->SetBitmap(StillFrames(0, SKIN_DIGIT_S_1, SKIN_DIGIT_S_OFF), (char*)"", 0, 0, &error);
    LoadSmallDigits(m_signal->GetTens(), 1);
    LoadSmallDigits(m_signal->GetUnits(), 2);
    m_signal->GetUnitSign()->SetBitmap(StillFrames(0, SKIN_SIGN_DB, SKIN_SIGN_DB_OFF), (char*)"", 0, 3, &error);
    m_signal->GetUnitSign()->SetBitmap(StillFrames(0, SKIN_SIGN_PERCENT, SKIN_SIGN_PERCENT_OFF), (char*)"", 0, 4,
                                       &error);

    const int y0 = SKIN_SENS_ROW_Y, step = SKIN_DIGIT_S_STEP;
    bool made = CreateInView(m_signal->GetAntenna(), view, kIdSignalChildren, SKIN_SENS_ANTENNA_X, y0);
    made = CreateInView(m_signal->GetHundreds(), view, kIdSignalChildren + 1, SKIN_SENS_DIGITS_X, y0) && made;
    made = CreateInView(m_signal->GetTens(), view, kIdSignalChildren + 2, SKIN_SENS_DIGITS_X + step, y0) && made;
    made = CreateInView(m_signal->GetUnits(), view, kIdSignalChildren + 3, SKIN_SENS_DIGITS_X + 2 * step, y0) && made;
    made = CreateInView(m_signal->GetUnitSign(), view, kIdSignalChildren + 4, SKIN_SENS_SIGN_X, y0) && made;

    int x = kMargin + SKIN_SENS_W + 12;
    m_strengthBar = new CBitmapSliderBar(Skin(), SKIN_SLIDER_H_MIDDLE, SKIN_SLIDER_H_MIDDLE_DISABLED,
                                         SKIN_SLIDER_H_START_REGION, SKIN_SLIDER_H_START,
                                         SKIN_SLIDER_H_START_DISABLED, SKIN_SLIDER_H_END_REGION, SKIN_SLIDER_H_END,
                                         SKIN_SLIDER_H_END_DISABLED, SKIN_COLOR_KEY, 1);
    Keep(m_strengthBar);
    const int barY = kRowBY + (SKIN_SENS_H - SKIN_SLIDER_THICKNESS) / 2;
    if (!m_strengthBar->Create("", WS_CHILD, x, barY, kStrengthSliderLength, SKIN_SLIDER_THICKNESS, Instance(), plate,
                               kIdStrength, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW))
        return false;
    // The thumb is the bar's first child window.
    m_strengthThumb = Keep(new CBitmapSlider(Skin(), SKIN_THUMB_REGION, SKIN_THUMB_NORMAL, SKIN_THUMB_DISABLED,
                                             SKIN_THUMB_OVER, SKIN_THUMB_PUSHED));
    made = m_strengthThumb->Create("", WS_CHILD, 0, 0, -1, -1, Instance(), m_strengthBar->GetWindowHandle(),
                                   kIdStrengthThumb, SKIN_COLOR_KEY, NULL, NULL, NULL, SW_SHOW) != 0 &&
           made;
    x += kStrengthSliderLength + 12;
    return SmallButton(plate, "dB/%", kIdUnit, x, kRowBY + (SKIN_SENS_H - SKIN_SMALL_BUTTON_H) / 2) && made;
}

// The source picture, switched between its three looks by a tab.
bool IndicatorsPage::BuildSource(HWND plate) {
    LOGFONTA font = Font(12, FW_BOLD);
    SourcePicture* picture = new SourcePicture(Skin(), font);
    BITMAPLISTID looks[3] = {StillFrames(SKIN_SOURCE_REGION, SKIN_SOURCE_TV, SKIN_SOURCE_DISABLED),
                             StillFrames(SKIN_SOURCE_REGION, SKIN_SOURCE_RADIO, SKIN_SOURCE_DISABLED),
                             StillFrames(SKIN_SOURCE_REGION, SKIN_SOURCE_AUX, SKIN_SOURCE_DISABLED)};
    __int64 error = 0;
    for (int i = 0; i < 3; ++i)
        picture->SetBitmap(looks[i], Chars(Indent(font, kSourceNames[i], 34)), SKIN_COLOR_TEXT, kSourceBase + i,
                           &error);
    int y = kRowBY + (SKIN_SENS_H - SKIN_SOURCE_H) / 2;
    if (!Place(picture, plate, kIdSource, kColumn3, y)) return false;
    m_sourceTab = new CTab(picture);
    KeepObject(m_sourceTab);
    return SmallButton(plate, "Next", kIdSourceNext, kColumn3 + SKIN_SOURCE_W + kGap, y) != NULL;
}

void IndicatorsPage::ShowChannel() { m_channelView->SetChannel(DWORD(m_channel)); }

void IndicatorsPage::ShowClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    m_clock->SetTime(DWORD(now.wHour) * 3600 + DWORD(now.wMinute) * 60 + now.wSecond);
    m_playbackView->SetPlaybackTime(m_playback);
}

void IndicatorsPage::ShowSignal() {
    PlaceStrengthThumb();
    m_signal->SetSensAntenna(AntennaLevel(m_strength));
    if (m_inPercent) m_signal->SetSensPercent(DWORD(m_strength));
    else m_signal->SetSensDB(DWORD(Decibels(m_strength)));
}

void IndicatorsPage::ShowSource() { m_sourceTab->SetTab(kSourceBase, DWORD(m_source)); }

std::string IndicatorsPage::SignalText() const {
    char text[40];
    if (m_inPercent) std::snprintf(text, sizeof text, "%d %%", m_strength);
    else std::snprintf(text, sizeof text, "%d dB", Decibels(m_strength));
    return text;
}

void IndicatorsPage::OnSecond() {
    ++m_playback;
    ShowClock();
}

// Steps the channel up once, as a user would: the button reports. The
// pointer never was over the button, so it steps back to its normal look.
void IndicatorsPage::Start() {
    Click(m_channelUp);
    SendMessageA(m_channelUp->GetWindowHandle(), WM_MOUSELEAVE, 0, 0);
}

// Steps the channel one up or down, wrapping round within 1..999.
std::string IndicatorsPage::StepChannel(bool up) {
    const int span = kLastChannel - kFirstChannel + 1;
    m_channel = (m_channel - kFirstChannel + (up ? 1 : span - 1)) % span + kFirstChannel;
    ShowChannel();
    char text[60];
    std::snprintf(text, sizeof text, "%s button  (channel %03d)", up ? "CH+" : "CH-", m_channel);
    return text;
}

// The slider's bar reports positions but leaves placing the thumb to its
// host: the thumb goes where the strength stands on the bar (0..100 %).
void IndicatorsPage::PlaceStrengthThumb() {
    if (!m_strengthBar || !m_strengthThumb || !m_strengthThumb->GetWindowHandle()) return;
    int along = MulDiv(kStrengthSliderLength - SKIN_THUMB_W, m_strength, 100);
    SetWindowPos(m_strengthThumb->GetWindowHandle(), NULL, along, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The strength follows the slider's reported position (0..100 %).
std::string IndicatorsPage::SetStrength(LPARAM position) {
    m_strength = position < 0 ? 0 : position > 100 ? 100 : int(position);
    ShowSignal();
    return "strength slider  (signal " + SignalText() + ")";
}

std::string IndicatorsPage::SwitchUnit() {
    m_inPercent = !m_inPercent;
    ShowSignal();
    return "unit button  (signal " + SignalText() + ")";
}

// TV, radio, aux, then off (the tab dims the picture), and round again.
std::string IndicatorsPage::NextSource() {
    m_source = (m_source + 1) % 4;
    ShowSource();
    return std::string("source button  (now ") + (m_source ? kSourceNames[m_source - 1] : "off") + ")";
}

bool IndicatorsPage::OnCommand(int id, LPARAM value, std::string* description) {
    switch (id) {
    case kIdChannelDown:
    case kIdChannelUp: *description = StepChannel(id == kIdChannelUp); return true;
    case kIdStrength: *description = SetStrength(value); return true;
    case kIdUnit: *description = SwitchUnit(); return true;
    case kIdSourceNext: *description = NextSource(); return true;
    case kIdSignal: *description = "signal display  (" + SignalText() + ")"; return true;
    default: return false;
    }
}

}  // namespace

Page* NewIndicatorsPage(const std::string& skin, HINSTANCE instance) { return new IndicatorsPage(skin, instance); }

}  // namespace gallery
