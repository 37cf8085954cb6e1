#!/usr/bin/env bash
# Builds everything and runs every test: once in a normal build whose compiler warnings
# are errors, once with AddressSanitizer and UndefinedBehaviorSanitizer (the windows too,
# offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQ8615_WERROR=ON
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTQ8615_SANITIZE=ON -DTQ8615_GUI=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
