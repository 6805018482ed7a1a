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
    // Bisection in log r: the field is above the limit at `inside`, within it at `outside`.
    double inside = kNearestM, outside = kFarthestM;
    while (outside - inside > kResolutionM) {
        const double middle = std::sqrt(inside * outside);
        (above(middle) ? inside : outside) = middle;
    }
    return {outside, Bound::Within};
}

bool ReachesFurther(const Distance& a, const Distance& b) {
    const auto rank = [](Bound bound) { return bound == Bound::LessThan1cm ? 0 : bound == Bound::Within ? 1 : 2; };
    if (rank(a.bound) != rank(b.bound)) return rank(a.bound) > rank(b.bound);
    return a.metres > b.metres;
}

}  // namespace ringfeld::exposure
