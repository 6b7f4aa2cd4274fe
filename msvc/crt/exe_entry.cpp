// Entry point of a console program of the Microsoft-ABI build, with msvcrt.dll
// as its C runtime: takes the arguments from msvcrt, constructs the static
// objects, runs main, destroys them and exits through msvcrt (which flushes
// stdio).
#include <windows.h>
#include <stdlib.h>
#include "crt.h"

int __cdecl main(int argc, char** argv);

typedef struct {
    int newmode;
} StartupInfo;

extern "C" __declspec(dllimport) int __cdecl __getmainargs(int* argc, char*** argv, char*** env,
                                                           int expandWildcards, StartupInfo* info);

extern "C" void __cdecl mainCRTStartup(void) {
    int argc = 0;
    char** argv = 0;
    char** env = 0;
    StartupInfo info = {0};
    __getmainargs(&argc, &argv, &env, 0, &info);
    tessaro_crt_run_initializers();
    int code = main(argc, argv);
    tessaro_crt_run_exit_table();
    exit(code);
}
