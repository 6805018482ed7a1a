// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Conductor materials and loop shapes, recognised by the list texts.

#include <array>
#include <string_view>

namespace ringfeld {

struct Material {
    std::string_view name;  // list entry text
    double sigma;           // conductivity in m/(Ohm mm^2), numerically MS/m
};

// Every list text that names a material; the brass entry of each language counts
// whatever the current language is.
inline constexpr std::array<Material, 8> kMaterialien{{
    {"Cu", 57.1428},
    {"Al", 35.971},
    {"Fe", 8.3},
    {"Ag", 62.5},
    {"Zn", 16.66},
    {"Messing", 13.5},
    {"Laiton", 13.5},
    {"brass", 13.5},
}};

// Conductivity for a material list text (exact, case-sensitive); 0 when none matches.
constexpr double Leitfaehigkeit(std::string_view text) {
    for (const auto& m : kMaterialien)
        if (m.name == text) return m.sigma;
    return 0.0;
}

// The loop is a circle when the shape list text is one of the circle names of
// any language; every other text means a square.
constexpr bool IstKreis(std::string_view shapeText) {
    return shapeText == "Kreis" || shapeText == "circulaire" || shapeText == "Circle";
}

}  // namespace ringfeld
