// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The VSWR against frequency around the resonance: the measured points, the fitted
// curve and the loop's model at the same f0 with a matched coupling, as the chart
// data give them (presentation/vna_chart_data.h). The window's chart and the
// report's are the same; this class only draws.

#include <QChart>

#include "presentation/vna_chart_data.h"
#include "text/language.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace ringfeld::vna {

class VnaChart {
public:
    // Builds the series and axes in `chart`, which keeps them.
    explicit VnaChart(QChart& chart);

    // Draws `data`; nothing when there is none.
    void zeigen(const VswrChartData* data, Language lang);

private:
    QScatterSeries* gemessen_;
    QLineSeries* angepasst_;
    QLineSeries* modell_;
    QValueAxis* frequenz_;
    QValueAxis* swr_;
};

}  // namespace ringfeld::vna
