# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# Qt Widgets' headers precompiled once per build and reused by every target
# that links Qt Widgets: they are two thirds of a window source's compile time
# (a window's source on 2 cores: 10.3 s with GCC -O2, 6.0 s with the header
# precompiled; 9.4 s and 5.1 s with clang and the sanitizers).
#
# A header is precompiled for one kind of code: libraries are compiled -fPIC,
# programs -fPIE, so each kind has its provider. Compilers refuse a header
# precompiled with other flags (GCC through -Winvalid-pch, an error here), so a
# mismatch fails the build rather than slowing it.
#
#   ringfeld_precompile_qt_widgets()   after every target is defined
option(RINGFELD_PRECOMPILED_QT "Precompile Qt Widgets' headers once for every target linking it" ON)

set(_ringfeld_pch_dir ${CMAKE_CURRENT_LIST_DIR}/precompiled)

# Whether `target` links Qt Widgets, directly or through the project's libraries.
function(_ringfeld_links_widgets target result)
  get_property(known GLOBAL PROPERTY _ringfeld_widgets_${target} SET)
  if(known)
    get_property(answer GLOBAL PROPERTY _ringfeld_widgets_${target})
    set(${result} ${answer} PARENT_SCOPE)
    return()
  endif()
  set_property(GLOBAL PROPERTY _ringfeld_widgets_${target} FALSE)  # a cycle ends here
  set(answer FALSE)
  get_target_property(type ${target} TYPE)
  set(properties INTERFACE_LINK_LIBRARIES)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    list(APPEND properties LINK_LIBRARIES)
  endif()
  foreach(property IN LISTS properties)
    get_target_property(libraries ${target} ${property})
    foreach(library IN LISTS libraries)
      if(library MATCHES "^Qt6?::Widgets$")
        set(answer TRUE)
      elseif(TARGET ${library})
        get_target_property(imported ${library} IMPORTED)
        if(NOT imported)
          _ringfeld_links_widgets(${library} below)
          if(below)
            set(answer TRUE)
          endif()
        endif()
      endif()
    endforeach()
  endforeach()
  set_property(GLOBAL PROPERTY _ringfeld_widgets_${target} ${answer})
  set(${result} ${answer} PARENT_SCOPE)
endfunction()

function(_ringfeld_targets_below directory result)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    _ringfeld_targets_below(${subdirectory} more)
    list(APPEND targets ${more})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()

function(ringfeld_precompile_qt_widgets)
  if(NOT RINGFELD_PRECOMPILED_QT)
    return()
  endif()
  find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Charts)
  add_library(ringfeld_qt_precompiled STATIC ${_ringfeld_pch_dir}/for_libraries.cpp)
  add_executable(ringfeld_qt_precompiled_program ${_ringfeld_pch_dir}/for_programs.cpp)
  foreach(provider ringfeld_qt_precompiled ringfeld_qt_precompiled_program)
    target_compile_features(${provider} PRIVATE cxx_std_20)
    target_compile_options(${provider} PRIVATE ${RINGFELD_WARNINGS})
    target_link_libraries(${provider} PRIVATE Qt6::Widgets Qt6::PrintSupport Qt6::Charts)
    target_precompile_headers(${provider} PRIVATE ${_ringfeld_pch_dir}/qt_widgets.h)
  endforeach()

  _ringfeld_targets_below(${CMAKE_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set(provider ringfeld_qt_precompiled_program)
    elseif(type MATCHES "^(STATIC|SHARED|MODULE|OBJECT)_LIBRARY$")
      set(provider ringfeld_qt_precompiled)
    else()
      continue()
    endif()
    if(target MATCHES "^ringfeld_qt_precompiled")  # the providers themselves
      continue()
    endif()
    _ringfeld_links_widgets(${target} widgets)
    if(widgets)
      target_precompile_headers(${target} REUSE_FROM ${provider})
    endif()
  endforeach()
endfunction()
