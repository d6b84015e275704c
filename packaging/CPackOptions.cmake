# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Per package kind: a Debian package for each component; an archive of the programs alone,
# in one folder named as the archive is.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL programs development)
  # Each package's description starts with its own synopsis, not the project's.
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
else()
  set(CPACK_COMPONENTS_ALL programs)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

# Reproducible packages: every time in them is the source's, unless the caller gave one:
# the time a source release stores (git writes it into the file when it makes one), or
# else the last commit's. A zip's local times are UTC's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  file(STRINGS ${CPACK_UEBUNGSPROGRAMME_SOURCE_DIR}/packaging/source-date-epoch epoch LIMIT_COUNT 1)
  if(NOT epoch MATCHES "^[0-9]+$")
    execute_process(COMMAND git -C ${CPACK_UEBUNGSPROGRAMME_SOURCE_DIR} log -1 --format=%ct
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "The packages' time is that of the source: set SOURCE_DATE_EPOCH, "
        "or pack from a git checkout or a source release")
    endif()
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
set(ENV{TZ} UTC0)
