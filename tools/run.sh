#!/usr/bin/env bash
# Sets up the machine, draws the default skin if needed, builds everything and
# shows the gallery.
#   bash tools/run.sh                 screenshot mode: runs the gallery under
#                                     Wine on a private display and writes
#                                     gallery.png (controls page),
#                                     gallery-indicators.png,
#                                     gallery-sliders.png,
#                                     gallery-lists.png,
#                                     gallery-text.png,
#                                     gallery-wheel.png,
#                                     gallery-tables.png and
#                                     gallery-popup.png (the pop-up open
#                                     over the controls page) at the
#                                     repository root
#   bash tools/run.sh --interactive   opens the gallery on $DISPLAY for a person
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

interactive=0
for arg in "$@"; do
  case "$arg" in
    --interactive) interactive=1 ;;
    --screenshot) interactive=0 ;;
    *) echo "usage: bash tools/run.sh [--interactive]" >&2; exit 2 ;;
  esac
done

bash tools/setup.sh

# The skin is drawn in code; draw it again when it is missing or when its
# generator changed since.
skin=skins/default/default.tsk
redraw=0
[ -f "$skin" ] && [ -f skins/default/DefaultSkin.h ] || redraw=1
for f in tools/mkskin/*; do [ "$f" -nt "$skin" ] && redraw=1; done
if [ "$redraw" = 1 ]; then bash tools/mkskin/make-skin.sh; fi

bash tools/build.sh

build="$root/build/mingw"
gallery="$build/bin/gallery.exe"
if [ ! -f "$gallery" ]; then
  echo "run: $gallery was not built (is demo/ part of the build?)" >&2
  exit 1
fi

if [ "$interactive" = 1 ]; then
  if [ -z "${DISPLAY:-}" ]; then
    echo "run: --interactive needs a display (DISPLAY is not set)" >&2
    exit 1
  fi
  export WINEPREFIX="$build/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG="${WINEDEBUG:--all}"
  mkdir -p "$WINEPREFIX"
  echo "run: the gallery is open on $DISPLAY; close it with Esc"
  exec wine "$gallery" "$root/$skin"
fi

# Screenshot mode: a private display and wineserver, stopped on exit. One
# picture per gallery page: gallery.png (the controls),
# gallery-indicators.png, gallery-sliders.png, gallery-lists.png,
# gallery-text.png, gallery-wheel.png and gallery-tables.png; and
# gallery-popup.png, the
# controls page with the pop-up open.
source tools/wine-env.sh "$build"
# Wine sees the Linux file system as drive Z:.
to_windows() { printf 'Z:%s' "${1//\//\\}"; }
pictures=()
for page in controls indicators sliders lists text wheel tables popup; do
  picture="$root/gallery.png"
  [ "$page" = controls ] || picture="$root/gallery-$page.png"
  shot="$build/gallery-$page-screenshot.bmp"
  rm -f "$shot"
  options=(--page "$page")
  [ "$page" = popup ] && options=(--page controls --popup)
  timeout 180 wine "$gallery" "$(to_windows "$root/$skin")" "${options[@]}" --screenshot "$(to_windows "$shot")"
  if [ ! -s "$shot" ]; then
    echo "run: the gallery wrote no screenshot of its $page page" >&2
    exit 1
  fi
  convert "$shot" "$picture"
  pictures+=("$picture")
done
printf '%s\n' "${pictures[@]}"
