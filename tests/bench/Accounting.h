// Accounting of what Tessaro.dll and Pixorel.dll make and give back: GDI
// objects, borrowed device contexts and heap blocks. Every call of the two
// DLLs that makes or releases one goes through their import tables, which
// Install() points at counting wrappers; the wrappers call the real function
// and keep a table of what is live.
//
//   accounting::Install();
//   accounting::Mark before = accounting::Now();
//   ...create, paint and destroy controls...
//   accounting::Mark after = accounting::Now();      // compare the counts
//   for (auto& line : accounting::HeldSince(before)) ...   // what is still held
//   for (auto& fault : accounting::TakeFaults()) ...       // failed or wrong releases
//
// Ownership rules: a region handed to a successful SetWindowRgn (or to
// GetDCEx as its clipping region) belongs to the system from then on, and a
// global memory block handed to a successful SetClipboardData to the
// clipboard; when the call fails they stay the library's. A DC from GetDC,
// GetWindowDC, GetDCEx or BeginPaint is borrowed until ReleaseDC or EndPaint.
//
// Faults: a release that fails (DeleteObject, DeleteDC or ReleaseDC returning
// 0: a handle released twice, a bitmap still selected), a release of an object
// the libraries did not make, an object deleted while it is selected into a
// DC, and a DC released or deleted while one of the libraries' objects is
// still selected into it.
//
// No GoogleTest here: the benchmark uses it too.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace accounting {

struct Mark {
    unsigned long long serial = 0;  // how many things had been made so far
    long gdiObjects = 0;            // live objects (DCs made, bitmaps, fonts, regions, brushes, pens, palettes)
    long borrowedDCs = 0;           // DCs from GetDC/GetWindowDC/GetDCEx/BeginPaint not yet given back
    long heapBlocks = 0;
    long long heapBytes = 0;
};

// Points the import tables of Tessaro.dll and Pixorel.dll at the counting
// wrappers. Idempotent; false when a DLL is not loaded.
bool Install();

// The live counts now.
Mark Now();

// One line for each object, DC or block made after `mark` and still held,
// naming the call that made it.
std::vector<std::string> HeldSince(const Mark& mark);

// The faults seen since the last call, one line each; clears them.
std::vector<std::string> TakeFaults();

// Calls that make or release GDI objects, device contexts or memory which a
// DLL imports but the accounting does not wrap, as "Dll.dll!Function"; a new
// control must not slip past the counting by using one.
std::vector<std::string> UncountedImports();

// The named functions that `module` imports from `dll` (every DLL when dll is
// null), as "dll!Function" with the DLL name in lower case.
std::vector<std::string> ImportsOf(const char* module);

}  // namespace accounting
