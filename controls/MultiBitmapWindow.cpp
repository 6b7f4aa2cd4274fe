// CMultiBitmapWindow: a bitmap window holding a list of items, each a set of
// frames with a text and a colour under an ID chosen by the host;
// SetActiveBitmapID makes one item the face of the window.
#include "TessaroControls.h"
#include "ItemArray.h"
#include "Text.h"
#include <stdlib.h>

// The component half of this class's error codes.
static const DWORD kComponent = 0x00090001;

static void ReportError(__int64* error, DWORD code) { WriteErrorSlot(error, kComponent, code); }

CMultiBitmapWindow::CMultiBitmapWindow()
    : CBitmapWindow(), m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    m_nType = 9;
}

CMultiBitmapWindow::CMultiBitmapWindow(char* bitmapFile, int regionID, int normalID, int disableID, LOGFONTA font)
    : CBitmapWindow(bitmapFile, regionID, normalID, disableID, font, (char*)"", 0, DT_CENTER),
      m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    m_nType = 9;
}

CMultiBitmapWindow::CMultiBitmapWindow(char* className, char* bitmapFile, int regionID, int normalID,
                                       int disableID, LOGFONTA font)
    : CBitmapWindow(className, bitmapFile, regionID, normalID, disableID, font, (char*)"", 0, DT_CENTER),
      m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    m_nType = 9;
}

CMultiBitmapWindow::CMultiBitmapWindow(const CMultiBitmapWindow& other)
    : CBitmapWindow(other), m_dwBitmapListSize(0), m_dwBitmapCount(0), m_pBitmapList(0) {
    CopyListFrom(other);
}

CMultiBitmapWindow& CMultiBitmapWindow::operator=(const CMultiBitmapWindow& other) {
    if (this != &other) {
        CBitmapWindow::operator=(other);
        CopyListFrom(other);
    }
    return *this;
}

// The copy owns a list of its own.
void CMultiBitmapWindow::CopyListFrom(const CMultiBitmapWindow& other) {
    ReplaceWithCopy(&m_pBitmapList, &m_dwBitmapListSize, &m_dwBitmapCount, other.m_pBitmapList,
                    other.m_dwBitmapListSize, other.m_dwBitmapCount);
}

CMultiBitmapWindow::~CMultiBitmapWindow() { free(m_pBitmapList); }

int CMultiBitmapWindow::CreateBitmapList(__int64* error) {
    void* items = m_pBitmapList;
    if (!GrowItemArray(&items, &m_dwBitmapListSize, sizeof(MULTIBITMAPITEM), 8)) {
        ReportError(error, 0x00010004);
        return 0;
    }
    m_pBitmapList = (MULTIBITMAPITEM*)items;
    return 1;
}

MULTIBITMAPITEM* CMultiBitmapWindow::FindItem(int itemID, DWORD* index) {
    return FindItemById(m_pBitmapList, m_dwBitmapCount, itemID, index);
}

int CMultiBitmapWindow::SetBitmap(BITMAPLISTID frames, char* text, DWORD textColor, int itemID, __int64* error) {
    MULTIBITMAPITEM* item = FindItem(itemID, 0);
    if (!item) {
        if (m_dwBitmapCount >= m_dwBitmapListSize && !CreateBitmapList(error)) return 0;
        item = &m_pBitmapList[m_dwBitmapCount++];
        item->nID = itemID;
    }
    item->nRegionID = frames.nRegionID;
    item->nNormalID = frames.nNormalID;
    item->nDisableID = frames.nDisableID;
    item->crText = textColor;
    CopyBounded(item->szText, sizeof item->szText, text);
    return 1;
}

int CMultiBitmapWindow::RemoveBitmap(int itemID, __int64* error) {
    if (!m_dwBitmapCount) return 0;
    DWORD index;
    if (!FindItem(itemID, &index)) {
        ReportError(error, 0x00020005);
        return 0;
    }
    RemoveItemAt(m_pBitmapList, &m_dwBitmapCount, index, sizeof(MULTIBITMAPITEM));
    return 1;
}

// A miss returns 1 and is reported through the error slot only: hosts that
// step through digit items rely on the call not failing.
int CMultiBitmapWindow::SetActiveBitmapID(int itemID, __int64* error) {
    if (!m_dwBitmapCount) return 0;
    MULTIBITMAPITEM* item = FindItem(itemID, 0);
    if (!item) {
        ReportError(error, 0x00030005);
        return 1;
    }
    int disabled = IsDisabled();
    m_nNormalID = item->nNormalID;
    m_nDisableID = item->nDisableID;
    m_nCurrentID = disabled ? m_nDisableID : m_nNormalID;
    if (item->nRegionID != 0) {
        m_nRegionID = item->nRegionID;
        SetWindowRgn(m_crTransparent);
    }
    StoreText(item->szText);  // out of memory: the old text stays
    m_crText = item->crText;
    Repaint();
    return 1;
}

int CMultiBitmapWindow::SetNewFont(LOGFONTA font) { return CBitmapWindow::SetNewFont(font); }
