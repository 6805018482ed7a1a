// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Conductor materials. (The loop shapes, which used to stand here too, are core/shapes.h.)

#include <array>
#include <optional>
#include <string_view>

#include "core/shapes.h"

namespace ringfeld {

// In the order of the main window's material list.
enum class Material { Cu, Al, Fe, Ag, Zn, Messing };

struct MaterialDaten {
    Material material;
    std::string_view key;  // language-independent name in files and exports
    double sigma;          // conductivity in m/(Ohm mm^2), numerically MS/m
};

// Conductivities as the resistivities of a German engineering table give them:
// copper 0.0175, aluminium 0.0278 (1/36), silver 0.016 Ohm mm^2/m (1 / rho); no named
// handbook with exactly these values was found. IACS copper is 58.0 MS/m (IEC 1913), so
// Cu here is 1.5 % low. Iron's permeability is ignored (mu_r = 1 in the skin loss).
inline constexpr std::array<MaterialDaten, 6> kMaterialien{{
    {Material::Cu, "Cu", 57.1428},
    {Material::Al, "Al", 35.971},
    {Material::Fe, "Fe", 8.3},
    {Material::Ag, "Ag", 62.5},
    {Material::Zn, "Zn", 16.66},
    {Material::Messing, "brass", 13.5},
}};

// Conductivity of a material; none given (a list text no table knows) is 0, so
// the skin-effect step divides by zero, as it always has.
constexpr double Leitfaehigkeit(std::optional<Material> material) {
    if (!material) return 0.0;
    for (const auto& m : kMaterialien)
        if (m.material == *material) return m.sigma;
    return 0.0;
}

}  // namespace ringfeld
