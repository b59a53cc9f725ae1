#!/usr/bin/env bash
# Checks rq51-cli's bash completion as bash runs it: commands and options
# complete from their first letters, and every button it offers for a window
# is one that `rq51-cli solve` presses in that window.
#
#   completion_test.sh <rq51-cli> <completion script>
set -u
export LC_ALL=C
cli=$1
# shellcheck source=/dev/null
source "$2"

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# The completions of the last word of a command line, sorted, on one line.
complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _rq51_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
  local want=$1
  shift
  local got
  got=$(complete_line "$@")
  [[ $got == "$want" ]] || fail "'$*' completes to '$got', expected '$want'"
}

expect "solve" rq51-cli so
expect "--window" rq51-cli solve --w
expect "stats" rq51-cli st
expect "render" rq51-cli re
expect "shortest" rq51-cli sh
expect "--max" rq51-cli shortest --m
expect "--hidden" rq51-cli render --hi
expect "off on" rq51-cli render --hidden ""
expect "--trace" rq51-cli solve --tr
expect "--notation" rq51-cli solve --no
expect "standard" rq51-cli solve --notation s
expect "--threads" rq51-cli stats --th
expect "cf cf0" rq51-cli solve --window c
expect "tkc tkl" rq51-cli stats --window tk
expect "two-phase" rq51-cli stats --window tw
expect "" rq51-cli solve --window tw
expect "csv" rq51-cli stats --format c
expect "CES CROSS Coloring" rq51-cli solve --window lb C
expect "Upper1 Upper2" rq51-cli solve --window tkc Up
# --lang CODE, with every command and before the command too.
expect "--lang" rq51-cli --la
expect "--lang" rq51-cli stats --la
expect "en" rq51-cli --lang e
expect "en ja" rq51-cli solve --window lb --lang ""
expect "solve" rq51-cli --lang en so
expect "CES CROSS Coloring" rq51-cli --lang en solve --window lb C

# Every button offered for a window is one the window has: rq51-cli presses
# them all without refusing one.
letters=""
for colour in G R B O W Y; do
  for _ in 1 2 3 4 5 6 7 8 9; do letters+=$colour; done
done
for window in cf0 cf lb tkc tkl; do
  buttons=$(complete_line rq51-cli solve --window "$window" "")
  # shellcheck disable=SC2086
  if ! error=$("$cli" solve --window "$window" --cube "$letters" $buttons 2>&1 >/dev/null); then
    fail "$window: rq51-cli refused a button the completion offers: $error"
  fi
done

# And it offers every stage button of the window (the stages the method
# statistics report) and the one-shot button.
for window in cf0 cf lb tkc tkl; do
  offered=" $(complete_line rq51-cli solve --window "$window" "") "
  stages=$("$cli" stats --n 1 --window "$window" --format csv | awk -F, 'NR > 1 && $2 != "all" { print $2 }')
  for button in $stages CES; do
    [[ $offered == *" $button "* ]] || fail "$window: the completion does not offer $button"
  done
done

if ((failures > 0)); then
  exit 1
fi
echo "bash completion: all cases passed"
