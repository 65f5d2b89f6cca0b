#!/usr/bin/env bash
# Builds the Debian package from a build folder (default build-ci), checks its
# menu entry with desktop-file-validate, unpacks it into a clean folder root
# (dpkg -x) and starts the unpacked program offscreen up to its first window.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build-ci}"
cd "$build"
cpack -G DEB >/dev/null
package="$(ls -t giudizi_*.deb | head -1)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
desktop-file-validate "$root/usr/share/applications/giudizi.desktop"
for size in 16 22 24 32 48 64 128 256; do
  test -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/giudizi.png"
done
test -f "$root/usr/share/icons/hicolor/scalable/apps/giudizi.svg"
depends="$(dpkg-deb -f "$package" Depends)"
for needed in libqt6widgets6 libsqlite3 libsodium23 libpq5 fonts-liberation2 libqt6sql6-sqlite libqt6sql6-psql; do
  case "$depends" in *"$needed"*) ;; *) echo "missing dependency $needed: $depends" >&2; exit 1;; esac
done
first="$(GIUDIZI_EXIT_AFTER_START=1 QT_QPA_PLATFORM=offscreen \
         "$root/usr/bin/giudizi" --cartella "$root/lavoro")"
test "$first" = "Favvio" || { echo "first window: '$first'" >&2; exit 1; }
test -f "$root/lavoro/pergiudix/Valutazioni.mdb"
echo "package $package: menu entry valid, $(echo "$depends" | tr ',' '\n' | wc -l) dependencies, starts to Favvio"
