// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The columns of the finder's designs: one registry for the window's table,
// ringfeld-calc's text table and the JSON and CSV exports. A column is its export
// key, unit and headings (the catalogue's, text/catalog/finder_texts.h), what it
// holds, the number behind a design's cell, and how the text table and the window
// write it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "finder/finder_search.h"
#include "text/catalog/finder_texts.h"
#include "text/length_units.h"
#include "text/number_format.h"

namespace ringfeld::finder {

enum class SpaltenArt {
    Form,      // the shape: its list text, its key in the exports
    Material,  // the material likewise
    Ganz,      // a whole number
    Kurz,      // a number as its field holds it: the shortest text, no trailing zeros
    Zahl,      // a computed number, to the column's decimals; empty where it is not a number
    Rand,      // the search's edge: +1 largest size, -1 smallest, 0 neither; "max", "min" or empty
};

struct FinderSpalte {
    const texte::SpaltenText& text;
    SpaltenArt art;
    double (*wert)(const Entwurf&);          // the number; for shape and material their place in the lists
    int decimals;                            // of a computed number, in the text table and the window
    std::optional<LengthQuantity> length{};  // a length: shown in the units chosen, headed with its unit
};

namespace finder_spalten {
template <double Entwurf::*member>
constexpr double zahl(const Entwurf& e) {
    return e.*member;
}
template <int Entwurf::*member>
constexpr double ganz(const Entwurf& e) {
    return e.*member;
}
constexpr double form(const Entwurf& e) { return static_cast<double>(e.form); }
constexpr double material(const Entwurf& e) { return static_cast<double>(e.material); }
}  // namespace finder_spalten

inline constexpr std::array<FinderSpalte, texte::kSpalten.size()> kFinderSpalten = [] {
    using namespace finder_spalten;
    using A = SpaltenArt;
    using E = Entwurf;
    const auto& t = texte::kSpalten;
    return std::array<FinderSpalte, texte::kSpalten.size()>{{
        {t[0], A::Ganz, ganz<&E::rank>, 0},
        {t[1], A::Form, form, 0},
        {t[2], A::Material, material, 0},
        {t[3], A::Kurz, zahl<&E::conductorMm>, 0, LengthQuantity::Conductor},
        {t[4], A::Ganz, ganz<&E::turns>, 0},
        {t[5], A::Kurz, zahl<&E::sizeM>, 0, LengthQuantity::LoopSize},
        {t[6], A::Rand, ganz<&E::searchEdge>, 0},
        {t[7], A::Kurz, zahl<&E::lengthMm>, 0, LengthQuantity::Conductor},
        {t[8], A::Zahl, zahl<&E::conductorLengthM>, 3, LengthQuantity::LoopSize},
        {t[9], A::Zahl, zahl<&E::efficiencyFromPercent>, 2},
        {t[10], A::Zahl, zahl<&E::efficiencyToPercent>, 2},
        {t[11], A::Zahl, zahl<&E::efficiencyWorstPercent>, 2},
        {t[12], A::Zahl, zahl<&E::gainWorstDbi>, 2},
        {t[13], A::Zahl, zahl<&E::bandwidthFromKHz>, 1},
        {t[14], A::Zahl, zahl<&E::bandwidthToKHz>, 1},
        {t[15], A::Zahl, zahl<&E::cTuneFromPf>, 1},
        {t[16], A::Zahl, zahl<&E::cTuneToPf>, 1},
        {t[17], A::Zahl, zahl<&E::vPeakMaxV>, 0},
        {t[18], A::Zahl, zahl<&E::headroom>, 2},
        {t[19], A::Zahl, zahl<&E::iRmsMaxA>, 2},
        {t[20], A::Zahl, zahl<&E::pCapacitorMaxW>, 2},
        {t[21], A::Ganz, ganz<&E::rowsRrFormulaRange>, 0},
    }};
}();

// A design's cell as the text table and the window write it: the list text of the
// shape or material in `lang`, a number with the decimal separator `sep`, a length in
// `units` (in feet and inches with the units table's decimals).
std::string ZellenText(const FinderSpalte& spalte, const Entwurf& e, Language lang, Units units, std::string_view sep);

// A column's unit in `units` and `lang` (the units table's for a length), and its full
// heading with that unit.
std::string_view SpaltenEinheit(const FinderSpalte& spalte, Units units, Language lang);
std::string SpaltenKopf(const FinderSpalte& spalte, Units units, Language lang);

}  // namespace ringfeld::finder
