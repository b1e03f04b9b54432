# 32-bit x86 Linux on an x86-64 host (g++-multilib): the reader, the codecs
# and their tests built as the i686 stub builds them, to be run here.
#   cmake -S . -B build32 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i686.cmake
# A host whose kernel cannot run 32-bit programs runs them through an
# emulator: add -DCMAKE_CROSSCOMPILING_EMULATOR=qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
# Large-file interfaces: without them readdir and stat fail with EOVERFLOW
# on file systems with 64-bit inode numbers, and tests that list a folder
# would see it empty.
set(CMAKE_C_FLAGS_INIT "-m32 -D_FILE_OFFSET_BITS=64")
set(CMAKE_CXX_FLAGS_INIT "-m32 -D_FILE_OFFSET_BITS=64")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
# Debian's multilib has no 32-bit zlib development files; the runtime
# library of the i386 architecture (zlib1g:i386) links as well.
if(NOT ZLIB_LIBRARY AND EXISTS /usr/lib/i386-linux-gnu/libz.so.1)
  set(ZLIB_LIBRARY /usr/lib/i386-linux-gnu/libz.so.1 CACHE FILEPATH "")
  set(ZLIB_INCLUDE_DIR /usr/include CACHE PATH "")
endif()
