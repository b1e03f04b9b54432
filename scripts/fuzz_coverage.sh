#!/bin/bash
# Line coverage of the reader and the decoders over the saved fuzz inputs.
#
#   scripts/fuzz_coverage.sh [OUTDIR]
#
# Builds the replay programs of the fuzz targets with clang's source-based
# coverage (build-cov/), replays fuzz/corpus/<target> and fuzz/regress/<target>
# (and the hostile cabinets of tests/attacks for the reader), and writes to
# OUTDIR (default build-cov/report):
#   summary.txt    llvm-cov's per-file table for cabinet/ and codecs/
#   uncovered.txt  every line of those files that no saved input reaches
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
B=$ROOT/build-cov
OUT=${1:-$B/report}
FLAGS="-fprofile-instr-generate -fcoverage-mapping"
renice -n 19 -p $$ >/dev/null 2>&1 || true

cmake -S . -B "$B" -DCMAKE_BUILD_TYPE=Debug -DSTUB_BUILD_TESTS=ON -DSTUB_BUILD_TOOLS=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$FLAGS" -DCMAKE_CXX_FLAGS="$FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" >/dev/null || exit 1
targets=$(cmake --build "$B" --target help | sed -n 's/^\.\.\. \([A-Za-z0-9_]*\)_replay.*/\1/p')
[ -n "$targets" ] || { echo "fuzz_coverage.sh: no replay targets" >&2; exit 1; }

mkdir -p "$OUT"
rm -f "$B"/*.profraw
objects=()
for t in $targets; do
  cmake --build "$B" -j2 --target "${t}_replay" >"$B/build-$t.log" 2>&1 || {
    echo "fuzz_coverage.sh: building ${t}_replay failed (see $B/build-$t.log)" >&2
    continue
  }
  bin=$(find "$B" -name "${t}_replay" -type f -perm -u+x | head -1)
  extra=()
  [ "$t" = reader ] && extra=("$ROOT/tests/attacks/inputs")
  LLVM_PROFILE_FILE="$B/$t.profraw" "$bin" "$ROOT/fuzz/corpus/$t" "$ROOT/fuzz/regress/$t" "${extra[@]}" >/dev/null
  objects+=(-object "$bin")
done
llvm-profdata merge -sparse "$B"/*.profraw -o "$B/all.profdata" || exit 1

first=${objects[1]}
rest=("${objects[@]:2}")
llvm-cov report -instr-profile="$B/all.profdata" "$first" "${rest[@]}" "$ROOT/cabinet" "$ROOT/codecs" \
  >"$OUT/summary.txt"
# llvm-cov show prints "path:" before each file and "  LINE|  COUNT|source";
# a count of 0 is a line no input reached.
llvm-cov show -instr-profile="$B/all.profdata" "$first" "${rest[@]}" "$ROOT/cabinet" "$ROOT/codecs" \
  -show-line-counts -use-color=false |
  awk -v root="$ROOT/" '
    /^\/.*:$/ { file = substr($0, 1, length($0) - 1); sub(root, "", file); next }
    { split($0, f, "|"); n = f[2]; gsub(/ /, "", n);
      if (n == "0") { line = f[1]; gsub(/ /, "", line); src = $0; sub(/^[^|]*\|[^|]*\|/, "", src);
                      printf "%s:%s:%s\n", file, line, src } }' >"$OUT/uncovered.txt"
cat "$OUT/summary.txt"
echo "uncovered lines: $(wc -l <"$OUT/uncovered.txt") (see $OUT/uncovered.txt)"
