#!/usr/bin/env bash
# Installs what Kalvor needs on Debian 12, builds it and starts the user's private database
# server (set up on first use). Options such as --datadir DIR are passed to "kalvor-admin local".
set -euo pipefail

KALVOR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$KALVOR_ROOT/scripts/common.sh"

kalvor_install_packages
kalvor_build

admin="$KALVOR_ROOT/build/bin/kalvor-admin"
kalvor_say "Private database server"
"$admin" local init "$@"
"$admin" local start "$@"
"$admin" local status "$@"
