// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A swept loop's fitted resonance applied to the loop's model at the fitted f0: the
// total loss resistance X / Q0, the loss the model does not explain, the efficiency
// Rr / R_total and the gain (as the tuning sheet's measured block computes them from
// a bandwidth), beside the fit's own numbers. One table of the quantities shown: its
// key in the exports, its caption, unit and number pattern, and how it is read from
// the result; the window, its report, ringfeld-calc's text, JSON and CSV all use it.
// Plain C++, no Qt.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/loop_model.h"
#include "core/resonance_fit.h"
#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/number_format.h"

namespace ringfeld::vna {

struct LoopMeasurement {
    ResonanceFit fit;
    // The loop's model at f0 with the tuning sheet's capacitor and ground losses; its
    // ending says when the model refuses the loop there (then no loop numbers).
    tuning::MeasuredResult loop;
    bool loopOk() const { return loop.ending == Ending::Ok; }
    // The unloaded Q the loop's model gives at f0 (X / R of the model); none without the loop.
    std::optional<double> modelQ() const;
};

LoopMeasurement MessungAufLoop(const ResonanceFit& fit, const LoopZahlen& loop, const tuning::SheetOptions& options);

// A quantity the measurement shows.
struct Quantity {
    std::string_view key;   // in JSON and the CSV's heading
    Tri caption;            // in the window, its report and the text output
    std::string_view unit;  // shown after the number; empty for none
    Muster pattern;
    // The number; none where there is none (no VSWR 2 band, the loop refused at f0).
    std::optional<double> (*value)(const LoopMeasurement&);
    // The fit's own number (kept in design files), put back into a fit; null for the
    // loop's numbers, which follow from the fit and the loop.
    void (*restore)(ResonanceFit&, double) = nullptr;
};

// The coupling is a word, not a number: its own key and caption beside the table.
inline constexpr std::string_view kCouplingKey = "coupling";
inline constexpr Tri kCouplingCaption{"Kopplung", "Couplage", "Coupling"};
inline constexpr Tri kUnder{"unterkoppelt (β < 1)", "sous-couplé (β < 1)", "under-coupled (β < 1)"};
inline constexpr Tri kOver{"überkoppelt (β ≥ 1)", "surcouplé (β ≥ 1)", "over-coupled (β ≥ 1)"};
std::string_view CouplingText(Coupling coupling, Language lang);

// The quantities in the order shown; the coupling's word stands after Q0.
inline constexpr std::size_t kCouplingAfter = 3;
extern const std::array<Quantity, 13> kQuantities;

// A quantity's number as the window writes it with `sep`; "–" where there is none.
std::string QuantityText(const Quantity& q, const LoopMeasurement& m, std::string_view sep);

// Every quantity as a caption and its value with its unit, the coupling's word after
// Q0: what the window, its report and the text output list.
struct ResultLine {
    std::string caption, value;
};
std::vector<ResultLine> ResultLines(const LoopMeasurement& m, Language lang, std::string_view sep);

// The tuning range's measured block as the fit fills it: f0 in MHz, the half-power
// bandwidth f0 / Q0 in kHz and the VSWR between whose points that is the bandwidth
// (tuning::kHalfPowerVswr), as field texts written with `sep`.
struct MeasuredFields {
    std::string frequencyMHz, bandwidthKHz, vswr;
};
MeasuredFields MessblockTexte(const ResonanceFit& fit, std::string_view sep);

// Why the loop's model gives no numbers at f0, on one line; empty when it does. Else
// the notes of the measured block (a loss below the model's, an efficiency above
// 100 %), each a sentence, joined; empty when there are none.
std::string LoopRefusal(const LoopMeasurement& m, const LoopZahlen& loop, Language lang);
std::string LoopNotes(const LoopMeasurement& m, Language lang);

}  // namespace ringfeld::vna
