# Installs the library of the build tree BUILD into a fresh prefix, builds the consumer
# project SOURCE against it with the same toolchain, and runs it (under LAUNCHER).
# Variables: BUILD, SOURCE, WORK, LAUNCHER, SUFFIX (of executables), CONFIGURE (arguments),
# LIBDIR, CROSS: a cross build looks for packages in its target's root alone, so it is
# shown the package itself.

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
execute_process(COMMAND ${LAUNCHER} ${WORK}/build/app${SUFFIX} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the consumer exited with ${status}")
endif()
