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
. "$root/tests/lab/checks.sh"
begin_case "$@"

# The working settings of the driver's saves, as steps 2 and 3 left them.
moved=$(printf 'sys.model=Q6-4200&sys.hostname=\xb4\xe6\xb4\xa201&nwk.bootproto=dhcp')
moved+='&nwk.ipaddr=10.77.1.9&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254'
moved+='&sys.dns=10.77.0.253&date=2024/02/29&time=23:59:58&sys.Time.timeZone=Tokyo'
longest='sys.hostname=Q6-Long&nwk.ipaddr=10.77.1.9&pad='
longest+=$(printf '%*s' $((999 - ${#longest})) '' | tr ' ' x)

case "$case" in
  save)
    run "" save
    expect_requests "two SET requests, the second to the moved array; the cancelled save sent nothing" \
      "$(request 10.77.1.1 SET "$moved")" "$(request 10.77.1.9 SET "$longest")"
    same "999 bytes of settings make a datagram of 1024" 1024 "$(received | awk 'NR == 2 { print $1 }')"
    ;;
  other)
    run "--reply-to 10.77.0.200" other
    expect_requests "the request went out once" "$(request 10.77.1.1 SET "$moved")"
    answered_elsewhere '10.77.0.200    SETOK'
    ;;
  empty)
    run "" empty
    expect_requests "the request went out once, its address 15 spaces" "$(request '' SET "$moved")"
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
finish_case
