#!/usr/bin/env bash
# Times a headless export of the default 1600x1200 chart as a whole process, from start to
# exit, several times over, and prints the median for each picture format.
# Usage: bench/export_time.sh [path/to/hygrovia] [runs]
set -euo pipefail

program=${1:-build/release/src/app/hygrovia}
runs=${2:-11}
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

# The median of the runs, in milliseconds with one decimal.
median_of() {
  local times=()
  for ((i = 0; i < runs; i++)); do times+=("$(time_once "$@")"); done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

echo "Headless export of the default 1600x1200 chart, whole process, median of $runs runs"
printf '%-28s %10s\n' "Command" "Time (ms)"
for format in png svg pdf; do
  printf '%-28s %10s\n' "--export chart.$format" "$(median_of --export "$scratch/chart.$format")"
done
printf '%-28s %10s\n' "--table" "$(median_of --table)"
