#!/bin/bash
# Times the first showing of each of the nine pages under Xvfb: from the tab
# switch to the page painted, and to the event loop idle (goal: under 50 ms
# each). Builds bench/TabTiming.cpp in Release into build-bench/ and runs it
# in a scratch copy of the sample game directory.
#
#     scripts/tab-timing.sh [rounds]      # 5 rounds by default
#
# With --instructions, counts under callgrind the instructions of each first
# showing, from the switch to the event loop idle, each page in a run of its
# own. Unlike the times, the counts are the same from run to run whatever
# else the machine is doing, so they tell whether a change made a page
# cheaper. Each profile is kept as build-bench/tab-<n>.callgrind.
#
#     scripts/tab-timing.sh --instructions [tab ...]    # tabs 2 to 9 by default
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
screen=(-a -s "-screen 0 1600x1200x24")

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRINGVALD_BENCH=ON > /dev/null
cmake --build "$build" -j2 --target tab-timing > /dev/null

game="$(mktemp -d)"
trap 'rm -rf "$game"' EXIT
cp -r "$root/sample/game/." "$game"
cd "$game"

if [ "${1:-}" != "--instructions" ]; then
  exec xvfb-run "${screen[@]}" "$build/bench/tab-timing" "${1:-5}"
fi
shift
[ $# -gt 0 ] || set -- 2 3 4 5 6 7 8 9
for tab in "$@"; do
  out="$build/tab-$tab.callgrind"
  count=$(xvfb-run "${screen[@]}" \
            valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*TimeSwitch*' \
            "$build/bench/tab-timing" 1 "$tab" 2>&1 | sed -n 's/.*Collected : *//p' | tail -1)
  printf 'tab %d   %s instructions\n' "$tab" "$(sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<< "$count")"
done
