// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/text_zu_zahl.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/fault.h"

namespace ringfeld {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number after "&H" or "&O"; at most 64 bits wide.
double radixNumber(const char* p, const char* end, int radix) {
    double value = 0;
    for (; p < end; ++p) {
        const char c = *p;
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        if (value > 18446744073709551615.0) throw ArithmeticFault(Fault::Overflow);
    }
    return value;
}

// The general case: the mantissa's text and the exponent, read exactly.
double exactNumber(bool negative, std::string_view mantissa, long long exponent) {
    std::string number;
    if (negative) number += '-';
    number += mantissa;
    if (exponent != 0) number += "e" + std::to_string(exponent);

    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large is an overflow; too small reads as zero. The decimal magnitude
        // of the mantissa tells which: digits before the point count up, zeros after it down.
        const std::size_t firstDigit = mantissa.find_first_of("123456789");
        std::size_t pointAt = mantissa.find('.');
        if (pointAt == std::string_view::npos) pointAt = mantissa.size();
        const long long magnitude = firstDigit < pointAt ? static_cast<long long>(pointAt - firstDigit)
                                                         : -static_cast<long long>(firstDigit - pointAt - 1);
        if (magnitude + exponent > 0) throw ArithmeticFault(Fault::Overflow);
        return 0.0;
    }
    if (ec != std::errc() || std::isinf(value)) throw ArithmeticFault(Fault::Overflow);
    return value;
}

}  // namespace

double TextZuZahl(std::string_view text) {
    // A copy without blanks, tabs and line feeds, its first comma a point.
    char small[64];
    std::string large;
    char* buffer = small;
    if (text.size() > sizeof small) {
        large.resize(text.size());
        buffer = large.data();
    }
    std::size_t size = 0;
    bool commaSeen = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        if (c == ',' && !commaSeen) {
            c = '.';
            commaSeen = true;
        }
        buffer[size++] = c;
    }
    const char* p = buffer;
    const char* const end = buffer + size;

    if (p < end && *p == '&') {
        ++p;
        if (p < end && (*p == 'H' || *p == 'h')) return radixNumber(p + 1, end, 16);
        if (p < end && (*p == 'O' || *p == 'o')) return radixNumber(p + 1, end, 8);
        return 0.0;
    }

    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

    // Digits with at most one point; the mantissa as a whole number while it stays exact.
    const char* const mantissaBegin = p;
    bool digits = false, point = false, significant = false;
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;
    long long fractionDigits = 0;
    for (; p < end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            digits = true;
            significant = significant || c != '0';
            if (significant) ++mantissaDigits;
            if (mantissaDigits <= 19) {
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
                if (point) ++fractionDigits;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    const std::string_view mantissaText(mantissaBegin, static_cast<std::size_t>(p - mantissaBegin));

    long long exponent = 0;
    if (p < end && (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd')) {
        ++p;
        bool negativeExponent = false;
        if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        for (; p < end && isDigit(*p); ++p)
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (*p - '0');
        if (negativeExponent) exponent = -exponent;
    }
    if (!significant) return 0.0;

    // Exact whole mantissa and a small power of ten: one correctly rounded operation.
    const long long scale = exponent - fractionDigits;
    if (mantissaDigits <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
        static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double value = static_cast<double>(mantissa);
        value = scale >= 0 ? value * kPow10[scale] : value / kPow10[-scale];
        return negative ? -value : value;
    }
    return exactNumber(negative, mantissaText, exponent);
}

}  // namespace ringfeld
