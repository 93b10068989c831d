#!/usr/bin/env bash
# The whole road end to end: the real wizard under Wine in the lab, three
# arrays of the simulator, and the simulator's log. The "SET" the array took
# must be its reported settings with only the pairs the user edited changed:
# unknown keys, keys that end like known ones (update=, uptime=) and the pairs'
# order stay byte for byte. The road "flood" is the fixed one with 2,000
# hostile datagrams thrown at the wizard before every answer: same outcome.
#   tests/lab/road_lab_test.sh ROAD SIMULATOR DRIVER.exe
set -uo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -eq 3 ] || { echo "usage: $0 ROAD SIMULATOR DRIVER.exe" >&2; exit 2; }
road=$1 sim=$2 driver=$3
work=$(mktemp -d /tmp/q6road.XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$work/sim.log
. "$root/tests/lab/checks.sh"

tail='&sys.Time.ntpServerList=pool.ntp.org,time.nist.gov&web.port=80'
cat >"$work/arrays" <<ARRAYS
sys.model=Q6-4200&sys.hostname=Q6-Store01&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Beijing&sys.Time.ntpServer=pool.ntp.org$tail
sys.model=Q6-2100&update=2026.1&sys.hostname=Q6-Backup&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.2&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:02&date=2000/01/01&time=00:00:00&uptime=12345&sys.Time.timeZone=Taipei&sys.Time.ntpServer=none$tail
sys.model=Q6-8400&sys.hostname=Q6-Media&nwk.bootproto=none&nwk.ipaddr=10.77.1.3&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:03&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Tokyo&sys.Time.ntpServer=time.nist.gov$tail
ARRAYS

flood=
if [ "$road" = flood ]; then
  road=fixed flood="--flood 2000"
fi
timeout -k 10 200 "$root/tools/lab.sh" --sim "$sim" \
  --sim-args "--settings '$work/arrays' --log '$log' $flood" -- "$root/tools/wine-run.sh" "$driver" "$road" |
  tee "$work/out"
same "the driver's checks pass" 0 "${PIPESTATUS[0]}"

# Payloads (from byte 25) of the datagrams one way with one command word.
payloads() { # in|out WORD
  awk -v way="$1" '$1 == way { print $4 }' "$log" | while read -r hex; do
    text=$(printf '%s' "$hex" | perl -ne 'print pack "H*", $_')
    [ "$(printf '%s' "${text:15:10}" | tr -d ' ')" = "$2" ] && printf '%s\n' "${text:25}"
  done
}
# `settings` with the value of each KEY=VALUE argument put in place.
edit() {
  local settings=$1 pair
  shift
  for pair in "$@"; do
    settings=$(printf '%s' "$settings" |
      perl -pe 'BEGIN { ($k, $v) = split /=/, shift, 2 } s/(^|&)\Q$k\E=[^&]*/$1$k=$v/' "$pair")
  done
  printf '%s' "$settings"
}

if [ "$road" = dhcp ]; then
  address=10.77.1.1
  changes=(sys.hostname=nas-road nwk.bootproto=dhcp)
else
  address=10.77.1.2
  changes=(sys.hostname=nas-road nwk.bootproto=none nwk.ipaddr=10.77.1.42
    nwk.netmask=255.255.255.0 sys.gateway=10.77.0.1 sys.dns=10.77.0.53)
fi
changes+=(date=2031/07/04 time=08:09:10 sys.Time.timeZone=Pacific)
reported=$(payloads out GETOK | grep -m1 "nwk.ipaddr=$address&")
saved=$(payloads in SET)
same "one SET, the reported settings with only the edited pairs changed" \
  "$(edit "$reported" "${changes[@]}")" "$saved"
same "it went to the array's reported address" 1 \
  "$(awk '$1 == "in"' "$log" | grep -c "$(printf '%-15sSET' "$address" | hex)")"

[ -n "$flood" ] && same "2,000 hostile datagrams before the answers to search, password, save, search" \
  "2000 2000 2000 2000" "$(awk '$1 == "flood" { print $3 }' "$log" | xargs)"

echo "$failures failed"
[ "$failures" -eq 0 ]
