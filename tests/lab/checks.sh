# What the lab test scripts share; source it. Each assertion prints ok or FAIL
# with what was expected, and counts the failures in $failures.
failures=0

same() { # description, expected, actual
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

hex() { od -An -v -tx1 | tr -d ' \n'; }

# The start of a script that runs one case of a driver: CASE SIMULATOR DRIVER.exe.
begin_case() {
  [ $# -eq 3 ] || { echo "usage: $0 CASE SIMULATOR DRIVER.exe" >&2; exit 2; }
  case=$1 sim=$2 driver=$3
  work=$(mktemp -d /tmp/q6lab.XXXXXX)
  trap 'rm -rf "$work"' EXIT
  log=$work/sim.log
}

# Runs the driver in the lab: simulator arguments, then the driver's. The time
# limit is well inside the test runner's, so that a hang still ends with the
# lab torn down rather than killed outright.
run() {
  timeout -k 10 150 "$root/tools/lab.sh" --sim "$sim" --sim-args "$1 --log '$log'" \
    -- "$root/tools/wine-run.sh" "$driver" "${@:2}" | tee "$work/out"
  same "the driver's checks pass" 0 "${PIPESTATUS[0]}"
}

# A request as the wizard lays it out, written out independently of the code:
# the length and the bytes, as the simulator logs a datagram it received.
request() { # address, command, payload
  local LC_ALL=C text
  text=$(printf '%-15s%-10s%s' "$1" "$2" "$3"; echo .)
  text=${text%.}
  printf '%s %s' "${#text}" "$(printf '%s' "$text" | hex)"
}

received() { awk '$1 == "in" { print $3, $4 }' "$log" 2>/dev/null; }

# The requests the simulator received must be these, one per line, in order.
expect_requests() { # description, then the expected lines
  same "$1" "$(printf '%s\n' "${@:2}")" "$(received)"
}

# The array answered once, to another computer: one datagram out holds TEXT.
answered_elsewhere() { # TEXT
  same "the array did answer, to another computer" 1 \
    "$(awk '$1 == "out"' "$log" | grep -c "$(printf '%s' "$1" | hex)")"
}

finish_case() {
  echo "$failures failed"
  [ "$failures" -eq 0 ]
}
