# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# One static library per layer. Each has its own include root, <folder>/include,
# holding only its public headers under a folder of its name ("core/x.h",
# "text/y.h"), and links only the layers below it: an include that reaches a
# layer above does not compile.
#
#   ringfeld_layer(NAME SOURCES... [LINKS targets...])
function(ringfeld_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_compile_features(${name} PUBLIC cxx_std_20)
  target_compile_options(${name} PRIVATE ${RINGFELD_WARNINGS})
  if(arg_LINKS)
    target_link_libraries(${name} PUBLIC ${arg_LINKS})
  endif()
endfunction()
