// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The fields of a small loop (magnetic dipole of moment m = I pi a^2), near and far
// terms together: C. A. Balanis, "Antenna Theory", 3rd ed., Wiley 2005, sec. 5.2.1,
// eqs. (5-18a) H_r, (5-18b) H_theta and E_phi of the group after them (5-19). With
// x = 1 / (k r), their magnitudes on the axis (theta = 0) and in the plane (theta = 90°):
//   axis   |H_r|     = k m / (2 pi r^2) sqrt(1 + x^2)
//   plane  |H_theta| = k^2 m / (4 pi r) sqrt((1 - x^2)^2 + x^2)
//   plane  |E_phi|   = eta0 k^2 m / (4 pi r) sqrt(1 + x^2)
// Balanis' phasors carry the peak current; the fields are linear in it, so an RMS
// moment gives RMS fields. For kr << 1 they become the static dipole's m / (2 pi r^3)
// and m / (4 pi r^3). With u = x^2 the squares are, up to a positive factor, u^2 (1 + u),
// u (1 - u + u^2) and u (1 + u); each grows strictly with u (the middle one's derivative
// is 3 (u - 1/3)^2 + 2/3 > 0), so every field falls strictly with r, at kr = 1 too, and
// a limit is crossed exactly once.

#include "core/dipole_fields.h"

#include <cmath>

#include "core/checked_value.h"
#include "core/constants.h"

namespace ringfeld::exposure {
namespace {

using namespace constants;

// Speed of light in vacuum, exact by the definition of the metre (SI Brochure, 9th ed.,
// 2019, Table 1).
constexpr double kSpeedOfLight = 299'792'458;  // m/s
// Impedance of free space eta0 = mu0 c0, CODATA 2018: 376.730 313 668 Ohm (the issue's
// 376.73 is 8e-7 lower).
constexpr double kFreeSpaceImpedance = 376.730313668;  // Ohm

// The distance search stops after this many steps at the latest; it needs 5 to 12.
constexpr int kMostSearchSteps = 200;
// 4.07 m is 407.00000000000006 cm as a double: a whole centimetre within this relative
// slack is not rounded up to the next one (far below kRelativeResolution).
constexpr double kWholeCentimetreSlack = 1e-12;

}  // namespace

double Wavenumber(double frequencyMHz) {
    return (kTwoPi * (Wert(frequencyMHz) * kHertzPerMegahertz) / kSpeedOfLight).zahl();
}

double HAxis(const MagneticDipole& d, double r) {
    const Wert k = d.k_perm, m = d.moment_Am2, R = r;
    const Wert x = 1 / (k * R);
    return (k * m / (2 * kPi * (R * R)) * sqrt(1 + x * x)).zahl();
}

double HPlane(const MagneticDipole& d, double r) {
    const Wert k = d.k_perm, m = d.moment_Am2, R = r;
    const Wert x = 1 / (k * R);
    const Wert reactive = 1 - x * x;
    return (k * k * m / (4 * kPi * R) * sqrt(reactive * reactive + x * x)).zahl();
}

double EPlane(const MagneticDipole& d, double r) {
    const Wert k = d.k_perm, m = d.moment_Am2, R = r;
    const Wert x = 1 / (k * R);
    return (kFreeSpaceImpedance * (k * k) * m / (4 * kPi * R) * sqrt(1 + x * x)).zahl();
}

double Field(const MagneticDipole& dipole, Component component, double r) {
    switch (component) {
        case Component::HAxis: return HAxis(dipole, r);
        case Component::HPlane: return HPlane(dipole, r);
        case Component::EPlane: return EPlane(dipole, r);
    }
    return 0;
}

Distance LimitDistance(const MagneticDipole& dipole, Component component, double limit) {
    const auto above = [&](double r) { return Field(dipole, component, r) > limit; };
    if (!above(kNearestM)) return {kNearestM, Bound::LessThan1cm};
    if (above(kFarthestM)) return {kFarthestM, Bound::MoreThan10km};
    // In t = ln r the field's logarithm is nearly a straight line (slope -3 near the loop,
    // -1 far from it), so false position converges in a few steps where bisection needs
    // about 35. The Illinois variant halves the value kept at an end that stays twice,
    // so both ends close in (Dowell & Jarratt, BIT 11 (1971) 168-174). The field is
    // above the limit at `inside`, within it at `outside`.
    const auto excess = [&](double t) { return std::log(Field(dipole, component, std::exp(t)) / limit); };
    double inside = std::log(kNearestM), outside = std::log(kFarthestM);
    double gInside = excess(inside), gOutside = excess(outside);
    int kept = 0;  // which end stayed in the step before: -1 inside, +1 outside
    for (int step = 0; step < kMostSearchSteps && outside - inside > kRelativeResolution; ++step) {
        double t = (inside * gOutside - outside * gInside) / (gOutside - gInside);
        if (!(t > inside && t < outside)) t = (inside + outside) / 2;  // rounding at the ends
        const double g = excess(t);
        if (g > 0) {
            inside = t, gInside = g;
            if (kept == -1) gOutside /= 2;
            kept = -1;
        } else {
            outside = t, gOutside = g;
            if (kept == 1) gInside /= 2;
            kept = 1;
        }
    }
    return {std::exp(outside), Bound::Within};
}

double RoundOutwardsToCm(double metres) {
    return std::ceil(metres * kCentimetresPerMetre * (1 - kWholeCentimetreSlack)) / kCentimetresPerMetre;
}

bool ReachesFurther(const Distance& a, const Distance& b) {
    const auto rank = [](Bound bound) { return bound == Bound::LessThan1cm ? 0 : bound == Bound::Within ? 1 : 2; };
    if (rank(a.bound) != rank(b.bound)) return rank(a.bound) > rank(b.bound);
    return a.metres > b.metres;
}

}  // namespace ringfeld::exposure
