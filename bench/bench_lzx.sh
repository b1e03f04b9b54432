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
bench=${BENCH_DIR:-/tmp/stub-bench}
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-3}
# Extractions go to a RAM file system, as in bench_mszip.sh: on disk, inode
# allocation after the previous run's delete drowns the decoders.
scratch=${SCRATCH:-/dev/shm/stub-bench-$$}
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

"$root/bench/make_corpus.sh" "$bench/corpus"
# The throughput tool lives with the LZX tests; without GoogleTest the
# build has no tests and the in-memory timing is skipped.
if cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=ON >/dev/null 2>&1; then
  cmake --build "$build" -j2 --target cabx lzx_throughput >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target cabx >/dev/null
fi
cabx=$(find "$build" -maxdepth 3 -name cabx -type f -perm -u+x | head -1)
[[ -x $cabx ]] || { echo "cabx was not built" >&2; exit 1; }
throughput=$(find "$build" -maxdepth 4 -name lzx_throughput -type f -perm -u+x | head -1)

corpus=$bench/corpus
cd "$corpus"
files=(text* src* bin*)
corpus_bytes=$(cat "${files[@]}" | wc -c)

# pack METHOD NAME: the corpus as one cabinet, made once per build of cabx;
# prints its size, and the packing CPU time on stderr.
pack() {
  local cab=$bench/$2.cab
  if [[ ! -f $cab || $cab -ot $cabx ]]; then
    if ! /usr/bin/time -o "$bench/time.txt" -f '%e %U %S' "$cabx" create -m "$1" "$cab" \
         "${files[@]}" >/dev/null 2>&1; then
      rm -f "$cab"
      return 1
    fi
    local cpu=$(awk '{print $2 + $3}' "$bench/time.txt")
    printf '  packed %-9s in %6.1f s cpu (%.1f MB/s)\n' "$1" "$cpu" \
      "$(echo "$corpus_bytes / 1000000 / $cpu" | bc -l)" >&2
  fi
  stat -c %s "$cab"
}

source "$root/bench/bench_lib.sh"

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
