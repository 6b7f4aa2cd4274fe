#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks under Wine; one line per figure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash tools/setup.sh
bash tools/build.sh >/dev/null
source tools/wine-env.sh "$root/build/mingw"
wine build/mingw/bin/tessaro_bench.exe
