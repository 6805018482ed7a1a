// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The inductance of each shape's turns.

#include "core/shapes.h"

#include <cmath>

namespace ringfeld {
namespace {

using namespace constants;

// Wheeler's single-layer coil L = D^2 N^2 / (18 D + 40 l) uH, D and l in inches (H. A.
// Wheeler, "Simple inductance formulas for radio coils", Proc. IRE 16(10), Oct. 1928,
// eq. (1)), written for cm. Within about 1 % only for l/D > 0.4; -11 % at l/D = 0.1.
constexpr double kWheelerDiameterTerm = 18 * kCentimetresPerInch;
constexpr double kWheelerLengthTerm = 40 * kCentimetresPerInch;
static_assert(kWheelerDiameterTerm == 45.72 && kWheelerLengthTerm == 101.6, "the model's literals");

// Square loop, N^2 0.70140854 D (ln(3.5 D / l) - 1.07) uH with D the side in m: a fitted
// formula of the program, no published source found. It lies within 1.5 % of a circle of
// equal area and 6-8 % below Grover's square of round wire (2 mu0 / pi) s (ln(s / rho) - 0.774)
// (Rosa, Bull. Bur. Stand. 4, 1908).
constexpr double kSquareMicrohenryPerMetre = 0.70140854;
constexpr double kSquareLogFactor = 3.5;
constexpr double kSquareLogOffset = 1.07;

// One turn of a regular polygon of round wire, perimeter p and conductor radius rho, at
// high frequency (the current on the surface, no internal inductance):
//     L = (mu0 / 2 pi) p (ln(p / rho) - theta).
// F. W. Grover's method: the sides' self-inductances (mu0 / 2 pi) s (ln(2 s / rho) - 1)
// plus the mutual inductances of every pair of sides (Neumann's integral of two straight
// filaments), F. W. Grover, "Formulas and tables for the calculation of the inductance
// of coils of polygonal form", Sci. Pap. Bur. Stand. 18 (1922), No. 468, sec. 8,
// "Inductance of polygons of round wire"; also Grover, "Inductance Calculations" (1946),
// the chapter on circuits of straight wires. theta computed with the mutual inductances
// integrated to 16 digits. F. E. Terman, "Radio Engineers' Handbook" (1943), tabulates
// the same shape constants as theta + ln 2 for the form ln(4 p / d) with d the conductor's
// diameter: octagon 2.561, hexagon 2.636 (circle 2.451, square 2.853). Against the
// Neumann integral over the centre line (tests/engine/shapes_test.cpp) within 0.6 % for
// widths of 20 or more conductor diameters and 1.5 % at 10.
constexpr double kOctagonTheta = 1.8674643136532977;
constexpr double kHexagonTheta = 1.9432780240576278;
constexpr double kMu0Over2Pi = kMu0 / kTwoPi;  // H/m

// The polygon coil of several turns (or of a fraction of one) as the circle of the same
// area with the same turns and coil length: Grover (1922), sec. 1 and 11, finds the two
// nearly equal. Against the Neumann sum over 2 to 4 flat polygonal turns, 1.5 to 4
// conductor diameters apart, 23 to 200 diameters across: -15 % to +16 %, the spread of
// the circle's own ring and coil formulas against the same sum over circles (-14 % to +17 %).
Wert polygonInductance(const Shape& shape, double theta, Wert width, Wert turns, Wert coilLength) {
    if (turns == 1) {
        const Wert perimeter = width * shape.perimeterPerSize;
        const Wert radius = coilLength / 2;  // the conductor's, for one turn
        return kMu0Over2Pi * perimeter * (ln(perimeter / radius) - theta);
    }
    const Wert equalAreaDiameter = width * std::sqrt(shape.perimeterPerSize / kPi);
    return CircleInductance(shape, equalAreaDiameter, turns, coilLength);
}

}  // namespace

Wert CircleInductance(const Shape& /*shape*/, Wert D, Wert N, Wert l) {
    // Ring of round wire, surface current: N^2 mu0 r (ln(8 r / a) - 2) with a = l / 2
    // (Maxwell, Phil. Trans. 155, 1865; Rosa & Grover, Bull. Bur. Stand. 8(1), 1912).
    const Wert r = D / 2;
    const Wert x = 8 * r * N / (l / (2 / N));  // 8 r / a
    const Wert ring = N * N * r * kMu0 * (ln(x) - 2);
    // Wheeler's single-layer coil, in cm and uH.
    const Wert D100 = kCentimetresPerMetre * D;
    const Wert spule = D100 * D100 * (N * N) /
                       (D100 * kWheelerDiameterTerm + kCentimetresPerMetre * l * kWheelerLengthTerm) *
                       kHenriesPerMicrohenry;
    const Wert lStrich = N == 1 ? l / 2 : l;
    return RingStattSpule(D, lStrich) ? ring : spule;
}

Wert SquareInductance(const Shape& /*shape*/, Wert D, Wert N, Wert l) {
    return N * N * (D * kSquareMicrohenryPerMetre) * (ln(D * kSquareLogFactor / l) - kSquareLogOffset) *
           kHenriesPerMicrohenry;
}

Wert OctagonInductance(const Shape& shape, Wert width, Wert turns, Wert coilLength) {
    return polygonInductance(shape, kOctagonTheta, width, turns, coilLength);
}

Wert HexagonInductance(const Shape& shape, Wert width, Wert turns, Wert coilLength) {
    return polygonInductance(shape, kHexagonTheta, width, turns, coilLength);
}

}  // namespace ringfeld
