#!/usr/bin/env bash
# Configures and builds the MinGW flavour of Tessaro into build/mingw.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/mingw"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
