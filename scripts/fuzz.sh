#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET]
#        FUZZ_RUNS=N scripts/fuzz.sh 0 [TARGET]   # N inputs per target instead of a time
# FUZZ_BUILD names the build folder (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}
build=${FUZZ_BUILD:-build-fuzz}
targets="fuzz_load_compressed fuzz_load_content fuzz_parse_ofx fuzz_parse_csv fuzz_recognise fuzz_parse_profile"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DTALLYFOLD_FUZZ=ON -DTALLYFOLD_GUI=OFF -DTALLYFOLD_TESTS=OFF \
  -DTALLYFOLD_BENCH=OFF "${launcher[@]}" > /dev/null
cmake --build "$build" --target $targets fuzz_make_seeds

# Seeds: small data files, and the statement fixtures of the tests. A CSV
# seed starts with the byte that picks its layout in fuzz_parse_csv
# (0 ABSA, 1 Nedbank, 2 FNB, 3 Standard Bank, 4 FNB advanced, 5 Tallyfold).
corpus=$build/corpus
mkdir -p "$corpus/load_compressed" "$corpus/load_content" "$corpus/parse_ofx" "$corpus/parse_csv" \
  "$corpus/recognise" "$corpus/parse_profile"
"$build/bin/fuzz_make_seeds" "$corpus/load_compressed" "$corpus/load_content"
fixtures=tests/data/import
cp "$fixtures"/*.ofx "$corpus/parse_ofx/"
cp "$fixtures"/*.ofx "$fixtures"/*.csv "$corpus/recognise/"
seed_csv() {  # layout-byte fixture...
  local byte=$1
  shift
  for file in "$@"; do
    { printf "\\x$byte"; cat "$file"; } > "$corpus/parse_csv/$(basename "$file")"
  done
}
seed_csv 00 "$fixtures"/absa*.csv
seed_csv 01 "$fixtures"/nedbank*.csv
seed_csv 02 "$fixtures"/fnb.csv
seed_csv 03 "$fixtures"/standard*.csv
seed_csv 04 "$fixtures"/fnb_advanced*.csv
seed_csv 05 "$fixtures"/tallyfold*.csv
# fuzz_parse_profile: four bytes that make a mapping, then any CSV fixture.
for file in "$fixtures"/*.csv; do
  { printf '\x01\x05\x01\x08'; cat "$file"; } > "$corpus/parse_profile/$(basename "$file")"
done

limits=(-max_len=65536 -rss_limit_mb=4096 -timeout=10 -print_final_stats=1)
if [ -n "${FUZZ_RUNS:-}" ]; then
  limits+=(-runs="$FUZZ_RUNS" -seed=1)
else
  limits+=(-max_total_time="$seconds")
fi
for target in $targets; do
  [ -n "$only" ] && [ "$only" != "$target" ] && continue
  echo "== $target"
  "$build/bin/$target" "$corpus/${target#fuzz_}" "${limits[@]}" -artifact_prefix="$build/"
done
