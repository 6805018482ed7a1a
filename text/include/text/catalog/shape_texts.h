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
    Tri bericht;       // the size on a printed tuning report's inputs: "Diameter (m)"
    Tri schleife;      // the loop in words above the tuning sheet, %1 the size
};

// Circle and square first, as the main window's list always had them.
inline constexpr std::array<FormEintrag, kShapes.size()> kFormListe{{
    {Form::Kreis,
     {"Kreis", "circulaire", "Circle"},
     {"Durchmesser:", "Diamètre:", "Diameter:"},
     {"Durchmesser", "Diamètre", "Diameter"},
     {"Durchmesser (m)", "Diamètre (m)", "Diameter (m)"},
     {"Kreis von %1 m Durchmesser", "cercle de %1 m de diamètre", "circle of %1 m diameter"}},
    {Form::Quadrat,
     {"Quadrat", "carrée", "Square"},
     {"Seitenlänge:", "longueur d'un côté:", "Side-length:"},
     {"Seitenlänge", "Côté", "Side length"},
     {"Seitenlänge (m)", "Longueur d'un côté (m)", "Side length (m)"},
     {"Quadrat von %1 m Seitenlänge", "carré de %1 m de côté", "square of %1 m side"}},
    {Form::Achteck,
     {"Achteck", "octogone", "Octagon"},
     {"Breite über Flächen:", "largeur sur plats:", "Width across flats:"},
     {"Breite über Flächen", "Largeur sur plats", "Width across flats"},
     {"Breite über Flächen (m)", "Largeur sur plats (m)", "Width across flats (m)"},
     {"Achteck von %1 m Breite über Flächen", "octogone de %1 m de largeur sur plats", "octagon of %1 m across flats"}},
    {Form::Sechseck,
     {"Sechseck", "hexagone", "Hexagon"},
     {"Breite über Flächen:", "largeur sur plats:", "Width across flats:"},
     {"Breite über Flächen", "Largeur sur plats", "Width across flats"},
     {"Breite über Flächen (m)", "Largeur sur plats (m)", "Width across flats (m)"},
     {"Sechseck von %1 m Breite über Flächen", "hexagone de %1 m de largeur sur plats",
      "hexagon of %1 m across flats"}},
}};

constexpr bool FormListeInOrdnung() {
    for (std::size_t i = 0; i < kFormListe.size(); ++i)
        if (kFormListe[i].form != kShapes[i].form) return false;
    return true;
}
static_assert(FormListeInOrdnung(), "one text entry per shape, in the order of the shape table");

constexpr const FormEintrag& FormTexte(Form form) { return kFormListe[static_cast<std::size_t>(form)]; }

}  // namespace ringfeld
