#!/bin/bash
# Installs what the benchmarks need on top of the build's own packages, and
# builds the editor and the benchmarks in Release into build-bench/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

packages=(
  xdotool         # drives the editor's own Ctrl-N / Ctrl-S to fill the game directory
  x11-utils
  libx11-dev      # the launch timer watches the X server for the window's map
  libbenchmark-dev
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DRINGVALD_BENCH=ON > /dev/null
cmake --build "$root/build-bench" -j2 --target ringvald-config floor-app launch-timer file-benchmark
