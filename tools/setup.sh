#!/usr/bin/env bash
# Installs everything the build, the tests and the gallery need, with apt-get,
# and makes sure 32-bit Linux programs (Wine's i386 loader) can run.
# Idempotent: when everything is present it installs nothing and takes a moment.
set -euo pipefail

packages=(
  cmake make g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64
  clang-14 lld-14 llvm-14 libclang-rt-14-dev
  googletest
  wine wine32:i386 wine32-preloader:i386 wine64 libwine-dev:i386 libwine-dev:amd64
  qemu-user
  xvfb x11-utils imagemagick
)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Some virtual machines run a kernel without 32-bit user mode. Wine's i386
# loader then fails with "Exec format error"; hand i386 ELF programs to
# qemu's user-mode emulator through binfmt_misc instead.
ensure_i386_programs_run() {
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then return 0; fi
  local bm=/proc/sys/fs/binfmt_misc
  if [ ! -e "$bm/register" ]; then
    $SUDO mount -t binfmt_misc binfmt_misc "$bm"
  fi
  if [ ! -e "$bm/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
      | $SUDO tee "$bm/register" >/dev/null
  fi
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "setup: this machine cannot run 32-bit programs, not even through qemu" >&2
    exit 1
  fi
  echo "setup: 32-bit programs run through qemu-i386 on this machine"
}

install_missing
ensure_i386_programs_run
