// CChannelView: a three-digit channel number on the host's digit windows,
// plus a character window and decimal-position windows that the view makes
// and owns (the host creates their native windows through the accessors).
#include "Parts.h"
#include "ItemArray.h"
#include "Owned.h"

// The component half of this class's error codes.
static const DWORD kComponent = 0x00080003;
static const DWORD kNoMemoryForList = 0x00010004;
static const DWORD kDigitWindowNotMade = 0x00020004;
static const DWORD kCharacterWindowNotMade = 0x00030004;
static const DWORD kCharacterNoList = 0x00040009;
static const DWORD kNoCharacterWindow = 0x00050009;
static const DWORD kDecimalNoList = 0x00050009;
static const DWORD kNoDecimalWindow = 0x00060009;

// The largest owned array: its byte size stays below 2 GB.
static const unsigned long long kMaxSlots = 0x7FFFFFFFull / sizeof(CMultiBitmapWindow*);

static void ReportError(__int64* error, DWORD code) { WriteErrorSlot(error, kComponent, code); }

// Every operation that takes an error slot starts from a clear one.
static void ClearError(__int64* error) {
    if (error) *error = 0;
}

// An owned window goes with its native window: nothing would draw it after.
static void DeleteOwnedWindow(CMultiBitmapWindow* window) {
    if (!window) return;
    HWND hwnd = window->GetWindowHandle();
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
    DeleteOwned(window);
}

CChannelView::CChannelView()
    : CBitmapWindow(), m_ppOwnedWindows(0), m_pHundreds(0), m_pTens(0), m_pUnits(0), m_pFourth(0),
      m_nOwnedCount(0) {}

CChannelView::CChannelView(char* bitmapFile, int regionID, int normalID, int disableID)
    : CBitmapWindow(bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 0), m_ppOwnedWindows(0),
      m_pHundreds(0), m_pTens(0), m_pUnits(0), m_pFourth(0), m_nOwnedCount(0) {}

CChannelView::CChannelView(char* className, char* bitmapFile, int regionID, int normalID, int disableID)
    : CBitmapWindow(className, bitmapFile, regionID, normalID, disableID, ZeroFont(), (char*)"", 0, 0),
      m_ppOwnedWindows(0), m_pHundreds(0), m_pTens(0), m_pUnits(0), m_pFourth(0), m_nOwnedCount(0) {}

CChannelView::CChannelView(CMultiBitmapWindow* hundreds, CMultiBitmapWindow* tens, CMultiBitmapWindow* units,
                           CMultiBitmapWindow* fourth)
    : CBitmapWindow(), m_ppOwnedWindows(0), m_pHundreds(hundreds), m_pTens(tens), m_pUnits(units),
      m_pFourth(fourth), m_nOwnedCount(0) {}

CChannelView::CChannelView(const CChannelView& other)
    : CBitmapWindow(other), m_ppOwnedWindows(0), m_pHundreds(other.m_pHundreds), m_pTens(other.m_pTens),
      m_pUnits(other.m_pUnits), m_pFourth(other.m_pFourth), m_nOwnedCount(0) {
    CopyOwnedWindowsFrom(other);
}

CChannelView& CChannelView::operator=(const CChannelView& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        m_pHundreds = other.m_pHundreds;
        m_pTens = other.m_pTens;
        m_pUnits = other.m_pUnits;
        m_pFourth = other.m_pFourth;
        DeleteOwnedWindows();
        CopyOwnedWindowsFrom(other);
    }
    return *this;
}

CChannelView::~CChannelView() { DeleteOwnedWindows(); }

void CChannelView::DeleteOwnedWindows() {
    for (int i = 0; i < m_nOwnedCount; ++i) DeleteOwnedWindow(m_ppOwnedWindows[i]);
    free(m_ppOwnedWindows);
    m_ppOwnedWindows = 0;
    m_nOwnedCount = 0;
}

// The copy owns copies of the owned windows (without native windows). When
// memory runs out, what could not be copied is missing, never shared.
void CChannelView::CopyOwnedWindowsFrom(const CChannelView& other) {
    if (!other.m_nOwnedCount || !MakeBitmapList(other.m_nOwnedCount, 0)) return;
    for (int i = 0; i < other.m_nOwnedCount; ++i)
        if (other.m_ppOwnedWindows[i]) m_ppOwnedWindows[i] = CopyOwned(*other.m_ppOwnedWindows[i]);
}

