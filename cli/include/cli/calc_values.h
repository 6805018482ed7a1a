// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The numbers behind a calculated row for scripts: English keys with units, full
// precision, in one fixed order for JSON and CSV alike.

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/calc_run.h"

namespace ringfeld::cli {

inline constexpr std::array<std::string_view, 16> kValueKeys{"wavelength_fraction",
                                                             "L_uH",
                                                             "C_total_pF",
                                                             "C_self_pF",
                                                             "R_radiation_ohm",
                                                             "R_loss_ohm",
                                                             "R_total_ohm",
                                                             "X_ohm",
                                                             "efficiency_percent",
                                                             "gain_dB",
                                                             "Q",
                                                             "bandwidth_kHz",
                                                             "V_capacitor_rms_V",
                                                             "coupling_circumference_m",
                                                             "coupling_Lka_m",
                                                             "R_resonance_ohm"};

// The coupling loop's values come last, from here on.
inline constexpr std::size_t kFirstCouplingValue = 13;
static_assert(kValueKeys[kFirstCouplingValue] == "coupling_circumference_m");

using RowValues = std::array<std::optional<double>, kValueKeys.size()>;

// Every value for an "ok" row (the coupling ones when the coupling loop was
// computed); none for a refused or faulted row.
RowValues ValuesOf(const CalcRow& row);

// The shortest text that reads back as exactly `value`.
std::string NumberText(double value);

// A message's lines trimmed and joined by one blank.
QString MessageLine(const std::string& text);

// The message of a refused row, else of its refused coupling loop, on one line.
QString RowMessage(const CalcRow& row);

}  // namespace ringfeld::cli
