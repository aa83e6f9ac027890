#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its metadata and that it holds exactly
# what an installation needs, then unpacks it into a throwaway root and starts the program
# there from a home folder (as the desktop menu does) to see it find its translations.
#   tst_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

work=$(mktemp -d /tmp/kalvor-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/out/kalvor_${version}_amd64.deb
[ -f "$deb" ] || fail "no package kalvor_${version}_amd64.deb: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kalvor ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
depends_names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
# The private server's programs, and the libraries of every program (found by dpkg-shlibdeps).
for package in mariadb-server-core mariadb-client-core libqt6core6 libqt6gui6 libqt6widgets6 \
    libmysql++3v5 libmariadb3 libarchive13 libturbojpeg0 libevdev2 libudev1; do
    grep -qxF "$package" <<<"$depends_names" || fail "Depends lacks $package: $depends"
done

expected="./usr/bin/kalvor
./usr/bin/kalvor-admin
./usr/bin/kalvor-report
./usr/bin/kalvor-start
./usr/lib/udev/rules.d/70-kalvor-keypads.rules
./usr/share/applications/kalvor.desktop
./usr/share/icons/hicolor/scalable/apps/kalvor.svg
./usr/share/kalvor/translations/kalvor_de.qm
./usr/share/kalvor/translations/kalvor_en.qm
./usr/share/man/man1/kalvor-admin.1.gz
./usr/share/man/man1/kalvor.1.gz"
files=$(dpkg-deb -c "$deb" | grep -v '^d' | awk '{print $6}' | sort)
[ "$files" = "$expected" ] || fail "the package holds other files than expected:
$(diff <(echo "$expected") <(echo "$files"))"
for program in kalvor kalvor-admin kalvor-report kalvor-start; do
    mode=$(dpkg-deb -c "$deb" | awk -v path="./usr/bin/$program" '$6 == path {print $1, $2}')
    [ "$mode" = "-rwxr-xr-x root/root" ] || fail "$program is no program of root: $mode"
done

# Unpacked, started from a home folder without translations: German and English texts found
# relative to the program. The login then waits for the user; the run ends there.
dpkg-deb -x "$deb" "$work/root"
mkdir -p "$work/home"
for language in de_DE.UTF-8 en_GB.UTF-8; do
    (cd "$work/home" && exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=$language \
        HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
        QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/kalvor") >"$work/run.out" 2>&1 &
    program=$!
    for _ in $(seq 150); do
        grep -q '^Success of loading locale' "$work/run.out" && break
        sleep 0.2
    done
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    grep -q '^Success of loading locale: 1$' "$work/run.out" ||
        { cat "$work/run.out" >&2; fail "translations not loaded for $language from a home folder"; }
done
# The menu entry's first start: the private server is set up with the demo federation and the
# main window opens logged in on it.
entry=$(grep '^Exec=' "$work/root/usr/share/applications/kalvor.desktop" | cut -d= -f2)
[ -x "$work/root/usr/bin/$entry" ] || fail "the menu entry runs $entry, which is no program of the package"
trap 'HOME="$work/home" XDG_DATA_HOME="$work/home/data" "$work/root/usr/bin/kalvor-admin" local stop >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
(cd "$work/home" && exec env HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
    XDG_CONFIG_HOME="$work/home/config" QT_QPA_PLATFORM=offscreen KALVOR_QUIT_AFTER_SHOW=1 \
    timeout 300 "$work/root/usr/bin/$entry") >"$work/start.out" 2>&1 ||
    { cat "$work/start.out" >&2; fail "the first start from the menu entry failed"; }
grep -q '^Hauptfenster: .* root .* localhost$' "$work/start.out" ||
    { cat "$work/start.out" >&2; fail "the first start from the menu entry reached no main window"; }
grep -q '^Installed the demo federation' "$work/start.out" ||
    { cat "$work/start.out" >&2; fail "the first start installed no demo federation"; }
echo "PASS: $(basename "$deb"), Depends: $depends"
