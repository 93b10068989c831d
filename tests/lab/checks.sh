# What the lab test scripts share; source it. Each assertion prints ok or FAIL
# with what was expected, and counts the failures in $failures.
failures=0

same() { # description, expected, actual
  [ "$2" = "$3" ] && echo "ok   $1" && return
  printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  failures=$((failures + 1))
}

hex() { od -An -v -tx1 | tr -d ' \n'; }
unhex() { perl -ne 'chomp; print pack("H*", $_), "\n"'; }

# A request as the wizard lays it out, written out independently of the code:
# length and bytes, as the simulator logs a datagram it received.
request() { # address, command, payload
  local LC_ALL=C text
  printf -v text '%-15s%-10s%s' "$1" "$2" "$3"
  printf '%s %s' "${#text}" "$(printf '%s' "$text" | hex)"
}
