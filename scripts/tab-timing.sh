#!/bin/bash
# Times the first showing of each of the nine pages under Xvfb: from the tab
# switch to the page painted, and to the event loop idle (goal: under 50 ms
# each). Builds bench/TabTiming.cpp in Release into build-bench/ and runs it
# in a scratch copy of the sample game directory.
#
#     scripts/tab-timing.sh [rounds]      # 5 rounds by default
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
rounds="${1:-5}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRINGVALD_BENCH=ON > /dev/null
cmake --build "$build" -j2 --target tab-timing > /dev/null

game="$(mktemp -d)"
trap 'rm -rf "$game"' EXIT
cp -r "$root/sample/game/." "$game"
cd "$game"
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/bench/tab-timing" "$rounds"