int CChannelView::MakeBitmapList(int slots, __int64* error) {
    if (slots <= m_nOwnedCount) return 0;
    void* windows = m_ppOwnedWindows;
    DWORD capacity = (DWORD)m_nOwnedCount;
    if (!ResizeItemArray(&windows, &capacity, sizeof(CMultiBitmapWindow*), (unsigned long long)slots)) {
        ReportError(error, kNoMemoryForList);
        return 0;
    }
    m_ppOwnedWindows = (CMultiBitmapWindow**)windows;
    m_nOwnedCount = slots;
    return 1;
}

// Replaces the window in `slot` by a new one cut from the view's skin file;
// 0 (slot left empty) when it cannot be made.
int CChannelView::ReplaceOwnedWindow(int slot, int regionID, int normalID, int disableID) {
    DeleteOwnedWindow(m_ppOwnedWindows[slot]);
    m_ppOwnedWindows[slot] =
        MakeOwned<CMultiBitmapWindow>(m_szBitmapFile, regionID, normalID, disableID, ZeroFont());
    return m_ppOwnedWindows[slot] != 0;
}

void CChannelView::SetChannel(DWORD channel) {
    CMultiBitmapWindow* digits[3] = {m_pHundreds, m_pTens, m_pUnits};
    const int values[3] = {(int)(channel / 100), (int)(channel % 100 / 10), (int)(channel % 10)};
    for (int i = 0; i < 3; ++i)
        if (digits[i]) ShowItem(*digits[i], values[i]);
}

void CChannelView::SetEnable(int enable) {
    CMultiBitmapWindow* digits[3] = {m_pHundreds, m_pTens, m_pUnits};
    for (int i = 0; i < 3; ++i)
        if (digits[i]) digits[i]->Enable(enable);
}

int CChannelView::SetCharacter(int regionID, int normalID, int disableID, __int64* error) {
    ClearError(error);
    if (!m_ppOwnedWindows && !MakeBitmapList(1, error)) return 0;
    if (!ReplaceOwnedWindow(0, regionID, normalID, disableID)) {
        ReportError(error, kCharacterWindowNotMade);
        return 0;
    }
    return 1;
}

int CChannelView::SetCharacterID(int regionID, int normalID, int disableID, int itemID, __int64* error) {
    ClearError(error);
    if (!m_ppOwnedWindows) {
        ReportError(error, kCharacterNoList);
        return 0;
    }
    if (!m_ppOwnedWindows[0]) {
        ReportError(error, kNoCharacterWindow);
        return 0;
    }
    BITMAPLISTID frames = {regionID, normalID, disableID, -1, -1};
    return m_ppOwnedWindows[0]->SetBitmap(frames, (char*)"", 0, itemID, error);
}

int CChannelView::SetDecimalPosition(int position, int regionID, int normalID, int disableID, __int64* error) {
    ClearError(error);
    // A negative position would index before the array, a huge one overflow its size.
    if (position < 0 || (unsigned long long)position + 2 > kMaxSlots) {
        ReportError(error, kDigitWindowNotMade);
        return 0;
    }
    int slot = position + 1;
    if (m_nOwnedCount <= slot && !MakeBitmapList(slot + 1, error)) return 0;
    if (!ReplaceOwnedWindow(slot, regionID, normalID, disableID)) {
        ReportError(error, kDigitWindowNotMade);
        return 0;
    }
    return 1;
}

int CChannelView::SetDecimal(int position, int regionID, int normalID, int disableID, int itemID,
                             __int64* error) {
    ClearError(error);
    if (!m_ppOwnedWindows) {
        ReportError(error, kDecimalNoList);
        return 0;
    }
    CMultiBitmapWindow* window = GetDecimalWindow(position);
    if (!window) {
        ReportError(error, kNoDecimalWindow);
        return 0;
    }
    BITMAPLISTID frames = {regionID, normalID, disableID, -1, -1};
    return window->SetBitmap(frames, (char*)"", 0, itemID, error);
}

CMultiBitmapWindow* CChannelView::GetHundreds() const { return m_pHundreds; }
CMultiBitmapWindow* CChannelView::GetTens() const { return m_pTens; }
CMultiBitmapWindow* CChannelView::GetUnits() const { return m_pUnits; }
CMultiBitmapWindow* CChannelView::GetFourth() const { return m_pFourth; }

CMultiBitmapWindow* CChannelView::GetCharacterWindow() const {
    return m_nOwnedCount > 0 ? m_ppOwnedWindows[0] : 0;
}

CMultiBitmapWindow* CChannelView::GetDecimalWindow(int position) const {
    if (position < 0 || position >= m_nOwnedCount - 1) return 0;
    return m_ppOwnedWindows[position + 1];
}
