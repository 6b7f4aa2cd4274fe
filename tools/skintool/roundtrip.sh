#!/usr/bin/env bash
# skintool round trip: pack sample BMPs (with a hole), list them, unpack them
# and compare byte for byte.  Usage: roundtrip.sh SKINTOOL SAMPLE_WRITER WORKDIR
set -euo pipefail
tool=$1 writer=$2 work=$3
rm -rf "$work" && mkdir -p "$work/in" "$work/out"
"$writer" --samples "$work/in"
cd "$work"
"$tool" pack skin.tsk in/rgb24.bmp - in/pal8-short.bmp in/rle4.bmp in/v5-fields32.bmp
"$tool" list skin.tsk | tee list.txt
expect() { grep -qE "$1" list.txt || { echo "roundtrip: list lacks: $1" >&2; exit 1; }; }
expect 'skin container, 5 images'
expect '^ +1  3x2  24 bpp  RGB$'
expect '^ +2  \(none\)$'
expect '^ +3  3x2  8 bpp  RGB$'
expect '^ +4  7x3  4 bpp  RLE4$'
expect '^ +5  3x2  32 bpp  BITFIELDS$'
"$tool" unpack skin.tsk out
cmp in/rgb24.bmp out/1.bmp
[ ! -e out/2.bmp ] || { echo "roundtrip: a hole was unpacked" >&2; exit 1; }
cmp in/pal8-short.bmp out/3.bmp
cmp in/rle4.bmp out/4.bmp
cmp in/v5-fields32.bmp out/5.bmp
# A plain BMP lists as one image; garbage and a bad image are refused.
"$tool" list in/rle8.bmp | grep -q 'plain BMP, 1 image'
if "$tool" list in 2>/dev/null; then echo "roundtrip: listed a directory" >&2; exit 1; fi
head -c 40 in/rgb24.bmp > short.bmp
if "$tool" pack bad.tsk short.bmp 2>/dev/null; then echo "roundtrip: packed a truncated BMP" >&2; exit 1; fi
echo "roundtrip: ok"
