#!/bin/sh
# Checks the Debian package built in a build tree: unpacked into a scratch
# root it holds exactly the expected files, the programs can find every
# library they need, the menu entry speaks Dutch, and the package depends on
# the Qt runtime alone.
#
#   packaging/check-package.sh <build dir>
set -eu

build=${1:?usage: check-package.sh <build dir>}
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

set -- "$build"/velmora_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: expected one velmora_*.deb in $build" >&2; exit 1; }
deb=$1
echo "Checking $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

expected='usr/bin/velmora
usr/bin/velmora-encoder-sim
usr/share/applications/velmora.desktop
usr/share/icons/hicolor/256x256/apps/velmora.png
usr/share/icons/hicolor/48x48/apps/velmora.png
usr/share/icons/hicolor/scalable/apps/velmora.svg'
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    fail "the package's files differ from the expected list:"
    printf '%s\n' "$expected" >"$root.expected"
    printf '%s\n' "$actual" >"$root.actual"
    diff -u "$root.expected" "$root.actual" >&2 || true
    rm -f "$root.expected" "$root.actual"
fi

for program in velmora velmora-encoder-sim; do
    path="$root/usr/bin/$program"
    [ -x "$path" ] || fail "$program is not executable"
    missing=$(ldd "$path" 2>&1 | grep 'not found' || true)
    [ -z "$missing" ] || fail "$program misses libraries: $missing"
done
"$root/usr/bin/velmora-encoder-sim" --help >/dev/null || fail "velmora-encoder-sim --help fails"

entry="$root/usr/share/applications/velmora.desktop"
for line in 'Name=Velmora' 'Name[nl]=Velmora' 'Exec=velmora' 'Icon=velmora' \
    'Comment[nl]=RDS-instellingen voor uw zender voorbereiden en de Velmora encoder vullen'; do
    grep -qxF "$line" "$entry" || fail "the menu entry lacks: $line"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the menu entry is not valid"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in $(echo "$depends" | sed 's/([^)]*)//g; s/,/ /g'); do
    case $package in
    libqt6*) ;;
    *) fail "depends on $package, which is not part of the Qt runtime" ;;
    esac
done
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6; do
    echo "$depends" | grep -q "$package" || fail "does not depend on $package"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The package holds what it should."
