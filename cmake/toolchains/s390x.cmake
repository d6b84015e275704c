# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Big-endian.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(TRIPLE s390x-linux-gnu)
set(QEMU_ARCH s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
