# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Run by CPack after each package is made, while the packages just made are still in
# CPack's own folder (CPACK_PACKAGE_FILES). Their checks come next (see tests/).

# CPack gives the members of a Debian package's ar archive the modes that the umask left
# on its own files. ar's deterministic mode writes them again: mode 0644, owner root, time 0.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    set(members ${package}.members)
    file(REMOVE_RECURSE ${members})
    file(MAKE_DIRECTORY ${members})
    execute_process(COMMAND ar t ${package} OUTPUT_VARIABLE names COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "\n$" "" names "${names}")
    string(REPLACE "\n" ";" names "${names}")
    execute_process(COMMAND ar x ${package} WORKING_DIRECTORY ${members} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${package})
    execute_process(COMMAND ar rcD ${package} ${names} WORKING_DIRECTORY ${members} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${members})
  endif()
endforeach()
