#!/bin/sh
# Checks the Debian package built in a build tree: unpacked into a scratch
# root it holds exactly the expected files, the programs find every library
# they need, start, and name the project's version like every file that names
# one; the menu entry, the software-centre metadata and the manual pages are
# valid; and Debian's own checker, lintian, finds no error and no warning.
# The checkers that are not installed are left out, and said so.
#
#   packaging/check-package.sh <build dir> <version> <application id>
set -eu

build=${1:?usage: check-package.sh <build dir> <version> <application id>}
version=${2:?the project version}
app_id=${3:?the application id}
failures=0
manual_pages="man1/velmora.1.gz nl/man1/velmora.1.gz man1/velmora-cli.1.gz
man1/velmora-encoder-sim.1.gz"

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the checker when it is installed.
have() {
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is not installed"
    return 1
}

set -- "$build"/velmora_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: expected one velmora_*.deb in $build" >&2; exit 1; }
deb=$1
echo "Checking $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

expected="usr/bin/velmora
usr/bin/velmora-cli
usr/bin/velmora-encoder-sim
usr/share/applications/velmora.desktop
usr/share/doc/velmora/changelog.gz
usr/share/doc/velmora/copyright
usr/share/icons/hicolor/256x256/apps/velmora.png
usr/share/icons/hicolor/48x48/apps/velmora.png
usr/share/icons/hicolor/scalable/apps/velmora.svg
usr/share/man/man1/velmora-cli.1.gz
usr/share/man/man1/velmora-encoder-sim.1.gz
usr/share/man/man1/velmora.1.gz
usr/share/man/nl/man1/velmora.1.gz
usr/share/metainfo/$app_id.metainfo.xml"
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    fail "the package's files differ from the expected list:"
    printf '%s\n' "$expected" >"$root.expected"
    printf '%s\n' "$actual" >"$root.actual"
    diff -u "$root.expected" "$root.actual" >&2 || true
    rm -f "$root.expected" "$root.actual"
fi

for program in velmora velmora-cli velmora-encoder-sim; do
    path="$root/usr/bin/$program"
    [ -x "$path" ] || fail "$program is not executable"
    missing=$(ldd "$path" 2>&1 | grep 'not found' || true)
    [ -z "$missing" ] || fail "$program misses libraries: $missing"
done

# The program starts and keeps running until it is stopped, on a settings
# folder of its own.
status=0
XDG_CONFIG_HOME="$root/config" HOME="$root" QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/velmora" >"$root/velmora.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "velmora ended by itself (status $status): $(cat "$root/velmora.log")"
# velmora-cli runs without a display and says when a station file is missing.
status=0
XDG_CONFIG_HOME="$root/config" XDG_STATE_HOME="$root/state" HOME="$root" \
    "$root/usr/bin/velmora-cli" controleren "$root/none.Rds" --poort 1 >"$root/cli.log" 2>&1 ||
    status=$?
[ "$status" -eq 2 ] && grep -qF "kon niet worden gelezen" "$root/cli.log" ||
    fail "velmora-cli did not report the missing file (status $status): $(cat "$root/cli.log")"

# One version everywhere.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
for program in velmora-cli velmora-encoder-sim; do
    [ "$("$root/usr/bin/$program" --version)" = "$program $version" ] ||
        fail "$program --version does not say $version"
done
zcat "$root/usr/share/doc/velmora/changelog.gz" | head -n 1 | grep -qF "velmora ($version)" ||
    fail "the changelog's latest entry is not $version"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata's release is not $version"
for page in $manual_pages; do
    zcat "$root/usr/share/man/$page" | head -n 1 | grep -qF "\"Velmora $version\"" ||
        fail "the manual page $page does not name version $version"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6; do
    echo "$depends" | grep -q "$package" || fail "does not depend on $package"
done

entry="$root/usr/share/applications/velmora.desktop"
for line in 'Name=Velmora' 'Name[nl]=Velmora' 'Exec=velmora' 'Icon=velmora' \
    'Comment[nl]=RDS-instellingen voor uw zender voorbereiden en de Velmora encoder vullen'; do
    grep -qxF "$line" "$entry" || fail "the menu entry lacks: $line"
done
if have desktop-file-validate; then
    desktop-file-validate "$entry" || fail "the menu entry is not valid"
fi
if have appstreamcli; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "the software-centre metadata is not valid"
fi
# What `man -k` lists is what lexgrog reads from each page's NAME section.
if have lexgrog; then
    for page in $manual_pages; do
        lexgrog "$root/usr/share/man/$page" | grep -q ': "velmora' ||
            fail "the manual page $page has no NAME line for man -k"
    done
fi
if have lintian; then
    lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The package holds what it should."
