#!/bin/bash
# Runs the editor under a virtual display on copies of the sample game
# directory and saves pictures of its window into docs/screenshots/:
# every page at its initial settings (Ctrl-N) at the size the window opens
# with, and three of them in English; then a game directory with a missing
# music file and a key both players use, whose marks are shown in the
# default theme and in Adwaita:dark; one page with large text (GDK_DPI_SCALE=1.5); and one page
# in a window of 1280 x 960. The editor remembers nothing here: its
# configuration folder is a scratch one.
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

# start_editor <game directory> [environment...]: waits for the window
# titled $wanted (by default the main window)
start_editor() {
  local game="$1" candidate
  shift
  (cd "$game" && exec env XDG_CONFIG_HOME="$work/config" "$@" "$root/build/ringvald-config") \
    > "$game.log" 2>&1 &
  pid=$!
  window=""
  for _ in $(seq 600); do
    for candidate in $(xdotool search --all --onlyvisible --pid "$pid" 2> /dev/null); do
      [ "$(xdotool getwindowname "$candidate")" = "${wanted:-$title}" ] && window="$candidate"
    done
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "the editor's window did not open" >&2
    exit 1
  fi
  # the pointer away from the window, so that no tooltip shows
  xdotool mousemove 1599 1199
  sleep 0.5
}

press() {
  xdotool windowfocus --sync "$window"
  xdotool key "$1"
  sleep 0.5
}

# shoot <name for tab 1> <name for tab 2> ...: a picture of each tab in
# turn, "-" for a tab to pass by (Ctrl-PageDown goes to the next tab)
shoot() {
  for name in "$@"; do
    if [ "$name" != "-" ]; then
      import -window "$window" "$out/$name.png"
      echo "$out/$name.png $(identify -format '%wx%h' "$out/$name.png")"
    fi
    press ctrl+Next
  done
}

quit_editor() {
  press ctrl+q
  wait "$pid" || true
  pid=""
  rm -rf "$work/config"
}

game="$work/game"
cp -a "$root/sample/game" "$game"
start_editor "$game"
press ctrl+n
shoot 1-basic 2-net 3-control 4-match 5-manip 6-audio 7-visual 8-gym 9-think
quit_editor

# in English: three pages at the initial settings
start_editor "$game" LANG=en_US.UTF-8
press ctrl+n
shoot en-1-basic - - en-4-match en-5-manip
quit_editor

# larger text: the basic page, with the most captions and lists
start_editor "$game" GDK_DPI_SCALE=1.5
shoot large-text-basic
quit_editor

# a large window: the image page, whose paths take the room
start_editor "$game"
xdotool windowmove --sync "$window" 0 0
xdotool windowsize --sync "$window" 1280 960
sleep 0.5
shoot - - - - - - large-window-visual
quit_editor

# a music file gone, and the first key of the second player the same as
# the first player's ("z"): the marks, in the default theme and a dark one
marked="$work/marked"
cp -a "$root/sample/game" "$marked"
rm "$marked/BGM/kokorogm.mid"
sed -i '/^#2P Player2 Left Offense$/{n;n;s/.*/z/}' "$marked/config.txt"
start_editor "$marked"
shoot - - marks-control - - marks-audio
quit_editor
start_editor "$marked" GTK_THEME=Adwaita:dark
shoot - - dark-marks-control - - dark-marks-audio
quit_editor

# the question for the game folder that a start outside one asks, after two
# games were opened, at normal and large text
mkdir -p "$work/home" "$work/config/ringvald-config" "$work/Ringvald 1.1"
printf '[GameFolders]\nfile1=%s\nfile2=%s\n' "$game" "$work/Ringvald 1.1" > "$work/config/ringvald-config/window.conf"
for scale in 1 1.5; do
  name=folder-question
  [ "$scale" = 1 ] || name=large-text-folder-question
  wanted="ゲームフォルダの選択" start_editor "$work/home" GDK_DPI_SCALE=$scale
  import -window "$window" "$out/$name.png"
  echo "$out/$name.png $(identify -format '%wx%h' "$out/$name.png")"
  press Escape
  wait "$pid" || true
  pid=""
done
