# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Installs the library of the build tree BUILD into a fresh prefix, builds the consumer
# project SOURCE against it with the same toolchain, and runs it (under LAUNCHER).
# Then builds it once more without CMake, with COMPILE (the compiler and this build's
# flags), LINK (its linker flags) and what pkg-config says of the library, where
# pkg-config is installed.
# Variables: BUILD, SOURCE, WORK, LAUNCHER, SUFFIX (of executables), CONFIGURE (arguments),
# COMPILE, LINK, LIBDIR, CROSS: a cross build looks for packages in its target's root alone, so
# it is shown the package itself; CANNOT_RUN: why the consumers cannot run here, if so.

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
if(CROSS)
  list(APPEND CONFIGURE -Duebungsprogramme_DIR=${prefix}/${LIBDIR}/cmake/uebungsprogramme)
endif()
foreach(step IN ITEMS
    "--install;${BUILD};--prefix;${prefix};--component;development"
    "-S;${SOURCE};-B;${WORK}/build;-DCMAKE_PREFIX_PATH=${prefix};${CONFIGURE}"
    "--build;${WORK}/build")
  execute_process(COMMAND ${CMAKE_COMMAND} ${step} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake ${step} failed:\n${out}")
  endif()
endforeach()
set(apps ${WORK}/build/app${SUFFIX})

find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
  # The library lies elsewhere than the prefix it was configured for; pkg-config is told.
  set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
  foreach(kind IN ITEMS cflags libs)
    execute_process(COMMAND ${PKG_CONFIG} --define-variable=prefix=${prefix} --${kind} uebungsprogramme-tasks
      OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(${kind} UNIX_COMMAND "${${kind}}")
  endforeach()
  # Compiled, then linked, as a makefile would: Zig, given both at once, links in a
  # variant of its libraries that it would have to build first, for minutes.
  execute_process(COMMAND ${COMPILE} ${cflags} -c ${SOURCE}/app.cpp -o ${WORK}/app.o COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${COMPILE} ${LINK} ${WORK}/app.o ${libs} -o ${WORK}/pkg-config-app${SUFFIX}
    COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND apps ${WORK}/pkg-config-app${SUFFIX})
else()
  message("pkg-config is not installed: the consumer is built with CMake alone")
endif()

if(CANNOT_RUN)
  message("${CANNOT_RUN}: the consumers are built, not run")
  return()
endif()
foreach(app IN LISTS apps)
  execute_process(COMMAND ${LAUNCHER} ${app} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${app} exited with ${status}")
  endif()
endforeach()
