# The product, the i686 Windows stub, built from a Linux build whenever the
# mingw-w64 cross compiler is there: a sub-build of this same source tree
# with the cross toolchain, rebuilt with the main build. The result lands as
# Stub.exe beside cabx (which looks there first) and is installed into the
# data folder, where an installed cabx finds it.
option(STUB_CROSS_STUB "Build the i686 Windows stub too when mingw-w64 is present" ON)
if(NOT STUB_CROSS_STUB)
  return()
endif()
include(ExternalProject)
find_program(STUB_MINGW_I686_CXX i686-w64-mingw32-g++)
find_program(STUB_MINGW_I686_WINDRES i686-w64-mingw32-windres)
if(NOT STUB_MINGW_I686_CXX OR NOT STUB_MINGW_I686_WINDRES)
  message(STATUS "Windows stub: i686-w64-mingw32-g++ not found, cabx sfx will need --stub "
                 "(install g++-mingw-w64-i686 to build it)")
  return()
endif()
ExternalProject_Add(stub_windows_i686
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/stub-i686
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
             -DCMAKE_BUILD_TYPE=MinSizeRel -DSTUB_BUILD_TESTS=OFF -DSTUB_BUILD_TOOLS=OFF
             -DSTUB_INSTALL=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target Stub
  INSTALL_COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/Source/Stubs/Cab/Stub.exe
                  ${PROJECT_BINARY_DIR}/Stub.exe
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${PROJECT_BINARY_DIR}/Stub.exe)
if(STUB_INSTALL)
  include(GNUInstallDirs)
  install(FILES ${PROJECT_BINARY_DIR}/Stub.exe DESTINATION ${CMAKE_INSTALL_DATADIR}/stub)
endif()
