#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build, run and test;
# with "server", also the PostgreSQL server the tests and benchmarks start
# privately (a teacher's computer needs only the client library).
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PACKAGES=(cmake ninja-build g++ ccache qt6-base-dev libqt6sql6-sqlite libgl-dev
          fonts-liberation2 poppler-utils libbenchmark-dev libsqlite3-dev
          qt6-translations-l10n desktop-file-utils dpkg-dev file python3
          libsodium-dev pkg-config libpq-dev libqt6sql6-psql)
if [ "${1:-}" = "server" ]; then PACKAGES+=(postgresql); fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
