// Test entry point and the checks made around every test: nothing of the
// libraries left (readers, bitmaps, GDI objects, borrowed DCs, heap blocks),
// no faulty release, every heap valid; and a crash ends the run at once.
#include "Accounting.h"
#include "Bench.h"
#include "Pixorel.h"
#include <cstdio>

int OpenReaders() { int r = 0, b = 0; PixorelOpenCounts(&r, &b); return r; }
int OpenBitmaps() { int r = 0, b = 0; PixorelOpenCounts(&r, &b); return b; }

bool AllHeapsValid() {
    HANDLE heaps[256];
    DWORD count = GetProcessHeaps(256, heaps);
    if (count > 256) count = 256;
    for (DWORD i = 0; i < count; ++i)
        if (!HeapValidate(heaps[i], 0, nullptr)) return false;
    return true;
}

void TessaroTest::TearDown() {
    Settle(0);
    EXPECT_EQ(0, OpenReaders()) << "a skin reader was left open";
    EXPECT_EQ(0, OpenBitmaps()) << "a skin bitmap was left open";
}

namespace {
::testing::AssertionResult NothingHeldSince(const accounting::Mark& before) {
    // Pixorel keeps decoded images and spare bitmaps between readers by
    // design; they are dropped so that only what a test left counts.
    PixorelDropCaches();
    accounting::Mark after = accounting::Now();
    std::vector<std::string> faults = accounting::TakeFaults();
    bool grown = after.gdiObjects > before.gdiObjects || after.borrowedDCs > before.borrowedDCs ||
                 after.heapBlocks > before.heapBlocks;
    if (!grown && faults.empty()) return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    if (grown) {
        failure << "the libraries hold more than before: GDI objects " << before.gdiObjects << " -> "
                << after.gdiObjects << ", borrowed DCs " << before.borrowedDCs << " -> " << after.borrowedDCs
                << ", heap blocks " << before.heapBlocks << " -> " << after.heapBlocks << "\n";
        for (const std::string& line : accounting::HeldSince(before)) failure << "  held: " << line << "\n";
    }
    for (const std::string& fault : faults) failure << "  fault: " << fault << "\n";
    return failure;
}

// Around every test, fixture or not: what the libraries hold is compared
// once the test's objects are gone, and every heap must validate.
class LibraryAccountingListener : public ::testing::EmptyTestEventListener {
    accounting::Mark m_before;
    void OnTestStart(const ::testing::TestInfo&) override {
        Settle(0);
        PixorelDropCaches();
        accounting::TakeFaults();
        m_before = accounting::Now();
    }
    void OnTestEnd(const ::testing::TestInfo& info) override {
        Settle(0);
        EXPECT_TRUE(NothingHeldSince(m_before)) << "after " << info.test_suite_name() << "." << info.name();
        // A damaged heap also prints the line that makes CTest fail the test.
        if (!AllHeapsValid()) std::printf("err:heap: heap damaged after %s.%s\n", info.test_suite_name(), info.name());
    }
};

// A crash ends the process at once with its code and address, instead of
// starting the debugger and waiting for CTest's timeout.
[[noreturn]] void EndWithCrash(EXCEPTION_POINTERS* exception) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "crash: exception 0x%08lx at %p in %s.%s\n",
                 (unsigned long)exception->ExceptionRecord->ExceptionCode, exception->ExceptionRecord->ExceptionAddress,
                 test ? test->test_suite_name() : "(no test)", test ? test->name() : "");
    std::fflush(stderr);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    for (;;) Sleep(INFINITE);
}

LONG WINAPI ReportUnhandled(EXCEPTION_POINTERS* exception) { EndWithCrash(exception); }

bool IsFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: case EXCEPTION_ILLEGAL_INSTRUCTION: case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO: case EXCEPTION_STACK_OVERFLOW: case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT: case EXCEPTION_IN_PAGE_ERROR: case 0xC0000409 /* stack buffer overrun */:
        return true;
    default:
        return false;
    }
}

// Faults inside our own code are fatal even where the system would catch
// them: a window procedure's fault during a dispatched message is otherwise
// swallowed, and the test goes on with half a paint.
LONG WINAPI ReportFaultInOurCode(EXCEPTION_POINTERS* exception) {
    if (!IsFault(exception->ExceptionRecord->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    HMODULE where = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       (LPCSTR)exception->ExceptionRecord->ExceptionAddress, &where);
    if (where && (where == GetModuleHandleA(nullptr) || where == GetModuleHandleA("Tessaro.dll") ||
                  where == GetModuleHandleA("Pixorel.dll")))
        EndWithCrash(exception);
    return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportUnhandled);
    AddVectoredExceptionHandler(1, ReportFaultInOurCode);
    ::testing::InitGoogleTest(&argc, argv);
    if (!accounting::Install()) {
        std::fprintf(stderr, "the accounting could not find Tessaro.dll and Pixorel.dll\n");
        return 2;
    }
    ::testing::UnitTest::GetInstance()->listeners().Append(new LibraryAccountingListener);
    return RUN_ALL_TESTS();
}
