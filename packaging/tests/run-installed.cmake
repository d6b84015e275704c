# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Runs each program as installed in BIN against one of its golden cases, as a user's
# first run of it would go.
# Variables: BIN, SOURCE (the project's sources, for the cases), WORK (scratch folder);
# SUFFIX (of executables), LAUNCHER and BUILD_KINDS as run-golden-case.cmake takes them.
set(cases countdown-ask/weekday-is-added countdown-fixed/five-fixed-lines
  countdown-dayofyear/octal-and-hex product-sheet/eleven-lines task-functions/prints-confirmation)
foreach(case IN LISTS cases)
  string(REPLACE "/" ";" parts ${case})
  list(GET parts 0 program)
  list(GET parts 1 name)
  execute_process(COMMAND ${CMAKE_COMMAND} -DPROGRAM=${BIN}/${program}${SUFFIX}
      -DCASE=${SOURCE}/${program}/tests/${name} -DWORK=${WORK}/${program} "-DLAUNCHER=${LAUNCHER}"
      "-DBUILD_KINDS=${BUILD_KINDS}" -P ${SOURCE}/tests/run-golden-case.cmake
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${BIN}/${program}${SUFFIX} fails its case ${name}")
  endif()
  message("${BIN}/${program}${SUFFIX}: ${name} as expected")
endforeach()

# The check, where it can start a program (qemu-user cannot, of another CPU): an installed
# program checked against itself, found beside the check, must match in every case.
set(check ${BIN}/uebungsprogramme-check${SUFFIX})
if(EXISTS ${check} AND NOT LAUNCHER MATCHES "qemu-")
  execute_process(COMMAND ${LAUNCHER} ${check} --seed 1 countdown-ask ${BIN}/countdown-ask${SUFFIX}
    OUTPUT_VARIABLE report RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT report MATCHES "\ncountdown-ask: ([0-9]+) von ([0-9]+) F")
    message(FATAL_ERROR "${check} does not find countdown-ask beside it as itself: status ${status}\n${report}")
  endif()
  if(NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "${check} finds countdown-ask unlike itself:\n${report}")
  endif()
  message("${check}: countdown-ask as itself in all ${CMAKE_MATCH_2} cases")
endif()
