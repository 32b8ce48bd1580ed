#!/bin/bash
# Builds the editor and its tests into build/ (the editor is build/ringvald-config).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINGVALD_TESTS=ON > /dev/null
cmake --build build -j"$(nproc)"
