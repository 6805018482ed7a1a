// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// TextZuZahl on arbitrary bytes: a finite number or an overflow, nothing else;
// a plain decimal text reads as the correctly rounded double; blanks count
// nowhere and a lone comma reads as a point.

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "fuzz_support.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

// The value, or unset for an overflow. Any other exception escapes and is a finding.
std::optional<double> lesen(std::string_view text) {
    try {
        const double value = TextZuZahl(text);
        require(std::isfinite(value), "TextZuZahl returned a non-finite value", text);
        return value;
    } catch (const ArithmeticFault& fault) {
        require(fault.kind() == Fault::Overflow, "TextZuZahl threw a fault other than overflow", text);
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = lesen(text);

    // Digits, at most one point, an optional "e" exponent: from_chars gives the one right value.
    const bool schlicht = !text.empty() && text.find_first_not_of("0123456789.eE+-") == std::string::npos &&
                          std::count(text.begin(), text.end(), '.') <= 1 && text[0] != '+' && text[0] != 'e' &&
                          text[0] != 'E';
    double richtig = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), richtig);
    if (schlicht && ec == std::errc() && end == text.data() + text.size())
        require(value && *value == richtig, "not the correctly rounded value", text);

    std::string ohneLeer = text;
    std::erase_if(ohneLeer, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    require(value == lesen(ohneLeer), "blanks changed the value", text);
    if (std::count(text.begin(), text.end(), ',') == 1) {
        std::string mitPunkt = text;
        mitPunkt[mitPunkt.find(',')] = '.';
        require(value == lesen(mitPunkt), "a lone comma reads differently from a point", text);
    }
    return 0;
}
