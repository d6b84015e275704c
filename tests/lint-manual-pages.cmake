# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Lints the manual pages PAGES with mandoc at its strictest, in a man tree of their own
# under WORK so that their cross-references resolve; any message fails.

find_program(MANDOC mandoc)
find_program(MAKEWHATIS makewhatis PATHS /usr/sbin /sbin)
if(NOT MANDOC OR NOT MAKEWHATIS)
  message("SKIPPED: mandoc is not installed")
  return()
endif()
file(REMOVE_RECURSE ${WORK})
foreach(page IN LISTS PAGES)
  string(REGEX REPLACE ".*\\." "" section ${page})
  file(COPY ${page} DESTINATION ${WORK}/man${section})
endforeach()
execute_process(COMMAND ${MAKEWHATIS} ${WORK} COMMAND_ERROR_IS_FATAL ANY)
set(ENV{MANPATH} ${WORK})
execute_process(COMMAND ${MANDOC} -Tlint -Wstyle ${PAGES} OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "${out}")
endif()
