#!/bin/bash
# The Debian package: built with cpack from BUILD (default build/), unpacked
# with dpkg-deb -x into a temporary root (nothing is installed on the
# machine), then the unpacked cabx packs, tests, lists and extracts the
# samples, and a small program is built against the unpacked headers and
# libraries, once through pkg-config and once through the CMake package.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$BUILD" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/cabx_*.deb)
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
cabx=$usr/bin/cabx
for f in bin/cabx share/man/man1/cabx.1 share/bash-completion/completions/cabx \
         include/stub/cab_reader.h lib/libstub_cabinet.a lib/pkgconfig/stub.pc \
         lib/cmake/Stub/StubConfig.cmake; do
  [ -e "$usr/$f" ] || { echo "package lacks $f" >&2; exit 1; }
done
"$cabx" --version
"$cabx" create -m lzx "$work/samples.cab" samples >/dev/null
"$cabx" test "$work/samples.cab"
"$cabx" extract -q -d "$work/out" "$work/samples.cab"
diff -r samples "$work/out/samples"
listed=$("$cabx" list "$work/samples.cab" | tail -1 | cut -d' ' -f1)

# pkg-config
export PKG_CONFIG_PATH=$usr/lib/pkgconfig
# shellcheck disable=SC2046
g++ -std=c++17 -o "$work/consumer" tests/package/consumer.cpp $(pkg-config --cflags --libs stub)
counted=$("$work/consumer" "$work/" samples.cab)
[ "$counted" = "$listed files" ] || { echo "consumer: '$counted', cabx: $listed files" >&2; exit 1; }

# The CMake package
mkdir -p "$work/cm"
cat > "$work/cm/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(consumer CXX)
find_package(Stub REQUIRED)
add_executable(consumer $ROOT/tests/package/consumer.cpp)
target_link_libraries(consumer PRIVATE Stub::cabinet)
CMAKE
cmake -S "$work/cm" -B "$work/cm/build" -DCMAKE_PREFIX_PATH="$usr" >/dev/null
cmake --build "$work/cm/build" >/dev/null
counted=$("$work/cm/build/consumer" "$work/" samples.cab)
[ "$counted" = "$listed files" ] || { echo "CMake consumer: '$counted'" >&2; exit 1; }
echo "package $(basename "$deb"): cabx and the libraries work unpacked ($listed files)"
