// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The proximity factor of a multiturn loop: the loss the turns add to each other's
// skin-effect loss, as a fraction of it (R_prox = R_skin * F).
//
// Source: G. S. Smith, "Radiation efficiency of electrically small multiturn loop
// antennas", IEEE Trans. Antennas Propag., vol. AP-20, no. 5, pp. 656-657, Sept. 1972,
// Fig. 1 (parallel-wire model), tabulated for N = 2..8 turns against the ratio
// x = centre spacing of the turns / conductor diameter.

namespace ringfeld {

// The table's lowest and highest ratio; beyond the highest the factor falls as 1/x^2.
inline constexpr double kProximityMinRatio = 1.1;
inline constexpr double kProximityMaxRatio = 4.0;
inline constexpr int kProximityMaxTurns = 8;

struct ProximityFactor {
    double factor = 0;
    bool clamped = false;  // x below the table, or more turns than it has
};

// F(N, x): linear between the table's columns, F(N, 4) (4 / x)^2 above x = 4, x below
// 1.1 read as 1.1 (clamped); a fractional N lies linearly between the rows below and
// above it, with row 1 all zero; N <= 1 gives 0; N > 8 reads row 8 (clamped).
ProximityFactor ProximityFactorSmith(double turns, double spacingRatio);

}  // namespace ringfeld
