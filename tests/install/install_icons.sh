#!/usr/bin/env bash
# The committed PNG icons are renderings of the current drawings, in
# exactly the sizes the install rules install: a drawing changed without
# running scripts/render-icons.sh fails here.
# Usage: install_icons.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v rsvg-convert >/dev/null || { echo "SKIP: needs rsvg-convert"; exit 77; }
command -v compare >/dev/null || { echo "SKIP: needs ImageMagick"; exit 77; }

icons=$1/desktop/icons
# shellcheck source=/dev/null
source "$2/desktop/install-names.sh"
work=$(mktemp -d /tmp/brask-icons.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "-- the PNG folders are the installed sizes: $ICON_SIZES"
found=$(find "$icons/png" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort -n | tr '\n' ' ')
[ "$found" = "$ICON_SIZES " ] || fail "desktop/icons/png has the sizes $found"

for drawing in "$icons"/*.svg; do
  name=$(basename "$drawing" .svg)
  echo "-- $name: each PNG matches its drawing"
  for size in $ICON_SIZES; do
    source=$drawing
    [ -f "$icons/$size/$name.svg" ] && source=$icons/$size/$name.svg
    committed=$icons/png/$size/$name.png
    [ -f "$committed" ] || fail "no $committed"
    rsvg-convert --width "$size" --height "$size" --output "$work/fresh.png" "$source"
    # Another renderer version may round an edge pixel differently; a
    # changed drawing moves whole shapes.
    differing=$(compare -metric AE -fuzz 4% "$committed" "$work/fresh.png" null: 2>&1 || true)
    [ "$differing" = "0" ] || fail "$committed differs from $(basename "$source") rendered at $size pixels ($differing pixels; run scripts/render-icons.sh)"
  done
done
# Every PNG has a drawing.
for png in "$icons"/png/*/*.png; do
  [ -f "$icons/$(basename "$png" .png).svg" ] || fail "$png has no drawing"
done
echo "PASS"
