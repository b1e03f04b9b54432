# stub_add_gtest(NAME SOURCES src... [LIBS lib...])
# A GoogleTest executable registered with CTest, test by test.
find_package(GTest QUIET)
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
