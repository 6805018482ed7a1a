# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# The type of design files as the desktop sees it: the installed shared-mime-info
# XML in a temporary XDG data home (update-mime-database), then xdg-mime on a
# file ringfeld-calc saved, once by its name and once, renamed, by its content.
# xdg-mime asks GIO when it takes the desktop for GNOME (else it falls back to
# file(1), which knows no desktop's types).
#
# -DBUILD_DIR= build tree   -DSTAGE= scratch folder (emptied)   -DCALC= ringfeld-calc
# -DUPDATE_MIME= update-mime-database   -DXDG_MIME= xdg-mime

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${STAGE}")
run("cmake --install" ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}/root ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
set(data "${STAGE}/data")
file(GLOB xml "${STAGE}/root/usr/share/mime/packages/*.xml")
if(NOT xml)
  message(FATAL_ERROR "no shared-mime-info XML installed in share/mime/packages")
endif()
file(COPY ${xml} DESTINATION "${data}/mime/packages")
run("update-mime-database" ${UPDATE_MIME} "${data}/mime")

run("ringfeld-calc --save-design" ${CMAKE_COMMAND} -E env HOME=${STAGE} XDG_CONFIG_HOME=${STAGE}/config
    ${CALC} --save-design "${STAGE}/saved.ringfeld")
file(COPY_FILE "${STAGE}/saved.ringfeld" "${STAGE}/unnamed")
foreach(file saved.ringfeld unnamed)
  run("xdg-mime query filetype ${file}" ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${data} XDG_CURRENT_DESKTOP=GNOME
      ${XDG_MIME} query filetype "${STAGE}/${file}")
  string(STRIP "${out}" type)
  if(NOT type STREQUAL "application/x-ringfeld-design")
    message(FATAL_ERROR "xdg-mime query filetype ${file}: '${type}'")
  endif()
endforeach()
message(STATUS "saved.ringfeld and unnamed: application/x-ringfeld-design")
