// CTab: switches a target multi-bitmap window between three looks and its
// disabled look; the tab's own window, if any, is a plain multi-bitmap window.
#include "Parts.h"

CTab::CTab() : CMultiBitmapWindow(), m_pTarget(0) {}

CTab::CTab(CMultiBitmapWindow* target) : CMultiBitmapWindow(), m_pTarget(target) {}

CTab::CTab(const CTab& other) : CMultiBitmapWindow(other), m_pTarget(other.m_pTarget) {}

CTab& CTab::operator=(const CTab& other) {
    if (this != &other) {
        CMultiBitmapWindow::operator=(other);
        m_pTarget = other.m_pTarget;
    }
    return *this;
}

CTab::~CTab() {}

void CTab::SetTab(int baseID, DWORD state) {
    if (!m_pTarget) return;
    if (state < 1 || state > 3) {
        // The disabled frame of the item already shown.
        m_pTarget->Enable(0);
        return;
    }
    // Unsigned arithmetic: a base near INT_MAX wraps instead of overflowing.
    ShowItem(*m_pTarget, (int)((unsigned)baseID + (state - 1)));
    m_pTarget->Enable(1);
}

CMultiBitmapWindow* CTab::GetTarget() const { return m_pTarget; }
