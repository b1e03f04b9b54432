#!/usr/bin/env bash
# Encoder benchmark.
#
# Compresses the benchmark corpus (bench/make_corpus.sh), in 8 MiB folders as
# cabx create makes them, and synthetic inputs (random bytes, runs, text
# alternating with random stretches) with each encoder held in memory, and
# prints per input and method the compressed size and the encoding rate
# (MB/s of CPU time, best of RUNS), with a digest of the output.
#
# usage: bench/bench_encoders.sh [encoder_throughput options]
#   BENCH_DIR  work directory (default /tmp/stub-bench; corpus in corpus/)
#   BUILD_DIR  Release build (default build-bench in the source tree)
#   RUNS       timed runs per encoder and input (default 1)
#   METHODS    default lzx:21,lzx:15,quantum:21,quantum:15,mszip
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" bench >&2
bench=${BENCH_DIR:-/tmp/stub-bench}
build=${BUILD_DIR:-$root/build-bench}
"$root/bench/make_corpus.sh" "$bench/corpus" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target encoder_throughput >/dev/null
"$build/bench/encoder_throughput" --corpus="$bench/corpus" --runs="${RUNS:-1}" \
  --methods="${METHODS:-lzx:21,lzx:15,quantum:21,quantum:15,mszip}" "$@"
