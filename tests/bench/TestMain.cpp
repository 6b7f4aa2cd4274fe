// Test entry point and the checks made after every test.
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
    EXPECT_TRUE(AllHeapsValid()) << "a heap of the process is damaged";
}

namespace {
// Backstop for tests that do not use the fixture: a damaged heap prints the
// line that makes CTest fail the test.
class HeapCheckListener : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override {
        if (!AllHeapsValid()) std::printf("err:heap: heap damaged after %s.%s\n", info.test_suite_name(), info.name());
    }
};
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new HeapCheckListener);
    return RUN_ALL_TESTS();
}
