# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# The programs of a build for another CPU run under QEMU: qemu-user's emulator of that CPU,
# with its arguments after it. Without it nothing could run, so configuring stops here.
list(POP_FRONT QEMU qemu)
find_program(QEMU_PROGRAM ${qemu})
if(NOT QEMU_PROGRAM)
  message(FATAL_ERROR "${qemu} is needed to run this preset's programs (Debian: qemu-user)")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_PROGRAM} ${QEMU})
