#!/usr/bin/env bash
# Makes the release archive, build/Tessaro-<version>-windows.zip, from the
# four built flavours (tools/build.sh, tools/build-msvc.sh x86 and x64), and
# checks that it holds each flavour's DLLs and import library, the headers,
# the CMake package, the docs and the default skin. Prints the archive's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root/build/mingw"
cpack -G ZIP --config CPackConfig.cmake >/dev/null
archive=$(ls -t "$root"/build/mingw/Tessaro-*-windows.zip | head -n 1)
mv "$archive" "$root/build/"
archive="$root/build/$(basename "$archive")"
top=$(basename "$archive" .zip)

listing=$(cmake -E tar tf "$archive")
missing=0
for entry in include/Tessaro.h include/TessaroVersion.h lib/cmake/Tessaro/TessaroConfig.cmake \
             share/Tessaro/skins/default/default.tsk share/doc/Tessaro/host-guide.md \
             share/doc/Tessaro/visual-studio.md; do
  printf '%s\n' "$listing" | grep -qx "$top/$entry" || { echo "package: $entry is missing" >&2; missing=1; }
done
for flavour in mingw mingw64 msvc msvc64; do
  for entry in bin/$flavour/Tessaro.dll bin/$flavour/Pixorel.dll lib/$flavour/Tessaro.lib; do
    printf '%s\n' "$listing" | grep -qx "$top/$entry" || { echo "package: $entry is missing" >&2; missing=1; }
  done
done
[ "$missing" = 0 ] || exit 1
echo "$archive"
