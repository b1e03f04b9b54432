#!/bin/bash
# Builds the Windows stub with Debian's mingw-w64 and pads it to its fixed
# size. Usage:
#   scripts/build_stub.sh [i686|x86_64|all] [BUILD_ROOT]
# i686 (the default) is the product; x86_64 is the same sources, which the
# end-to-end test drives where 32-bit programs cannot run. Each architecture
# is built in BUILD_ROOT/stub-ARCH (BUILD_ROOT defaults to build-stub in the source tree)
# and the result, BUILD_ROOT/stub-ARCH/Source/Stubs/Cab/Stub.exe, is copied to
# BUILD_ROOT/Stub-ARCH.exe. The build fails when the stub is too large.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
which_arch="${1:-i686}"
root="${2:-$here/build-stub}"
mkdir -p "$root"
root="$(cd "$root" && pwd)"

# The cross compilers and cmake, installed when missing.
"$here/scripts/deps.sh" build >&2
"$here/scripts/deps.sh" stub >&2
[ "$which_arch" = i686 ] || "$here/scripts/deps.sh" stub64 >&2

# The stub ships the decoders' portable paths: the i686 build has no other,
# and the x86_64 build takes them too, so that it runs the product's code
# (with the 64-bit fast paths it no longer fits the stub's fixed size).
build() {
  local arch="$1"
  local dir="$root/stub-$arch"
  cmake -S "$here" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DSTUB_BUILD_TESTS=OFF -DSTUB_BUILD_TOOLS=OFF \
        -DSTUB_INSTALL=OFF -DSTUB_PORTABLE_CODECS=ON >/dev/null
  cmake --build "$dir" --target Stub -j2
  cp "$dir/Source/Stubs/Cab/Stub.exe" "$root/Stub-$arch.exe"
  echo "built $root/Stub-$arch.exe ($(stat -c %s "$root/Stub-$arch.exe") bytes)"
}

case "$which_arch" in
  i686|x86_64) build "$which_arch" ;;
  all) build i686; build x86_64 ;;
  *) echo "usage: $0 [i686|x86_64|all] [BUILD_ROOT]" >&2; exit 2 ;;
esac
