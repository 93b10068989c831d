#!/usr/bin/env bash
# q6 end to end in the lab network against the simulated arrays, one lab run
# per simulator setup: what each command prints and exits with, and, byte for
# byte from the simulator's log, what reached the arrays (or that nothing did).
#   tests/cli/q6_lab_test.sh SETUP SIMULATOR Q6     (SETUP: arrays, special)
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tests/lab/checks.sh"
export LC_ALL=C

# ---- Inside the lab: the cases of one setup.
if [ "${1:-}" = --in-lab ]; then
  setup=$2 q6=$3 work=$4 log=$4/sim.log
  probe="24 $(printf '255.255.255.255slimVault' | hex)"
  # The datagrams the arrays received ("in") or sent ("out"), with the
  # command word WORD if given: length and bytes, one a line.
  logged() {
    awk -v dir="$1" -v word="${2:+$(printf '%-10s' "$2" | hex)}" \
      '$1 == dir && (word == "" || substr($4, 31, 20) == word) { print $3, $4 }' "$log"
  }
  settings() { cut -d' ' -f2 | unhex | cut -c26-; }
  # The last settings string the array whose text holds $1 reported.
  reported() { logged out GETOK | settings | grep -a -- "$1" | tail -1; }
  noclock() { sed -E 's/(^|&)(date|time)=[^&]*/\1\2=/g'; }
  run() { # q6's arguments; its exit code in rc, output in out, messages in err
    "$q6" "$@" >"$work/out" 2>"$work/err" </dev/null
    rc=$? out=$(cat "$work/out") err=$(cat "$work/err")
  }
  fresh() { : >"$log"; }
  export Q6_PASSWORD=admin

  case $setup in
    arrays)
      # find, in each format.
      run find
      same "find: a line per array, sorted by address, with mode and this computer's address" \
        "0|HOST NAME ADDRESS MODE|Q6-Store01 10.77.1.1 fixed 00:1B:7A:00:00:00 10.77.0.1|Q6-Backup 10.77.1.2 dhcp 00:1B:7A:00:00:01 10.77.0.1|Q6-Media 10.77.1.3 fixed 00:1B:7A:00:00:02 10.77.0.1" \
        "$rc|$(printf '%s\n' "$out" | awk 'NR == 1 { print $1, $2, $3, $4 } NR > 1 { print $1, $2, $3, $7, $NF }' | paste -sd'|')"
      run find --csv
      same "find --csv: the plan's columns, no clock" "0
mac,host_name,mode,ip,netmask,gateway,dns,time_zone
00:1B:7A:00:00:00,Q6-Store01,fixed,10.77.1.1,255.255.0.0,10.77.0.254,10.77.0.253,Beijing
00:1B:7A:00:00:01,Q6-Backup,dhcp,10.77.1.2,255.255.0.0,10.77.0.254,10.77.0.253,Taipei
00:1B:7A:00:00:02,Q6-Media,fixed,10.77.1.3,255.255.0.0,10.77.0.254,10.77.0.253,Tokyo" "$rc
$out"
      cp "$work/out" "$work/before.csv"
      run find --json --wait 0.3
      same "find --json: the fields and the whole settings as reported" "0 3 True" \
        "$rc $(printf '%s' "$out" | python3 -c '
