#!/usr/bin/env bash
# Builds Paluksen and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole suite there. Leak checking stays on: the suite, Qt's offscreen
# platform and fontconfig included, has nothing for LeakSanitizer to report, so nothing is hidden.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
jobs=$(nproc)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALUKSEN_SANITIZE=ON -DPALUKSEN_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
export UBSAN_OPTIONS=print_stacktrace=1
(cd build-asan && ctest --output-on-failure -j"$jobs")
