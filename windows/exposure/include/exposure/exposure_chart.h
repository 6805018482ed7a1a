// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// |H| on the axis and in the plane (left axis, A/m) and |E| in the plane (right axis,
// V/m) against the distance from the loop's centre, 0.1 to 100 m, both axes
// logarithmic, with the chosen limits as lines and the 3 loop radii inside which the
// model does not hold. The window's chart and the report's are the same.

#include <QChart>

#include <optional>

#include "core/exposure.h"
#include "text/language.h"

class QLineSeries;
class QLogValueAxis;

namespace ringfeld::exposure {

class ExposureChart {
public:
    // Builds the series and axes in `chart`, which keeps them.
    explicit ExposureChart(QChart& chart);

    // The fields of `result` and the limits of its slot `limit`; nothing without a result.
    void zeigen(const std::optional<Result>& result, std::size_t limit, Language lang);

private:
    QLineSeries* hAchse_;
    QLineSeries* hEbene_;
    QLineSeries* eEbene_;
    QLineSeries* grenzeH_;
    QLineSeries* grenzeE_;
    QLineSeries* radien_;
    QLogValueAxis* abstand_;
    QLogValueAxis* h_;
    QLogValueAxis* e_;
};

}  // namespace ringfeld::exposure
