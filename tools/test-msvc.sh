#!/usr/bin/env bash
# Runs the host check of a Microsoft-ABI build under Wine with Wine's heap
# checking on, and prints its closing "N passed, N failed" line; then runs
# the minimal example host built against the install tree.
#   bash tools/test-msvc.sh [x86|x64] [BUILD_DIR]
# x86 (the default) tests build/msvc, x64 build/msvc64 (under 64-bit Wine).
# The caller sets up Wine (WINEPREFIX, DISPLAY, a running wineserver), e.g.
# with tools/wine-env.sh. Fails on a failed check, a crash, a missing closing
# line or any heap warning or error from Wine.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/msvc-flavour.sh"
exe="$build/bin/host_check.exe"
if [ ! -f "$exe" ]; then
  echo "test-msvc: $exe is missing; run 'bash tools/build-msvc.sh $arch' first" >&2
  exit 1
fi

output="$(cd "$build/bin" && WINEDEBUG=-all,warn+heap,err+heap timeout 600 wine host_check.exe 2>&1 | tr -d '\r')"
status=$?
closing="$(printf '%s\n' "$output" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)"

problem=""
if [ "$status" -ne 0 ]; then problem="host check exited with status $status"; fi
if printf '%s\n' "$output" | grep -qE '(warn|err):heap'; then problem="Wine reported heap errors"; fi
if [ -z "$closing" ]; then problem="host check printed no closing line"; fi
# The version resource names the flavour (Explorer shows it under Comments).
if ! strings -el "$build/bin/Tessaro.dll" | grep -qx "$arch, Microsoft C++ ABI"; then
  problem="Tessaro.dll carries no version resource naming the $arch Microsoft-ABI flavour"
fi

if [ -n "$problem" ]; then
  printf '%s\n' "$output"
  echo "test-msvc: FAILED: $problem" >&2
  exit 1
fi
echo "$label host check: $closing"

# The minimal example host, built in Microsoft mode against the installed
# headers and Tessaro.lib, runs and closes itself.
if ! (cd "$build/bin" && timeout 120 wine minimal.exe --auto-close >/dev/null 2>&1); then
  echo "test-msvc: FAILED: the Microsoft-mode example host did not run" >&2
  exit 1
fi
echo "$label example host: built against the installed package and ran"
