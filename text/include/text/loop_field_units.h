// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The main window's length fields in the user's units: which field holds which
// length, and its texts carried to and from the metric texts the calculation,
// the design file's metric readers and the other windows read.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "text/length_units.h"
#include "text/loop_fields.h"

namespace ringfeld {

struct LoopLengthField {
    std::string LoopEingaben::*text;
    std::string_view field;  // its objectName
    LengthQuantity quantity;
};
inline constexpr std::array<LoopLengthField, 4> kLoopLengthFields{{
    {&LoopEingaben::Text1, "Text1", LengthQuantity::LoopSize},
    {&LoopEingaben::Text2, "Text2", LengthQuantity::LoopSize},
    {&LoopEingaben::Text3, "Text3", LengthQuantity::Conductor},
    {&LoopEingaben::Text8, "Text8", LengthQuantity::Conductor},
}};

// The texts typed in `units` as metric texts (twelve significant digits): the same in
// metric; in imperial each length read at the edge (a text that is no length
// becomes empty, which reads as zero and is refused by the calculation).
LoopEingaben MetricInputs(const LoopEingaben& typed, Units units);

// Metric texts (a found design, a metric file) as the window shows them in
// `units`, the lengths with the table's decimals.
LoopEingaben InputsIn(const LoopEingaben& metric, Units units, std::string_view decimalSeparator);

// The window's texts when the user switches from one system to another.
LoopEingaben InputsSwitched(const LoopEingaben& typed, Units from, Units to, std::string_view decimalSeparator);

}  // namespace ringfeld
