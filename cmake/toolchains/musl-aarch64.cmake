# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# aarch64 Linux with musl, statically linked, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ZIG_TARGET aarch64-linux-musl)
set(QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/musl-linux.cmake)
