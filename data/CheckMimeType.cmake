# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a MIME database from the file type alone and checks that it maps
# *.pla to text/x-pla, a kind of text/plain.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
configure_file(${SOURCE} ${WORK}/packages/tavolin.xml COPYONLY)
# It warns that the folder is not among XDG_DATA_DIRS; only its status counts.
execute_process(COMMAND ${TOOL} ${WORK} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "update-mime-database failed (${status}): ${errors}")
endif()
file(READ ${WORK}/globs2 globs)
if(NOT globs MATCHES "60:text/x-pla:\\*\\.pla")
  message(FATAL_ERROR "no *.pla glob in:\n${globs}")
endif()
file(READ ${WORK}/subclasses subclasses)
if(NOT subclasses MATCHES "text/x-pla text/plain")
  message(FATAL_ERROR "text/x-pla is no text/plain:\n${subclasses}")
endif()
