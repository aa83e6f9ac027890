#!/usr/bin/env bash
# Installs what Kalvor needs on Debian 12, builds it, starts a throwaway MariaDB server under
# /tmp, runs the tests against it and removes the server again, whatever happened.
#
#   ./scripts/run-tests.sh                 all tests
#   ./scripts/run-tests.sh -R kalvoradmin  arguments go to ctest
#   ./scripts/run-tests.sh --exec CMD ...  runs CMD instead of ctest (e.g. one test binary
#                                          with a QtTest function name) with the server up
# The exit code is that of ctest (or CMD).
set -euo pipefail

KALVOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$KALVOR_ROOT/scripts/common.sh"

kalvor_install_packages
kalvor_build

server_dir=$(mktemp -d /tmp/kalvor-test.XXXXXX)
server_pid=
stop_server() {
    if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
        kill -TERM "$server_pid" 2>/dev/null || true
        local waited=0
        while kill -0 "$server_pid" 2>/dev/null && [ "$waited" -lt 600 ]; do
            sleep 0.1
            waited=$((waited + 1))
        done
        kill -KILL "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$server_dir"
}
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

as_root=()
if [ "$(id -u)" -eq 0 ]; then
    as_root=(--user=root)
fi
# /usr/sbin is not on an ordinary user's PATH on Debian.
PATH="$PATH:/usr/sbin:/sbin"

kalvor_say "Starting a throwaway database server in $server_dir"
if ! mariadb-install-db --no-defaults "${as_root[@]}" --datadir="$server_dir/data" \
        --skip-test-db --skip-name-resolve --auth-root-authentication-method=normal \
        >"$server_dir/install.log" 2>&1; then
    cat "$server_dir/install.log" >&2
    echo "mariadb-install-db failed" >&2
    exit 1
fi
port=$(kalvor_free_port)
socket="$server_dir/s.sock"
mariadbd --no-defaults "${as_root[@]}" --datadir="$server_dir/data" --socket="$socket" \
    --bind-address=127.0.0.1 --port="$port" --skip-name-resolve \
    --pid-file="$server_dir/mariadbd.pid" --log-error="$server_dir/mariadbd.log" \
    </dev/null >/dev/null 2>&1 &
server_pid=$!

waited=0
until mariadb --no-defaults --socket="$socket" -uroot -e 'SELECT 1' >/dev/null 2>&1; do
    if ! kill -0 "$server_pid" 2>/dev/null || [ "$waited" -ge 600 ]; then
        cat "$server_dir/mariadbd.log" >&2 || true
        echo "The throwaway database server did not start" >&2
        exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
done

# Only root may log in: drop the other accounts mariadb-install-db made (root@<hostname>,
# root@::1, ...). The server quotes the names itself.
mariadb --no-defaults --socket="$socket" -uroot -N -e "SELECT CONCAT('DROP USER ', QUOTE(User),
    '@', QUOTE(Host), ';') FROM mysql.global_priv WHERE NOT (User = 'mariadb.sys'
    OR (User = 'root' AND Host IN ('localhost', '127.0.0.1')))" \
    | mariadb --no-defaults --socket="$socket" -uroot

# A random root password, for the socket (root@localhost) and for TCP (root@127.0.0.1, which
# is what logins over loopback match with --skip-name-resolve). It goes to the client on
# standard input and to a private file, never onto a command line.
password=$(python3 -c 'import secrets, string
print("".join(secrets.choice(string.ascii_letters + string.digits) for _ in range(24)))')
# Letters and digits only, so the SQL literal below needs no quoting.
[[ "$password" =~ ^[A-Za-z0-9]{24}$ ]] || { echo "Cannot make a random password" >&2; exit 1; }
(umask 077 && printf '%s\n' "$password" >"$server_dir/root.password")
mariadb --no-defaults --socket="$socket" -uroot <<SQL
ALTER USER 'root'@'localhost' IDENTIFIED BY '$password';
CREATE OR REPLACE USER 'root'@'127.0.0.1' IDENTIFIED BY '$password';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
SQL
unset password

# The tests draw their windows off screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export KALVOR_TEST_SOCKET="$socket"
export KALVOR_TEST_HOST=127.0.0.1
export KALVOR_TEST_PORT="$port"
export KALVOR_TEST_USER=root
export KALVOR_TEST_PASSWORD_FILE="$server_dir/root.password"

status=0
if [ "${1:-}" = "--exec" ]; then
    shift
    "$@" || status=$?
else
    kalvor_say "Running the tests"
    (cd "$KALVOR_ROOT/build" && ctest --output-on-failure "$@") || status=$?
fi
exit "$status"
