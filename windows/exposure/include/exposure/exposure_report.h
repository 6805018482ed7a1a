// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The safety-distance report a station owner can file: title and date, the inputs
// with their units, the model and its limits of validity, the limits used with their
// source, the distances for every standard, the chart, and the distances over the
// tuning range, as blocks for the report engine (platform/report.h), which puts them
// on the pages of a printer or a PDF writer. It knows nothing of the window that
// asks for it.

#include <QDateTime>
#include <QString>

#include "exposure/exposure_state.h"

class QPagedPaintDevice;

namespace ringfeld::exposure {

class ExposureReport {
public:
    ExposureReport(const Stand& stand, QDateTime datum);

    // Prints every page; empty when done, else why not.
    QString drucken(QPagedPaintDevice& device) const;

private:
    const Stand& stand_;
    QDateTime datum_;
};

}  // namespace ringfeld::exposure
