#!/usr/bin/env bash
# Fails when a C++ file is not as clang-format (the .clang-format files) leaves it, naming each one.
# Run scripts/check-format.sh --fix to format them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing clang-format
mapfile -t files < <(git ls-files -- src tests fuzz bench tools examples | grep -E '\.(cpp|h)$')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
