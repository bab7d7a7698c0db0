#!/usr/bin/env bash
# Builds Paluksen with its tests and runs every one of them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
jobs=$(nproc)

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")
# The data path under libFuzzer, and the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer; each says how long it took.
timed() { local start=$SECONDS; "$@"; echo "$* took $((SECONDS - start)) s"; }
timed bash scripts/test-fuzz.sh
timed bash scripts/test-sanitized.sh
