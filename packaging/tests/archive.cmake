# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Unpacks the archive ARCHIVE into WORK/unpacked as a user would, checks that it holds one
# folder, NAME, as the archive is named, and follows its INSTALL note into the empty prefix
# WORK/prefix: the note's indented commands, as root needs no sudo. Then checks each of
# PROGRAMS there: at most MAX_SIZE bytes where given, statically linked where STATIC is
# set, and run against one golden case where RUN is set (under LAUNCHER). An archive
# without INSTALL (Windows) is used where it is unpacked, and its README.txt, LICENSE.txt
# and the check's manual page as text are checked instead.
# Variables: ARCHIVE, NAME, WORK, SOURCE, PROGRAMS, SUFFIX, VERSION, MAX_SIZE, STATIC, RUN,
# LAUNCHER, BUILD_KINDS.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/unpacked)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ARCHIVE} WORKING_DIRECTORY ${WORK}/unpacked
  COMMAND_ERROR_IS_FATAL ANY)
file(GLOB top RELATIVE ${WORK}/unpacked ${WORK}/unpacked/*)
if(NOT top STREQUAL NAME)
  message(FATAL_ERROR "${ARCHIVE} holds ${top}, not one folder ${NAME}")
endif()
set(release ${WORK}/unpacked/${NAME})

if(EXISTS ${release}/INSTALL)
  set(prefix ${WORK}/prefix)
  file(STRINGS ${release}/INSTALL lines REGEX "^    ")
  set(steps "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^    (sudo )?" "" line "${line}")
    string(REGEX REPLACE "^prefix=.*" "prefix='${prefix}'" line "${line}")
    # macOS's own, for its quarantine: nothing here is quarantined.
    if(NOT line MATCHES "^xattr " OR CMAKE_HOST_APPLE)
      string(APPEND steps "${line}\n")
    endif()
  endforeach()
  message("INSTALL's commands, for ${prefix}:\n${steps}")
  execute_process(COMMAND bash -euc "${steps}" WORKING_DIRECTORY ${release} COMMAND_ERROR_IS_FATAL ANY)
  set(bin ${prefix}/bin)
  foreach(program IN LISTS PROGRAMS)
    if(NOT EXISTS ${prefix}/share/man/man1/${program}.1)
      message(FATAL_ERROR "INSTALL did not install the manual page of ${program}")
    endif()
  endforeach()
else()
  set(bin ${release}/bin)
  set(documents README.txt LICENSE.txt)
  # The check's manual page, as Windows has no man.
  list(FIND PROGRAMS uebungsprogramme-check check)
  if(check GREATER_EQUAL 0)
    list(APPEND documents bin/uebungsprogramme-check.txt)
  endif()
  foreach(document IN LISTS documents)
    # In hexadecimal, a byte apart: file(READ) would drop the CRs.
    file(READ ${release}/${document} bytes HEX)
    string(REGEX REPLACE "(..)" " \\1" bytes "${bytes}")
    string(REGEX MATCHALL " 0a" newlines "${bytes}")
    string(REGEX MATCHALL " 0d 0a" crlfs "${bytes}")
    list(LENGTH newlines lines)
    list(LENGTH crlfs crlf_lines)
    if(lines EQUAL 0 OR NOT lines EQUAL crlf_lines)
      message(FATAL_ERROR "${document} is missing or not in lines that end in CR LF")
    endif()
  endforeach()
  file(READ ${release}/README.txt readme)
  if(NOT readme MATCHES " ${VERSION} ")
    message(FATAL_ERROR "README.txt does not name the version ${VERSION}")
  endif()
endif()

foreach(program IN LISTS PROGRAMS)
  set(file ${bin}/${program}${SUFFIX})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing")
  endif()
  file(SIZE ${file} size)
  if(MAX_SIZE AND size GREATER MAX_SIZE)
    message(FATAL_ERROR "${file} has ${size} bytes, more than ${MAX_SIZE}")
  endif()
  if(STATIC)
    execute_process(COMMAND file -b ${file} OUTPUT_VARIABLE kind COMMAND_ERROR_IS_FATAL ANY)
    if(NOT kind MATCHES "statically linked")
      message(FATAL_ERROR "${file} is not linked statically: ${kind}")
    endif()
  endif()
  message("${file}: ${size} bytes")
endforeach()

if(RUN)
  execute_process(COMMAND ${CMAKE_COMMAND} -DBIN=${bin} -DSOURCE=${SOURCE} -DWORK=${WORK}/cases -DSUFFIX=${SUFFIX}
      "-DLAUNCHER=${LAUNCHER}" "-DBUILD_KINDS=${BUILD_KINDS}" -P ${CMAKE_CURRENT_LIST_DIR}/run-installed.cmake
    COMMAND_ERROR_IS_FATAL ANY)
endif()
