// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The entries of the main window's shape and material lists in every language,
// with what each entry means (the shapes' own texts are text/catalog/shape_texts.h).
// The lists, the field rules and the command line all take their texts from here.

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "core/materials.h"
#include "text/catalog/shape_texts.h"
#include "text/language.h"

namespace ringfeld {

struct MaterialEintrag {
    Material material;
    Tri text;
};
inline constexpr std::array<MaterialEintrag, 6> kMaterialListe{{
    {Material::Cu, {"Cu", "Cu", "Cu"}},
    {Material::Al, {"Al", "Al", "Al"}},
    {Material::Fe, {"Fe", "Fe", "Fe"}},
    {Material::Ag, {"Ag", "Ag", "Ag"}},
    {Material::Zn, {"Zn", "Zn", "Zn"}},
    {Material::Messing, {"Messing", "Laiton", "brass"}},
}};

// Every shape entry of every language, language by language.
inline std::vector<std::string_view> FormTexteAllerSprachen() {
    std::vector<std::string_view> out;
    for (const SprachEintrag& sprache : kSprachen)
        for (const FormEintrag& form : kFormListe) out.push_back(form.text.in(sprache.lang));
    return out;
}

// Every material entry of every language, entry by entry, each text once.
inline std::vector<std::string_view> MaterialTexteAllerSprachen() {
    std::vector<std::string_view> out;
    for (const MaterialEintrag& m : kMaterialListe)
        for (const SprachEintrag& sprache : kSprachen)
            if (std::find(out.begin(), out.end(), m.text.in(sprache.lang)) == out.end())
                out.push_back(m.text.in(sprache.lang));
    return out;
}

}  // namespace ringfeld
