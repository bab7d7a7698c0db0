#!/usr/bin/env bash
# Builds the two libFuzzer targets with clang in build-fuzz and runs each over a copy of the
# committed seeds for a bounded time: decoding and parsing alone (fast), then the whole data
# path through a store and every address book. A crash, a sanitizer report or a broken invariant
# fails the script; libFuzzer leaves the input in build-fuzz/artifacts/, and it belongs in
# fuzz/corpus/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
parse_seconds=${PALUKSEN_FUZZ_PARSE_SECONDS:-60}
path_seconds=${PALUKSEN_FUZZ_PATH_SECONDS:-60}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALUKSEN_FUZZ=ON \
  -DPALUKSEN_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target paluksen_fuzz_parse paluksen_fuzz_data_path

# The fuzzers add what they find to their corpus folder and leave their temporary folder
# behind; both go into a folder of this run's own, in memory where there is room.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
run=$(mktemp -d "$shm/paluksen-fuzz.XXXXXX")
trap 'rm -rf "$run"' EXIT
mkdir -p build-fuzz/artifacts "$run/tmp"
for target in parse data_path; do
  seconds=$parse_seconds
  [ "$target" = parse ] || seconds=$path_seconds
  rm -rf "$run/corpus" && mkdir "$run/corpus"
  cp fuzz/corpus/* examples/sample-listing.txt "$run/corpus/"
  if ! TMPDIR="$run/tmp" "build-fuzz/fuzz/paluksen_fuzz_$target" -artifact_prefix=build-fuzz/artifacts/ \
    -max_total_time="$seconds" -max_len=4096 -timeout=60 -print_final_stats=1 "$run/corpus" >"$run/log" 2>&1; then
    tail -n 40 "$run/log" >&2
    echo "fuzz target $target failed" >&2
    exit 1
  fi
  echo "fuzz target $target: $(grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$run/log" | tr '\n' ' ')"
done
