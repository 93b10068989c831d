#!/usr/bin/env bash
# One case of a lab driver (password_, review_ or road_CASE) end to end: the
# Windows driver runs under Wine in the lab network against the simulated
# arrays, and the simulator's log must hold, byte for byte, the requests the
# wizard sent. Namespaces that cannot be created fail the case.
#   tests/lab/lab_test.sh DRIVER_CASE SIMULATOR DRIVER_FOLDER
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tests/lab/checks.sh"
[ $# -eq 3 ] || { echo "usage: $0 DRIVER_CASE SIMULATOR DRIVER_FOLDER" >&2; exit 2; }
driver=$3/${1%%_*}_lab.exe case=${1#*_} sim=$2
work=$(mktemp -d /tmp/q6lab.XXXXXX) log=$work/sim.log
trap 'rm -rf "$work"' EXIT

# Runs the driver in the lab: simulator arguments, then the driver's; the time
# limit lets a hang end with the lab torn down, inside the test runner's.
run() {
  timeout -k 10 200 "$root/tools/lab.sh" --sim "$sim" --sim-args "$1 --log '$log'" \
    -- "$root/tools/wine-run.sh" "$driver" "${@:2}"
  same "the driver's checks pass" 0 $?
}

# The requests received (with the command field WORD, in hex) must be these.
expect_requests() { # description, WORD or "", then the expected lines
  same "$1" "$(printf '%s\n' "${@:3}")" \
    "$(awk -v word="$2" '$1 == "in" && (word == "" || substr($4, 31, 20) == word) { print $3, $4 }' "$log")"
}


case $1 in
  password_answered)
    # Answered at once, after junk: each reply must find the socket ready.
    pw='Ab& cd=ef gh!#16'
    zh=$(printf '管理员密码很安全' | iconv -f UTF-8 -t CP936)
    run "--malformed --delay-ms 0 --password-of 1 '$pw' --password-of 2 '$zh'" answered "$pw" 管理员密码很安全
    expect_requests "as typed: a& b, a bare passwd=, 16 characters; 8 Chinese ones in code page 936" \
      "" "$(request 10.77.1.1 VERIFY 'passwd=a& b')" "$(request 10.77.1.1 VERIFY passwd=)" \
      "$(request 10.77.1.1 VERIFY "passwd=$pw")" "$(request 10.77.1.2 VERIFY "passwd=$zh")"
    ;;
  password_unanswered)
    run "--reply-to 10.77.0.200" unanswered
    verify=$(request 10.77.1.1 VERIFY passwd=admin)
    expect_requests "each check went out once, that to nobody too; then the probe" "" \
      "$verify" "$(request 10.77.1.9 VERIFY passwd=admin)" "$verify" \
      "24 $(printf '255.255.255.255slimVault' | hex)"
    same "array 1 did answer both, to another computer" 2 \
      "$(grep -c "$(printf '%-15sVERIFYOK' 10.77.0.200 | hex)" "$log")"
    ;;
  review_save | review_unanswered)
    # The working settings of the driver's saves, as steps 2 and 3 left them.
    saved=$(printf 'sys.hostname=\xb4\xe6\xb4\xa201&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9')
    saved=$(printf '%s&date=2024/02/29&pad=%999s' "$saved" '' | tr ' ' x | head -c 999)
    if [ "$case" = save ]; then
      run "" save
      expect_requests "one SET, 999 bytes of settings in 1024" "" "$(request 10.77.1.1 SET "$saved")"
    else
      run "--reply-to 10.77.0.200" unanswered
      expect_requests "nothing for the cut address, 15 spaces for none, then array 1's" "" \
        "$(request '' SET "$saved")" "$(request 10.77.1.1 SET "$saved")"
      same "array 1 did answer, to another computer" 1 \
        "$(grep -c "$(printf '%-15sSETOK' 10.77.0.200 | hex)" "$log")"
    fi
    ;;
  road_fixed | road_dhcp | road_back | road_flood)
    # The "SET" must be the array's settings with only the edited pairs changed:
    # unknown keys, keys that end like known ones (update=, uptime=) and the
    # order stay. The flood road: 2,000 hostile datagrams before every answer.
    tail='&sys.Time.ntpServerList=pool.ntp.org,time.nist.gov&web.port=80'
    cat >"$work/arrays" <<ARRAYS
sys.model=Q6-4200&sys.hostname=Q6-Store01&nwk.bootproto=none&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:01&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Beijing&sys.Time.ntpServer=pool.ntp.org$tail
sys.model=Q6-2100&update=2026.1&sys.hostname=Q6-Backup&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.2&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:02&date=2000/01/01&time=00:00:00&uptime=12345&sys.Time.timeZone=Taipei&sys.Time.ntpServer=none$tail
sys.model=Q6-8400&sys.hostname=Q6-Media&nwk.bootproto=none&nwk.ipaddr=10.77.1.3&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&nwk.mac=00:1B:7A:00:00:03&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Tokyo&sys.Time.ntpServer=time.nist.gov$tail
ARRAYS
    run "--settings '$work/arrays' $([ "$case" = flood ] && echo --flood 2000)" "${case/flood/fixed}"
    array=2 changes=(nwk.bootproto=none nwk.ipaddr=10.77.1.42 nwk.netmask=255.255.255.0
      sys.gateway=10.77.0.1 sys.dns=10.77.0.53)
    [ "$case" = dhcp ] && array=1 changes=(nwk.bootproto=dhcp)
    settings=$(sed -n "${array}p" "$work/arrays")
    for pair in "${changes[@]}" sys.hostname=nas-road date=2031/07/04 time=08:09:10 \
      sys.Time.timeZone=Pacific; do
      key=${pair%%=*}
      settings=$(sed -E "s#(^|&)${key//./\\.}=[^&]*#\\1$pair#" <<<"$settings")
    done
    expect_requests "one SET, to the array's address, with only the edited pairs changed" \
      "$(printf '%-10s' SET | hex)" "$(request "10.77.1.$array" SET "$settings")"
    [ "$case" = flood ] && same "2,000 hostile datagrams before the answers to search, password, \
save, search" "2000 2000 2000 2000" "$(awk '$1 == "flood" { print $3 }' "$log" | xargs)"
    ;;
  *) echo "unknown case $1" >&2 && exit 2 ;;
esac
echo "$failures failed"
[ "$failures" -eq 0 ]
