#!/bin/bash
# Builds the Debian package of the editor from a build folder (cpack -G DEB;
# its dependencies come from the program's shared libraries, through
# dpkg-shlibdeps), shows it (dpkg-deb -I, -c), installs it with apt-get as
# a user would, and runs the installed program: --version, and --check on
# the sample game directory, which must find nothing. CI runs it on its
# clean machine; the package is removed again afterwards unless it was
# installed before.
#
#   scripts/check-package.sh [build folder]      (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$root/build}")"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

rm -f "$build"/ringvald-config_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
package="$(ls "$build"/ringvald-config_*.deb)"
dpkg-deb -I "$package"
dpkg-deb -c "$package" | awk '!/^d/ {print "  " $6}'

installed_before=0
dpkg-query -W -f='${Status}' ringvald-config 2> /dev/null | grep -q "install ok installed" && installed_before=1
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$package" > /dev/null
[ "$installed_before" -eq 1 ] ||
  trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq ringvald-config > /dev/null' EXIT

program="$(dpkg -L ringvald-config | grep -x '/usr/bin/ringvald-config')"
env -u DISPLAY "$program" --version
env -u DISPLAY "$program" --check "$root/sample/game"
echo "ok - the package installs, and its program checks the sample game directory"
