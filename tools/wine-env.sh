# Sourced by the run and test scripts: starts one Xvfb display and one
# persistent wineserver for the whole run, in a Wine prefix of the build's
# own, and stops both on exit whatever happens. Returns non-zero (which ends
# a caller under set -e) when the display does not come up.
#   source tools/wine-env.sh BUILD_DIR

wine_env_build="$(cd "$1" && pwd)"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${wine_env_xvfb_pid:-}" ]; then kill "$wine_env_xvfb_pid" 2>/dev/null || true; wait "$wine_env_xvfb_pid" 2>/dev/null || true; fi
}

# A prefix of the build's own that no other run holds: each run locks its
# prefix for as long as it lives, and takes the next one when it is held.
wine_env_take_prefix() {
  local n prefix
  for n in "" -2 -3 -4 -5 -6 -7 -8; do
    prefix="$wine_env_build/wineprefix$n"
    exec {wine_env_lock_fd}>"$prefix.lock"
    if flock -n "$wine_env_lock_fd"; then
      export WINEPREFIX="$prefix"
      return 0
    fi
    exec {wine_env_lock_fd}>&-
  done
  echo "every Wine prefix under $wine_env_build is in use" >&2
  return 1
}

# Xvfb picks the display itself (-displayfd): it takes a number only when it
# can listen on all its sockets, the abstract one included, which every
# chroot or container on the machine's network shares even when its /tmp is
# its own. Lock files in /tmp alone cannot tell that. It writes the number
# once it accepts clients; the server must then answer before anything runs.
wine_env_start_x() {
  local log="$WINEPREFIX.xvfb.log" fd display="" i
  exec {fd}< <(exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 >/dev/null 2>"$log")
  wine_env_xvfb_pid=$!
  read -r -t 20 -u "$fd" display || true
  exec {fd}<&-
  if [ -n "$display" ]; then
    export DISPLAY=":$display"
    for i in 1 2 3 4 5 6 7 8 9 10; do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.5
    done
  fi
  echo "wine-env: Xvfb did not start or does not answer (display '${display}'); its log, $log:" >&2
  sed 's/^/  /' "$log" >&2 || true
  return 1
}

# A new prefix takes about 1.3 GB, nearly all of it the DLLs and programs
# that Wine copies in. One seed prefix per checkout and Wine version is set
# up once; every new prefix is then a copy of it whose DLLs and programs are
# hard links to the seed's (Wine only reads them), and whose other files
# (the registry, which the server rewrites in place when a file has several
# links, the .ini and .nls files) are copies of their own.
wine_env_seed="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix-seed"

wine_env_make_seed() {
  local version seed
  version=$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.\n-' '_')
  seed="$wine_env_seed-$version"
  mkdir -p "$(dirname "$seed")"
  (
    flock 9
    [ -f "$seed/.ready" ] && exit 0
    rm -rf "$wine_env_seed"-* 2>/dev/null || true   # seeds of other Wine versions
    mkdir -p "$seed"
    WINEPREFIX="$seed" wine cmd /c exit >/dev/null 2>&1 || true
    WINEPREFIX="$seed" wineserver -w   # the server saves the registry as it ends
    [ -f "$seed/system.reg" ] && touch "$seed/.ready"
  ) 9>"$wine_env_seed.lock" || return 1
  [ -f "$seed/.ready" ] && echo "$seed"
}

wine_env_prefix_from_seed() {
  local seed
  [ -f "$WINEPREFIX/system.reg" ] && return 0   # set up already
  seed=$(wine_env_make_seed) || return 0
  [ -n "$seed" ] || return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # Everything linked, then all but the DLLs and programs replaced by copies.
  if ! cp -al "$seed/." "$WINEPREFIX/" 2>/dev/null ||
     ! find "$WINEPREFIX" -type f ! -name '*.dll' ! -name '*.exe' -exec sh -c '
         for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f" || exit 1; done' sh {} +; then
    # No hard links here: the prefix sets itself up on its first start.
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
  fi
  rm -f "$WINEPREFIX/.ready"
}

wine_env_start() {
  wine_env_take_prefix
  trap wine_env_stop EXIT
  wine_env_start_x
  wine_env_prefix_from_seed
  mkdir -p "$WINEPREFIX"
  wineserver -p
  # The first start in a new prefix sets it up (about 15 s).
  wine cmd /c exit >/dev/null 2>&1 || true
}

wine_env_start
