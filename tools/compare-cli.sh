#!/usr/bin/env bash
# Runs two builds of rq51-cli on the same random cubes and button presses and
# reports every case where their output, messages or exit status differ.
# Used to prove that a change inside the program leaves what it prints
# byte for byte as it was.
#
# usage: tools/compare-cli.sh OLD_CLI NEW_CLI [CASES] [SEED] [WINDOWS]
#   WINDOWS: the windows to drive, blank-separated (default: all five)
set -euo pipefail

if (($# < 2)); then
  echo "usage: $0 OLD_CLI NEW_CLI [CASES] [SEED] [WINDOWS]" >&2
  exit 2
fi
old=$1
new=$2
cases=${3:-3000}
RANDOM=${4:-51}

read -r -a windows <<<"${5:-cf0 cf lb tkc tkl}"
moves=()
for base in Rx Ry Rz Lx Ly Lz Mx My Mz; do moves+=("$base" "${base}2" "${base}3"); done
letters=(G R B O W Y)
# Every button any window may have; a window without one refuses the press.
presses=(CES CES CES CC EC SC CROSS F2C Mochikae F2M OL PL Upper1 Upper2 Middle
         Sikou Reset Numtuke Numtuke Lbx1clear Lbx2clear Lbx3clear Lbx5clear Lbx6clear
         GreenBtn YellowBtn Coloring BitBtn1 "${moves[@]}")

random_moves() {
  local count=$1 text="" n
  for ((n = 0; n < count; ++n)); do text+="${moves[RANDOM % 27]} "; done
  echo "$text"
}

random_cube() {
  local text="" n
  for ((n = 0; n < 54; ++n)); do text+="${letters[RANDOM % 6]}"; done
  echo "$text"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
differ=0
for ((c = 1; c <= cases; ++c)); do
  args=(solve --window "${windows[RANDOM % ${#windows[@]}]}")
  if ((RANDOM % 8 == 0)); then
    args+=(--cube "$(random_cube)")
  else
    args+=(--scramble "$(random_moves $((RANDOM % 30)))")
  fi
  for ((p = RANDOM % 6; p > 0; --p)); do args+=("${presses[RANDOM % ${#presses[@]}]}"); done
  set +e
  "$old" "${args[@]}" >"$work/old.out" 2>"$work/old.err"
  old_status=$?
  "$new" "${args[@]}" >"$work/new.out" 2>"$work/new.err"
  new_status=$?
  set -e
  if ((old_status != new_status)) || ! cmp -s "$work/old.out" "$work/new.out" ||
    ! cmp -s "$work/old.err" "$work/new.err"; then
    differ=$((differ + 1))
    printf 'differs:'
    printf ' %q' "${args[@]}"
    printf '\n'
  fi
done
echo "$cases cases, $differ differ"
((differ == 0))
