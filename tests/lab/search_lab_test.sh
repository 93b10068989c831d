#!/usr/bin/env bash
# One case of step 1 end to end: the Windows driver runs the wizard's windows
# under Wine in the lab against the simulated arrays, and the simulator's log
# must hold, byte for byte, the requests the windows sent.
#   tests/lab/search_lab_test.sh CASE SIMULATOR DRIVER.exe
# CASE is list, shared, nobody, twice or burstN (N arrays).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ $# -eq 3 ] || { echo "usage: $0 CASE SIMULATOR DRIVER.exe" >&2; exit 2; }
case=$1
sim=$2
driver=$3
work=$(mktemp -d /tmp/q6search.XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$work/sim.log
. "$root/tests/lab/checks.sh"

probe="24 $(printf '255.255.255.255slimVault' | hex)"

# Runs the driver in the lab: simulator arguments, then the driver's. When the
# driver asks, the arrays stop answering and the file $work/stopped says so.
run() {
  local sim_args=$1
  shift
  timeout -k 10 200 "$root/tools/lab.sh" --sim "$sim" --sim-args "$sim_args --log '$log'" -- \
    bash -c 'stopped=$1; shift
      "$@" | while IFS= read -r line; do
        line=${line%$'\''\r'\''}
        printf "%s\n" "$line"
        if [ "$line" = "search_lab: stop the arrays" ]; then
          kill -STOP "$Q6_LAB_SIM_PID" && touch "$stopped"
        fi
      done
      rc=${PIPESTATUS[0]}
      kill -CONT "$Q6_LAB_SIM_PID"
      exit "$rc"' lab "$work/stopped" "$root/tools/wine-run.sh" "$driver" "$@" | tee "$work/out"
  same "the driver's checks pass" 0 "${PIPESTATUS[0]}"
}

received() { awk '$1 == "in" { print $3, $4 }' "$log" 2>/dev/null; }
# How many replies carried the word $1 in their command field.
sent_words() {
  awk -v word="$(printf '%-10s' "$1" | hex)" '$1 == "out" && substr($4, 31, 20) == word' "$log" |
    wc -l | tr -d ' '
}
gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }

case "$case" in
  list)
    # Host names cut to 19 bytes of whole characters in the list; values
    # longer than 200 bytes shown whole.
    long=$(printf 'dns%.0s' $(seq 100))
    {
      echo "sys.hostname=Q6-Fixed&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&expect.name=Q6-Fixed&expect.ip=10.77.1.1 (Fixed)"
      echo "sys.hostname=Q6-Dhcp&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.2&nwk.netmask=255.255.0.0&nwk.mac=00:1B:7A:00:00:02&expect.name=Q6-Dhcp&expect.ip=10.77.1.2 (DHCP)"
      echo "sys.hostname=Q6-Upper&nwk.bootproto=DHCP&nwk.ipaddr=10.77.1.3&expect.name=Q6-Upper&expect.ip=10.77.1.3 (Fixed)"
      echo "sys.hostname=Q6-NoProto&nwk.ipaddr=10.77.1.4&sys.dns=$long&expect.name=Q6-NoProto&expect.ip=10.77.1.4 (Fixed)"
      echo "nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.5&expect.name=&expect.ip=10.77.1.5 (DHCP)"
      echo "sys.hostname=Q6-NoAddr&nwk.bootproto=dhcp&expect.name=Q6-NoAddr&expect.ip= (DHCP)"
      echo "sys.hostname=$(gbk 存储阵列一号机房二号柜)&nwk.bootproto=none&nwk.ipaddr=10.77.1.7&expect.name=$(gbk 存储阵列一号机房二)&expect.ip=10.77.1.7 (Fixed)"
    } >"$work/arrays"
    run "--settings '$work/arrays' --delay-ms 0" list "$work/arrays" "$work/stopped"
    same "five probes; wrong and right password for line 1; probe; password for line 0" \
      "$(printf '%s\n' "$probe" "$probe" "$probe" "$probe" "$probe" \
        "$(request 10.77.1.2 VERIFY passwd=wrong)" "$(request 10.77.1.2 VERIFY passwd=admin)" \
        "$probe" "$(request 10.77.1.1 VERIFY passwd=admin)")" "$(received | head -9)"
    ;;
  shared)
    {
      echo "sys.hostname=Fresh-A&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.mac=00:1B:7A:00:00:0A"
      echo "sys.hostname=Fresh-B&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.mac=00:1B:7A:00:00:0B"
      echo "sys.hostname=Other&nwk.bootproto=none&nwk.ipaddr=10.77.1.2&nwk.mac=00:1B:7A:00:00:0C"
    } >"$work/arrays"
    run "--settings '$work/arrays' --duplicate 2 --delay-ms 0" shared
    same "\"No\" and the cancelled window send nothing; \"Yes\" one check" \
      "$(printf '%s\n' "$probe" "$(request 10.77.1.1 VERIFY passwd=admin)")" "$(received)"
    same "both arrays at the address took the check (each reply twice)" 4 "$(sent_words VERIFYOK)"
    ;;
  nobody)
    run "--arrays 3 --reply-to 10.77.0.200" nobody
    same "the probe" "$probe" "$(received)"
    same "the arrays did answer, to another computer" 3 "$(sent_words GETOK)"
    ;;
  twice)
    run "--arrays 3 --delay-ms 0" twice
    same "every search sent its probe, the ones that could not listen too" \
      "$(printf '%s\n' "$probe" "$probe" "$probe" "$probe" "$probe")" "$(received)"
    ;;
  burst*)
    count=${case#burst}
    # Settings of the full 999 bytes, each array its own address.
    for i in $(seq "$count"); do
      line="sys.hostname=Burst-$i&nwk.bootproto=none&nwk.ipaddr=10.77.$((1 + (i - 1) / 254)).$((1 + (i - 1) % 254))&pad="
      printf '%s%s\n' "$line" "$(head -c $((999 - ${#line})) /dev/zero | tr '\0' 'p')"
    done >"$work/arrays"
    run "--settings '$work/arrays' --burst $count --delay-ms 0" burst "$count"
    ;;
  *)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac

echo "$failures failed"
[ "$failures" -eq 0 ]
