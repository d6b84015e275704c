# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# 32-bit ARM Linux with musl, statically linked, for the oldest CPU of every Raspberry Pi:
# the Pi 1's and Zero's ARMv6 with VFP, on which every later ARM runs them too. Run under
# qemu-user emulating that very CPU, so that no newer instruction slips in.
set(CMAKE_SYSTEM_PROCESSOR armhf)
set(CPU_DESCRIPTION "32-bit ARM (ARMv6 with VFP or later, every Raspberry Pi)")
set(ZIG_TARGET arm-linux-musleabihf)
set(ZIG_CPU arm1176jzf_s)
set(QEMU qemu-arm -cpu arm1176)
include(${CMAKE_CURRENT_LIST_DIR}/musl-linux.cmake)
