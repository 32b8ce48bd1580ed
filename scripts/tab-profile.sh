#!/bin/bash
# Counts the instructions of the first showing of pages, from the tab switch
# to the event loop idle, under callgrind. Unlike the times of tab-timing.sh,
# the count is the same from run to run whatever else the machine is doing,
# so it tells whether a change made a page cheaper.
#
#     scripts/tab-profile.sh 5            # one page (tab 1 to 9)
#     scripts/tab-profile.sh 2 5 8        # each in a run of its own
#
# Each profile is kept as build-bench/tab-<n>.callgrind for callgrind_annotate.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
[ $# -gt 0 ] || set -- 2 3 4 5 6 7 8 9

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRINGVALD_BENCH=ON > /dev/null
cmake --build "$build" -j2 --target tab-timing > /dev/null

game="$(mktemp -d)"
trap 'rm -rf "$game"' EXIT
cp -r "$root/sample/game/." "$game"
cd "$game"
for tab in "$@"; do
  out="$build/tab-$tab.callgrind"
  count=$(xvfb-run -a -s "-screen 0 1600x1200x24" \
            valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*TimeSwitch*' \
            "$build/bench/tab-timing" 1 "$tab" 2>&1 | sed -n 's/.*Collected : *//p' | tail -1)
  printf 'tab %d   %s instructions\n' "$tab" "$(sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<< "$count")"
done
