// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The texts of each loop shape, one entry per shape of core/shapes.h and in its
// order: the main window's list entry (which the command line's --shape also
// takes, in any language and any case), the caption of the size field and how
// the size is named elsewhere. The shape's key in files is the core table's.
// An entry without one of its texts, or a shape without its entry, does not
// compile.

#include <array>
#include <cstddef>

#include "core/shapes.h"
#include "text/language.h"

namespace ringfeld {

struct FormEintrag {
    Form form;
    Tri text;          // the list entry, and a word --shape takes
    Tri beschriftung;  // the caption the shape switch gives the size field's label
    Tri groesse;       // the size on the safety-distance window's inputs: "Diameter"
    Tri bericht;       // the size on a printed tuning report's inputs: "Diameter (%1)", %1 its unit
    Tri schleife;      // the loop in words above the tuning sheet, %1 the size, %7 its unit
};

// Circle and square first, as the main window's list always had them.
inline constexpr std::array<FormEintrag, kShapes.size()> kFormListe{{
    {Form::Kreis,
     {"Kreis", "circulaire", "Circle"},
     {"Durchmesser:", "Diamètre:", "Diameter:"},
     {"Durchmesser", "Diamètre", "Diameter"},
     {"Durchmesser (%1)", "Diamètre (%1)", "Diameter (%1)"},
     {"Kreis von %1 %7 Durchmesser", "cercle de %1 %7 de diamètre", "circle of %1 %7 diameter"}},
    {Form::Quadrat,
     {"Quadrat", "carrée", "Square"},
     {"Seitenlänge:", "longueur d'un côté:", "Side-length:"},
     {"Seitenlänge", "Côté", "Side length"},
     {"Seitenlänge (%1)", "Longueur d'un côté (%1)", "Side length (%1)"},
     {"Quadrat von %1 %7 Seitenlänge", "carré de %1 %7 de côté", "square of %1 %7 side"}},
    {Form::Achteck,
     {"Achteck", "octogone", "Octagon"},
     {"Breite über Flächen:", "largeur sur plats:", "Width across flats:"},
     {"Breite über Flächen", "Largeur sur plats", "Width across flats"},
     {"Breite über Flächen (%1)", "Largeur sur plats (%1)", "Width across flats (%1)"},
     {"Achteck von %1 %7 Breite über Flächen", "octogone de %1 %7 de largeur sur plats",
      "octagon of %1 %7 across flats"}},
    {Form::Sechseck,
     {"Sechseck", "hexagone", "Hexagon"},
     {"Breite über Flächen:", "largeur sur plats:", "Width across flats:"},
     {"Breite über Flächen", "Largeur sur plats", "Width across flats"},
     {"Breite über Flächen (%1)", "Largeur sur plats (%1)", "Width across flats (%1)"},
     {"Sechseck von %1 %7 Breite über Flächen", "hexagone de %1 %7 de largeur sur plats",
      "hexagon of %1 %7 across flats"}},
}};

constexpr bool FormListeInOrdnung() {
    for (std::size_t i = 0; i < kFormListe.size(); ++i)
        if (kFormListe[i].form != kShapes[i].form) return false;
    return true;
}
static_assert(FormListeInOrdnung(), "one text entry per shape, in the order of the shape table");

constexpr const FormEintrag& FormTexte(Form form) { return kFormListe[static_cast<std::size_t>(form)]; }

}  // namespace ringfeld
