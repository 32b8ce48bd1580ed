#!/bin/bash
# Installs the Debian packages that building, running and testing need,
# and any further packages named as arguments (scripts/fuzz.sh names clang).
# With --run first, only what building and running the editor needs
# (scripts/run.sh). Does nothing when they are all there already.
set -euo pipefail

# building and running
packages=(
  cmake g++ make
  libwxgtk3.2-dev
  libgtk-3-dev pkg-config    # controls/GtkAccess calls GTK and ATK
  fonts-noto-cjk             # the window's texts are Japanese (English where the desktop is)
  gettext                    # msgfmt compiles the catalogs, xgettext extracts the texts to translate
)
if [ "${1:-}" = --run ]; then
  shift
else
  # testing
  packages+=(
    libgtest-dev googletest
    xvfb xauth
    xdotool                         # the end-to-end test presses keys in the real window
    desktop-file-utils appstream    # the installed files are validated
    man-db file
    dpkg-dev                        # the package's dependencies (dpkg-shlibdeps)
  )
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
