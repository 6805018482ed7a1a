// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// |H| on the axis and in the plane and |E| in the plane, each as % of its limit (the
// standard's tables, each at its own averaging), against the distance from the loop's
// centre, 0.1 to 100 m, on one logarithmic axis with one 100 % line, the 3 loop radii
// inside which the model does not hold, and the named places marked. The numbers come
// from the engine (core/exposure_summary.h: PercentOfLimit, CheckPlace); this only
// draws them. The window's chart and the report's are the same.

#include <QChart>

#include <span>

#include "core/exposure_summary.h"
#include "text/language.h"
#include "text/length_units.h"

class QLineSeries;
class QLogValueAxis;
class QScatterSeries;

namespace ringfeld::exposure {

class ExposureChart {
public:
    // Builds the series and axes in `chart`, which keeps them.
    explicit ExposureChart(QChart& chart);

    // The fields of `row` against the limits of `standard` and `population`, the places
    // marked where their highest field stands; nothing without a row or a result. The
    // distances in `units`.
    void zeigen(const Row* row, Standard standard, Population population, std::span<const NamedDistance> places,
                Units units, Language lang);

private:
    std::array<QLineSeries*, 3> felder_{};  // by Component
    QLineSeries* linie100_;
    QLineSeries* radien_;
    QScatterSeries* orte_;
    QLogValueAxis* abstand_;
    QLogValueAxis* prozent_;
};

}  // namespace ringfeld::exposure
