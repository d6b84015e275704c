# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Writes the source release OUTPUT: the files of the commit checked out in SOURCE, under
# the top folder NAME, each with the commit's time, compressed without a name or time of
# its own, so that the same commit gives the same bytes anywhere.
foreach(tool IN ITEMS git gzip)
  find_program(${tool}_program ${tool} NO_CACHE)
  if(NOT ${tool}_program)
    message(FATAL_ERROR "The source release needs ${tool}, which is not installed")
  endif()
endforeach()
execute_process(COMMAND ${git_program} -C ${SOURCE} status --porcelain --untracked-files=no
  OUTPUT_VARIABLE changes RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The source release is made from a git checkout: ${error}")
endif()
if(changes)
  message(WARNING "The source release holds the last commit, not these changes:\n${changes}")
endif()

get_filename_component(directory ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${directory})
file(REMOVE ${OUTPUT} ${OUTPUT}.tar)
execute_process(COMMAND ${git_program} -C ${SOURCE} archive --format=tar --prefix=${NAME}/ --output=${OUTPUT}.tar HEAD
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${gzip_program} -9n INPUT_FILE ${OUTPUT}.tar OUTPUT_FILE ${OUTPUT}.partial
  COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${OUTPUT}.partial ${OUTPUT})
file(REMOVE ${OUTPUT}.tar)
message("${OUTPUT}: the files of the last commit")
