#include "number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace ringfeld {
namespace {

struct Section {
    std::string_view prefix, suffix;
    int minWhole = 0;     // "0" placeholders before the point
    int maxFraction = 0;  // placeholders after the point
    int minFraction = 0;  // "0" placeholders after the point
    bool point = false;
};

bool isPlaceholder(char c) { return c == '#' || c == '0' || c == '.'; }

Section parseSection(std::string_view text) {
    Section s;
    std::size_t begin = 0;
    while (begin < text.size() && !isPlaceholder(text[begin])) ++begin;
    std::size_t end = begin;
    while (end < text.size() && isPlaceholder(text[end])) ++end;
    s.prefix = text.substr(0, begin);
    s.suffix = text.substr(end);
    for (char c : text.substr(begin, end - begin)) {
        if (c == '.') {
            s.point = true;
        } else if (!s.point) {
            s.minWhole += c == '0';
        } else {
            ++s.maxFraction;
            s.minFraction += c == '0';
        }
    }
    return s;
}

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

// Adds one unit in the last place of a plain decimal text such as "12.34".
void incrementLastDigit(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '.') continue;
        if (digits[i] != '9') { ++digits[i]; return; }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| rounded to `decimals` places, halves away from zero, as "123.45".
std::string roundedDigits(double magnitude, int decimals) {
    char buffer[400];
    if (isExactHalf(magnitude, decimals)) {
        // The exact value has decimals + 1 places and ends in 5.
        auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals + 1);
        std::string digits(buffer, r.ptr - 1);
        if (!digits.empty() && digits.back() == '.') digits.pop_back();
        incrementLastDigit(digits);
        return digits;
    }
    auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

std::string formatSection(double magnitude, const Section& s, std::string_view separator, bool& isZero) {
    std::string digits = roundedDigits(magnitude, s.point ? s.maxFraction : 0);
    std::size_t pointAt = digits.find('.');
    std::string whole = digits.substr(0, pointAt);
    std::string fraction = pointAt == std::string::npos ? std::string() : digits.substr(pointAt + 1);

    isZero = whole.find_first_not_of('0') == std::string::npos &&
             fraction.find_first_not_of('0') == std::string::npos;

    whole.erase(0, whole.find_first_not_of('0'));
    if (static_cast<int>(whole.size()) < s.minWhole) whole.insert(0, s.minWhole - whole.size(), '0');
    while (static_cast<int>(fraction.size()) > s.minFraction && fraction.back() == '0') fraction.pop_back();

    std::string out(s.prefix);
    out += whole;
    if (s.point) {
        out += separator;
        out += fraction;
    }
    out += s.suffix;
    return out;
}

}  // namespace

std::string FormatZahl(double value, std::string_view pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return {};
    std::size_t semicolon = pattern.find(';');
    Section positive = parseSection(pattern.substr(0, semicolon));

    bool isZero = false;
    std::string text = formatSection(std::fabs(value), positive, decimalSeparator, isZero);
    // A value that rounds to zero shows as zero, without a sign.
    if (!(value < 0) || isZero) return text;
    if (semicolon != std::string_view::npos) {
        Section negative = parseSection(pattern.substr(semicolon + 1));
        return formatSection(-value, negative, decimalSeparator, isZero);
    }
    return "-" + text;
}

}  // namespace ringfeld
