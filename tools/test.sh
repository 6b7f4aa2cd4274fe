#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash tools/setup.sh
bash tools/build.sh

status=0
source tools/wine-env.sh "$root/build/mingw"
(cd build/mingw && ctest --output-on-failure -j2) || status=1
exit $status
