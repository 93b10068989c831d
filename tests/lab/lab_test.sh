#!/usr/bin/env bash
# One case of the lab driver (CASE: password_checks, search_list, ...) end to
# end: the Windows driver runs under Wine in the lab network against the
# simulated arrays, and the simulator's log must hold, byte for byte, the
# requests the wizard sent. Namespaces that cannot be created fail the case.
#   tests/lab/lab_test.sh CASE SIMULATOR DRIVER
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tests/lab/checks.sh"
[ $# -eq 3 ] || { echo "usage: $0 CASE SIMULATOR DRIVER" >&2; exit 2; }
driver=$3 case=${1#*_} sim=$2
work=$(mktemp -d /tmp/q6lab.XXXXXX) log=$work/sim.log log2=$work/sim2.log
trap 'rm -rf "$work"' EXIT
probe="24 $(printf '255.255.255.255slimVault' | hex)"

# Runs the driver in the lab: simulator arguments, then the case and its; the
# time limit lets a hang end with the lab torn down, inside the test runner's.
# With Q6_UNPLUGGED set, the wizard's adapter is down; with Q6_UNPLUG_AT set,
# its second adapter goes down (its address gone) once that file exists. With $segment2 set, the
# wizard's computer has a second adapter whose segment has arrays of its own,
# the simulator started with $segment2.
run() {
  timeout -k 10 200 "$root/tools/lab.sh" --sim "$sim" --sim-args "$1 --log '$log'" \
    ${segment2+--second-segment "$segment2 --log '$log2'"} -- bash -c '
    [ -z "${Q6_UNPLUGGED:-}" ] || ip link set q6lab0 down || exit 1
    [ -z "${Q6_UNPLUG_AT:-}" ] || (until [ -e "$Q6_UNPLUG_AT" ]; do sleep 0.05; done
      ip addr flush dev q6lab1 && ip link set q6lab1 down && touch "$Q6_UNPLUG_AT.done") &
    exec "$@"' lab "$root/tools/wine-run.sh" "$driver" "${@:2}"
  same "the driver's checks pass" 0 $?
}

lines() { printf '%s\n' "$@"; }
# The datagrams the arrays received ("in") or sent ("out"), with the command
# word WORD if given: length and bytes, one a line (from the second segment's
# arrays: log=$log2 logged ...).
logged() {
  awk -v dir="$1" -v word="${2:+$(printf '%-10s' "$2" | hex)}" \
    '$1 == dir && (word == "" || substr($4, 31, 20) == word) { print $3, $4 }' "$log"
}

case $1 in
  password_checks)
    # Answered at once, after junk: each reply must find the socket ready.
    pw='Ab& cd=ef gh!#16'
    zh=$(printf '管理员密码很安全' | iconv -f UTF-8 -t CP936)
    run "--malformed --delay-ms 0 --password-of 1 '$pw' --password-of 2 '$zh'" "$1" "$pw" 管理员密码很安全
    same "as typed: a& b, a bare passwd=, 16 characters; 8 Chinese ones in code page 936; \
the one to nobody once" "$(lines "$(request 10.77.1.1 VERIFY 'passwd=a& b')" \
      "$(request 10.77.1.1 VERIFY passwd=)" "$(request 10.77.1.1 VERIFY "passwd=$pw")" \
      "$(request 10.77.1.2 VERIFY "passwd=$zh")" "$(request 10.77.1.9 VERIFY passwd=admin)")" \
      "$(logged in)"
    ;;
  review_saves)
    # The working settings of the driver's saves, as steps 2 and 3 left them.
    saved=$(printf 'sys.hostname=\xb4\xe6\xb4\xa201&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9')
    saved=$(printf '%s&date=2024/02/29&pad=%999s' "$saved" '' | tr ' ' x | head -c 999)
    run "" "$1"
    same "nothing for the cut address nor with the port held; 15 spaces for none, then 999 bytes in 1024 to array 1" \
      "$(lines "$(request '' SET "$saved")" "$(request 10.77.1.1 SET "$saved")")" "$(logged in)"
    ;;
  password_adapter_gone)
    printf 'sys.hostname=Q6-Near&nwk.ipaddr=10.78.1.2&nwk.mac=00:1B:7A:00:00:01\n' >"$work/near"
    printf 'sys.hostname=Q6-Far&nwk.ipaddr=10.78.1.2&nwk.mac=00:1B:7A:00:00:02\n' >"$work/far"
    segment2="--settings '$work/far' --delay-ms 300"
    Q6_UNPLUG_AT=$work/unplug run "--settings '$work/near'" "$1" "$work/unplug"
    same "one probe on each segment, no check on either" "$probe|$probe" "$(logged in)|$(log=$log2 logged in)"
    ;;
  review_rivals)
    run "--delay-ms 1500" "$1"
    first='sys.hostname=first-run&nwk.ipaddr=10.77.1.1&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Taipei&sys.Time.ntpServer=none'
    same "two SETs, each its own run's, the third run's none" \
      "$(lines "$(request 10.77.1.1 SET "$first")" "10.77.1.2 sys.hostname=second-run&nwk.ipaddr=10.77.1.2&")" \
      "$(logged in SET | sed -n 1p)
