#!/usr/bin/env bash
# Starts the built saver with /s under Wine, with build/install/ recorded as its installation
# folder. On a display it runs until a click or a key ends it; with no display it runs for a few
# seconds in a virtual one and leaves a screenshot.  Usage: run-saver.sh BUILD_DIR [SECONDS]
set -euo pipefail
build=$(realpath "$1")
seconds=${2:-8}
prefix="$build/wineprefix-run"
if [ ! -f "$prefix/.glimbrook-ready" ]; then
  rm -rf "$prefix"
  cp -a "$build/wineprefix" "$prefix"
fi
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
install_dir=$(winepath -w "$build/install" 2>/dev/null | tr -d '\r')
wine reg add 'HKCU\Software\VB and VBA Program Settings\Tarvo Glimbrook Screen Saver\Config' \
  /v install_path /d "${install_dir%\\}\\" /f >/dev/null 2>&1

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting the saver on $DISPLAY: click or press a key to end it."
  wine "$build/install/glimbrook.scr" /s
  wineserver -w
  exit 0
fi

exec 5>"$build/run-display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$build/run-display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$build/run-display")"
echo "No display: running the saver for $seconds seconds on a virtual one ($DISPLAY)."
wine "$build/install/glimbrook.scr" /s &
saver=$!
sleep "$seconds"
shot="$build/run-screenshot.png"
import -window root "$shot"
kill $saver 2>/dev/null || true
echo "Screenshot of the running saver: $shot"
