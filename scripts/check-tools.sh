#!/usr/bin/env bash
# Says in one line what a build tree needs and cannot find, before CMake is run for it.
# Usage: check-tools.sh native|cross. Exit 0 when everything is there, 1 otherwise.
set -uo pipefail
missing=() packages=()
need() { # command, and the Debian package that brings it
  command -v "$1" >/dev/null 2>&1 && return
  missing+=("$1")
  [[ " ${packages[*]} " == *" $2 "* ]] || packages+=("$2")
}
need cmake cmake
case "${1:-}" in
  native)
    need "${CC:-cc}" gcc
    cxx=${CXX:-c++}
    need "$cxx" g++
    # GoogleTest is looked for by the compiler itself, so a copy outside the system is found too.
    if command -v "$cxx" >/dev/null 2>&1 &&
       ! echo '#include <gtest/gtest.h>' | "$cxx" -E -x c++ - >/dev/null 2>&1; then
      missing+=("GoogleTest") packages+=(libgtest-dev)
    fi ;;
  cross)
    need i686-w64-mingw32-gcc g++-mingw-w64-i686-win32
    need i686-w64-mingw32-g++ g++-mingw-w64-i686-win32
    need i686-w64-mingw32-windres binutils-mingw-w64-i686 ;;
  *) echo "usage: $0 native|cross" >&2; exit 2 ;;
esac
[ ${#missing[@]} -eq 0 ] && exit 0
join() { local IFS=,; echo "$*" | sed 's/,/, /g'; }
echo "make: the $1 build cannot find $(join "${missing[@]}") (Debian: $(join "${packages[@]}"));" \
     "'make setup' installs what is missing ('make test' and 'make run' install what they" \
     "need themselves)" >&2
exit 1
