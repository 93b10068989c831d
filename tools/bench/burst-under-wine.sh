#!/usr/bin/env bash
# Measurement, not a test: how many of 500 arrays' simultaneous "GETOK"
# replies a search exchange reads under Wine, with the exchange's enlarged
# receive buffer and with a fresh socket's default one. Prints figures only.
#   tools/bench/burst-under-wine.sh [RUNS] [NATIVE_BUILD] [WIN_BUILD]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
runs=${1:-5}
native=${2:-$root/build/native}
win=${3:-$root/build/win}
for run in $(seq "$runs"); do
  for buffer in large default; do
    "$root/tools/lab.sh" --sim "$native/tools/array_sim/q6-array-sim" \
      --sim-args "--burst 500 --delay-ms 0" -- \
      "$root/tools/wine-run.sh" "$win/tests/lab/password_lab.exe" burst "$buffer" |
      grep '^burst' | sed "s/^/run $run: /"
  done
done
