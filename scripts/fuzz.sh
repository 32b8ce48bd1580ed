#!/bin/bash
# Builds the libFuzzer target (fuzz/ConfigFuzzer.cpp) with clang into
# build-fuzz/ and runs it under a virtual display for a bounded time.
#   scripts/fuzz.sh [seconds]     default 60
# New inputs go to build-fuzz/corpus (the seeds in fuzz/corpus stay as they
# are); a finding is written to build-fuzz/artifacts/ and fails the script.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/setup.sh" clang-14 libclang-rt-14-dev

build="$root/build-fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRINGVALD_FUZZ=ON -DRINGVALD_TESTS=OFF > /dev/null
cmake --build "$build" -j"$(nproc)" --target ringvald-fuzz
mkdir -p "$build/corpus" "$build/artifacts"

# toolkit caches only, as in the sanitizer suite (tests/lsan.supp)
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS=detect_leaks=1
export G_SLICE=always-malloc NO_AT_BRIDGE=1

log="$build/fuzz.log"
status=0
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/ringvald-fuzz" \
  -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$build/corpus" "$root/fuzz/corpus" \
  > "$log" 2>&1 || status=$?
grep -v -e 'Gtk-WARNING' -e '^$' "$log" | grep -v -e "^\"" -e "^###" | tail -n 12
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
if [ "$status" -ne 0 ]; then
  echo "fuzz: a finding after ${runs:-?} executions (exit status $status); see $log and $build/artifacts/" >&2
  exit 1
fi
echo "fuzz: ${runs:-?} executions in ${seconds} s, no finding"
