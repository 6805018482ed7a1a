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

#include <algorithm>
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

// The distance search: Newton's method stops after this many steps at the latest (it
// needs 2 to 6), or where a step changes u by less than this, relative.
constexpr int kMostNewtonSteps = 100;
constexpr double kNewtonTolerance = 1e-14;
// The distance found is moved outwards by this much, relative, until the field there is
// within the limit (the last digits of the square root and of the field itself).
constexpr double kOutwardStep = 1e-15;
constexpr int kMostOutwardSteps = 64;
// 0.07 m is 7.000000000000001 cm as a double: a whole centimetre within this relative
// slack is not rounded up to the next one (far below kRelativeResolution).
constexpr double kWholeCentimetreSlack = 1e-12;

// With u = x^2 = 1 / (k r)^2 (see the top) each field squared is (c k^3 m)^2 p(u), with
// p(u) = a1 u + a2 u^2 + a3 u^3 growing strictly from p(0) = 0: the distance is where
// p(u) = (limit / (c k^3 m))^2. `upper` is a u where p is at least that: from p >= u^2
// and u^3 on the axis, p >= 3/4 u and (u - 1)^3 for H in the plane (p - (u - 1)^3 =
// 2 u^2 - 2 u + 1 > 0), p >= u and u^2 for E.
struct Cubic {
    double c, a1, a2, a3;
    double upper(double t) const;
};
constexpr Cubic kCubics[] = {
    {1 / (2 * kPi), 0, 1, 1},                    // H on the axis
    {1 / (4 * kPi), 1, -1, 1},                   // H in the plane
    {kFreeSpaceImpedance / (4 * kPi), 1, 1, 0},  // E in the plane
};
double Cubic::upper(double t) const {
    if (a1 == 0) return std::min(std::sqrt(t), std::cbrt(t));
    if (a2 < 0) return std::min(4 * t / 3, 1 + std::cbrt(t));
    return std::min(t, std::sqrt(t));
}

// The root of p(u) = t > 0, by Newton's method kept within a bracket that holds it.
double solve(const Cubic& p, double t) {
    double lo = 0, hi = p.upper(t), u = hi;
    for (int step = 0; step < kMostNewtonSteps; ++step) {
        const double excess = ((p.a3 * u + p.a2) * u + p.a1) * u - t;
        if (excess == 0) break;
        (excess > 0 ? hi : lo) = u;
        double next = u - excess / ((3 * p.a3 * u + 2 * p.a2) * u + p.a1);
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        const bool done = std::abs(next - u) <= kNewtonTolerance * u;
        u = next;
        if (done) break;
    }
    return u;
}

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
    // The field crosses the limit between 1 cm and 10 km, so c k^3 m and the target are
    // well inside the doubles.
    const Cubic& p = kCubics[static_cast<std::size_t>(component)];
    const double k = dipole.k_perm;
    const double scale = limit / (p.c * k * k * k * dipole.moment_Am2);
    double r = 1 / (k * std::sqrt(solve(p, scale * scale)));
    for (int step = 0; step < kMostOutwardSteps && above(r); ++step) r *= 1 + kOutwardStep;
    return {std::clamp(r, kNearestM, kFarthestM), Bound::Within};
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
