#!/usr/bin/env bash
# LZX benchmark.
#
# Packs the benchmark corpus (bench/make_corpus.sh) into one cabinet as LZX
# with a 2 MiB window (cabx create -m lzx:21) and with a 32 KiB window
# (lzx:15), then times the extraction of each cabinet by cabx, cabextract,
# 7zz and bsdtar, alternating, median of RUNS runs each (wall time, and user + system CPU
# time, which a busy machine disturbs less). Every extraction is checked
# against the corpus. The decoder alone is timed too, on each cabinet held
# in memory (tests/lzx/lzx_throughput, best of 5). Finally the compressed
# sizes and the encoder's speed are set against MSZIP level 9.
#
# usage: bench/bench_lzx.sh
#   BENCH_DIR  work directory (default /tmp/stub-bench; corpus in corpus/)
#   BUILD_DIR  Release build of cabx (default build-bench in the source tree)
#   RUNS       timed runs per extractor (default 3)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/bench/bench_lib.sh"
bench_setup

# The throughput tool lives with the LZX tests; without GoogleTest the
# build has no tests and the in-memory timing is skipped.
if cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=ON >/dev/null 2>&1; then
  cmake --build "$build" -j2 --target cabx lzx_throughput >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target cabx >/dev/null
fi
find_cabx
throughput=$(find "$build" -maxdepth 4 -name lzx_throughput -type f -perm -u+x | head -1)

corpus_files

echo "corpus: ${#files[@]} files, $corpus_bytes bytes" >&2
declare -A size
for bits in 21 15; do
  size[$bits]=$(pack "lzx:$bits" "lzx$bits")
  cab=$bench/lzx$bits.cab
  echo "extracting $cab (${size[$bits]} bytes), median of $runs:" >&2
  cmd_cabx=("$cabx" extract -q -d @OUT@ "$cab")
  cmd_cabextract=(cabextract -q -d @OUT@ "$cab")
  cmd_7zz=(7zz x -y -bd -o@OUT@ "$cab")
  cmd_bsdtar=(bsdtar -xf "$cab" -C @OUT@)
  mapfile -t peers < <(peers_installed cabextract 7zz bsdtar)
  race cabx "${peers[@]}"
  if [[ -n $throughput ]]; then
    echo "lzx:$bits: decoder in memory: $("$throughput" "$cab" 5)"
  else
    echo "  lzx_throughput: not built (no tests in this build), skipped" >&2
  fi
done

echo "compressed sizes of the corpus:"
m=$(pack mszip:9 mszip9) || m=0
printf '  %-9s %11d bytes (%.1f%%)\n' mszip:9 "$m" "$(echo "100 * $m / $corpus_bytes" | bc -l)"
for bits in 21 15; do
  printf '  %-9s %11d bytes (%.1f%%); %.1f%% of mszip:9\n' "lzx:$bits" "${size[$bits]}" \
    "$(echo "100 * ${size[$bits]} / $corpus_bytes" | bc -l)" \
    "$(echo "100 * ${size[$bits]} / ($m + ($m == 0))" | bc -l)"
done
