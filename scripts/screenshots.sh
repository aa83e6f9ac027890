#!/usr/bin/env bash
# Draws the pictures of the user guide (docs/bilder/*.png) anew: builds kalvor-admin and
# kalvor-screenshots, sets up a throwaway private server under /tmp, fills it with the demo
# federation (always the same seed, so the pictures change only when the dialogs do), takes the
# pictures off screen and removes the server again. Run it after changing a dialog the guide
# shows, and commit the pictures with the change.
#
#   ./scripts/screenshots.sh [OUTPUT-DIR]     default: docs/bilder
set -euo pipefail

KALVOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$KALVOR_ROOT/scripts/common.sh"

out=$(realpath -m "${1:-$KALVOR_ROOT/docs/bilder}")
kalvor_install_packages
cmake -S "$KALVOR_ROOT" -B "$KALVOR_ROOT/build" -G Ninja >/dev/null
cmake --build "$KALVOR_ROOT/build" --target kalvor-admin kalvor-screenshots
admin="$KALVOR_ROOT/build/bin/kalvor-admin"

server_dir=$(mktemp -d /tmp/kalvor-shots.XXXXXX)
cleanup() {
    "$admin" local stop --datadir "$server_dir/server" >/dev/null 2>&1 || true
    rm -rf "$server_dir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

kalvor_say "Demo federation on a throwaway server in $server_dir"
"$admin" local init --datadir "$server_dir/server" >/dev/null
"$admin" demo --seed 1 --size small --local --datadir "$server_dir/server"

kalvor_say "Pictures into $out"
mkdir -p "$out"
# The same look on every machine: off screen, the Fusion style, no desktop settings.
# The server is named "localhost" (its socket given to the client library), as on a desktop.
QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=Fusion XDG_CONFIG_HOME="$server_dir/config" \
    MYSQL_UNIX_PORT="$server_dir/server/mysqld.sock" \
    "$KALVOR_ROOT/build/bin/kalvor-screenshots" --server localhost \
    --user root --password-file "$server_dir/server/root.password" --out "$out"
