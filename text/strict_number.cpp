// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/strict_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace ringfeld {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<double> StrikteZahl(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    // Check the form and copy it with a point, the only separator from_chars reads.
    std::string number;
    number.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';  // from_chars takes no '+'
        ++i;
    }
    // The decimal magnitude of the first non-zero digit, to tell an overflow
    // from an underflow below.
    long long digits = 0, integerDigits = 0, firstNonZero = -1;
    auto digit = [&](char c) {
        if (c != '0' && firstNonZero < 0) firstNonZero = digits;
        ++digits;
        number += c;
    };
    for (; i < text.size() && isDigit(text[i]); ++i) digit(text[i]);
    integerDigits = digits;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i) digit(text[i]);
    }
    if (digits == 0) return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number += 'e';
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            number += text[i++];
        }
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits) {
            number += text[i];
            if (exponent < 1'000'000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return std::nullopt;
    // from_chars reports both overflow and underflow as out of range: a number
    // too large has no value, one too small reads as zero.
    if (error == std::errc::result_out_of_range) {
        const long long magnitude = integerDigits - 1 - firstNonZero + exponent;
        if (magnitude > 0) return std::nullopt;
        return 0.0;
    }
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace ringfeld
