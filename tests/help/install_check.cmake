# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Installs the build as a package would (prefix /usr below a staging folder)
# and checks that every file lies where it belongs under the application id,
# that the desktop tools accept the desktop entry, metainfo and icon together,
# that the desktop knows a saved design file's type, and that the help lookup,
# run from the installed program's folder and from the build tree, finds the
# documents.
#
# -DBUILD_DIR= build tree   -DSTAGE= staging folder (emptied)   -DPROBE= help_lookup_probe
# -DHELPDIR= help folder below the prefix   -DRUNTIME_DIR= the program's folder in the build tree
# -DWITH_PROGRAM= whether ringfeld is built   -DWITH_MANPAGES= whether the man pages are
# -DAPPSTREAMCLI= appstreamcli
# -DCALC= ringfeld-calc   -DUPDATE_MIME= update-mime-database   -DXDG_MIME= xdg-mime

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${STAGE}")
run("cmake --install" ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)

set(root "${STAGE}/usr")
set(id io.github.ringfeld.Ringfeld)
set(icon_sizes 16 32 48 64 128 256)  # what desktops ask for, up to software centres' 256
set(docs Ringfeld_Hilfe.pdf Ringfeld_Aide.pdf Ringfeld_Help.pdf)
set(expected share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml share/mime/packages/${id}.xml
  share/icons/hicolor/scalable/mimetypes/application-x-ringfeld-design.svg
  share/icons/hicolor/scalable/apps/${id}.svg share/doc/ringfeld/copyright share/doc/ringfeld/changelog.Debian.gz)
foreach(size ${icon_sizes})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
list(TRANSFORM docs PREPEND ${HELPDIR}/ OUTPUT_VARIABLE installed_docs)
list(APPEND expected ${installed_docs})
if(WITH_PROGRAM)
  list(APPEND expected bin/ringfeld)
endif()
set(missing "")
foreach(f ${expected})
  if(NOT EXISTS "${root}/${f}" OR IS_DIRECTORY "${root}/${f}")
    list(APPEND missing ${f})
  endif()
endforeach()
if(WITH_MANPAGES)  # plain or compressed: the package compresses them
  foreach(page ringfeld ringfeld-calc)
    file(GLOB found "${root}/share/man/man1/${page}.1" "${root}/share/man/man1/${page}.1.gz")
    if(NOT found)
      list(APPEND missing share/man/man1/${page}.1)
    endif()
  endforeach()
endif()
if(missing)
  message(FATAL_ERROR "not installed below ${root}: ${missing}")
endif()

file(GLOB stray "${root}/bin/*.pdf")
file(STRINGS "${root}/share/applications/${id}.desktop" icon REGEX "^Icon=")
file(STRINGS "${root}/share/doc/ringfeld/copyright" licence REGEX "^License: GPL-3.0-or-later$")
if(stray OR NOT icon STREQUAL "Icon=${id}" OR NOT licence)
  message(FATAL_ERROR "help beside the program (${stray}), desktop ${icon}, or copyright without GPL-3.0-or-later")
endif()
foreach(size ${icon_sizes})  # the PNG header's width and height, 4 bytes each
  file(READ "${root}/share/icons/hicolor/${size}x${size}/apps/${id}.png" wh OFFSET 16 LIMIT 8 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "0000000" hex "${hex}")
  string(REGEX MATCH "........$" hex "${hex}")
  if(NOT wh STREQUAL "${hex}${hex}")
    message(FATAL_ERROR "the ${size}x${size} icon measures ${wh}")
  endif()
endforeach()
foreach(doc ${installed_docs})
  file(READ "${root}/${doc}" head LIMIT 5 HEX)
  file(SIZE "${root}/${doc}" size)
  if(NOT head STREQUAL "255044462d" OR size LESS 20000)  # "%PDF-"
    message(FATAL_ERROR "${doc} is no complete PDF (${size} bytes)")
  endif()
endforeach()

# The metainfo, desktop entry and icon together, as a software centre reads
# them: no override, and a warning fails as an error does.
run("appstreamcli validate-tree" ${APPSTREAMCLI} validate-tree --pedantic --no-net ${STAGE})

# The installed type of design files in a temporary XDG data home: xdg-mime
# knows a file ringfeld-calc saved by its name, and renamed by its content.
# It asks GIO when it takes the desktop for GNOME (else file(1), which knows
# no desktop's types).
set(data "${STAGE}/xdg")
file(COPY "${root}/share/mime/packages/${id}.xml" DESTINATION "${data}/mime/packages")
run("update-mime-database" ${UPDATE_MIME} "${data}/mime")
run("ringfeld-calc --save-design" ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${data} ${CALC} --save-design ${data}/a.ringfeld)
file(COPY_FILE "${data}/a.ringfeld" "${data}/unnamed")
foreach(file a.ringfeld unnamed)
  run("xdg-mime" ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${data} XDG_CURRENT_DESKTOP=GNOME ${XDG_MIME} query filetype ${data}/${file})
  if(NOT out STREQUAL "application/x-ringfeld-design\n")
    message(FATAL_ERROR "xdg-mime query filetype ${file}: ${out}")
  endif()
endforeach()

# The help lookup of the installed program, and of the program in the build tree.
set(folders "${root}/bin" "${RUNTIME_DIR}")
set(doc_folders "${root}/${HELPDIR}" "${RUNTIME_DIR}")
foreach(folder doc_folder IN ZIP_LISTS folders doc_folders)
  list(TRANSFORM docs PREPEND "${doc_folder}/" OUTPUT_VARIABLE want)
  list(JOIN want "\n" want)
  run("help lookup from ${folder}" ${PROBE} ${folder})
  if(NOT out STREQUAL "${want}\n")
    message(FATAL_ERROR "help lookup from ${folder}:\n${out}expected:\n${want}")
  endif()
endforeach()
message(STATUS "installed below ${root}: ${expected}")
