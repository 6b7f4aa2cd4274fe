// The registry of window messages that a frame or a pop-up hands to a notify
// window before handling them. Both classes keep the same fields; this view
// over them holds the one implementation. Every operation takes the lock for
// its whole run, so the registry can be changed from any thread.
#ifndef TESSARO_FRAMES_NOTIFYREGISTRY_H
#define TESSARO_FRAMES_NOTIFYREGISTRY_H

#include <windows.h>

struct NotifyRegistry {
    CRITICAL_SECTION* lock;
    UINT** messages;
    UINT* count;
    UINT* capacity;
    HWND* window;
    DWORD* data;

    // An empty registry with a fresh lock.
    void Init();
    // Frees the array and deletes the lock.
    void Destroy();
    // Makes this registry (already initialised) a copy of another's entries,
    // window and data, each under its own lock. When memory runs out the
    // copy is left without entries rather than sharing the other's array.
    void CopyFrom(const NotifyRegistry& other);

    // hwnd not null: the window and data to forward to. Null: empties the
    // registry and clears the data, keeping the window.
    void SetWindow(HWND hwnd, UINT value);
    // 1 when registered, 0 when the array cannot grow (nothing changed).
    int Register(UINT message);
    // Removes the first entry of `message`: 1, or 0 when there is none.
    int Unregister(UINT message);
    // Sends a registered message to the notify window in a WM_COPYDATA record
    // (wParam: `control`); the lock is not held during the send. Returns 1
    // and the notify window's answer when forwarded, else 0.
    int Forward(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* answer) const;
};

// The registry of a control that keeps the registry fields under their
// usual names (m_csNotify, m_pNotifyMessages, ...).
#define NOTIFY_REGISTRY_OF(control)                                                                  \
    NotifyRegistry {                                                                                 \
        &(control).m_csNotify, &(control).m_pNotifyMessages, &(control).m_nNotifyCount,              \
            &(control).m_nNotifyCapacity, &(control).m_hNotifyWnd, &(control).m_dwNotifyData        \
    }

#endif
