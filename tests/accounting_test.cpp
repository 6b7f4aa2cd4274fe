// The accounting that every test relies on: what it sees when the library
// leaks, releases wrongly or imports a call it does not count. The calls are
// made through Tessaro.dll's own import table, exactly as the library makes
// them.
#include "Accounting.h"
#include "Bench.h"
#include <cstring>

namespace {
// The function that Tessaro.dll's import table holds for `name` right now.
template <class Function>
Function LibraryCall(const char* name) {
    void* found = nullptr;
    ForEachImport(GetModuleHandleA("Tessaro.dll"), [&](const char*, const char* imported, void** slot) {
        if (std::strcmp(imported, name) != 0) return true;
        found = *slot;
        return false;
    });
    return (Function)found;
}

bool Mentions(const std::vector<std::string>& lines, const char* text) {
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos) return true;
    return false;
}

class AccountingTest : public TessaroTest {};
}  // namespace

TEST_F(AccountingTest, EveryCallThatMakesOrReleasesObjectsOrMemoryIsCounted) {
    std::vector<std::string> uncounted = accounting::UncountedImports();
    std::string list;
    for (const std::string& name : uncounted) list += name + "\n";
    EXPECT_TRUE(uncounted.empty()) << "imported but not counted:\n" << list;
    // The library's own object and memory calls do go through the counting.
    EXPECT_NE((void*)&CreateRectRgn, (void*)LibraryCall<void*>("CreateRectRgn"));
    EXPECT_NE((void*)&malloc, (void*)LibraryCall<void*>("malloc"));
}

TEST_F(AccountingTest, SeesLeaksWrongReleasesAndObjectsLeftSelected) {
    auto createRectRgn = LibraryCall<decltype(&CreateRectRgn)>("CreateRectRgn");
    auto createFont = LibraryCall<decltype(&CreateFontIndirectA)>("CreateFontIndirectA");
    auto createDC = LibraryCall<decltype(&CreateCompatibleDC)>("CreateCompatibleDC");
    auto selectObject = LibraryCall<decltype(&SelectObject)>("SelectObject");
    auto deleteObject = LibraryCall<decltype(&DeleteObject)>("DeleteObject");
    auto deleteDC = LibraryCall<decltype(&DeleteDC)>("DeleteDC");
    auto getWindowDC = LibraryCall<decltype(&GetWindowDC)>("GetWindowDC");
    auto releaseDC = LibraryCall<decltype(&ReleaseDC)>("ReleaseDC");
    auto libraryMalloc = LibraryCall<decltype(&malloc)>("malloc");
    auto libraryFree = LibraryCall<decltype(&free)>("free");
    ASSERT_TRUE(createRectRgn && createFont && createDC && selectObject && deleteObject && deleteDC && getWindowDC &&
                releaseDC && libraryMalloc && libraryFree);

    Recorder window;
    accounting::Mark before = accounting::Now();
    HRGN region = createRectRgn(0, 0, 4, 4);
    HDC borrowed = getWindowDC(window.hwnd());
    void* block = libraryMalloc(24);
    accounting::Mark during = accounting::Now();
    EXPECT_EQ(before.gdiObjects + 1, during.gdiObjects);
    EXPECT_EQ(before.borrowedDCs + 1, during.borrowedDCs);
    EXPECT_EQ(before.heapBlocks + 1, during.heapBlocks);
    std::vector<std::string> held = accounting::HeldSince(before);
    EXPECT_TRUE(Mentions(held, "CreateRectRgn") && Mentions(held, "GetWindowDC") && Mentions(held, "malloc (24 bytes)"));

    // Released properly, and nothing is counted any more.
    deleteObject(region);
    releaseDC(window.hwnd(), borrowed);
    libraryFree(block);
    accounting::Mark after = accounting::Now();
    EXPECT_EQ(before.gdiObjects, after.gdiObjects);
    EXPECT_EQ(before.borrowedDCs, after.borrowedDCs);
    EXPECT_EQ(before.heapBlocks, after.heapBlocks);
    EXPECT_TRUE(accounting::TakeFaults().empty());

    // A second release of the same region, a font deleted while selected,
    // and a DC deleted with that font still in it: three faults.
    deleteObject(region);
    LOGFONTA face = TestFont();
    HFONT font = createFont(&face);
    HDC memory = createDC(nullptr);
    HGDIOBJ old = selectObject(memory, font);
    deleteObject(font);
    deleteDC(memory);
    std::vector<std::string> faults = accounting::TakeFaults();
    EXPECT_TRUE(Mentions(faults, "failed")) << "released twice";
    EXPECT_TRUE(Mentions(faults, "while it is selected"));
    EXPECT_TRUE(Mentions(faults, "still selected into it"));
    EXPECT_EQ(3u, faults.size());
    (void)old;
}

TEST_F(AccountingTest, ARegionBelongsToTheWindowOnlyWhenSetWindowRgnSucceeds) {
    auto createRectRgn = LibraryCall<decltype(&CreateRectRgn)>("CreateRectRgn");
    auto setWindowRgn = LibraryCall<decltype(&SetWindowRgn)>("SetWindowRgn");
    auto deleteObject = LibraryCall<decltype(&DeleteObject)>("DeleteObject");
    ASSERT_TRUE(createRectRgn && setWindowRgn && deleteObject);
    Recorder parent;
    accounting::Mark before = accounting::Now();
    EXPECT_TRUE(setWindowRgn(parent.hwnd(), createRectRgn(0, 0, 10, 10), FALSE));
    EXPECT_EQ(before.gdiObjects, accounting::Now().gdiObjects) << "the window owns it";
    HRGN refused = createRectRgn(0, 0, 10, 10);
    EXPECT_FALSE(setWindowRgn((HWND)(UINT_PTR)0xDEAD0, refused, FALSE));
    EXPECT_EQ(before.gdiObjects + 1, accounting::Now().gdiObjects) << "still the caller's";
    deleteObject(refused);
}
