#include "NotifyRegistry.h"
#include "../include/TessaroFrames.h"
#include "ItemArray.h"

namespace {
// Holds a critical section for the scope that made it.
class Locked {
public:
    explicit Locked(CRITICAL_SECTION* lock) : m_lock(lock) { EnterCriticalSection(m_lock); }
    ~Locked() { LeaveCriticalSection(m_lock); }
private:
    Locked(const Locked&);
    Locked& operator=(const Locked&);
    CRITICAL_SECTION* m_lock;
};

void ClearEntries(const NotifyRegistry& registry) {
    free(*registry.messages);
    *registry.messages = 0;
    *registry.count = 0;
    *registry.capacity = 0;
}
}  // namespace

void NotifyRegistry::Init() {
    InitializeCriticalSection(lock);
    *messages = 0;
    *count = 0;
    *capacity = 0;
    *window = 0;
    *data = 0;
}

void NotifyRegistry::Destroy() {
    ClearEntries(*this);
    DeleteCriticalSection(lock);
}

void NotifyRegistry::CopyFrom(const NotifyRegistry& other) {
    if (other.lock == lock) return;
    UINT* entries = 0;
    UINT entryCount = 0, entryCapacity = 0;
    HWND target;
    DWORD value;
    {
        Locked held(other.lock);
        entries = (UINT*)CopyItemArray(*other.messages, *other.capacity, sizeof(UINT));
        if (entries) {
            entryCount = *other.count;
            entryCapacity = *other.capacity;
        }
        target = *other.window;
        value = *other.data;
    }
    Locked held(lock);
    free(*messages);
    *messages = entries;
    *count = entryCount;
    *capacity = entryCapacity;
    *window = target;
    *data = value;
}

void NotifyRegistry::SetWindow(HWND hwnd, UINT value) {
    Locked held(lock);
    if (hwnd) {
        *window = hwnd;
        *data = value;
        return;
    }
    ClearEntries(*this);
    *data = 0;
}

int NotifyRegistry::Register(UINT message) {
    Locked held(lock);
    if (*capacity <= *count && !GrowItemArray((void**)messages, (DWORD*)capacity, sizeof(UINT), 1)) return 0;
    (*messages)[(*count)++] = message;
    return 1;
}

int NotifyRegistry::Unregister(UINT message) {
    Locked held(lock);
    for (UINT i = 0; i < *count; ++i) {
        if ((*messages)[i] != message) continue;
        RemoveItemAt(*messages, (DWORD*)count, i, sizeof(UINT));
        return 1;
    }
    return 0;
}

int NotifyRegistry::Forward(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* answer) const {
    HWND target = 0;
    COPYDATASTRUCT record;
    {
        Locked held(lock);
        if (!*window) return 0;
        bool registered = false;
        for (UINT i = 0; i < *count && !registered; ++i) registered = (*messages)[i] == msg;
        if (!registered) return 0;
        target = *window;
        record.dwData = *data;
    }
    // The notify window's handler runs without the lock: it may register or
    // unregister messages itself.
    FORWARDEDMESSAGE message = {msg, wParam, lParam};
    record.cbData = sizeof message;
    record.lpData = &message;
    *answer = SendMessageA(target, WM_COPYDATA, (WPARAM)control, (LPARAM)&record);
    return 1;
}
