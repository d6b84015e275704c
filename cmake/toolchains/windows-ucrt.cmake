# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# x86_64 Windows against the Universal C Runtime, built by Zig; the programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZIG_TARGET x86_64-windows-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/zig.cmake)
set(CMAKE_RC_COMPILER llvm-windres-14)
# The C runtime's DLLs, as the programs import them.
set(WINDOWS_RUNTIME "api-ms-win-crt-[a-z0-9-]+.dll")
include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
