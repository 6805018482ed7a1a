// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The language-independent names of the loop's inputs, as design files and the
// exports write them: one name per field, the shape by its key ("circle",
// "square", "octagon", "hexagon"), the material by its key ("Cu", "Al", "Fe",
// "Ag", "Zn", "brass").

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/materials.h"
#include "text/loop_fields.h"

namespace ringfeld {

struct FeldSchluessel {
    std::string_view key;
    std::string LoopEingaben::*text;
};

// The main window's fields in the order a design file lists them.
inline constexpr std::array<FeldSchluessel, 9> kLoopSchluessel{{
    {"diameter", &LoopEingaben::Text1},
    {"circumference", &LoopEingaben::Text2},
    {"conductor", &LoopEingaben::Text3},
    {"turns", &LoopEingaben::Text4},
    {"length", &LoopEingaben::Text8},
    {"frequency", &LoopEingaben::Text5},
    {"power", &LoopEingaben::Text6},
    {"series_loss", &LoopEingaben::Text7},
    {"parallel_loss", &LoopEingaben::Text9},
}};
inline constexpr std::string_view kFormSchluessel = "shape";
inline constexpr std::string_view kMaterialSchluessel = "material";

// FormKey and FormAusKey, the shape's names, are in core/materials.h beside the materials' keys.

constexpr std::string_view MaterialKey(Material material) {
    for (const auto& m : kMaterialien)
        if (m.material == material) return m.key;
    return {};
}

constexpr std::optional<Material> MaterialAusKey(std::string_view key) {
    for (const auto& m : kMaterialien)
        if (m.key == key) return m.material;
    return std::nullopt;
}

}  // namespace ringfeld
