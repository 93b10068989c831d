#!/usr/bin/env bash
# Burst benchmark in the lab: 500 arrays answer one probe at once while the
# receiver reads only 50 ms later, with the system's receive buffer and with
# larger ones. Prints figures; asserts nothing.
#   tools/bench/run-burst.sh [BUILD_DIR] [burst_bench args...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:-$root/build/native}
[ $# -gt 0 ] && shift
arrays=500
"$root/tools/lab.sh" --sim "$build/tools/array_sim/q6-array-sim" \
  --sim-args "--burst $arrays --delay-ms 0" -- \
  bash -c 'echo "net.core.rmem_default $(cat /proc/sys/net/core/rmem_default)," \
             "net.core.rmem_max $(cat /proc/sys/net/core/rmem_max)"
           "$@"' burst "$build/tools/bench/burst_bench" --expect "$arrays" "$@"
