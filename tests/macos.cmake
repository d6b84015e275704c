# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# What can be checked of Mach-O programs without a Mac, with LLVM's tools: each of PROGRAMS
# imports /usr/lib/libSystem.B.dylib alone, asks for macOS MINIMUM or older and is built for
# CPU (as llvm-objdump names it); TASKS, the task-functions program, defines every function
# that LIBRARY, the exercise functions' library, defines. It proves the files are right for
# a Mac, not that they run there.

find_program(OTOOL NAMES llvm-otool-14 llvm-otool REQUIRED)
find_program(OBJDUMP NAMES llvm-objdump-14 llvm-objdump REQUIRED)
find_program(NM NAMES llvm-nm-14 llvm-nm REQUIRED)

foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${OTOOL} -L ${program} OUTPUT_VARIABLE out COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "\n\t[^ ]+" imports "${out}")
  list(TRANSFORM imports STRIP)
  if(NOT imports STREQUAL "/usr/lib/libSystem.B.dylib")
    message(FATAL_ERROR "${program} imports ${imports}, not libSystem alone")
  endif()

  execute_process(COMMAND ${OBJDUMP} --macho --private-headers ${program} OUTPUT_VARIABLE out
    COMMAND_ERROR_IS_FATAL ANY)
  if(NOT out MATCHES "MH_MAGIC_64 +([A-Z0-9_]+)" OR NOT CMAKE_MATCH_1 STREQUAL CPU)
    message(FATAL_ERROR "${program} is not built for ${CPU}: ${CMAKE_MATCH_1}")
  endif()
  set(minimum "")
  if(out MATCHES "minos ([0-9.]+)")
    set(minimum ${CMAKE_MATCH_1})
  elseif(out MATCHES "LC_VERSION_MIN_MACOSX[^\n]*\n[^\n]*\n +version ([0-9.]+)")
    set(minimum ${CMAKE_MATCH_1})
  endif()
  if(NOT minimum OR minimum VERSION_GREATER MINIMUM)
    message(FATAL_ERROR "${program} asks for macOS '${minimum}', not ${MINIMUM} or older")
  endif()
  message("${program}: libSystem alone, ${CPU}, macOS ${minimum} or later")
endforeach()

execute_process(COMMAND ${NM} --defined-only --extern-only ${LIBRARY} OUTPUT_VARIABLE out COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " T [^\n]+" functions "${out}")
execute_process(COMMAND ${NM} --defined-only --extern-only ${TASKS} OUTPUT_VARIABLE defined COMMAND_ERROR_IS_FATAL ANY)
list(LENGTH functions count)
if(count EQUAL 0)
  message(FATAL_ERROR "${LIBRARY} defines no function")
endif()
foreach(function IN LISTS functions)
  string(FIND "${defined}" "${function}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TASKS} does not define${function}")
  endif()
endforeach()
message("${TASKS}: defines the ${count} functions of its library")
