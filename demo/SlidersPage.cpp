// The gallery's third page: the sliders. A horizontal and a vertical slider
// whose thumbs follow what their bars report (CBitmapSliderBar with a
// CBitmapSlider thumb), a seek bar in playback style whose buffered part
// runs ahead of the played position (CBitmapProgressiveSliderBar), a
// disabled slider, and a volume wedge (CBitmapVolume).
#include "Gallery.h"

#include <cstdio>

namespace gallery {
namespace {

enum {
    kIdSlider = 601,
    kIdSliderThumb,
    kIdSeek = 611,
    kIdSeekThumb,
    kIdVertical = 621,
    kIdVerticalThumb,
    kIdVolume = 631,
    kIdDisabled = 641,
    kIdDisabledThumb,
    kIdValues = 651,   // the value strips take 651..654
    kIdLabels = 661,   // the section labels take 661..665
};

// Layout, on the page plate: three rows of horizontal bars at the left, the
// vertical slider and the volume in two narrow columns at the right.
const int kMargin = 8;
const int kBarLength = 384;
const int kRowLabelY[3] = {12, 80, 148};
const int kRowGap = 26;   // from a row's label to its bar
const int kVerticalX = 424, kVolumeX = 516;
const int kVerticalY = 38, kVerticalLength = 132;
const int kColumnValueY = kVerticalY + kVerticalLength + 8;

const DWORD kSlideLength = 100;
const DWORD kStartSlider = 50, kStartVertical = 30, kStartDisabled = 40;
const int kStartVolume = 70;   // of 0..100
// The seek bar plays a clip of three minutes, one second a second; the
// buffered part runs ahead, twice as fast, until it reaches the end.
const DWORD kClipSeconds = 180;
const DWORD kStartPlayed = 65, kStartBuffered = 104;
const DWORD kBufferStep = 2, kBufferAfterSeek = 12, kBufferAfterWrap = 24;

// The plain slider bar with corners; its window's size comes from Create.
CBitmapSliderBar* NewBar(char* skin, bool vertical) {
    if (vertical)
        return new CBitmapSliderBar(skin, SKIN_SLIDER_V_MIDDLE, SKIN_SLIDER_V_MIDDLE_DISABLED,
                                    SKIN_SLIDER_V_START_REGION, SKIN_SLIDER_V_START, SKIN_SLIDER_V_START_DISABLED,
                                    SKIN_SLIDER_V_END_REGION, SKIN_SLIDER_V_END, SKIN_SLIDER_V_END_DISABLED,
                                    SKIN_COLOR_KEY, 0);
    return new CBitmapSliderBar(skin, SKIN_SLIDER_H_MIDDLE, SKIN_SLIDER_H_MIDDLE_DISABLED,
                                SKIN_SLIDER_H_START_REGION, SKIN_SLIDER_H_START, SKIN_SLIDER_H_START_DISABLED,
                                SKIN_SLIDER_H_END_REGION, SKIN_SLIDER_H_END, SKIN_SLIDER_H_END_DISABLED,
                                SKIN_COLOR_KEY, 1);
}

CBitmapProgressiveSliderBar* NewSeekBar(char* skin) {
    return new CBitmapProgressiveSliderBar(
        skin, SKIN_SLIDER_H_MIDDLE, SKIN_SLIDER_H_MIDDLE_DISABLED, SKIN_SLIDER_H_MIDDLE_PROGRESS,
        SKIN_SLIDER_H_START_REGION, SKIN_SLIDER_H_START, SKIN_SLIDER_H_START_DISABLED, SKIN_SLIDER_H_START_PROGRESS,
        SKIN_SLIDER_H_END_REGION, SKIN_SLIDER_H_END, SKIN_SLIDER_H_END_DISABLED, SKIN_SLIDER_H_END_PROGRESS,
        SKIN_COLOR_KEY, 1);
}

std::string Clock(DWORD seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u", unsigned(seconds / 60), unsigned(seconds % 60));
    return text;
}

std::string OutOf(DWORD position, DWORD length) {
    char text[32];
    std::snprintf(text, sizeof text, "%u / %u", unsigned(position), unsigned(length));
    return text;
}

class SlidersPage : public Page {
public:
    SlidersPage(const std::string& skin, HINSTANCE instance)
        : Page(skin, instance), m_slider(NULL), m_sliderThumb(NULL), m_seek(NULL), m_seekThumb(NULL),
          m_vertical(NULL), m_verticalThumb(NULL), m_volume(NULL), m_played(kStartPlayed),
          m_buffered(kStartBuffered) {
        for (int i = 0; i < 4; ++i) m_values[i] = NULL;
    }

