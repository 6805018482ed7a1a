# Installs the build as a package would (prefix /usr below a staging folder)
# and checks that every file lies where it belongs, that no document landed
# beside the program, and that the help lookup, run from the installed
# program's folder, finds the installed documents; also that the documents
# lie beside the program in the build tree.
#
# -DBUILD_DIR=  build tree            -DSTAGE=   staging folder (emptied)
# -DPROBE=      help_lookup_probe     -DHELPDIR= help folder below the prefix
# -DRUNTIME_DIR= the program's folder in the build tree
# -DWITH_PROGRAM= whether the ringfeld program is part of the build
# -DAPPSTREAMCLI= appstreamcli, to check the metainfo against the installed
#                 desktop entry and icon

file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(root "${STAGE}/usr")
set(docs Ringfeld_Hilfe.pdf Ringfeld_Aide.pdf Ringfeld_Help.pdf)
set(expected
  share/applications/ringfeld.desktop
  share/metainfo/ringfeld.metainfo.xml
  share/icons/hicolor/scalable/apps/ringfeld.svg)
foreach(size 32 48 64 128)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/ringfeld.png)
endforeach()
foreach(doc ${docs})
  list(APPEND expected ${HELPDIR}/${doc})
endforeach()
if(WITH_PROGRAM)
  list(APPEND expected bin/ringfeld)
endif()

set(missing "")
foreach(f ${expected})
  if(NOT EXISTS "${root}/${f}" OR IS_DIRECTORY "${root}/${f}")
    list(APPEND missing ${f})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed below ${root}: ${missing}")
endif()

file(GLOB stray "${root}/bin/*.pdf")
if(stray)
  message(FATAL_ERROR "help documents installed beside the program: ${stray}")
endif()

foreach(doc ${docs})
  file(READ "${root}/${HELPDIR}/${doc}" head LIMIT 5 HEX)
  file(SIZE "${root}/${HELPDIR}/${doc}" size)
  if(NOT head STREQUAL "255044462d" OR size LESS 20000)  # "%PDF-"
    message(FATAL_ERROR "${doc} is no complete PDF (${size} bytes)")
  endif()
endforeach()

# The metainfo, desktop entry and icon together, as a software centre reads them.
execute_process(
  COMMAND ${APPSTREAMCLI} validate-tree --no-net --override=cid-desktopapp-is-not-rdns=info ${STAGE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree failed:\n${out}${err}")
endif()

# The help lookup of the installed program, and of the program in the build tree.
function(expect_lookup folder expected_folder)
  execute_process(COMMAND ${PROBE} ${folder} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  set(want "")
  foreach(doc ${docs})
    string(APPEND want "${expected_folder}/${doc}\n")
  endforeach()
  if(NOT rc EQUAL 0 OR NOT out STREQUAL want)
    message(FATAL_ERROR "help lookup from ${folder}:\n${out}expected:\n${want}")
  endif()
endfunction()

expect_lookup("${root}/bin" "${root}/${HELPDIR}")
expect_lookup("${RUNTIME_DIR}" "${RUNTIME_DIR}")
message(STATUS "installed below ${root}: ${expected}")
