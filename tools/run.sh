#!/bin/sh
# Sets up the machine, builds Mirevo, stages build/app/ and starts the program.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
exec build/app/mirevo
