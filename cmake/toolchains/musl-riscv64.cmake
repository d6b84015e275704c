# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# 64-bit RISC-V Linux (rv64gc) with musl, statically linked, run under qemu-user.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(ZIG_TARGET riscv64-linux-musl)
set(QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/musl-linux.cmake)
