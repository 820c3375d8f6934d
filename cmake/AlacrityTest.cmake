# One test executable per unit, registered with CTest test by test.
find_package(GTest REQUIRED)
include(GoogleTest)

function(alacrity_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main alacrity_warnings)
  target_compile_definitions(${name} PRIVATE ALACRITY_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data/files")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=C")
endfunction()
