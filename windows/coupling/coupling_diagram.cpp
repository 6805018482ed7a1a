// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "coupling/coupling_diagram.h"

#include <array>

#include "text/catalog/coupling_texts.h"

namespace ringfeld {
namespace {

struct Stelle {
    int x, y;
};

// Where each label of the catalogue's kDiagrammBeschriftung stands: coupling
// loop (two lines at the left), contact length beside the dimension line, main
// loop (two lines at the top right), feed point (three lines at the right).
constexpr std::array<Stelle, texte::kDiagrammBeschriftung.size()> kStellen{{
    {5, 75},
    {5, 95},
    {230, 80},
    {302, 2},
    {302, 22},
    {306, 76},
    {306, 96},
    {306, 116},
}};

}  // namespace

std::vector<DiagrammText> DiagrammTexte(Language lang) {
    std::vector<DiagrammText> out;
    if (lang == Language::None) return out;
    for (std::size_t i = 0; i < kStellen.size(); ++i)
        out.push_back({kStellen[i].x, kStellen[i].y, texte::kDiagrammBeschriftung[i].in(lang)});
    return out;
}

std::string_view KontaktlaengeBegriff(Language lang) { return texte::kKontaktlaenge.in(lang); }

}  // namespace ringfeld
