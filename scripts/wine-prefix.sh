#!/usr/bin/env bash
# Makes a 32-bit Wine prefix with the settings that a headless run needs, once; later calls
# return at once. Usage: wine-prefix.sh DIR
set -euo pipefail
dir=$(realpath -m "$1")
[ -f "$dir/.glimbrook-ready" ] && exit 0
rm -rf "$dir"
mkdir -p "$dir"
export WINEPREFIX="$dir" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || true
wineserver -w
# This Wine does not pick up the fonts of its data folder by itself; without them the dialogs
# get a substitute for "MS Sans Serif" and the title bars lose their close-box glyph.
fonts="$dir/drive_c/windows/Fonts"
mkdir -p "$fonts"
for d in /usr/share/wine/fonts /usr/lib/wine/../../share/wine/fonts; do
  [ -d "$d" ] && cp -n "$d"/* "$fonts"/ 2>/dev/null || true
done
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$dir/.glimbrook-ready"
