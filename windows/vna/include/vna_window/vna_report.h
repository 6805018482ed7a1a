// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The measured loop's report: title and date, the sweep and the loop, the results
// at f0 with their units, the VSWR chart, the Smith chart and the method with its
// sources, as blocks for the report engine (platform/report.h).

#include <QDateTime>
#include <QString>

#include "vna_window/vna_window.h"

class QPagedPaintDevice;

namespace ringfeld::vna {

// Prints every page; empty when done, else why not.
QString BerichtDrucken(const VnaStand& stand, const QDateTime& datum, QPagedPaintDevice& device);

}  // namespace ringfeld::vna
