#!/bin/bash
# Times the first showing of each of the nine pages under Xvfb: from the tab
# switch to the page painted, and to the event loop idle (goal: under 100 ms
# each). Builds the editor's library into build-gui/ (or the build folder
# given as BUILD), links scripts/TabTiming.cpp against it, and runs it in a
# scratch copy of the sample game directory.
#
#     scripts/tab-timing.sh [rounds]      # 5 rounds by default
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build-gui}"
rounds="${1:-5}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target editor settings > /dev/null
g++ -std=c++17 -O2 -DwxNO_IMPLICIT_WXSTRING_ENCODING -I"$root" $(wx-config --cxxflags) \
    "$root/scripts/TabTiming.cpp" "$build/libeditor.a" "$build/libsettings.a" $(wx-config --libs) \
    -o "$build/tab-timing"

game="$(mktemp -d)"
trap 'rm -rf "$game"' EXIT
cp -r "$root/sample/game/." "$game"
cd "$game"
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tab-timing" "$rounds"
