#!/usr/bin/env bash
# Configures and builds the MinGW flavours of Tessaro: x86 into build/mingw,
# x64 into build/mingw64.
#   bash tools/build.sh [x86|x64]      (default: both)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
flavours=("${@:-x86 x64}")
for flavour in ${flavours[*]}; do
  case "$flavour" in
    x86) build="$root/build/mingw" toolchain="$root/cmake/mingw-i686.cmake" ;;
    x64) build="$root/build/mingw64" toolchain="$root/cmake/mingw-x86_64.cmake" ;;
    *) echo "build: unknown flavour '$flavour' (x86 or x64)" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)"
done
