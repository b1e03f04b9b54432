#!/bin/bash
# The whole test suite, from a fresh Debian 12 machine:
#   1. installs what is missing (apt-get),
#   2. builds and runs every test (build/), runs the codecs' tests once more
#      on an emulated older x86-64 processor (the fast paths' builds for any
#      processor), and builds the Debian package and runs what it unpacks to,
#   3. builds and runs them again with AddressSanitizer and UBSan (build-asan/),
#   4. builds and runs them with the decoders' portable paths only
#      (build-portable/) and as 32-bit programs (build32/),
#   5. runs each libFuzzer target for a short, fixed time (build-fuzz/),
#      among them the differential ones (fast against portable decoders),
#   6. builds the Windows stub and runs the end-to-end tests under Wine.
# Any failure, sanitizer report or fuzzer finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=${JOBS:-$(nproc)}
FUZZ_SECONDS=${FUZZ_SECONDS:-30}

step() { printf '\n==== %s ====\n' "$*"; }

step "dependencies"
scripts/deps.sh all

step "build and test (Release)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=ON -DSTUB_BUILD_TOOLS=ON
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

step "the codecs' tests on an x86-64 processor without BMI2 and AVX2 (emulated)"
# The LZX fast loop and the Quantum block decoder have a second build for
# processors with BMI2 or AVX2, picked when they run, so on such a host the
# tests above run that build only. Under qemu-x86_64 with an older processor
# model, the codecs' tests and the differential replays run the build for
# every x86-64 processor.
old_cpu=(qemu-x86_64 -cpu Westmere)
if [ "$(uname -m)" != x86_64 ] || ! command -v qemu-x86_64 >/dev/null; then
  echo "SKIPPED: not an x86-64 host, or no qemu-x86_64"
else
  for t in build/tests/lzx/lzx_tests build/tests/quantum/quantum_tests build/tests/mszip/*_tests \
           build/tests/attacks/attack_tests; do
    echo "-- $t"
    "${old_cpu[@]}" "$t" --gtest_brief=1
  done
  for codec in lzx quantum mszip; do
    echo "-- ${codec}_diff_replay"
    "${old_cpu[@]}" "build/fuzz/${codec}_diff_replay" "fuzz/corpus/${codec}_diff" \
      "fuzz/regress/${codec}_diff" "fuzz/corpus/$codec"
  done
fi

step "Debian package: build, unpack with dpkg-deb -x, run"
scripts/package_test.sh build

step "build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTUB_SANITIZE=ON -DSTUB_BUILD_TESTS=ON -DSTUB_BUILD_TOOLS=ON
cmake --build build-asan -j"$JOBS"
ctest --test-dir build-asan --output-on-failure -j"$JOBS"

step "build and test with the decoders' portable paths only (STUB_PORTABLE_CODECS)"
cmake -S . -B build-portable -DCMAKE_BUILD_TYPE=Release -DSTUB_PORTABLE_CODECS=ON \
  -DSTUB_BUILD_TESTS=ON -DSTUB_BUILD_TOOLS=ON
cmake --build build-portable -j"$JOBS"
ctest --test-dir build-portable --output-on-failure -j"$JOBS"

step "32-bit build (-m32) of the reader, the codecs and their tests"
# Run as any 32-bit program runs here (natively, or through the binfmt_misc
# entry for qemu-i386 that deps.sh adds on kernels without 32-bit support),
# else with qemu-i386 as ctest's emulator. The 32-bit build has no cabx (its
# tests skip themselves); under ctest's emulator a test cannot start another
# 32-bit program (sfx_tool), so those are listed as skipped.
printf 'int main(void){return 0;}\n' > /tmp/stub-m32-probe.c
emulator=""
if ! { gcc -m32 /tmp/stub-m32-probe.c -o /tmp/stub-m32-probe && /tmp/stub-m32-probe; } 2>/dev/null; then
  emulator=$(command -v qemu-i386 || true)
fi
if [ -z "$emulator" ] && ! /tmp/stub-m32-probe 2>/dev/null; then
  echo "SKIPPED: this host runs no 32-bit programs and has no qemu-i386"
else
  cmake -S . -B build32 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSTUB_BUILD_TESTS=ON -DSTUB_BUILD_TOOLS=OFF ${emulator:+-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator}
  cmake --build build32 -j"$JOBS"
  skip32=${emulator:+SfxToolTest}
  [ -n "$skip32" ] && echo "SKIPPED in the 32-bit run under $emulator: $skip32 (starts 32-bit sfx_tool)"
  ctest --test-dir build32 --output-on-failure -j"$JOBS" ${skip32:+-E "$skip32"}
fi

step "fuzzing, ${FUZZ_SECONDS}s per target"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTUB_BUILD_FUZZERS=ON \
  -DSTUB_BUILD_TESTS=OFF -DSTUB_BUILD_TOOLS=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$JOBS"
for fuzzer in build-fuzz/fuzz/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer" _fuzzer)
  work=build-fuzz/corpus-$name
  mkdir -p "$work" build-fuzz/artifacts
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  echo "-- $name"
  "$fuzzer" "$work" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -max_len=70000 \
    -artifact_prefix="$ROOT/build-fuzz/artifacts/$name-" -print_final_stats=1 2>&1 | tail -5
done

step "Windows stub and end-to-end tests under Wine"
if [ -x scripts/build_stub.sh ]; then scripts/build_stub.sh; fi
if [ -x tests/e2e/run.sh ]; then tests/e2e/run.sh; fi

step "all tests passed"
