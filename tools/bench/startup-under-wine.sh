#!/usr/bin/env bash
# Measurement, not a test: the time from process start to the visible welcome
# window of the wizard, against a bare one-dialog program, under the same Wine
# (in a namespace with only loopback; the wizard sends nothing before "开始").
# welcome_only.exe does what start-up must and nothing of the wizard's own: the
# part of the wizard's time that is its own is its ratio over that one.
#   tools/bench/startup-under-wine.sh [RUNS] [WIN_BUILD]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
runs=${1:-21}
win=${2:-$root/build/win}
ls -l "$win/program/q6setup.exe" | awk '{ print "q6setup.exe: " $5 " bytes" }'
"$root/tools/wine-run.sh" "$win/tools/bench/win/startup_bench.exe" "$runs" \
  "$win/program/q6setup.exe" "$win/tools/bench/win/welcome_only.exe" \
  "$win/tools/bench/win/bare_dialog.exe"
