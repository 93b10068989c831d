#!/usr/bin/env bash
# Runs the wizard (make run); builds nothing.
#
# By default the wizard runs in the lab (tools/lab.sh): an isolated network of
# namespaces with simulated arrays, torn down when the wizard ends. Nothing
# reaches this computer's network.
#
# REAL_NETWORK=1 runs it on this computer's own network instead: for a user
# who has real arrays on the local network. The wizard then broadcasts its
# search to 255.255.255.255 on that network.
#
# With a display the wizard opens there and runs until closed. Without one
# there is nobody to click (REAL_NETWORK then has no use): it takes the tour of tools/screenshots.sh instead
# (the whole road against the simulated arrays, a PNG of each window in
# build/screenshots/) and says where the pictures are.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=${Q6_SETUP_EXE:-$root/build/win/program/q6setup.exe}

if [ ! -f "$exe" ]; then
  echo "run-wizard: no $exe; build the Windows tree first (make windows)" >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "run-wizard: no display; the wizard takes its tour in the lab instead" >&2
  exec "$root/tools/screenshots.sh"
fi
[ "${REAL_NETWORK:-0}" = 1 ] || export WINEPREFIX=${Q6_LAB_WINEPREFIX:-$root/build/wine-lab}
. "$root/tools/wine-env.sh" || exit 1

if [ "${REAL_NETWORK:-0}" = 1 ]; then
  echo "run-wizard: running on this computer's network (REAL_NETWORK=1)" >&2
  q6_wine_lock
  wine "$exe"
else
  "$root/tools/lab.sh" -- "$root/tools/wine-run.sh" "$exe"
fi
