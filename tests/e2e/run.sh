#!/bin/bash
# End-to-end test of the real editor: starts the built ringvald-config in a
# scratch copy of the sample game directory under a display, drives it with
# real key presses (xdotool) and looks at the files it leaves behind.
#
#   tests/e2e/run.sh <path to ringvald-config>
#
# 1. Over a copy of the golden files, Ctrl-N Ctrl-5 Ctrl-3 Ctrl-S Ctrl-1
#    Ctrl-Q must leave config.txt and the seven list files equal to
#    tests/e2e/golden/ byte for byte. (Ctrl-3 puts back what Ctrl-5 changed
#    except the two skip switches; Ctrl-1 after the save shows whether Ctrl-Q
#    saved.) The settings tests take the initial settings' files from there
#    too (DocumentTest, ListsTest). The same under LANG=ja_JP.UTF-8 and
#    LANG=en_US.UTF-8: the files never change with the language.
# 2. A save cut short by the file-size limit (ulimit -f below the size of
#    config.txt) leaves every file as it was, and leaves no temporary file.
# 3. Started without config.txt, or with a list file missing, then closed:
#    every file is what the initial settings (and the rest as read) write.
# 4. Started in a folder that is no game folder, the game folder is asked
#    for first: cancelled, nothing is written; the one opened last, opened.
# Damaged game directories are loaded by the settings tests (DocumentTest,
# with no display). Without a display it runs itself under xvfb-run.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 <path to ringvald-config>" >&2; exit 2; }
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$@"
fi
command -v xdotool > /dev/null || {
  echo "xdotool is missing (scripts/setup.sh installs it)" >&2
  exit 2
}

editor="$(realpath "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
golden="$here/golden"
title="Configure for Ringvald Ver 1.2.0 Release"
files=(config.txt Replay/replaycf.txt Font/fontcf.txt Image/imagecf.txt BGM/bgmcf.txt
  SE/secf.txt Data/datacf.txt Data/thinkcf.txt)

work="$(mktemp -d)"
# the editor remembers its window in a scratch folder, not the user's
export XDG_CONFIG_HOME="$work/config"
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2> /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

failed=0
run() {
  if "$@"; then echo "ok - $*"; else echo "not ok - $*"; failed=$((failed + 1)); fi
}

# ---------------------------------------------------------------------------
# driving the editor
# ---------------------------------------------------------------------------

