// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the measurement window and its report draw, without Qt: the VSWR against
// frequency around the resonance (the measured points, the fitted curve through
// them and, for comparison, the loop's model at the same f0 with a matched
// coupling), and the reflection plane (Smith chart) with the measured locus, the
// cable's delay taken off, and the fitted circle.

#include <vector>

#include "core/touchstone.h"
#include "presentation/vna_results.h"

namespace ringfeld::vna {

struct ChartPoint {
    double x = 0, y = 0;
};

// The VSWR axis ends here: far from resonance a loop reflects nearly everything.
inline constexpr double kVswrAxisTop = 10;
// Around f0 the chart shows this many loaded bandwidths f0 / QL on either side.
inline constexpr double kShownBandwidths = 3;
// The most measured points drawn, and the points of each computed curve.
inline constexpr std::size_t kMostDrawnPoints = 1500;
inline constexpr std::size_t kCurvePoints = 400;

struct VswrChartData {
    double fromMHz = 0, toMHz = 0;
    std::vector<ChartPoint> measured, fitted, model;  // MHz against VSWR, each at most kVswrAxisTop
};
VswrChartData VswrKurven(const Sweep& sweep, const LoopMeasurement& m);

struct SmithChartData {
    std::vector<ChartPoint> measured;  // the points the fit used, the cable's delay taken off (re, im)
    std::vector<ChartPoint> circle;    // the fitted circle, closed
    ChartPoint resonance;              // the circle's point at f0
};
SmithChartData SmithKurven(const Sweep& sweep, const LoopMeasurement& m);

}  // namespace ringfeld::vna
