# Assertions shared by the lab test scripts; source it. Each prints ok or FAIL
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
