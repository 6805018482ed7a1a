// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The reflection plane as a Smith chart (P. H. Smith, "Transmission line
// calculator", Electronics, Jan. 1939): the unit circle with circles of constant
// resistance and arcs of constant reactance, the measured locus with the cable's
// delay taken off, the fitted circle and its point at f0, as the chart data give
// them. Drawn with QPainter into any rectangle: the window's view and the report's
// picture are the same drawing.

#include <QWidget>

#include <optional>

#include "presentation/vna_chart_data.h"
#include "text/language.h"

class QPainter;
class QRectF;

namespace ringfeld::vna {

void SmithZeichnen(QPainter& painter, const QRectF& area, const SmithChartData* data, Language lang);

class SmithView : public QWidget {
public:
    explicit SmithView(QWidget* parent = nullptr);
    void zeigen(std::optional<SmithChartData> kurven, Language lang);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SmithChartData> data_;
    Language lang_ = Language::German;
};

}  // namespace ringfeld::vna
