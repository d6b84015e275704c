# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Linux on CMAKE_SYSTEM_PROCESSOR with musl, linked statically by Zig for ZIG_TARGET (and
# ZIG_CPU, where set); the programs run under QEMU (see qemu.cmake).
set(CMAKE_SYSTEM_NAME Linux)
include(${CMAKE_CURRENT_LIST_DIR}/zig.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/qemu.cmake)
