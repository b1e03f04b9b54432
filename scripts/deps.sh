#!/bin/sh
# Installs the Debian packages a step needs, only those missing.
#   scripts/deps.sh build|test|bench|stub|stub64|windows|all
# bench: the peers and libdeflate (the MSZIP decoder's yardstick) for bench/;
# stub, stub64: the cross compilers for the Windows stub (i686, x86-64);
# windows: both, and what runs the stub in the end-to-end test (32-bit Wine
# needs the i386 architecture).
set -eu
build="cmake make g++ pkg-config zlib1g-dev"
test="$build bc time libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev llvm \
cabextract 7zip libarchive-tools gcab g++-multilib zlib1g:i386 qemu-user dpkg-dev file"
bench="$build libbenchmark-dev libdeflate-dev cabextract 7zip libarchive-tools gcab"
stub="g++-mingw-w64-i686 binutils-mingw-w64-i686"
stub64="g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64"
windows="$stub $stub64 \
wine wine64 wine32:i386 xvfb xdotool imagemagick x11-utils osslsigncode openssl"
case "${1:-build}" in
  build) want="$build" ;;
  test) want="$test" ;;
  bench) want="$bench" ;;
  stub) want="$stub" ;;
  stub64) want="$stub64" ;;
  windows) want="$windows" ;;
  all) want="$test $windows" ;;
  *) echo "usage: $0 build|test|bench|stub|stub64|windows|all" >&2; exit 2 ;;
esac
# A mirror or a cache in front of it can be caught mid-sync ("File has
# unexpected size"): an index then fails, and packages that need a newer
# library from it cannot be installed. Such failures pass, so both steps are
# tried again after a pause, asking past any cache for index files addressed
# by their hash, which a sync never changes under the reader.
fresh_index="-o Acquire::http::No-Cache=true -o Acquire::By-Hash=force"
apt_update() {
  utries=0
  until $SUDO apt-get update -q ${1:+$1}; do
    utries=$((utries + 1))
    if [ "$utries" -ge 3 ]; then
      echo "apt-get update failed $utries times; going on with the indexes there are" >&2
      return 0
    fi
    sleep $((utries * 10))
    set -- "$fresh_index"
  done
}
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
      apt_update
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
# install TRIES PACKAGE...: each failed try waits, then reads the indexes anew.
install() {
  itries=$1; shift
  until $SUDO apt-get install -y -q --no-install-recommends "$@"; do
    itries=$((itries - 1))
    [ "$itries" -gt 0 ] || return 1
    sleep 20
    apt_update "$fresh_index"
  done
}
# 32-bit Wine comes from the i386 indexes, and its libraries must match the
# installed 64-bit ones version for version, so one stale i386 index in the
# registry makes it uninstallable while everything else installs. It is
# installed on its own: failing, the end-to-end test drives the x86-64 build
# of the stub and says so, and everything else still runs.
required="" optional=""
for p in $missing; do
  case "$p" in wine32:i386) optional="$optional $p" ;; *) required="$required $p" ;; esac
done
apt_update
# shellcheck disable=SC2086
if [ -n "$required" ] && ! install 4 $required; then
  echo "apt-get install failed 4 times:$required" >&2
  exit 1
fi
# matched PACKAGE...: installs i386 packages whose libraries the plain
# install could not match. The usual cause is the security suite's i386 index
# failing to download while its 64-bit one did: the 64-bit libraries are then
# at versions the i386 side cannot have. Here the security suite is put below
# the installed versions, so that both sides are taken from the main suites.
# The install is simulated, and the plan grown until it removes nothing:
#  - an i386 library the resolver gave up on is named, with its installed
#    64-bit twin at the i386 version (a downgrade when the twin came from the
#    security suite);
#  - a 64-bit package the plan would remove is kept by naming it at the
#    newest version the main suites have: a library at its i386 twin's
#    version, a program along with the library it needs.
# What cannot be planned that way is left uninstalled.
matched() {
  pref=$(mktemp)
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 50\n' >"$pref"
  opts="-o Dir::Etc::Preferences=$pref --no-install-recommends --allow-downgrades"
  native=$(dpkg --print-architecture)
  extra=""
  rounds=0
  installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
  candidate() { apt-cache policy -o Dir::Etc::Preferences="$pref" "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p'; }
  # name PACKAGE VERSION: adds it to the plan once
  name() { case " $extra " in *" $1 "* | *" $1="*) return 1 ;; esac; extra="$extra $1${2:+=$2}"; }
  # shellcheck disable=SC2086
  until plan=$(apt-get install -s $opts "$@" $extra 2>&1) && ! printf '%s\n' "$plan" | grep -q '^Remv '; do
    rounds=$((rounds + 1))
    added=""
    gave_up=$(printf '%s\n' "$plan" | sed -n 's/.*Depends: \([^ :]*\):i386 .*but it is not going to be installed.*/\1/p' | sort -u)
    removed=$(printf '%s\n' "$plan" | sed -n 's/^Remv \([^ :]*\) .*/\1/p' | sort -u)  # 64-bit ones
    for lib in $gave_up; do
      version=$(candidate "$lib:i386")
      [ -n "$version" ] && [ "$version" != "(none)" ] || continue
      name "$lib:i386" && added=1
      installed "$lib:$native" && name "$lib:$native" "$version" && added=1
    done
    for pkg in $removed; do
      main=$(apt-cache madison "$pkg:$native" 2>/dev/null | grep -v -e '-security' -e '-backports' | head -1 \
        | awk -F'|' '{ gsub(/ /, "", $2); print $2 }')
      [ -n "$main" ] && name "$pkg:$native" "$main" && added=1
    done
    if [ -z "$added" ] || [ "$rounds" -ge 8 ]; then
      rm -f "$pref"
      return 1
    fi
  done
  echo "installing $* with the main suites' versions:$extra"
  status=0
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q $opts "$@" $extra || status=1
  rm -f "$pref"
  return $status
}
# shellcheck disable=SC2086
if [ -n "$optional" ] && ! install 2 $optional && ! matched $optional; then
  echo "!! could not install$optional from the package registry; 32-bit Windows programs will not run under Wine" >&2
fi
case "${1:-build}" in test|windows|all) ia32 ;; esac
