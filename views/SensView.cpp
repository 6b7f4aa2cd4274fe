// CSensView: signal strength as an antenna with six levels and a number of up
// to three digits with a unit sign. The view is a multi-bitmap button (its
// own face); its five parts are member windows that the host creates
// (through the accessors) and loads with items.
#include "Parts.h"

// Items the parts are asked for.
enum { kHundredsItem = 0, kTensZeroItem = 1, kUnitsZeroItem = 2, kDecibelItem = 3, kPercentItem = 4 };
enum { kLevels = 6 };
// Button-part states: the item's normal or disabled (dimmed) frame.
enum { kLit = 0, kDimmed = 1 };
enum { kModeDecibels = 0, kModePercent = 1 };

CSensView::CSensView(char* bitmapFile, BITMAPLISTID face, BITMAPLISTID antenna, BITMAPLISTID hundreds,
                     BITMAPLISTID tens, BITMAPLISTID units, BITMAPLISTID unitSign)
    : CMultiBitmapButton(bitmapFile, face, ZeroFont()),
      m_Antenna(bitmapFile, antenna.nRegionID, antenna.nNormalID, antenna.nDisableID, ZeroFont()),
      m_Hundreds(bitmapFile, hundreds, ZeroFont()), m_Tens(bitmapFile, tens, ZeroFont()),
      m_Units(bitmapFile, units, ZeroFont()), m_UnitSign(bitmapFile, unitSign, ZeroFont()),
      m_nMode(kModeDecibels) {}

CSensView::CSensView(char* className, char* bitmapFile, BITMAPLISTID face, BITMAPLISTID antenna,
                     BITMAPLISTID hundreds, BITMAPLISTID tens, BITMAPLISTID units, BITMAPLISTID unitSign)
    : CMultiBitmapButton(className, bitmapFile, face, ZeroFont()),
      m_Antenna(className, bitmapFile, antenna.nRegionID, antenna.nNormalID, antenna.nDisableID, ZeroFont()),
      m_Hundreds(className, bitmapFile, hundreds, ZeroFont()), m_Tens(className, bitmapFile, tens, ZeroFont()),
      m_Units(className, bitmapFile, units, ZeroFont()), m_UnitSign(className, bitmapFile, unitSign, ZeroFont()),
      m_nMode(kModeDecibels) {}

// Every part copies deeply (its own text and item list, no window).
CSensView::CSensView(const CSensView& other)
    : CMultiBitmapButton(other), m_Antenna(other.m_Antenna), m_Hundreds(other.m_Hundreds), m_Tens(other.m_Tens),
      m_Units(other.m_Units), m_UnitSign(other.m_UnitSign), m_nMode(other.m_nMode) {}

CSensView& CSensView::operator=(const CSensView& other) {
    if (this != &other) {
        CMultiBitmapButton::operator=(other);
        m_Antenna = other.m_Antenna;
        m_Hundreds = other.m_Hundreds;
        m_Tens = other.m_Tens;
        m_Units = other.m_Units;
        m_UnitSign = other.m_UnitSign;
        m_nMode = other.m_nMode;
    }
    return *this;
}

CSensView::~CSensView() {}

void CSensView::SetSensAntenna(DWORD level) {
    if (level >= kLevels) {
        // Out of range: the level shown so far, dimmed.
        m_Antenna.Enable(0);
        return;
    }
    ShowItem(m_Antenna, (int)level);
    m_Antenna.Enable(1);
}

// Only zero and non-zero hundreds are told apart; a leading zero in the
// tens is dimmed, the units are always lit.
void CSensView::SetSensDisplay(DWORD value) {
    bool hasHundreds = value / 100 != 0;
    DWORD tens = value % 100 / 10;
    ShowItem(m_Hundreds, kHundredsItem, hasHundreds ? kLit : kDimmed);
    if (tens || hasHundreds) ShowItem(m_Tens, kTensZeroItem + (int)tens, kLit);
    else ShowItem(m_Tens, kTensZeroItem, kDimmed);
    ShowItem(m_Units, kUnitsZeroItem + (int)(value % 10), kLit);
}

void CSensView::SetSensDB(DWORD value) {
    m_nMode = kModeDecibels;
    SetSensDisplay(value);
    ShowItem(m_UnitSign, kDecibelItem, kLit);
}

void CSensView::SetSensPercent(DWORD value) {
    m_nMode = kModePercent;
    SetSensDisplay(value);
    ShowItem(m_UnitSign, kPercentItem, kLit);
}

void CSensView::SetEnable(int enable) {
    int state = enable == 0 ? kDimmed : kLit;
    ShowItem(m_Hundreds, kHundredsItem, state);
    ShowItem(m_Tens, kTensZeroItem, state);
    ShowItem(m_Units, kUnitsZeroItem, state);
    ShowItem(m_UnitSign, m_nMode != kModeDecibels ? kPercentItem : kDecibelItem, state);
}

CMultiBitmapWindow* CSensView::GetAntenna() { return &m_Antenna; }
CMultiBitmapButton* CSensView::GetHundreds() { return &m_Hundreds; }
CMultiBitmapButton* CSensView::GetTens() { return &m_Tens; }
CMultiBitmapButton* CSensView::GetUnits() { return &m_Units; }
CMultiBitmapButton* CSensView::GetUnitSign() { return &m_UnitSign; }
