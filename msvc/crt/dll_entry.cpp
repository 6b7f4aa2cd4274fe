// Entry point of a DLL of the Microsoft-ABI build: constructs the static
// objects before DllMain sees the process attach, and destroys them after
// DllMain sees the detach.
#include <windows.h>
#include "crt.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

extern "C" BOOL WINAPI _DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        tessaro_crt_run_initializers();
        if (!DllMain(instance, reason, reserved)) {
            tessaro_crt_run_exit_table();
            return FALSE;
        }
        return TRUE;
    }
    BOOL result = DllMain(instance, reason, reserved);
    if (reason == DLL_PROCESS_DETACH) tessaro_crt_run_exit_table();
    return result;
}
