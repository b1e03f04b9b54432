# The Windows stub: the front end, the Win32 platform layer, the reader and
# every decoder in one small executable without the C run-time's start-up
# code. Its size is the offset of the settings block: the build fails when
# the linked image is larger than SettingsBlockOffset and pads it to exactly
# that size otherwise.
enable_language(RC)
set(STUB_SIZE 51712)  # SettingsBlockOffset in FrontEnd.h

add_executable(Stub WIN32 ${STUB_FRONTEND_SOURCES} PlatformWin32.cpp Stub.rc)
target_include_directories(Stub PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(Stub PRIVATE stub_frontend_portable stub_cabinet stub_mszip stub_quantum
                      stub_lzx stub_core_flags)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(STUB_ENTRY _StubEntry)
else()
  set(STUB_ENTRY StubEntry)
endif()
target_link_options(Stub PRIVATE -nostdlib -nostartfiles -Wl,-e,${STUB_ENTRY} -Wl,--gc-sections
                    -s -Wl,--subsystem,windows -Wl,--no-insert-timestamp)
target_link_libraries(Stub PRIVATE kernel32 msvcrt gcc)
add_custom_command(TARGET Stub POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:Stub> -DSIZE=${STUB_SIZE}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/PadStub.cmake
  VERBATIM)
