#!/bin/sh
# Sets up the machine, then builds and runs every test headless: once in the ordinary
# configuration, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMIREVO_SANITIZE=ON -DMIREVO_BENCHMARKS=OFF
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600
