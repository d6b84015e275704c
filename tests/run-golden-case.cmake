# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Runs one golden case (see TestHarness.cmake) and compares it byte for byte.
# Variables: PROGRAM, CASE (path without extension), WORK (scratch folder), LAUNCHER,
# BUILD_KINDS (the target's CMAKE_SYSTEM_NAME, and "cross" or "static" where they apply).

get_filename_component(tests ${CASE} DIRECTORY)
foreach(skip IN ITEMS ${CASE}.skip ${tests}/every.skip)
  if(EXISTS ${skip})
    foreach(kind IN LISTS BUILD_KINDS)
      file(STRINGS ${skip} reasons REGEX "^${kind}: ")
      if(reasons)
        list(GET reasons 0 reason)
        message("SKIPPED: ${reason}")
        return()
      endif()
    endforeach()
  endif()
endforeach()

# The case's own launcher goes first, so that it also reaches a program run under valgrind.
set(case_launcher "")
if(EXISTS ${CASE}.launcher)
  file(STRINGS ${CASE}.launcher case_launcher)
  list(GET case_launcher 0 command)
  find_program(found ${command} NO_CACHE)
  if(NOT found)
    message("SKIPPED: ${command} is not installed")
    return()
  endif()
endif()
file(MAKE_DIRECTORY ${WORK})

set(stdin ${WORK}/empty)
if(EXISTS ${CASE}.stdin-from)
  file(STRINGS ${CASE}.stdin-from from LIMIT_COUNT 1)
  get_filename_component(stdin ${from} ABSOLUTE BASE_DIR ${tests})
elseif(EXISTS ${CASE}.in)
  set(stdin ${CASE}.in)
else()
  file(WRITE ${stdin} "")
endif()

set(stdout ${WORK}/stdout)
set(compare_stdout TRUE)
if(EXISTS ${CASE}.stdout-to)
  file(STRINGS ${CASE}.stdout-to stdout LIMIT_COUNT 1)
  if(NOT EXISTS ${stdout})
    message("SKIPPED: ${stdout} does not exist here")
    return()
  endif()
  set(compare_stdout FALSE)
endif()

set(args "")
if(EXISTS ${CASE}.args)
  file(STRINGS ${CASE}.args args)
endif()

execute_process(
  COMMAND ${case_launcher} ${LAUNCHER} ${PROGRAM} ${args}
  INPUT_FILE ${stdin}
  OUTPUT_FILE ${stdout}
  ERROR_FILE ${WORK}/stderr
  RESULT_VARIABLE status)

set(failed FALSE)

set(expected_status 0)
if(EXISTS ${CASE}.status)
  file(STRINGS ${CASE}.status expected_status LIMIT_COUNT 1)
endif()
if(NOT status STREQUAL expected_status)
  message("exit status: expected ${expected_status}, got ${status}")
  set(failed TRUE)
endif()

# Compares a stream with its expected bytes; a missing expectation means empty.
function(compare stream actual expected)
  set(want "")
  if(EXISTS ${expected})
    file(READ ${expected} want HEX)
  endif()
  file(READ ${actual} got HEX)
  if(NOT got STREQUAL want)
    set(want_text "")
    if(EXISTS ${expected})
      file(READ ${expected} want_text)
    endif()
    file(READ ${actual} got_text)
    message("${stream} differs\n--- expected (hex ${want})\n${want_text}\n--- got (hex ${got})\n${got_text}\n---")
    set(failed TRUE PARENT_SCOPE)
  endif()
endfunction()

if(compare_stdout)
  compare("standard output" ${stdout} ${CASE}.out)
endif()
compare("standard error" ${WORK}/stderr ${CASE}.err)

if(failed)
  message(FATAL_ERROR "golden case ${CASE} failed")
endif()
