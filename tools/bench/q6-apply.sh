#!/usr/bin/env bash
# Measurement, not a test: q6 apply of a plan for N simulated arrays (default
# 256) in the lab, the simulator at its default reply delay: every array gets a
# new host name, each row a password check and a save that end on their
# answers. Prints the time of each phase (as apply's --json summary gives it)
# and arrays per second.
#   tools/bench/q6-apply.sh [N]
set -uo pipefail
export LC_ALL=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
native=$root/build/native
n=${1:-256}
work=$(mktemp -d /tmp/q6bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

"$root/tools/lab.sh" --sim "$native/tools/array_sim/q6-array-sim" --sim-args "--arrays $n" -- bash -c '
  q6=$1 work=$2
  "$q6" find --csv >"$work/found.csv" || exit 1
  # Every row a new host name: the MAC column names the array.
  awk -F, -v OFS=, "NR == 1 { print \$1, \$2; next } { print \$1, \"bench-\" NR - 1 }" \
    "$work/found.csv" >"$work/plan.csv"
  start=$(date +%s.%N)
  Q6_PASSWORD=admin "$q6" apply "$work/plan.csv" --yes --json >"$work/summary.json" 2>/dev/null
  echo $? >"$work/rc"
  echo "$start $(date +%s.%N)" >"$work/wall"' lab "$native/cli/q6" "$work" || {
  echo "q6-apply: the lab run failed" >&2
  exit 1
}
python3 - "$work/summary.json" "$(cat "$work/rc")" $(cat "$work/wall") "$n" <<'PY'
import json, sys
summary = json.load(open(sys.argv[1]))
rc, start, end, n = int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]), int(sys.argv[5])
s = summary["seconds"]
as_sent = sum(1 for r in summary["rows"] if r.get("check") == "as sent")
wall = end - start
print(f"q6 apply, {n} arrays: exit {rc}, {summary['saved']} saved, {summary['failed']} failed, "
      f"{as_sent} found again as sent")
print(f"  search {s['search']:.2f} s, checks {s['checks']:.3f} s, rows {s['rows']:.2f} s "
      f"({s['rows'] / max(summary['saved'], 1) * 1000:.1f} ms a row), final search "
      f"{s['final_search']:.2f} s; {wall:.2f} s in all")
print(f"  {summary['saved'] / s['rows']:.0f} arrays per second in the rows, "
      f"{summary['saved'] / wall:.0f} per second from start to end")
PY
