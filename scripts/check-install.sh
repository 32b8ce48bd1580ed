#!/bin/bash
# Installs the built editor into a staging folder, as a package would
# (DESTDIR=<scratch> cmake --install <build> --prefix /usr), and checks that
# every installed file is in place and valid: the desktop entry
# (desktop-file-validate), the AppStream data (appstreamcli validate
# --pedantic), the manual page (man renders it without a warning), the bash
# completion (bash parses it), the icons' sizes; that the desktop entry's
# Exec and Icon and the AppStream data's desktop entry resolve to installed
# files; and that the installed program says its version.
#
#   scripts/check-install.sh [build folder]      (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr > /dev/null
usr="$stage/usr"

failed=0
check() {
  if "$@" > "$stage.out" 2>&1; then echo "ok - $*"; else
    echo "not ok - $*"
    sed 's/^/  | /' "$stage.out"
    failed=$((failed + 1))
  fi
  rm -f "$stage.out"
}

echo "installed:"
(cd "$stage" && find . -type f -printf '  /%P\n' | sort)

desktop="$(find "$usr/share/applications" -name '*.desktop')"
metainfo="$(find "$usr/share/metainfo" -name '*.metainfo.xml')"
key() { sed -n "s/^$1=//p" "$desktop"; }

check desktop-file-validate "$desktop"
check appstreamcli validate --pedantic --no-net "$metainfo"
check grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo"
# Exec: the program, installed and runnable; Icon: in the hicolor theme, scalable and in every size
check test -x "$usr/bin/$(key Exec | cut -d' ' -f1)"
icon="$(key Icon)"
check test -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg"
for size in 48 128 256; do
  check grep -q "PNG image data, $size x $size" <(file "$usr/share/icons/hicolor/${size}x$size/apps/$icon.png")
done
# the manual page: rendered, with no warning from the formatter
manual() {
  local out
  out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/ringvald-config.1.gz" 2>&1 > /dev/null)"
  [ -z "$out" ] || { echo "$out"; return 1; }
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$usr/share/man/man1/ringvald-config.1.gz" | grep -q -- '--check'
}
check manual
check bash -n "$usr/share/bash-completion/completions/ringvald-config"
version() {
  local expected
  expected="ringvald-config $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
  [ "$(env -u DISPLAY "$usr/bin/ringvald-config" --version | head -n 1)" = "$expected" ]
}
check version
[ "$failed" -eq 0 ]
