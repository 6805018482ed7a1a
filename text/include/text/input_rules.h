// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// How the main window's fields follow each other while the user types:
// diameter and circumference, the shape switch, and the smallest coil length.
// Each rule returns what the window writes; an empty result means the typed
// number is out of range and the dependent fields stay as they are. Lengths are
// read and written in `units`; the record's circumference is in metres.

#include <optional>
#include <string>
#include <string_view>

#include "text/length_units.h"

namespace ringfeld {

struct UmfangFolge {
    double umfang;     // new value of the record's Umfang
    std::string text;  // text for the dependent field
};

// Key released in the diameter field: the circumference for Text2.
std::optional<UmfangFolge> UmfangAusDurchmesser(std::string_view text1, std::string_view shapeText,
                                                std::string_view decimalSeparator, Units units = Units::Metric);
// Key released in the circumference field: the diameter or side length for Text1.
std::optional<UmfangFolge> DurchmesserAusUmfang(std::string_view text2, std::string_view shapeText,
                                                std::string_view decimalSeparator, Units units = Units::Metric);

struct FormFolge {
    double umfang;
    std::optional<std::string> label1;  // caption of Text1's label; unset for an unknown shape text
    std::optional<std::string> text1;   // size from the circumference; unset for an unknown shape text
};

// A shape picked from the list: the circumference stays, the size follows from it.
std::optional<FormFolge> FormWechsel(std::string_view text2, std::string_view shapeText,
                                     std::string_view decimalSeparator, Units units = Units::Metric);
// The caption the shape switch gives Text1's label for this shape text; none for an unknown text.
std::optional<std::string_view> FormBeschriftung(std::string_view shapeText);

struct SpulenFolge {
    bool sichtbar;                     // coil-length field shown and enabled (more than one turn)
    std::optional<std::string> text8;  // new coil length text; unset leaves it
};

// The number of turns changed: for one turn or less the coil length becomes the
// conductor diameter; for more it is raised to (N - 1) d + 1 mm when shorter.
// In imperial the rule works in millimetres and writes inches.
std::optional<SpulenFolge> SpulenlaengeNachWindungen(std::string_view text8, std::string_view text3,
                                                     std::string_view text4, std::string_view decimalSeparator,
                                                     Units units = Units::Metric);
// The conductor diameter changed: the coil length is only ever raised to the minimum.
std::optional<SpulenFolge> SpulenlaengeNachLeiter(std::string_view text8, std::string_view text3,
                                                  std::string_view text4, std::string_view decimalSeparator,
                                                  Units units = Units::Metric);

}  // namespace ringfeld
