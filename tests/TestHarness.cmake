# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# What the tests of every program share: the launcher they run under, GoogleTest, and
# golden cases, end-to-end runs of a program kept as data in its tests/ folder:
#
#   NAME.in          bytes given on standard input (none: empty input)
#   NAME.out         exact expected standard output (none: no output)
#   NAME.err         exact expected standard error (none: nothing on standard error)
#   NAME.status      expected exit status (none: 0)
#   NAME.args        command-line arguments, one a line
#   NAME.stdin-from  a path, relative to tests/, read as standard input instead of NAME.in
#   NAME.stdout-to   a path standard output is written to instead of being compared;
#                    the case is skipped where that path does not exist
#   NAME.launcher    a command the program runs under in this case, one word a line
#                    (e.g. stdbuf -o0); the case is skipped where it is not installed
#   NAME.skip        lines "WHAT: reason": the case is skipped where WHAT is the target
#                    system (Windows, Linux, ...), or "cross" for a build whose programs
#                    run under an emulator, "qemu" for one under qemu-user, or "static"
#                    for statically linked programs
#   every.skip       the same for every case of the folder
#
# Every NAME.out or NAME.err makes one test, named PROGRAM/NAME.

# An optional tool of the suite: found here, and listed once configuring is done, as found
# or not, with what is skipped without it.
include(FeatureSummary)
function(optional_tool variable program purpose)
  find_program(${variable} ${program})
  add_feature_info(${program} ${variable} "${purpose}")
endfunction()

set(TEST_LAUNCHER "" CACHE STRING "Command that every program under test runs under, e.g. valgrind")
# A cross build's programs run under the toolchain's emulator (qemu-user, Wine), which
# the toolchain has found already.
set(RUN_PROGRAM ${CMAKE_CROSSCOMPILING_EMULATOR} ${TEST_LAUNCHER})
if(CMAKE_CROSSCOMPILING_EMULATOR)
  list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 emulator)
  get_filename_component(emulator ${emulator} NAME)
  string(REGEX REPLACE "-run$" "" emulator ${emulator})
  add_feature_info(${emulator} ON "for every test that runs a program (configuring stops without it)")
endif()

# GoogleTest: the installed one, or built from the distribution's sources where none fits
# the target (a cross build, another C++ library).
option(GTEST_FROM_SOURCE "Build GoogleTest from its sources rather than use an installed one" OFF)
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources, for GTEST_FROM_SOURCE")
if(NOT GTEST_FROM_SOURCE AND NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(NOT TARGET GTest::gtest_main AND EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "")
  set(INSTALL_GTEST OFF CACHE BOOL "")
  # WASI's C library has a pthread library without threads, and its C++ library no mutex.
  if(CMAKE_SYSTEM_NAME STREQUAL "WASI")
    set(gtest_disable_pthreads ON CACHE BOOL "")
  endif()
  add_subdirectory(${GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Not our code to hold to our warnings and analysers.
  set_target_properties(gtest gtest_main PROPERTIES
    COMPILE_WARNING_AS_ERROR OFF CXX_CLANG_TIDY "" CXX_CPPCHECK "")
  # Its headers use FLT_MAX and DBL_MAX without <cfloat>. Zig's headers for macOS give
  # either <cfloat> or <cmath> to a file, not both, and <random> needs <cmath>: the two
  # come from the compiler, as <cfloat> has them.
  if(CMAKE_SYSTEM_NAME STREQUAL "Darwin")
    target_compile_definitions(gtest PUBLIC FLT_MAX=__FLT_MAX__ DBL_MAX=__DBL_MAX__)
  endif()
  # WASI has no dup(), with which GoogleTest would capture the output of a test, nor
  # exceptions, which its build turns on.
  if(CMAKE_SYSTEM_NAME STREQUAL "WASI")
    target_compile_definitions(gtest PUBLIC GTEST_HAS_STREAM_REDIRECTION=0)
    target_compile_options(gtest PRIVATE -fno-exceptions)
    target_compile_options(gtest_main PRIVATE -fno-exceptions)
  endif()
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
add_feature_info(GoogleTest "TARGET GTest::gtest_main" "for the unit tests (left out without it)")
if(TARGET GTest::gtest_main)
  include(GoogleTest)
else()
  message(WARNING "GoogleTest was not found, nor its sources in ${GTEST_SOURCE_DIR}: "
    "the unit tests are left out; the golden cases and the rest still run.")
endif()

# Where the target's programs cannot run at all (a toolchain says why in
# PROGRAMS_CANNOT_RUN), every test that would run one is there, skipped with the reason.
function(add_skipped_test name)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "SKIPPED: ${PROGRAMS_CANNOT_RUN}")
  set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIPPED:")
endfunction()

# A GoogleTest program testing functions directly, its tests named PREFIX/Suite.Test:
#   add_unit_test(NAME PREFIX SOURCE... [LIBRARIES LIBRARY...])
function(add_unit_test name prefix)
  if(NOT TARGET GTest::gtest_main)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 2 unit "" "" LIBRARIES)
  add_executable(${name} ${unit_UNPARSED_ARGUMENTS})
  set(gtest_main GTest::gtest_main)
  if(CMAKE_SYSTEM_NAME STREQUAL "WASI")
    # WASI's start code asks for no main that takes arguments, so none comes from an archive.
    set(gtest_main "$<LINK_LIBRARY:WHOLE_ARCHIVE,GTest::gtest_main>")
  endif()
  target_link_libraries(${name} PRIVATE ${unit_LIBRARIES} ${gtest_main})
  if(PROGRAMS_CANNOT_RUN)
    # Discovery would have to run the program too.
    add_skipped_test(${prefix}/${name})
  else()
    gtest_discover_tests(${name} TEST_PREFIX ${prefix}/ DISCOVERY_MODE PRE_TEST)
  endif()
endfunction()

set(GOLDEN_CASE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-golden-case.cmake)

# What a case's NAME.skip may name: the target system and what else sets this build apart.
set(build_kinds ${CMAKE_SYSTEM_NAME})
if(CMAKE_CROSSCOMPILING)
  list(APPEND build_kinds cross)
endif()
if(CMAKE_CROSSCOMPILING_EMULATOR MATCHES "qemu-")
  list(APPEND build_kinds qemu)
endif()
if(LINK_STATIC)
  list(APPEND build_kinds static)
endif()

function(add_golden_cases program)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  file(GLOB expectations CONFIGURE_DEPENDS ${dir}/*.out ${dir}/*.err)
  set(names "")
  foreach(file IN LISTS expectations)
    get_filename_component(name ${file} NAME_WLE)
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  foreach(name IN LISTS names)
    if(PROGRAMS_CANNOT_RUN)
      add_skipped_test(${program}/${name})
      continue()
    endif()
    add_test(NAME ${program}/${name}
      COMMAND ${CMAKE_COMMAND}
        -DPROGRAM=$<TARGET_FILE:${program}>
        -DCASE=${dir}/${name}
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/golden/${name}
        "-DLAUNCHER=${RUN_PROGRAM}"
        "-DBUILD_KINDS=${build_kinds}"
        -P ${GOLDEN_CASE_RUNNER})
    set_tests_properties(${program}/${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIPPED:")
  endforeach()
endfunction()
