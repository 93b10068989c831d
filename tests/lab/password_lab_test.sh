#!/usr/bin/env bash
# One case of the password window end to end: the Windows driver runs under
# Wine in the lab network against the simulated arrays, and the simulator's
# log must hold, byte for byte, the requests the window sent. Namespaces that
# cannot be created fail the case; nothing is skipped.
#   tests/lab/password_lab_test.sh CASE SIMULATOR DRIVER.exe
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tests/lab/checks.sh"
begin_case "$@"

array=10.77.1.1
verify() { request $array VERIFY "passwd=$1"; }
case "$case" in
  right)
    # Answered at once: the reply must find the receive socket ready.
    pw='Ab& cd=ef gh!#16'
    run "--delay-ms 0 --password '$pw'" right "$pw"
    expect_requests "one VERIFY of 48 bytes, the 16-character password as typed" "$(verify "$pw")"
    ;;
  chinese)
    # Eight Chinese characters are the array's 16 bytes in code page 936.
    pw=$(printf '管理员密码很安全' | iconv -f UTF-8 -t CP936)
    run "--delay-ms 0 --password '$pw'" right "$(printf '%s' "$pw" | iconv -f CP936 -t UTF-8)"
    expect_requests "one VERIFY of 48 bytes, the password in code page 936" "$(verify "$pw")"
    ;;
  wrong | empty)
    bad='a& b'
    [ "$case" = empty ] && bad=
    run "--delay-ms 300" wrong "$bad" admin
    expect_requests "the wrong password byte for byte (empty: a bare passwd=), then the right one" \
      "$(verify "$bad")" "$(verify admin)"
    ;;
  noanswer | other | bound | malformed)
    declare -A sim_args=([noanswer]=--silent [other]="--reply-to 10.77.0.200" [bound]=""
      [malformed]="--malformed --delay-ms 0")
    declare -A mode=([noanswer]=noanswer [other]=noanswer [bound]=bound [malformed]=right)
    run "${sim_args[$case]}" "${mode[$case]}" admin
    expect_requests "the request went out once" "$(verify admin)"
    [ "$case" = other ] && answered_elsewhere 10.77.0.200
    ;;
  boxexpiry)
    run "--silent" boxexpiry
    ;;
  *)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac
finish_case
