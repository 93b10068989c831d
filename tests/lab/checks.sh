# What the lab test scripts share; source it. Each assertion prints ok or FAIL
# with what was expected, and counts the failures in $failures.
failures=0

same() { # description, expected, actual
  [ "$2" = "$3" ] && echo "ok   $1" && return
  printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  failures=$((failures + 1))
}

hex() { od -An -v -tx1 | tr -d ' \n'; }
