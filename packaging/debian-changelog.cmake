# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Writes the Debian changelog made from NEWS (NEWS.md) to OUTPUT, uncompressed: one entry
# for each "## VERSION (TIME)" heading, TIME as date(1) reads it, its "- " items as the entry's changes.
# Variables: NEWS, OUTPUT, PACKAGE, VERSION (the newest entry must be this one), MAINTAINER.

file(STRINGS ${NEWS} lines ENCODING UTF-8)
set(changelog "")
set(entry_version "")
# Ends the entry being written with its trailer line.
macro(close_entry)
  if(entry_version)
    execute_process(COMMAND date -u -R -d "${entry_date}" OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND changelog "\n -- ${MAINTAINER}  ${when}\n\n")
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([^ ]+) \\(([^)]+)\\)$")
    close_entry()
    if(NOT entry_version AND NOT CMAKE_MATCH_1 STREQUAL VERSION)
      message(FATAL_ERROR "${NEWS}: the newest entry is ${CMAKE_MATCH_1}, the project's version ${VERSION}")
    endif()
    set(entry_version ${CMAKE_MATCH_1})
    set(entry_date ${CMAKE_MATCH_2})
    string(APPEND changelog "${PACKAGE} (${entry_version}) unstable; urgency=medium\n\n")
  elseif(entry_version AND line MATCHES "^- (.*)")
    string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(entry_version AND line MATCHES "^  (.*)")
    string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
close_entry()
string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
file(WRITE ${OUTPUT} "${changelog}")
