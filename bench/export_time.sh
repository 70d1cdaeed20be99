#!/usr/bin/env bash
# Times a headless export of the default 1600x1200 chart as a whole process, from start to
# exit, several times over, and prints the median for each picture format.
# Each time is also given as a multiple of the --table run (the fixed start-up) and, when the
# app benchmarks are built beside the program, of BM_ReferenceFill (one fill of a 1600x1200
# image), so that figures from different machines compare.
# Usage: bench/export_time.sh [path/to/hygrovia] [runs] [path/to/hygrovia_app_bench]
set -euo pipefail

program=${1:-build/release/src/app/hygrovia}
runs=${2:-11}
bench=${3:-$(dirname "$program")/../../bench/hygrovia_app_bench}
if [ ! -x "$program" ]; then
  echo "export_time: no program at $program" >&2
  exit 1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Milliseconds one run of the program takes; a failed run ends the script.
time_once() {
  local start end
  start=$(date +%s%N)
  "$program" "$@" >/dev/null 2>"$scratch/stderr" || {
    echo "export_time: $program $* failed:" >&2
    cat "$scratch/stderr" >&2
    exit 1
  }
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

# The median of a list of microsecond times, in milliseconds with one decimal.
median_of() {
  printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

# The floor in milliseconds: the median of BM_ReferenceFill's repetitions, or nothing.
fill_floor() {
  [ -x "$bench" ] || return 0
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" --benchmark_filter='^BM_ReferenceFill$' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '/_median"?,/ { printf "%.4f", $4 / 1000 }'
}

# The commands take turns, run after run, so that a machine that slows down or speeds up
# while the script runs weighs on every command alike.
declare -A runs_of
for ((i = 0; i < runs; i++)); do
  for format in png svg pdf; do runs_of[$format]+=" $(time_once --export "$scratch/chart.$format")"; done
  runs_of[table]+=" $(time_once --table)"
done
declare -A times
for format in png svg pdf; do times[$format]=$(median_of ${runs_of[$format]}); done
table=$(median_of ${runs_of[table]})
floor=$(fill_floor)

echo "Headless export of the default 1600x1200 chart, whole process, median of $runs runs"
if [ -n "$floor" ]; then
  echo "Floor (BM_ReferenceFill, one fill of a 1600x1200 image): $floor ms"
fi
printf '%-28s %10s %10s %10s\n' "Command" "Time (ms)" "x --table" "x fill"
row() {
  local ratio_fill=""
  [ -n "$floor" ] && ratio_fill=$(awk -v t="$2" -v f="$floor" 'BEGIN { printf "%.0f", t / f }')
  printf '%-28s %10s %10s %10s\n' "$1" "$2" \
    "$(awk -v t="$2" -v b="$table" 'BEGIN { printf "%.2f", t / b }')" "$ratio_fill"
}
for format in png svg pdf; do row "--export chart.$format" "${times[$format]}"; done
row "--table" "$table"
