#!/bin/bash
# Fuzzing campaign runner.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Builds every libFuzzer target (clang, AddressSanitizer + UBSan) in
# build-fuzz/, then runs each TARGET (default: every *_fuzzer the build has)
# for SECONDS of wall time (default 600), one after another at the lowest
# CPU priority. Each run starts from the saved corpus fuzz/corpus/<target>
# plus the run's own working corpus; afterwards the new inputs are merged
# back into fuzz/corpus/<target> with -merge=1, which only adds inputs that
# reach new coverage. Crashing, leaking, slow or memory-hungry inputs are
# kept in fuzz/findings/<target>/ (never merged into the corpus); once fixed,
# a minimised copy goes under fuzz/regress/<target>/, which ctest replays.
#
# One line per run is appended to fuzz/campaign.log:
#   date target cpu_seconds executions coverage features corpus_files corpus_bytes findings
# so the CPU time each target has had is the sum of its lines.
#
# Environment: FUZZ_JOBS=N runs up to N targets at once (default 1);
# FUZZ_BUILD=0 skips the build and uses the binaries already there;
# FUZZ_FLAGS adds libFuzzer options.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
SECONDS_PER_RUN=${1:-600}
[ $# -gt 0 ] && shift
BUILD=$ROOT/build-fuzz
LOG=$ROOT/fuzz/campaign.log
JOBS=${FUZZ_JOBS:-1}

renice -n 19 -p $$ >/dev/null 2>&1 || true
command -v ionice >/dev/null && ionice -c 3 -p $$ >/dev/null 2>&1 || true

if [ "${FUZZ_BUILD:-1}" != 0 ]; then
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTUB_BUILD_FUZZERS=ON \
    -DSTUB_BUILD_TESTS=OFF -DSTUB_BUILD_TOOLS=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
  # Build only the fuzzers (the tools are configured because some targets
  # link the writer, not to build cabx itself).
  targets=$(cmake --build "$BUILD" --target help | sed -n 's/^\.\.\. \([A-Za-z0-9_]*_fuzzer\).*/\1/p')
  for t in $targets; do
    if ! cmake --build "$BUILD" -j2 --target "$t" >"$BUILD/build-$t.log" 2>&1; then
      echo "fuzz.sh: building $t failed (see $BUILD/build-$t.log); using the previous binary if any" >&2
    fi
  done
fi

if [ $# -eq 0 ]; then
  set -- $(find "$BUILD" -name '*_fuzzer' -type f -perm -u+x -printf '%f\n' | sed 's/_fuzzer$//' | sort)
fi
[ $# -gt 0 ] || { echo "fuzz.sh: no fuzz targets built" >&2; exit 1; }

[ -f "$LOG" ] || echo "# date target cpu_seconds executions coverage features corpus_files corpus_bytes findings" >"$LOG"

# Runs one target for SECONDS_PER_RUN and logs it. Its CPU time is what the
# fuzzer and the merge consumed, taken from the shell's children times.
run_target() {
  local name=$1
  local fuzzer
  fuzzer=$(find "$BUILD" -name "${name}_fuzzer" -type f -perm -u+x | head -1)
  if [ -z "$fuzzer" ]; then
    echo "fuzz.sh: no fuzzer for $name" >&2
    return 1
  fi
  local corpus=$ROOT/fuzz/corpus/$name
  local work=$BUILD/work/$name
  local findings=$ROOT/fuzz/findings/$name
  local out=$BUILD/run-$name.log
  mkdir -p "$corpus" "$work" "$findings"
  local before
  before=$(ls "$findings" | wc -l)

  # Hangs are timed by the wall clock; at the lowest priority on a busy
  # machine a fast input can stall for seconds, so the limits are generous
  # (every input here decodes in well under a second when it runs).
  "$fuzzer" "$work" "$corpus" -max_total_time="$SECONDS_PER_RUN" -timeout=60 -report_slow_units=60 \
    -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$findings/" ${FUZZ_FLAGS:-} >"$out" 2>&1
  # Keep going after a finding: the rest of the time is still useful.
  "$fuzzer" -merge=1 -timeout=60 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=70000 \
    "$corpus" "$work" >"$BUILD/merge-$name.log" 2>&1 && find "$work" -type f -delete

  local cpu
  times >"$BUILD/times-$name"  # a builtin with a redirection: no fork, so the counts are ours
  cpu=$(tail -1 "$BUILD/times-$name" | awk '{
    split($1, u, /[ms]/); split($2, s, /[ms]/);
    printf "%.0f", u[1] * 60 + u[2] + s[1] * 60 + s[2] }')
  local execs cov ft
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$out" | tail -1 | awk '{print $2}')
  ft=$(grep -o 'ft: [0-9]*' "$out" | tail -1 | awk '{print $2}')
  local files bytes after
  files=$(find "$corpus" -type f | wc -l)
  bytes=$(du -sb "$corpus" | awk '{print $1}')
  after=$(ls "$findings" | wc -l)
  printf '%s %s %s %s %s %s %s %s %s\n' "$(date -u +%Y-%m-%dT%H:%M:%SZ)" "$name" "${cpu:-0}" \
    "${execs:-0}" "${cov:-0}" "${ft:-0}" "$files" "$bytes" "$((after - before))" >>"$LOG"
  if [ "$after" -gt "$before" ]; then
    echo "fuzz.sh: $name: $((after - before)) new finding(s) in $findings (see $out)" >&2
  fi
}

status=0
if [ "$JOBS" -le 1 ]; then
  for name in "$@"; do
    ( run_target "$name" ) || status=1
  done
else
  for name in "$@"; do
    while [ "$(jobs -rp | wc -l)" -ge "$JOBS" ]; do wait -n; done
    ( run_target "$name" ) &
  done
  wait
fi
# Findings make the run fail, so a caller sees them.
if [ -n "$(find "$ROOT/fuzz/findings" -type f 2>/dev/null)" ]; then status=1; fi
exit $status
