// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The texts the program's fields start with, each written once and read by the
// field's name: the main window's, where the loop finder's power and losses start
// too, and the coupling window's ratio. (The tuning window's are its kFieldDefaults,
// the finder's own its FinderVorgaben.)

#include <array>
#include <string_view>

#include "text/loop_fields.h"

namespace ringfeld {

// The main window's fields: a 2.25 m single-turn copper loop of 12 mm tube at
// 14.4 MHz and 100 W. Its lists start at their first entries, circle and copper.
inline const LoopEingaben kStartEingaben{
    .Text1 = "2,25",   // diameter, m
    .Text2 = "7,069",  // circumference, m: pi times the diameter
    .Text3 = "12",     // conductor diameter, mm
    .Text4 = "1",      // turns
    .Text5 = "14,4",   // frequency, MHz
    .Text6 = "100",    // transmitter power, W
    .Text7 = "0,05",   // additional series loss, Ohm
    .Text8 = "12",     // coil length, mm (one conductor diameter: turns that touch)
    .Text9 = "10000",  // additional parallel loss, kOhm
    .Combo1 = "",
    .Combo2 = "",
};

// The ratio of main loop to coupling loop each site of the coupling window's list
// proposes (indoors, open balcony or garden, free-standing), by the list's order;
// the window and a new design start with the first.
inline constexpr std::array<std::string_view, 3> kOrtVerhaeltnisse{"4,05", "4,50", "4,95"};
inline constexpr std::string_view kStartVerhaeltnis = kOrtVerhaeltnisse[0];

}  // namespace ringfeld
