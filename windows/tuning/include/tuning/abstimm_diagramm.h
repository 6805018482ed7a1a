// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The sheet against frequency in a Qt chart: the tuning capacitance (left
// axis), the capacitor's peak voltage and the efficiency (right axes). The
// window's chart and the report's use the same chart; each update replaces the
// points of every series in one call.

#include <QChart>

#include "core/tuning_sheet.h"
#include "text/language.h"

class QLineSeries;
class QValueAxis;

namespace ringfeld::tuning {

class AbstimmDiagramm {
public:
    // Builds the series and axes in `chart`, which keeps them.
    explicit AbstimmDiagramm(QChart& chart);

    // Shows the ok rows of the sheet; refused rows leave no point.
    void zeigen(const Sheet& sheet, Language lang);

private:
    QLineSeries* kapazitaet_;
    QLineSeries* spannung_;
    QLineSeries* wirkungsgrad_;
    QValueAxis* frequenzAchse_;
    QValueAxis* kapazitaetAchse_;
    QValueAxis* spannungAchse_;
    QValueAxis* wirkungsgradAchse_;
};

}  // namespace ringfeld::tuning
