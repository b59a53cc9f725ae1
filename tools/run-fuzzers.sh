#!/usr/bin/env bash
# Runs each libFuzzer harness of a fuzz build for a set time on its corpus,
# tests/fuzz/corpus/<harness>/, where it keeps every new input it finds, and
# reports the executions, the corpus and any crash.
#
#   tools/run-fuzzers.sh BUILD_DIR [SECONDS_EACH] [HARNESS ...]
set -uo pipefail

build_dir=${1:?usage: tools/run-fuzzers.sh BUILD_DIR [SECONDS_EACH] [HARNESS ...]}
seconds=${2:-60}
shift $(($# >= 2 ? 2 : $#))
harnesses=("$@")
((${#harnesses[@]})) || harnesses=(notation cli window solution)
cd "$(dirname "$0")/.."

artifacts="$build_dir/fuzz-artifacts"
logs="$build_dir/fuzz-logs"
mkdir -p "$artifacts" "$logs"
failed=()
for harness in "${harnesses[@]}"; do
  program="$build_dir/tests/fuzz/${harness}_fuzz"
  corpus="tests/fuzz/corpus/$harness"
  [[ -x "$program" ]] || { echo "missing $program: build the fuzz build first" >&2; exit 1; }
  mkdir -p "$corpus"
  before=$(find "$corpus" -type f | wc -l)
  echo "fuzzing $harness for $seconds s ..."
  "$program" "$corpus" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$harness-" >"$logs/$harness.log" 2>&1
  status=$?
  after=$(find "$corpus" -type f | wc -l)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$harness.log" | tail -1)
  if ((status == 0)); then
    echo "$harness: ${runs:-?} executions, corpus $before -> $after inputs, no crash"
  else
    echo "$harness: CRASH after ${runs:-?} executions (status $status); see $logs/$harness.log"
    grep -E '^(broken:|==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$logs/$harness.log" | head -5
    ls "$artifacts/$harness-"* 2>/dev/null | sed 's/^/  input: /'
    failed+=("$harness")
  fi
done
if ((${#failed[@]})); then
  echo "crashes in: ${failed[*]}"
  exit 1
fi
