#!/usr/bin/env bash
# Saves a PNG of each window of the wizard into build/screenshots/ (make
# screenshots): the welcome window, the four page frames, the progress window,
# the password window and the confirmation. Without DISPLAY it draws on a
# virtual display. SHOW_WINDOW and SCREENSHOT_DIR override the helper program
# and the output folder.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=${SHOW_WINDOW:-$root/build/win/tools/screenshots/show_window.exe}
out=${SCREENSHOT_DIR:-$root/build/screenshots}
windows=(welcome:102 step1:129 step2:130 step3:131 step4:132 progress:112 password:156
  confirm:158)

if [ ! -f "$exe" ]; then
  echo "screenshots: no $exe; build the Windows tree first (make windows)" >&2
  exit 1
fi
. "$root/tools/wine-env.sh" || exit 1
mkdir -p "$out"
signal=$(mktemp -d /tmp/q6shots.XXXXXX)
program=

finish() {
  # Releasing every window lets the program end on its own.
  for entry in "${windows[@]}"; do touch "$signal/${entry#*:}.done"; done
  [ -n "$program" ] && wait "$program"
  rm -rf "$signal"
  q6_wine_cleanup
}
trap finish EXIT

ids=()
for entry in "${windows[@]}"; do ids+=("${entry#*:}"); done
# The program polls for its signal files through Wine's drive Z:, the root.
"$root/tools/wine-run.sh" "$exe" "Z:${signal//\//\\}" "${ids[@]}" >"$signal/log" 2>&1 &
program=$!

status=0
for entry in "${windows[@]}"; do
  name=${entry%:*} id=${entry#*:}
  line=
  for _ in $(seq 1200); do
    line=$(grep -E "^(ready|failed) $id( |\$)" "$signal/log" | tr -d '\r')
    [ -n "$line" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  read -r word _ left top right bottom <<<"$line"
  if [ "$word" = ready ]; then
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
      "$out/$name.png" && echo "$out/$name.png"
  else
    echo "screenshots: window $name ($id) did not open" >&2
    status=1
  fi
  touch "$signal/$id.done"
done
exit $status
