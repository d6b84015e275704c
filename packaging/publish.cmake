# SPDX-FileCopyrightText: 2026 the uebungsprogramme authors
# SPDX-License-Identifier: MIT
#
# Puts the checked PACKAGES (paths) into the release folder DIRECTORY and writes its
# SHA256SUMS anew, in sha256sum's format, for every package there, whichever build made
# it, so that `sha256sum -c SHA256SUMS` checks them all. Run only once every check of the
# packages has passed.
file(MAKE_DIRECTORY ${DIRECTORY})
foreach(package IN LISTS PACKAGES)
  get_filename_component(name ${package} NAME)
  file(COPY_FILE ${package} ${DIRECTORY}/${name}.partial)
  file(RENAME ${DIRECTORY}/${name}.partial ${DIRECTORY}/${name})
  message("${DIRECTORY}/${name}")
endforeach()

file(GLOB released RELATIVE ${DIRECTORY} ${DIRECTORY}/*.deb ${DIRECTORY}/*.tar.gz ${DIRECTORY}/*.zip
  ${DIRECTORY}/*.html ${DIRECTORY}/*.js)
list(SORT released)
set(sums "")
foreach(name IN LISTS released)
  file(SHA256 ${DIRECTORY}/${name} sum)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${DIRECTORY}/SHA256SUMS.partial "${sums}")
file(RENAME ${DIRECTORY}/SHA256SUMS.partial ${DIRECTORY}/SHA256SUMS)
