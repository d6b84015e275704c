# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Checks the source release ARCHIVE: compressed with no name or time of its own; every
# file under the one folder NAME, with the time the release stores, which is the commit's
# (SOURCE's, where git is there to say); no .git, no build tree. Then unpacks it into an
# empty folder outside any git checkout, and runs the README's two commands there: the
# run command, answered as countdown-ask's case weekday-is-added is, and the test command.

file(READ ${ARCHIVE} header OFFSET 0 LIMIT 8 HEX)
if(NOT header STREQUAL "1f8b080000000000")
  message(FATAL_ERROR "${ARCHIVE} is not gzip data without a name or time of its own: ${header}")
endif()

find_program(TAR tar NO_CACHE REQUIRED)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${TAR} --list --verbose --full-time -zf ${ARCHIVE}
  OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${TAR} -xzOf ${ARCHIVE} ${NAME}/packaging/source-date-epoch
  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "The release stores no time of its own: '${epoch}'")
endif()
execute_process(COMMAND git -C ${SOURCE} log -1 --format=%ct OUTPUT_VARIABLE commit_time
  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
if(status EQUAL 0 AND NOT commit_time STREQUAL epoch)
  message(FATAL_ERROR "The release stores the time ${epoch}, the commit's is ${commit_time}")
endif()
execute_process(COMMAND date -u -d @${epoch} "+%Y-%m-%d %H:%M:%S" OUTPUT_VARIABLE time
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" entries "${listing}")
list(LENGTH entries count)
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES " ${time} ${NAME}/")
    message(FATAL_ERROR "Not under ${NAME}/ or not of ${time}: ${entry}")
  endif()
  if(entry MATCHES " ${NAME}/(\\.git|build)(/|$)")
    message(FATAL_ERROR "The release holds ${CMAKE_MATCH_1}: ${entry}")
  endif()
endforeach()
message("${ARCHIVE}: ${count} entries under ${NAME}/, each of ${time} UTC")

# An empty folder that no git checkout holds; git is not even asked above it.
execute_process(COMMAND mktemp -d OUTPUT_VARIABLE empty OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${TAR} -xzf ${ARCHIVE} WORKING_DIRECTORY ${empty} COMMAND_ERROR_IS_FATAL ANY)
set(tree ${empty}/${NAME})
set(ENV{GIT_CEILING_DIRECTORIES} ${empty})
file(READ ${tree}/README.md readme)
foreach(kind IN ITEMS run test)
  if(NOT readme MATCHES "<!-- ${kind} command -->\n```sh\n([^\n]+)\n```")
    message(FATAL_ERROR "README.md has no ${kind} command")
  endif()
  set(${kind}_command "${CMAKE_MATCH_1}")
endforeach()

set(case ${SOURCE}/countdown-ask/tests/weekday-is-added)
message("In ${tree}: ${run_command}")
execute_process(COMMAND bash -c "${run_command}" WORKING_DIRECTORY ${tree} INPUT_FILE ${case}.in
  OUTPUT_VARIABLE output RESULT_VARIABLE status)
file(READ ${case}.out expected)
string(LENGTH "${expected}" length)
string(LENGTH "${output}" output_length)
math(EXPR start "${output_length} - ${length}")
if(start LESS 0)
  set(start 0)
endif()
string(SUBSTRING "${output}" ${start} -1 tail)
if(NOT status EQUAL 0 OR NOT tail STREQUAL expected)
  message(FATAL_ERROR "The run command failed (${status}) or did not end with:\n${expected}\nIts output:\n${output}")
endif()

message("In ${tree}: ${test_command}")
execute_process(COMMAND bash -c "${test_command}" WORKING_DIRECTORY ${tree} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The test command failed in the unpacked release, left in ${tree}")
endif()
file(REMOVE_RECURSE ${empty})
message("The README's run and test commands work in the unpacked release, without git")
