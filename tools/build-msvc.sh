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
arch=x86
case "${1:-}" in
  x86|x64) arch="$1"; shift ;;
esac
case "$arch" in
  x86) default_build="$root/build/msvc" pixorel="$root/build/mingw/bin/Pixorel.dll" ;;
  x64) default_build="$root/build/msvc64" pixorel="$root/build/mingw64/bin/Pixorel.dll" ;;
esac
build="${1:-$default_build}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"
if [ ! -f "$pixorel" ]; then
  echo "build-msvc: $pixorel is missing; run 'bash tools/build.sh $arch' first" >&2
  exit 1
fi
make -f "$root/msvc/Makefile" -j"$(nproc)" --no-print-directory \
  ROOT="$root" ARCH="$arch" BUILD="$build" PIXOREL_DLL="$pixorel"
echo "build-msvc ($arch): $build/bin/Tessaro.dll, $build/lib/Tessaro.lib, install tree in $build/install"
