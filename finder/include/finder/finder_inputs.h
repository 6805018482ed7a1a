// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop finder's inputs as texts, each under a language-independent key (the
// window's fields, its settings, a design file, ringfeld-calc's JSON), and how they
// are read into the search's options: every number by the plain-number rule, the
// lists separated by commas, semicolons or blanks (so a decimal in a list takes a
// point), a short reason for each field that cannot be used.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "finder/finder_search.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::finder {

enum class Feld {
    From,
    To,
    CapMin,
    CapMax,
    CapVPeak,
    CapMargin,  // the rating is divided by it
    CapQ,
    Stray,
    Ground,
    Power,
    SeriesLoss,
    ParallelLoss,
    SizeMin,
    SizeMax,
    SizeStep,
    Shapes,
    Materials,
    Conductors,
    Turns,
    Spacing,
    MaxWavelengths,  // the small-loop limit, N U in wavelengths at TO
};
inline constexpr std::size_t kFeldAnzahl = 21;

inline constexpr std::array<std::string_view, kFeldAnzahl> kFeldSchluessel{
    "from",      "to",           "cap_min",   "cap_max",     "cap_vpeak",     "cap_margin", "cap_q",
    "stray_c",   "ground_ratio", "power",     "series_loss", "parallel_loss", "size_min",   "size_max",
    "size_step", "shapes",       "materials", "conductors",  "turns",         "spacing",    "max_wavelengths"};

// What the margin and the small-loop limit may be.
inline constexpr double kKleinsteMarge = 1, kGroessteMarge = 5;
inline constexpr double kKleinsteWellenlaengen = 0.1, kGroessteWellenlaengen = 0.5;

using FeldTexte = std::array<std::string, kFeldAnzahl>;

// What the inputs start with: the 40 m to 20 m search of a 10-250 pF capacitor at
// the main window's start power and losses, sizes 0.5 to 2 m, both shapes, copper
// and aluminium, nine tube diameters, one to three turns spaced two diameters; a
// rating divided by 1.5, and loops of at most a quarter wavelength of conductor.
FeldTexte FinderVorgaben();

constexpr std::size_t at(Feld f) { return static_cast<std::size_t>(f); }

// By key, and back; unknown keys are left out, missing ones keep `basis`.
std::map<std::string, std::string> AlsSchluessel(const FeldTexte& texte);
FeldTexte AusSchluesseln(const std::map<std::string, std::string>& werte, FeldTexte basis = FinderVorgaben());

struct FinderGelesen {
    std::optional<FinderOptionen> options;         // set when every field is usable
    std::array<std::string, kFeldAnzahl> reasons;  // empty where the field is fine
};

// The length fields typed in `from` (the sizes in the loop's unit, the conductors'
// list in the conductor's) carried to `to`: to metric as exact texts for the search,
// the settings and design files, else as the window shows them. In feet and inches
// the conductors' list is separated by commas or semicolons alone ("7/8, 1 1/8"); a
// text that is not a length stays as typed, for LiesFinder's reason.
FeldTexte LaengenIn(FeldTexte texte, Units from, Units to, std::string_view sep);

// Reads the fields (metric texts); the reasons in `lang`, the candidates' list texts too.
FinderGelesen LiesFinder(const FeldTexte& texte, Language lang);

// The shapes and materials as keys ("circle", "Cu", "brass"); a list text of any
// language names its entry too, in any case.
std::optional<Form> FormAusText(std::string_view text);
std::optional<Material> MaterialAusText(std::string_view text);

}  // namespace ringfeld::finder
