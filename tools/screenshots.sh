#!/usr/bin/env bash
# Makes the README's pictures from the program itself, offscreen on a
# 1366 x 768 screen (tests/tst_screens.cpp walks every window).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build-ci}"
cmake --build "$build" --target tst_screens >/dev/null
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
(cd "$shots" && GIUDIZI_SCREENSHOTS="$shots" LC_ALL=C.UTF-8 \
   QT_QPA_PLATFORM="offscreen:configfile=$here/tests/screen-1366x768.json" \
   "$build/tests/tst_screens" >/dev/null)
mkdir -p "$here/docs"
for name in Fgiudix2 Farchiv2 FStampaFoglio; do
  cp "$shots/$name.png" "$here/docs/$name.png"
done
echo "pictures in docs/"
