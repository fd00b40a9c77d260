#!/usr/bin/env bash
# The test suite's check of the fuzz targets: they build with clang and each
# runs over its seeds and a few thousand generated inputs without a finding.
# Exits 77 (skipped) when clang cannot build a libFuzzer program here.
# Usage: scripts/fuzz-smoke.sh BUILD_FOLDER
set -euo pipefail
build=${1:?usage: fuzz-smoke.sh BUILD_FOLDER}
mkdir -p "$build"
probe=$build/probe.cpp
printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' > "$probe"
if ! command -v clang++ > /dev/null ||
   ! clang++ -fsanitize=fuzzer,address,undefined "$probe" -o "$build/probe" 2> /dev/null; then
  echo "SKIPPED: clang++ with libFuzzer (clang, libclang-rt) is not installed"
  exit 77
fi
FUZZ_BUILD=$build FUZZ_RUNS=${FUZZ_RUNS:-3000} "$(dirname "$0")/fuzz.sh" 0
