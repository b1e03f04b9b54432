#!/usr/bin/env bash
# MSZIP extraction benchmark: cabx against the peer extractors.
#
# Packs the corpus (bench/make_corpus.sh) as one MSZIP folder twice, with
# `gcab -c -z` and with our writer (`cabx create -m mszip`), then times
# extracting each cabinet with cabx, cabextract, 7zz, bsdtar and gcab,
# alternating the tools within each round, RUNS rounds (default 5). Every
# extraction goes to a fresh directory on a RAM file system (so that the
# disk's inode allocation does not drown the decoders), and the first round
# checks every tool's output against the corpus. Prints the median wall time
# and user + system CPU time of each tool and the ratio of each peer's
# medians to cabx's; the target is
# cabx at least 1.5 times as fast as the fastest peer. Finally runs the
# in-memory decoder throughput benchmark (Google Benchmark) on the corpus.
#
# usage: bench/bench_mszip.sh [BUILD_DIR]   (default: build-bench, built
#        here with -DSTUB_BUILD_BENCH=ON). Env: RUNS, BENCH_DIR, SCRATCH.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
runs=${RUNS:-5}
export BENCH_DIR=${BENCH_DIR:-/tmp/stub-bench}
corpus=$BENCH_DIR/corpus
scratch=${SCRATCH:-/dev/shm/stub-bench-$$}

for tool in gcab cabextract 7zz bsdtar; do
  command -v $tool >/dev/null || { echo "missing peer tool: $tool" >&2; exit 1; }
done
if [[ ! -x $build/cabx || ! -x $build/bench/mszip_throughput ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_BENCH=ON >/dev/null
  cmake --build "$build" -j2 --target cabx mszip_throughput >/dev/null
fi
cabx=$build/cabx

"$root/bench/make_corpus.sh" "$corpus"
mapfile -t files < <(awk -F'\t' 'NR > 1 { print $1 }' "$corpus/MANIFEST.tsv")
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

[[ -f $BENCH_DIR/mszip-gcab.cab ]] || (cd "$corpus" && gcab -c -z "$BENCH_DIR/mszip-gcab.cab" "${files[@]}")
[[ -f $BENCH_DIR/mszip-writer.cab ]] || (cd "$corpus" && "$cabx" create -m mszip "$BENCH_DIR/mszip-writer.cab" "${files[@]}" >/dev/null)

extract() {  # TOOL CABINET DIR; CPU seconds in $scratch/time.txt
  local cmd
  case $1 in
    cabx) cmd=("$cabx" extract -q -d "$3" "$2") ;;
    cabextract) cmd=(cabextract -q -d "$3" "$2") ;;
    7zz) cmd=(7zz x -y -o"$3" "$2") ;;
    bsdtar) cmd=(bsdtar -xf "$2" -C "$3") ;;
    gcab) cmd=(gcab -x -C "$3" "$2") ;;
  esac
  /usr/bin/time -o "$scratch/time.txt" -f '%U %S' "${cmd[@]}" >/dev/null
}

tools=(cabx cabextract 7zz bsdtar gcab)
total=$(awk -F'\t' 'NR > 1 { s += $3 } END { print s }' "$corpus/MANIFEST.tsv")
printf 'corpus: %d files, %.1f MB; %d rounds; scratch %s\n' "${#files[@]}" "$(echo "$total / 1000000" | bc -l)" "$runs" "$scratch"

for cab in mszip-gcab.cab mszip-writer.cab; do
  declare -A times=() cpus=()
  for ((round = 0; round < runs; round++)); do
    # Rotate the order so that no tool always runs first or last.
    for ((k = 0; k < ${#tools[@]}; k++)); do
      tool=${tools[$(((k + round) % ${#tools[@]}))]}
      out=$scratch/$tool
      rm -rf "$out"; mkdir -p "$out"
      start=$(date +%s.%N)
      extract "$tool" "$BENCH_DIR/$cab" "$out"
      end=$(date +%s.%N)
      times[$tool]+="$(echo "$end - $start" | bc -l) "
      cpus[$tool]+="$(tail -1 "$scratch/time.txt" | awk '{print $1 + $2}') "
      if ((round == 0)); then
        for f in "${files[@]}"; do
          cmp -s "$corpus/$f" "$out/$f" || { echo "$tool: $f differs after extracting $cab" >&2; exit 1; }
        done
      fi
      rm -rf "$out"
    done
  done
  echo
  echo "$cab ($(stat -c %s "$BENCH_DIR/$cab") bytes), median of $runs:"
  median() { echo "$@" | tr ' ' '\n' | sort -g | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }
  ours=$(median ${times[cabx]})
  ourcpu=$(median ${cpus[cabx]})
  for tool in "${tools[@]}"; do
    med=$(median ${times[$tool]})
    cpu=$(median ${cpus[$tool]})
    printf '  %-11s wall %7.3f s  cpu %6.2f s   peer/cabx wall %5.2f  cpu %5.2f\n' "$tool" "$med" "$cpu" \
      "$(echo "$med / $ours" | bc -l)" "$(echo "$cpu / $ourcpu" | bc -l)"
  done
  unset times cpus
done

echo
echo "decoder throughput, corpus in memory (bytes_per_second is output):"
"$build/bench/mszip_throughput" "$corpus" --benchmark_min_time=2 2>&1 | grep -E 'corpus|Corpus'
