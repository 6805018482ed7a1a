// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/length_texts.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/fault.h"
#include "text/catalog/units_texts.h"
#include "text/number_format.h"
#include "text/strict_number.h"
#include "text/text_lines.h"
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

std::string MetricText(std::string_view text, LengthQuantity quantity, Units from) {
    if (from == Units::Metric) return std::string(text);
    if (const auto value = LengthFromText(text, quantity, from); value && std::isfinite(*value))
        return ExactText(*value / UnitOf(quantity, Units::Metric).engineUnits);
    return std::string(text);
}

std::string LengthTextOutwards(double engineValue, LengthQuantity quantity, Units units, std::string_view sep) {
    // A hair below a whole step stays on it: the binary noise of the conversion (3 ft is
    // 0.9144 m, read back as 2.9999999999999996 ft) must not add a step.
    constexpr double kSlack = 1e-9;
    const LengthUnit& unit = UnitOf(quantity, units);
    const double steps = std::pow(10.0, unit.decimals);
    const double value = engineValue / unit.engineUnits;
    const double rounded = std::copysign(std::ceil(std::abs(value) * steps * (1 - kSlack)) / steps, value);
    return LengthText(rounded * unit.engineUnits, quantity, units, sep);
}

std::string UnitsLine(Units units, Language lang) {
    const Language l = lang == Language::None ? kStandardSprache : lang;
    return std::string(texte::kLaengenIn.in(l)) + std::string(UnitCaption(LengthQuantity::LoopSize, units, l)) + ", " +
           std::string(UnitCaption(LengthQuantity::Conductor, units, l));
}

std::string WithUnit(std::string_view text, LengthQuantity quantity, Units units, Language lang) {
    return MitWerten(text, {UnitCaption(quantity, units, lang)});
}

}  // namespace ringfeld
