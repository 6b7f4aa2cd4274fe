#!/usr/bin/env bash
# Builds the Microsoft-ABI flavour of Tessaro (Tessaro.dll, Tessaro.lib, the
# host check) with clang and lld-link, and lays out its install tree:
#   bash tools/build-msvc.sh [BUILD_DIR]      (default build/msvc)
# Needs the MinGW Pixorel.dll (bash tools/build.sh builds it), which both
# flavours share.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/msvc}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
pixorel="$root/build/mingw/bin/Pixorel.dll"
if [ ! -f "$pixorel" ]; then
  echo "build-msvc: $pixorel is missing; run 'bash tools/build.sh' first" >&2
  exit 1
fi
make -f "$root/msvc/Makefile" -j"$(nproc)" --no-print-directory \
  ROOT="$root" BUILD="$build" PIXOREL_DLL="$pixorel"
echo "build-msvc: $build/bin/Tessaro.dll, $build/lib/Tessaro.lib, install tree in $build/install"
