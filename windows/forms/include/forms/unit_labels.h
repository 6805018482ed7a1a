// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The unit captions beside a window's length fields and results, from the
// units table (kUnitLabels), in the units and language chosen.

#include <QWidget>

#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld {

// Sets every unit label the table names for `window` (by its objectName), and puts
// the unit into each caption of kUnitCaptions (after the caption table set it).
void EinheitenBeschriften(QWidget& window, Units units, Language lang);

}  // namespace ringfeld
