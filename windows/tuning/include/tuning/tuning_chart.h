// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The sheet against frequency in a Qt chart: the tuning capacitance (left
// axis), the capacitor's peak voltage and the efficiency (right axes), the
// capacitor's Cmin, Cmax and voltage rating as dashed lines. What is drawn and
// the axes' ranges come from presentation/tuning_chart_data.h; tick labels in the
// locale's number format. The window's chart and the report's use the same
// chart; each update replaces the points of every series in one call. Over a
// curve the mouse reads out the nearest row.

#include <QChart>

#include "core/tuning_sheet.h"
#include "text/language.h"

class QLineSeries;
class QValueAxis;

namespace ringfeld::tuning {

class TuningChart {
public:
    // Builds the series and axes in `chart`, which keeps them.
    explicit TuningChart(QChart& chart);

    // Shows the accepted rows of the sheet that have a capacitor; the sheet must
    // outlive the next call (the read-out looks its rows up).
    void zeigen(const Sheet& sheet, Language lang);

private:
    void ablesen(double mhz) const;

    QLineSeries* kapazitaet_;
    QLineSeries* spannung_;
    QLineSeries* wirkungsgrad_;
    QLineSeries* cmin_;
    QLineSeries* cmax_;
    QLineSeries* festigkeit_;
    QValueAxis* frequenzAchse_;
    QValueAxis* kapazitaetAchse_;
    QValueAxis* spannungAchse_;
    QValueAxis* wirkungsgradAchse_;
    const Sheet* sheet_ = nullptr;
    Language lang_ = Language::German;
};

}  // namespace ringfeld::tuning
