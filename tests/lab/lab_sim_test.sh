#!/usr/bin/env bash
# The lab network end to end, with the native client standing in for the
# wizard: broadcasts leave the wizard's namespace and reach the simulator,
# replies come back to port 1211, the simulator's log holds the exact bytes,
# and the lab leaves nothing behind. Namespaces that cannot be created fail
# the test; nothing is skipped.
#   tests/lab/lab_sim_test.sh SIMULATOR CLIENT
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lab=$root/tools/lab.sh
. "$root/tests/lab/checks.sh"

check() { # description, then the command that must succeed
  local what=$1
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    failures=$((failures + 1))
  fi
}

# A request as the wizard lays it out, written out independently of the code.
request() { printf '%-15s%-10s%s' "$1" "$2" "$3"; }

# Runs inside the wizard's namespace: the client against three arrays, the
# second with the password "a& b".
in_lab() {
  local client=$1 out settings
  check "broadcasts leave through the lab link" \
    bash -c 'ip route get 255.255.255.255 | grep -q "dev q6lab0 src 10.77.0.1"'
  same "the host name resolves to the lab address" "10.77.0.1" \
    "$(getent ahostsv4 "$(hostname)" | awk 'NR == 1 { print $1 }')"

  out=$("$client" --probe)
  same "each array answers the probe with GETOK to this computer" \
    "3 3" "$(grep -c . <<<"$out") $(grep -c '^[0-9]* 10\.77\.0\.1      GETOK     sys\.' <<<"$out")"
  same "the arrays' host names" "Q6-Store01 Q6-Backup Q6-Media" \
    "$(grep -o 'sys\.hostname=[^&]*' <<<"$out" | cut -d= -f2 | xargs)"

  same "right password" "25 10.77.0.1      VERIFYOK  " \
    "$("$client" 10.77.1.2 VERIFY 'passwd=a& b')"
  same "password compared byte for byte" "25 10.77.0.1      VERIFYFAIL" \
    "$("$client" 10.77.1.2 VERIFY 'passwd=a&b')"
  same "another array's password" "25 10.77.0.1      VERIFYFAIL" \
    "$("$client" 10.77.1.1 VERIFY 'passwd=a& b')"
  same "no array at the address, no reply" "" "$("$client" 10.77.1.9 VERIFY 'passwd=admin')"

  settings=$(grep 'sys\.hostname=Q6-Backup' <<<"$out" | sed 's/^[0-9]* .\{25\}//')
  settings=${settings/sys.hostname=Q6-Backup/sys.hostname=Renamed}
  settings=${settings/nwk.ipaddr=10.77.1.2/nwk.ipaddr=10.77.1.200}
  echo "$settings" >"$LAB_TEST_DIR/set-payload"
  same "SET answered" "25 10.77.0.1      SETOK     " "$("$client" 10.77.1.2 SET "$settings")"
  out=$("$client" --probe)
  check "the new settings start where the header ends" grep -q '^sys\.model=' <<<"$settings"
  same "the next search shows the new settings" "Renamed 10.77.1.200" \
    "$(grep -o 'sys\.hostname=Renamed&.*nwk\.ipaddr=[^&]*' <<<"$out" | sed 's/sys.hostname=\([^&]*\)&.*nwk.ipaddr=/\1 /')"
  same "the array answers at its new address" "25 10.77.0.1      VERIFYOK  " \
    "$("$client" 10.77.1.200 VERIFY 'passwd=a& b')"
  same "and no more at its old one" "" "$("$client" 10.77.1.2 VERIFY 'passwd=a& b')"
  return "$failures"
}

if [ "${1:-}" = --in-lab ]; then
  in_lab "$2"
  exit $?
fi

