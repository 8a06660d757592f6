#!/usr/bin/env bash
# Starts the built saver with /s under Wine, with build/install/ recorded as its installation
# folder. On a display it runs until a click or a key ends it. With no display it runs in a
# virtual one until the game is on the screen, leaves a screenshot and ends everything it started.
# Usage: run-saver.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
prefix="$build/wineprefix-run"
if [ ! -f "$prefix/.glimbrook-ready" ]; then
  rm -rf "$prefix"
  cp -a "$build/wineprefix" "$prefix"
fi
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Wine session takes the display it starts with: end any left from an earlier run, so the first
# call below starts one on the display chosen here.
wineserver -k >/dev/null 2>&1 || true

record_install_path() {
  local dir
  dir=$(winepath -w "$build/install" 2>/dev/null | tr -d '\r')
  wine reg add 'HKCU\Software\VB and VBA Program Settings\Tarvo Glimbrook Screen Saver\Config' \
    /v install_path /d "${dir%\\}\\" /f >/dev/null 2>&1
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  record_install_path
  echo "Starting the saver on $DISPLAY: click or press a key to end it."
  wine "$build/install/glimbrook.scr" /s
  wineserver -w
  exit 0
fi

# No display: a virtual one, started before the first Wine call.
width=1024 height=768
shot="$build/run-screenshot.png"
rm -f "$shot"
display_file=$(mktemp)
exec 5>"$display_file"
# -noreset: a display that resets when its last client leaves drops a client connecting meanwhile.
Xvfb -displayfd 5 -screen 0 ${width}x${height}x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
exec 5>&-
saver=""
cleanup() {
  set +e
  [ -n "$saver" ] && kill "$saver" 2>/dev/null
  wineserver -k >/dev/null 2>&1
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -f "$display_file" "$shot.tmp.png"
  return 0
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
if [ ! -s "$display_file" ]; then
  echo "run-saver: the virtual display (Xvfb) did not start." >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$display_file")"
echo "No display: running the saver on a virtual one ($DISPLAY) until the game is on the screen."
record_install_path
wine "$build/install/glimbrook.scr" /s >/dev/null 2>&1 &
saver=$!

fail() {
  echo "run-saver: $1" >&2
  exit 1
}

# The window first, then the game in it: the field (black empty cells in its bottom rows) centred
# on the screen and the backdrop in the corners.
deadline=$((SECONDS + 60))
until xdotool search --onlyvisible --name '^screen saver running$' >/dev/null 2>&1; do
  kill -0 "$saver" 2>/dev/null || fail "the saver ended before its window appeared."
  [ $SECONDS -lt $deadline ] || fail "the saver window did not appear within 60 s."
  sleep 0.5
done
pixel() { convert "$shot.tmp.png" -format "%[pixel:p{$1,$2}]" info: 2>/dev/null; }
is_black() { case "$(pixel "$1" "$2")" in black | srgb\(0,0,0\) | rgb\(0,0,0\)) return 0 ;; esac; return 1; }
fx=$((width / 2 - 320)) fy=$((height / 2 - 240))
deadline=$((SECONDS + 60))
while :; do
  if import -window root "$shot.tmp.png" 2>/dev/null && is_black $((fx + 5)) $((fy + 470)) &&
    is_black $((fx + 635)) $((fy + 470)) && ! is_black 2 2 &&
    ! is_black $((width - 3)) $((height - 3)); then
    break
  fi
  kill -0 "$saver" 2>/dev/null || fail "the saver ended before the game was drawn."
  [ $SECONDS -lt $deadline ] || fail "the saver window appeared but the game was not drawn within 60 s."
  sleep 0.5
done
mv "$shot.tmp.png" "$shot"
echo "Screenshot of the running saver: $shot"
