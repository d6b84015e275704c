# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Runs PROGRAM (under LAUNCHER) on COUNT inputs made by GENERATOR (under EMULATOR) from
# SEED and checks every run: exit status 0, nothing on standard error, and the output of
# EXAMPLE, a golden case's expected output whose result is RESULT, with one 32-bit integer
# in the place of that result.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Into the current folder, the one a WASI runtime lets a program write to.
execute_process(COMMAND ${EMULATOR} ${GENERATOR} . ${COUNT} ${SEED} WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generating the inputs failed: ${status}")
endif()
file(GLOB inputs ${WORK}/*.in)
list(LENGTH inputs made)
if(NOT made EQUAL COUNT)
  message(FATAL_ERROR "expected ${COUNT} inputs, found ${made}")
endif()

file(READ ${EXAMPLE} example)
string(FIND "${example}" "${RESULT}" result_start REVERSE)
string(SUBSTRING "${example}" 0 ${result_start} head)
string(LENGTH "${RESULT}" result_length)
math(EXPR tail_start "${result_start} + ${result_length}")
string(SUBSTRING "${example}" ${tail_start} -1 tail)
string(LENGTH "${head}" head_length)
string(LENGTH "${tail}" tail_length)

set(failures 0)
foreach(input IN LISTS inputs)
  execute_process(COMMAND ${LAUNCHER} ${PROGRAM}
    INPUT_FILE ${input} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(problem "")
  string(LENGTH "${out}" length)
  math(EXPR middle_length "${length} - ${head_length} - ${tail_length}")
  if(NOT status STREQUAL "0")
    set(problem "exit status ${status}, standard error: ${err}")
  elseif(NOT err STREQUAL "")
    set(problem "standard error: ${err}")
  elseif(middle_length LESS 1)
    set(problem "output too short")
  else()
    string(SUBSTRING "${out}" 0 ${head_length} got_head)
    string(SUBSTRING "${out}" ${head_length} ${middle_length} number)
    math(EXPR tail_start "${length} - ${tail_length}")
    string(SUBSTRING "${out}" ${tail_start} -1 got_tail)
    if(NOT got_head STREQUAL head OR NOT got_tail STREQUAL tail)
      set(problem "output is not the prompts and the result line")
    elseif(NOT number MATCHES "^-?[0-9]+$" OR middle_length GREATER 11
           OR number LESS -2147483648 OR number GREATER 2147483647)
      set(problem "result is not one 32-bit integer: '${number}'")
    endif()
  endif()
  if(problem)
    math(EXPR failures "${failures} + 1")
    if(failures LESS_EQUAL 5)
      message("${input}: ${problem}\n--- output\n${out}---")
    endif()
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} of ${COUNT} generated inputs failed")
endif()
message("${COUNT} generated inputs passed")
