#!/usr/bin/env bash
# Runs one end-to-end test file several times, several at once, each run in its own build folder
# with its own copy of the prepared Wine prefix (a symlinked one would be shared and spoiled), as
# on a busy machine. CPUS (a taskset list, e.g. 0,1) confines every run to those processors.
#   tools/e2e/side_by_side.sh tests/e2e/test_saver.py RUNS AT_ONCE [OUT [UNITTEST ARGS...]]
set -u
[ $# -ge 3 ] || { echo "usage: $0 TEST.py RUNS AT_ONCE [OUT [UNITTEST ARGS...]]" >&2; exit 2; }
src=$(cd "$(dirname "$0")/../.." && pwd)
test=$(realpath "$1"); runs=$2; at_once=$3
out=$(realpath -m "${4:-$src/build/side-by-side}")
shift $(($# < 4 ? $# : 4)); args=("$@")
build=${GLIMBROOK_BUILD_DIR:-$src/build}
[ -d "$build/wineprefix" ] || { echo "no prepared prefix in $build (make prefix)" >&2; exit 2; }
rm -rf "$out"; mkdir -p "$out"
one() {
  local d=$out/run$1
  mkdir -p "$d" && cp -a "$build/wineprefix" "$d/wineprefix"
  ln -s "$build/cross" "$d/cross"  # only read: the sound probe links against its libraries
  GLIMBROOK_BUILD_DIR=$d GLIMBROOK_INSTALL_DIR=$build/install GLIMBROOK_SOURCE_DIR=$src \
    ${CPUS:+taskset -c "$CPUS"} python3 "$test" "${args[@]}" >"$d/log" 2>&1
  echo "run $1: exit $?" >>"$out/results"
  rm -rf "$d/wineprefix"  # about 600 MB a run; the log and screenshots stay
}
for i in $(seq 1 "$runs"); do
  one "$i" &
  while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do sleep 1; done
done
wait
sort -V "$out/results"
failed=$(grep -vc 'exit 0$' "$out/results")
echo "$((runs - failed)) passed, $failed failed (logs in $out)"
[ "$failed" -eq 0 ]
