// A module-local atexit, which receives the destructors of static objects.
// This file includes no C runtime header: those declare atexit as msvcrt's
// import, and a definition here must stay a plain, unexported function.
#include "crt.h"

extern "C" {
__declspec(dllimport) void* __cdecl realloc(void* block, __SIZE_TYPE__ size);
__declspec(dllimport) void __cdecl free(void* block);
// kernel32 (an SRWLOCK is one pointer, zero when released).
__declspec(dllimport) void __stdcall AcquireSRWLockExclusive(void** lock);
__declspec(dllimport) void __stdcall ReleaseSRWLockExclusive(void** lock);
}

// Destructors of static objects arrive through atexit. A DLL must run them
// when it is unloaded, not when the process exits, so the table is the
// module's own. Static objects at namespace scope register under the loader
// lock, but function-local ones register on first use, from any thread.
static void* exitLock = 0;
static void(__cdecl** exitTable)(void) = 0;
static int exitCount = 0;
static int exitCapacity = 0;

extern "C" int __cdecl atexit(void(__cdecl* function)(void)) {
    int result = 0;
    AcquireSRWLockExclusive(&exitLock);
    if (exitCount == exitCapacity) {
        int capacity = exitCapacity ? exitCapacity * 2 : 32;
        void* grown = realloc(exitTable, capacity * sizeof *exitTable);
        if (grown) {
            exitTable = (void(__cdecl**)(void))grown;
            exitCapacity = capacity;
        }
    }
    if (exitCount < exitCapacity) exitTable[exitCount++] = function;
    else result = -1;
    ReleaseSRWLockExclusive(&exitLock);
    return result;
}

// Runs at unload or program end, when no other thread of this module runs.
extern "C" void __cdecl tessaro_crt_run_exit_table(void) {
    while (exitCount > 0) exitTable[--exitCount]();
    free(exitTable);
    exitTable = 0;
    exitCapacity = 0;
}
