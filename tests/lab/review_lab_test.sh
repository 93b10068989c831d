#!/usr/bin/env bash
# One run of step 4 end to end: the Windows driver runs under Wine in the lab
# network against the simulated arrays, and the simulator's log must hold,
# byte for byte, the requests the page sent. Namespaces that cannot be created
# fail the run; nothing is skipped.
#   tests/lab/review_lab_test.sh CASE SIMULATOR DRIVER.exe
set -uo pipefail
# Settings are code-page-936 bytes: lengths and padding count bytes.
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -eq 3 ] || { echo "usage: $0 CASE SIMULATOR DRIVER.exe" >&2; exit 2; }
case=$1
sim=$2
driver=$3
work=$(mktemp -d /tmp/q6review.XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$work/sim.log
. "$root/tests/lab/checks.sh"

# A request as the page lays it out, written out independently of the code:
# the length and the bytes, as the simulator logs a datagram it received.
request() {
  local text
  text=$(printf '%-15s%-10s%s' "$1" "$2" "$3"; echo .)
  text=${text%.}
  printf '%s %s' "${#text}" "$(printf '%s' "$text" | hex)"
}

run() {
  local sim_args=$1
  shift
  timeout -k 10 150 "$root/tools/lab.sh" --sim "$sim" --sim-args "$sim_args --log '$log'" \
    -- "$root/tools/wine-run.sh" "$driver" "$@" | tee "$work/out"
  same "the driver's checks pass" 0 "${PIPESTATUS[0]}"
}

received() { awk '$1 == "in" { print $3, $4 }' "$log" 2>/dev/null; }

expect_requests() { # description, then the expected lines
  local what=$1
  shift
  same "$what" "$(printf '%s\n' "$@")" "$(received)"
}

# The working settings of the driver's saves, as steps 2 and 3 left them.
moved=$(printf 'sys.model=Q6-4200&sys.hostname=\xb4\xe6\xb4\xa201&nwk.bootproto=dhcp')
moved+='&nwk.ipaddr=10.77.1.9&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254'
moved+='&sys.dns=10.77.0.253&date=2024/02/29&time=23:59:58&sys.Time.timeZone=Tokyo'
round() { printf 'sys.hostname=Q6-Round%s&nwk.bootproto=none&nwk.ipaddr=10.77.1.9' "$1"; }
longest='sys.hostname=Q6-Long&nwk.ipaddr=10.77.1.9&pad='
longest+=$(printf '%*s' $((999 - ${#longest})) '' | tr ' ' x)

case "$case" in
  save)
    run "" save
    expect_requests "five SET requests; the cancelled save sent nothing" \
      "$(request 10.77.1.1 SET "$moved")" \
      "$(request 10.77.1.9 SET "$(round 2)")" "$(request 10.77.1.9 SET "$(round 3)")" \
      "$(request 10.77.1.9 SET "$(round 4)")" "$(request 10.77.1.9 SET "$longest")"
    same "999 bytes of settings make a datagram of 1024" 1024 \
      "$(received | awk 'NR == 5 { print $1 }')"
    ;;
  other)
    run "--reply-to 10.77.0.200" other
    expect_requests "the request went out once" "$(request 10.77.1.1 SET "$moved")"
    same "the array did answer, to another computer" 1 \
      "$(awk '$1 == "out"' "$log" | grep -c "$(printf '10.77.0.200    SETOK' | hex)")"
    ;;
  empty)
    run "" empty
    expect_requests "the request went out once, its address 15 spaces" \
      "$(request '' SET "$moved")"
    ;;
  cut)
    run "" cut
    expect_requests "nothing went out" ""
    ;;
  *)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac

echo "$failures failed"
[ "$failures" -eq 0 ]
