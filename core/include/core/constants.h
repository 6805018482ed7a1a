// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The numeric core's shared constants: pi, the magnetic constant and the unit factors.
// The constants of a single formula stand beside that formula.

namespace ringfeld::constants {

// pi to double precision.
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2 * kPi;

// pi as the loop model has always written it, the 15-digit decimal 3.14159265358979
// (1e-15 relative below pi). Every model result was computed with it and is printed to
// full precision, so it stays; the tuning sheet's own additions use kPi.
inline constexpr double kPiAsStored = 3.14159265358979;
inline constexpr double kTwoPiAsStored = 2 * kPiAsStored;
static_assert(kTwoPiAsStored == 6.28318530717958, "the model's 2 pi literal");

// Magnetic constant mu0 = 4 pi 1e-7 H/m, exact in the SI until 2019 (IEC 60050-121,
// IEV 121-11-14); CODATA 2018: 4 pi 1e-7 (1 + 5.5e-10), negligible here. 4 pi is
// written to 16 digits, as the model always had it.
inline constexpr double kMu0 = 1e-7 * 12.56637061435916;  // H/m

// Unit factors, named by what they convert: a length in mm / kMillimetresPerMetre is in m.
inline constexpr double kMillimetresPerMetre = 1000;
inline constexpr double kCentimetresPerMetre = 100;
inline constexpr double kCentimetresPerInch = 2.54;  // exact (international inch, 1959)
inline constexpr double kHertzPerMegahertz = 1e6;
inline constexpr double kHertzPerKilohertz = 1000;
inline constexpr double kKilohertzPerMegahertz = 1000;
inline constexpr double kMicrohenriesPerHenry = 1e6;
inline constexpr double kHenriesPerMicrohenry = 1e-6;
inline constexpr double kFaradsPerPicofarad = 1e-12;
inline constexpr double kOhmsPerKiloohm = 1000;
inline constexpr double kOhmsPerMilliohm = 1e-3;
inline constexpr double kVoltsPerKilovolt = 1000;
inline constexpr double kPercentPerUnit = 100;  // a fraction times this is in per cent
inline constexpr double kDecibelsPerBel = 10;   // 10 lg(x) dB

}  // namespace ringfeld::constants
