# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT

set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TRIPLE aarch64-linux-gnu)
set(QEMU_ARCH aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
