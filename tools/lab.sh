#!/usr/bin/env bash
# The lab: an isolated network of two namespaces, the wizard's computer and
# the simulated arrays, joined by one veth pair. Nothing sent in it reaches
# this computer's network, not even a broadcast to 255.255.255.255.
#
#   tools/lab.sh [--sim PATH] [--sim-args "ARGS"] [--second-segment "ARGS"] -- command [args...]
#
# Starts the simulator (q6-array-sim) in the arrays' namespace with ARGS (a
# shell-quoted string: --sim-args "--password 'a& b' --delay-ms 0"), runs the
# command in the wizard's namespace, tears everything down, and exits with the
# command's exit code. --second-segment gives the wizard's computer a second
# network adapter, on another segment with a simulator of its own (started
# with ARGS), and no default route through it: a broadcast sent unbound does
# not leave by it. Run Windows programs as `tools/wine-run.sh prog.exe`:
# Q6_NETNS makes it start its wineserver in the wizard's namespace, and the
# lab's own Wine prefix keeps any server outside the lab away from it.
#
# Addresses (fixed, one /16 subnet):
#   wizard's namespace q6lab-host-<pid>    10.77.0.1   (its host name resolves to it)
#   arrays' namespace  q6lab-arrays-<pid>  10.77.0.2   (simulator on udp 1212)
#   arrays' own addresses (nwk.ipaddr)     10.77.1.1, 10.77.1.2, ...
# With a second segment (one /16 subnet too):
#   wizard's second adapter                10.78.0.1
#   second arrays' namespace q6lab-arrays2-<pid>  10.78.0.2 (its simulator on udp 1212)
#   their own addresses, as its ARGS give them (10.78.1.N by convention)
# The command sees Q6_NETNS, Q6_LAB_HOST_ADDR, Q6_LAB_ARRAYS_NS, Q6_LAB_SIM_PID
# (with a second segment also Q6_LAB_HOST_ADDR2, Q6_LAB_ARRAYS2_NS,
# Q6_LAB_SIM2_PID) and WINEPREFIX (Q6_LAB_WINEPREFIX, default build/wine-lab).
# The simulator defaults to build/native/tools/array_sim/q6-array-sim (or $Q6_SIM).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sim=${Q6_SIM:-$root/build/native/tools/array_sim/q6-array-sim}
sim_args=""
sim2_args=

usage() {
  echo "usage: $0 [--sim PATH] [--sim-args \"ARGS\"] [--second-segment \"ARGS\"] -- command [args...]" >&2
  exit 2
}

while [ $# -gt 0 ]; do
  case "$1" in
    --sim) [ $# -ge 2 ] || usage; sim=$2; shift 2 ;;
    --sim-args) [ $# -ge 2 ] || usage; sim_args=$2; shift 2 ;;
    --second-segment) [ $# -ge 2 ] || usage; sim2_args=" $2"; shift 2 ;;
    --) shift; break ;;
    *) usage ;;
  esac
