#!/usr/bin/env bash
# Builds the skin generator natively (plain g++, no dependencies) and writes
# skins/default/{default.tsk,DefaultSkin.h,README.md}.
#   bash tools/mkskin/make-skin.sh [--sheet FILE.bmp]   (a contact sheet of every image)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="$root/build/mkskin"
mkdir -p "$out" "$root/skins/default"
src="$root/tools/mkskin"
exe="$out/mkskin"
sources=("$src/mkskin.cpp" "$src/Paint.cpp" "$root/pixorel/BmpDecoder.cpp" "$root/pixorel/SkinFile.cpp")
# Rebuild only when a source is newer than the program.
rebuild=0
[ -x "$exe" ] || rebuild=1
for f in "${sources[@]}" "$src/Paint.h"; do [ "$f" -nt "$exe" ] && rebuild=1; done
if [ "$rebuild" = 1 ]; then
  g++ -std=c++11 -O2 -Wall -Wextra -I"$root/pixorel" -o "$exe" "${sources[@]}"
fi
"$exe" "$root/skins/default" "$@"