$(logged in SET | sed -n '2,$p' | cut -d' ' -f2 | unhex | sed -E 's/^(.{15}).{10}([^&]*&[^&]*&).*/\1 \2/' | tr -s ' ')"
    ;;
  road_*)
    # The "SET" must be the array's settings with only the edited pairs changed: unknown keys,
    # keys that end like known ones (update=, uptime=) and the order stay. Array 1 reports
    # "dhcp ", which is no DHCP (only "dhcp" is). Array 3, the untouched road's, has values
    # the page cannot show whole or would write in its own form: two servers, a long gateway
    # name, the array's own mode word, an empty zone, no server. The flood road: 2,000 hostile
    # datagrams before every answer. The second road: array 2's settings on a second segment,
    # answering later.
    tail='&sys.Time.ntpServerList=pool.ntp.org,time.nist.gov&web.port=80'
    cat >"$work/arrays" <<ARRAYS
sys.model=Q6-4200&sys.hostname=Q6-Store01&nwk.bootproto=dhcp &nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Beijing&sys.Time.ntpServer=pool.ntp.org$tail
sys.model=Q6-2100&update=2026.1&sys.hostname=Q6-Backup&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.2&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:02&date=2000/01/01&time=00:00:00&uptime=12345&sys.Time.timeZone=Taipei&sys.Time.ntpServer=none$tail
sys.hostname=Q6-Media&nwk.bootproto=DHCP&nwk.ipaddr=10.77.1.3&nwk.netmask=255.255.0.0&sys.gateway=$(printf 'g%.0s' $(seq 300))&sys.dns=10.77.0.253,10.77.0.252&date=2000/01/01&time=00:00:00&sys.Time.timeZone=&sys.Time.ntpServerList=pool.ntp.org
ARRAYS
    if [ "$case" = second ]; then
      sed -n 2p "$work/arrays" | sed 's/=Q6-Backup&/=Q6-Far\&/; s/=10\.77\.1\.2&/=10.78.1.2\&/' >"$work/far"
      segment2="--settings '$work/far' --delay-ms 300"
    fi
    run "--settings '$work/arrays' $([ "$case" = flood ] && echo --flood 2000)" "${1/flood/fixed}"
    # The roads' SETs written out: array 1 on DHCP, array 2 at a fixed address.
    set1="sys.model=Q6-4200&sys.hostname=nas-road&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&date=2031/07/04&time=08:09:10&sys.Time.timeZone=Pacific&sys.Time.ntpServer=pool.ntp.org$tail"
    set2="sys.model=Q6-2100&update=2026.1&sys.hostname=nas-road&nwk.bootproto=none&nwk.ipaddr=10.77.1.42&nwk.netmask=255.255.255.0&sys.gateway=10.77.0.1&sys.dns=10.77.0.53&nwk.mac=00:1B:7A:00:00:02&date=2031/07/04&time=08:09:10&uptime=12345&sys.Time.timeZone=Pacific&sys.Time.ntpServer=none$tail"
    case $case in rival) array=1 set=$set1 ;; untouched) array=3 ;; *) array=2 set=$set2 ;; esac
    to=10.77.1.$array chosen=$log
    [ "$case" = second ] && to=10.78.1.2 chosen=$log2
    if [ "$case" = untouched ]; then # the clock runs on from the reply to the SET
      payload() { cut -d' ' -f2 | unhex | cut -c26-; }
      sent=$(logged in SET | payload)
      reply=$(logged out GETOK | payload | grep -m1 Q6-Media)
      noclock() { printf '%s' "$1" | sed -E 's/&(date|time)=[^&]*//g'; }
      same "one SET, every value as the array reported it but the clock" "$(noclock "$reply")" \
        "$(noclock "$sent")"
      seconds() { date -ud "$(printf '%s' "$1" | sed -E 's/.*&date=([^&]*)&time=([^&]*).*/\1 \2/' | tr / -)" +%s; }
      ran=$(($(seconds "$sent") - $(seconds "$reply")))
      same "the clock ran on from the reply to the save (2 to 60 s)" yes \
        "$([ "$ran" -ge 2 ] && [ "$ran" -le 60 ] && echo yes || echo "no: $ran s")"
    else
      same "one SET, to the array's address, with only the edited pairs changed" \
        "$(request "$to" SET "$set")" "$(log=$chosen logged in SET)"
      [ "$case" = rival ] || same "the array took it: the new search's answer names it" 1 \
        "$(log=$chosen logged out GETOK | cut -d' ' -f2 | unhex | grep -c 'sys.hostname=nas-road&')"
    fi
    verify=$(request "$to" VERIFY passwd=admin)
    case $case in back | rival) verify=$(lines "$verify" "$verify") ;; esac
    same "the password checked with the chosen array, at each visit to step 2" "$verify" \
      "$(log=$chosen logged in VERIFY)"
    [ "$case" = second ] && same "the first segment heard the two probes alone; the second \
everything through the wizard's adapter on it" "$(lines "$probe" "$probe") 10.78.0.1" \
      "$(logged in) $(awk '$1 == "in" { sub(/:.*/, "", $2); print $2 }' "$log2" | sort -u)"
    [ "$case" = flood ] && same "2,000 hostile datagrams before the answers to search, password, \
save, search" "2000 2000 2000 2000" "$(awk '$1 == "flood" { print $3 }' "$log" | xargs)"
    ;;
  name_bytes)
    # "阵1" in UTF-8: E9 98 is a character of code page 936, B5 31 none.
    arrays="sys.hostname=$(printf '\xe9\x98\xb5\x31')&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Beijing&sys.Time.ntpServer=none&sys.Time.ntpServerList=pool.ntp.org"
    printf '%s\n' "$arrays" >"$work/arrays"
    run "--settings '$work/arrays'" "$1"
    sent=$(logged in SET | cut -d' ' -f2 | unhex | cut -c26- | sed -E 's/&(date|time)=[^&]*//g' | tr -d '\n' | hex)
    same "the SET: the name's bytes as reported, the gateway alone changed" \
      "$(printf '%s' "$arrays" | sed -E 's/&(date|time)=[^&]*//g; s/gateway=10\.77\.0\.254/gateway=10.77.0.9/' | hex)" "$sent"
    ;;
  search_list)
    # Host names cut to 19 bytes of whole characters in the list; values
    # longer than 200 bytes shown whole; the last array at the first's address.
    gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }
    long=$(printf 'dns%.0s' $(seq 100))
    cat >"$work/arrays" <<ARRAYS
