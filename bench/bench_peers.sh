#!/usr/bin/env bash
# Extraction benchmark: cabx against every peer extractor, per method and
# cabinet shape, in one run.
#
# Packs the corpus (bench/make_corpus.sh, CORPUS_MB MiB of real files) with
# each method of METHODS twice, as one folder (cabx create --folder-size 0)
# and in cabx create's default 8 MiB folders, and as one MSZIP folder with
# `gcab -c -z` as well. For every cabinet, a first untimed round extracts it
# with cabx and each peer (cabextract, 7zz, bsdtar, gcab) to a RAM file
# system and compares every file with the corpus: a peer that fails is shown
# as unable to read that cabinet, one that writes wrong data as such, and
# either is left out of that cabinet's rounds (cabx failing or writing wrong
# data stops the benchmark). Then RUNS rounds time,
# for each tool, extraction to the RAM file system, extraction to disk
# (BENCH_DIR; each run into a directory of its own, synced after the run) and
# the tool's test mode where it has one (cabx test, cabextract -t, 7zz t);
# the order of all these runs rotates from round to round, so that a change
# in the machine's load falls on every tool alike. The same rounds time
# bench/write_floor to RAM and to disk: reading the cabinet and creating
# and writing the corpus's files from memory, decoding nothing, which every
# extractor pays at least; a tool can be at most the fastest peer's time
# over the floor's times faster than that peer. Every run's wall time,
# CPU time (user + system of the whole process tree, threads and children
# included) and peak resident memory come from bench/run_timed.
#
# Before the rounds and after them, the decoder's rate pinned to each CPU is
# printed, which shows a CPU slowed by the host (CPU times of runs on it
# rise with it). Prints a table, one row per cabinet and kind of run: the
# median wall and CPU time of each tool side by side, how many times faster
# cabx is than the fastest peer (a peer's median over cabx's median, by wall
# and by CPU, each against the peer that is fastest by that measure), and
# cabx's peak memory.
# Then, for each MSZIP, LZX and Quantum cabinet, what `cabx test` costs over
# the decoders alone on the same folders in memory (bench/folder_throughput,
# timed as a job of the same rounds, so that the machine's drift during the
# run falls on both): the median CPU times of the rounds, and the same
# less what starting a process that does nothing costs (/usr/bin/true, a job
# of the same rounds), which only cabx test pays. For MSZIP also the
# decoder's rate against zlib's and libdeflate's on the same frames
# (bench/mszip_throughput, median of RUNS repetitions).
#
# usage: bench/bench_peers.sh
#   RUNS       timed rounds (default 5); e.g. RUNS=3 CORPUS_MB=8 for a quick look
#   CORPUS_MB  corpus size in MiB (default 64; each size has its own corpus
#              and cabinets under BENCH_DIR)
#   METHODS    default "none mszip lzx:21 quantum:21" (any cabx create -m)
#   PEERS      default "cabextract 7zz bsdtar gcab"; PEERS= times cabx alone
#   BENCH_DIR  work directory on disk (default /tmp/stub-bench)
#   RAM_DIR    directory on a RAM file system (default /dev/shm)
#   KEEP_DISK  1 (default when BENCH_DIR's file system has room for every
#              disk run's output, plus 1 GiB) keeps each disk run's output
#              until the end; 0 removes it after the run. On an ext4 without
#              a journal, a file created within a minute of many deletions
#              in its block group costs a scan over every inode freed in that
#              minute (tens of microseconds per file here), which removing
#              each run's output makes every next run pay: that measures the
#              file system's recent history, not the tool. Kept output is
#              dropped from the page cache after each run (bench/forget_pages):
#              gigabytes of it there made later runs to RAM up to four times
#              slower to write on a virtual machine, for every tool.
#   BUILD_DIR  Release build, configured and built here (default build-bench)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" bench >&2
runs=${RUNS:-5}
corpus_mb=${CORPUS_MB:-64}
read -r -a methods <<< "${METHODS:-none mszip lzx:21 quantum:21}"
read -r -a peers <<< "${PEERS-cabextract 7zz bsdtar gcab}"
bench=${BENCH_DIR:-/tmp/stub-bench}
build=${BUILD_DIR:-$root/build-bench}
corpus=$bench/corpus-${corpus_mb}M
cabs=$bench/cabinets-${corpus_mb}M
ram=${RAM_DIR:-/dev/shm}/stub-bench-$$
disk=$bench/out-$$

