#!/usr/bin/env bash
# A private PostgreSQL for the tests: a cluster made in FOLDER, listening only
# on a Unix socket in FOLDER (no TCP port), with no password (trust) since no
# one else can reach the socket.
#   tools/pg-test-server.sh start FOLDER   prints the connection settings
#   tools/pg-test-server.sh stop FOLDER
#   tools/pg-test-server.sh for-ctest FOLDER   unless GIUDIZI_TEST_SERVER names
#       one already (tools/test.sh starts it), starts one and writes its
#       settings to FOLDER/settings, where the tests look for them
# As root (CI) the server runs as the postgres user, which it requires.
set -euo pipefail
action="$1"
folder="$2"
bin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)"
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  as_owner() { runuser -u postgres -- "$@"; }
else
  owner="$(id -un)"
  as_owner() { "$@"; }
fi
case "$action" in
  start)
    mkdir -p "$folder"
    [ "$(id -u)" -eq 0 ] && chown postgres "$folder"
    as_owner "$bin/initdb" -D "$folder/data" -U "$owner" --auth=trust -E UTF8 \
      --locale=C.UTF-8 >"$folder/initdb.log" 2>&1
    as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -o \
      "-c listen_addresses='' -c unix_socket_directories='$folder' -c fsync=off -c max_connections=200" \
      start >/dev/null
    echo "host=$folder user=$owner dbname=postgres"
    ;;
  for-ctest)
    [ -n "${GIUDIZI_TEST_SERVER:-}" ] && exit 0
    "$0" stop "$folder"
    "$0" start "$folder" | sed 's/ dbname=postgres$//' >"$folder.settings"
    mv "$folder.settings" "$folder/settings"
    ;;
  stop)
    if [ -d "$folder/data" ]; then
      as_owner "$bin/pg_ctl" -D "$folder/data" -m fast stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
    ;;
  *)
    echo "uso: $0 start|stop CARTELLA" >&2
    exit 2
    ;;
esac
