#!/bin/sh
# install-test.sh install|package BUILD_DIR TEST_PROGRAM
#   install: cmake --install BUILD_DIR into a temporary prefix.
#   package: cpack -G DEB in BUILD_DIR, checks the package's name and metadata, and unpacks it
#            with dpkg-deb -x into a temporary root.
# Then checks the installed files, validates the desktop entry and the metainfo, and runs
# TEST_PROGRAM as an ordinary user on the installation (MIREVO_TEST_PREFIX); the installation
# must come out of it unchanged. Exits 77 (skipped) when a tool is missing.
set -eu

mode=$1
build=$(cd "$2" && pwd)
test_program=$3
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
need() {
    command -v "$1" >/dev/null 2>&1 || {
        echo "SKIP: $1 is missing (tools/setup-debian.sh installs it)" >&2
        exit 77
    }
}
need desktop-file-validate
need appstreamcli
need file

work=$(mktemp -d "${TMPDIR:-/tmp}/mirevo-install.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
# An ordinary user reaches the installation through this directory.
chmod 755 "$work"
version=$("$build/app/mirevo" --version | sed -n 's/^Mirevo //p')
[ -n "$version" ] || fail "the built program does not tell its version"

case $mode in
install)
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
        cat "$work/install.log" >&2
        fail "cmake --install"
    }
    ;;
package)
    need cpack
    need dpkg-deb
    need dpkg-shlibdeps
    (cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log" >&2
        fail "cpack -G DEB"
    }
    deb=$work/cpack/mirevo_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || fail "no package named $(basename "$deb"): $(ls "$work/cpack")"
    dpkg-deb -I "$deb" >"$work/control"
    grep -q '^ Package: mirevo$' "$work/control" || fail "package name"
    grep -q "^ Version: $version\$" "$work/control" || fail "package version is not $version"
    grep -q '^ Section: education$' "$work/control" || fail "section"
    depends=$(sed -n 's/^ Depends: //p' "$work/control")
    # From the shared libraries the programs link, and the libraries and plugins they load.
    for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6network6 \
        libcurl4 libqt6sql6-sqlite qt6-qpa-plugins; do
        echo "$depends" | tr ',' '\n' | grep -q "^ *$library\( \|$\)" || fail "Depends lacks $library: $depends"
    done
    mkdir "$work/root"
    dpkg-deb -x "$deb" "$work/root"
    chmod 755 "$work/root"
    prefix=$work/root/usr
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac

for f in bin/mirevo bin/mirevo-bank bin/mirevo-db; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
done
for f in share/mirevo/mini.dll share/mirevo/配置文件.ini; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
cmp -s "$prefix/share/mirevo/mini.dll" "$build/share/mirevo/mini.dll" || fail "the installed bank is not the shipped one"

set -- "$prefix"/share/applications/*.desktop
[ $# -eq 1 ] && [ -f "$1" ] || fail "one desktop entry expected in share/applications"
desktop=$1
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -q '^Name\[zh_CN\]=' "$desktop" || fail "no Chinese name"
grep -q '^Comment\[zh_CN\]=' "$desktop" || fail "no Chinese comment"
grep -q '^Categories=.*Education;' "$desktop" || fail "not in Education"
grep -q "^Icon=$id\$" "$desktop" || fail "the icon is not named $id"
grep -q '^Exec=mirevo$' "$desktop" || fail "Exec is not the installed program"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo names another desktop entry"
grep -q '<screenshot type="default">' "$metainfo" || fail "no screenshot in the metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

for size in 32 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no ${size}px icon"
    file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "$(file "$icon")"
done

# Nothing in the installation may be written by the program, whoever runs it.
chmod -R a-w "$prefix"
(cd "$prefix" && find . -type f -exec sha256sum {} + | sort) >"$work/installed.sum"
MIREVO_TEST_PREFIX=$prefix sh "$here/as-user.sh" "$test_program" || fail "$(basename "$test_program") on the installation"
(cd "$prefix" && find . -type f -exec sha256sum {} + | sort) | cmp -s - "$work/installed.sum" || fail "the installation changed"
echo "PASS: $mode"
