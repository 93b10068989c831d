#!/usr/bin/env bash
# q6.exe under Wine in the lab network against the simulated arrays: a search
# listed as CSV, and one set (a Chinese host name from a UTF-16 argument) that
# reaches the array as its own settings with that name alone changed, in code
# page 936, after the password check.
#   tests/cli/q6_wine_test.sh SIMULATOR Q6.EXE
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tests/lab/checks.sh"
[ $# -eq 2 ] || { echo "usage: $0 SIMULATOR Q6.EXE" >&2; exit 2; }
work=$(mktemp -d /tmp/q6wine.XXXXXX) log=$work/sim.log
trap 'rm -rf "$work"' EXIT

timeout -k 10 200 "$root/tools/lab.sh" --sim "$1" --sim-args "--log '$log'" -- bash -c '
  export Q6_PASSWORD=admin
  "$0" "$1" find --csv >"$2/find.csv" 2>"$2/find.err"; echo $? >"$2/find.rc"
  "$0" "$1" set 00:1b:7a:00:00:01 --host-name 存储阵列 --yes >"$2/set.out" 2>"$2/set.err"
  echo $? >"$2/set.rc"' "$root/tools/wine-run.sh" "$2" "$work"
same "the lab ran" 0 $?
same "find --csv: exit 0, a row per array, MAC and host name first" \
  "0|00:1B:7A:00:00:00,Q6-Store01|00:1B:7A:00:00:01,Q6-Backup|00:1B:7A:00:00:02,Q6-Media" \
  "$(cat "$work/find.rc")|$(tail -n +2 "$work/find.csv" | cut -d, -f1,2 | paste -sd'|')"
export LC_ALL=C
reply=$(awk '$1 == "out" { print $4 }' "$log" | unhex | cut -c26- | grep -a Q6-Backup | head -1)
name=$(printf '存储阵列' | iconv -f UTF-8 -t CP936)
same "set: exit 0; the check, then one SET of the array's settings with the new name alone" \
  "0|$(request 10.77.1.2 VERIFY passwd=admin)|$(printf '%s' "$reply" | sed "s/=Q6-Backup&/=$name\&/; s/&date=[^&]*&time=[^&]*//" | hex)" \
  "$(cat "$work/set.rc")|$(awk '$1 == "in" && substr($4, 31, 12) == "564552494659" { print $3, $4 }' "$log")|$(awk '$1 == "in" && substr($4, 31, 6) == "534554" { print $4 }' "$log" | unhex | cut -c26- | sed 's/&date=[^&]*&time=[^&]*//' | tr -d '\n' | hex)"
echo "$failures failed"
[ "$failures" -eq 0 ]
