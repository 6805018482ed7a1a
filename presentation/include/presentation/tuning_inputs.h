// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning-range window's own inputs as texts, and how they become the sheet's
// options: each field read by the plain-number rule, a short reason for the
// first unusable field of each kind. Plain C++, no Qt.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/tuning_sheet.h"
#include "text/language.h"

namespace ringfeld::tuning {

// The amateur bands of the list: IARU Region 1 band edges in MHz, and a step
// that gives about twenty rows over the band.
struct Band {
    std::string_view name;
    double fromMHz, toMHz, stepMHz;
};
inline constexpr std::array<Band, 10> kBands{{
    {"160 m", 1.81, 2.0, 0.01},
    {"80 m", 3.5, 3.8, 0.01},
    {"60 m", 5.3515, 5.3665, 0.0005},
    {"40 m", 7.0, 7.2, 0.01},
    {"30 m", 10.1, 10.15, 0.002},
    {"20 m", 14.0, 14.35, 0.01},
    {"17 m", 18.068, 18.168, 0.005},
    {"15 m", 21.0, 21.45, 0.02},
    {"12 m", 24.89, 24.99, 0.005},
    {"10 m", 28.0, 29.7, 0.05},
}};

// The most rows the window computes as the user types; the command line has
// the engine's larger limit.
inline constexpr long long kMaxWindowRows = 20'000;

// The window's input fields, in the order of the form.
enum class Field { From, To, Step, CapQ, Ground, Stray, CapMin, CapMax, CapVolts, MeasFreq, MeasBandwidth, MeasVswr };
inline constexpr std::size_t kFieldCount = 12;

using FieldTexts = std::array<std::string, kFieldCount>;

// What the fields start with: the 40 m band, no capacitor data, no measurement.
inline const FieldTexts kFieldDefaults{"7", "7,2", "0,01", "", "0", "0", "", "", "", "", "", "2"};
// The band list's entry it starts with (0 is the range typed, i is kBands[i - 1]): 40 m.
inline constexpr int kStartBand = 4;

struct ReadOptions {
    std::optional<SheetOptions> options;           // set when range and losses are usable
    std::array<std::string, kFieldCount> reasons;  // empty where the field is fine
};

// Reads the fields. Empty optional fields leave their option unset; the
// measured block needs frequency and bandwidth, the range both bounds. An
// optional group with a reason is left out of the options.
ReadOptions LiesOptionen(const FieldTexts& texts, Language lang);

}  // namespace ringfeld::tuning
