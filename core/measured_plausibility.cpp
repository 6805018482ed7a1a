// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// A measured bandwidth read in the other units. Q = f / B and the efficiency Rr / R = Rr Q / X
// both go with 1 / B: a bandwidth read in MHz instead of kHz divides them by 1000, one
// read in Hz multiplies them by 1000.

#include "core/measured_plausibility.h"

#include <algorithm>

#include "core/constants.h"

namespace ringfeld::tuning {
namespace {

constexpr double kUnitStep = 1000;  // kHz per MHz, Hz per kHz
// A Q the model can stand by: from a tenth of its own (the sheet's bound for a Q far below
// it; more loss than the model has is common) to twice it (losses the model counts
// twice are rare).
constexpr double kLowestQRatio = 0.1;
constexpr double kHighestQRatio = 2;
constexpr double kMostEfficiencyPercent = 100;

bool has(const MeasuredResult& m, Flag flag) {
    return std::find(m.flags.begin(), m.flags.end(), flag) != m.flags.end();
}

// Whether a Q that a bandwidth `factor` times the measured one would give fits the model.
bool fits(const MeasuredResult& m, double modelQ, double qFactor) {
    const double q = m.Q * qFactor;
    return q >= kLowestQRatio * modelQ && q <= kHighestQRatio * modelQ &&
           m.efficiency_percent * qFactor <= kMostEfficiencyPercent;
}

}  // namespace

std::optional<MeasuredJudgement> JudgeMeasured(const MeasuredResult& m) {
    if (m.ending != Ending::Ok) return std::nullopt;
    MeasuredJudgement j;
    // The same reactance X: Q / Q model = R model / R.
    j.modelQ = m.Q * m.R_total_ohm / m.R_model_ohm;
    j.highestQ = m.Q * constants::kPercentPerUnit / m.efficiency_percent;
    const auto other = [&](MeasuredVerdict verdict, double bandwidthKHz, double qFactor) {
        j.verdict = verdict;
        j.otherBandwidthKHz = bandwidthKHz;
        j.otherQ = m.Q * qFactor;
    };
    if (has(m, Flag::EfficiencyAbove100)) {
        if (fits(m, j.modelQ, 1 / kUnitStep))
            other(MeasuredVerdict::MeantInMHz, m.input.bandwidthKHz * kUnitStep, 1 / kUnitStep);
        else
            j.verdict = MeasuredVerdict::Impossible;
    } else if (has(m, Flag::QFarBelowModel)) {
        if (fits(m, j.modelQ, kUnitStep))
            other(MeasuredVerdict::MeantInHz, m.input.bandwidthKHz / kUnitStep, kUnitStep);
        else
            j.verdict = MeasuredVerdict::Lossier;
    }
    return j;
}

}  // namespace ringfeld::tuning
