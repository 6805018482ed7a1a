// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "core/proximity_factor.h"

#include <array>
#include <cmath>

namespace ringfeld {
namespace {

constexpr std::size_t kColumns = 20;
constexpr std::array<double, kColumns> kRatios{1.1, 1.15, 1.2, 1.25, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8,
                                               1.9, 2.0,  2.2, 2.4,  2.5, 2.6, 2.8, 3.0, 3.5, 4.0};

// Smith (1972), Fig. 1, recomputed from the parallel-wire model; rows N = 2..8.
// (Some copies in circulation read 0.032 for N = 2 at x = 2.4; the model gives 0.083.)
constexpr std::array<std::array<double, kColumns>, 7> kFactors{{
    {0.299, 0.283, 0.268, 0.254, 0.240, 0.214, 0.192, 0.172, 0.155, 0.141,
     0.128, 0.116, 0.097, 0.083, 0.077, 0.071, 0.062, 0.054, 0.040, 0.031},
    {0.643, 0.580, 0.531, 0.491, 0.455, 0.395, 0.345, 0.304, 0.270, 0.241,
     0.216, 0.195, 0.161, 0.134, 0.124, 0.114, 0.098, 0.085, 0.062, 0.048},
    {0.997, 0.868, 0.777, 0.704, 0.643, 0.546, 0.469, 0.408, 0.358, 0.316,
     0.281, 0.252, 0.205, 0.170, 0.156, 0.144, 0.123, 0.106, 0.077, 0.058},
    {1.347, 1.142, 1.002, 0.896, 0.809, 0.674, 0.572, 0.492, 0.428, 0.375,
     0.332, 0.295, 0.239, 0.197, 0.180, 0.165, 0.141, 0.121, 0.087, 0.066},
    {1.689, 1.400, 1.210, 1.068, 0.955, 0.784, 0.658, 0.561, 0.485, 0.423,
     0.372, 0.330, 0.265, 0.217, 0.198, 0.182, 0.154, 0.133, 0.095, 0.072},
    {2.021, 1.643, 1.401, 1.224, 1.086, 0.880, 0.732, 0.620, 0.532, 0.462,
     0.405, 0.358, 0.286, 0.234, 0.213, 0.195, 0.165, 0.142, 0.101, 0.076},
    {2.341, 1.872, 1.577, 1.365, 1.203, 0.965, 0.796, 0.670, 0.573, 0.495,
     0.433, 0.382, 0.304, 0.247, 0.225, 0.206, 0.174, 0.149, 0.106, 0.080},
}};

// One whole-turn row at a ratio inside [1.1, 4], or its 1/x^2 tail above.
double rowFactor(int turns, double x) {
    if (turns < 2) return 0;
    const auto& row = kFactors[static_cast<std::size_t>(turns - 2)];
    if (x >= kProximityMaxRatio) {
        const double q = kProximityMaxRatio / x;
        return row[kColumns - 1] * q * q;
    }
    std::size_t j = 1;
    while (kRatios[j] < x) ++j;
    const double t = (x - kRatios[j - 1]) / (kRatios[j] - kRatios[j - 1]);
    return row[j - 1] + t * (row[j] - row[j - 1]);
}

}  // namespace

ProximityFactor ProximityFactorSmith(double turns, double x) {
    ProximityFactor out;
    if (!(turns > 1)) return out;
    if (!(x >= kProximityMinRatio)) {
        x = kProximityMinRatio;
        out.clamped = true;
    }
    if (turns > kProximityMaxTurns) {
        out.clamped = true;
        out.factor = rowFactor(kProximityMaxTurns, x);
        return out;
    }
    const double below = std::floor(turns);
    const double t = turns - below;
    const int n = static_cast<int>(below);
    out.factor = t == 0 ? rowFactor(n, x) : (1 - t) * rowFactor(n, x) + t * rowFactor(n + 1, x);
    return out;
}

}  // namespace ringfeld
