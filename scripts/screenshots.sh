#!/bin/bash
# Runs the editor under a virtual display on copies of the sample game
# directory and saves pictures of its pages into docs/screenshots/:
# every page at its initial settings (Ctrl-N), then the marks of a game
# directory with a missing music file and a key both players use.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${SCREENSHOTS_DISPLAY_READY:-}" ]; then
  "$root/scripts/setup.sh" imagemagick
  "$root/scripts/build.sh"
  export SCREENSHOTS_DISPLAY_READY=1
  exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$@"
fi

title="Configure for Ringvald Ver 1.2.0 Release"
out="$root/docs/screenshots"
mkdir -p "$out"
work="$(mktemp -d)"
pid=""
trap 'kill "$pid" 2> /dev/null || true; rm -rf "$work"' EXIT

start_editor() {
  (cd "$1" && exec "$root/build/ringvald-config") > "$1.log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 600); do
    window="$(xdotool search --all --onlyvisible --pid "$pid" --name "^$title\$" 2> /dev/null |
      head -n 1)" || true
    [ -n "$window" ] && return
    sleep 0.1
  done
  echo "the editor's window did not open" >&2
  exit 1
}

press() {
  xdotool windowfocus --sync "$window"
  xdotool key "$1"
  sleep 0.5
}

# shoot <name for tab 1> <name for tab 2> ...: a picture of each tab in
# turn, "-" for a tab to pass by. Ctrl-PageDown switches tabs while the tab
# strip has the focus (inside a page the scrolled window takes it to
# scroll); a click on the first tab gives the strip the focus.
shoot() {
  xdotool mousemove --window "$window" 40 47 click 1
  sleep 0.5
  for name in "$@"; do
    if [ "$name" != "-" ]; then
      import -window "$window" "$out/$name.png"
      echo "$out/$name.png"
    fi
    press ctrl+Next
  done
}

quit_editor() {
  press ctrl+q
  wait "$pid" || true
  pid=""
}

game="$work/game"
cp -a "$root/sample/game" "$game"
start_editor "$game"
press ctrl+n
shoot 1-basic 2-net 3-control 4-match 5-manip 6-audio 7-visual 8-gym 9-think
quit_editor

# a music file gone, and the first key of the second player the same as
# the first player's ("z")
marked="$work/marked"
cp -a "$root/sample/game" "$marked"
rm "$marked/BGM/kokorogm.mid"
sed -i '/^#2P Player2 Left Offense$/{n;n;s/.*/z/}' "$marked/config.txt"
start_editor "$marked"
shoot - - marks-control - - marks-audio
quit_editor
