# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Windows programs run under Wine, in a Wine prefix of the build's own, made once here at
# configure time (not for a try_compile), so that the user's prefix and its server are
# neither touched nor relied on.
find_program(WINE wine)
if(NOT WINE)
  message(FATAL_ERROR "Wine is needed to run this preset's programs (Debian: wine wine64)")
endif()
# A project configured by a test with the same toolchain is handed the build's prefix.
if(NOT WINE_PREFIX)
  set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${WINE_PREFIX})
if(NOT EXISTS ${WINE_PREFIX}/system.reg AND NOT CMAKE_BINARY_DIR MATCHES "/CMakeFiles/")
  file(MAKE_DIRECTORY ${WINE_PREFIX})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml= wineboot --init OUTPUT_QUIET ERROR_QUIET)
  # Its server goes, so that the first test starts a session of its own (see wine-run).
  execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINE_PREFIX} wineserver -k
    OUTPUT_QUIET ERROR_QUIET)
endif()
