#!/usr/bin/env bash
# The benchmarks of the archive on the school server, on a private PostgreSQL
# started for them and stopped at the end (see bench/bench_server.cpp).
# Arguments go to the benchmark (e.g. --benchmark_repetitions=5).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/tools/install-deps.sh" server
cmake -S "$here" -B "$here/build-rel" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DGIUDIZI_BUILD_BENCH=ON >/dev/null
cmake --build "$here/build-rel" --target bench_server
pg="$(mktemp -d /tmp/giudizi-pg.XXXXXX)"
trap 'bash "$here/tools/pg-test-server.sh" stop "$pg"' EXIT
GIUDIZI_BENCH_SERVER="$(bash "$here/tools/pg-test-server.sh" start "$pg" | sed 's/ dbname=postgres$//')" \
    "$here/build-rel/bench/bench_server" "$@"