[ $# -eq 2 ] || { echo "usage: $0 SIMULATOR CLIENT" >&2; exit 2; }
sim=$1
client=$2
LAB_TEST_DIR=$(mktemp -d /tmp/q6lab-test.XXXXXX)
export LAB_TEST_DIR
trap 'rm -rf "$LAB_TEST_DIR"' EXIT
log=$LAB_TEST_DIR/sim.log

echo "-- replies and settings through the lab"
"$lab" --sim "$sim" --sim-args "--arrays 3 --password-of 2 'a& b' --log '$log'" \
  -- "$0" --in-lab "$client"
same "the lab ran its command successfully" 0 $?

echo "-- the simulator's log holds the bytes on the wire"
received=$(awk '$1 == "in" { print $3, $4 }' "$log")
same "every request logged once" 9 "$(grep -c . <<<"$received")"
same "the 24-byte probe" "24 $(printf '255.255.255.255slimVault' | hex)" "$(head -1 <<<"$received")"
expected=$(request 10.77.1.2 VERIFY 'passwd=a& b')
same "a VERIFY request of 32 + n bytes, the password as typed" \
  "36 $(printf '%s' "$expected" | hex)" "$(sed -n 2p <<<"$received")"
payload=$(cat "$LAB_TEST_DIR/set-payload")
expected=$(request 10.77.1.2 SET "$payload")
same "the SET request, whole settings after the 25-byte header" \
  "$((25 + ${#payload})) $(printf '%s' "$expected" | hex)" "$(sed -n 6p <<<"$received")"
same "replies go to port 1211 of the requester" "10.77.0.1:1211" \
  "$(awk '$1 == "out" { print $2 }' "$log" | sort -u)"

echo "-- simulator switches"
run_probe() { # simulator arguments, client arguments...
  local args=$1
  shift
  "$lab" --sim "$sim" --sim-args "$args" -- "$client" "$@"
}
same "silent arrays answer nothing" "" "$(run_probe '--silent' --probe)"
same "each reply twice" "2 2" \
  "$(run_probe '--arrays 2 --duplicate 2' --probe | grep -o 'sys\.hostname=[^&]*' | sort |
    uniq -c | awk '{ print $1 }' | xargs)"
same "replies addressed to another computer" "10.77.0.200" \
  "$(run_probe '--arrays 1 --reply-to 10.77.0.200' --probe | cut -d' ' -f2)"
same "a delayed reply is not there early" "" \
  "$(run_probe '--arrays 1 --delay-ms 1500' --wait-ms 200 --probe)"
out=$(run_probe '--arrays 1 --malformed' 10.77.1.1 VERIFY passwd=admin)
same "malformed datagrams come before the real reply" \
  "1125 25 10.77.0.1      VERIFYOK  " "$(cut -d' ' -f1 <<<"$out" | sort -n | tail -1) $(tail -1 <<<"$out")"
check "an empty datagram among them" grep -qx '0 ' <<<"$out"
out=$(run_probe '--burst 100 --delay-ms 0' --wait-ms 1000 --probe)
same "a burst of 100 arrays read as it comes" 100 "$(grep -c GETOK <<<"$out")"

echo "-- the lab itself"
"$lab" --sim "$sim" -- sh -c 'exit 7' &
pid=$!
wait "$pid"
same "the command's exit code passes through" 7 $?
same "no namespace left behind" "" "$(ip netns list | grep -- "-$pid\b")"
check "no name files left behind" test ! -e "/etc/netns/q6lab-host-$pid"
"$lab" --sim "$sim" --sim-args "--arrays 0" -- true 2>"$LAB_TEST_DIR/bad-args"
check "a simulator that cannot start fails the lab" test $? -ne 0
check "and says why" grep -q 'arrays takes a number' "$LAB_TEST_DIR/bad-args"
unshare --user "$lab" --sim "$sim" -- true 2>"$LAB_TEST_DIR/no-permission"
check "without permission the lab fails" test $? -ne 0
check "and says why" grep -q 'cannot create network namespace' "$LAB_TEST_DIR/no-permission"

echo "-- the simulator stops cleanly on SIGTERM"
unshare -n bash -c '
  ip link set lo up
  "$1" & pid=$!
  sleep 0.3
  kill -TERM "$pid"
  wait "$pid"' stop-test "$sim" >/dev/null
same "exit code after SIGTERM" 0 $?

echo "$failures failed"
[ "$failures" -eq 0 ]
