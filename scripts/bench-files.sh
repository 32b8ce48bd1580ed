#!/bin/bash
# File work of the settings library against plain C++ streams, and
# pathological documents at one and ten times their size (Google Benchmark;
# no display). Builds the benchmark in Release into build-bench/ and runs it;
# extra arguments go to the benchmark, e.g.
#   scripts/bench-files.sh --benchmark_filter=GameDir
# The table at the end gives the ratios and their limits; the exit code is 1
# when one is over.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# libx11-dev: the bench folder also builds the start-up benchmark's launch timer
"$root/scripts/setup.sh" libbenchmark-dev libx11-dev > /dev/null
cmake -S "$root" -B "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DRINGVALD_BENCH=ON > /dev/null
cmake --build "$root/build-bench" -j2 --target file-benchmark > /dev/null
cd "$root/build-bench"
exec env -u DISPLAY ./bench/file-benchmark --benchmark_color=false "$@"
