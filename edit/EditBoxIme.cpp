// CBitmapEditBox and the input method: composition and result strings taken
// into the box, the composition and candidate windows placed at the caret,
// layout changes followed, and the conversion mode stepped for the host.
#include "TessaroEdit.h"
#include <string.h>

static const DWORD kImeAtCaret = 0x10000;     // IME_PROP_AT_CARET
static const DWORD kImeSpecialUi = 0x20000;   // IME_PROP_SPECIAL_UI
static const DWORD kCandidateListBytes = 28;  // an empty CANDIDATELIST
static const int kStringUnits = 512;

namespace {
// The window's input context, given back on every path.
class InputContext {
public:
    explicit InputContext(HWND hwnd) : m_hwnd(hwnd), m_context(hwnd ? ImmGetContext(hwnd) : 0) {}
    ~InputContext() {
        if (m_context) ImmReleaseContext(m_hwnd, m_context);
    }
    HIMC Get() const { return m_context; }
private:
    InputContext(const InputContext&);
    InputContext& operator=(const InputContext&);
    HWND m_hwnd;
    HIMC m_context;
};

// Reads one of the context's strings into a 512-unit field: at most 511
// units, so the terminator always fits, and an error result counts as
// empty. `size` gets the bytes read.
void ReadImeString(HIMC context, DWORD kind, wchar_t* target, int* size) {
    LONG bytes = context ? ImmGetCompositionStringW(context, kind, (LPWSTR)target, (kStringUnits - 1) * sizeof(wchar_t)) : 0;
    if (bytes < 0) bytes = 0;
    if (bytes > (LONG)((kStringUnits - 1) * sizeof(wchar_t))) bytes = (kStringUnits - 1) * sizeof(wchar_t);
    target[bytes / sizeof(wchar_t)] = 0;
    *size = (int)bytes;
}

bool DrawsAtCaretItself(DWORD property) { return (property & kImeAtCaret) && !(property & kImeSpecialUi); }

void PlaceCandidateWindow(HIMC context, POINT at) {
    CANDIDATEFORM form;
    memset(&form, 0, sizeof form);
    form.dwIndex = 0;
    form.dwStyle = CFS_CANDIDATEPOS;
    form.ptCurrentPos = at;
    ImmSetCandidateWindow(context, &form);
}
}  // namespace

// ------------------------------------------------------ shown composition --

// A composition character written into the text (for input methods that
// ask the caret not to move) covers a unit of the text or its terminator;
// the unit goes back before the text changes, so the composition never
// stays in the text.
void CBitmapEditBox::RestoreShownComposition() {
    if (!m_bShowingComposition) return;
    if (m_pwszBuffer && m_dwShownIndex < m_dwBufferSize) m_pwszBuffer[m_dwShownIndex] = m_wcCovered;
    m_bShowingComposition = 0;
}

void CBitmapEditBox::ShowComposition() {
    if (!m_pwszBuffer || m_nCompStrLen <= 0 || (unsigned long long)m_dwCaretIndex + 2 > m_dwBufferSize) return;
    m_dwShownIndex = m_dwCaretIndex;
    m_wcCovered = m_pwszBuffer[m_dwShownIndex];
    m_pwszBuffer[m_dwShownIndex] = m_szCompStr[0];
    m_bShowingComposition = 1;
}

// Every unit of the result, in order, as typed characters are entered.
void CBitmapEditBox::EnterResult() {
    int units = m_nResultStrLen / (int)sizeof(wchar_t);
    for (int i = 0; i < units && m_szResultStr[i]; ++i) {
        EnterCharacter(m_szResultStr[i]);
        PlaceCaret();
    }
}

// ------------------------------------------------------------- handlers --

LRESULT CBitmapEditBox::OnStartComposition(UINT wParam, LPARAM lParam) {
    InputContext context(m_hWnd);
    if (DrawsAtCaretItself(m_dwImeProperty) || !context.Get()) return 1;
    COMPOSITIONFORM form;
    memset(&form, 0, sizeof form);
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = m_ptImePos;
    ImmSetCompositionWindow(context.Get(), &form);
    return 1;
}

LRESULT CBitmapEditBox::OnEndComposition(UINT wParam, LPARAM lParam) {
    InputContext context(m_hWnd);
    RestoreShownComposition();
    m_nCompStrLen = 0;
    m_nResultStrLen = 0;
    if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
    return 1;
}

