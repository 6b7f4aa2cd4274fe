#!/usr/bin/env bash
# Runs the host check of the Microsoft-ABI build under Wine with Wine's heap
# checking on, and prints its closing "N passed, N failed" line.
#   bash tools/test-msvc.sh [BUILD_DIR]      (default build/msvc)
# The caller sets up Wine (WINEPREFIX, DISPLAY, a running wineserver), e.g.
# with tools/wine-env.sh. Fails on a failed check, a crash, a missing closing
# line or any heap warning or error from Wine.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/msvc}"
exe="$build/bin/host_check.exe"
if [ ! -f "$exe" ]; then
  echo "test-msvc: $exe is missing; run 'bash tools/build-msvc.sh' first" >&2
  exit 1
fi

output="$(cd "$build/bin" && WINEDEBUG=-all,warn+heap,err+heap timeout 600 wine host_check.exe 2>&1 | tr -d '\r')"
status=$?
closing="$(printf '%s\n' "$output" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)"

problem=""
if [ "$status" -ne 0 ]; then problem="host check exited with status $status"; fi
if printf '%s\n' "$output" | grep -qE '(warn|err):heap'; then problem="Wine reported heap errors"; fi
if [ -z "$closing" ]; then problem="host check printed no closing line"; fi

if [ -n "$problem" ]; then
  printf '%s\n' "$output"
  echo "test-msvc: FAILED: $problem" >&2
  exit 1
fi
echo "msvc host check: $closing"

# The minimal example host, built in Microsoft mode against the installed
# headers and Tessaro.lib, runs and closes itself.
if ! (cd "$build/bin" && timeout 120 wine minimal.exe --auto-close >/dev/null 2>&1); then
  echo "test-msvc: FAILED: the Microsoft-mode example host did not run" >&2
  exit 1
fi
echo "msvc example host: built against the installed package and ran"
