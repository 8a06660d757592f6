#!/usr/bin/env bash
# Installs what building and testing need, on Debian 12; only what is missing, quietly.
set -euo pipefail
pkgs=(cmake g++ make libgtest-dev g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
      wine wine32:i386 fonts-wine xvfb xauth xdotool x11-utils imagemagick python3 file sox)
missing=()
for p in "${pkgs[@]}"; do
  if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null | cut -c1-2)" != "ii" ]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
