// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace ringfeld {
namespace {

// Whether |value| lies exactly halfway between two multiples of 10^-decimals:
// that is the case when 2 * 10^decimals * value is an odd integer, i.e. when the
// value is an odd multiple of 2^-(decimals + 1).
bool isExactHalf(double value, int decimals) {
    int exponent = 0;
    double fraction = std::frexp(value, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    if (mantissa == 0) return false;
    int shift = std::countr_zero(mantissa);
    return exponent - 53 + shift == -(decimals + 1);
}

// Adds one unit in the last place of a plain decimal text such as "12.34";
// returns the new end (one longer when a carry adds a digit in front).
char* incrementLastDigit(char* first, char* last) {
    for (char* p = last; p-- != first;) {
        if (*p == '.') continue;
        if (*p != '9') {
            ++*p;
            return last;
        }
        *p = '0';
    }
    std::memmove(first + 1, first, static_cast<std::size_t>(last - first));
    *first = '1';
    return last + 1;
}

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                             1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// |value| rounded to `decimals` places, halves away from zero, as "123.45" in
// [first, returned end).
char* roundedDigits(char* first, char* last, double magnitude, int decimals) {
    if (isExactHalf(magnitude, decimals)) {
        // The exact value has decimals + 1 places and ends in 5.
        auto r = std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals + 1);
        char* end = r.ptr - 1;
        if (end[-1] == '.') --end;
        return incrementLastDigit(first, end);
    }
    return std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals).ptr;
}

// Joins prefix, whole part (padded to minWhole), separator, fraction and suffix.
// Label texts are short: they are put together on the stack and copied once.
std::string assemble(std::string_view prefix, std::string_view whole, int minWhole, bool point,
                     std::string_view separator, std::string_view fraction, std::string_view suffix) {
    const std::size_t pad = static_cast<int>(whole.size()) < minWhole ? minWhole - whole.size() : 0;
    const std::size_t size =
        prefix.size() + pad + whole.size() + (point ? separator.size() + fraction.size() : 0) + suffix.size();
    char small[64];
    std::string large;
    char* out = small;
    if (size > sizeof small) {
        large.resize(size);
        out = large.data();
    }
    char* p = out;
    auto put = [&p](std::string_view part) {
        for (char c : part) *p++ = c;
    };
    put(prefix);
    for (std::size_t i = 0; i < pad; ++i) *p++ = '0';
    put(whole);
    if (point) {
        put(separator);
        put(fraction);
    }
    put(suffix);
    return out == small ? std::string(small, size) : large;
}

// Fast path: |value| scaled to whole units of the last place. The product is off
// by at most half an ulp, so unless it lies that close to a half, rounding it is
// rounding the exact value.
bool scaledUnits(double magnitude, int decimals, std::uint64_t& units) {
    if (decimals >= static_cast<int>(std::size(kPow10))) return false;
    const double scaled = magnitude * kPow10[decimals];
    if (!(scaled < 0x1p52)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (!(std::fabs(fraction - 0.5) > scaled * 0x1p-50 + 0x1p-60)) return false;
    units = static_cast<std::uint64_t>(whole) + (fraction > 0.5);
    return true;
}

std::string formatSection(double magnitude, std::string_view pattern, const MusterAbschnitt& s,
                          std::string_view separator, bool& isZero) {
    const std::string_view prefix = pattern.substr(0, s.prefixEnd), suffix = pattern.substr(s.suffixStart);
    const int decimals = s.point ? s.maxFraction : 0;

    std::uint64_t units = 0;
    if (scaledUnits(magnitude, decimals, units)) {
        isZero = units == 0;
        int fractionDigits = decimals;
        while (fractionDigits > s.minFraction && units % 10 == 0) {
            units /= 10;
            --fractionDigits;
        }
        char digits[24];  // the digits of units, at least fractionDigits of them
        int count = 0;
        for (; units != 0 || count < fractionDigits; units /= 10)
            digits[sizeof digits - 1 - count++] = static_cast<char>('0' + units % 10);
        const char* first = digits + sizeof digits - count;
        return assemble(prefix, std::string_view(first, count - fractionDigits), s.minWhole, s.point, separator,
                        std::string_view(first + count - fractionDigits, fractionDigits), suffix);
    }

    char buffer[400];  // the largest double has 309 whole digits
    char* end = roundedDigits(buffer, buffer + sizeof buffer, magnitude, decimals);
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t pointAt = digits.find('.');
    std::string_view whole = digits.substr(0, pointAt);
    std::string_view fraction = pointAt == std::string_view::npos ? std::string_view() : digits.substr(pointAt + 1);

    isZero = whole.find_first_not_of('0') == std::string_view::npos &&
             fraction.find_first_not_of('0') == std::string_view::npos;

    const std::size_t firstDigit = whole.find_first_not_of('0');
    whole = firstDigit == std::string_view::npos ? std::string_view() : whole.substr(firstDigit);
    while (static_cast<int>(fraction.size()) > s.minFraction && fraction.back() == '0') fraction.remove_suffix(1);
    return assemble(prefix, whole, s.minWhole, s.point, separator, fraction, suffix);
}

}  // namespace

std::string FormatZahl(double value, const Muster& pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return {};
    bool isZero = false;
    std::string text =
        formatSection(std::fabs(value), pattern.ersterText(), pattern.erster(), decimalSeparator, isZero);
    // A value that rounds to zero shows as zero, without a sign.
    if (!(value < 0) || isZero) return text;
    if (pattern.hatZweiten())
        return formatSection(-value, pattern.zweiterText(), pattern.zweiter(), decimalSeparator, isZero);
    return "-" + text;
}

std::string FormatZahl(double value, std::string_view pattern, std::string_view decimalSeparator) {
    return FormatZahl(value, Muster(pattern), decimalSeparator);
}

std::string FrequenzText(double mhz) { return FormatZahl(mhz, muster::ProzentFein); }

}  // namespace ringfeld
