#!/usr/bin/env bash
# One case of the password window end to end: the Windows driver runs under
# Wine in the lab network against the simulated arrays, and the simulator's
# log must hold, byte for byte, the requests the window sent. Namespaces that
# cannot be created fail the case; nothing is skipped.
#   tests/lab/password_lab_test.sh CASE SIMULATOR DRIVER.exe
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -eq 3 ] || { echo "usage: $0 CASE SIMULATOR DRIVER.exe" >&2; exit 2; }
case=$1
sim=$2
driver=$3
work=$(mktemp -d /tmp/q6pw.XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$work/sim.log
. "$root/tests/lab/checks.sh"

# A request as the window lays it out, written out independently of the code:
# the length and the bytes, as the simulator logs a datagram it received.
request() {
  local LC_ALL=C text
  text=$(printf '%-15s%-10s%s' "$1" "$2" "$3"; echo .)
  text=${text%.}
  printf '%s %s' "${#text}" "$(printf '%s' "$text" | hex)"
}

# Runs the driver in the lab: simulator arguments, then the driver's.
run() {
  # Well inside the test runner's own limit, so that a hang still ends with
  # the lab torn down rather than killed outright.
  timeout -k 10 150 "$root/tools/lab.sh" --sim "$sim" --sim-args "$1 --log '$log'" \
    -- "$root/tools/wine-run.sh" "$driver" "${@:2}" | tee "$work/out"
  same "the driver's checks pass" 0 "${PIPESTATUS[0]}"
}

# The requests the simulator received must be these, one per line, in order.
expect_requests() { # description, then the expected lines
  same "$1" "$(printf '%s\n' "${@:2}")" "$(awk '$1 == "in" { print $3, $4 }' "$log" 2>/dev/null)"
}

array=10.77.1.1
case "$case" in
  right)
    # Answered at once: the reply must find the receive socket ready.
    pw='Ab& cd=ef gh!#16'
    run "--delay-ms 0 --password '$pw'" right "$pw"
    expect_requests "one VERIFY of 48 bytes, the 16-character password as typed" \
      "$(request $array VERIFY "passwd=$pw")"
    ;;
  chinese)
    # Eight Chinese characters are the array's 16 bytes in code page 936.
    pw=$(printf '管理员密码很安全' | iconv -f UTF-8 -t CP936)
    run "--delay-ms 0 --password '$pw'" right "$(printf '%s' "$pw" | iconv -f CP936 -t UTF-8)"
    expect_requests "one VERIFY of 48 bytes, the password in code page 936" \
      "$(request $array VERIFY "passwd=$pw")"
    ;;
  wrong)
    run "--delay-ms 300" wrong 'a& b' admin
    expect_requests "two VERIFY requests, the wrong password byte for byte, then the right one" \
      "$(request $array VERIFY 'passwd=a& b')" "$(request $array VERIFY passwd=admin)"
    ;;
  empty)
    run "--delay-ms 300" wrong '' admin
    expect_requests "an empty password is sent as a bare passwd= (32 bytes)" \
      "$(request $array VERIFY passwd=)" "$(request $array VERIFY passwd=admin)"
    ;;
  noanswer)
    run "--silent" noanswer admin
    expect_requests "the request went out once" "$(request $array VERIFY passwd=admin)"
    ;;
  other)
    run "--reply-to 10.77.0.200" noanswer admin
    expect_requests "the request went out once" "$(request $array VERIFY passwd=admin)"
    same "the array did answer, to another computer" 1 \
      "$(awk '$1 == "out"' "$log" | grep -c "$(printf '10.77.0.200' | hex)")"
    ;;
  bound)
    run "" bound admin
    expect_requests "the request still went out" "$(request $array VERIFY passwd=admin)"
    ;;
  boxexpiry)
    run "--silent" boxexpiry
    ;;
  probe)
    run "--arrays 3" probe 3
    expect_requests "the 24-byte probe, unpadded" \
      "24 $(printf '255.255.255.255slimVault' | hex)"
    ;;
  malformed)
    run "--malformed --delay-ms 0" right admin
    expect_requests "one VERIFY request" "$(request $array VERIFY passwd=admin)"
    ;;
  *)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac

echo "$failures failed"
[ "$failures" -eq 0 ]
