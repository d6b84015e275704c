# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Checks each Windows program in PROGRAMS: it imports only DLLs that match IMPORTS (a
# regular expression), RUNTIME among them, so that it runs on a stock Windows with the C
# runtime its preset is for; and it carries a version resource holding VERSION, as
# Explorer's Properties read it (UTF-16 strings in the resource section).

find_program(OBJDUMP NAMES llvm-objdump-14 llvm-objdump REQUIRED)
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE out COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" dlls "${out}")
  list(TRANSFORM dlls REPLACE "DLL Name: " "")
  foreach(dll IN LISTS dlls)
    if(NOT dll MATCHES "^(${IMPORTS})$")
      message(FATAL_ERROR "${program} imports ${dll}")
    endif()
  endforeach()
  if(NOT dlls MATCHES "(^|;)${RUNTIME}")
    message(FATAL_ERROR "${program} does not import ${RUNTIME}: ${dlls}")
  endif()

  file(READ ${program} contents HEX)
  foreach(text IN ITEMS VS_VERSION_INFO ProductVersion ${VERSION})
    string(HEX "${text}" bytes)
    string(REGEX REPLACE "(..)" "\\100" utf16 "${bytes}")
    string(FIND "${contents}" "${utf16}0000" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${program} has no \"${text}\" in a version resource")
    endif()
  endforeach()
endforeach()
