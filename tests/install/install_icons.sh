#!/usr/bin/env bash
# The committed PNG icons are renderings of the current drawings, in exactly
# the installed sizes: a drawing changed without scripts/render-icons.sh
# fails here. Usage: install_icons.sh SOURCE BUILD
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v rsvg-convert >/dev/null && command -v compare >/dev/null || { echo "SKIP: needs rsvg-convert"; exit 77; }
icons=$1/desktop/icons
# shellcheck source=/dev/null
source "$2/desktop/install-names.sh"
work=$(mktemp -d /tmp/brask-icons.XXXXXX)
trap 'rm -rf "$work"' EXIT
[ "$(find "$icons/png" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort -n | xargs)" = "$ICON_SIZES" ] \
  || fail "desktop/icons/png does not hold exactly the sizes $ICON_SIZES"
for png in "$icons"/png/*/*.png; do
  size=$(basename "$(dirname "$png")") name=$(basename "$png" .png)
  drawing=$icons/$name.svg
  [ -f "$icons/$size/$name.svg" ] && drawing=$icons/$size/$name.svg
  [ -f "$drawing" ] || fail "$png has no drawing"
  rsvg-convert --width "$size" --height "$size" --output "$work/fresh.png" "$drawing"
  # Another renderer may round an edge pixel otherwise; a changed drawing
  # moves whole shapes.
  differing=$(compare -metric AE -fuzz 4% "$png" "$work/fresh.png" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "$png is not $drawing at $size pixels; run scripts/render-icons.sh"
done
for drawing in "$icons"/*.svg; do
  for size in $ICON_SIZES; do [ -f "$icons/png/$size/$(basename "$drawing" .svg).png" ] || fail "no $size-pixel $drawing"; done
done
echo "PASS"
