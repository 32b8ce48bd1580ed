#!/bin/bash
# Sets up, builds and starts the editor.
#   scripts/run.sh               on a fresh copy of the sample game directory
#   scripts/run.sh <game dir>    on that game directory (its files get written)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "ringvald-config needs a graphical display (DISPLAY is not set); run it from a desktop session, or under xvfb-run." >&2
  exit 1
fi

# only what running needs: the editor is built without its tests, unless
# build/ was set up by the test command (then it keeps them, and is not
# configured anew each time one command follows the other)
"$root/scripts/setup.sh" --run
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -f "$root/build/CMakeCache.txt" ] || options+=(-DRINGVALD_TESTS=OFF)
cmake -S "$root" -B "$root/build" "${options[@]}" > /dev/null
cmake --build "$root/build" -j"$(nproc)" --target ringvald-config

if [ $# -ge 1 ]; then
  game="$1"
else
  # the sample stays untouched: the editor works on a copy made each time
  game="$root/scratch/game"
  rm -rf "$game"
  mkdir -p "$root/scratch"
  cp -a "$root/sample/game" "$game"
  echo "editing a copy of the sample game directory: $game"
fi

exec "$root/build/ringvald-config" "$game"
