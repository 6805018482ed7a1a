// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The main window's inputs as the user typed them, and how they are read once,
// at the edge, into the numbers and enumerations the calculation runs on.

#include <optional>
#include <string>
#include <string_view>

#include "core/loop_model.h"
#include "core/materials.h"

namespace ringfeld {

// The texts of the main window's inputs.
struct LoopEingaben {
    std::string Text1;   // loop size: diameter, side or width across flats, m
    std::string Text2;   // circumference of one turn, m
    std::string Text3;   // conductor diameter, mm
    std::string Text4;   // number of turns
    std::string Text5;   // frequency, MHz
    std::string Text6;   // transmitter power, W
    std::string Text7;   // additional series loss, Ohm
    std::string Text8;   // coil length, mm
    std::string Text9;   // additional parallel loss, kOhm
    std::string Combo1;  // shape list text
    std::string Combo2;  // material list text

    bool operator==(const LoopEingaben&) const = default;
};

// A field's text read with TextZuZahl: its number, or the overflow it raised.
Feldzahl FeldLesen(std::string_view text);

// Every field read once; the lists by their texts in any language.
LoopZahlen LoopLesen(const LoopEingaben& eingaben);

// The shape whose list entry the text is, in any language (exact, case-sensitive);
// every other text means a square.
Form FormVon(std::string_view shapeText);

// The material a list text names, in any language (exact, case-sensitive).
std::optional<Material> MaterialVon(std::string_view materialText);

}  // namespace ringfeld
