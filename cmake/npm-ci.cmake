# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# npm_ci(FROM INTO WHAT): the npm packages that FROM's package-lock.json pins, at their
# versions and integrity hashes, installed into INTO (under build/ of the source tree,
# kept between runs) unless they are there already from the same lockfile. WHAT names
# them for the message if npm is missing.
function(npm_ci from into what)
  file(SHA256 ${from}/package-lock.json wanted)
  set(installed "")
  if(EXISTS ${into}/package-lock.json AND EXISTS ${into}/node_modules)
    file(SHA256 ${into}/package-lock.json installed)
  endif()
  if(installed STREQUAL wanted)
    return()
  endif()
  find_program(NPM npm)
  if(NOT NPM)
    message(FATAL_ERROR "npm is needed to install ${what} (Debian: npm)")
  endif()
  file(MAKE_DIRECTORY ${into})
  file(COPY ${from}/package.json ${from}/package-lock.json DESTINATION ${into})
  execute_process(COMMAND ${NPM} ci --prefix ${into} --no-audit --no-fund --ignore-scripts
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
