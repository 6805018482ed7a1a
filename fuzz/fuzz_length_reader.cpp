// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// ReadImperialLength on arbitrary bytes: a finite length of 0 or more or none;
// no sign ever reads; blanks around the text count nowhere; a comma reads as a
// point; a plain number is the same in feet and inches, a marked one twelve
// times as much in inches as in feet.

#include <algorithm>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "text/length_reader.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto feet = ReadImperialLength(text, ImperialUnit::Feet);
    const auto inches = ReadImperialLength(text, ImperialUnit::Inches);
    require(feet.has_value() == inches.has_value(), "a text reads in one unit only", text);
    if (!feet) return 0;
    require(std::isfinite(*feet) && *feet >= 0 && std::isfinite(*inches), "a length below zero or not finite", text);
    require(text.find_first_of("+-eE") == std::string::npos, "a sign or an exponent read", text);
    const bool marked = text.find_first_of("'\"") != std::string::npos;
    if (marked)
        require(std::abs(*inches - 12 * *feet) <= 1e-9 * *inches, "feet and inches disagree", text);
    else
        require(*inches == *feet, "a plain number changed with the unit", text);
    require(ReadImperialLength(" \t" + text + "\t ", ImperialUnit::Feet) == feet, "blanks around changed it", text);
    if (std::count(text.begin(), text.end(), ',') == 1 && text.find('.') == std::string::npos) {
        std::string mitPunkt = text;
        mitPunkt[mitPunkt.find(',')] = '.';
        require(ReadImperialLength(mitPunkt, ImperialUnit::Feet) == feet, "a comma reads unlike a point", text);
    }
    return 0;
}
