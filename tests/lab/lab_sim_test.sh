#!/usr/bin/env bash
# The lab's network safety, the native client standing in for the wizard: its
# namespace holds only loopback and the lab's link, which a broadcast probe
# leaves by to reach the simulator byte for byte; replies come back to port
# 1211, the exit code passes through; without namespaces nothing runs.
#   tests/lab/lab_sim_test.sh SIMULATOR CLIENT
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lab=$root/tools/lab.sh
. "$root/tests/lab/checks.sh"

if [ "${1:-}" = --in-lab ]; then # inside the wizard's namespace
  ip -o link | awk -F': ' '{ sub(/@.*/, "", $2); print $2 }' | xargs
  ip route get 255.255.255.255 | grep -o 'dev q6lab0 src 10.77.0.1'
  "$2" --probe | grep -c '^[0-9]* 10\.77\.0\.1      GETOK     sys\.'
  exit 7
fi
[ $# -eq 2 ] || { echo "usage: $0 SIMULATOR CLIENT" >&2; exit 2; }
tmp=$(mktemp -d /tmp/q6lab-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

"$lab" --sim "$1" --sim-args "--arrays 3 --log '$tmp/sim.log'" -- "$0" --in-lab "$2" >"$tmp/out"
same "the lab passes the command's exit code on" 7 $?
same "only loopback and the lab's link; the probe leaves through it and each array answers" \
  "$(printf 'lo q6lab0\ndev q6lab0 src 10.77.0.1\n3')" "$(cat "$tmp/out")"
same "the simulator took the 24-byte probe once, and answered port 1211 of the requester" \
  "$(printf 'in 24 %s\nout 10.77.0.1:1211' "$(printf '255.255.255.255slimVault' | hex)")" \
  "$(awk '$1 == "in" { print $1, $3, $4 } $1 == "out" { print $1, $2 }' "$tmp/sim.log" | sort -u)"
unshare --user "$lab" --sim "$1" -- touch "$tmp/ran" 2>"$tmp/err" || refused=yes
same "without permission for namespaces the lab runs nothing, failing and saying why" "yes 1" \
  "${refused:-no} $(grep -c 'cannot create network namespace' "$tmp/err")$([ -e "$tmp/ran" ] && echo ' ran')"
echo "$failures failed"
[ "$failures" -eq 0 ]
