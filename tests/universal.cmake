# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Joins each of PROGRAMS (file names) of the macOS builds ONE and OTHER into a universal
# file in OUTPUT, and checks that it holds a slice for each CPU.

find_program(LIPO NAMES llvm-lipo-14 llvm-lipo REQUIRED)
file(MAKE_DIRECTORY ${OUTPUT})
foreach(program IN LISTS PROGRAMS)
  if(NOT EXISTS ${OTHER}/${program})
    message(FATAL_ERROR "${OTHER}/${program} is missing: build that preset first")
  endif()
  execute_process(COMMAND ${LIPO} -create ${ONE}/${program} ${OTHER}/${program} -output ${OUTPUT}/${program}
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${LIPO} -archs ${OUTPUT}/${program} OUTPUT_VARIABLE archs
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(archs)
  list(SORT archs)
  if(NOT archs STREQUAL "arm64;x86_64")
    message(FATAL_ERROR "${OUTPUT}/${program} holds ${archs}, not arm64 and x86_64")
  endif()
endforeach()
message("universal: ${PROGRAMS}, each with arm64 and x86_64")
