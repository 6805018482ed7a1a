// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/numeric_options.h"

#include "platform/qt_text.h"
#include "text/strict_number.h"

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
    QString text =
        qs((option.rule == RangeRule::Positive ? texte::kExpectPositive : texte::kExpectNonNegative).in(lang));
    if (!option.unit.empty()) text += qs(texte::kExpectIn.in(lang)) + qs(option.unit);
    return text + qs(texte::kExpectSuchAs.in(lang));
}

}  // namespace ringfeld::cli
