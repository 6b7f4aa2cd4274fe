// The recording parent window, queue pumping and the sequence matcher.
#include "Bench.h"
#include <algorithm>
#include <sstream>

namespace {
const char kRecorderClass[] = "TESSARO TEST RECORDER";
// The posted message being dispatched right now: anything else that reaches
// a recorder meanwhile was sent.
const MSG* g_posted = nullptr;

// Dispatches a message retrieved from the queue (so it was posted).
void DispatchPosted(const MSG& m) {
    const MSG* outer = g_posted;
    g_posted = &m;
    TranslateMessage(&m);
    DispatchMessageA(&m);
    g_posted = outer;
}

bool IsRecorded(UINT msg) {
    switch (msg) {
    case WM_COMMAND: case WM_MOVING: case WM_KEYDOWN: case WM_CLOSE: case WM_COPYDATA:
    case WM_SIZING: case WM_APP:
        return true;
    default:
        return false;
    }
}

const char* MessageName(UINT msg) {
    switch (msg) {
    case WM_COMMAND: return "WM_COMMAND";
    case WM_MOVING: return "WM_MOVING";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_CLOSE: return "WM_CLOSE";
    case WM_COPYDATA: return "WM_COPYDATA";
    case WM_SIZING: return "WM_SIZING";
    case WM_APP: return "WM_APP";
    default: return "msg";
    }
}
}  // namespace

void Settle(int ms) {
    DWORD end = GetTickCount() + ms;
    MSG m;
    do {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchPosted(m);
        if (ms > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (ms > 0 && (int)(end - GetTickCount()) > 0);
}

Recorder::Recorder(HWND parent, int x, int y, int width, int height) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kRecorderClass;
    wc.hbrBackground = (HBRUSH)GetStockObject(GRAY_BRUSH);
    wc.cbWndExtra = sizeof(LONG_PTR);
    RegisterClassA(&wc);  // fails harmlessly once registered
    DWORD style = parent ? (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN) : (WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    m_hwnd = CreateWindowExA(0, kRecorderClass, "recorder", style, x, y, width, height, parent, nullptr,
                             wc.hInstance, this);
    SetWindowLongPtrA(m_hwnd, 0, (LONG_PTR)this);
    Settle(20);
}

Recorder::~Recorder() {
    SetWindowLongPtrA(m_hwnd, 0, 0);
    DestroyWindow(m_hwnd);
}

LRESULT CALLBACK Recorder::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Recorder* self = (Recorder*)GetWindowLongPtrA(hwnd, 0);
    if (self && IsRecorded(msg)) {
        bool posted = g_posted && g_posted->hwnd == hwnd && g_posted->message == msg && g_posted->wParam == wParam &&
                      g_posted->lParam == lParam;
        self->m_log.push_back({hwnd, msg, wParam, lParam, posted ? kPosted : kSent});
        if (msg == WM_MOVING && lParam) {
            RECT r = *(RECT*)lParam;
            self->movingRects.push_back(r);
            if (self->moveOnMoving) MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
            return TRUE;
        }
        if (msg == WM_CLOSE) return 0;
        if (msg == WM_APP) return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Recorder::Drain() {
    // A separator sent first tells what happened synchronously from what was posted.
    SendMessageA(m_hwnd, WM_APP, 0, 0);
    Settle(0);
}

std::vector<Record> Recorder::Only(UINT msg) const {
    std::vector<Record> out;
    for (const Record& r : m_log)
        if (r.msg == msg) out.push_back(r);
    return out;
}

namespace {
std::string Describe(UINT msg, WPARAM w, LPARAM l, int how) {
    std::ostringstream s;
    s << MessageName(msg) << "(0x" << std::hex << msg << ") w=0x" << (unsigned long)w << " l=0x" << (unsigned long)l
      << (how & kPosted ? " posted" : how & kSent ? " sent" : "");
    return s.str();
}

bool Matches(const Expect& e, const Record& r) {
    if (e.msg != r.msg) return false;
    if ((e.flags & kExpectSent) && r.how != kSent) return false;
    if ((e.flags & kExpectPosted) && r.how != kPosted) return false;
    if ((e.flags & kCheckW) && e.wParam != r.wParam) return false;
    if ((e.flags & kCheckL) && e.lParam != r.lParam) return false;
    return true;
}
}  // namespace

::testing::AssertionResult SequenceMatch(const std::vector<Expect>& expected, const std::vector<Record>& actual) {
    std::vector<Record> seen;
    for (const Record& r : actual)
        if (r.msg != WM_APP) seen.push_back(r);
    size_t a = 0;
    bool ok = true;
    for (const Expect& e : expected) {
        if (a < seen.size() && Matches(e, seen[a])) { ++a; continue; }
        if (e.flags & kOptional) continue;
        ok = false;
        break;
    }
    if (ok && a == seen.size()) return ::testing::AssertionSuccess();
    std::ostringstream s;
    s << "message sequence differs\n";
    size_t rows = std::max(expected.size(), seen.size());
    for (size_t i = 0; i < rows; ++i) {
        std::string left = i < expected.size()
            ? Describe(expected[i].msg, expected[i].wParam, expected[i].lParam,
                       (expected[i].flags & kExpectSent ? kSent : 0) | (expected[i].flags & kExpectPosted ? kPosted : 0)) +
                  (expected[i].flags & kOptional ? " (optional)" : "")
            : "";
        std::string right = i < seen.size() ? Describe(seen[i].msg, seen[i].wParam, seen[i].lParam, seen[i].how) : "";
        left.resize(std::max<size_t>(left.size(), 52), ' ');
        s << "  expected: " << left << " | actual: " << right << "\n";
    }
    return ::testing::AssertionFailure() << s.str();
}
