#!/bin/bash
# Renders the program's icon, data/icons/ringvald-config.svg, into the PNGs
# of 48, 128 and 256 pixels beside it (data/icons/<size>/). The PNGs are
# committed, so building needs no SVG renderer: run this after changing the
# drawing, and commit what it wrote. The window's icon is built from them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" librsvg2-bin
cd "$root/data/icons"
for size in 48 128 256; do
  mkdir -p "$size"
  rsvg-convert --width "$size" --height "$size" ringvald-config.svg --output "$size/ringvald-config.png"
done
