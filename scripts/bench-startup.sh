#!/bin/bash
# Start-up of the editor against the floor, side by side in one run.
#
# Under its own Xvfb, times launch to the map of the main window for
# build-bench/ringvald-config (Release) in a full game directory, and for
# bench/FloorApp (a bare wx program with the same frame, menus, status bar
# and nine empty notebook pages). One warm-up each, then RUNS runs of each
# (default 9), alternating which goes first. Prints every run, the medians,
# the ratio editor/floor of the start-up times and of the peak resident
# memory (VmHWM one second after the map, so the first paint is included).
# The CPU time both had used by the map is printed too: on a machine shared
# with other work it varies much less than the wall time.
#   scripts/bench-startup.sh            RUNS=15 scripts/bench-startup.sh
#   BENCH_EDITOR=/path/to/other/ringvald-config scripts/bench-startup.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-9}"

if [ -z "${RINGVALD_BENCH_IN_XVFB:-}" ]; then
  "$root/scripts/bench-setup.sh" > /dev/null
  export RINGVALD_BENCH_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi

build="$root/build-bench"
editor="${BENCH_EDITOR:-$build/ringvald-config}"
floor="$build/bench/floor-app"
timer="$build/bench/launch-timer"
editorTitle="Configure for Ringvald Ver 1.2.0 Release"
floorTitle="Ringvald start-up floor"

# ---------------------------------------------------------------------------
# a full game directory: the sample after the editor's own Ctrl-N and Ctrl-S
# ---------------------------------------------------------------------------
work="$(mktemp -d)"
# the editor's configuration folder (where it remembers its window) is a
# scratch one, kept from run to run as a user's is
export XDG_CONFIG_HOME="$work/config"
trap 'rm -rf "$work"' EXIT
game="$work/game"
cp -a "$root/sample/game" "$game"

(cd "$game" && exec "$editor" 2> /dev/null) &
editorPid=$!
window="$(timeout 30 xdotool search --sync --onlyvisible --name "^$editorTitle\$" | head -1)"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+n
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 50); do
  [ -s "$game/config.txt" ] && break
  sleep 0.1
done
sleep 0.5    # the list files follow config.txt
xdotool key --clearmodifiers ctrl+q
wait "$editorPid" || true

lists=(Replay/replaycf.txt Font/fontcf.txt Image/imagecf.txt BGM/bgmcf.txt SE/secf.txt
       Data/datacf.txt Data/thinkcf.txt)
for file in config.txt "${lists[@]}"; do
  if [ ! -s "$game/$file" ]; then
    echo "the editor did not write $file; cannot measure on a full game directory" >&2
    exit 1
  fi
done
echo "game directory: $(cat "$game/config.txt" "${lists[@]/#/$game/}" | wc -c) bytes in 8 files"

# ---------------------------------------------------------------------------
# the runs
# ---------------------------------------------------------------------------
# prints "<ms> <cpu ms> <peak kB>" for one launch
measure() {
  local title="$1" program="$2" line
  line="$(cd "$game" && "$timer" --settle-ms 1000 "$title" "$program" 2> /dev/null)"
  echo "$line" | sed 's/shown_ms=//; s/ cpu_ms=/ /; s/ hwm_kb=/ /; s/ rss_kb=.*//'
}

measure "$editorTitle" "$editor" > /dev/null    # warm-up: caches, fonts
measure "$floorTitle" "$floor" > /dev/null

editorTimes=() floorTimes=() editorCpus=() floorCpus=() editorPeaks=() floorPeaks=()
format='%6s %10s %10s %10s %10s %14s %14s\n'
printf "$format" run editor_ms floor_ms editor_cpu floor_cpu editor_peak_kB floor_peak_kB
for run in $(seq "$runs"); do
  if [ $((run % 2)) -eq 1 ]; then
    read -r editorMs editorCpu editorKb < <(measure "$editorTitle" "$editor")
    read -r floorMs floorCpu floorKb < <(measure "$floorTitle" "$floor")
  else
    read -r floorMs floorCpu floorKb < <(measure "$floorTitle" "$floor")
    read -r editorMs editorCpu editorKb < <(measure "$editorTitle" "$editor")
  fi
  if [ -z "$editorKb" ] || [ -z "$floorKb" ]; then
    echo "run $run: a program did not show its window" >&2
    exit 1
  fi
  editorTimes+=("$editorMs") floorTimes+=("$floorMs")
  editorCpus+=("$editorCpu") floorCpus+=("$floorCpu")
  editorPeaks+=("$editorKb") floorPeaks+=("$floorKb")
  printf "$format" "$run" "$editorMs" "$floorMs" "$editorCpu" "$floorCpu" "$editorKb" "$floorKb"
done

median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
editorMs="$(median "${editorTimes[@]}")" floorMs="$(median "${floorTimes[@]}")"
editorCpu="$(median "${editorCpus[@]}")" floorCpu="$(median "${floorCpus[@]}")"
editorKb="$(median "${editorPeaks[@]}")" floorKb="$(median "${floorPeaks[@]}")"
printf "$format" median "$editorMs" "$floorMs" "$editorCpu" "$floorCpu" "$editorKb" "$floorKb"

awk -v em="$editorMs" -v fm="$floorMs" -v ec="$editorCpu" -v fc="$floorCpu" \
    -v ek="$editorKb" -v fk="$floorKb" 'BEGIN {
  t = em / fm; c = ec / fc; m = ek / fk
  printf "start-up editor/floor: %.2fx (goal <= 1.3x) %s\n", t, (t <= 1.3 ? "ok" : "OVER")
  printf "CPU time to the window editor/floor: %.2fx\n", c
  printf "peak memory editor/floor: %.2fx (goal <= 1.15x) %s\n", m, (m <= 1.15 ? "ok" : "OVER")
}'
