# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Zig's C and C++ compilers for the target ZIG_TARGET and, where set, the CPU ZIG_CPU, which
# the including file sets: one toolchain that carries musl, mingw-w64 with the UCRT, LLVM's
# libc++, macOS's libSystem and WASI's C library. It is the Zig project's release, from
# its Python package at the version and hashes zig/requirements.txt pins, installed into
# build/zig/ of the source tree, where Zig also keeps its cache, shared by every preset
# and kept between runs: the first build for a target compiles that target's C and C++
# libraries. Zig keys its C library on the path it was reached by; through a link,
# another tree shares what one tree built.
get_filename_component(ZIG_HOME ${CMAKE_CURRENT_LIST_DIR}/../../build/zig REALPATH)
set(ZIG ${ZIG_HOME}/ziglang/zig)
include(${CMAKE_CURRENT_LIST_DIR}/../pip-install.cmake)
pip_install(${CMAKE_CURRENT_LIST_DIR}/zig/requirements.txt ${ZIG_HOME} "Zig, the toolchain of this preset")

# CMake wants one program for each tool: a wrapper for each, with the target and cache.
set(target "-target ${ZIG_TARGET}")
set(wrappers ${ZIG_HOME}/bin/${ZIG_TARGET})
if(ZIG_CPU)
  string(APPEND target " -mcpu=${ZIG_CPU}")
  string(APPEND wrappers "-${ZIG_CPU}")
endif()
foreach(tool IN ITEMS cc c++ ar ranlib)
  set(command "${tool} ${target}")
  if(tool MATCHES "^(ar|ranlib)$")
    set(command ${tool})
  endif()
  file(WRITE ${wrappers}/${tool}.new "#!/bin/sh
ZIG_GLOBAL_CACHE_DIR='${ZIG_HOME}/cache' ZIG_LOCAL_CACHE_DIR='${ZIG_HOME}/cache' exec '${ZIG}' ${command} \"$@\"
")
  file(COPY_FILE ${wrappers}/${tool}.new ${wrappers}/${tool} ONLY_IF_DIFFERENT)
  file(CHMOD ${wrappers}/${tool} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
endforeach()
set(CMAKE_C_COMPILER ${wrappers}/cc)
set(CMAKE_CXX_COMPILER ${wrappers}/c++)
set(CMAKE_AR ${wrappers}/ar CACHE FILEPATH "Zig's archiver")
set(CMAKE_RANLIB ${wrappers}/ranlib CACHE FILEPATH "Zig's ranlib")

# Zig takes linker options only in their -Wl, spelling, and drops what nothing calls:
# task-functions holds six functions its main never calls. On ELF they keep themselves
# (tasks.cpp); Mach-O and COFF keep what they are given whole. Everywhere else, what
# nothing calls is better dropped: on aarch64, the C library's unused 128-bit floating
# point alone would make each program 160 KB.
if(CMAKE_SYSTEM_NAME STREQUAL "Darwin")
  set(CMAKE_CXX_LINK_LIBRARY_USING_WHOLE_ARCHIVE "-Wl,--no-gc-sections,-force_load,<LIB_ITEM>")
elseif(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(CMAKE_CXX_LINK_LIBRARY_USING_WHOLE_ARCHIVE
    "-Wl,--no-gc-sections,--whole-archive" "<LINK_ITEM>" "-Wl,--no-whole-archive")
else()
  set(CMAKE_CXX_LINK_LIBRARY_USING_WHOLE_ARCHIVE "-Wl,--whole-archive" "<LINK_ITEM>" "-Wl,--no-whole-archive")
endif()
set(CMAKE_CXX_LINK_LIBRARY_USING_WHOLE_ARCHIVE_SUPPORTED TRUE)
