#!/usr/bin/env bash
# Two runs at once must each get an X server of their own, also when one has
# a /tmp of its own but shares the machine's network, as a chroot or
# container does. Starts both through tools/wine-env.sh (the second in a
# private mount namespace with a tmpfs on /tmp), starts Wine in each, and
# checks by a window of each run that neither reaches the other's
# server. Exit 0 when both runs pass.
#   bash tools/display-check.sh [BUILD_DIR]   (Wine prefixes in BUILD_DIR/display-check)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Waits up to 2 min for a file in the shared directory.
wait_for() { local i; for i in $(seq 1200); do [ -e "$1" ] && return 0; sleep 0.1; done; return 1; }

if [ "${1:-}" = --one ]; then   # --one NAME OTHER DIR: one of the two runs
  name=$2 other=$3 dir=$4
  source tools/wine-env.sh "$dir"
  # A window named after this run, kept open (Xvfb resets when its last
  # client leaves) until the other run has looked for it.
  xev -name "tessaro-check-$name" >/dev/null 2>&1 & xev=$!
  wait_for_window() { local i; for i in $(seq 100); do xwininfo -name "$1" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
  wait_for_window "tessaro-check-$name" || { echo "display-check: $name: no window on $DISPLAY" >&2; exit 1; }
  touch "$dir/$name.marked"
  wait_for "$dir/$other.marked" || { echo "display-check: $name: run $other never came up" >&2; exit 1; }
  timeout 120 wine cmd /c exit || { echo "display-check: $name: Wine did not start on $DISPLAY" >&2; exit 1; }
  shared=0; xwininfo -name "tessaro-check-$other" >/dev/null 2>&1 && shared=1
  touch "$dir/$name.checked"
  wait_for "$dir/$other.checked" || true   # keep this window up while the other looks
  kill "$xev"
  if [ "$shared" = 1 ]; then
    echo "display-check: $name on $DISPLAY sees the window of $other: they share an X server" >&2
    exit 1
  fi
  echo "display-check: $name on $DISPLAY: its own X server, Wine started"
  exit 0
fi

dir="$(cd "${1:-build/mingw}" && pwd)/display-check"
mkdir -p "$dir"
rm -f "$dir"/*.marked "$dir"/*.checked
# Each run leaves a mark when it ends, so a failed run does not keep the
# other waiting: "gone" counts as marked and checked.
run() { local name=$1 rc=0; shift; "$@" || rc=$?; touch "$dir/$name.marked" "$dir/$name.checked"; return $rc; }
run host bash tools/display-check.sh --one host private "$dir" & host=$!
# The private run gets an empty /tmp of its own. When the checkout itself
# lies under /tmp, the old /tmp is kept reachable through a bind mount first
# and the checkout is mounted back at its own path.
old_tmp=$(mktemp -d /run/tessaro-display-check.XXXXXX 2>/dev/null || mktemp -d /var/tmp/tessaro-display-check.XXXXXX)
trap 'rm -f "$dir"/*.marked "$dir"/*.checked; rmdir "$old_tmp" 2>/dev/null || true' EXIT
run private unshare --mount sh -c '
  set -e
  mount --bind /tmp "$1"
  mount -t tmpfs tmpfs /tmp
  case "$2" in
    /tmp/*) mkdir -p "$2"; mount --bind "$1/${2#/tmp/}" "$2" ;;
  esac
  cd "$2"
  shift 2
  exec "$@"' sh "$old_tmp" "$root" bash tools/display-check.sh --one private host "$dir" & private=$!
status=0
wait "$host" || status=1
wait "$private" || status=1
[ "$status" = 0 ] || echo "display-check: FAILED" >&2
exit $status
