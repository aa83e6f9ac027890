# Shared by the scripts in this directory: Debian packages and the build.
# Source it; it expects KALVOR_ROOT to be the top of the checkout.

KALVOR_PACKAGES=(
    g++ cmake ninja-build pkg-config python3 ccache
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libmysql++-dev libmariadb-dev mariadb-server-core mariadb-client-core
    libarchive-dev libgl-dev libturbojpeg0-dev libevdev-dev libudev-dev
    openssl       # the test server's certificates
    dpkg-dev file  # the Debian package: dpkg-shlibdeps finds its Depends
)

kalvor_say() {
    printf '== %s\n' "$*" >&2
}

# Installs the packages that are missing, with sudo unless running as root. Does nothing (and
# needs no network) when all are installed.
kalvor_install_packages() {
    local missing=() package
    for package in "${KALVOR_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing Debian packages: ${missing[*]}; install them as root (sudo is not available)." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    kalvor_say "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (first time) and builds everything into build/.
kalvor_build() {
    kalvor_say "Building in $KALVOR_ROOT/build"
    cmake -S "$KALVOR_ROOT" -B "$KALVOR_ROOT/build" -G Ninja >/dev/null
    cmake --build "$KALVOR_ROOT/build"
}

# A TCP port on 127.0.0.1 that nothing listens on right now.
kalvor_free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}
