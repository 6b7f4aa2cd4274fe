// CMultiBitmapButton: a push button holding a list of items, each a full set
// of button frames under an ID chosen by the host; SetActiveBitmapID makes
// one item the button's face in a given state.
#include "TessaroControls.h"
#include "ItemArray.h"
#include "Text.h"
#include <stdlib.h>

// The component half of this class's error codes.
static const DWORD kComponent = 0x00090002;

static void ReportError(__int64* error, DWORD code) { WriteErrorSlot(error, kComponent, code); }

CMultiBitmapButton::CMultiBitmapButton(char* bitmapFile, BITMAPLISTID frames, LOGFONTA font)
    : CBitmapButton(bitmapFile, frames.nRegionID, frames.nNormalID, frames.nDisableID, frames.nMouseOverID,
                    frames.nPushedID, font, (char*)"", 0, DT_CENTER),
      m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    m_nType = 11;
}

CMultiBitmapButton::CMultiBitmapButton(char* className, char* bitmapFile, BITMAPLISTID frames, LOGFONTA font)
    : CBitmapButton(className, bitmapFile, frames.nRegionID, frames.nNormalID, frames.nDisableID,
                    frames.nMouseOverID, frames.nPushedID, font, (char*)"", 0, DT_CENTER),
      m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    m_nType = 11;
}

CMultiBitmapButton::CMultiBitmapButton(const CMultiBitmapButton& other)
    : CBitmapButton(other), m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    CopyListFrom(other);
}

CMultiBitmapButton& CMultiBitmapButton::operator=(const CMultiBitmapButton& other) {
    if (this != &other) {
        CBitmapButton::operator=(other);
        CopyListFrom(other);
    }
    return *this;
}

// The copy owns a list of its own.
void CMultiBitmapButton::CopyListFrom(const CMultiBitmapButton& other) {
    ReplaceWithCopy(&m_pBitmapList, &m_dwBitmapListSize, &m_dwBitmapCount, other.m_pBitmapList,
                    other.m_dwBitmapListSize, other.m_dwBitmapCount);
}

CMultiBitmapButton::~CMultiBitmapButton() { free(m_pBitmapList); }

int CMultiBitmapButton::CreateBitmapList(__int64* error) {
    void* items = m_pBitmapList;
    if (!GrowItemArray(&items, &m_dwBitmapListSize, sizeof(MULTIBUTTONITEM), 8)) {
        ReportError(error, 0x00010004);
        return 0;
    }
    m_pBitmapList = (MULTIBUTTONITEM*)items;
    return 1;
}

MULTIBUTTONITEM* CMultiBitmapButton::FindItem(int itemID, DWORD* index) {
    return FindItemById(m_pBitmapList, m_dwBitmapCount, itemID, index);
}

int CMultiBitmapButton::SetBitmap(BITMAPLISTID frames, char* text, DWORD textColor, int itemID, __int64* error) {
    MULTIBUTTONITEM* item = FindItem(itemID, 0);
    if (!item) {
        if (m_dwBitmapCount >= m_dwBitmapListSize && !CreateBitmapList(error)) return 0;
        item = &m_pBitmapList[m_dwBitmapCount++];
        item->nID = itemID;
    }
    item->frames = frames;
    item->crText = textColor;
    CopyBounded(item->szText, sizeof item->szText, text);
    return 1;
}

// A missing ID is not reported through the error slot: only 0 tells it.
int CMultiBitmapButton::RemoveBitmap(int itemID, __int64* error) {
    DWORD index;
    if (!m_dwBitmapCount || !FindItem(itemID, &index)) return 0;
    RemoveItemAt(m_pBitmapList, &m_dwBitmapCount, index, sizeof(MULTIBUTTONITEM));
    return 1;
}

// A miss returns 1 and is reported through the error slot only. The item's
// text and colour are kept in the item: the button shows its own text.
int CMultiBitmapButton::SetActiveBitmapID(int itemID, int state, __int64* error) {
    if (!m_dwBitmapCount) return 0;
    MULTIBUTTONITEM* item = FindItem(itemID, 0);
    if (!item) {
        ReportError(error, 0x00020005);
        return 1;
    }
    m_nNormalID = item->frames.nNormalID;
    m_nDisableID = item->frames.nDisableID;
    m_nMouseOverID = item->frames.nMouseOverID;
    m_nPushedID = item->frames.nPushedID;
    switch (state) {
    case 1: m_nCurrentID = m_nDisableID; break;
    case 2: m_nCurrentID = m_nMouseOverID; break;
    case 3: m_nCurrentID = m_nPushedID; break;
    default: m_nCurrentID = m_nNormalID; break;
    }
    if (item->frames.nRegionID != 0) {
        m_nRegionID = item->frames.nRegionID;
        SetWindowRgn(m_crTransparent);
    }
    Repaint();
    return 1;
}