# --- build -----------------------------------------------------------------
targets=(cabx run_timed mszip_throughput folder_throughput write_floor forget_pages)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null
cabx=$build/cabx
run_timed=$build/bench/run_timed
folder_throughput=$build/bench/folder_throughput
mszip_throughput=$build/bench/mszip_throughput
write_floor=$build/bench/write_floor
forget_pages=$build/bench/forget_pages

available=()
for tool in "${peers[@]}"; do
  if command -v "$tool" >/dev/null; then available+=("$tool"); else echo "$tool: not installed, left out" >&2; fi
done
peers=("${available[@]}")

CORPUS_MB=$corpus_mb "$root/bench/make_corpus.sh" "$corpus" >&2
mapfile -t files < <(awk -F'\t' 'NR > 1 { print $1 }' "$corpus/MANIFEST.tsv")
corpus_bytes=$(awk -F'\t' 'NR > 1 { s += $3 } END { print s }' "$corpus/MANIFEST.tsv")
mkdir -p "$cabs" "$ram" "$disk"
trap 'rm -rf "$ram" "$disk"' EXIT

# --- cabinets --------------------------------------------------------------
# pack NAME COMMAND...: the corpus as cabinet $cabs/NAME.cab, made by COMMAND
# (run in the corpus folder, the cabinet's path appended before the files)
# unless there is one newer than cabx.
cabinets=()
declare -A label
pack() {
  local name=$1 cab=$cabs/$1.cab
  shift
  if [[ ! -f $cab || $cab -ot $cabx ]]; then
    rm -f "$cab"
    echo "packing $name: $*" >&2
    if ! (cd "$corpus" && "$run_timed" "$ram/pack.txt" "$@" "$cab" "${files[@]}" >/dev/null); then
      echo "packing $name failed" >&2
      exit 1
    fi
    awk -v n="$corpus_bytes" '{ printf "  %.1f s CPU, %.1f MB/s\n", $2 + $3, n / 1e6 / ($2 + $3) }' \
      "$ram/pack.txt" >&2
  fi
  cabinets+=("$name")
}
for method in "${methods[@]}"; do
  id=${method//:/}
  pack "$id-1" "$cabx" create -m "$method" --folder-size 0
  label[$id-1]="$method, 1 folder"
  pack "$id-8m" "$cabx" create -m "$method"
  label[$id-8m]="$method, 8 MiB folders"
  if [[ $method == mszip ]] && command -v gcab >/dev/null; then
    pack mszip-gcab gcab -c -z
    label[mszip-gcab]="mszip, 1 folder, gcab -c -z"
  fi
done

# --- one cabinet -----------------------------------------------------------
# command_for TOOL MODE CABINET OUT: sets argv to TOOL's command that
# extracts CABINET into OUT (MODE ram or disk) or tests it (MODE test);
# returns 1 if TOOL has no test mode.
command_for() {
  local tool=$1 mode=$2 cab=$3 out=$4
  if [[ $mode == test ]]; then
    case $tool in
      cabx) argv=("$cabx" test -q "$cab") ;;
      cabextract) argv=(cabextract -q -t "$cab") ;;
      7zz) argv=(7zz t -bd "$cab") ;;
      decoder) argv=("$folder_throughput" "$cab" 1) ;;
      start) argv=(/usr/bin/true) ;;  # what starting any process costs
      *) return 1 ;;  # floor too: it decodes nothing
    esac
    return 0
  fi
  case $tool in
    cabx) argv=("$cabx" extract -q -d "$out" "$cab") ;;
    cabextract) argv=(cabextract -q -d "$out" "$cab") ;;
    7zz) argv=(7zz x -y -bd "-o$out" "$cab") ;;
    bsdtar) argv=(bsdtar -xf "$cab" -C "$out") ;;
    gcab) argv=(gcab -x -C "$out" "$cab") ;;
    floor) argv=("$write_floor" "$ram/floor.txt" "$corpus" "$out" "$cab") ;;
  esac
}

