#!/usr/bin/env bash
# Measurement, not a test: N simulated arrays answer one probe at the same
# instant with full-size settings (999 characters: 1,024-byte datagrams), and
# the real search page lists them, under Wine in the lab. For each N: arrays
# listed and the time from the probe to the filled list, with the receive buffer
# the wizard asks for (granted here, where net.core.rmem_max allows it) and
# with 212,992 bytes, what a stock Linux grants whatever is asked; beside them
# a bare native receive socket of default size, read 50 ms after the probe.
#   tools/bench/search-burst.sh [N...]     (default 64 256 1024 2048)
set -uo pipefail
export LC_ALL=C
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
native=$root/build/native
driver=$root/build/win/tests/lab/lab_driver.exe
sim=$native/tools/array_sim/q6-array-sim
work=$(mktemp -d /tmp/q6burst.XXXXXX)
trap 'rm -rf "$work"' EXIT
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(64 256 1024 2048)
echo "net.core.rmem_max $(cat /proc/sys/net/core/rmem_max), rmem_default $(cat /proc/sys/net/core/rmem_default)"

for n in "${counts[@]}"; do
  for i in $(seq "$n"); do
    line="sys.hostname=Burst-$i&nwk.bootproto=none&nwk.ipaddr=10.77.$((1 + (i - 1) / 254)).$((1 + (i - 1) % 254))&pad="
    printf '%s%s\n' "$line" "$(head -c $((999 - ${#line})) /dev/zero | tr '\0' 'p')"
  done >"$work/arrays"
  args="--settings '$work/arrays' --burst $n --delay-ms 0"
  for buffer in granted 212992; do
    extra=()
    [ "$buffer" = granted ] || extra=("$buffer")
    figure=$("$root/tools/lab.sh" --sim "$sim" --sim-args "$args" -- \
      "$root/tools/wine-run.sh" "$driver" search_burst "$n" "${extra[@]}" 2>/dev/null | grep '^burst of')
    echo "N=$n wizard, buffer $buffer: ${figure#burst of }"
  done
  bare=$("$root/tools/lab.sh" --sim "$sim" --sim-args "$args" -- \
    "$native/tools/bench/burst_bench" --expect "$n" default 2>/dev/null | tail -1)
  echo "N=$n bare socket, default buffer: $bare"
done
