#!/usr/bin/env bash
# Measurement, not a test: the fixed road of the real wizard under Wine while
# the simulator throws FLOOD hostile datagrams (default 10,000) at its port
# before every answer: the search, the password check, the save and the new
# search. Per run it prints the datagrams thrown, how many the wizard read and
# how many the kernel dropped for a full receive buffer (the UDP counters of
# the wizard's namespace before and after), whether every legitimate reply
# still counted (the road's own checks: three arrays listed twice, VERIFYOK and
# SETOK taken), and the road's time against the same road without a flood.
#   tools/bench/flood-under-wine.sh [RUNS] [FLOOD] [NATIVE_BUILD] [WIN_BUILD]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
runs=${1:-3}
flood=${2:-10000}
native=${3:-$root/build/native}
win=${4:-$root/build/win}
work=$(mktemp -d /tmp/q6flood.XXXXXX)
trap 'rm -rf "$work"' EXIT

# Runs in the wizard's namespace: its UDP counters (read by a program, no
# socket on the port, dropped for a full buffer) around the driver's run, then
# the run's milliseconds and exit code.
cat >"$work/road.sh" <<'ROAD'
counters() {
  awk '$1 == "Udp:" { if (!seen++) for (i = 2; i <= NF; i++) at[$i] = i
                      else print $at["InDatagrams"], $at["NoPorts"], $at["RcvbufErrors"] }' /proc/net/snmp
}
before=$(counters)
start=$(date +%s%N)
"$1" "$2" road_fixed >"$3" 2>&1
rc=$?
echo "$before $(counters) $((($(date +%s%N) - start) / 1000000)) $rc"
ROAD

road() { # NAME SIM-ARGS: "in noports rcvbuf in' noports' rcvbuf' ms rc" on stdout
  rm -f "$work/$1.log"
  "$root/tools/lab.sh" --sim "$native/tools/array_sim/q6-array-sim" \
    --sim-args "--log '$work/$1.log' $2" -- \
    bash "$work/road.sh" "$root/tools/wine-run.sh" "$win/tests/lab/lab_driver.exe" "$work/$1.out"
}

echo "fixed road, $flood hostile datagrams before every answer"
for run in $(seq "$runs"); do
  result=$(road plain "")
  read -r _ _ _ _ _ _ plain plain_rc <<<"$result"
  result=$(road flood "--flood $flood")
  read -r in0 noports0 dropped0 in1 noports1 dropped1 ms rc <<<"$result"
  thrown=$(awk '$1 == "flood" { n += $3 } END { print n + 0 }' "$work/flood.log")
  answers=$(awk '$1 == "out"' "$work/flood.log" | wc -l)
  dropped=$((dropped1 - dropped0))
  # What the wizard read beyond the answers, when every answer counted.
  read_flood=$((in1 - in0 - answers))
  awk -v run="$run" -v thrown="$thrown" -v read="$read_flood" -v dropped="$dropped" \
    -v noport="$((noports1 - noports0))" 'BEGIN {
      printf "run %d: thrown %d, read %d (%.1f%%), dropped for a full buffer %d (%.1f%%), no socket %d\n",
             run, thrown, read, 100 * read / thrown, dropped, 100 * dropped / thrown, noport }'
  if [ "$rc" -eq 0 ]; then
    outcome="every answer counted (3 arrays listed twice, VERIFYOK, SETOK)"
  else
    outcome="the road failed: $(grep -m3 'failed' "$work/flood.out" | sed 's/.*Test failed in [^:]*: //' | paste -sd';')"
  fi
  echo "run $run: $outcome; road ${ms} ms, without the flood ${plain} ms (rc $plain_rc)"
done
