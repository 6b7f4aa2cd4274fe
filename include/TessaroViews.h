/* Tessaro indicator views: a tab switcher, a three-digit channel display, a
 * time display (hh:mm:ss with a mode mark) and a signal-strength display.
 *
 * A view drives part windows: multi-bitmap windows and buttons (Part of
 * TessaroControls.h) whose items are digit, mark and sign images. A view
 * never creates native windows: the host creates the view's own window and
 * each part's window, and loads the parts' items. The parts that a view
 * holds are reached through its accessors, named after them:
 *
 *   CTimeView clock(skin, 1, 2, 3,  4, 5, 6,  7, 8, 9,  10, 11, 12,  13, 14, 15,  16, 17, 18);
 *   clock.Create("", WS_CHILD, x, y, -1, -1, hInstance, parent, ID_CLOCK, key,
 *                NULL, NULL, NULL, SW_SHOW);
 *   HWND face = clock.GetWindowHandle();
 *   clock.GetHourTens()->Create("", WS_CHILD, 20, 4, -1, -1, hInstance, face, 1, key,
 *                               NULL, NULL, NULL, SW_SHOW);
 *   ...load the digit items with SetBitmap, then:
 *   clock.SetTime(seconds since midnight);
 *
 * A part without a window keeps what it is told and shows it once its
 * window is created. */
#ifndef TESSARO_VIEWS_H
#define TESSARO_VIEWS_H

#include "TessaroControls.h"

/* Switches a target multi-bitmap window between three looks (items baseID,
 * baseID + 1, baseID + 2) and its disabled look. */
class TESSARO_API CTab : public CMultiBitmapWindow {
public:
    CTab();
    CTab(CMultiBitmapWindow* target);
    CTab(const CTab& other);
    CTab& operator=(const CTab& other);
    virtual ~CTab();

    /* state 1, 2, 3: shows item baseID, baseID + 1, baseID + 2 of the target
     * and enables it; any other state disables the target. Without a target
     * nothing happens. */
    void SetTab(int baseID, DWORD state);

    /* The window the tab drives (not owned); null when there is none. */
    CMultiBitmapWindow* GetTarget() const;

protected:
    CMultiBitmapWindow* m_pTarget;
};

/* A channel number shown on three digit windows of the host's (items 0 to 9
 * under IDs 0 to 9), plus windows the view makes and owns: a character
 * window and one window per decimal position. */
class TESSARO_API CChannelView : public CBitmapWindow {
public:
    CChannelView();
    CChannelView(char* bitmapFile, int regionID, int normalID, int disableID);
    CChannelView(char* className, char* bitmapFile, int regionID, int normalID, int disableID);
    CChannelView(CMultiBitmapWindow* hundreds, CMultiBitmapWindow* tens, CMultiBitmapWindow* units,
                 CMultiBitmapWindow* fourth);
    /* A copy owns copies of the owned windows (without native windows) and
     * shares the host's digit windows. */
    CChannelView(const CChannelView& other);
    CChannelView& operator=(const CChannelView& other);
    virtual ~CChannelView();

    /* hundreds = channel / 100, tens = channel % 100 / 10, units = channel % 10;
     * a digit window without that item keeps what it shows. Missing digit
     * windows are skipped. */
    void SetChannel(DWORD channel);
    /* Enable(enable) on the hundreds, tens and units windows that exist. */
    virtual void SetEnable(int enable);

    /* Owned windows. Every call that takes an error slot clears it first
     * and writes a code on failure (0 returned). */
    int SetCharacter(int regionID, int normalID, int disableID, __int64* error);
    int SetCharacterID(int regionID, int normalID, int disableID, int itemID, __int64* error);
    /* position >= 0; a negative or too large position is refused. */
    int SetDecimalPosition(int position, int regionID, int normalID, int disableID, __int64* error);
    int SetDecimal(int position, int regionID, int normalID, int disableID, int itemID, __int64* error);

    /* The host's windows given to the constructor (null when none). */
    CMultiBitmapWindow* GetHundreds() const;
    CMultiBitmapWindow* GetTens() const;
    CMultiBitmapWindow* GetUnits() const;
    CMultiBitmapWindow* GetFourth() const;
    /* The owned windows, for the host to create and place: null where none
     * was made yet. Deleted (with their native windows) by the view. */
    CMultiBitmapWindow* GetCharacterWindow() const;
    CMultiBitmapWindow* GetDecimalWindow(int position) const;

protected:
    CMultiBitmapWindow** m_ppOwnedWindows;
    CMultiBitmapWindow* m_pHundreds;
    CMultiBitmapWindow* m_pTens;
    CMultiBitmapWindow* m_pUnits;
    CMultiBitmapWindow* m_pFourth;
    int m_nOwnedCount;

private:
    int MakeBitmapList(int slots, __int64* error);
    int ReplaceOwnedWindow(int slot, int regionID, int normalID, int disableID);
    void DeleteOwnedWindows();
    void CopyOwnedWindowsFrom(const CChannelView& other);
};

