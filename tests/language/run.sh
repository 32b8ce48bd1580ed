#!/bin/bash
# The language the built program speaks, chosen from the environment as
# gettext chooses it (LANGUAGE's list first, unless the locale is C; then
# LC_ALL, LC_MESSAGES, LANG; any language without a catalog gets English),
# whether or not the system has that locale. Seen in what --check says of a
# game directory whose strategy list is missing; with no display.
#
#   tests/language/run.sh <path to ringvald-config> <build folder>
#
# Also: the catalog found by the program built (<build>/locale) and by the
# program installed (<prefix>/bin and <prefix>/share/locale, cmake --install).
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 <path to ringvald-config> <build folder>" >&2; exit 2; }
editor="$(realpath "$1")"
build="$(realpath "$2")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -a "$root/sample/game" "$work/game"
rm "$work/game/Data/thinkcf.txt"

japanese="作戦設定ファイルが異常です (strategy settings file is invalid)"
english=": The strategy list file is invalid"

failed=0
# expect <program> <language: ja or en> LANGUAGE LC_ALL LC_MESSAGES LANG
expect() {
  local program="$1" language="$2" said wanted
  said="$(env -u DISPLAY LANGUAGE="$3" LC_ALL="$4" LC_MESSAGES="$5" LANG="$6" "$program" --check "$work/game" || true)"
  wanted="$japanese"
  [ "$language" = en ] && wanted="$english"
  if grep -qF "$wanted" <<< "$said"; then
    echo "ok - $language: LANGUAGE=$3 LC_ALL=$4 LC_MESSAGES=$5 LANG=$6"
  else
    echo "not ok - $language: LANGUAGE=$3 LC_ALL=$4 LC_MESSAGES=$5 LANG=$6; it said:"
    sed 's/^/  | /' <<< "$said" | head -n 3
    failed=$((failed + 1))
  fi
}

#                  LANGUAGE LC_ALL  LC_MESSAGES LANG
expect "$editor" ja ""      ""      ""          ""
expect "$editor" ja ""      ""      ""          C
expect "$editor" ja en      ""      ""          POSIX
expect "$editor" ja en      ""      ""          C.UTF-8
expect "$editor" ja ""      ""      ""          ja_JP.UTF-8
expect "$editor" ja ""      ""      ""          ja@kana
expect "$editor" en ""      ""      ""          en_US.UTF-8
expect "$editor" en ""      ""      ""          fr_FR
expect "$editor" ja fr:ja   ""      ""          de_DE
expect "$editor" ja ja      ""      ""          en_GB
expect "$editor" en en:ja   ""      ""          ja_JP.UTF-8
expect "$editor" ja ""      C       ""          en_US.UTF-8
expect "$editor" ja ""      ""      ja_JP       en_US.UTF-8
expect "$editor" en ""      en_US   ja_JP       ""
expect "$editor" ja ""      ""      C           en_US.UTF-8

# installed: the program in <prefix>/bin, its catalog where the install puts it
cmake --install "$build" --prefix "$work/prefix" > /dev/null
[ -f "$work/prefix/share/locale/en/LC_MESSAGES/ringvald-config.mo" ] ||
  { echo "not ok - the install left no share/locale/en/LC_MESSAGES/ringvald-config.mo"; failed=$((failed + 1)); }
expect "$work/prefix/bin/ringvald-config" en "" "" "" en_US.UTF-8

[ "$failed" -eq 0 ]