    bool OnCommand(int id, LPARAM value, std::string* description);
    void OnSecond();
    void Start();

protected:
    bool BuildContent(HWND plate);

private:
    enum { kValueSlider, kValueSeek, kValueVertical, kValueVolume };

    void BuildLabels(HWND plate);
    bool MakeBar(CBitmapSliderBar* bar, HWND plate, int id, int x, int y, bool vertical, int length);
    CBitmapSlider* MakeThumb(CBitmapSliderBar* bar, int id);
    CBitmapWindow* ValueStrip(HWND plate, int id, int x, int y, UINT format, bool narrow);
    void ShowValue(int which, const std::string& text);
    void ShowPlayback();
    std::string Seek(DWORD position);

    CBitmapSliderBar* m_slider;
    CBitmapSlider* m_sliderThumb;
    CBitmapProgressiveSliderBar* m_seek;
    CBitmapSlider* m_seekThumb;
    CBitmapSliderBar* m_vertical;
    CBitmapSlider* m_verticalThumb;
    CBitmapVolume* m_volume;
    CBitmapWindow* m_values[4];
    DWORD m_played;     // seconds
    DWORD m_buffered;   // seconds
};

// Moves the thumb of a plain slider bar to where `position` stands on it:
// the bar reports positions but leaves placing the thumb to its host.
void PlaceThumb(CBitmapSliderBar* bar, CBitmapSlider* thumb, DWORD position, DWORD length, bool vertical) {
    RECT r;
    if (!GetClientRect(bar->GetWindowHandle(), &r)) return;
    int travel = (vertical ? r.bottom - SKIN_THUMB_H : r.right - SKIN_THUMB_W);
    int along = MulDiv(travel, int(position), int(length));
    SetWindowPos(thumb->GetWindowHandle(), NULL, vertical ? 0 : along, vertical ? along : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SlidersPage::BuildContent(HWND plate) {
    BuildLabels(plate);
    const int rowY[3] = {kRowLabelY[0] + kRowGap, kRowLabelY[1] + kRowGap, kRowLabelY[2] + kRowGap};

    m_slider = NewBar(Skin(), false);
    if (!MakeBar(m_slider, plate, kIdSlider, kMargin, rowY[0], false, kBarLength)) return false;
    m_sliderThumb = MakeThumb(m_slider, kIdSliderThumb);

    m_seek = NewSeekBar(Skin());
    if (!MakeBar(m_seek, plate, kIdSeek, kMargin, rowY[1], false, kBarLength)) return false;
    m_seek->SetSlideLength(kClipSeconds);
    m_seekThumb = MakeThumb(m_seek, kIdSeekThumb);

    CBitmapSliderBar* disabled = NewBar(Skin(), false);
    if (!MakeBar(disabled, plate, kIdDisabled, kMargin, rowY[2], false, kBarLength)) return false;
    CBitmapSlider* disabledThumb = MakeThumb(disabled, kIdDisabledThumb);

    m_vertical = NewBar(Skin(), true);
    if (!MakeBar(m_vertical, plate, kIdVertical, kVerticalX, kVerticalY, true, kVerticalLength)) return false;
    m_verticalThumb = MakeThumb(m_vertical, kIdVerticalThumb);

    // The volume wedge stands on the vertical slider's base line.
    m_volume = new CBitmapVolume(Skin(), SKIN_VOLUME_REGION, SKIN_VOLUME_LIT, SKIN_VOLUME_EMPTY);
    if (!Place(m_volume, plate, kIdVolume, kVolumeX, kVerticalY + kVerticalLength - SKIN_VOLUME_H)) return false;
    if (!m_sliderThumb || !m_seekThumb || !disabledThumb || !m_verticalThumb) return false;

    // The values: right-aligned above the end of each horizontal bar, under
    // the vertical slider and the volume.
    const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    const int valueX = kMargin + kBarLength - SKIN_VALUE_W;
    m_values[kValueSlider] = ValueStrip(plate, kIdValues, valueX, kRowLabelY[0], right, false);
    m_values[kValueSeek] = ValueStrip(plate, kIdValues + 1, valueX, kRowLabelY[1], right, false);
    m_values[kValueVertical] = ValueStrip(plate, kIdValues + 2, kVerticalX, kColumnValueY, kLeftLine, true);
    m_values[kValueVolume] = ValueStrip(plate, kIdValues + 3, kVolumeX, kColumnValueY, kLeftLine, true);
    for (int i = 0; i < 4; ++i)
        if (!m_values[i]) return false;

    PlaceThumb(m_slider, m_sliderThumb, kStartSlider, kSlideLength, false);
    PlaceThumb(m_vertical, m_verticalThumb, kStartVertical, kSlideLength, true);
    PlaceThumb(disabled, disabledThumb, kStartDisabled, kSlideLength, false);
    // A disabled slider shows its disabled frames and takes no input.
    disabled->Enable(0);
    disabledThumb->Enable(0);
    EnableWindow(disabled->GetWindowHandle(), FALSE);
    m_volume->SetVolumeInit(0, 100);
    m_volume->SetVolume(kStartVolume);

    ShowValue(kValueSlider, OutOf(kStartSlider, kSlideLength));
    ShowValue(kValueVertical, OutOf(kStartVertical, kSlideLength));
    char volume[16];
    std::snprintf(volume, sizeof volume, "%d %%", kStartVolume);
    ShowValue(kValueVolume, volume);
    ShowPlayback();
    return true;
}

void SlidersPage::BuildLabels(HWND plate) {
    const char* rows[3] = {"SLIDER", "SEEK BAR", "DISABLED"};
    for (int i = 0; i < 3; ++i) SectionLabel(plate, rows[i], kIdLabels + i, kMargin, kRowLabelY[i]);
    // The narrow columns take the short heading.
    const char* columns[2] = {"VERTICAL", "VOLUME"};
    const int columnX[2] = {kVerticalX, kVolumeX};
    LOGFONTA font = Font(11, FW_BOLD);
    for (int i = 0; i < 2; ++i) {
        CBitmapWindow* label =
            new CBitmapWindow(Skin(), SKIN_SECTION_LABEL_SHORT, SKIN_SECTION_LABEL_SHORT, SKIN_SECTION_LABEL_SHORT,
                              font, Chars(Indent(font, columns[i], 11)), SKIN_COLOR_TEXT_MUTED, kLeftLine);
        Place(label, plate, kIdLabels + 3 + i, columnX[i], kRowLabelY[0]);
    }
}

// A bar is as thick as its thumb and as long as `length`.
bool SlidersPage::MakeBar(CBitmapSliderBar* bar, HWND plate, int id, int x, int y, bool vertical, int length) {
    Keep(bar);
    int width = vertical ? SKIN_SLIDER_THICKNESS : length, height = vertical ? length : SKIN_SLIDER_THICKNESS;
    return bar->Create("", WS_CHILD, x, y, width, height, Instance(), plate, id, SKIN_COLOR_KEY, NULL, NULL, NULL,
                       SW_SHOW) != 0;
}

// The thumb: the bar's first (and only) child window, at the bar's start.
CBitmapSlider* SlidersPage::MakeThumb(CBitmapSliderBar* bar, int id) {
    CBitmapSlider* thumb = Keep(new CBitmapSlider(Skin(), SKIN_THUMB_REGION, SKIN_THUMB_NORMAL, SKIN_THUMB_DISABLED,
                                                  SKIN_THUMB_OVER, SKIN_THUMB_PUSHED));
    return thumb->Create("", WS_CHILD, 0, 0, -1, -1, Instance(), bar->GetWindowHandle(), id, SKIN_COLOR_KEY, NULL,
                         NULL, NULL, SW_SHOW)
               ? thumb
               : NULL;
}

// A value written by the page; the narrow strip fits a column.
CBitmapWindow* SlidersPage::ValueStrip(HWND plate, int id, int x, int y, UINT format, bool narrow) {
    int image = narrow ? SKIN_VALUE_SHORT : SKIN_VALUE;
    CBitmapWindow* strip =
        new CBitmapWindow(Skin(), image, image, image, Font(12, FW_BOLD), (char*)"", SKIN_COLOR_TEXT, format);
    return Place(strip, plate, id, x, y) ? strip : NULL;
}

void SlidersPage::ShowValue(int which, const std::string& text) {
    if (m_values[which]) m_values[which]->SetBitmapName(Chars(text));
}

// The thumb stands at the played time, the progress at the buffered one.
void SlidersPage::ShowPlayback() {
    m_seek->SetPrgPosition(m_buffered);
    m_seek->SetPosition(m_played);
    ShowValue(kValueSeek, Clock(m_played) + " / " + Clock(kClipSeconds));
}

// Plays on a second and buffers ahead; at the end of the clip both start
// again. Playback holds while the seek thumb is held.
void SlidersPage::OnSecond() {
    if (!m_seek || (m_seekThumb && GetCapture() == m_seekThumb->GetWindowHandle())) return;
    if (m_played >= kClipSeconds) {
        m_played = 0;
        m_buffered = kBufferAfterWrap;
    } else {
        ++m_played;
        m_buffered = m_buffered + kBufferStep > kClipSeconds ? kClipSeconds : m_buffered + kBufferStep;
    }
    ShowPlayback();
}

// Drags the horizontal slider's thumb a little way right, as a user would:
// the bar reports the new position and the page moves the thumb there.
void SlidersPage::Start() {
    HWND thumb = m_sliderThumb->GetWindowHandle();
    const LPARAM centre = MAKELPARAM(SKIN_THUMB_W / 2, SKIN_THUMB_H / 2);
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(SKIN_THUMB_W / 2 + 54, SKIN_THUMB_H / 2));
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(SKIN_THUMB_W / 2 + 54, SKIN_THUMB_H / 2));
    // The pointer never was over the thumb, so it goes back to its normal look.
    SendMessageA(thumb, WM_MOUSELEAVE, 0, 0);
}

// A seek: the thumb goes where it was dragged, and the buffer starts over
// from there when the new place lies beyond it.
std::string SlidersPage::Seek(DWORD position) {
    m_played = position > kClipSeconds ? kClipSeconds : position;
    if (m_buffered < m_played + kBufferAfterSeek)
        m_buffered = m_played + kBufferAfterSeek > kClipSeconds ? kClipSeconds : m_played + kBufferAfterSeek;
    ShowPlayback();
    return "seek bar  (seek to " + Clock(m_played) + ")";
}

bool SlidersPage::OnCommand(int id, LPARAM value, std::string* description) {
    // A bar's report carries its position; the volume's carries its value.
    DWORD position = value < 0 ? 0 : DWORD(value);
    char text[60];
    switch (id) {
    case kIdSlider:
    case kIdVertical: {
        bool vertical = id == kIdVertical;
        if (position > kSlideLength) position = kSlideLength;
        PlaceThumb(vertical ? m_vertical : m_slider, vertical ? m_verticalThumb : m_sliderThumb, position,
                   kSlideLength, vertical);
        ShowValue(vertical ? kValueVertical : kValueSlider, OutOf(position, kSlideLength));
        std::snprintf(text, sizeof text, "%s  (position %u)", vertical ? "vertical slider" : "slider",
                      unsigned(position));
        *description = text;
        return true;
    }
    case kIdSeek: *description = Seek(position); return true;
    case kIdVolume:
        std::snprintf(text, sizeof text, "%u %%", unsigned(position));
        ShowValue(kValueVolume, text);
        std::snprintf(text, sizeof text, "volume %u", unsigned(position));
        *description = text;
        return true;
    case kIdDisabled: *description = "disabled slider"; return true;
    default: return false;
    }
}

}  // namespace

Page* NewSlidersPage(const std::string& skin, HINSTANCE instance) { return new SlidersPage(skin, instance); }

}  // namespace gallery
