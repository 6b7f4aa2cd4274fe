// Fault injection without seams in the library: swap one entry of a module's
// import address table for the lifetime of a test.
#include "Bench.h"
#include <cstring>

ImportPatch::ImportPatch(const char* module, const char* dll, const char* function, void* replacement) {
    HMODULE base = GetModuleHandleA(module);
    if (!base) return;
    BYTE* b = (BYTE*)base;
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(b + ((IMAGE_DOS_HEADER*)b)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return;
    for (IMAGE_IMPORT_DESCRIPTOR* d = (IMAGE_IMPORT_DESCRIPTOR*)(b + dir.VirtualAddress); d->Name; ++d) {
        if (_stricmp((const char*)(b + d->Name), dll) != 0) continue;
        IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(b + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(b + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME* byName = (IMAGE_IMPORT_BY_NAME*)(b + names->u1.AddressOfData);
            if (std::strcmp((const char*)byName->Name, function) != 0) continue;
            m_slot = (void**)&slots->u1.Function;
            m_original = *m_slot;
            DWORD old;
            VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &old);
            *m_slot = replacement;
            VirtualProtect(m_slot, sizeof(void*), old, &old);
            return;
        }
    }
}

ImportPatch::~ImportPatch() {
    if (!m_slot) return;
    DWORD old;
    VirtualProtect(m_slot, sizeof(void*), PAGE_READWRITE, &old);
    *m_slot = m_original;
    VirtualProtect(m_slot, sizeof(void*), old, &old);
}
