// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Whether a measured bandwidth can be believed. The sheet flags a measurement that
// gives an efficiency above 100 % or a Q below a tenth of the model's; this tells why:
// the other unit (MHz or Hz for kHz) gives a Q the model can stand by, or the loop
// really loses far more than the model (a believable measurement), or the number
// cannot be right in any unit.

#include <optional>
#include <string_view>

#include "core/tuning_sheet.h"

namespace ringfeld::tuning {

enum class MeasuredVerdict {
    Plausible,   // no flag against it
    Lossier,     // Q below a tenth of the model's and no other unit fits: real losses the model leaves out
    MeantInMHz,  // efficiency above 100 %; read in MHz it fits
    MeantInHz,   // Q below a tenth of the model's; read in Hz it fits
    Impossible,  // efficiency above 100 % and MHz does not fit either
};

struct MeasuredJudgement {
    MeasuredVerdict verdict = MeasuredVerdict::Plausible;
    double modelQ = 0;             // the model's Q at the measured frequency
    double highestQ = 0;           // the Q of the radiation resistance alone (efficiency 100 %)
    double otherBandwidthKHz = 0;  // MeantInMHz, MeantInHz: the number typed, read in that unit, in kHz
    double otherQ = 0;             // and the Q it gives
};

// The verdict's name in the exports.
constexpr std::string_view MeasuredVerdictKey(MeasuredVerdict verdict) {
    switch (verdict) {
        case MeasuredVerdict::Plausible: return "plausible";
        case MeasuredVerdict::Lossier: return "lossier";
        case MeasuredVerdict::MeantInMHz: return "meant_in_MHz";
        case MeasuredVerdict::MeantInHz: return "meant_in_Hz";
        case MeasuredVerdict::Impossible: return "impossible";
    }
    return "";
}

// None where the model refused the measured frequency.
std::optional<MeasuredJudgement> JudgeMeasured(const MeasuredResult& measured);

// Whether the measurement's efficiency and gain mean anything: not where the number
// was probably given in another unit or cannot be right.
constexpr bool Believable(MeasuredVerdict verdict) {
    return verdict == MeasuredVerdict::Plausible || verdict == MeasuredVerdict::Lossier;
}

}  // namespace ringfeld::tuning
