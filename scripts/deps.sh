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
# 32-bit programs (the -m32 tests, 32-bit Wine for the i686 stub): where the
# kernel has no 32-bit support of its own ("Exec format error"), binfmt_misc
# hands i386 ELF files to qemu-i386 instead, so they run unchanged. Nothing
# is changed where 32-bit programs already run or binfmt_misc is not ours.
# qemu-user before 8 scans the guest's memory a page at a time on every
# mmap: 32-bit Wine then takes a minute of CPU to start a program instead of
# half a second, so on Debian 12 it comes from bookworm-backports.
ia32() {
  loader=/lib/ld-linux.so.2
  [ -e "$loader" ] || return 0
  "$loader" --version >/dev/null 2>&1 && return 0
  dir=/proc/sys/fs/binfmt_misc
  recent() { qemu-i386 --version 2>/dev/null | grep -Eq 'version ([89]|[1-9][0-9])\.'; }
  if ! recent; then
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    if [ "$codename" = bookworm ]; then
      echo "deb http://deb.debian.org/debian bookworm-backports main" \
        | $SUDO tee /etc/apt/sources.list.d/bookworm-backports.list >/dev/null
      $SUDO apt-get update -q || true
      $SUDO apt-get install -y -q --no-install-recommends -t bookworm-backports qemu-user || true
      # An entry made before holds the old binary open: make it anew.
      [ -e "$dir/qemu-i386" ] && { echo -1 | $SUDO tee "$dir/qemu-i386" >/dev/null; }
    fi
  fi
  # Without a recent qemu nothing is registered: the -m32 tests then run
  # under ctest's emulator and the end-to-end test says what it drove.
  recent || { echo "no qemu-i386 of version 8 or later: 32-bit programs are not set up" >&2; return 0; }
  [ -e "$dir/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null || return 0
  if [ ! -e "$dir/qemu-i386" ]; then
    printf '%s\n' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
      | $SUDO tee "$dir/register" >/dev/null 2>&1 || return 0
  fi
  if "$loader" --version >/dev/null 2>&1; then
    echo "32-bit programs run through qemu-i386 (binfmt_misc): this kernel runs none itself"
  fi
}

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=""
for p in $want; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
  case "${1:-build}" in test|windows|all) ia32 ;; esac
  exit 0
fi
echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
case "$missing" in
  *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -q || true
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
case "${1:-build}" in test|windows|all) ia32 ;; esac
