// Keeps Wine's desktop in use for a whole test run.
//
// The first program of a Wine session that makes a window starts the desktop
// process, and that process inherits the program's standard output. Under
// CTest that output is a pipe, and CTest waits for every writer of the pipe
// to go: as long as test after test keeps the desktop in use, the test that
// started it waits for its timeout although it has passed. Started before the
// tests with its output going nowhere, this program starts the desktop itself
// and stays until the run stops Wine. It writes the file it is given once the
// desktop is there.
//   desktop_holder.exe READY_FILE
#include <windows.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 2 || !GetDesktopWindow()) return 1;
    FILE* ready = fopen(argv[1], "w");
    if (!ready) return 1;
    fputs("desktop held\n", ready);
    fclose(ready);
    for (;;) Sleep(INFINITE);
}
