// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the tuning-range chart draws, computed without Qt: the points of its three
// curves, the capacitor's limits as horizontal lines, and its four axes. An axis
// shows the data, not a rounded neighbourhood of them: the frequency runs from FROM
// to TO exactly, the capacitance and the voltage never go below 0 nor the efficiency
// outside 0..100 %, and a value axis spans at least a fifth of its largest value, so
// that a ripple of a few volts on kilovolts is drawn nearly flat.

#include <optional>
#include <utility>
#include <vector>

#include "core/tuning_sheet.h"

namespace ringfeld::tuning {

// An axis: its range, ticks at anchor + k interval inside it, labels with `decimals` places.
struct Achse {
    double min = 0, max = 1;
    double tickAnchor = 0, tickInterval = 1;
    int decimals = 0;
};

// A value axis that shows the values lo..hi and stays within boden..decke.
Achse WertAchse(double lo, double hi, double boden, double decke);
// The frequency axis: exactly from..to (a little around a single frequency).
Achse FrequenzAchse(double fromMHz, double toMHz);

struct DiagrammDaten {
    using Punkte = std::vector<std::pair<double, double>>;  // (MHz, value)
    Punkte kapazitaet, spannung, wirkungsgrad;              // pF, V, %
    std::optional<double> cmin, cmax, festigkeit;           // pF, pF, V: the capacitor's limits, when given
    Achse frequenz, kapazitaetAchse, spannungAchse, wirkungsgradAchse;
};

// The sheet's accepted rows with a capacitor (a row flagged no_capacitor_fits is no
// design and is not drawn), at most about kMaxPunkte of them per curve; the voltage
// only with a power.
inline constexpr std::size_t kMaxPunkte = 250;
DiagrammDaten DiagrammVon(const Sheet& sheet);

}  // namespace ringfeld::tuning
