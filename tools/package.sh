#!/usr/bin/env bash
# Builds the Debian package from an optimised (Release) build and checks it:
# build-release/giudizi_VERSION_ARCH.deb, ready for `sudo apt install ./...`.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DGIUDIZI_BUILD_TESTS=OFF >/dev/null
cmake --build "$here/build-release"
bash "$here/tools/check-package.sh" "$here/build-release"