import json, sys
arrays = json.load(sys.stdin)
print(len(arrays), all(a["settings"].startswith("sys.model=") and a["mac"] in a["settings"]
                       and a["via"] == "10.77.0.1" and not a["shared_address"] for a in arrays))')"

      # show, by host name, MAC in any case and address; --raw byte for byte.
      fresh
      run show 00:1b:7a:00:00:01 --raw
      same "show --raw: the settings string as received" "0 $(reported Q6-Backup | tr -d '\n' | hex)" \
        "$rc $(printf '%s' "$out" | hex)"
      run show Q6-Media
      same "show by host name" "0 address: 10.77.1.3" "$rc $(printf '%s\n' "$out" | grep '^address:' | tr -s ' ')"
      run show 10.77.1.9
      same "show: an ARRAY naming none exits 3, listing the arrays" "3 3" "$rc $(grep -c '^  Q6-' <<<"$err")"

      # set: refused values send nothing at all; a dry run, no --yes without a
      # terminal and nothing to change send nothing after the probe.
      fresh
      run set Q6-Backup --ip 10.0.0.300 --time-zone Mars --fixed
      same "set: bad values refused, exit 4, not even a probe" "4 2 " "$rc $(grep -c 'is no' <<<"$err") $(logged in)"
      run set Q6-Backup --host-name NAS-Two --dry-run
      same "dry run: the change shown, only the probe sent" "0|host_name Q6-Backup nas-two|$probe" \
        "$rc|$(sed -n 2p "$work/out" | tr -s ' ')|$(logged in)"
      fresh
      run set Q6-Backup --host-name NAS-Two
      same "no terminal, no --yes: exit 2, only the probe sent" "2 $probe" "$rc $(logged in)"
      fresh
      run set Q6-Store01 --host-name Q6-Store01 --time-zone Beijing --yes
      same "nothing to change: exit 0, only the probe sent" "0 $probe" "$rc $(logged in)"
      fresh
      Q6_PASSWORD=Admin run set Q6-Store01 --host-name x --yes
      same "wrong password: exit 5, the check sent, no SET" \
        "5|$probe|$(request 10.77.1.1 VERIFY passwd=Admin)" "$rc|$(logged in | paste -sd'|')"

      # set by MAC, by address and by host name: the password checked first,
      # then one SET of the array's own settings with only the named values
      # changed, the clock run on from the reply.
      printf 'admin\r\nsecond line\n' >"$work/password"
      clock() { sed -E 's/(^|.*&)date=([^&]*)&time=([^&]*).*/\2 \3/'; }
      seconds() { date -ud "1970-01-01 $1" +%s; }
      for how in 00:1b:7a:00:00:01 10.77.1.3 Q6-Store01; do
        fresh
        case $how in
          00:*) name=Q6-Backup to=10.77.1.2 args=(--host-name NAS-Two --fixed --ip 10.77.1.20 --gateway 0.0.0.0)
            edit='s/=Q6-Backup&/=nas-two\&/; s/=dhcp&/=none\&/; s/=10\.77\.1\.2&/=10.77.1.20\&/; s/gateway=10\.77\.0\.254/gateway=/' ;;
          10.*) name=Q6-Media to=10.77.1.3 args=(--netmask 255.255.255.0 --date 2031/07/04)
            edit='s/netmask=255\.255\.0\.0/netmask=255.255.255.0/' ;;
          *) name=Q6-Store01 to=10.77.1.1 args=(--dns 10.77.0.53 --time-zone Osaka --time 08:09:10)
            edit='s/dns=10\.77\.0\.253/dns=10.77.0.53/; s/timeZone=Beijing/timeZone=Osaka/' ;;
        esac
        Q6_PASSWORD= run set "$how" "${args[@]}" --yes --password-file "$work/password"
        sent=$(logged in SET | settings)
        same "set $how: saved, after the password check, one SET with only the named values changed" \
          "0|$(request $to VERIFY passwd=admin)|$(reported "$name" | sed "$edit" | noclock)" \
          "$rc|$(logged in VERIFY)|$(printf '%s' "$sent" | noclock)"
        read -r sent_date sent_time <<<"$(printf '%s' "$sent" | clock)"
        read -r date time <<<"$(reported "$name" | clock)"
        ran=$((($(seconds "$sent_time") - $(seconds "$time") + 86400) % 86400))
        case $how in
          00:*) same "the clock ran on from the reply to the SET (0 to 5 s)" "$date yes" "$sent_date $([ $ran -le 5 ] && echo yes)" ;;
          10.*) same "the date as named, the time running on" "2031/07/04 yes" "$sent_date $([ $ran -le 5 ] && echo yes)" ;;
          *) same "the time as named, the date running on" "$date 08:09:10" "$sent_date $sent_time" ;;
        esac
      done

      # At a terminal (script's): one question, then the password typed
      # without echo; each typed once the program asks for it.
      await() { # pattern: at most 10 s for the terminal to show it
        for _ in $(seq 200); do grep -qs "$1" "$work/terminal" && return; sleep 0.05; done
      }
      fresh
      mkfifo "$work/typed"
      env -u Q6_PASSWORD script -qfec "$q6 set Q6-Store01 --time-zone Beijing" "$work/terminal" \
        <"$work/typed" >/dev/null &
      terminal=$!
      exec 3>"$work/typed"
      await '\[y/N\]'
      echo yes >&3
      await 'Password of'
      echo admin >&3
      exec 3>&-
      wait "$terminal"
      same "at a terminal: asked once, the password not echoed, saved" "1 0 1 1" \
        "$(grep -c 'Send these settings to Q6-Store01' "$work/terminal") $(grep -c admin "$work/terminal") \
$(grep -c ': saved' "$work/terminal") $(logged in SET | wc -l)"

      # A UDP port 1211 held by another program: exit 7, nothing sent.
      fresh
      python3 -c 'import socket, time; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("", 1211)); print("held", flush=True); time.sleep(30)' >"$work/holder" &
      holder=$!
      until grep -q held "$work/holder"; do sleep 0.05; done
      run find
      same "port held: find exits 7, saying so; nothing sent" "7 1 " \
        "$rc $(grep -c 'UDP port 1211 is in use' <<<"$err") $(logged in)"
      kill "$holder"
      wait "$holder" 2>/dev/null

      # Plans: a bad row refuses the whole plan before the search; an absent
      # array is reported and skipped, the others saved and found as sent.
      fresh
      printf 'mac,host_name,ip\n00:1B:7A:00:00:00,ok,\n00:1B:7A:00:00:02,,10.0.0.300\n' >"$work/bad.csv"
      run apply "$work/bad.csv" --yes
      same "a plan with a bad row: exit 4, the row's problem, nothing sent" \
        "4|  row 3: ip: 10.0.0.300 is no IPv4 address|" "$rc|$(sed -n 2p "$work/err")|$(logged in)"
      printf '\xef\xbb\xbfmac,host_name,time_zone\r\n00:1b:7a:00:00:00,"nas-one",Pacific\r\n00:1B:7A:00:00:09,ghost,\r\n00:1B:7A:00:00:02,,Tokyo\r\n' >"$work/plan.csv"
      fresh
      run apply "$work/plan.csv" --yes
      same "a plan: each row's outcome as it goes, then the summary and the check" \
        "1|row 2: Q6-Store01 (00:1B:7A:00:00:00, 10.77.1.1): saved|row 3: 00:1B:7A:00:00:09: not found, skipped|row 4: Q6-Media (00:1B:7A:00:00:02, 10.77.1.3): nothing to change, skipped|3 rows: 1 saved, 1 unchanged, 1 not found, 0 failed|2 as sent nas-one|3 not found|4 Q6-Media" \
        "$rc|$(printf '%s\n' "$out" | sed -n '/^row /p; /^3 rows/p' | paste -sd'|')|$(printf '%s\n' "$out" | sed -n '/^ROW  CHECK/,$p' | awk 'NR > 1 { print $1, ($2 == "as" ? "as sent " $4 : ($2 == "not" ? "not found" : $2)) }' | paste -sd'|')"
      same "only row 2's array heard a password check and a SET" "1 1 10.77.1.1" \
        "$(logged in VERIFY | wc -l) $(logged in SET | wc -l) $(logged in SET | cut -d' ' -f2 | unhex | cut -c1-15 | tr -d ' ')"
      # The plan fed back unchanged, and the CSV from before the plan undoing it.
      fresh
      run find --csv
      cp "$work/out" "$work/now.csv"
      run apply "$work/now.csv"
      same "find --csv fed back: nothing to change, no password check, no SET" "0 0" \
        "$rc $(logged in | grep -vc "^$probe$")"
      run apply "$work/before.csv" --yes --json
      # A host name goes lowered, as the wizard's box takes it.
      same "the CSV from before the set and the plan undoes them; --json gives the summary" \
        "0 3 as sent q6-store01 Beijing" \
        "$rc $(printf '%s' "$out" | python3 -c '
