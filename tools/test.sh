#!/usr/bin/env bash
# Sets up the machine, builds both flavours and runs every test:
# the decoder under sanitizers and the fuzzer (natively), the Microsoft-ABI
# host check, the example host against the installed package, and the
# GoogleTest suites under Wine (last, so CTest's summary closes the run).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash tools/setup.sh
bash tools/build.sh
bash tools/build-msvc.sh

status=0
bash tools/native-tests.sh || status=1

bash tools/display-check.sh "$root/build/mingw" || status=1
source tools/wine-env.sh "$root/build/mingw"
bash tools/test-msvc.sh || status=1
bash tools/examples-test.sh || status=1
(cd build/mingw && ctest --output-on-failure -j2) || status=1
exit $status
