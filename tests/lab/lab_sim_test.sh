#!/usr/bin/env bash
# The lab network end to end, with the native client standing in for the
# wizard: broadcasts leave the wizard's namespace and reach the simulator,
# replies come back to port 1211, the simulator's log holds the exact bytes,
# and the lab leaves nothing behind. Namespaces that cannot be created fail
# the test; nothing is skipped. What the arrays answer is the simulator's unit
# tests' business; here it is the way through the namespaces.
#   tests/lab/lab_sim_test.sh SIMULATOR CLIENT
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lab=$root/tools/lab.sh
. "$root/tests/lab/checks.sh"
check() { # description, then the command that must succeed
  if "${@:2}"; then same "$1" 0 0; else same "$1" succeeds fails; fi
}

# Runs inside the wizard's namespace: the client against three arrays, the
# second with the password "a& b".
if [ "${1:-}" = --in-lab ]; then
  client=$2
  check "broadcasts leave through the lab link" \
    bash -c 'ip route get 255.255.255.255 | grep -q "dev q6lab0 src 10.77.0.1"'
  same "the host name resolves to the lab address" "10.77.0.1" \
    "$(getent ahostsv4 "$(hostname)" | awk 'NR == 1 { print $1 }')"
  out=$("$client" --probe)
  same "each array answers the probe with GETOK to this computer" "Q6-Store01 Q6-Backup Q6-Media" \
    "$(grep '^[0-9]* 10\.77\.0\.1      GETOK     sys\.' <<<"$out" | grep -o 'sys\.hostname=[^&]*' | cut -d= -f2 | xargs)"
  same "right password" "25 10.77.0.1      VERIFYOK  " "$("$client" 10.77.1.2 VERIFY 'passwd=a& b')"
  same "no array at the address, no reply" "" "$("$client" 10.77.1.9 VERIFY 'passwd=admin')"
  exit "$failures"
fi

[ $# -eq 2 ] || { echo "usage: $0 SIMULATOR CLIENT" >&2; exit 2; }
sim=$1
client=$2
tmp=$(mktemp -d /tmp/q6lab-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
log=$tmp/sim.log

echo "-- through the lab, byte for byte"
"$lab" --sim "$sim" --sim-args "--arrays 3 --password-of 2 'a& b' --log '$log'" \
  -- "$0" --in-lab "$client"
same "the lab ran its command successfully" 0 $?
received=$(awk '$1 == "in" { print $3, $4 }' "$log")
same "the requests logged once each: the 24-byte probe, VERIFY as typed" \
  "$(printf '24 %s\n36 %s\n37 %s' "$(printf '255.255.255.255slimVault' | hex)" \
    "$(printf '%-15s%-10s%s' 10.77.1.2 VERIFY 'passwd=a& b' | hex)" \
    "$(printf '%-15s%-10s%s' 10.77.1.9 VERIFY 'passwd=admin' | hex)")" "$received"
same "replies go to port 1211 of the requester" "10.77.0.1:1211" \
  "$(awk '$1 == "out" { print $2 }' "$log" | sort -u)"

echo "-- simulator switches"
probe() { "$lab" --sim "$sim" --sim-args "$1" -- "$client" "${@:2}"; }
same "silent arrays answer nothing" "" "$(probe '--silent' --probe)"
same "each reply twice" "2 2" \
  "$(probe '--arrays 2 --duplicate 2' --probe | grep -o 'sys\.hostname=[^&]*' | sort | uniq -c | awk '{ print $1 }' | xargs)"
same "replies addressed to another computer" "10.77.0.200" \
  "$(probe '--arrays 1 --reply-to 10.77.0.200' --probe | cut -d' ' -f2)"
same "a delayed reply is not there early" "" "$(probe '--arrays 1 --delay-ms 1500' --wait-ms 200 --probe)"
out=$(probe '--arrays 1 --malformed' 10.77.1.1 VERIFY passwd=admin)
same "malformed datagrams, an empty one among them, come before the real reply" \
  "1125 1 25 10.77.0.1      VERIFYOK  " \
  "$(cut -d' ' -f1 <<<"$out" | sort -n | tail -1) $(grep -cx '0 ' <<<"$out") $(tail -1 <<<"$out")"
same "a burst of 100 arrays read as it comes" 100 \
  "$(probe '--burst 100 --delay-ms 0' --wait-ms 1000 --probe | grep -c GETOK)"

echo "-- the lab itself"
"$lab" --sim "$sim" -- sh -c 'exit 7' &
pid=$!
wait "$pid"
same "the command's exit code passes through" 7 $?
same "no namespace or name file left behind" "" \
  "$(ip netns list | grep -- "-$pid\b"; ls "/etc/netns/q6lab-host-$pid" 2>/dev/null)"
"$lab" --sim "$sim" --sim-args "--arrays 0" -- true 2>"$tmp/bad-args" || rc=failed
same "a simulator that cannot start fails the lab, saying why" "failed 1" \
  "${rc:-} $(grep -c 'arrays takes a number' "$tmp/bad-args")"
unset rc
unshare --user "$lab" --sim "$sim" -- true 2>"$tmp/no-permission" || rc=failed
same "without permission the lab fails, saying why" "failed 1" \
  "${rc:-} $(grep -c 'cannot create network namespace' "$tmp/no-permission")"
unshare -n bash -c 'ip link set lo up; "$1" & pid=$!; sleep 0.3; kill -TERM "$pid"; wait "$pid"' \
  stop-test "$sim" >/dev/null
same "the simulator stops cleanly on SIGTERM" 0 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
