// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's numeric options in one table: name, unit, range rule and help
// (its texts are in the catalogue, text/catalog/cli_texts.h). Every option here is read by the strict number rule
// (StrikteZahl) and checked against its range unless --as-typed is given; a new
// numeric option is one more row.

#include <QString>

#include <optional>
#include <string_view>

#include "text/catalog/cli_texts.h"
#include "text/language.h"

namespace ringfeld::cli {

enum class RangeRule {
    Positive,     // > 0
    NonNegative,  // >= 0
};

struct NumericOption {
    std::string_view name;       // without the leading dashes
    std::string_view valueName;  // placeholder in --help
    std::string_view unit;       // named in the usage error; empty for a pure number
    RangeRule rule;
    Tri help;
};

inline constexpr NumericOption kNumericOptions[] = {
    {"diameter", "m", "m", RangeRule::Positive, texte::kHelpDiameter},
    {"circumference", "m", "m", RangeRule::Positive, texte::kHelpCircumference},
    {"conductor", "mm", "mm", RangeRule::Positive, texte::kHelpConductor},
    {"turns", "n", "", RangeRule::Positive, texte::kHelpTurns},
    {"length", "mm", "mm", RangeRule::NonNegative, texte::kHelpLength},
    {"frequency", "MHz", "MHz", RangeRule::Positive, texte::kHelpFrequency},
    {"power", "W", "W", RangeRule::Positive, texte::kHelpPower},
    {"series-loss", "Ohm", "Ohm", RangeRule::NonNegative, texte::kHelpSeriesLoss},
    {"parallel-loss", "kOhm", "kOhm", RangeRule::Positive, texte::kHelpParallelLoss},
    {"ratio", "k", "", RangeRule::Positive, texte::kHelpRatio},
};

// The option's number when `text` is one plain number within its range.
std::optional<double> ReadNumber(const NumericOption& option, std::string_view text);

// Whether a number that passed the strict rule keeps the range rule.
bool InRange(RangeRule rule, double value);

// "a plain number greater than 0 in m, such as 2,25 or 1.5e3", in the language.
QString ExpectedNumber(const NumericOption& option, Language lang);

}  // namespace ringfeld::cli
