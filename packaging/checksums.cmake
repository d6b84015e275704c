# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Run by CPack after each package is made: SHA256SUMS beside the packages lists every
# package there, in sha256sum's format, so that `sha256sum -c SHA256SUMS` checks them.
# The packages just made are still in CPack's own folder (CPACK_PACKAGE_FILES); they take
# the place of any of the same name from an earlier run.
file(GLOB packages ${CPACK_PACKAGE_DIRECTORY}/*.deb ${CPACK_PACKAGE_DIRECTORY}/*.tar.gz
  ${CPACK_PACKAGE_DIRECTORY}/*.zip)
set(names "")
foreach(package IN LISTS CPACK_PACKAGE_FILES packages)
  get_filename_component(name ${package} NAME)
  if(NOT name IN_LIST names)
    list(APPEND names ${name})
    file(SHA256 ${package} sum_${name})
  endif()
endforeach()
list(SORT names)
set(sums "")
foreach(name IN LISTS names)
  string(APPEND sums "${sum_${name}}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
