// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety distance's inputs as texts and choices (the window's fields, kept in the
// settings and handed out as key -> text for design files), how they are read, and the
// numbers and flags as texts. Plain C++, no Qt; the texts are in the catalogue
// (text/catalog/exposure_texts.h, which this brings along).

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/exposure.h"
#include "text/catalog/exposure_texts.h"
#include "text/language.h"

namespace ringfeld::exposure {

// The inputs as the window holds them.
struct Eingaben {
    std::string mode{kModeFactors.back().key};  // a key of kModeFactors, or kOwnMode
    std::string modeFactor = "1";               // 0 to 1, as typed
    std::string txShare = "100";                // per cent, as typed
    Standard standard = Standard::Icnirp1998;
    Population population = Population::Public;
    CurrentSource source = CurrentSource::Model;
};
inline constexpr std::string_view kOwnMode = "own";

// The inputs by language-independent keys, each value a text: "mode" (a mode's key or
// "own"), "mode_factor" and "tx_share" as typed, "standard" (StandardKey), "population"
// (PopulationKey), "current_source" (CurrentSourceKey).
using KeyTexts = std::map<std::string, std::string, std::less<>>;
inline constexpr std::string_view kKeyMode = "mode";
inline constexpr std::string_view kKeyModeFactor = "mode_factor";
inline constexpr std::string_view kKeyTxShare = "tx_share";
inline constexpr std::string_view kKeyStandard = "standard";
inline constexpr std::string_view kKeyPopulation = "population";
inline constexpr std::string_view kKeyCurrentSource = "current_source";
KeyTexts ZuSchluesseln(const Eingaben& eingaben);
// The inputs the keys give; a key that is missing or names nothing known keeps `start`'s.
Eingaben AusSchluesseln(const KeyTexts& texts, Eingaben start = {});

struct GeleseneEingaben {
    std::optional<Settings> settings;       // set when both numbers are usable
    std::string factorReason, shareReason;  // empty where the field is fine
};
// The mode factor and the share (per cent) as plain numbers within their ranges.
GeleseneEingaben LiesEingaben(const Eingaben& eingaben, Language lang);

// The index of a mode's key in kModeFactors; none for the own factor or an unknown key.
std::optional<std::size_t> ModeIndex(std::string_view key);

// Numbers as the window and the text output show them, with `sep` as the decimal separator.
std::string Signifikant(double value, std::string_view sep, int digits = 4);
std::string MeterText(double metres, std::string_view sep);  // "2.58"
// A distance: "2.58 m", or "< 1 cm" / "> 10 km" at the ends of the search.
std::string AbstandText(const Distance& distance, Language lang, std::string_view sep);
// A distance in a column headed in m: the number, or "< 1 cm" / "> 10 km".
std::string AbstandZahl(const Distance& distance, Language lang, std::string_view sep);
// The flags' texts, joined by "; ".
std::string FlagsText(unsigned flags, Language lang);

// "ICNIRP 1998" and "general public" in the language.
inline std::string_view StandardName(Standard s, Language lang) { return texte::StandardTexte(s).name.in(lang); }
inline std::string_view PopulationName(Population p, Language lang) { return texte::PopulationText(p).in(lang); }

}  // namespace ringfeld::exposure
