// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The units a user types and reads lengths in: one registry of the unit systems
// (metric, imperial) and one table of the length quantities, each with its unit
// per system: the caption in every language, the factor to the unit the
// calculation works in, how a typed text is read and the decimals shown.
// Lengths are converted only here, at the edge; the calculation sees the same
// numbers whichever units were typed. A quantity or a unit system missing a
// part does not compile.

#include <array>
#include <concepts>
#include <cstddef>
#include <string_view>

#include "text/language.h"
#include "text/length_reader.h"

namespace ringfeld {

enum class Units { Metric, Imperial };

struct UnitSystem {
    Units units;
    std::string_view word;  // the settings, the design file's "units" and --units: "imperial"
    std::string_view menu;  // the main window's menu entry that chooses it
    Tri caption;            // that entry's caption
};

// Metric first: every first start and every text without a word is metric.
inline constexpr std::array<UnitSystem, 2> kUnitSystems{{
    {Units::Metric, "metric", "mnuMetrisch", {"&Metrisch (m, mm)", "&Métrique (m, mm)", "&Metric (m, mm)"}},
    {Units::Imperial,
     "imperial",
     "mnuImperial",
     {"&Imperial (Fuß, Zoll)", "&Impérial (pieds, pouces)", "&Imperial (feet, inches)"}},
}};
inline constexpr std::size_t kUnitSystemCount = kUnitSystems.size();
inline constexpr Units kDefaultUnits = Units::Metric;

// The settings entry that keeps the choice (in the language's section).
inline constexpr std::string_view kUnitsSettingsKey = "Einheiten";
// The Options menu's submenu and its caption.
inline constexpr std::string_view kUnitsMenu = "mnuEinheiten";
inline constexpr Tri kUnitsMenuCaption{"&Einheiten", "&Unités", "&Units"};

// The system a word names; none for any other text (exact, case-sensitive).
constexpr const UnitSystem* UnitSystemNamed(std::string_view word) {
    for (const UnitSystem& s : kUnitSystems)
        if (s.word == word) return &s;
    return nullptr;
}
constexpr const UnitSystem& UnitSystemOf(Units units) {
    for (const UnitSystem& s : kUnitSystems)
        if (s.units == units) return s;
    return kUnitSystems[0];
}

// One value per unit system, in the registry's order; a missing one does not compile.
template <class T>
class PerSystem {
public:
    template <class... Values>
    requires(sizeof...(Values) == kUnitSystemCount &&
             (std::convertible_to<Values, T> && ...)) constexpr PerSystem(Values... values)
        : values_{T(values)...} {}

    constexpr const T& in(Units units) const {
        for (std::size_t i = 0; i < kUnitSystemCount; ++i)
            if (kUnitSystems[i].units == units) return values_[i];
        return values_[0];
    }

private:
    std::array<T, kUnitSystemCount> values_;
};

// How a typed text is read: the decimal rules of the field, or feet and inches
// with their fractions (ReadImperialLength), a plain number in the given unit.
enum class LengthReading { Decimal, Feet, Inches };

struct LengthUnit {
    Tri caption;            // beside the field, in table headings and chart axes
    double engineUnits;     // the calculation's units in one of this unit
    LengthReading reading;  // how a typed text is read
    int decimals;           // digits after the point when the program writes a length
};

// The lengths a user types or reads, by the unit the calculation works in.
enum class LengthQuantity {
    LoopSize,   // loop size and circumference: m
    Conductor,  // conductor diameter and coil length: mm
    Coupling,   // the coupling loop's size: cm
    Distance,   // safety and named distances: m
};

struct LengthRow {
    LengthQuantity quantity;
    PerSystem<LengthUnit> unit;
};

// Exact factors of the international foot and inch (1 ft = 0.3048 m, 1 in =
// 25.4 mm: NIST Handbook 44, Appendix C, and NIST SP 811, B.8).
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;

inline constexpr Tri kMetre{"m", "m", "m"};
inline constexpr Tri kMillimetre{"mm", "mm", "mm"};
inline constexpr Tri kFoot{"ft", "pi", "ft"};
inline constexpr Tri kInch{"in", "po", "in"};

// In the order of LengthQuantity. The coupling window has always shown its loop in metres.
inline constexpr std::array<LengthRow, 4> kLengthUnits{{
    {LengthQuantity::LoopSize,
     {LengthUnit{kMetre, 1, LengthReading::Decimal, 3}, LengthUnit{kFoot, kMetresPerFoot, LengthReading::Feet, 3}}},
    {LengthQuantity::Conductor,
     {LengthUnit{kMillimetre, 1, LengthReading::Decimal, 2},
      LengthUnit{kInch, kMillimetresPerInch, LengthReading::Inches, 3}}},
    {LengthQuantity::Coupling,
     {LengthUnit{kMetre, 100, LengthReading::Decimal, 3},
      LengthUnit{kInch, kCentimetresPerInch, LengthReading::Inches, 1}}},
    {LengthQuantity::Distance,
     {LengthUnit{kMetre, 1, LengthReading::Decimal, 2}, LengthUnit{kFoot, kMetresPerFoot, LengthReading::Feet, 1}}},
}};

constexpr bool lengthRowsInOrder() {
    for (std::size_t i = 0; i < kLengthUnits.size(); ++i)
        if (static_cast<std::size_t>(kLengthUnits[i].quantity) != i) return false;
    return true;
}
static_assert(lengthRowsInOrder(), "one row per LengthQuantity, in its order");

constexpr const LengthUnit& UnitOf(LengthQuantity quantity, Units units) {
    return kLengthUnits[static_cast<std::size_t>(quantity)].unit.in(units);
}

// A captioned label beside a length field or result, by window and objectName.
struct UnitLabel {
    std::string_view window;  // "frmMain", "frmAnkopplung", "frmFinder"
    std::string_view name;
    LengthQuantity quantity;
};
inline constexpr std::array<UnitLabel, 6> kUnitLabels{{
    {"frmMain", "Label2", LengthQuantity::LoopSize},
    {"frmMain", "Label4", LengthQuantity::LoopSize},
    {"frmMain", "Label6", LengthQuantity::Conductor},
    {"frmMain", "Label37", LengthQuantity::Conductor},
    {"frmAnkopplung", "Label6", LengthQuantity::Coupling},
    {"frmAnkopplung", "Label7", LengthQuantity::Coupling},
}};

// A caption that names a length's unit where it says "%1" ("Size from (%1):"), by
// window and objectName: the caption table's text, with the unit of the units chosen.
inline constexpr std::array<UnitLabel, 4> kUnitCaptions{{
    {"frmFinder", "lblGroesseVon", LengthQuantity::LoopSize},
    {"frmFinder", "lblGroesseBis", LengthQuantity::LoopSize},
    {"frmFinder", "lblGroesseSchritt", LengthQuantity::LoopSize},
    {"frmFinder", "lblLeiter", LengthQuantity::Conductor},
}};

}  // namespace ringfeld
