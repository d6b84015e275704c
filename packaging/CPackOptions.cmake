# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Per package kind: a Debian package for each component; an archive of the programs alone.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL programs development)
  # Each package's description starts with its own synopsis, not the project's.
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
else()
  set(CPACK_COMPONENTS_ALL programs)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-windows-x86_64")
  else()
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-linux-x86_64-static")
  endif()
endif()

# Reproducible packages: every time in them is the last commit's, unless the caller gave
# one, and a zip's local times are UTC's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${CPACK_UEBUNGSPROGRAMME_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  endif()
endif()
set(ENV{TZ} UTC0)
