# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# CPack runs this after staging the files and before building the package. It
# does what Debian's own packaging tools do at this point:
# - removes the compiler's .comment section from the programs (dh_strip);
# - compresses every man page with gzip -9n, without name and time stamp, so
#   the package is reproducible (dh_compress). Compressed pages stay as they are.

find_program(STRIP strip REQUIRED)
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program ${programs})
  execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note "${program}"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_DIRECTORY}/*/share/man/man*/*.[1-9]")
foreach(page ${pages})
  execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
  endif()
endforeach()