LRESULT CBitmapEditBox::OnComposition(UINT wParam, LPARAM lParam) {
    InputContext context(m_hWnd);
    bool wasShown = m_bShowingComposition != 0;
    RestoreShownComposition();
    if (lParam & GCS_COMPSTR) {
        ReadImeString(context.Get(), GCS_COMPSTR, m_szCompStr, &m_nCompStrLen);
    } else {
        m_szCompStr[0] = 0;
        m_nCompStrLen = 0;
    }
    if (lParam & GCS_RESULTSTR) {
        ReadImeString(context.Get(), GCS_RESULTSTR, m_szResultStr, &m_nResultStrLen);
        char trace[80];
        char result[40] = {0};
        WideCharToMultiByte(CP_ACP, 0, (LPCWSTR)m_szResultStr, -1, result, sizeof result - 1, 0, 0);
        wsprintfA(trace, "m_szResultStr = %s\n", result);
        OutputDebugStringA(trace);
        EnterResult();
    } else {
        m_szResultStr[0] = 0;
        m_nResultStrLen = 0;
        if (!(lParam & GCS_COMPSTR)) {
            if (wasShown && m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);  // the shown character is gone
            return 1;
        }
    }
    // Shown after the result went in, at the caret where the next character goes.
    if ((lParam & CS_NOMOVECARET) && m_nCompStrLen > 0) ShowComposition();
    if (m_hWnd) {
        InvalidateRect(m_hWnd, 0, TRUE);
        UpdateWindow(m_hWnd);
    }
    return 1;
}

// The box keeps no candidate list of its own unless a subclass asks for one
// (m_bCandidateList): the input method's window shows the candidates.
LRESULT CBitmapEditBox::OnIMENotify(UINT msg, UINT command, LPARAM lParam) {
    InputContext context(m_hWnd);
    bool ownList = m_bCandidateList && lParam == 1;
    switch (command) {
    // An opened list is read as a changed one, and a read list is cleared
    // again as a closed one.
    case IMN_OPENCANDIDATE:
        if (!ownList && DrawsAtCaretItself(m_dwImeProperty) && context.Get())
            PlaceCandidateWindow(context.Get(), m_ptImePos);
        // fall through
    case IMN_CHANGECANDIDATE:
        if (ownList && context.Get()) {
            if (!m_hCandidateList) m_hCandidateList = GlobalAlloc(GHND, kCandidateListBytes);
            DWORD bytes = ImmGetCandidateListA(context.Get(), 0, 0, 0);
            if (bytes >= kCandidateListBytes) {
                HGLOBAL list = GlobalAlloc(GHND, bytes);
                if (list) {
                    if (m_hCandidateList) GlobalFree(m_hCandidateList);
                    m_hCandidateList = list;
                    void* data = GlobalLock(list);
                    if (data) ImmGetCandidateListA(context.Get(), 0, (LPCANDIDATELIST)data, bytes);
                    GlobalUnlock(list);
                }
            }
            if (m_hWnd) {
                InvalidateRect(m_hWnd, 0, TRUE);
                UpdateWindow(m_hWnd);
            }
        }
        // fall through
    case IMN_CLOSECANDIDATE:
        if (ownList) {
            if (!m_hCandidateList) m_hCandidateList = GlobalAlloc(GHND, kCandidateListBytes);
            void* data = m_hCandidateList ? GlobalLock(m_hCandidateList) : 0;
            if (data) {
                memset(data, 0, kCandidateListBytes);
                GlobalUnlock(m_hCandidateList);
            }
            if (m_hWnd) InvalidateRect(m_hWnd, 0, TRUE);
        }
        break;
    case IMN_SETCONVERSIONMODE: {
        // The status is read and left as it is: writing the same values back
        // could only make an input method notify again.
        DWORD conversion = 0, sentence = 0;
        if (context.Get()) ImmGetConversionStatus(context.Get(), &conversion, &sentence);
        break;
    }
    default:
        break;
    }
    return 1;
}

LRESULT CBitmapEditBox::OnInPutLangchange(UINT wParam, LPARAM lParam) {
    m_dwImeProperty = ImmGetProperty(GetKeyboardLayout(0), IGP_PROPERTY);
    InputContext context(m_hWnd);
    if (!context.Get()) return 1;
    if (m_dwImeProperty & kImeAtCaret) {
        PlaceCandidateWindow(context.Get(), m_ptImePos);
        return 1;
    }
    for (DWORD i = 0; i < 4; ++i) {
        CANDIDATEFORM form;
        memset(&form, 0, sizeof form);
        if (!ImmGetCandidateWindow(context.Get(), i, &form) || form.dwStyle == CFS_DEFAULT) continue;
        form.dwIndex = i;
        form.dwStyle = CFS_DEFAULT;
        ImmSetCandidateWindow(context.Get(), &form);
    }
    return 1;
}

LRESULT CBitmapEditBox::OnSetContext(UINT wParam, LPARAM lParam) { return 1; }

// Alphanumeric -> native -> native katakana -> alphanumeric; katakana alone
// goes back to alphanumeric. Other bits and the sentence mode stay.
LRESULT CBitmapEditBox::OnModeCommand(UINT wParam, LPARAM lParam) {
    InputContext context(m_hWnd);
    DWORD conversion = 0, sentence = 0;
    if (!context.Get() || !ImmGetConversionStatus(context.Get(), &conversion, &sentence)) return 1;
    static const DWORD kNext[4] = {IME_CMODE_NATIVE, IME_CMODE_NATIVE | IME_CMODE_KATAKANA, 0, 0};
    conversion = (conversion & ~(DWORD)3) | kNext[conversion & 3];
    ImmSetConversionStatus(context.Get(), conversion, sentence);
    return 1;
}
