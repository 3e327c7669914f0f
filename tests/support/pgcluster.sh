#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Olvar developers
# SPDX-License-Identifier: MIT

# A throw-away PostgreSQL cluster for the tests.
#
#   pgcluster.sh start STATEFILE   initdb into a fresh temporary folder, start the server
#                                  there (Unix socket in that folder, no TCP) and write
#                                  the connection string for it into STATEFILE
#   pgcluster.sh stop STATEFILE    stop that server and remove its folder
#
# The server refuses to run as root, so under root the cluster belongs to an
# unprivileged system user (postgres, or OLVAR_PG_USER). Where no server can
# start, STATEFILE says why instead and the PostgreSQL tests skip, except under
# CI=true, where this script fails.
set -uo pipefail

action=${1:-}
state=${2:-}
[ -n "$action" ] && [ -n "$state" ] || { sed -n '5,15p' "$0"; exit 2; }

bindir=${OLVAR_PG_BINDIR:-}
if [ -z "$bindir" ]; then
    for candidate in /usr/lib/postgresql/*/bin; do
        [ -x "$candidate/initdb" ] && bindir=$candidate
    done
fi

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u "$owner" -- "$@"
    else
        "$@"
    fi
}

unavailable() {
    echo "unavailable: $*" >"$state"
    echo "pgcluster: $*" >&2
    [ "${CI:-}" = "true" ] && exit 1
    exit 0
}

case "$action" in
start)
    rm -f "$state"
    [ -n "$bindir" ] || unavailable "no PostgreSQL server is installed (initdb not found)"
    owner=${OLVAR_PG_USER:-postgres}
    if [ "$(id -u)" -eq 0 ] && ! id "$owner" >/dev/null 2>&1; then
        useradd --system --no-create-home --shell /usr/sbin/nologin "$owner" 2>/dev/null \
            || unavailable "no unprivileged user '$owner' to run the server as"
    fi
    dir=$(mktemp -d /tmp/olvar-pg.XXXXXX) || unavailable "cannot make a temporary folder"
    chmod 755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown "$owner" "$dir"
    # The port only names the socket file, so any number will do; one per cluster.
    port=$((20000 + RANDOM % 20000))
    # Logins need the password, so that a wrong one is refused as on a real server.
    password=olvar-test
    echo "$password" >"$dir/password"
    [ "$(id -u)" -eq 0 ] && chown "$owner" "$dir/password"
    export PGPASSWORD=$password
    if ! as_owner "$bindir/initdb" -D "$dir/data" -U olvar -A scram-sha-256 --pwfile="$dir/password" -E UTF8 \
        --locale=C.UTF-8 >"$dir/initdb.log" 2>&1; then
        cat "$dir/initdb.log" >&2
        rm -rf "$dir"
        unavailable "initdb failed"
    fi
    if ! as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-k $dir -p $port -c listen_addresses= -c fsync=off -c max_connections=60" start >/dev/null; then
        cat "$dir/server.log" >&2
        rm -rf "$dir"
        unavailable "the server did not start"
    fi
    if ! PGPASSWORD=$password as_owner "$bindir/psql" -h "$dir" -p "$port" -U olvar -d postgres -qAt \
        -c "CREATE DATABASE olvar_test" >/dev/null \
        || ! PGPASSWORD=$password as_owner "$bindir/psql" -h "$dir" -p "$port" -U olvar -d olvar_test -qAt \
            -c "CREATE EXTENSION citext" >/dev/null; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null
        rm -rf "$dir"
        unavailable "cannot create the test database"
    fi
    printf 'Provider=PostgreSQL;Host=%s;Port=%s;Database=olvar_test;User ID=olvar;Password=%s\n%s\n%s\n' \
        "$dir" "$port" "$password" "$dir" "$bindir" >"$state"
    echo "pgcluster: started in $dir (port $port)"
    ;;
stop)
    [ -f "$state" ] || exit 0
    dir=$(sed -n 2p "$state")
    owner=${OLVAR_PG_USER:-postgres}
    if [ -n "$dir" ] && [ -d "$dir/data" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 \
            || as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1
        rm -rf "$dir"
    fi
    rm -f "$state"
    ;;
*)
    sed -n '5,15p' "$0"
    exit 2
    ;;
esac
