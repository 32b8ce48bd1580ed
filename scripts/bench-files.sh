#!/bin/bash
# File work of the editor against plain C++ streams, and pathological
# documents at one and ten times their size (Google Benchmark, under its own
# Xvfb: the document code fills real pages). Extra arguments go to the
# benchmark, e.g. scripts/bench-files.sh --benchmark_filter=GameDir
# The table at the end gives the ratios and their limits; the exit code is 1
# when one is over.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/bench-setup.sh" > /dev/null
cd "$root/build-bench"
# GTK's complaints about the narrow browse buttons go to the log, not the table
exec xvfb-run -a -s "-screen 0 1600x1200x24" ./bench/file-benchmark --benchmark_color=false \
  "$@" 2> >(grep -v -e 'Gtk-WARNING' -e '^$' >&2)
