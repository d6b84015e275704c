# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# A manual page as plain text for Windows, which has no man: rendered by mandoc, without
# the backspaces that make bold and underlined letters on a terminal, in CR LF lines as
# Notepad shows them.
# Variables: MANDOC, PAGE, OS (the footer's words), OUTPUT.
execute_process(COMMAND ${MANDOC} -Tutf8 -Owidth=78 "-Ios=${OS}" ${PAGE}
  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
string(ASCII 8 backspace)
# A letter struck over itself, or over an underscore, is the letter: the page's own umlauts
# first, which are more than one byte.
foreach(letter IN ITEMS ä ö ü Ä Ö Ü ß)
  string(REPLACE "${letter}${backspace}" "" text "${text}")
endforeach()
string(REGEX REPLACE ".${backspace}" "" text "${text}")
if(text MATCHES "${backspace}")
  message(FATAL_ERROR "${PAGE} holds a struck letter that is not ASCII nor an umlaut")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
