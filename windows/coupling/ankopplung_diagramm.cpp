// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "coupling/ankopplung_diagramm.h"

#include <array>

namespace ringfeld {
namespace {

// Coupling loop (two lines at the left), contact length beside the dimension
// line, main loop (two lines at the top right), feed point (three lines at the
// right). German and French leave the third feed line blank.
constexpr std::array<DiagrammText, 8> kDeutsch{{
    {5, 75, "Ankopplungs - "},
    {5, 95, "Schleife   "},
    {230, 80, "Lka  "},
    {302, 2, "Loop -                "},
    {302, 22, "Schleife     "},
    {306, 76, "Ein -    "},
    {306, 96, "speisung    "},
    {306, 116, "            "},
}};

constexpr std::array<DiagrammText, 8> kFranzoesisch{{
    {5, 75, "Boucle de       "},
    {5, 95, "couplage "},
    {230, 80, "Lccp"},
    {302, 2, "Boucle principale"},
    {302, 22, "de la Loop"},
    {306, 76, "Point d'"},
    {306, 96, "alimentation"},
    {306, 116, "            "},
}};

constexpr std::array<DiagrammText, 8> kEnglisch{{
    {5, 75, "Coupling         "},
    {5, 95, "Loop      "},
    {230, 80, "Lka  "},
    {302, 2, "Main -                 "},
    {302, 22, "Loop           "},
    {306, 76, "Coax      "},
    {306, 96, "feeder        "},
    {306, 116, "50 Ohm"},
}};

constexpr Tri kBegriff{"Lka:", "Lccp:", "Lka:"};

}  // namespace

std::span<const DiagrammText> DiagrammTexte(Language lang) {
    switch (lang) {
        case Language::German: return kDeutsch;
        case Language::French: return kFranzoesisch;
        case Language::English: return kEnglisch;
        case Language::None: break;
    }
    return {};
}

std::string_view KontaktlaengeBegriff(Language lang) { return kBegriff.in(lang); }

}  // namespace ringfeld
