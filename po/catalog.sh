#!/bin/bash
# The texts to translate and their catalogs.
#
#   po/catalog.sh template [FILE]   extracts every marked text of the sources into
#                                   the template (po/ringvald-config.pot by default)
#   po/catalog.sh check             every catalog complete: each text the sources
#                                   mark is translated, none fuzzy, every format
#                                   as in the source
#
# A translator adds a language as po/<language>.po, from the template
# (msginit -i po/ringvald-config.pot -l <language>); the build compiles it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

template() {
  local out="$1"
  cd "$root"
  # _() and wxPLURAL translate where they stand, wxTRANSLATE marks a text
  # translated where it is used; the texts are wide literals (L"...")
  find app controls pages settings -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
    xgettext --files-from=- --output="$out" --language=C++ --from-code=UTF-8 \
      --keyword=_ --keyword=wxTRANSLATE --keyword=wxPLURAL:1,2 --add-comments=TRANSLATORS: \
      --package-name=ringvald-config --msgid-bugs-address=ringvald-config --sort-by-file
}

check() {
  local work po failed=0 statistics
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' RETURN
  template "$work/current.pot"
  # xgettext takes only the first of the pieces L"a" L"b" of a text broken
  # over lines: the catalog would miss the whole text
  if grep -rPzo --include='*.cpp' --include='*.h' '(\b_|wxTRANSLATE|wxPLURAL)\(L"(?:[^"\\\n]|\\.)*"\s*L"' \
    "$root"/app "$root"/controls "$root"/pages "$root"/settings | tr '\0' '\n'; then
    echo "a marked text is broken into L\"...\" pieces, which xgettext does not join: make it one literal"
    failed=1
  fi
  for po in "$root"/po/*.po; do
    statistics="$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$po" 2>&1)" || {
      echo "$po: $statistics"; failed=1; continue; }
    echo "$(basename "$po"): $statistics"
    if grep -qE 'untranslated|fuzzy' <<< "$statistics"; then failed=1; fi
    # every text marked in the sources is in the catalog, and translated
    LC_ALL=C msgcmp "$po" "$work/current.pot" || failed=1
  done
  return $failed
}

# A template whose texts did not change keeps its creation date, so that
# making it again changes no file.
update_template() {
  local out="$1" fresh
  fresh="$(mktemp)"
  template "$fresh"
  if [ -f "$out" ] && diff -q <(grep -v '^"POT-Creation-Date:' "$out") \
                             <(grep -v '^"POT-Creation-Date:' "$fresh") > /dev/null; then
    rm -f "$fresh"
  else
    cat "$fresh" > "$out"
    rm -f "$fresh"
  fi
}

case "${1:-}" in
  template) update_template "$(realpath -m "${2:-$root/po/ringvald-config.pot}")" ;;
  check) check ;;
  *) echo "usage: $0 template [FILE] | check" >&2; exit 2 ;;
esac
