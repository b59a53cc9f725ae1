#!/usr/bin/env bash
# Start-up time of rq51 next to a bare Qt program with as many widgets: the
# median over RUNS runs (default 20) of the time from starting the process to
# the first paint of its main window, on Qt's offscreen platform.
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

# Runs "$@" once; prints the milliseconds from launch to first paint.
time_once() {
  local start=${EPOCHREALTIME/[.,]/} output shown
  output=$("$@" 2>/dev/null)
  shown=$(sed -n 's/^shown_at_us //p' <<<"$output")
  awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.1f\n", (b - a) / 1000 }'
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

widgets=$("$probe" 2>/dev/null | sed -n 's/^widgets //p')
rq51_times=$(for _ in $(seq "$runs"); do time_once "$probe"; done)
bare_times=$(for _ in $(seq "$runs"); do time_once "$bare" "$widgets"; done)

echo "widgets: $widgets"
echo "rq51 start-up, median of $runs: $(median <<<"$rq51_times") ms"
echo "bare Qt program, median of $runs: $(median <<<"$bare_times") ms"
