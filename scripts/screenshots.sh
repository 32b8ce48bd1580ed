#!/bin/bash
# Runs the editor under a virtual display on a copy of the sample game
# directory, puts every page to its initial settings (Ctrl-N) and saves a
# picture of each of the nine pages into docs/screenshots/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${SCREENSHOTS_DISPLAY_READY:-}" ]; then
  "$root/scripts/setup.sh" imagemagick
  "$root/scripts/build.sh"
  export SCREENSHOTS_DISPLAY_READY=1
  exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$@"
fi

title="Configure for Ringvald Ver 1.2.0 Release"
pages=(1-basic 2-net 3-control 4-match 5-manip 6-audio 7-visual 8-gym 9-think)
out="$root/docs/screenshots"
mkdir -p "$out"

game="$(mktemp -d)"
cp -a "$root/sample/game/." "$game"
(cd "$game" && exec "$root/build/ringvald-config") > "$game.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$game" "$game.log"' EXIT

window=""
for _ in $(seq 600); do
  window="$(xdotool search --all --onlyvisible --pid "$pid" --name "^$title\$" 2> /dev/null |
    head -n 1)" || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || {
  echo "the editor's window did not open" >&2
  exit 1
}

press() {
  xdotool windowfocus --sync "$window"
  xdotool key "$1"
  sleep 0.5
}

press ctrl+n
# Ctrl-PageDown switches tabs while the tab strip has the focus; inside a
# page the scrolled window takes it to scroll. A click on the first tab
# gives the strip the focus.
xdotool mousemove --window "$window" 40 47 click 1
sleep 0.5
for page in "${pages[@]}"; do
  import -window "$window" "$out/$page.png"
  echo "$out/$page.png"
  press ctrl+Next    # the next tab
done
press ctrl+q
wait "$pid" || true
