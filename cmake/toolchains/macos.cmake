# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# macOS 11 or later on CMAKE_SYSTEM_PROCESSOR, built by Zig against macOS's libSystem. No
# Mach-O program runs here: the tests that would run one are skipped, and what can be
# checked without a Mac is (tests/macos.cmake).
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_OSX_DEPLOYMENT_TARGET 11.0)
set(ZIG_TARGET ${CMAKE_SYSTEM_PROCESSOR}-macos.${CMAKE_OSX_DEPLOYMENT_TARGET})
include(${CMAKE_CURRENT_LIST_DIR}/zig.cmake)
# No debug map: it names each object file by its path, and the linker hashes it into the
# program's UUID, so that the same sources built elsewhere would give other bytes.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,-S")
set(CMAKE_INSTALL_NAME_TOOL llvm-install-name-tool-14)
set(PROGRAMS_CANNOT_RUN "Mach-O programs cannot run here")
