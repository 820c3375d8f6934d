# SPDX-FileCopyrightText: 2026 The alacrity authors
# SPDX-License-Identifier: GPL-3.0-or-later

# One test executable per unit, registered with CTest test by test.
find_package(GTest REQUIRED)
include(GoogleTest)

function(alacrity_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main alacrity_warnings)
  target_compile_definitions(${name} PRIVATE ALACRITY_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data/files")
  # Each test is labelled with its folder (link, engine, ...), so that a run
  # can pick the tests of one layer: ctest -L '^link$'. The properties reach
  # CTest as one flat list of names and values, so no value may be a list:
  # each variable of the environment goes in a property of its own.
  get_filename_component(layer "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30
    PROPERTIES LABELS ${layer} ENVIRONMENT TZ=UTC ENVIRONMENT_MODIFICATION LC_ALL=set:C)
endfunction()

# A Qt Test program, run offscreen. Qt wants a private runtime directory for
# its sound and platform plumbing; one is made at configure time so the tests
# never touch the user's own. ALACRITY_HOME points at a directory of the test
# so the program never writes beside the test executables.
set(ALACRITY_QT_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/qt-test-runtime)
file(MAKE_DIRECTORY ${ALACRITY_QT_TEST_RUNTIME_DIR})
file(CHMOD ${ALACRITY_QT_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The offscreen screen is 800 x 600, the size the stimulus geometry is checked at.
set(ALACRITY_QT_TEST_SCREEN ${ALACRITY_QT_TEST_RUNTIME_DIR}/offscreen-800x600.json)
file(WRITE ${ALACRITY_QT_TEST_SCREEN} [=[
{
  "screens": [
    { "name": "test", "x": 0, "y": 0, "width": 800, "height": 600,
      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 }
  ]
}
]=])

# SCREENS names another offscreen configuration (several screens, other
# pixel ratios); the program's settings go to a directory of the test too.
# X11 runs the test on an X server instead, an Xvfb of its own at 1024 x 768
# (xvfb-run -a takes a free display), for what only a server can tell; such
# a test is left out where xvfb-run is missing. RUNNER is a command the test
# runs under (one that starts a display server and chooses the platform); it
# exits 77 to skip.
find_program(ALACRITY_XVFB_RUN xvfb-run)
function(alacrity_add_qt_test name)
  cmake_parse_arguments(ARG "X11" "SCREENS" "SOURCES;LIBS;RUNNER" ${ARGN})
  if(NOT ARG_SCREENS)
    set(ARG_SCREENS ${ALACRITY_QT_TEST_SCREEN})
  endif()
  if(ARG_X11 AND NOT ALACRITY_XVFB_RUN)
    message(STATUS "${name} left out: no xvfb-run")
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test alacrity_warnings)
  set(home ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
  file(MAKE_DIRECTORY ${home})
  set_property(GLOBAL APPEND PROPERTY ALACRITY_APP_TESTS ${name})
  if(ARG_X11)
    add_test(NAME ${name}
      COMMAND ${ALACRITY_XVFB_RUN} -a -s "-screen 0 1024x768x24" $<TARGET_FILE:${name}>)
    set(platform xcb)
    # A server that never answers must not hold the run up for long. No
    # session bus: the xcb platform looks for one, and libdbus leaks what a
    # failed look allocated.
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
    set(session_bus ";DBUS_SESSION_BUS_ADDRESS=disabled:")
  else()
    add_test(NAME ${name} COMMAND ${ARG_RUNNER} $<TARGET_FILE:${name}>)
    if(ARG_RUNNER)
      set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
    set(platform offscreen:configfile=${ARG_SCREENS})
    set(session_bus "")
  endif()
  set_tests_properties(${name} PROPERTIES LABELS app ENVIRONMENT
    "QT_QPA_PLATFORM=${platform};TZ=UTC;LC_ALL=C;XDG_RUNTIME_DIR=${ALACRITY_QT_TEST_RUNTIME_DIR};ALACRITY_HOME=${home};XDG_CONFIG_HOME=${home}/config${session_bus}")
endfunction()

# Three screens side by side for the stimulus screen: the operator's at a
# pixel ratio of 1, a subject's at 1.5 and a subject's at 2.
set(ALACRITY_QT_TEST_SCREENS ${ALACRITY_QT_TEST_RUNTIME_DIR}/offscreen-three-screens.json)
file(WRITE ${ALACRITY_QT_TEST_SCREENS} [=[
{
  "screens": [
    { "name": "operator", "x": 0, "y": 0, "width": 800, "height": 600,
      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
    { "name": "subject-150", "x": 800, "y": 0, "width": 800, "height": 600,
      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1.5 },
    { "name": "subject-200", "x": 1600, "y": 0, "width": 640, "height": 480,
      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2 }
  ]
}
]=])
