#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests: a new cluster in a new folder
# that listens only on a Unix socket in that folder, with the superuser
# tspx_admin and no password. The server refuses to run as root, so as root
# it runs as the user postgres (or nobody), in a folder that user owns.
#   scripts/test-server.sh start         prints the folder (the socket's) and port
#   scripts/test-server.sh stop FOLDER   stops the server and removes the folder
set -euo pipefail
action="${1:?start or stop}"
port=5432

bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
  echo "test-server.sh: no PostgreSQL server binaries (Debian package postgresql)" >&2
  exit 3
fi

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    local user=postgres
    id "$user" >/dev/null 2>&1 || user=nobody
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

case "$action" in
start)
  folder="$(mktemp -d "${TMPDIR:-/tmp}/tspx-pg.XXXXXX")"
  if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$folder"
    if id postgres >/dev/null 2>&1; then chown postgres "$folder"; else chown nobody "$folder"; fi
  fi
  as_owner "$bindir/initdb" -D "$folder/data" -U tspx_admin -A trust --no-sync \
    -E UTF8 --locale=C >"$folder/initdb.log" 2>&1
  as_owner "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
    -o "-c listen_addresses='' -k $folder -p $port -c fsync=off -c max_connections=200" \
    start >/dev/null
  echo "$folder $port"
  ;;
stop)
  folder="${2:?the folder start printed}"
  [ -f "$folder/data/postmaster.pid" ] &&
    as_owner "$bindir/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
  case "$folder" in */tspx-pg.*) rm -rf "$folder" ;; esac
  ;;
*)
  echo "test-server.sh: start or stop" >&2
  exit 2
  ;;
esac
