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
