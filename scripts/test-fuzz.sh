#!/usr/bin/env bash
# Builds the libFuzzer target over the whole data path with clang in build-fuzz and runs it:
# every seed once (the large generated ones too), then a bounded fuzzing run over a copy of the
# seeds. A crash, a sanitizer report or a broken invariant fails the script; libFuzzer leaves
# the input in build-fuzz/run/artifacts/, and it belongs in fuzz/corpus/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
# About a minute on two cores; the time limit only guards against a slower machine.
runs=${PALUKSEN_FUZZ_RUNS:-3500}
seconds=${PALUKSEN_FUZZ_SECONDS:-150}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALUKSEN_FUZZ=ON \
  -DPALUKSEN_TESTS=OFF -DPALUKSEN_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target paluksen_fuzz_data_path
fuzzer=build-fuzz/fuzz/paluksen_fuzz_data_path

# libFuzzer adds what it finds to its corpus folder; a fresh copy keeps fuzz/corpus as committed.
run=build-fuzz/run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/artifacts"
cp fuzz/corpus/* examples/sample-listing.txt "$run/corpus/"
bash fuzz/make_large_seeds.sh "$run/large"

# Every input writes a listing and fourteen address books; memory is faster than the disk. The
# fuzzer ends without removing its temporary folder, so the folder it is made in goes here.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
TMPDIR=$(mktemp -d "$shm/paluksen-fuzz.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

"$fuzzer" -artifact_prefix="$run/artifacts/" -timeout=120 "$run/corpus"/* "$run/large"/*
"$fuzzer" -artifact_prefix="$run/artifacts/" -runs="$runs" -max_total_time="$seconds" -max_len=4096 \
  -timeout=60 -print_final_stats=1 "$run/corpus"
