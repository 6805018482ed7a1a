# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# libFuzzer targets (fuzz/), clang only. Everything in such a build is compiled
# with coverage instrumentation and the sanitizers, so the fuzzers see into the
# engine; only the fuzz targets themselves link libFuzzer's main.
#
#   cmake --preset asan     (clang, the sanitizers, the tests and the fuzz targets)
#   CXX=clang++ cmake -S . -B build-fuzz -DRINGFELD_FUZZ=ON
#
# Include after Sanitizers.cmake and before the first add_subdirectory: the
# compile options must reach every target. The fuzz targets name the libraries
# they link, which CMake resolves once every directory has been read.

option(RINGFELD_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(RINGFELD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "RINGFELD_FUZZ needs clang (configure with CXX=clang++), not ${CMAKE_CXX_COMPILER_ID}")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
  if(NOT RINGFELD_SANITIZE)
    add_compile_options(${RINGFELD_SANITIZER_COMPILE_FLAGS})
    add_link_options(${RINGFELD_SANITIZER_LINK_FLAGS})
  endif()
  add_subdirectory(fuzz)
endif()
