#!/usr/bin/env bash
# Renders the desktop icons' PNG sizes from their SVG drawings into
# desktop/icons/png/<size>/. The PNGs are committed, so building and
# packaging need no SVG renderer; run this after changing a drawing (the
# install tests compare the PNGs with fresh renderings).
# 16 pixels has drawings of its own in desktop/icons/16/, made to sit on
# whole pixels; every other size scales the main drawing.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || { echo "render-icons: rsvg-convert is missing (run scripts/install-deps.sh)" >&2; exit 1; }

sizes=(16 22 24 32 48 64 128 256)
for svg in desktop/icons/*.svg; do
  name=$(basename "$svg" .svg)
  echo "render-icons: $name at ${sizes[*]} pixels"
  for size in "${sizes[@]}"; do
    source=$svg
    [ -f "desktop/icons/$size/$name.svg" ] && source="desktop/icons/$size/$name.svg"
    mkdir -p "desktop/icons/png/$size"
    rsvg-convert --width "$size" --height "$size" --output "desktop/icons/png/$size/$name.png" "$source"
  done
done
