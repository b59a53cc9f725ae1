#!/usr/bin/env bash
# Start-up time of rq51 next to a bare Qt program with as many widgets: the
# median over RUNS runs (default 20) of the time from starting the process to
# the end of the first paint of its main window, on Qt's offscreen platform,
# and the ratio of the two. Both programs are timed in the same run, one
# after the other in turn, so that a busy machine slows both alike. The
# processor time each used up to that moment is shown too: on a machine
# shared with other work it varies less than the wall-clock time.
#
#   tools/measure-startup.sh BUILD_DIR [RUNS]
set -euo pipefail

build_dir=${1:?usage: tools/measure-startup.sh BUILD_DIR [RUNS]}
runs=${2:-20}
probe="$build_dir/rq51-startup-probe"
bare="$build_dir/rq51-bare-startup"
for program in "$probe" "$bare"; do
  [[ -x "$program" ]] || { echo "missing $program: build it first" >&2; exit 1; }
done
export QT_QPA_PLATFORM=offscreen

# Runs "$@" once; prints the milliseconds from launch to the end of the first
# paint and the milliseconds of processor time used by then.
time_once() {
  local start=${EPOCHREALTIME/[.,]/} output shown cpu
  output=$("$@" 2>/dev/null)
  shown=$(sed -n 's/^shown_at_us //p' <<<"$output")
  cpu=$(sed -n 's/^cpu_us //p' <<<"$output")
  if [[ -z "$shown" || -z "$cpu" ]]; then
    echo "$1 reported no first paint" >&2
    exit 1
  fi
  awk -v a="$start" -v b="$shown" -v c="$cpu" 'BEGIN { printf "%.1f %.1f\n", (b - a) / 1000, c / 1000 }'
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# The widgets rq51 has made by its first paint; the yardstick makes as many.
widgets=$("$probe" 2>/dev/null | sed -n 's/^widgets //p')
rq51_runs=()
bare_runs=()
for _ in $(seq "$runs"); do
  rq51_runs+=("$(time_once "$probe")")
  bare_runs+=("$(time_once "$bare" "$widgets")")
done
column() { printf '%s\n' "${@:2}" | cut -d' ' -f"$1" | median; }
rq51_ms=$(column 1 "${rq51_runs[@]}")
bare_ms=$(column 1 "${bare_runs[@]}")
rq51_cpu=$(column 2 "${rq51_runs[@]}")
bare_cpu=$(column 2 "${bare_runs[@]}")

echo "widgets at first paint: $widgets"
echo "rq51 start-up, median of $runs: $rq51_ms ms (processor time $rq51_cpu ms)"
echo "bare Qt program, median of $runs: $bare_ms ms (processor time $bare_cpu ms)"
awk -v a="$rq51_ms" -v b="$bare_ms" -v c="$rq51_cpu" -v d="$bare_cpu" \
  'BEGIN { printf "ratio: %.2f (processor time %.2f)\n", a / b, c / d }'
