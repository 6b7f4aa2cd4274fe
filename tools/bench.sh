#!/usr/bin/env bash
# Sets up, builds and runs the benchmarks under Wine in both MinGW flavours,
# x86 then x64; one line per figure, each starting with its flavour.
#   bash tools/bench.sh [outline|repaint|cycles|slider|strip|edit|frame|wheel|table ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash tools/setup.sh
bash tools/build.sh >/dev/null
source tools/wine-env.sh "$root/build/mingw"
wine build/mingw/bin/tessaro_bench.exe "$@"
wine build/mingw64/bin/tessaro_bench.exe "$@"
