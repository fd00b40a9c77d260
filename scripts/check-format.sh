#!/usr/bin/env bash
# The test suite's check that every C++ file is formatted by the committed
# .clang-format. Exits 77 (skipped) when clang-format is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format > /dev/null; then
  echo "SKIPPED: clang-format is not installed"
  exit 77
fi
mapfile -t files < <(find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort)
# --Werror turns every place that would change into an error naming the line.
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Lay these files out with: clang-format -i FILE"
  exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
