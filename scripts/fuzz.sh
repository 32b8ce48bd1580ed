#!/bin/bash
# Builds the libFuzzer target (fuzz/ConfigFuzzer.cpp) with clang into
# build-fuzz/ and runs it for a bounded time. It needs no display: it goes
# through the settings library alone.
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

export ASAN_OPTIONS=detect_leaks=1

log="$build/fuzz.log"
status=0
env -u DISPLAY "$build/ringvald-fuzz" \
  -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/" "$build/corpus" "$root/fuzz/corpus" \
  > "$log" 2>&1 || status=$?
grep -v -e '^$' -e '^"' -e '^###' "$log" | tail -n 12
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
if [ "$status" -ne 0 ]; then
  echo "fuzz: a finding after ${runs:-?} executions (exit status $status); see $log and $build/artifacts/" >&2
  exit 1
fi
echo "fuzz: ${runs:-?} executions in ${seconds} s, no finding"
