// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/length_texts.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/fault.h"
#include "text/number_format.h"
#include "text/strict_number.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

std::optional<double> imperial(std::string_view text, const LengthUnit& unit) {
    const auto value =
        ReadImperialLength(text, unit.reading == LengthReading::Feet ? ImperialUnit::Feet : ImperialUnit::Inches);
    if (!value) return std::nullopt;
    return *value * unit.engineUnits;
}

}  // namespace

std::optional<double> LengthFromText(std::string_view text, LengthQuantity quantity, Units units) {
    const LengthUnit& unit = UnitOf(quantity, units);
    if (unit.reading != LengthReading::Decimal) return imperial(text, unit);
    const auto value = StrikteZahl(text);
    if (!value) return std::nullopt;
    return *value * unit.engineUnits;
}

std::optional<double> LengthFromField(std::string_view text, LengthQuantity quantity, Units units) {
    const LengthUnit& unit = UnitOf(quantity, units);
    if (unit.reading != LengthReading::Decimal) return imperial(text, unit);
    return TextZuZahl(text) * unit.engineUnits;
}

std::string LengthText(double engineValue, LengthQuantity quantity, Units units, std::string_view sep) {
    const LengthUnit& unit = UnitOf(quantity, units);
    const std::string pattern = "0." + std::string(static_cast<std::size_t>(unit.decimals), '0');
    return FormatZahl(engineValue / unit.engineUnits, pattern, sep);
}

std::string ExactText(double value) {
    // Twelve significant digits: a length within a picometre per metre, without the
    // binary noise of the conversion ("1.0001250000000002" for 3' 3 3/8").
    constexpr int kDigits = 12;
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, kDigits);
    if (error != std::errc()) return {};
    return std::string(buffer.data(), end);
}

std::string LengthTextIn(std::string_view text, LengthQuantity quantity, Units from, Units to, std::string_view sep) {
    if (from == to) return std::string(text);
    // The strict rule: a text that is not wholly a length (an empty field too) is kept.
    if (const auto value = LengthFromText(text, quantity, from); value && std::isfinite(*value))
        return LengthText(*value, quantity, to, sep);
    return std::string(text);
}

}  // namespace ringfeld
