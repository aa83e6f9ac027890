#!/usr/bin/env bash
# Installs what Kalvor needs on Debian 12, builds it, starts the user's private database
# server (set up on first use) and opens Kalvor on it. Options such as --datadir DIR are
# passed to "kalvor-admin local".
set -euo pipefail

KALVOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$KALVOR_ROOT/scripts/common.sh"

kalvor_install_packages
kalvor_build

bin="$KALVOR_ROOT/build/bin"
admin="$bin/kalvor-admin"
kalvor_say "Private database server"
"$admin" local init "$@"
"$admin" local start "$@"
"$admin" local status "$@"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    kalvor_say "No display: start $bin/kalvor from a desktop session to log in."
    exit 0
fi
kalvor_say "Starting Kalvor: log in as root on localhost with the password from the root password file above"
cd "$bin"
exec ./kalvor
