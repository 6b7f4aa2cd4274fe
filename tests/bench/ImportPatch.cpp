// Fault injection without seams in the library: swap one entry of a module's
// import address table for the lifetime of a test.
#include "ImportPatch.h"
#include <cstring>

namespace {
void* __cdecl RefusedMalloc(size_t) { return nullptr; }
void* __cdecl RefusedCalloc(size_t, size_t) { return nullptr; }

void WriteSlot(void** slot, void* value) {
    DWORD old;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), old, &old);
}
}  // namespace

ImportPatch::ImportPatch(const char* module, const char* dll, const char* function, void* replacement) {
    ForEachImport(GetModuleHandleA(module), [&](const char* from, const char* name, void** slot) {
        if (_stricmp(from, dll) != 0 || std::strcmp(name, function) != 0) return true;
        m_slot = slot;
        m_original = *slot;
        WriteSlot(slot, replacement);
        return false;
    });
}

ImportPatch::~ImportPatch() {
    if (m_slot) WriteSlot(m_slot, m_original);
}

NoLibraryMemory::NoLibraryMemory()
    : m_malloc("Tessaro.dll", "msvcrt.dll", "malloc", (void*)RefusedMalloc),
      m_calloc("Tessaro.dll", "msvcrt.dll", "calloc", (void*)RefusedCalloc) {}
