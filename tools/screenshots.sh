#!/usr/bin/env bash
# A tour of the wizard in pictures (make screenshots): the whole road against
# simulated arrays in the lab, stopping at each window for a PNG in
# build/screenshots/: welcome, searching, step1, password, step2, step3,
# step4, confirm, saved. Without DISPLAY it draws on a virtual display.
# Q6_DPI=144 takes it on a screen of 144 pixels per inch (150 % display
# scaling), into build/screenshots/144dpi/. SCREENSHOT_DIR overrides the
# output folder.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
driver=$root/build/win/tests/lab/lab_driver.exe
sim=$root/build/native/tools/array_sim/q6-array-sim
dpi=${Q6_DPI:-96}
out=${SCREENSHOT_DIR:-$root/build/screenshots$([ "$dpi" = 96 ] || echo "/${dpi}dpi")}

for needed in "$driver" "$sim"; do
  [ -f "$needed" ] || { echo "screenshots: no $needed; build first (make native windows)" >&2; exit 1; }
done
export WINEPREFIX=${Q6_LAB_WINEPREFIX:-$root/build/wine-lab}
. "$root/tools/wine-env.sh" || exit 1
mkdir -p "$out"
signal=$(mktemp -d /tmp/q6shots.XXXXXX)
: >"$signal/log"
trap 'rm -rf "$signal"; q6_wine_cleanup' EXIT

# The driver names each window on a line and waits for its signal file, read
# through Wine's drive Z:, the root.
"$root/tools/lab.sh" --sim "$sim" -- "$root/tools/wine-run.sh" "$driver" road_fixed \
  "Z:${signal//\//\\}" >"$signal/log" 2>&1 &
tour=$!
taken=0
while :; do
  while read -r word name left top right bottom; do
    [ "$word" = ready ] && [ ! -e "$signal/$name.done" ] || continue
    bottom=${bottom%$'\r'}
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
      "$out/$name.png" && echo "$out/$name.png" && taken=$((taken + 1))
    touch "$signal/$name.done"
  done <"$signal/log"
  kill -0 "$tour" 2>/dev/null || break
  sleep 0.1
done
wait "$tour"
status=$?
[ "$status" -eq 0 ] || { echo "screenshots: the tour failed:" >&2; cat "$signal/log" >&2; }
[ "$taken" -ge 9 ] && [ "$status" -eq 0 ]
