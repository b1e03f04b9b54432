# Cross build for Windows with Debian's mingw-w64 for STUB_MINGW_ARCH (set by
# mingw-w64-i686.cmake or mingw-w64-x86_64.cmake), tuned for the smallest
# stub: -Os, unused functions and data in their own sections so the linker
# can drop them, no unwind tables.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${STUB_MINGW_ARCH})
set(CMAKE_C_COMPILER ${STUB_MINGW_ARCH}-w64-mingw32-gcc)
set(CMAKE_CXX_COMPILER ${STUB_MINGW_ARCH}-w64-mingw32-g++)
set(CMAKE_RC_COMPILER ${STUB_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${STUB_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -fno-ident")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -fno-ident")
set(CMAKE_POSITION_INDEPENDENT_CODE OFF)
