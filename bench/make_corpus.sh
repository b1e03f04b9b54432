#!/usr/bin/env bash
# Assembles the benchmark corpus from real files of this machine: text,
# source code and x86-64 binaries, about a third each: CORPUS_MB MiB in all
# (a little more, as the last file of each kind is taken whole), or
# CORPUS_MB_PER_KIND MiB of each kind (default 36, over 100 MB in all). The
# files are copied flat into one directory (names prefixed by kind and
# number, so that no two collide) and listed with their origin and size in
# MANIFEST.tsv. The selection is deterministic for a given machine image.
#
# usage: bench/make_corpus.sh [DIR]   (default: $BENCH_DIR/corpus,
#                                      BENCH_DIR defaulting to /tmp/stub-bench)
# Re-running with an existing complete corpus does nothing.
set -euo pipefail

dir=${1:-${BENCH_DIR:-/tmp/stub-bench}/corpus}
per_kind=${CORPUS_MB_PER_KIND:-36}   # MiB of each kind
if [[ -n ${CORPUS_MB:-} ]]; then
  kind_bytes=$((CORPUS_MB * 1024 * 1024 / 3))
else
  kind_bytes=$((per_kind * 1024 * 1024))
fi
min_size=${CORPUS_MIN_FILE:-8192}     # skip tiny files: extraction would time file creation
max_size=$((4 * 1024 * 1024))         # and huge ones, so that no single file dominates

if [[ -f $dir/MANIFEST.tsv && -f $dir/.complete ]]; then
  echo "corpus already in $dir ($(du -sm "$dir" | cut -f1) MB)"
  exit 0
fi
rm -rf "$dir"
mkdir -p "$dir"
printf 'file\tkind\tbytes\torigin\n' > "$dir/MANIFEST.tsv"

# take KIND: reads candidate paths on stdin, copies them until kind_bytes.
take() {
  local kind=$1 n=0 total=0 limit=$kind_bytes path size name
  while IFS= read -r path; do
    [[ -f $path && ! -L $path && -r $path ]] || continue
    size=$(stat -c %s "$path")
    (( size >= min_size && size <= max_size )) || continue
    name=$(printf '%s%04d_%s' "$kind" "$n" "$(basename "$path")")
    cp "$path" "$dir/$name"
    printf '%s\t%s\t%s\t%s\n' "$name" "$kind" "$size" "$path" >> "$dir/MANIFEST.tsv"
    n=$((n + 1))
    total=$((total + size))
    (( total < limit )) || break
  done
  cat > /dev/null  # let the producer finish, so that the pipeline succeeds
  (( total >= limit )) || { echo "only $total bytes of $kind found" >&2; exit 1; }
  echo "$kind: $n files, $((total / 1024 / 1024)) MB"
}

# Text: documentation, man pages (uncompressed ones), dictionaries, licences.
find /usr/share/doc /usr/share/common-licenses /usr/share/dict /usr/share/perl* \
     /usr/share/info -type f \( -name '*.txt' -o -name '*.html' -o -name 'copyright' \
     -o -name '*.pod' -o -name 'README*' -o -name '*.md' -o -name '*.rst' -o -name 'changelog' \
     -o -name 'words' -o -name '*.info' -o -name 'NEWS*' \) 2>/dev/null | LC_ALL=C sort | take text
# Source: C/C++ headers, Python, Perl and CMake modules.
find /usr/include /usr/lib/python3* /usr/share/cmake* /usr/share/perl* /usr/lib/x86_64-linux-gnu/perl* \
     -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.py' -o -name '*.pm' -o -name '*.cmake' \
     -o -name '*.c' -o -name '*.cc' -o -name '*.tcc' \) 2>/dev/null | LC_ALL=C sort | take src
# Binaries: x86-64 executables and shared libraries.
find /usr/bin /usr/lib/x86_64-linux-gnu -maxdepth 1 -type f 2>/dev/null | LC_ALL=C sort |
  while IFS= read -r f; do
    # The magic number read by the shell itself: a process per file took minutes.
    magic=
    LC_ALL=C read -r -N 4 magic 2>/dev/null < "$f" || true
    if [[ $magic == $'\177ELF' ]]; then echo "$f"; fi
  done | take bin

touch "$dir/.complete"
echo "corpus: $(awk -F'\t' 'NR>1{n++; s+=$3} END{printf "%d files, %.1f MB", n, s/1e6}' "$dir/MANIFEST.tsv") in $dir"
