# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Checks that each Windows program in PROGRAMS carries a version resource holding VERSION,
# as Explorer's Properties read it: UTF-16 strings in the resource section.

foreach(program IN LISTS PROGRAMS)
  file(READ ${program} contents HEX)
  foreach(text IN ITEMS VS_VERSION_INFO ProductVersion ${VERSION})
    string(HEX "${text}" bytes)
    string(REGEX REPLACE "(..)" "\\100" utf16 "${bytes}")
    string(FIND "${contents}" "${utf16}0000" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${program} has no \"${text}\" in a version resource")
    endif()
  endforeach()
endforeach()
