#!/usr/bin/env bash
# The first command of the README on a clean machine, without its build: a fresh home whose
# private server is set up and filled with the demo federation, Kalvor shown logged in as root
# (offscreen), and a second start that keeps the data and installs no demo over it.
#   tst_start.sh SOURCE_DIR BIN_DIR
set -euo pipefail
source_dir=$1
bin=$2

work=$(mktemp -d /tmp/kalvor-start.XXXXXX)
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
server_dir=$XDG_DATA_HOME/Kalvor/local-server
cleanup() {
    "$bin/kalvor-admin" local stop >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

unset MYSQL_UNIX_PORT DISPLAY WAYLAND_DISPLAY LC_ALL LC_MESSAGES LANGUAGE
export QT_QPA_PLATFORM=offscreen KALVOR_QUIT_AFTER_SHOW=1 KALVOR_BIN=$bin LANG=de_DE.UTF-8

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start() {
    (cd "$HOME" && timeout 300 "$source_dir/scripts/start-kalvor.sh") >"$work/out" 2>&1 ||
        { cat "$work/out" >&2; fail "start-kalvor.sh ended with $?"; }
    if grep -qF -- "$(head -n1 "$server_dir/root.password")" "$work/out"; then
        fail "the root password was printed"
    fi
    grep -q '^Hauptfenster: Verbindung mit Benutzer root zu localhost$' "$work/out" ||
        { cat "$work/out" >&2; fail "the main window was not shown logged in as root"; }
}

# Counts of rows per table, read as root through a private option file.
counts() {
    (umask 077; printf '[client]\npassword=%s\n' "$(head -n1 "$server_dir/root.password")" \
        >"$work/client.cnf")
    mariadb --defaults-extra-file="$work/client.cnf" --socket="$server_dir/mysqld.sock" -uroot \
        -N kdb -e 'SELECT (SELECT COUNT(*) FROM Verein), (SELECT COUNT(*) FROM Mitglied),
                          (SELECT COUNT(*) FROM Wettbewerb), (SELECT COUNT(*) FROM Bild),
                          (SELECT COUNT(*) FROM EinzelWertung)'
}

start
grep -q 'Demo federation' "$work/out" || fail "no demo federation on first use"
read -r clubs members competitions images scores <<<"$(counts)"
[ "$members" -ge 100 ] && [ "$competitions" -ge 5 ] && [ "$images" -gt 0 ] && [ "$scores" -gt 0 ] ||
    fail "demo data missing: $clubs clubs, $members members, $competitions competitions, $images images, $scores scores"
first=$(counts)

start
if grep -q 'Demo federation' "$work/out"; then
    fail "the demo federation was installed a second time"
fi
[ "$(counts)" = "$first" ] || fail "the second start changed the data: $first -> $(counts)"
# Started from the desktop menu after a reboot: Kalvor starts the private server itself.
"$bin/kalvor-admin" local stop >/dev/null
(cd "$HOME" && timeout 120 "$bin/kalvor") >"$work/out" 2>&1 ||
    { cat "$work/out" >&2; fail "kalvor ended with $? on a stopped private server"; }
grep -q '^Hauptfenster: Verbindung mit Benutzer root zu localhost$' "$work/out" ||
    { cat "$work/out" >&2; fail "kalvor did not start the private server and log in"; }

# Without a display the script tells how to open the program instead of starting it.
(cd "$HOME" && env -u QT_QPA_PLATFORM "$source_dir/scripts/start-kalvor.sh") >"$work/out" 2>&1 ||
    { cat "$work/out" >&2; fail "start-kalvor.sh without a display ended with $?"; }
grep -q "No display here.*$bin/kalvor" "$work/out" && ! grep -q '^Hauptfenster' "$work/out" ||
    { cat "$work/out" >&2; fail "without a display the script did not say how to open Kalvor"; }
echo "PASS: $first (clubs, members, competitions, images, single scores)"
