# Sourced by build-msvc.sh and test-msvc.sh after they set $root: reads the
# optional flavour argument (x86, the default, or x64) and the optional build
# directory, and sets
#   arch      x86 or x64
#   label     msvc or msvc64 (the install tree's folder names)
#   build     the build directory (build/msvc or build/msvc64 by default)
#   pixorel   the MinGW Pixorel.dll of the same width, which both ABIs share
arch=x86
case "${1:-}" in
  x86|x64) arch="$1"; shift ;;
esac
case "$arch" in
  x86) label=msvc pixorel="$root/build/mingw/bin/Pixorel.dll" ;;
  x64) label=msvc64 pixorel="$root/build/mingw64/bin/Pixorel.dll" ;;
esac
build="${1:-$root/build/$label}"
