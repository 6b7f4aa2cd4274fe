// Runtime support that the compiler expects from a Microsoft start-up library:
// the initialiser table bounds, _fltused, _purecall,
// operator new/delete over the C runtime's heap, and (32-bit only) the load
// configuration record that carries the SafeSEH handler table.
//
// Linked into every module (the DLL and each program) so that each runs its
// own initialisers and destructors.
#include <windows.h>
#include "crt.h"

#include <stdlib.h>

typedef void(__cdecl* InitFunction)(void);

// The compiler puts a pointer to each module's dynamic initialiser into
// .CRT$XCU; the linker sorts the .CRT$XC* sections by name, so these two
// markers bracket them.
#pragma section(".CRT$XCA", read)
#pragma section(".CRT$XCZ", read)
extern "C" __declspec(allocate(".CRT$XCA")) const InitFunction __xc_a[] = {0};
extern "C" __declspec(allocate(".CRT$XCZ")) const InitFunction __xc_z[] = {0};

extern "C" void __cdecl tessaro_crt_run_initializers(void) {
    // The linker may pad between the grouped sections with zeros: skip them.
    for (const InitFunction* f = __xc_a; f < __xc_z; ++f) {
        if (*f) (*f)();
    }
}

// Referenced by every object that uses floating point.
extern "C" int _fltused = 0x9875;

// Called through a vtable slot of an abstract class: a programming error.
extern "C" int __cdecl _purecall(void) {
    OutputDebugStringA("Tessaro: pure virtual function call\n");
    abort();
    return 0;
}

// Without exceptions, a failed allocation returns a null pointer.
void* __cdecl operator new(size_t size) { return malloc(size ? size : 1); }
void* __cdecl operator new[](size_t size) { return malloc(size ? size : 1); }
void __cdecl operator delete(void* block) { free(block); }
void __cdecl operator delete[](void* block) { free(block); }
void __cdecl operator delete(void* block, size_t) { free(block); }
void __cdecl operator delete[](void* block, size_t) { free(block); }

// The loader of a 32-bit image reads the SafeSEH handler table from this
// record; the linker fills in the two symbols and points the PE load-config
// directory here. x64 images have no SafeSEH (their exception handlers are
// listed in the unwinding tables) and need no record.
#if defined(_M_IX86)
extern "C" DWORD __safe_se_handler_table[];
extern "C" BYTE __safe_se_handler_count;

extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY32 _load_config_used = {
    sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32),
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // up to SecurityCookie
    (DWORD)__safe_se_handler_table,
    (DWORD)&__safe_se_handler_count,
};
#endif
