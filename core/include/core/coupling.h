// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Sizing the coupling loop that feeds the main loop from a 50 Ohm cable, from
// the loop design record and the size ratio of main loop to coupling loop.

#include <optional>

#include "core/design_record.h"

namespace ringfeld {

// The main loop's resistance at resonance R = Q^2 Rs, held in single precision;
// unset when it does not fit a float.
std::optional<float> Resonanzwiderstand(const LoopRecord& rec);

enum class KopplungsArt {
    Normal,     // circumference and contact length fit together
    Bereich,    // the contact length exceeds half the circumference: a range is shown
    Abgelehnt,  // outside the valid domain: nothing changes
};

// Why a coupling loop was refused.
enum class KopplungsGrund {
    KeineLoop,         // no loop calculated yet (R not above 0)
    Verhaeltnis,       // the ratio is not above 0
    NichtBerechenbar,  // the sizes are not finite positive numbers
};

struct Kopplung {
    KopplungsArt art = KopplungsArt::Abgelehnt;
    std::optional<KopplungsGrund> grund;  // set exactly when refused
    // In centimetres, single precision, as the window computes them.
    float umfangCm = 0;     // circumference Uk of the coupling loop
    float lkaCm = 0;        // length Lka along which it lies against the main loop
    float resonanzOhm = 0;  // R = Q^2 Rs
};

// The coupling loop for the size ratio k (main loop to coupling loop).
Kopplung KopplungBerechnen(float verhaeltnis, const LoopRecord& rec);

}  // namespace ringfeld
