# stub_add_gtest(NAME SOURCES src... [LIBS lib...])
# A GoogleTest executable registered with CTest, test by test.
if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_HOST_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64"
   AND EXISTS /usr/src/googletest/CMakeLists.txt AND NOT TARGET GTest::gtest)
  # A 32-bit build (-m32) on a 64-bit host: the packaged GoogleTest
  # libraries are 64-bit, so build it from the sources the package ships.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest QUIET)
endif()
include(GoogleTest)
function(stub_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(${name} PRIVATE
    STUB_SOURCE_DIR="${PROJECT_SOURCE_DIR}" STUB_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()
