# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# lintian on the Debian PACKAGES: no error and no warning, pedantic tags included. With
# CANARY set, its canary instead: a package in WORK without a copyright file, which
# lintian must reject by name.
find_program(LINTIAN lintian NO_CACHE)
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is not installed: the Debian packages cannot be checked")
endif()

if(CANARY)
  find_program(DPKG_DEB dpkg-deb NO_CACHE REQUIRED)
  file(REMOVE_RECURSE ${WORK})
  file(WRITE ${WORK}/package/DEBIAN/control "Package: canary\nVersion: 1\nArchitecture: all\n"
    "Maintainer: Canary <canary@canary.invalid>\nDescription: a package without a copyright file\n")
  execute_process(COMMAND ${DPKG_DEB} --build -Zgzip ${WORK}/package ${WORK}/canary.deb OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
  set(PACKAGES ${WORK}/canary.deb)
  set(options "")
else()
  set(options --pedantic -I -E)
endif()

execute_process(COMMAND ${LINTIAN} ${options} ${PACKAGES} OUTPUT_VARIABLE report ERROR_VARIABLE errors)
string(REGEX REPLACE "[^\n]*running with root privileges[^\n]*\n" "" errors "${errors}")
message("${report}${errors}")
if(CANARY)
  if(NOT report MATCHES "(^|\n)E: canary: no-copyright-file")
    message(FATAL_ERROR "lintian did not reject the canary package")
  endif()
elseif(report MATCHES "(^|\n)[EW]: " OR errors)
  message(FATAL_ERROR "lintian reports errors or warnings")
endif()
