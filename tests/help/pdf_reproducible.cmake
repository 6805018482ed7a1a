# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# Runs the help document generator twice on the same source, a second apart,
# in two time zones and with Qt's hash seed left to chance, and compares the
# bytes; also that the document carries its bookmarks, and that every font in it
# is Liberation Sans or Mono, taken from its file: a font fontconfig chose (for
# "monospace", or for a character Liberation lacks) would make the bytes depend
# on the fonts a machine has.
#
# -DGEN= ringfeld-helpgen  -DSOURCE= help document (.md)  -DVERSION= version
# -DPICTURES= picture folders (a list)  -DOUT= scratch folder (emptied)
# -DPDFFONTS= pdffonts (poppler-utils)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
foreach(run 1 2)
  if(run EQUAL 2)
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
    set(zone "Pacific/Auckland")
  else()
    set(zone "America/New_York")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=SOURCE_DATE_EPOCH --unset=QT_HASH_SEED TZ=${zone} QT_QPA_PLATFORM=offscreen
            ${GEN} ${SOURCE} ${OUT}/run${run}.pdf ${VERSION} ${PICTURES}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ringfeld-helpgen failed (${rc}): ${err}")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/run1.pdf ${OUT}/run2.pdf RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "two runs gave different PDFs: ${OUT}/run1.pdf ${OUT}/run2.pdf")
endif()
file(STRINGS ${OUT}/run1.pdf outline REGEX "/Type /Outlines")
if(NOT outline)
  message(FATAL_ERROR "the PDF has no bookmarks")
endif()
execute_process(COMMAND ${PDFFONTS} ${OUT}/run1.pdf OUTPUT_VARIABLE fonts RESULT_VARIABLE rc)
string(REGEX MATCHALL "\n[^ \n-][^ \n]*" names "${fonts}")
list(FILTER names EXCLUDE REGEX "^\nname$")
list(LENGTH names count)
set(others ${names})
list(FILTER others EXCLUDE REGEX "^\nLiberation(Sans|Mono)(-Bold|-Italic|-BoldItalic)?$")
if(NOT rc EQUAL 0 OR count EQUAL 0 OR others)
  message(FATAL_ERROR "fonts other than Liberation Sans and Mono in ${OUT}/run1.pdf:\n${fonts}")
endif()
message(STATUS "two runs, the same ${OUT}/run1.pdf, in Liberation Sans and Mono")
