# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# WebAssembly for WASI, built by Zig; the programs run under Node.js's WASI, or wasmtime's
# where WASI_RUNTIME says so (wasi-run), as the suite's second pass does.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/../platform)
set(ZIG_TARGET wasm32-wasi)
# Zig's default WebAssembly takes features that Node.js 20 and the Safari of many an iPad
# lack (extended constant expressions, bulk memory); these two every runtime and browser
# of the last five years has.
set(ZIG_CPU mvp+mutable_globals+sign_ext)
include(${CMAKE_CURRENT_LIST_DIR}/zig.cmake)
# Zig passes -mred-zone to every target, and wasm32's compiler has no use for it. WASI's
# C++ library has no exceptions, and nothing here throws any.
set(CMAKE_C_FLAGS_INIT -Wno-unused-command-line-argument)
set(CMAKE_CXX_FLAGS_INIT "-Wno-unused-command-line-argument -fno-exceptions")
# LLVM's strip reads WebAssembly; the packages are stripped with it, as is the web console.
set(CMAKE_STRIP llvm-strip-14)
find_program(NODE node)
if(NOT NODE)
  message(FATAL_ERROR "Node.js is needed to run this preset's programs (Debian: nodejs)")
endif()
set(WASI_RUNNER ${CMAKE_CURRENT_LIST_DIR}/wasi-run.mjs)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wasi-run)
get_filename_component(WASMTIME_HOME ${CMAKE_CURRENT_LIST_DIR}/../../build/wasmtime ABSOLUTE)
pip_install(${CMAKE_CURRENT_LIST_DIR}/wasmtime/requirements.txt ${WASMTIME_HOME}
  "wasmtime, the second runtime of this preset's suite" OPTIONAL)
