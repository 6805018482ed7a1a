// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The field of an electrically small loop, a magnetic dipole, near and far terms
// together, on the loop's axis and in its plane; and the distance at which a field
// falls to a limit. The formulas and their source are in dipole_fields.cpp.

#include <array>

namespace ringfeld::exposure {

// Which field, and where: |H| on the axis, |H| and |E| in the plane of the loop.
enum class Component { HAxis, HPlane, EPlane };
inline constexpr std::array kComponents{Component::HAxis, Component::HPlane, Component::EPlane};

struct MagneticDipole {
    double moment_Am2 = 0;  // m = N I A with the RMS current: the fields come out RMS
    double k_perm = 0;      // wave number k = 2 pi / lambda, rad/m
};

// k = 2 pi f / c0.
double Wavenumber(double frequencyMHz);

// The field in A/m (H) or V/m (E) at `r` metres from the loop's centre. Throws
// ArithmeticFault where a step leaves the finite numbers.
double HAxis(const MagneticDipole& dipole, double r);
double HPlane(const MagneticDipole& dipole, double r);
double EPlane(const MagneticDipole& dipole, double r);
double Field(const MagneticDipole& dipole, Component component, double r);

// The search range of a distance, m, and how far beyond the exact place a distance
// found may lie, relative to it.
inline constexpr double kNearestM = 0.01;     // 1 cm
inline constexpr double kFarthestM = 10'000;  // 10 km
inline constexpr double kRelativeResolution = 1e-9;

enum class Bound {
    Within,        // `metres` is the distance
    LessThan1cm,   // the field is within the limit at 1 cm already; metres = 0.01
    MoreThan10km,  // not even at 10 km; metres = 10000
};

struct Distance {
    double metres = 0;
    Bound bound = Bound::Within;
};

// Where the field falls to `limit` (> 0), searched between 1 cm and 10 km. Every field
// falls strictly with r, so the place is unique; the distance returned lies at most
// kRelativeResolution beyond it, never inside it: the field there is within the limit.
Distance LimitDistance(const MagneticDipole& dipole, Component component, double limit);

// A distance as it is shown: rounded outwards to the next whole centimetre, so that no
// distance shown lies inside the exact one. A whole centimetre (within the rounding of
// a double) stays as it is.
double RoundOutwardsToCm(double metres);

// Whether `a` reaches further out than `b` (1 cm or less < a distance < more than 10 km).
bool ReachesFurther(const Distance& a, const Distance& b);

}  // namespace ringfeld::exposure
