#!/usr/bin/env bash
# Redraws the attestato emblem: tools/emblem.py writes the SVG, rsvg-convert
# (Debian librsvg2-bin) renders the 59 x 67 px picture the program prints at
# 72 dpi (about 21 x 24 mm). Both files are kept in the source tree.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/src/screens/attestato"
python3 "$here/tools/emblem.py" > "$out/emblema.svg"
rsvg-convert -w 59 -h 67 "$out/emblema.svg" -o "$out/emblema.png"
