# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# pip_install(FROM INTO WHAT [OPTIONAL]): the Python packages that the requirements file
# FROM pins, at their versions and the hashes of their wheels, installed into INTO (under
# build/ of the source tree, kept between runs) unless they are there already from the
# same file. WHAT names them for the messages. A wheel whose hash differs from the pins
# stops configuring, as does a missing Python or pip; where OPTIONAL, a machine that has
# no wheel of them, or no pip, only goes without.
function(pip_install from into what)
  file(SHA256 ${from} wanted)
  set(installed "")
  if(EXISTS ${into}/requirements.txt)
    file(SHA256 ${into}/requirements.txt installed)
  endif()
  if(installed STREQUAL wanted)
    return()
  endif()
  set(level FATAL_ERROR)
  if(ARGV3 STREQUAL "OPTIONAL")
    set(level WARNING)
  endif()
  find_program(PYTHON3 python3)
  if(PYTHON3)
    execute_process(COMMAND ${PYTHON3} -m pip --version RESULT_VARIABLE no_pip OUTPUT_QUIET ERROR_QUIET)
  endif()
  if(NOT PYTHON3 OR no_pip)
    message(${level} "Python 3 and pip are needed to install ${what} (Debian: python3-pip)")
    return()
  endif()
  file(REMOVE ${into}/requirements.txt)
  execute_process(COMMAND ${PYTHON3} -m pip install --quiet --root-user-action ignore --require-hashes --no-deps
      --only-binary :all: --upgrade --target ${into} -r ${from}
    RESULT_VARIABLE failed ERROR_VARIABLE said)
  if(failed)
    if(NOT said MATCHES "No matching distribution")
      set(level FATAL_ERROR)
    endif()
    message(${level} "${what} could not be installed from ${from}:\n${said}")
    return()
  endif()
  file(COPY_FILE ${from} ${into}/requirements.txt)
endfunction()
