#!/usr/bin/env bash
# Installs what is needed, builds in Release mode and starts the program in its
# working folder (default ~/Giudizi, which then holds pergiudix/).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGIUDIZI_BUILD_TESTS=OFF
cmake --build "$here/build-release"
workdir="${GIUDIZI_HOME:-$HOME/Giudizi}"
mkdir -p "$workdir"
cd "$workdir"
exec "$here/build-release/giudizi" --cartella "$workdir"
