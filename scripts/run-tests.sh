#!/usr/bin/env bash
# Installs what Kalvor needs on Debian 12, builds it, starts throwaway MariaDB servers under
# /tmp (one as installed, speaking TLS with a certificate made here; one with hostile SQL
# modes), runs the tests against them and removes the servers again, whatever happened.
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
server_pids=()
stop_servers() {
    local pid waited
    for pid in "${server_pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${server_pids[@]}"; do
        waited=0
        while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 600 ]; do
            sleep 0.1
            waited=$((waited + 1))
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$server_dir"
}
trap stop_servers EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

as_root=()
if [ "$(id -u)" -eq 0 ]; then
    as_root=(--user=root)
fi
# /usr/sbin is not on an ordinary user's PATH on Debian.
PATH="$PATH:/usr/sbin:/sbin"

# A random root password, shared by both servers. It goes to the client on standard input
# and to a private file, never onto a command line.
password=$(python3 -c 'import secrets, string
print("".join(secrets.choice(string.ascii_letters + string.digits) for _ in range(24)))')
# Letters and digits only, so the SQL literals below need no quoting.
[[ "$password" =~ ^[A-Za-z0-9]{24}$ ]] || { echo "Cannot make a random password" >&2; exit 1; }
(umask 077 && printf '%s\n' "$password" >"$server_dir/root.password")

# start_server NAME PORT [mariadbd options...]: a throwaway server in $server_dir/NAME with
# the socket $server_dir/NAME.sock, on 127.0.0.1:PORT.
start_server() {
    local name=$1 port=$2 dir="$server_dir/$1" socket="$server_dir/$1.sock"
    shift 2
    if ! mariadb-install-db --no-defaults "${as_root[@]}" --datadir="$dir/data" \
            --skip-test-db --skip-name-resolve --auth-root-authentication-method=normal \
            >"$server_dir/$name-install.log" 2>&1; then
        cat "$server_dir/$name-install.log" >&2
        echo "mariadb-install-db failed" >&2
        exit 1
    fi
    # Its own directory for temporary tables: nothing that cleans /tmp can take them away.
    mkdir -p "$dir/tmp"
    mariadbd --no-defaults "${as_root[@]}" --datadir="$dir/data" --socket="$socket" \
        --tmpdir="$dir/tmp" --bind-address=127.0.0.1 --port="$port" --skip-name-resolve \
        --pid-file="$dir/mariadbd.pid" --log-error="$dir/mariadbd.log" "$@" \
        </dev/null >/dev/null 2>&1 &
    local pid=$!
    server_pids+=("$pid")
    local waited=0
    until mariadb --no-defaults --socket="$socket" -uroot -e 'SELECT 1' >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 600 ]; then
            cat "$dir/mariadbd.log" >&2 || true
            echo "The throwaway database server $name did not start" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    # Only root may log in: drop the other accounts mariadb-install-db made
    # (root@<hostname>, root@::1, ...). The server quotes the names itself.
    mariadb --no-defaults --socket="$socket" -uroot -N -e "SELECT CONCAT('DROP USER ',
        QUOTE(User), '@', QUOTE(Host), ';') FROM mysql.global_priv WHERE NOT (User =
        'mariadb.sys' OR (User = 'root' AND Host IN ('localhost', '127.0.0.1')))" \
        | mariadb --no-defaults --socket="$socket" -uroot
    # The password for the socket (root@localhost) and for TCP (root@127.0.0.1, which is what
    # logins over loopback match with --skip-name-resolve).
    mariadb --no-defaults --socket="$socket" -uroot <<SQL
ALTER USER 'root'@'localhost' IDENTIFIED BY '$password';
CREATE OR REPLACE USER 'root'@'127.0.0.1' IDENTIFIED BY '$password';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
SQL
}

# make_ca NAME: a self-signed certificate authority $server_dir/NAME.pem (key NAME.key).
make_ca() {
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 \
        -subj "/CN=Kalvor test authority $1" -keyout "$server_dir/$1.key" \
        -out "$server_dir/$1.pem" 2>/dev/null
}
# The main server speaks TLS with a certificate for 127.0.0.1 and localhost, signed by the
# authority "ca"; the authority "other-ca" signed nothing the servers show.
make_ca ca
make_ca other-ca
openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -subj "/CN=127.0.0.1" -keyout "$server_dir/server.key" -out "$server_dir/server.csr" \
    2>/dev/null
printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n' \
    >"$server_dir/server.ext"
openssl x509 -req -in "$server_dir/server.csr" -CA "$server_dir/ca.pem" \
    -CAkey "$server_dir/ca.key" -set_serial 1 -days 2 -extfile "$server_dir/server.ext" \
    -out "$server_dir/server.pem" 2>/dev/null

kalvor_say "Starting throwaway database servers in $server_dir"
port=$(kalvor_free_port)
start_server main "$port" --ssl-ca="$server_dir/ca.pem" --ssl-cert="$server_dir/server.pem" \
    --ssl-key="$server_dir/server.key"
# The second server runs with the SQL modes that administrators of shared servers set and that
# break naive quoting; the tests of the connection set-up run against it too.
hostile_port=$(kalvor_free_port)
start_server hostile "$hostile_port" --sql-mode=ANSI_QUOTES,NO_BACKSLASH_ESCAPES
unset password

# The tests draw their windows off screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export KALVOR_TEST_SOCKET="$server_dir/main.sock"
export KALVOR_TEST_HOST=127.0.0.1
export KALVOR_TEST_PORT="$port"
export KALVOR_TEST_USER=root
export KALVOR_TEST_PASSWORD_FILE="$server_dir/root.password"
export KALVOR_TEST_HOSTILE_SOCKET="$server_dir/hostile.sock"
export KALVOR_TEST_HOSTILE_PORT="$hostile_port"
export KALVOR_TEST_TLS_CA="$server_dir/ca.pem"
export KALVOR_TEST_TLS_OTHER_CA="$server_dir/other-ca.pem"

status=0
if [ "${1:-}" = "--exec" ]; then
    shift
    "$@" || status=$?
else
    kalvor_say "Running the tests"
    (cd "$KALVOR_ROOT/build" && ctest --output-on-failure "$@") || status=$?
fi
exit "$status"
