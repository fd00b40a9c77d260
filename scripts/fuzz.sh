#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}
build=build-fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DTALLYFOLD_FUZZ=ON -DTALLYFOLD_GUI=OFF -DTALLYFOLD_TESTS=OFF \
  -DTALLYFOLD_BENCH=OFF > /dev/null
cmake --build "$build" --target fuzz_load_compressed fuzz_load_content fuzz_make_seeds
mkdir -p "$build/corpus/compressed" "$build/corpus/content"
"$build/bin/fuzz_make_seeds" "$build/corpus/compressed" "$build/corpus/content"
for target in fuzz_load_compressed fuzz_load_content; do
  [ -n "$only" ] && [ "$only" != "$target" ] && continue
  dir=$build/corpus/${target#fuzz_load_}
  echo "== $target for ${seconds}s"
  "$build/bin/$target" "$dir" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$build/"
done
