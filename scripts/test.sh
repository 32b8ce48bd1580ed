#!/bin/bash
# Sets up, builds and runs every test (GUI tests under a virtual display).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "$root/build"
# the tests without a display run beside those that take it in turn
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure -j"$(nproc)" "$@"
