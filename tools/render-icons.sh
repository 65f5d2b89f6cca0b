#!/usr/bin/env bash
# Renders the program's icon (desktop/icons/giudizi.svg) to the PNG sizes the
# desktop menus use; the PNGs are kept in the source tree. Needs rsvg-convert
# (Debian librsvg2-bin).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$here/desktop/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$here/desktop/icons/giudizi.svg" \
      -o "$here/desktop/icons/${size}x${size}/giudizi.png"
done
