# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# aarch64 Linux with musl, linked statically by Zig; the programs run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ZIG_TARGET aarch64-linux-musl)
include(${CMAKE_CURRENT_LIST_DIR}/zig.cmake)
find_program(QEMU_AARCH64 qemu-aarch64)
if(NOT QEMU_AARCH64)
  message(FATAL_ERROR "qemu-aarch64 is needed to run this preset's programs (Debian: qemu-user)")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64})