/* hh:mm:ss from digit pictures with a mode mark in front. Mark items: 0
 * afternoon, 1 morning, 2 playback, 3 expiry, 4 recording. Tens digits use
 * the digit as item ID, units digits the digit plus one. */
class TESSARO_API CTimeView : public CBitmapWindow {
public:
    CTimeView();
    /* Eighteen frame numbers in six groups of (region, normal, disabled):
     * background, mark, hours, separators, minutes, seconds. */
    CTimeView(char* bitmapFile, int bgRegion, int bgNormal, int bgDisable, int markRegion, int markNormal,
              int markDisable, int hourRegion, int hourNormal, int hourDisable, int separatorRegion,
              int separatorNormal, int separatorDisable, int minuteRegion, int minuteNormal, int minuteDisable,
              int secondRegion, int secondNormal, int secondDisable);
    CTimeView(char* className, char* bitmapFile, int bgRegion, int bgNormal, int bgDisable, int markRegion,
              int markNormal, int markDisable, int hourRegion, int hourNormal, int hourDisable,
              int separatorRegion, int separatorNormal, int separatorDisable, int minuteRegion, int minuteNormal,
              int minuteDisable, int secondRegion, int secondNormal, int secondDisable);
    /* A copy owns copies of the nine parts, without native windows. */
    CTimeView(const CTimeView& other);
    CTimeView& operator=(const CTimeView& other);
    virtual ~CTimeView();

    /* Time of day; with a mark window, 12-hour with mark 1 (morning) or 0. */
    void SetTime(DWORD seconds);
    /* Durations (wrapping at 24 hours) with mark 2, 3 and 4. */
    void SetPlaybackTime(DWORD seconds);
    void SetExpireTime(DWORD seconds);
    void SetRecTime(DWORD seconds);
    /* Enable(enable) on the nine parts; the background is left alone. */
    virtual void SetEnable(int enable);

    /* The parts, for the host to create their windows and load their items. */
    CMultiBitmapWindow* GetMark();
    CMultiBitmapWindow* GetHourTens();
    CMultiBitmapWindow* GetHourUnits();
    CBitmapWindow* GetSeparator1();
    CBitmapWindow* GetSeparator2();
    CMultiBitmapWindow* GetMinuteUnits();
    CMultiBitmapWindow* GetMinuteTens();
    CMultiBitmapWindow* GetSecondUnits();
    CMultiBitmapWindow* GetSecondTens();

protected:
    CMultiBitmapWindow m_Mark;
    CMultiBitmapWindow m_HourTens;
    CMultiBitmapWindow m_HourUnits;
    CBitmapWindow m_Separator1;
    CBitmapWindow m_Separator2;
    CMultiBitmapWindow m_MinuteUnits;
    CMultiBitmapWindow m_MinuteTens;
    CMultiBitmapWindow m_SecondUnits;
    CMultiBitmapWindow m_SecondTens;

private:
    void ShowDuration(int mark, DWORD seconds);
    void ShowDigits(DWORD hours, DWORD minutes, DWORD seconds);
};

/* Signal strength: an antenna with six levels (items 0 to 5) and a number of
 * up to three digits with a unit sign (item 3 decibels, 4 percent). The
 * digit parts are asked for: hundreds item 0 (normal or dimmed), tens digit
 * d item d + 1, units digit d item d + 2. */
class TESSARO_API CSensView : public CMultiBitmapButton {
public:
    /* antenna: only its region, normal and disabled frames are used. */
    CSensView(char* bitmapFile, BITMAPLISTID face, BITMAPLISTID antenna, BITMAPLISTID hundreds,
              BITMAPLISTID tens, BITMAPLISTID units, BITMAPLISTID unitSign);
    CSensView(char* className, char* bitmapFile, BITMAPLISTID face, BITMAPLISTID antenna,
              BITMAPLISTID hundreds, BITMAPLISTID tens, BITMAPLISTID units, BITMAPLISTID unitSign);
    /* A copy owns copies of the five parts, without native windows. */
    CSensView(const CSensView& other);
    CSensView& operator=(const CSensView& other);
    virtual ~CSensView();

    /* 0 to 5 show that level; larger levels dim the antenna. */
    void SetSensAntenna(DWORD level);
    /* The number only; the sign is left as it is. */
    void SetSensDisplay(DWORD value);
    void SetSensDB(DWORD value);
    void SetSensPercent(DWORD value);
    /* Shows the zero items, dimmed when enable is 0, and the sign of the
     * last mode (decibels until SetSensPercent). */
    virtual void SetEnable(int enable);

    /* The parts, for the host to create their windows and load their items. */
    CMultiBitmapWindow* GetAntenna();
    CMultiBitmapButton* GetHundreds();
    CMultiBitmapButton* GetTens();
    CMultiBitmapButton* GetUnits();
    CMultiBitmapButton* GetUnitSign();

protected:
    CMultiBitmapWindow m_Antenna;
    CMultiBitmapButton m_Hundreds;
    CMultiBitmapButton m_Tens;
    CMultiBitmapButton m_Units;
    CMultiBitmapButton m_UnitSign;
    int m_nMode;
};

#endif
