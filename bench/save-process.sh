#!/usr/bin/env bash
# Whole-process figures of saving, on the generated sample files: a one-row
# `tallyfold-cli import` (the first save of a new process), a `recognise`
# run that finds nothing to change (a save with nothing to write), and the
# peak memory of both beside the file's uncompressed content.
# Usage: bench/save-process.sh [BUILD_DIR] [SIZES...]   (default sizes: 100000)
set -euo pipefail
build=${1:-build}
shift || true
sizes=${*:-100000}
runs=${RUNS:-3}
work=${TMPDIR:-/tmp}/tallyfold-save-process
mkdir -p "$work"

statement=$work/one-row.csv
printf 'Date,Description,Amount,Balance\n20241115,BENCH PURCHASE ONE,-12.34,100.00\n' >"$statement"

# The best of $runs runs by elapsed time: "seconds user-seconds system-seconds peak-KB".
# $prepare runs before each, untimed.
measure() {
  local prepare=$1 best=""
  shift
  for _ in $(seq "$runs"); do
    eval "$prepare"
    /usr/bin/time -o "$work/time" -f "%e %U %S %M" "$@" >/dev/null 2>"$work/stderr" ||
      { cat "$work/stderr" >&2; exit 1; }
    local line
    line=$(tail -1 "$work/time")
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best=$line
    fi
  done
  echo "$best"
}

content_kb() {
  python3 -c 'import sys, zlib; print(len(zlib.decompress(open(sys.argv[1], "rb").read())) // 1024)' "$1"
}

printf '%-9s %-38s %8s %8s %8s %10s\n' size what seconds user_s sys_s peak_KB
for size in $sizes; do
  sample=$("$build/bin/bench_store" --write-sample "$size")
  data=$work/data-$size.tfold
  saved=$work/saved-$size.tfold
  # The sample as the program leaves a file: balances and categories brought
  # up to date by a run that saves it.
  cp "$sample" "$saved"
  "$build/bin/tallyfold-cli" recognise --data "$saved" >/dev/null
  printf '%-9s %-38s %8s %8s %8s %10s\n' "$size" "(uncompressed content)" "" "" "" "$(content_kb "$saved")"
  read -r s u y kb <<<"$(measure "cp '$saved' '$data'" \
    "$build/bin/tallyfold-cli" import --data "$data" --format 1 --account "Account A" "$statement")"
  printf '%-9s %-38s %8s %8s %8s %10s\n' "$size" "import of one row (first save)" "$s" "$u" "$y" "$kb"
  cp "$saved" "$data"
  read -r s u y kb <<<"$(measure ":" "$build/bin/tallyfold-cli" recognise --data "$data")"
  printf '%-9s %-38s %8s %8s %8s %10s\n' "$size" "recognise, nothing to change" "$s" "$u" "$y" "$kb"
  read -r s u y kb <<<"$(measure ":" "$build/bin/tallyfold-cli" accounts --data "$data")"
  printf '%-9s %-38s %8s %8s %8s %10s\n' "$size" "accounts (reading only, for scale)" "$s" "$u" "$y" "$kb"
done