import json, sys
s = json.load(sys.stdin)
row = [r for r in s["rows"] if r["outcome"] == "saved"][0]
print(s["saved"], row["check"], row["now"]["host_name"], row["now"]["time_zone"])')"
      ;;

    special)
      # Values find must escape, arrays sharing an address, an array that
      # answers no request.
      run find
      same "find: an undecodable host name escaped, both arrays of 10.77.1.2 marked" \
        "0|闃\\xB51 10.77.1.1|Q6-Left 10.77.1.2*|Q6-Right 10.77.1.2*|Q6-Deaf 10.77.1.9|1" \
        "$rc|$(printf '%s\n' "$out" | awk 'NR > 1 { print $1, $2 }' | paste -sd'|')|$(grep -c 'one at a time' <<<"$err")"
      run find --json
      same "find --json: escapes and the shared addresses" '0 闃\xB51 False True True False' \
        "$rc $(printf '%s' "$out" | python3 -c '
import json, sys
a = json.load(sys.stdin)
print(a[0]["host_name"], *[x["shared_address"] for x in a])')"
      # The SET keeps every byte as reported but the one value set: the name's
      # UTF-8 bytes, two DNS servers, capitals and keys q6 does not know.
      fresh
      run set '闃\xB51' --gateway 10.77.0.9 --yes
      same "set by an escaped host name: one SET, only the gateway changed" \
        "0 $(reported 'sys.model=Q6-Odd' | sed 's/gateway=10\.77\.0\.254/gateway=10.77.0.9/' | noclock | tr -d '\n' | hex)" \
        "$rc $(logged in SET | settings | noclock | tr -d '\n' | hex)"
      fresh
      run set 00:1B:7A:00:00:02 --host-name other --yes
      same "set on an address another array answers for: exit 4, both named, only the probe sent" \
        "4 2 $probe" "$rc $(grep -c 'Q6-Left\|Q6-Right' <<<"$err") $(logged in)"
      run show 10.77.1.2
      same "show: an address of two arrays names several" "3" "$rc"
      printf 'mac,host_name\n00:1B:7A:00:00:03,x\n00:1B:7A:00:00:01,y\n' >"$work/plan.csv"
      fresh
      run apply "$work/plan.csv" --yes
      same "a plan with a row for an array that shares its address: exit 4, only the probe sent" \
        "4 1 $probe" "$rc $(grep -c 'row 2: Q6-Right' <<<"$err") $(logged in)"
      fresh
      run set Q6-Deaf --host-name x --yes
      same "no answer to the password check: exit 6 after 5 s, no SET" \
        "6|the array did not answer the password check within 5 s|1 0" \
        "$rc|$(sed 's/.*): //' <<<"$err")|$(logged in VERIFY | wc -l) $(logged in SET | wc -l)"
      ;;
  esac
  echo "$failures failed ($setup)"
  [ "$failures" -eq 0 ]
  exit
