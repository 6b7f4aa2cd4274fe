# Sourced by the run and test scripts: starts one Xvfb display and one
# persistent wineserver for the whole run, in a Wine prefix of the build's
# own, and stops both on exit whatever happens.
#   source tools/wine-env.sh BUILD_DIR

wine_env_build="$(cd "$1" && pwd)"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"

# A display number nobody uses (no lock file, no socket).
wine_env_free_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return 0; fi
  done
  return 1
}

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

wine_env_start() {
  wine_env_take_prefix
  local display
  display=$(wine_env_free_display) || { echo "no free X display" >&2; return 1; }
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  wine_env_xvfb_pid=$!
  export DISPLAY=":$display"
  local i
  for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  trap wine_env_stop EXIT
  mkdir -p "$WINEPREFIX"
  wineserver -p
  # The first start in a new prefix sets it up (about 15 s).
  wine cmd /c exit >/dev/null 2>&1 || true
}

wine_env_start
