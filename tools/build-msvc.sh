#!/usr/bin/env bash
# Builds a Microsoft-ABI flavour of Tessaro (Tessaro.dll, Tessaro.lib, the
# host check, the minimal example) with clang and lld-link, and lays out its
# install tree:
#   bash tools/build-msvc.sh [x86|x64] [BUILD_DIR]
# x86 (the default) builds the 32-bit DLL into build/msvc (install tree
# lib/msvc, bin/msvc), x64 the 64-bit one into build/msvc64 (lib/msvc64,
# bin/msvc64). Needs the MinGW Pixorel.dll of the same width (bash
# tools/build.sh builds both), which the flavours share.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/msvc-flavour.sh"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
if [ ! -f "$pixorel" ]; then
  echo "build-msvc: $pixorel is missing; run 'bash tools/build.sh $arch' first" >&2
  exit 1
fi
make -f "$root/msvc/Makefile" -j"$(nproc)" --no-print-directory \
  ROOT="$root" ARCH="$arch" BUILD="$build" PIXOREL_DLL="$pixorel"
echo "build-msvc ($arch): $build/bin/Tessaro.dll, $build/lib/Tessaro.lib, install tree in $build/install"