done
[ $# -ge 1 ] || usage

fail() {
  echo "lab: $*" >&2
  exit 1
}

[ -x "$sim" ] || fail "no simulator at $sim (build the native tree first: make native)"
eval "sim_argv=($sim_args)" || fail "--sim-args is not a valid shell word list: $sim_args"
eval "sim2_argv=($sim2_args)" || fail "--second-segment is not a valid shell word list: $sim2_args"

# A lab whose script was killed outright (SIGKILL, as a test runner's time-out
# does) could not tear itself down; its namespaces carry that script's pid.
for ns in $(ip netns list 2>/dev/null | awk '{ print $1 }' | grep -E '^q6lab-(host|arrays2?)-[0-9]+$'); do
  kill -0 "${ns##*-}" 2>/dev/null && continue
  for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null; done
  ip netns del "$ns" 2>/dev/null
  rm -rf "/etc/netns/$ns"
done

host_ns=q6lab-host-$$
arrays_ns=q6lab-arrays-$$
arrays2_ns=q6lab-arrays2-$$
host_addr=10.77.0.1
arrays_addr=10.77.0.2
host_addr2=10.78.0.1
arrays2_addr=10.78.0.2
work=$(mktemp -d /tmp/q6lab.XXXXXX) || fail "cannot create a temporary directory"
sim_pid=
sim2_pid=

# Everything the lab made goes, also after a failure or an interrupt. Processes
# still running in the namespaces were started by the lab; ending them lets
# the namespaces' network go with the namespaces.
stop_sim() { # pid
  [ -n "$1" ] || return
  kill -TERM "$1" 2>/dev/null
  for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
teardown() {
  stop_sim "$sim_pid"
  stop_sim "$sim2_pid"
  sim_pid= sim2_pid=
  local ns pid
  for ns in "$host_ns" "$arrays_ns" "$arrays2_ns"; do
    [ -e "/run/netns/$ns" ] || continue
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null; done
    ip netns del "$ns" 2>/dev/null
  done
  rm -rf "/etc/netns/$host_ns" "$work"
}
trap teardown EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

ns_error=$(ip netns add "$host_ns" 2>&1) ||
  fail "cannot create network namespace $host_ns: $ns_error (the lab needs root or CAP_SYS_ADMIN and CAP_NET_ADMIN)"
ns_error=$(ip netns add "$arrays_ns" 2>&1) ||
  fail "cannot create network namespace $arrays_ns: $ns_error"

# A veth pair named $1, created inside the wizard's namespace with its peer in
# the arrays' namespace $2: this computer's own interfaces are never touched.
# The wizard's side gets address $3, the arrays' side $4.
link_segment() {
  ip -n "$host_ns" link add "$1" type veth peer name "$1" netns "$2" &&
    ip -n "$host_ns" addr add "$3/16" broadcast + dev "$1" &&
    ip -n "$host_ns" link set "$1" up &&
    ip -n "$2" link set lo up &&
    ip -n "$2" addr add "$4/16" broadcast + dev "$1" &&
    ip -n "$2" link set "$1" up ||
    fail "cannot link $host_ns and $2 by $1"
}
ip -n "$host_ns" link set lo up || fail "cannot bring up loopback in $host_ns"
link_segment q6lab0 "$arrays_ns" "$host_addr" "$arrays_addr"
# A default route makes 255.255.255.255 leave through the veth.
ip -n "$host_ns" route add default dev q6lab0 || fail "cannot add the default route in $host_ns"
route=$(ip -n "$host_ns" route get 255.255.255.255 2>&1)
case "$route" in
  *"dev q6lab0"*) ;;
  *) fail "broadcasts in $host_ns would not leave through the lab link: $route" ;;
esac

# The wizard takes its address from its own host name; ip netns exec mounts
# these files over /etc/hosts and /etc/resolv.conf. Name servers are out of
# reach in the lab: a local one fails at once where a real one would time out.
mkdir -p "/etc/netns/$host_ns" &&
  printf '127.0.0.1\tlocalhost\n%s\t%s\n' "$host_addr" "$(hostname)" >"/etc/netns/$host_ns/hosts" &&
  printf 'nameserver 127.0.0.1\noptions timeout:1 attempts:1\n' >"/etc/netns/$host_ns/resolv.conf" ||
  fail "cannot write the name files in /etc/netns/$host_ns"

# The second segment: another veth pair from the wizard's namespace, its
# address on the wizard's side with no route but its own subnet's.
if [ -n "$sim2_args" ]; then
  ns_error=$(ip netns add "$arrays2_ns" 2>&1) ||
    fail "cannot create network namespace $arrays2_ns: $ns_error"
  link_segment q6lab1 "$arrays2_ns" "$host_addr2" "$arrays2_addr"
fi

start_sim() { # namespace, output file, arguments...; the pid in started
  ip netns exec "$1" "$sim" "${@:3}" >"$2" 2>&1 &
  started=$!
  for _ in $(seq 100); do
    grep -q 'arrays on udp port' "$2" && break
    kill -0 "$started" 2>/dev/null || break
    sleep 0.05
  done
  grep -q 'arrays on udp port' "$2" && return
  cat "$2" >&2
  fail "the simulator in $1 did not start"
}
start_sim "$arrays_ns" "$work/sim.out" "${sim_argv[@]}"
sim_pid=$started
if [ -n "$sim2_args" ]; then
  start_sim "$arrays2_ns" "$work/sim2.out" "${sim2_argv[@]}"
  sim2_pid=$started
  export Q6_LAB_HOST_ADDR2=$host_addr2 Q6_LAB_ARRAYS2_NS=$arrays2_ns Q6_LAB_SIM2_PID=$sim2_pid
fi

export Q6_NETNS=$host_ns Q6_LAB_HOST_ADDR=$host_addr Q6_LAB_ARRAYS_NS=$arrays_ns
export Q6_LAB_SIM_PID=$sim_pid
export WINEPREFIX=${Q6_LAB_WINEPREFIX:-$root/build/wine-lab}
ip netns exec "$host_ns" "$@"
rc=$?
for pid_out in "$sim_pid $work/sim.out" ${sim2_pid:+"$sim2_pid $work/sim2.out"}; do
  kill -0 "${pid_out%% *}" 2>/dev/null && continue
  echo "lab: a simulator ended early:" >&2
  cat "${pid_out#* }" >&2
  [ "$rc" -eq 0 ] && rc=1
done
exit "$rc"
