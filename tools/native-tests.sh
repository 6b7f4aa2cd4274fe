#!/usr/bin/env bash
# Builds Pixorel's decoder natively with clang-14 (ASan + UBSan tests, the
# libFuzzer target, skintool) into build/native and runs its CTest tests.
# FUZZ_TIME=seconds shortens or lengthens the fuzz run (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/native
cmake -S "$root/pixorel/native" -B "$build" \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DFUZZ_TIME="${FUZZ_TIME:-60}" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure
