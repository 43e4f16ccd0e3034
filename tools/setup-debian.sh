#!/bin/sh
# Installs every Debian 12 package that building, running, testing and packaging Mirevo needs
# (dpkg-dev and file for the .deb's dependencies, desktop-file-utils and appstream to validate
# the desktop entry and the metainfo).
# Safe to run again: when everything is present it only checks and returns.
set -eu

# Qt Charts' CMake package needs Qt OpenGL's, which qt6-charts-dev does not pull in.
PACKAGES="
cmake ninja-build g++ clang clang-format pkg-config
qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc qt6-translations-l10n
qt6-charts-dev libqt6charts6 libqt6opengl6-dev
unixodbc unixodbc-dev odbcinst libsqliteodbc libsqlite3-dev
libcurl4-openssl-dev libqrencode-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev
fonts-noto-cjk
xvfb xauth imagemagick xdotool
sqlite3 python3
dpkg-dev file desktop-file-utils appstream
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
