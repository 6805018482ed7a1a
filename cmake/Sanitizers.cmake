# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build,
# compile and link. -fno-sanitize-recover=all turns every finding into an abort,
# so a test that reaches undefined behaviour or a memory error fails its run.
#
# Floating point stays untrapped: the engine tests operands and results itself
# (core/checked_math.h), so no float-divide-by-zero check is added here.

option(RINGFELD_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(RINGFELD_SANITIZER_COMPILE_FLAGS
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
set(RINGFELD_SANITIZER_LINK_FLAGS -fsanitize=address,undefined)

if(RINGFELD_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "RINGFELD_SANITIZE needs GCC or Clang, not ${CMAKE_CXX_COMPILER_ID}")
  endif()
  add_compile_options(${RINGFELD_SANITIZER_COMPILE_FLAGS})
  add_link_options(${RINGFELD_SANITIZER_LINK_FLAGS})
endif()
