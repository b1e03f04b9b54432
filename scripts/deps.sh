#!/bin/sh
# Installs the Debian packages a step needs, only those missing.
#   scripts/deps.sh build|test|stub|windows|all
# stub: the cross compiler for the Windows stub; windows: that and what runs
# it in the end-to-end test (32-bit Wine needs the i386 architecture).
set -eu
build="cmake make g++ pkg-config zlib1g-dev"
test="$build bc time libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev llvm \
cabextract 7zip libarchive-tools gcab g++-multilib zlib1g:i386 qemu-user dpkg-dev file"
stub="g++-mingw-w64-i686 binutils-mingw-w64-i686"
windows="$stub g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 \
wine wine64 wine32:i386 xvfb xdotool imagemagick x11-utils osslsigncode openssl"
case "${1:-build}" in
  build) want="$build" ;;
  test) want="$test" ;;
  stub) want="$stub" ;;
  windows) want="$windows" ;;
  all) want="$test $windows" ;;
  *) echo "usage: $0 build|test|stub|windows|all" >&2; exit 2 ;;
esac
missing=""
for p in $want; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
case "$missing" in
  *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -q || true
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
