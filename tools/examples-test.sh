#!/usr/bin/env bash
# Installs both MinGW builds into one package prefix, as a release holds
# them, and builds and runs the minimal host example against it for each
# flavour, as a host project would:
#   cmake --install build/mingw --prefix build/install    (and build/mingw64)
#   find_package(Tessaro) in examples/minimal, which picks the host's flavour
# Expects built trees (tools/build.sh) and, for running, the Wine
# environment of the caller (source tools/wine-env.sh build/mingw). Exit 0
# when the example builds and runs in both flavours.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$root/build/install"

rm -rf "$prefix"
cmake --install "$root/build/mingw" --prefix "$prefix" >/dev/null
cmake --install "$root/build/mingw64" --prefix "$prefix" >/dev/null

for flavour in x86 x64; do
  case "$flavour" in
    x86) toolchain="$root/cmake/mingw-i686.cmake" objdump=i686-w64-mingw32-objdump want="i386," ;;
    x64) toolchain="$root/cmake/mingw-x86_64.cmake" objdump=x86_64-w64-mingw32-objdump want="i386:x86-64," ;;
  esac
  example_build="$root/build/examples/minimal-$flavour"
  # The toolchain file confines package searches to the MinGW sysroot, so the
  # package folder is named directly (CMAKE_PREFIX_PATH is given as well, for
  # toolchains that search it).
  cmake -S "$root/examples/minimal" -B "$example_build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" \
    -DTessaro_DIR="$prefix/lib/cmake/Tessaro" >/dev/null
  cmake --build "$example_build" -j"$(nproc)" >/dev/null

  for f in minimal.exe Tessaro.dll Pixorel.dll default.tsk; do
    if [ ! -f "$example_build/$f" ]; then echo "examples-test: $flavour: $f missing next to the example" >&2; exit 1; fi
  done
  # The package must have handed over the DLLs of the host's architecture.
  for f in Tessaro.dll Pixorel.dll; do
    if ! "$objdump" -f "$example_build/$f" | grep -q "architecture: $want"; then
      echo "examples-test: $flavour: $f next to the example is not $want" >&2; exit 1
    fi
  done

  status=0
  (cd "$example_build" && timeout 120 wine minimal.exe --auto-close) || status=$?
  if [ "$status" != 0 ]; then
    echo "examples-test: $flavour: minimal.exe --auto-close exited with $status" >&2
    exit 1
  fi
  echo "examples-test: $flavour: minimal host built against the installed package and ran"
done
