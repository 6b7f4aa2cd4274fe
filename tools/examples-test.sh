#!/usr/bin/env bash
# Installs the built library as a package and builds and runs the minimal
# host example against it, as a host project would:
#   cmake --install build/mingw --prefix build/install
#   find_package(Tessaro) in examples/minimal
# Expects a built tree (tools/build.sh) and, for running, the Wine
# environment of the caller (source tools/wine-env.sh build/mingw). Exit 0
# when the example builds and runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/mingw"
prefix="$root/build/install"
example_build="$root/build/examples/minimal"

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# The toolchain file confines package searches to the MinGW sysroot, so the
# package folder is named directly (CMAKE_PREFIX_PATH is given as well, for
# toolchains that search it).
cmake -S "$root/examples/minimal" -B "$example_build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" \
  -DTessaro_DIR="$prefix/lib/cmake/Tessaro" >/dev/null
cmake --build "$example_build" -j"$(nproc)" >/dev/null

exe="$example_build/minimal.exe"
for f in minimal.exe Tessaro.dll Pixorel.dll default.tsk; do
  if [ ! -f "$example_build/$f" ]; then echo "examples-test: $f missing next to the example" >&2; exit 1; fi
done

status=0
timeout 120 wine "$exe" --auto-close || status=$?
if [ "$status" != 0 ]; then
  echo "examples-test: minimal.exe --auto-close exited with $status" >&2
  exit 1
fi
echo "examples-test: minimal host built against the installed package and ran"
