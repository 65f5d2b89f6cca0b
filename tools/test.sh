#!/usr/bin/env bash
# Installs what is needed, builds with warnings as errors and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/tools/install-deps.sh" server
cmake -S "$here" -B "$here/build-ci" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGIUDIZI_WERROR=ON \
      -DGIUDIZI_BUILD_BENCH=ON
cmake --build "$here/build-ci" -j2
# The tests that run on the school server use a private PostgreSQL, started
# here and stopped whatever happens.
pg="$(mktemp -d /tmp/giudizi-pg.XXXXXX)"
trap 'bash "$here/tools/pg-test-server.sh" stop "$pg"' EXIT
export GIUDIZI_TEST_SERVER="$(bash "$here/tools/pg-test-server.sh" start "$pg" | sed 's/ dbname=postgres$//')"
cd "$here/build-ci"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
bash "$here/tools/check-package.sh" "$here/build-ci"
