#!/usr/bin/env bash
# Whole-process time and peak memory of `tallyfold-cli report monthly` on
# ten years of 10,000, 100,000 and 1,000,000 transactions, beside ledger and
# hledger (when installed) summing the same transactions by month.
# Usage: bench/monthly-report-process.sh [BUILD_DIR] [SAMPLE_DIR]
set -euo pipefail
build=${1:-build}
samples=${2:-${TMPDIR:-/tmp}/tallyfold-monthly-samples}
runs=${RUNS:-3}

[ -f "$samples/monthly-1000000.journal" ] ||
  "$build/bin/bench_monthly_report" --write-samples "$samples" >/dev/null

# The best of $runs runs by elapsed time: "seconds user-seconds peak-KB".
measure() {
  local best=""
  for _ in $(seq "$runs"); do
    local line
    /usr/bin/time -o "$samples/time" -f "%e %U %M" "$@" >/dev/null 2>&1
    line=$(tail -1 "$samples/time")
    if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best=$line
    fi
  done
  echo "$best"
}

content_kb() {
  python3 -c 'import sys, zlib; print(len(zlib.decompress(open(sys.argv[1], "rb").read())) // 1024)' "$1"
}

printf '%-9s %-34s %8s %8s %10s\n' size program seconds user_s peak_KB
for size in 10000 100000 1000000; do
  base=$samples/monthly-$size
  printf '%-9s %-34s %8s %8s %10s\n' "$size" "(uncompressed content)" "" "" "$(content_kb "$base.tfold")"
  read -r s u kb <<<"$(measure "$build/bin/tallyfold-cli" report monthly --data "$base.tfold" \
    --from "Jan 1995" --to "Dec 2004" --format csv)"
  printf '%-9s %-34s %8s %8s %10s\n' "$size" "tallyfold-cli report monthly" "$s" "$u" "$kb"
  read -r s u kb <<<"$(measure "$build/bin/tallyfold-cli" report monthly --data "$base.tfold")"
  printf '%-9s %-34s %8s %8s %10s\n' "$size" "  (last twelve months, text)" "$s" "$u" "$kb"
  if command -v ledger >/dev/null; then
    read -r s u kb <<<"$(measure ledger -f "$base.journal" bal -M)"
    printf '%-9s %-34s %8s %8s %10s\n' "$size" "ledger bal -M" "$s" "$u" "$kb"
  fi
  if command -v hledger >/dev/null; then
    read -r s u kb <<<"$(measure hledger -f "$base.journal" bal -M)"
    printf '%-9s %-34s %8s %8s %10s\n' "$size" "hledger bal -M" "$s" "$u" "$kb"
  fi
done
