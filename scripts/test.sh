#!/usr/bin/env bash
# Builds Paluksen with its tests and runs every one of them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${X_PACKAGES[@]}"
jobs=$(nproc)

bash scripts/check-format.sh

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALUKSEN_BENCH=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")
# The built program itself under a real X server and window manager, driven with the keyboard as a user would.
xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui-x/drive.sh build-test
# The Debian package, built with Debian's tools and checked unpacked, never installed here.
bash scripts/test-deb.sh
# The Windows build, cross-built here, and its tests under Wine (the first run on a machine builds
# Qt for Windows, half an hour). PALUKSEN_SKIP_WINDOWS=1 leaves it out of a quick local run.
if [ "${PALUKSEN_SKIP_WINDOWS:-}" != 1 ]; then
  start=$SECONDS
  bash scripts/test-windows.sh build-test
  echo "the Windows build and its tests took $((SECONDS - start)) s"
fi
# The data path under libFuzzer, and the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, last, so that the run closes with ctest's own summary.
start=$SECONDS
bash scripts/test-fuzz.sh
echo "fuzzing took $((SECONDS - start)) s"
bash scripts/test-sanitized.sh
