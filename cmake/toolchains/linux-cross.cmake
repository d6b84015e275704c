# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Linux on another architecture, with Debian's cross compiler for TRIPLE and its
# libraries in /usr/TRIPLE; the programs run under qemu-user for QEMU_ARCH.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QEMU qemu-${QEMU_ARCH} -L /usr/${TRIPLE})
include(${CMAKE_CURRENT_LIST_DIR}/qemu.cmake)
