#!/usr/bin/env bash
# Quantum benchmark.
#
# Packs the benchmark corpus (bench/make_corpus.sh) into one cabinet as
# Quantum with a 2 MiB window (cabx create -m quantum:21), then times the
# extraction of that same cabinet by cabx, cabextract and 7zz, median of RUNS
# runs each (wall time, and user + system CPU time, which a busy machine
# disturbs less). Every extraction is checked against the corpus. Finally the
# compressed size is set against MSZIP level 9 and LZX with a 2 MiB window.
#
# usage: bench/bench_quantum.sh
#   BENCH_DIR  work directory (default /tmp/stub-bench; corpus in corpus/)
#   BUILD_DIR  Release build of cabx (default build-bench in the source tree)
#   RUNS       timed runs per extractor (default 3)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bench=${BENCH_DIR:-/tmp/stub-bench}
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-3}
# Extractions go to a RAM file system, as in bench_mszip.sh: on disk, inode
# allocation after the previous run's delete drowns the decoders.
scratch=${SCRATCH:-/dev/shm/stub-bench-$$}
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

"$root/bench/make_corpus.sh" "$bench/corpus"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target cabx >/dev/null
cabx=$(find "$build" -maxdepth 3 -name cabx -type f -perm -u+x | head -1)
[[ -x $cabx ]] || { echo "cabx was not built" >&2; exit 1; }

corpus=$bench/corpus
cd "$corpus"
files=(text* src* bin*)
corpus_bytes=$(cat "${files[@]}" | wc -c)

# pack METHOD NAME: the corpus as one cabinet, made once per build of cabx.
pack() {
  local cab=$bench/$2.cab
  if [[ ! -f $cab || $cab -ot $cabx ]]; then
    local start=$(date +%s.%N)
    if ! (cd "$corpus" && "$cabx" create -m "$1" "$cab" "${files[@]}" >/dev/null); then
      rm -f "$cab"
      return 1
    fi
    printf '  packed %-11s in %6.1f s\n' "$1" "$(echo "$(date +%s.%N) - $start" | bc)" >&2
  fi
  stat -c %s "$cab"
}

source "$root/bench/bench_lib.sh"

echo "corpus: ${#files[@]} files, $corpus_bytes bytes" >&2
q=$(pack quantum:21 quantum21)
cab=$bench/quantum21.cab
echo "extracting $cab ($q bytes), median of $runs:" >&2
cmd_cabx=("$cabx" extract -q -d @OUT@ "$cab")
cmd_cabextract=(cabextract -q -d @OUT@ "$cab")
cmd_7zz=(7zz x -y -bd -o@OUT@ "$cab")
mapfile -t peers < <(peers_installed cabextract 7zz)
race cabx "${peers[@]}"

echo "compressed sizes of the corpus:"
printf '  %-11s %11d bytes (%.1f%%)\n' quantum:21 "$q" "$(echo "100 * $q / $corpus_bytes" | bc -l)"
for m in mszip:9 lzx:21; do
  if s=$(pack "$m" "${m/:/}"); then
    printf '  %-11s %11d bytes (%.1f%%); quantum:21 is %.1f%% of it\n' "$m" "$s" \
      "$(echo "100 * $s / $corpus_bytes" | bc -l)" "$(echo "100 * $q / $s" | bc -l)"
  else
    echo "  $m: cabx cannot write it"
  fi
done
