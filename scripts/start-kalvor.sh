#!/usr/bin/env bash
# Installs what Kalvor needs on Debian 12, builds it, starts the user's private database
# server and opens Kalvor on it, logged in as root. On first use it sets the private server up
# and fills it with the demo federation; a server that exists already keeps its data.
#
# KALVOR_BIN=DIR uses the programs in DIR (an installed package: /usr/bin) and neither
# installs packages nor builds.
set -euo pipefail

KALVOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$KALVOR_ROOT/scripts/common.sh"

if [ "$#" -gt 0 ]; then
    echo "usage: $0 (no arguments)" >&2
    exit 2
fi

if [ -n "${KALVOR_BIN:-}" ]; then
    bin=$KALVOR_BIN
else
    kalvor_install_packages
    kalvor_build
    bin="$KALVOR_ROOT/build/bin"
fi
admin="$bin/kalvor-admin"

kalvor_say "Private database server"
server_dir="${XDG_DATA_HOME:-$HOME/.local/share}/Kalvor/local-server"
first_use=no
[ -e "$server_dir/kalvor-local.conf" ] || first_use=yes
"$admin" local init
"$admin" local start
if [ "$first_use" = yes ]; then
    kalvor_say "Demo federation (first use only)"
    if ! "$admin" demo --local; then
        echo "The demo federation could not be installed; the private server keeps what it holds." >&2
        echo "Try again with: $admin demo --local" >&2
        exit 1
    fi
fi
"$admin" local status

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    kalvor_say "No display here. In a desktop session run $0 again, or start $bin/kalvor:" \
        "it logs in as root on the private server by itself."
    exit 0
fi
kalvor_say "Starting Kalvor, logged in as root on the private server (Datei > Neu Anmelden: another login)"
exec "$bin/kalvor"
