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
#include <vector>

#include "core/exposure.h"
#include "core/exposure_summary.h"
#include "core/station.h"
#include "text/catalog/exposure_texts.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::exposure {

// A named place as typed: its name and its distance from the loop's centre, in the
// units the window shows (metric in the settings and design files).
struct OrtEingabe {
    std::string name, metres;
    bool operator==(const OrtEingabe&) const = default;
};

// The inputs as the window holds them.
struct Eingaben {
    std::string mode{kModeFactors.back().key};  // a key of kModeFactors, or kOwnMode
    std::string modeFactor = "1";               // 0 to 1, as typed
    std::string txShare6 = "100";               // per cent of any 6 minutes, as typed
    std::string txShare30 = "100";              // per cent of any 30 minutes, as typed
    Standard standard = Standard::Icnirp1998;
    Population population = Population::Public;
    // ICNIRP 2010's nerve-stimulation levels checked with ICNIRP 1998 too; in effect only
    // while ICNIRP 1998 is the standard (ICNIRP 2020 always has them, FCC never).
    bool icnirp2010With1998 = false;
    CurrentSource source = CurrentSource::Model;
    std::vector<OrtEingabe> places;
    Station station;
};
inline constexpr std::string_view kOwnMode = "own";

// The inputs by language-independent keys, each value a text: "mode" (a mode's key or
// "own"), "mode_factor", "tx_share_6min" and "tx_share_30min" as typed (an older
// "tx_share" gives both), "standard" (StandardKey), "population" (PopulationKey),
// "current_source" (CurrentSourceKey), "icnirp2010_with_1998" ("true" or "false"), "places" (one "name=metres" a line,
// as
// --distance takes them) and "station_<key>" for each of kStationFields.
using KeyTexts = std::map<std::string, std::string, std::less<>>;
inline constexpr std::string_view kKeyMode = "mode";
inline constexpr std::string_view kKeyModeFactor = "mode_factor";
inline constexpr std::string_view kKeyTxShare = "tx_share";  // read only: both shares
inline constexpr std::string_view kKeyTxShare6 = "tx_share_6min";
inline constexpr std::string_view kKeyTxShare30 = "tx_share_30min";
inline constexpr std::string_view kKeyPlaces = "places";
inline constexpr std::string_view kKeyStationPrefix = "station_";
inline constexpr std::string_view kKeyStandard = "standard";
inline constexpr std::string_view kKeyPopulation = "population";
inline constexpr std::string_view kKeyCurrentSource = "current_source";
inline constexpr std::string_view kKeyIcnirp2010With1998 = "icnirp2010_with_1998";
KeyTexts ZuSchluesseln(const Eingaben& eingaben);
// The inputs the keys give; a key that is missing or names nothing known keeps `start`'s.
Eingaben AusSchluesseln(const KeyTexts& texts, Eingaben start = {});

struct GeleseneEingaben {
    std::optional<Settings> settings;                       // set when the three numbers are usable
    std::string factorReason, shareReason6, shareReason30;  // empty where the field is fine
    std::vector<NamedDistance> places;                      // the places with a usable distance
    std::vector<std::string> placeReasons;                  // by place as typed; empty where fine
};
// The mode factor and the shares (per cent) as plain numbers within their ranges, and
// the places whose distance is a length in `units` (LengthFromText) within the search's range.
GeleseneEingaben LiesEingaben(const Eingaben& eingaben, Language lang, Units units);

// The places' distances carried from one unit system to another (LengthTextIn; to
// metric as MetricText, for the settings and design files).
Eingaben OrteIn(Eingaben eingaben, Units from, Units to, std::string_view sep);

// A place as --distance and the settings give it: "D" or "NAME=D" (the name up to the
// last "=", blanks around it dropped), D a length in `units` within the search's range.
std::optional<NamedDistance> LiesOrt(std::string_view text, Units units);

// The index of a mode's key in kModeFactors; none for the own factor or an unknown key.
std::optional<std::size_t> ModeIndex(std::string_view key);

// The model's limits and how distances are rounded, in `units`.
std::string ModellText(Language lang, Units units);

// Numbers as the window and the text output show them, with `sep` as the decimal separator.
std::string Signifikant(double value, std::string_view sep, int digits = 4);
// A distance in `units`: "2.58" (m, to the nearest cm) or "8.5" (ft, to a tenth).
std::string MeterText(double metres, Units units, std::string_view sep);
// A distance found, rounded outwards to the unit's last digit (the centimetre,
// RoundOutwardsToCm, or a tenth of a foot): "2.58 m", "8.5 ft", or "< 1 cm" / "> 10 km"
// at the ends of the search.
std::string AbstandText(const Distance& distance, Language lang, Units units, std::string_view sep);
// A distance in a column headed with its unit: the number, or "< 1 cm" / "> 10 km".
std::string AbstandZahl(const Distance& distance, Language lang, Units units, std::string_view sep);
// The flags' texts, joined by "; ".
std::string FlagsText(unsigned flags, Language lang);

// A percentage of a limit as shown, rounded upwards to a tenth ("100.1", never "100"
// for a field above its limit), like every distance shown.
std::string ProzentText(double percent, std::string_view sep);
// A place as shown with its distance, said once: "balcony (5.00 m)", or "place at
// 5.00 m" without a name.
std::string OrtMitAbstand(const NamedDistance& place, Language lang, Units units, std::string_view sep);
// A place against one standard and population: "balcony (5.00 m): ICNIRP 1998, general
// public at 87.3 % of its limit (H axis), limit kept", and the model's warning within 3
// loop radii; no verdict where no table holds (an empty text).
std::string OrtUrteil(const NamedDistance& place, const PlaceCheck& check, Standard standard, Population population,
                      Language lang, Units units, std::string_view sep);
// "Largest safety distance 5.08 m at 7.1 MHz (H axis, ICNIRP 1998)".
std::string GroessterAbstand(const WorstCase& worst, Language lang, Units units, std::string_view sep);
// "ICNIRP 2010 (nerve stimulation, 3 kHz to 10 MHz, at PEP) checked with ICNIRP 1998 as
// well" where `settings` asks for it and the standard is ICNIRP 1998; else empty.
std::string Icnirp2010Satz(Standard standard, const Settings& settings, Language lang);
// Each table a standard is held against at a frequency with how it is averaged:
// "ICNIRP 2020, whole body, averaged over 30 min; ICNIRP 2020, local, averaged over 6 min".
std::string TabellenMittelung(Standard standard, Population population, double frequencyMHz, bool icnirp2010With1998,
                              Language lang);

// "ICNIRP 1998" and "general public" in the language.
inline std::string_view StandardName(Standard s, Language lang) { return texte::StandardTexte(s).name.in(lang); }
inline std::string_view PopulationName(Population p, Language lang) { return texte::PopulationText(p).in(lang); }

}  // namespace ringfeld::exposure