# run TOOL MODE CABINET: one run into a fresh output directory, which is
# removed afterwards (and, on disk, synced, so that no write-back spills
# into the next run); the times are left in $ram/time.txt, the tool's
# messages in $ram/err.txt. With check=1, the output is compared with the
# corpus as well: a difference is status 250, named in $ram/err.txt.
run() {
  local out=$ram/out
  [[ $2 == disk ]] && out=$disk/out-$((++disk_runs))
  rm -rf "$out"
  mkdir -p "$out"
  command_for "$1" "$2" "$3" "$out"
  local status=0
  "$run_timed" "$ram/time.txt" "${argv[@]}" >"$ram/stdout.txt" 2>"$ram/err.txt" || status=$?
  if [[ ($1 == floor || $1 == decoder) && $status == 0 ]]; then
    # Their own timing of the part that counts, not of loading the corpus
    # or the cabinet into memory, with the peak memory run_timed saw.
    local w u s=0 m
    if [[ $1 == floor ]]; then
      read -r w u s < "$ram/floor.txt"
    else
      w=$(sed -n 's/.*: best \([0-9.]*\) s,.*/\1/p' "$ram/stdout.txt")
      u=$(sed -n 's/.*best CPU \([0-9.]*\) s,.*/\1/p' "$ram/stdout.txt")
    fi
    m=$(cut -d' ' -f4 "$ram/time.txt")
    [[ -n $w && -n $u ]] || { echo "no timing in: $(cat "$ram/stdout.txt")" > "$ram/err.txt"; status=1; }
    echo "$w $u $s $m" > "$ram/time.txt"
  fi
  if [[ ${check:-} == 1 && $status == 0 && $2 != test ]]; then
    local f
    for f in "${files[@]}"; do
      if ! cmp -s "$corpus/$f" "$out/$f"; then
        echo "$f differs" > "$ram/err.txt"
        status=250
        break
      fi
    done
  fi
  [[ $2 == disk && $keep_disk == 1 ]] || rm -rf "$out"
  if [[ $2 == disk ]]; then
    sync -f "$disk"
    # Kept output stays on disk but leaves the page cache (see KEEP_DISK).
    if [[ $keep_disk == 1 ]]; then "$forget_pages" "$out" || true; fi
  fi
  return $status
}

median() { sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

declare -A wall cpu rss note
# race CABINET: the check round and the timed rounds of one cabinet; sets
# wall, cpu and rss["CABINET TOOL MODE"] (medians, and the
# greatest peak memory) and note["CABINET TOOL"] for a tool left out.
race() {
  local name=$1 cab=$cabs/$1.cab tool mode status jobs=()
  echo "$name ($(stat -c %s "$cab") bytes): checking" >&2
  for tool in cabx "${peers[@]}" floor; do
    status=0
    check=1 run "$tool" ram "$cab" || status=$?
    if ((status != 0)); then
      [[ $tool == cabx || $tool == floor ]] && { echo "$tool failed on $cab (status $status):" >&2; cat "$ram/err.txt" >&2; exit 1; }
      if ((status == 250)); then
        note[$name $tool]="wrote wrong data ($(cat "$ram/err.txt")) with exit status 0"
      else
        note[$name $tool]="cannot read it (exit $status: $(grep -m1 . "$ram/err.txt" | cut -c1-60))"
      fi
      echo "  $tool ${note[$name $tool]}" >&2
      continue
    fi
    jobs+=("$tool ram" "$tool disk")
    if command_for "$tool" test "$cab" ""; then
      status=0
      run "$tool" test "$cab" || status=$?
      if ((status == 0)); then
        jobs+=("$tool test")
      else
        [[ $tool == cabx ]] && { echo "cabx test failed on $cab:" >&2; cat "$ram/err.txt" >&2; exit 1; }
        note[$name $tool test]="test failed (exit $status)"
      fi
    fi
  done
  # The decoders alone on the same folders, in the same rounds, for what
  # cabx test costs over them (stored folders have no decoder).
  if [[ ${label[$name]} != none,* ]]; then
    if run decoder test "$cab"; then
      jobs+=("decoder test")
    else
      echo "  folder_throughput failed on $cab: $(cat "$ram/err.txt")" >&2
    fi
    # cabx test pays for starting a process, which the decoders alone do
    # not: on a virtual machine that can be several milliseconds.
    run start test "$cab" && jobs+=("start test")
  fi
  declare -A walls=() cpus=() rsses=()
  local round k n=${#jobs[@]} job
  for ((round = 0; round < runs; round++)); do
    echo "$name: round $((round + 1)) of $runs" >&2
    for ((k = 0; k < n; k++)); do
      job=${jobs[$(((k + round * 3) % n))]}
      if ! run $job "$cab"; then
        echo "$job failed on $cab in a timed round:" >&2
        cat "$ram/err.txt" >&2
        exit 1
      fi
      read -r w u s m < "$ram/time.txt"
      walls[$job]+="$w "
      cpus[$job]+="$(echo "$u + $s" | bc -l) "
      rsses[$job]+="$m "
    done
  done
  for job in "${jobs[@]}"; do
    wall[$name $job]=$(printf '%s\n' ${walls[$job]} | median)
    cpu[$name $job]=$(printf '%s\n' ${cpus[$job]} | median)
    rss[$name $job]=$(printf '%s\n' ${rsses[$job]} | sort -g | tail -1)
  done
}

# Room for every disk run's output: each cabinet, round and tool once.
disk_runs=0
need=$(( ${#cabinets[@]} * runs * (2 + ${#peers[@]}) * corpus_bytes + (1 << 30) ))
room=$(( $(stat -f -c '%a * %S' "$disk") ))
keep_disk=${KEEP_DISK:-$(( room > need ? 1 : 0 ))}
if [[ $keep_disk != 1 ]]; then
  echo "disk runs remove their output (KEEP_DISK=0, or $bench has $((room >> 20)) MiB free of the" \
       "$((need >> 20)) MiB that keeping it takes): the to-disk rows include the cost of reusing freed inodes" >&2
fi

start_load=$(cut -d' ' -f1-3 /proc/loadavg)
# cpu_speeds [together]: the decoder's rate pinned to each online CPU (one
# run over the first compressed cabinet, median of 5 rounds). On a virtual
# machine one CPU can run a third slower than the other for minutes at a
# time (another guest on its core): a run on it costs that much more CPU
# time, whichever tool it is. Alone, the CPUs take turns; `together`, every
# CPU decodes at once in each round. Where that is slower, work on one CPU
# slows the other down (a shared core or power budget on the host), and a
# tool that keeps two CPUs busy pays more CPU time per byte than one that
# uses a single CPU.
probe_cab=
for name in "${cabinets[@]}"; do [[ $name == none-* ]] || { probe_cab=$cabs/$name.cab; break; }; done
cpu_speeds() {
  [[ -n $probe_cab ]] && command -v taskset >/dev/null || { echo "not measured"; return; }
  local cpu round list=() cpus
  cpus=$(seq 0 $(($(nproc) - 1)))
  for round in 1 2 3 4 5; do
    for cpu in $cpus; do
      taskset -c "$cpu" "$folder_throughput" "$probe_cab" 1 >"$ram/probe.$cpu.$round" 2>/dev/null &
      [[ ${1:-} == together ]] || wait
    done
    wait
  done
  for cpu in $cpus; do
    list+=("cpu$cpu $(sed -n 's/.*best CPU [0-9.]* s, \([0-9.]*\) MB\/s.*/\1/p' "$ram"/probe."$cpu".* |
      sort -n | sed -n 3p) MB/s")
  done
  local joined
  printf -v joined '%s, ' "${list[@]}"
  echo "${joined%, }"
}
start_speeds=$(cpu_speeds)
start_together=$(cpu_speeds together)
for name in "${cabinets[@]}"; do race "$name"; done

# --- report ----------------------------------------------------------------
echo
echo "## cabx against the peers: extraction and test, median of $runs rounds"
echo
printf '%s; corpus %d files, %.1f MB (%s); %s cores; niceness %s; load average %s at the start, %s at the end\n' \
  "$(date -u '+%Y-%m-%d %H:%M UTC')" "${#files[@]}" "$(echo "$corpus_bytes / 1000000" | bc -l)" \
  "$corpus" "$(nproc)" "$(nice)" "$start_load" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'RUNS=%s CORPUS_MB=%s METHODS="%s" PEERS="%s"\n' "$runs" "$corpus_mb" "${methods[*]}" "${peers[*]}"
printf 'decoder rate pinned to each CPU (%s): %s at the start, %s at the end\n' "${probe_cab##*/}" \
  "$start_speeds" "$(cpu_speeds)"
printf 'the same with every CPU decoding at once: %s at the start, %s at the end\n' \
  "$start_together" "$(cpu_speeds together)"
printf 'ram: %s (%s); disk: %s (%s), %s\n' "${ram%/*}" "$(stat -f -c %T "$ram")" "$bench" "$(stat -f -c %T "$disk")" \
  "$([[ $keep_disk == 1 ]] && echo "each disk run's output kept until the end" || echo "each disk run's output removed after it")"
echo
echo "cabinets:"
for name in "${cabinets[@]}"; do
  cab=$cabs/$name.cab
  size=$(stat -c %s "$cab")
  folders=$("$cabx" info "$cab" | sed -n 's/.* \([0-9]*\) folder(s).*/\1/p' | head -1)
  printf '  %-30s %3s folder(s) %11d bytes (%.1f%% of the corpus)  %s\n' "${label[$name]}" "$folders" \
    "$size" "$(echo "100 * $size / $corpus_bytes" | bc -l)" "$cab"
done
echo
echo "Cells: median wall / CPU seconds. Fastest peer / cabx: the fastest peer's median over cabx's, by"
echo "wall and by CPU (each against the peer fastest by that measure; above 1, cabx is faster). floor:"
echo "bench/write_floor, reading the cabinet and writing the files without decoding; fastest peer / floor,"
echo "CPU: the most any tool could be faster by CPU time than the fastest peer."
echo
header="| cabinet | run | cabx"
rule="|---|---|---"
for tool in "${peers[@]}"; do header+=" | $tool"; rule+="|---"; done
echo "$header | floor | fastest peer / cabx, wall | fastest peer / cabx, CPU | fastest peer / floor, CPU | cabx peak RSS |"
echo "$rule|---|---|---|---|---|"
declare -A run_label=([ram]="extract to RAM" [disk]="extract to disk" [test]="test")
for name in "${cabinets[@]}"; do
  for mode in ram disk test; do
    key="$name cabx $mode"
    [[ -n ${wall[$key]:-} ]] || continue
    row="| ${label[$name]} | ${run_label[$mode]} | $(printf '%.3f / %.3f' "${wall[$key]}" "${cpu[$key]}")"
    fast_wall="" fast_cpu=""
    for tool in "${peers[@]}"; do
      k="$name $tool $mode"
      if [[ -n ${wall[$k]:-} ]]; then
        row+=" | $(printf '%.3f / %.3f' "${wall[$k]}" "${cpu[$k]}")"
        if [[ -z $fast_wall ]] || (($(echo "${wall[$k]} < ${wall[$name $fast_wall $mode]}" | bc -l))); then
          fast_wall=$tool
        fi
        if [[ -z $fast_cpu ]] || (($(echo "${cpu[$k]} < ${cpu[$name $fast_cpu $mode]}" | bc -l))); then
          fast_cpu=$tool
        fi
      elif [[ ${note[$name $tool]:-} == wrote* ]]; then
        row+=" | WRONG DATA"
      elif [[ -n ${note[$name $tool]:-} ]]; then
        row+=" | cannot read"
      elif [[ $mode == test ]] && ! command_for "$tool" test x ""; then
        row+=" | no test mode"
      else
        row+=" | ${note[$name $tool test]:-—}"
      fi
    done
    floor_key="$name floor $mode"
    if [[ -n ${wall[$floor_key]:-} ]]; then
      row+=" | $(printf '%.3f / %.3f' "${wall[$floor_key]}" "${cpu[$floor_key]}")"
    else
      row+=" | —"
    fi
    if [[ -n $fast_wall ]]; then
      row+=" | $(printf '%.2f (%s)' "$(echo "${wall[$name $fast_wall $mode]} / ${wall[$key]}" | bc -l)" "$fast_wall")"
      row+=" | $(printf '%.2f (%s)' "$(echo "${cpu[$name $fast_cpu $mode]} / ${cpu[$key]}" | bc -l)" "$fast_cpu")"
      if [[ -n ${wall[$floor_key]:-} ]]; then
        row+=" | $(printf '%.2f' "$(echo "${cpu[$name $fast_cpu $mode]} / ${cpu[$floor_key]}" | bc -l)")"
      else
        row+=" | —"
      fi
    else
      row+=" | — | — | —"
    fi
    row+=" | $(printf '%.1f MiB' "$(echo "${rss[$key]} / 1024" | bc -l)") |"
    echo "$row"
  done
done
for name in "${cabinets[@]}"; do
  for tool in "${peers[@]}"; do
    [[ -n ${note[$name $tool]:-} ]] && echo "- ${label[$name]}: $tool ${note[$name $tool]}"
  done
done

# --- test overhead ---------------------------------------------------------
echo
echo "## cabx test against the decoder alone in memory"
echo
declare -A mszip_rate=() mszip_others=()
for name in "${cabinets[@]}"; do
  method=${label[$name]%%,*}
  cab=$cabs/$name.cab
  case $method in
    lzx:* | quantum:* | mszip | mszip:*)
      [[ -n ${cpu[$name decoder test]:-} ]] || continue
      decoder=${cpu[$name decoder test]}
      test_cpu=${cpu[$name cabx test]}
      how="median CPU time of the same $runs rounds, both"
      decoded="$(printf '%.0f MB/s' "$(echo "$corpus_bytes / $decoder / 1000000" | bc -l)")"
      if [[ $method == mszip* && $name != mszip-gcab ]]; then
        level=6
        [[ $method == mszip:* ]] && level=${method#mszip:}
        if [[ -z ${mszip_rate[$level]:-} ]]; then
          # The MSZIP decoder against zlib and libdeflate on frames of
          # cabx's own encoder (median of RUNS repetitions; rates are bytes
          # of output per second of CPU time). The program prints its own
          # console table, so the figures are read from the file the
          # benchmark library writes beside it.
          "$mszip_throughput" "$corpus" --level="$level" --benchmark_repetitions="$runs" \
            --benchmark_report_aggregates_only=true --benchmark_out="$ram/mszip.csv" \
            --benchmark_out_format=csv >/dev/null 2>&1
          mszip_rate[$level]=$(awk -F, '$1 ~ /^"Mszip.*_median"$/ { printf "%.0f", $6; exit }' "$ram/mszip.csv")
          mszip_others[$level]=$(awk -F, '$1 ~ /_median"$/ && $1 !~ /^"Mszip/ { gsub(/"|_median/, "", $1);
            printf "%s%s %.0f MB/s", sep, $1, $6 / 1e6; sep = ", " }' "$ram/mszip.csv")
        fi
        decoded+="; on its own frames $(printf '%.0f MB/s' "$(echo "${mszip_rate[$level]} / 1000000" | bc -l)")"
        [[ -n ${mszip_others[$level]} ]] && decoded+=" (for reference: ${mszip_others[$level]})"
      fi
      ;;
    *)
      echo "- ${label[$name]}: no in-memory decoder benchmark for $method"
      continue
      ;;
  esac
  start=${cpu[$name start test]:-0}
  printf -- '- %s: cabx test %.3f s CPU, decoder alone %.3f s (%s): overhead %.0f%% of decoding (goal at most 10%%), %.0f%% less the %.3f s a process doing nothing (/usr/bin/true) takes; decoder %s\n' \
    "${label[$name]}" "$test_cpu" "$decoder" "$how" "$(echo "100 * ($test_cpu - $decoder) / $decoder" | bc -l)" \
    "$(echo "100 * ($test_cpu - $start - $decoder) / $decoder" | bc -l)" "$start" "$decoded"
done
