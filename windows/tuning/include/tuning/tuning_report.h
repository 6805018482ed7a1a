// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range report: title and date, the inputs, the summary and the
// measured result, the chart, then the table with its notes, as blocks for the
// report engine (platform/report.h), which puts them on the pages of a printer or
// a PDF writer. It knows nothing of the window that asks for it.

#include <QDateTime>
#include <QString>

#include <vector>

#include "core/tuning_sheet.h"
#include "presentation/tuning_report_inputs.h"
#include "text/language.h"
#include "text/length_units.h"

class QPagedPaintDevice;

namespace ringfeld::tuning {

struct BerichtInhalt {
    const Sheet* sheet = nullptr;
    Language lang = Language::German;
    std::vector<EingabeGruppe> eingaben;  // the loop's and the sheet's inputs, by group
    QDateTime datum;
    Units units = Units::Metric;  // the lengths' units
};

class TuningReport {
public:
    explicit TuningReport(BerichtInhalt inhalt);

    // Prints every page, the table's further columns on a landscape page. Empty when
    // done, else why not.
    QString drucken(QPagedPaintDevice& device) const;

private:
    BerichtInhalt inhalt_;
};

}  // namespace ringfeld::tuning
