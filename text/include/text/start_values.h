// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The texts the main window's fields start with, Text1 to Text9: a 2.25 m
// single-turn copper loop of 12 mm tube at 14.4 MHz and 100 W.

#include <array>
#include <string_view>

namespace ringfeld {

inline constexpr std::array<std::string_view, 9> kStartTexte{"2,25", "7,069", "12", "1",    "14,4",
                                                             "100",  "0,05",  "12", "10000"};

}  // namespace ringfeld
