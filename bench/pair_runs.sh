#!/usr/bin/env bash
# A/B timing of two commands on this machine: runs them alternately (ABBA),
# N times each, and prints the median wall and CPU time (user + system of the
# whole process) of each and the ratio B/A. Alternating puts the machine's
# drift on both sides, which one benchmark after the other does not.
#
# usage: bench/pair_runs.sh N COMMAND_A... -- COMMAND_B...
# OUT at the start of an argument (OUT, OUT/a.cab), or right after -o (7zz's
# -oOUT, which would otherwise write into the current directory), stands for an empty
# directory made for that run under OUT_ROOT (default /dev/shm; a disk directory measures
# extraction to disk). On disk each run's output is synced and kept until
# the end: files deleted just before a run made the next run's writes pay
# for the deletion on this machine's disk. On a RAM file system (tmpfs) it is
# removed after the run instead: kept, a few hundred MiB of it made every
# later run's writes cost four times as much CPU time, whatever the tool
# (this virtual machine hands memory freed for a while back to its host, so
# that fresh pages are slow to fill, and only recently freed ones are fast).
# Output of the commands is discarded; a command that fails stops the
# comparison.
#   BUILD_DIR  Release build with the benchmarks (default build-bench)
#
# e.g. bench/pair_runs.sh 9 ./cabx-old extract -q -d OUT x.cab -- ./cabx extract -q -d OUT x.cab
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
run_timed=${BUILD_DIR:-$root/build-bench}/bench/run_timed
[[ -x $run_timed ]] || { echo "pair_runs: no $run_timed (build the benchmarks first)" >&2; exit 2; }
(( $# >= 4 )) || { sed -n 2,14p "$0" >&2; exit 2; }
runs=$1
shift
a=() b=()
side=a
for arg in "$@"; do
  if [[ $arg == -- && $side == a ]]; then side=b; continue; fi
  if [[ $side == a ]]; then a+=("$arg"); else b+=("$arg"); fi
done
[[ ${#a[@]} -gt 0 && ${#b[@]} -gt 0 ]] || { echo "pair_runs: two commands, separated by --" >&2; exit 2; }
out_root=${OUT_ROOT:-/dev/shm}
result=$(mktemp)
outs=$(mktemp -d "$out_root/pair-runs.XXXXXX")
trap 'rm -rf "$result" "$outs"' EXIT
in_ram=0
[[ $(stat -f -c %T "$outs") == tmpfs ]] && in_ram=1

declare -A wall cpu
run() {  # side, then the command
  local which=$1 out
  shift
  out=$(mktemp -d "$outs/run.XXXXXX")
  local argv=("${@/#OUT/$out}")
  argv=("${argv[@]/#-oOUT/-o$out}")
  if ! "$run_timed" "$result" "${argv[@]}" >/dev/null 2>&1; then
    echo "pair_runs: failed: ${argv[*]}" >&2
    exit 1
  fi
  if [[ $in_ram == 1 ]]; then rm -rf "$out"; else sync -f "$out"; fi
  local w u s rest
  read -r w u s rest < "$result"
  wall[$which]+="$w "
  cpu[$which]+="$(echo "$u + $s" | bc -l) "
}
median() { tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A then B in even rounds, B then A in odd ones, so that whatever favours
# the first (or the second) of two runs in a row falls on both.
for ((k = 0; k < runs; ++k)); do
  if ((k % 2 == 0)); then
    run a "${a[@]}"
    run b "${b[@]}"
  else
    run b "${b[@]}"
    run a "${a[@]}"
  fi
done
wa=$(median <<<"${wall[a]}") wb=$(median <<<"${wall[b]}")
ca=$(median <<<"${cpu[a]}") cb=$(median <<<"${cpu[b]}")
printf 'A: wall %.3f s, CPU %.3f s\nB: wall %.3f s, CPU %.3f s\nB/A: wall %.2f, CPU %.2f\n' \
  "$wa" "$ca" "$wb" "$cb" "$(echo "$wb / $wa" | bc -l)" "$(echo "$cb / $ca" | bc -l)"
