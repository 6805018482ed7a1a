# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# Man pages ringfeld(1) and ringfeld-calc(1), written at build time by help2man
# from the built programs' --help and --version, so they always list the
# options the programs take. Neither program needs a display for these.
# help2man dates the pages from SOURCE_DATE_EPOCH when it is set, at configure
# or at build time, so that builds are reproducible. The pages are compressed
# (gzip -n: no name, no time stamp) as Debian installs them.

find_program(RINGFELD_HELP2MAN help2man)
find_program(RINGFELD_GZIP gzip)
if(NOT RINGFELD_HELP2MAN OR NOT RINGFELD_GZIP OR CMAKE_CROSSCOMPILING)
  message(STATUS "Man pages: help2man or gzip not found (or cross-compiling), none are built")
  return()
endif()

set(_man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(_man_env)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(_man_env ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=$ENV{SOURCE_DATE_EPOCH})
endif()

# Sections help2man cannot learn from --help, in its include-file format.
file(CONFIGURE OUTPUT ${_man_dir}/ringfeld-calc.h2m @ONLY CONTENT [=[
[EXAMPLES]
.nf
ringfeld-calc \-\-diameter 1 \-\-conductor 22 \-\-frequency 7,1 \-\-frequency 14,2
ringfeld-calc \-\-turns 3 \-\-conductor 10 \-\-length 60 \-\-sweep 3.5:7.3:0.1 \-\-lang en
ringfeld-calc \-\-format csv \-\-sweep 1.8:30:0.05 > loop.csv
.fi
[SEE ALSO]
.BR ringfeld (1)
]=])
file(CONFIGURE OUTPUT ${_man_dir}/ringfeld.h2m @ONLY CONTENT [=[
[SEE ALSO]
.BR ringfeld-calc (1)
]=])

set(_man_pages)
# ringfeld_man_page(<program target> <one-line description> [extra help2man arguments])
function(ringfeld_man_page target description)
  set(page ${_man_dir}/${target}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${_man_env} ${RINGFELD_HELP2MAN} --no-info --section=1 --locale=C.UTF-8 "--name=${description}"
            --include=${_man_dir}/${target}.h2m ${ARGN} --output=${page} $<TARGET_FILE:${target}>
    COMMAND ${RINGFELD_GZIP} -9nf ${page}
    DEPENDS ${target} ${_man_dir}/${target}.h2m
    COMMENT "Writing the man page ${target}(1)"
    VERBATIM)
  set(_man_pages ${_man_pages} ${page}.gz PARENT_SCOPE)
endfunction()

ringfeld_man_page(ringfeld "calculator for small transmitting magnetic loop antennas")
# The help in English, whatever language the building user's settings hold.
ringfeld_man_page(ringfeld-calc "compute a small transmitting magnetic loop from the command line"
                  "--help-option=--help --lang=en")

add_custom_target(ringfeld_man_pages ALL DEPENDS ${_man_pages})
install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
