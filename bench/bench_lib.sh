# Shared pieces of the extraction benchmarks; sourced, not run.
#
# race TOOL...: times the extraction commands cmd_TOOL (an array each script
# defines, with @OUT@ standing for the output directory) RUNS times each, the
# tools alternating within every round so that a change in the machine's
# load falls on all of them alike. The first round's output of every tool is
# checked against the corpus. Prints each tool's median wall and CPU time
# (user + system) and the ratio of each peer's times to the first tool's;
# sets RACE_WALL[tool] and RACE_CPU[tool].
#
# bench_setup, find_cabx and corpus_files set what the rest expects.

# bench_setup: the settings every extraction benchmark shares (BENCH_DIR,
# BUILD_DIR, RUNS, SCRATCH), the corpus (made by make_corpus.sh if missing),
# and a scratch directory on a RAM file system: on disk, inode allocation
# after the previous run's delete drowns the decoders. Leaves the shell in
# the corpus folder with files and corpus_bytes set.
bench_setup() {
  bench=${BENCH_DIR:-/tmp/stub-bench}
  build=${BUILD_DIR:-$root/build-bench}
  runs=${RUNS:-3}
  scratch=${SCRATCH:-/dev/shm/stub-bench-$$}
  mkdir -p "$scratch"
  trap 'rm -rf "$scratch"' EXIT
  "$root/bench/make_corpus.sh" "$bench/corpus"
  corpus=$bench/corpus
}

# find_cabx: the cabx of the build, or stop.
find_cabx() {
  cabx=$(find "$build" -maxdepth 3 -name cabx -type f -perm -u+x | head -1)
  [[ -x $cabx ]] || { echo "cabx was not built" >&2; exit 1; }
}

# corpus_files: the corpus files in a fixed order, and their total size.
corpus_files() {
  cd "$corpus"
  files=(text* src* bin*)
  corpus_bytes=$(cat "${files[@]}" | wc -c)
}

# pack METHOD NAME: the corpus as one cabinet made by cabx, once per build
# of cabx; prints its size, and the packing CPU time on stderr.
pack() {
  local cab=$bench/$2.cab
  if [[ ! -f $cab || $cab -ot $cabx ]]; then
    if ! /usr/bin/time -o "$scratch/pack-time.txt" -f '%e %U %S' "$cabx" create -m "$1" "$cab" \
         "${files[@]}" >/dev/null 2>&1; then
      rm -f "$cab"
      return 1
    fi
    local cpu=$(awk '{print $2 + $3}' "$scratch/pack-time.txt")
    printf '  packed %-11s in %6.1f s cpu (%.1f MB/s)\n' "$1" "$cpu" \
      "$(echo "$corpus_bytes / 1000000 / $cpu" | bc -l)" >&2
  fi
  stat -c %s "$cab"
}

median() { sort -g | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }

declare -A RACE_WALL RACE_CPU

race() {
  local tools=("$@") tool round t
  declare -A walls cpus
  for ((round = 0; round < runs; round++)); do
    for tool in "${tools[@]}"; do
      rm -rf "$scratch/out" && mkdir -p "$scratch/out"
      local -n spec="cmd_$tool"
      local argv=("${spec[@]//@OUT@/$scratch/out}")
      if ! /usr/bin/time -o "$scratch/time.txt" -f '%e %U %S' "${argv[@]}" \
           >/dev/null 2>"$scratch/err.txt"; then
        echo "$tool failed:" >&2
        tail -3 "$scratch/err.txt" >&2
        exit 1
      fi
      t=$(tail -1 "$scratch/time.txt")
      walls[$tool]+="$(echo "$t" | cut -d' ' -f1) "
      cpus[$tool]+="$(echo "$t" | awk '{print $2 + $3}') "
      if ((round == 0)); then
        local f
        for f in "${files[@]}"; do
          cmp -s "$corpus/$f" "$scratch/out/$f" || { echo "$tool: $f differs" >&2; exit 1; }
        done
      fi
    done
  done
  for tool in "${tools[@]}"; do
    RACE_WALL[$tool]=$(printf '%s\n' ${walls[$tool]} | median)
    RACE_CPU[$tool]=$(printf '%s\n' ${cpus[$tool]} | median)
  done
  local ours=${tools[0]}
  printf '  %-11s %8s %8s %10s %9s\n' tool wall cpu "peer/ours" "by cpu"
  for tool in "${tools[@]}"; do
    printf '  %-11s %7.3fs %7.3fs %9.2fx %8.2fx\n' "$tool" "${RACE_WALL[$tool]}" \
      "${RACE_CPU[$tool]}" "$(echo "${RACE_WALL[$tool]} / ${RACE_WALL[$ours]}" | bc -l)" \
      "$(echo "${RACE_CPU[$tool]} / ${RACE_CPU[$ours]}" | bc -l)"
  done
  local fastest="" w
  for tool in "${tools[@]:1}"; do
    w=${RACE_WALL[$tool]}
    if [[ -z $fastest ]] || (($(echo "$w < ${RACE_WALL[$fastest]}" | bc -l))); then fastest=$tool; fi
  done
  if [[ -n $fastest ]]; then
    printf '  %s against the fastest peer (%s): %.2fx by wall time, %.2fx by cpu time (target 1.5x)\n' \
      "$ours" "$fastest" "$(echo "${RACE_WALL[$fastest]} / ${RACE_WALL[$ours]}" | bc -l)" \
      "$(echo "${RACE_CPU[$fastest]} / ${RACE_CPU[$ours]}" | bc -l)"
  fi
}

# peers_installed TOOL...: prints the tools whose command is installed, and
# a visible line on stderr for each that is not.
peers_installed() {
  local tool
  for tool in "$@"; do
    if command -v "$tool" >/dev/null; then echo "$tool"; else echo "  $tool: not installed, skipped" >&2; fi
  done
}
