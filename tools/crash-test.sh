#!/usr/bin/env bash
# Kills a saving copy of the program 1,000 times (or $1 times), and a restoring
# copy 200 times (or $2 times), at random moments and checks the archive after
# each kill; then, with the archive on a private PostgreSQL server, kills a
# saving copy 200 times (or $3 times) and checks the server's archive
# (tests/tst_crash_safety.cpp).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/tools/install-deps.sh" server
cmake -S "$here" -B "$here/build-ci" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$here/build-ci" --target tst_crash_safety
GIUDIZI_CRASH_KILLS="${1:-1000}" GIUDIZI_CRASH_RESTORES="${2:-200}" QT_QPA_PLATFORM=offscreen \
    "$here/build-ci/tests/tst_crash_safety" -maxwarnings 0
pg="$(mktemp -d /tmp/giudizi-pg.XXXXXX)"
trap 'bash "$here/tools/pg-test-server.sh" stop "$pg"' EXIT
GIUDIZI_TEST_SERVER="$(bash "$here/tools/pg-test-server.sh" start "$pg" | sed 's/ dbname=postgres$//')" \
GIUDIZI_TEST_ENGINE=server GIUDIZI_CRASH_SERVER_KILLS="${3:-200}" QT_QPA_PLATFORM=offscreen \
    "$here/build-ci/tests/tst_crash_safety" -maxwarnings 0
