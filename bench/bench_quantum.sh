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
source "$root/bench/bench_lib.sh"
bench_setup

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target cabx >/dev/null
find_cabx
corpus_files

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
