#!/usr/bin/env bash
# What a person waits for, as whole processes: the window from process start
# to shown and from close to process gone (nothing changed), and
# `tallyfold-cli accounts` and `report monthly` from start to last byte, on
# the generated data files of bench_monthly_report (ten years in five
# accounts). Each line gives the best of $RUNS runs by wall time, with the
# CPU time (user+sys) and peak memory of that run.
# Usage: bench/process-times.sh [BUILD_DIR] [SAMPLE_DIR]
#   SIZES="10000 100000 1000000" to choose the data sets (default 10k, 100k).
# The window runs under Xvfb when xvfb-run is installed, else offscreen.
set -euo pipefail

# One window run, called back inside xvfb-run: "start_to_shown close_to_gone
# cpu_s peak_KB". The window prints the wall-clock moments it was shown and
# asked to close; the start and the end are taken here, around the program
# alone (not the X server).
if [ "${1:-}" = "--window-run" ]; then
  file=$2 work=$TF_BENCH_HOME
  cp "$file" "$work/data.tfold"
  start=$(date +%s%N)
  TALLYFOLD_QUIT_WHEN_SHOWN=1 /usr/bin/time -o "$work/time" -f "%U %S %M" \
    "$TF_BENCH_BUILD/bin/tallyfold" "$work/data.tfold" >/dev/null 2>"$work/err"
  end=$(date +%s%N)
  shown=$(awk '$1 == "shown" { print $2 }' "$work/err")
  closing=$(awk '$1 == "closing" { print $2 }' "$work/err")
  read -r u s kb < <(tail -1 "$work/time")
  awk -v a="$start" -v b="$shown" -v c="$closing" -v d="$end" -v u="$u" -v s="$s" -v kb="$kb" \
    'BEGIN { printf "%.2f %.2f %.2f %d\n", (b - a) / 1e9, (d - c) / 1e9, u + s, kb }'
  exit 0
fi

build=${1:-build}
samples=${2:-${TMPDIR:-/tmp}/tallyfold-monthly-samples}
runs=${RUNS:-3}
sizes=${SIZES:-"10000 100000"}

[ -f "$samples/monthly-1000000.tfold" ] ||
  "$build/bin/bench_monthly_report" --write-samples "$samples" >/dev/null

# A home of its own: the window's settings and backups stay out of the user's.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data

if command -v xvfb-run >/dev/null; then
  display=(xvfb-run -a -s "-screen 0 1280x1024x24")
else
  display=(env QT_QPA_PLATFORM=offscreen)
fi

# Runs "$@" under /usr/bin/time: "wall cpu peak_KB" on stdout, the
# program's stderr in $home/err.
timed() {
  /usr/bin/time -o "$home/time" -f "%e %U %S %M" "$@" >/dev/null 2>"$home/err"
  read -r e u s kb <"$home/time"
  echo "$e $(awk -v u="$u" -v s="$s" 'BEGIN { printf "%.2f", u + s }') $kb"
}

best() {  # the line of the smallest first column
  sort -n | head -1
}

printf '%-8s %-40s %8s %8s %10s\n' size "what" wall_s cpu_s peak_KB
for size in $sizes; do
  file=$samples/monthly-$size.tfold
  # The window: started inside xvfb-run by this script's --window-run.
  if [ -x "$build/bin/tallyfold" ]; then
    line=$(for _ in $(seq "$runs"); do
      TF_BENCH_BUILD=$build TF_BENCH_HOME=$home "${display[@]}" "$0" --window-run "$file"
    done | best)
    read -r shown gone cpu kb <<<"$line"
    printf '%-8s %-40s %8s %8s %10s\n' "$size" "window: start to shown" "$shown" "$cpu" "$kb"
    printf '%-8s %-40s %8s %8s %10s\n' "$size" "window: close to process gone" "$gone" "" ""
  fi
  line=$(for _ in $(seq "$runs"); do
    timed "$build/bin/tallyfold-cli" accounts --data "$file"
  done | best)
  read -r e cpu kb <<<"$line"
  printf '%-8s %-40s %8s %8s %10s\n' "$size" "tallyfold-cli accounts" "$e" "$cpu" "$kb"
  line=$(for _ in $(seq "$runs"); do
    timed "$build/bin/tallyfold-cli" report monthly --data "$file" --from "Jan 1995" \
      --to "Dec 2004" --format csv
  done | best)
  read -r e cpu kb <<<"$line"
  printf '%-8s %-40s %8s %8s %10s\n' "$size" "tallyfold-cli report monthly (csv)" "$e" "$cpu" "$kb"
done
