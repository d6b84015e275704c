# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# One universal file per program, for every Mac: this build's x86_64 program joined with
# the arm64 one, which a build of its own makes in arm64/ with the arm64 toolchain, so that
# one build from a clean tree has both. The universal files are what gets installed.
include(ExternalProject)
find_program(LIPO NAMES llvm-lipo-14 llvm-lipo REQUIRED)

get_property(programs GLOBAL PROPERTY CONSOLE_PROGRAMS)
set(arm64 ${PROJECT_BINARY_DIR}/arm64)
set(arm64_programs ${programs})
list(TRANSFORM arm64_programs PREPEND ${arm64}/bin/)
ExternalProject_Add(arm64-programs
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${arm64}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/macos-arm64.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DBUILD_TESTING=OFF
    -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${arm64} --target ${programs}
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${arm64_programs}
  INSTALL_COMMAND "")

file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/universal)
set(UNIVERSAL_PROGRAMS "")
foreach(program IN LISTS programs)
  set(universal ${PROJECT_BINARY_DIR}/universal/${program})
  add_custom_command(OUTPUT ${universal}
    COMMAND ${LIPO} -create $<TARGET_FILE:${program}> ${arm64}/bin/${program} -output ${universal}
    DEPENDS ${program} ${arm64}/bin/${program} VERBATIM)
  list(APPEND UNIVERSAL_PROGRAMS ${universal})
endforeach()
add_custom_target(universal ALL DEPENDS ${UNIVERSAL_PROGRAMS})
add_dependencies(universal arm64-programs)
install(PROGRAMS ${UNIVERSAL_PROGRAMS} TYPE BIN COMPONENT programs)
