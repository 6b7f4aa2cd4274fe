// CTimeView: hh:mm:ss from digit pictures with a mode mark in front. The view
// is the background window; its nine parts are member windows that the host
// creates (through the accessors) and loads with items.
#include "Parts.h"

// Mark items.
enum { kMarkAfternoon = 0, kMarkMorning = 1, kMarkPlayback = 2, kMarkExpiry = 3, kMarkRecording = 4 };

static const DWORD kSecondsPerDay = 86400;

CTimeView::CTimeView() : CBitmapWindow() {}

CTimeView::CTimeView(char* bitmapFile, int bgRegion, int bgNormal, int bgDisable, int markRegion, int markNormal,
                     int markDisable, int hourRegion, int hourNormal, int hourDisable, int separatorRegion,
                     int separatorNormal, int separatorDisable, int minuteRegion, int minuteNormal,
                     int minuteDisable, int secondRegion, int secondNormal, int secondDisable)
    : CBitmapWindow(bitmapFile, bgRegion, bgNormal, bgDisable, ZeroFont(), (char*)"", 0, 0),
      m_Mark(bitmapFile, markRegion, markNormal, markDisable, ZeroFont()),
      m_HourTens(bitmapFile, hourRegion, hourNormal, hourDisable, ZeroFont()),
      m_HourUnits(bitmapFile, hourRegion, hourNormal, hourDisable, ZeroFont()),
      m_Separator1(bitmapFile, separatorRegion, separatorNormal, separatorDisable, ZeroFont(), (char*)"", 0, 0),
      m_Separator2(bitmapFile, separatorRegion, separatorNormal, separatorDisable, ZeroFont(), (char*)"", 0, 0),
      m_MinuteUnits(bitmapFile, minuteRegion, minuteNormal, minuteDisable, ZeroFont()),
      m_MinuteTens(bitmapFile, minuteRegion, minuteNormal, minuteDisable, ZeroFont()),
      m_SecondUnits(bitmapFile, secondRegion, secondNormal, secondDisable, ZeroFont()),
      m_SecondTens(bitmapFile, secondRegion, secondNormal, secondDisable, ZeroFont()) {}

CTimeView::CTimeView(char* className, char* bitmapFile, int bgRegion, int bgNormal, int bgDisable, int markRegion,
                     int markNormal, int markDisable, int hourRegion, int hourNormal, int hourDisable,
                     int separatorRegion, int separatorNormal, int separatorDisable, int minuteRegion,
                     int minuteNormal, int minuteDisable, int secondRegion, int secondNormal, int secondDisable)
    : CBitmapWindow(className, bitmapFile, bgRegion, bgNormal, bgDisable, ZeroFont(), (char*)"", 0, 0),
      m_Mark(className, bitmapFile, markRegion, markNormal, markDisable, ZeroFont()),
      m_HourTens(className, bitmapFile, hourRegion, hourNormal, hourDisable, ZeroFont()),
      m_HourUnits(className, bitmapFile, hourRegion, hourNormal, hourDisable, ZeroFont()),
      m_Separator1(className, bitmapFile, separatorRegion, separatorNormal, separatorDisable, ZeroFont(),
                   (char*)"", 0, 0),
      m_Separator2(className, bitmapFile, separatorRegion, separatorNormal, separatorDisable, ZeroFont(),
                   (char*)"", 0, 0),
      m_MinuteUnits(className, bitmapFile, minuteRegion, minuteNormal, minuteDisable, ZeroFont()),
      m_MinuteTens(className, bitmapFile, minuteRegion, minuteNormal, minuteDisable, ZeroFont()),
      m_SecondUnits(className, bitmapFile, secondRegion, secondNormal, secondDisable, ZeroFont()),
      m_SecondTens(className, bitmapFile, secondRegion, secondNormal, secondDisable, ZeroFont()) {}

