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
# With a display the wizard opens there and runs until closed. Without one it
# runs on a virtual display for RUN_SECONDS (default 10), saves a screenshot
# of it and one of each of its windows into build/screenshots/, says where,
# then ends.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=${Q6_SETUP_EXE:-$root/build/win/app/q6setup.exe}
seconds=${RUN_SECONDS:-10}

if [ ! -f "$exe" ]; then
  echo "run-wizard: no $exe; build the Windows tree first (make windows)" >&2
  exit 1
fi
headless=0
[ -z "${DISPLAY:-}" ] && headless=1
[ "${REAL_NETWORK:-0}" = 1 ] || export WINEPREFIX=${Q6_LAB_WINEPREFIX:-$root/build/wine-lab}
. "$root/tools/wine-env.sh" || exit 1

if [ "${REAL_NETWORK:-0}" = 1 ]; then
  echo "run-wizard: running on this computer's network (REAL_NETWORK=1)" >&2
  q6_wine_lock
  wine "$exe" &
else
  "$root/tools/lab.sh" -- "$root/tools/wine-run.sh" "$exe" &
fi
program=$!

if [ "$headless" = 0 ]; then
  wait "$program"
  exit $?
fi

sleep "$seconds"
mkdir -p "$root/build/screenshots"
shot=$root/build/screenshots/run.png
import -window root "$shot" && echo "run-wizard: screenshot of the running wizard: $shot"
# Ends the wizard and every Wine process of its prefix; the lab then tears
# itself down.
wineserver -k
wait "$program"
q6_wine_unlock
# And every window of the wizard on its own, for a look without a display.
WINEPREFIX=$root/build/wine-prefix "$root/tools/screenshots.sh"
