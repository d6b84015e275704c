# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT

set(CMAKE_SYSTEM_PROCESSOR i686)
set(TRIPLE i686-linux-gnu)
set(QEMU_ARCH i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
# IEEE double rounding: SSE2 registers, not the x87's 80-bit ones.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