// Every part copies deeply (its own text and item list, no window).
CTimeView::CTimeView(const CTimeView& other)
    : CBitmapWindow(other), m_Mark(other.m_Mark), m_HourTens(other.m_HourTens), m_HourUnits(other.m_HourUnits),
      m_Separator1(other.m_Separator1), m_Separator2(other.m_Separator2), m_MinuteUnits(other.m_MinuteUnits),
      m_MinuteTens(other.m_MinuteTens), m_SecondUnits(other.m_SecondUnits), m_SecondTens(other.m_SecondTens) {}

CTimeView& CTimeView::operator=(const CTimeView& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        m_Mark = other.m_Mark;
        m_HourTens = other.m_HourTens;
        m_HourUnits = other.m_HourUnits;
        m_Separator1 = other.m_Separator1;
        m_Separator2 = other.m_Separator2;
        m_MinuteUnits = other.m_MinuteUnits;
        m_MinuteTens = other.m_MinuteTens;
        m_SecondUnits = other.m_SecondUnits;
        m_SecondTens = other.m_SecondTens;
    }
    return *this;
}

CTimeView::~CTimeView() {}

// Tens digits show the digit's item, units digits the digit plus one.
void CTimeView::ShowDigits(DWORD hours, DWORD minutes, DWORD seconds) {
    ShowItem(m_HourTens, (int)(hours / 10));
    ShowItem(m_HourUnits, (int)(hours % 10) + 1);
    ShowItem(m_MinuteTens, (int)(minutes / 10));
    ShowItem(m_MinuteUnits, (int)(minutes % 10) + 1);
    ShowItem(m_SecondTens, (int)(seconds / 10));
    ShowItem(m_SecondUnits, (int)(seconds % 10) + 1);
}

void CTimeView::SetTime(DWORD seconds) {
    DWORD s = seconds % kSecondsPerDay;
    DWORD hours = s / 3600;
    // A 12-hour clock only when there is a mark to tell morning from afternoon.
    if (m_Mark.GetWindowHandle()) {
        ShowItem(m_Mark, hours < 12 ? kMarkMorning : kMarkAfternoon);
        hours %= 12;
        if (hours == 0) hours = 12;
    }
    ShowDigits(hours, s % 3600 / 60, s % 60);
}

void CTimeView::ShowDuration(int mark, DWORD seconds) {
    ShowItem(m_Mark, mark);
    DWORD s = seconds % kSecondsPerDay;
    ShowDigits(s / 3600, s % 3600 / 60, s % 60);
}

void CTimeView::SetPlaybackTime(DWORD seconds) { ShowDuration(kMarkPlayback, seconds); }
void CTimeView::SetExpireTime(DWORD seconds) { ShowDuration(kMarkExpiry, seconds); }
void CTimeView::SetRecTime(DWORD seconds) { ShowDuration(kMarkRecording, seconds); }

void CTimeView::SetEnable(int enable) {
    CBitmapWindow* parts[9] = {&m_Mark,       &m_HourTens,   &m_HourUnits,   &m_MinuteTens, &m_MinuteUnits,
                               &m_SecondTens, &m_SecondUnits, &m_Separator1, &m_Separator2};
    for (int i = 0; i < 9; ++i) parts[i]->Enable(enable);
}

CMultiBitmapWindow* CTimeView::GetMark() { return &m_Mark; }
CMultiBitmapWindow* CTimeView::GetHourTens() { return &m_HourTens; }
CMultiBitmapWindow* CTimeView::GetHourUnits() { return &m_HourUnits; }
CBitmapWindow* CTimeView::GetSeparator1() { return &m_Separator1; }
CBitmapWindow* CTimeView::GetSeparator2() { return &m_Separator2; }
CMultiBitmapWindow* CTimeView::GetMinuteUnits() { return &m_MinuteUnits; }
CMultiBitmapWindow* CTimeView::GetMinuteTens() { return &m_MinuteTens; }
CMultiBitmapWindow* CTimeView::GetSecondUnits() { return &m_SecondUnits; }
CMultiBitmapWindow* CTimeView::GetSecondTens() { return &m_SecondTens; }
