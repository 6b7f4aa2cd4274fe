// Swaps one entry of a module's import address table: fault injection and
// accounting without seams in the library.
#pragma once
#include <windows.h>

// Replaces one function that `module` imports from `dll` with `replacement`
// for the lifetime of the object (patches the import address table).
class ImportPatch {
public:
    ImportPatch(const char* module, const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    bool ok() const { return m_slot != nullptr; }
    void* original() const { return m_original; }
private:
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    void** m_slot = nullptr;
    void* m_original = nullptr;
};

// Refuses Tessaro.dll every new heap block while it lives: its malloc and
// calloc fail (whichever of the two it imports).
class NoLibraryMemory {
public:
    NoLibraryMemory();
    bool ok() const { return m_malloc.ok() || m_calloc.ok(); }
private:
    ImportPatch m_malloc, m_calloc;
};

// Calls `visit(dll, function, slot)` for every import by name of `module`;
// stops early when it returns false.
template <class Visit>
void ForEachImport(HMODULE module, Visit visit) {
    if (!module) return;
    BYTE* b = (BYTE*)module;
    IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(b + ((IMAGE_DOS_HEADER*)b)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return;
    for (IMAGE_IMPORT_DESCRIPTOR* d = (IMAGE_IMPORT_DESCRIPTOR*)(b + dir.VirtualAddress); d->Name; ++d) {
        const char* dll = (const char*)(b + d->Name);
        IMAGE_THUNK_DATA* names = (IMAGE_THUNK_DATA*)(b + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(b + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME* byName = (IMAGE_IMPORT_BY_NAME*)(b + names->u1.AddressOfData);
            if (!visit(dll, (const char*)byName->Name, (void**)&slots->u1.Function)) return;
        }
    }
}
