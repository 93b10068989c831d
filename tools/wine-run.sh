#!/usr/bin/env bash
# Runs a Windows program under Wine, the one way the tests and demos start one:
#   tools/wine-run.sh program.exe [args...]
# The program runs in a fresh network namespace with only loopback, so nothing
# it sends can reach this computer's network. With Q6_NETNS=name it runs in
# that existing namespace instead (the lab network of tools/lab.sh).
# The program's exit code is passed through; 125 means it was not started.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 program.exe [args...]" >&2
  exit 2
fi

. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" || exit 125
q6_wine_lock || exit 125
q6_in_netns wine "$@"
