#!/bin/bash
# Builds the editor and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there under
# a virtual display. Any sanitizer report fails the test it happens in.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINGVALD_SANITIZE=ON > /dev/null
cmake --build "$root/build-asan" -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:check_initialization_order=1:strict_string_checks=1
# toolkit caches only; see the file
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# GLib's slice allocator hides frees from the leak checker; the
# accessibility bridge keeps a D-Bus connection open until the process ends
export G_SLICE=always-malloc NO_AT_BRIDGE=1

cd "$root/build-asan"
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --output-on-failure "$@"