# start_editor <game dir> [file-size limit in KiB] [LANG]: starts the editor
# in the directory (in the C locale by default) and waits for its window;
# sets pid and window. Its output goes through a pipe, so that the size
# limit does not reach the log.
start_editor() {
  local dir="$1" limit="${2:-unlimited}" language="${3:-C}"
  log="$dir.log"
  for _ in 1 2; do
    (cd "$dir" && ulimit -f "$limit" &&
      exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$language" "$editor") > >(cat > "$log") 2>&1 &
    pid=$!
    window=""
    for _ in $(seq 600); do
      window="$(window_titled "${wanted_title:-$title}")"
      [ -n "$window" ] && break
      kill -0 "$pid" 2> /dev/null || break
      sleep 0.1
    done
    [ -n "$window" ] && break
    kill -0 "$pid" 2> /dev/null && break    # running without a window
    # A busy shared display now and then refuses a connection; that is
    # not the editor's doing, so it gets one more start.
    wait "$pid" || true
    sleep 0.2    # the log's writer finishes
    grep -q "Unable to initialize GTK" "$log" || break
    echo "  (the display refused the connection; starting again)"
  done
  if [ -z "$window" ]; then
    echo "  the window did not open; the editor said:"
    tail -n 20 "$log" | sed 's/^/  | /'
    return 1
  fi
  xdotool windowfocus --sync "$window"
  sleep 0.3
}

# the editor's shown window of that title (xdotool's own search by name
# cannot match a title that is not Latin-1)
window_titled() {
  local candidate
  for candidate in $(xdotool search --all --onlyvisible --pid "$pid" 2> /dev/null); do
    [ "$(xdotool getwindowname "$candidate" 2> /dev/null)" = "$1" ] && echo "$candidate" && return
  done
  true
}

keys() {
  local key
  for key in "$@"; do
    xdotool windowfocus --sync "$window"
    xdotool key "$key"
    sleep 0.2
  done
}

# waits for the editor to end; fails unless it ends with status 0
expect_exit_zero() {
  local status=0
  timeout 30 tail --pid="$pid" -s 0.1 -f /dev/null || { echo "  the editor did not end"; kill "$pid"; }
  wait "$pid" || status=$?
  pid=""
  if [ "$status" -ne 0 ]; then
    echo "  the editor ended with status $status; it said:"
    tail -n 20 "$log" | sed 's/^/  | /'
    return 1
  fi
}

# ---------------------------------------------------------------------------
# the tests
# ---------------------------------------------------------------------------

# check_files <game dir> [extra]: every file equals its golden file with the
# extra text after it
check_files() {
  local dir="$1" extra="${2:-}" file ok=0
  for file in "${files[@]}"; do
    { cat "$golden/$file"; printf '%s' "$extra"; } > "$work/expected"
    cmp -s "$work/expected" "$dir/$file" && continue
    echo "  $file differs from what was expected:"
    diff -u "$work/expected" "$dir/$file" 2>&1 | head -n 20 | sed 's/^/  | /'
    ok=1
  done
  return $ok
}

# a copy of the sample game directory holding the golden files with a
# comment line that any save of the editor drops
new_game_with_kept_files() {
  local dir="$work/$1" file
  cp -a "$root/sample/game" "$dir"
  for file in "${files[@]}"; do
    { cat "$golden/$file"; echo "#kept"; } > "$dir/$file"
  done
  echo "$dir"
}

test_keys_write_the_golden_files() {
  local dir language
  for language in C ja_JP.UTF-8 en_US.UTF-8; do
    echo "  LANG=$language"
    dir="$(new_game_with_kept_files "keys-$language")"
    start_editor "$dir" unlimited "$language" &&
      keys ctrl+n ctrl+5 ctrl+3 ctrl+s ctrl+1 ctrl+q &&
      expect_exit_zero &&
      check_files "$dir" || return 1
  done
}

# Ctrl-E closes, and closing saves: the editor only ends once that save ran
test_save_under_file_size_limit_keeps_every_file() {
  local dir limit
  dir="$(new_game_with_kept_files limited)"
  # in KiB, below the size of the document that the save writes
  limit=$(($(stat -c %s "$golden/config.txt") / 1024 - 1))
  [ "$limit" -ge 1 ] || return 1
  start_editor "$dir" "$limit" && keys ctrl+e && expect_exit_zero &&
    check_files "$dir" $'#kept\n' || return 1
  if [ -n "$(find "$dir" -name '.*.ringvald-save')" ]; then
    echo "  a temporary file was left: $(find "$dir" -name '.*.ringvald-save')"
    return 1
  fi
}

# without config.txt the editor starts from the initial settings, so that
# closing writes a working game directory
test_start_without_config_then_close() {
  local dir="$work/noconfig"
  cp -a "$root/sample/game" "$dir"
  rm "$dir/config.txt"
  start_editor "$dir" && keys ctrl+5 ctrl+3 ctrl+e && expect_exit_zero && check_files "$dir"
}

# a list file that cannot be read gets its initial entries; every other
# value and list is read and written back
test_missing_list_then_close() {
  local dir
  dir="$(new_game_with_kept_files nolist)"
  rm "$dir/Replay/replaycf.txt"
  start_editor "$dir" && keys ctrl+e && expect_exit_zero && check_files "$dir"
}

# ---------------------------------------------------------------------------

# Started with no GAME_DIR in a folder that is no game folder (as from a
# desktop's menu, in the home folder), the first window is the question for
# the game folder. Escape cancels it: the editor ends with 0, and that
# folder, the configuration folder and the home folder are exactly as they
# were.
question="ゲームフォルダの選択"
listing() { find "$@" -printf '%p %y %s %m %T@\n' 2> /dev/null | sort; }
test_outside_a_game_cancelling_the_question_writes_nothing() {
  local dir="$work/home" before
  mkdir -p "$dir/BGM" && echo notes > "$dir/notes.txt"
  rm -rf "$XDG_CONFIG_HOME"
  before="$(listing "$dir" "$XDG_CONFIG_HOME" "$HOME")"
  wanted_title="$question" start_editor "$dir" && keys Escape && expect_exit_zero || return 1
  [ "$(listing "$dir" "$XDG_CONFIG_HOME" "$HOME")" = "$before" ] || {
    echo "  something changed:"
    diff <(echo "$before") <(listing "$dir" "$XDG_CONFIG_HOME" "$HOME") | sed 's/^/  | /'
    return 1
  }
}

# The game folder opened last is offered first: Enter opens it, and closing
# there (Ctrl-E) saves there, not in the folder the editor was started in.
test_outside_a_game_enter_opens_the_game_folder_opened_last() {
  local dir="$work/home2" game before
  game="$(new_game_with_kept_files remembered)"
  mkdir -p "$dir" "$XDG_CONFIG_HOME/ringvald-config"
  printf '[GameFolders]\nfile1=%s\nfile2=%s\n' "$game" "$work" > "$XDG_CONFIG_HOME/ringvald-config/window.conf"
  before="$(listing "$dir")"
  wanted_title="$question" start_editor "$dir" && keys Return && sleep 1 &&
    window="$(window_titled "$title")" && [ -n "$window" ] && keys ctrl+e && expect_exit_zero && check_files "$game" && [ "$(listing "$dir")" = "$before" ] &&
    grep -qx "file1=$game" "$XDG_CONFIG_HOME/ringvald-config/window.conf"
}

run test_keys_write_the_golden_files
run test_save_under_file_size_limit_keeps_every_file
run test_start_without_config_then_close
run test_missing_list_then_close
run test_outside_a_game_cancelling_the_question_writes_nothing
run test_outside_a_game_enter_opens_the_game_folder_opened_last
[ "$failed" -eq 0 ]