sys.hostname=Q6-Fixed&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&expect.name=Q6-Fixed&expect.ip=10.77.1.1 (Fixed)
sys.hostname=Q6-Dhcp&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.2&nwk.netmask=255.255.0.0&nwk.mac=00:1B:7A:00:00:02&expect.name=Q6-Dhcp&expect.ip=10.77.1.2 (DHCP)
sys.hostname=Q6-Upper&nwk.bootproto=DHCP&nwk.ipaddr=10.77.1.3&expect.name=Q6-Upper&expect.ip=10.77.1.3 (Fixed)
sys.hostname=Q6-NoProto&nwk.ipaddr=10.77.1.4&sys.dns=$long&expect.name=Q6-NoProto&expect.ip=10.77.1.4 (Fixed)
nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.5&expect.name=&expect.ip=10.77.1.5 (DHCP)
sys.hostname=Q6-NoAddr&nwk.bootproto=dhcp&expect.name=Q6-NoAddr&expect.ip= (DHCP)
sys.hostname=$(gbk 存储阵列一号机房二号柜)&nwk.bootproto=none&nwk.ipaddr=10.77.1.7&expect.name=$(gbk 存储阵列一号机房二)&expect.ip=10.77.1.7 (Fixed)
sys.hostname=Q6-Twin&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.mac=00:1B:7A:00:00:08&expect.name=Q6-Twin&expect.ip=10.77.1.1 (Fixed)
ARRAYS
    run "--settings '$work/arrays' --duplicate 2 --delay-ms 0" "$1" "$work/arrays"
    same "only the searches that could listen sent their probe; \"No\" and the cancelled \
window nothing, \"Yes\" one check" \
      "$(lines "$probe" "$probe" "$(request 10.77.1.1 VERIFY passwd=admin)")" "$(logged in)"
    ;;
  search_unplugged)
    Q6_UNPLUGGED=1 run "--arrays 3" "$1"
    same "nothing reached the arrays" "" "$(logged in)"
    ;;
  search_burst*)
    # Settings of the full 999 bytes, each array its own address, the host name
    # last: settings kept cut would show it cut.
    count=${case#burst}
    for i in $(seq "$count"); do
      line="nwk.bootproto=none&nwk.ipaddr=10.77.$((1 + (i - 1) / 254)).$((1 + (i - 1) % 254))&pad="
      name="&sys.hostname=Burst-$i"
      printf '%s%s%s\n' "$line" "$(head -c $((999 - ${#line} - ${#name})) /dev/zero | tr '\0' 'p')" "$name"
    done >"$work/arrays"
    run "--settings '$work/arrays' --burst $count --delay-ms 0" search_burst "$count"
    ;;
  *) echo "unknown case $1" >&2 && exit 2 ;;
esac
echo "$failures failed"
[ "$failures" -eq 0 ]