fi

# ---- Outside: the lab for a setup.
[ $# -eq 3 ] || { echo "usage: $0 SETUP SIMULATOR Q6" >&2; exit 2; }
setup=$1 sim=$2 q6=$3
work=$(mktemp -d /tmp/q6cli.XXXXXX)
trap 'rm -rf "$work"' EXIT
case $setup in
  arrays) args="--log '$work/sim.log'" ;;
  special)
    # The odd array: "阵1" in UTF-8 (E9 98 B5 31, which code page 936 cannot
    # decode whole), two DNS servers, capitals, unknown keys. Two arrays at
    # one address. And one whose reported address is not its own (a trailing
    # space): it hears no request.
    cat >"$work/arrays" <<ARRAYS
sys.model=Q6-Odd&sys.hostname=$(printf '\xe9\x98\xb5\x31')&nwk.bootproto=DHCP&nwk.ipaddr=10.77.1.1&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253,10.77.0.252&nwk.mac=00:1B:7A:00:00:01&date=2000/01/01&time=00:00:00&sys.Time.timeZone=GMT+08:00&X.Vendor=Ab&web.port=80
sys.hostname=Q6-Left&nwk.bootproto=none&nwk.ipaddr=10.77.1.2&nwk.mac=00:1B:7A:00:00:02
sys.hostname=Q6-Right&nwk.bootproto=none&nwk.ipaddr=10.77.1.2&nwk.mac=00:1B:7A:00:00:03
sys.hostname=Q6-Deaf&nwk.bootproto=none&nwk.ipaddr=10.77.1.9 &nwk.mac=00:1B:7A:00:00:04
ARRAYS
    args="--settings '$work/arrays' --log '$work/sim.log'" ;;
  *) echo "unknown setup $setup" >&2; exit 2 ;;
esac
timeout -k 10 200 "$root/tools/lab.sh" --sim "$sim" --sim-args "$args" -- "$0" --in-lab "$setup" "$q6" "$work"
