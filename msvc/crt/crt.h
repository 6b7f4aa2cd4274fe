// Start-up pieces shared by the DLL and program entry points of the
// Microsoft-ABI build: static initialisers and the module's exit table.
#ifndef TESSARO_MSVC_CRT_H
#define TESSARO_MSVC_CRT_H

// Runs every static initialiser of this module, in link order.
extern "C" void __cdecl tessaro_crt_run_initializers(void);
// Runs and empties this module's exit table, last registered first.
extern "C" void __cdecl tessaro_crt_run_exit_table(void);

#endif
