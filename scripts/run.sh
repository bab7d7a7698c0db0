#!/usr/bin/env bash
# Builds Paluksen and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALUKSEN_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target paluksen
exec build/src/paluksen
