// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/numeric_options.h"

#include "text/strict_number.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {

bool InRange(RangeRule rule, double value) {
    switch (rule) {
        case RangeRule::Positive: return value > 0;
        case RangeRule::NonNegative: return value >= 0;
    }
    return false;
}

std::optional<double> ReadNumber(const NumericOption& option, std::string_view text) {
    const auto value = StrikteZahl(text);
    if (!value || !InRange(option.rule, *value)) return std::nullopt;
    return value;
}

QString ExpectedNumber(const NumericOption& option, Language lang) {
    static constexpr Tri kPositive{"eine einfache Zahl größer als 0", "un nombre simple supérieur à 0",
                                   "a plain number greater than 0"};
    static constexpr Tri kNonNegative{"eine einfache Zahl ab 0", "un nombre simple supérieur ou égal à 0",
                                      "a plain number of 0 or more"};
    static constexpr Tri kIn{" in ", " en ", " in "};
    static constexpr Tri kSuchAs{", etwa 2,25 oder 1.5e3", ", par exemple 2,25 ou 1.5e3", ", such as 2,25 or 1.5e3"};
    QString text = qs((option.rule == RangeRule::Positive ? kPositive : kNonNegative).in(lang));
    if (!option.unit.empty()) text += qs(kIn.in(lang)) + qs(option.unit);
    return text + qs(kSuchAs.in(lang));
}

}  // namespace ringfeld::cli
