// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A loop design as a design file keeps it: every input of the main window, the
// coupling window and the tuning-range window as the texts the user typed, the
// lists by language-independent keys, a note, and the groups further windows
// add (each a map of key to text). Plain C++; the file itself is design_file.h,
// the format docs/design-file.md.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/materials.h"
#include "export/vna_export.h"
#include "presentation/tuning_inputs.h"
#include "text/language.h"
#include "text/length_units.h"
#include "text/loop_fields.h"
#include "text/start_values.h"

namespace ringfeld::design {

inline constexpr std::string_view kFormat = "ringfeld-design";
// A metric design is written as version 1, which every Ringfeld reads. A design
// typed in other units is written as version 2 with its "units": a reader of
// version 1 refuses it as newer rather than reading feet as metres.
inline constexpr int kVersion = 1;
inline constexpr int kVersionEinheiten = 2;
inline constexpr int kHoechsteVersion = kVersionEinheiten;  // the newest version read
inline constexpr std::string_view kEinheitenSchluessel = "units";
inline constexpr std::string_view kEndung = ".ringfeld";
inline constexpr std::string_view kMimeTyp = "application/x-ringfeld-design";

// The main window's fields and lists.
struct Schleife {
    LoopEingaben felder;  // Text1 to Text9; Combo1 and Combo2 stay empty, the lists are these:
    Form form = Form::Kreis;
    Material material = Material::Cu;

    // The fields with the lists' entries in `lang` (German for no language).
    LoopEingaben EingabenIn(Language lang) const;
    bool operator==(const Schleife&) const = default;
};
// The lists by the entries the texts name, in any language; a material no
// entry names is copper, as the list starts.
Schleife SchleifeAus(const LoopEingaben& eingaben);

// The coupling window's site list and ratio field. The sites' keys, in the
// order of the list; -1 is no site chosen.
inline constexpr std::array<std::string_view, 3> kOrte{"indoors", "balcony", "free"};
struct Kopplung {
    int ort = 0;
    std::string verhaeltnis{kStartVerhaeltnis};  // the ratio the first site proposes
    bool operator==(const Kopplung&) const = default;
};

// The tuning-range window's fields and its band list (0: the range typed,
// i: tuning::kBands[i - 1]).
struct Abstimmung {
    tuning::FieldTexts felder = tuning::kFieldDefaults;
    int band = tuning::kStartBand;
    bool operator==(const Abstimmung&) const = default;
};

// Groups of further windows, by name: key to text.
using Gruppe = std::map<std::string, std::string>;
// The groups a version 1 file may hold beside the three above: the loop finder
// and the safety distance.
inline constexpr std::string_view kFinderGruppe = "finder";
inline constexpr std::string_view kSicherheitGruppe = "exposure";
// A swept loop's fitted resonance (not the sweep) and the sweep file's name, which
// the file keeps relative to its own folder where it can (design_file.h).
inline constexpr std::string_view kMessungGruppe = "vna";
inline constexpr std::string_view kMessungDatei = vna::kSweepFileKey;
inline constexpr std::array<std::string_view, 3> kWeitereGruppen{kFinderGruppe, kSicherheitGruppe, kMessungGruppe};

struct Entwurf {
    // The units the lengths were typed in; a file always names them (metric when
    // it does not say), the start design does not: its metric texts are shown
    // in the units the program shows.
    std::optional<Units> einheiten;
    Schleife schleife;
    Kopplung kopplung;
    Abstimmung abstimmung;
    std::string notiz;
    std::map<std::string, Gruppe> weitere;  // only names of kWeitereGruppen
    bool operator==(const Entwurf&) const = default;
};

// The design every window starts with.
Entwurf Startentwurf();

}  // namespace ringfeld::design
