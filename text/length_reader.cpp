// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/length_reader.h"

#include <charconv>
#include <cmath>
#include <string>

namespace ringfeld {
namespace {

constexpr double kInchesPerFoot = 12;  // exact by definition

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A cursor over the text; every step either consumes what it reads or leaves the position.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    bool take(char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    }
    // Skips blanks; true when there were any.
    bool blanks() {
        const std::size_t from = pos_;
        while (isBlank(peek())) ++pos_;
        return pos_ != from;
    }
    std::string_view digits() {
        const std::size_t from = pos_;
        while (isDigit(peek())) ++pos_;
        return text_.substr(from, pos_ - from);
    }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t to) { pos_ = to; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<double> decimalValue(std::string_view whole, std::string_view fraction) {
    std::string number(whole.empty() ? "0" : whole);
    if (!fraction.empty()) number.append(".").append(fraction);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "n/d" right at the cursor, digits on both sides, d not zero.
std::optional<double> fraction(Scanner& s, std::string_view numerator, bool proper) {
    if (numerator.empty() || !s.take('/')) return std::nullopt;
    const std::string_view denominator = s.digits();
    const auto n = decimalValue(numerator, {});
    const auto d = decimalValue(denominator, {});
    if (denominator.empty() || !n || !d || *d == 0) return std::nullopt;
    if (proper && *n >= *d) return std::nullopt;
    return *n / *d;
}

// One number: a decimal, a fraction or a whole number with a proper fraction.
std::optional<double> quantity(Scanner& s) {
    const std::string_view whole = s.digits();
    if (s.take('.') || s.take(',')) {
        const std::string_view decimals = s.digits();
        if (whole.empty() && decimals.empty()) return std::nullopt;
        return decimalValue(whole, decimals);
    }
    if (whole.empty()) return std::nullopt;
    if (s.peek() == '/') return fraction(s, whole, false);
    // "1 1/8": the blanks belong to the number only when a fraction follows them.
    const std::size_t afterWhole = s.position();
    if (s.blanks() && isDigit(s.peek())) {
        const std::string_view numerator = s.digits();
        if (s.peek() == '/') {
            const auto part = fraction(s, numerator, true);
            const auto w = decimalValue(whole, {});
            if (!part || !w) return std::nullopt;
            return *w + *part;
        }
    }
    s.rewind(afterWhole);
    return decimalValue(whole, {});
}

// A mark after optional blanks: 'f' feet, 'i' inches, '\0' none.
char mark(Scanner& s) {
    const std::size_t before = s.position();
    s.blanks();
    if (s.take('\'')) return 'f';
    if (s.take('"')) return 'i';
    s.rewind(before);
    return '\0';
}

}  // namespace

std::optional<double> ReadImperialLength(std::string_view text, ImperialUnit plain) {
    Scanner s(text);
    s.blanks();
    const auto first = quantity(s);
    if (!first) return std::nullopt;

    double inches = 0;
    switch (mark(s)) {
        case 'i': inches = *first; break;
        case 'f': {
            inches = *first * kInchesPerFoot;
            s.blanks();
            if (s.atEnd()) break;
            const auto rest = quantity(s);
            if (!rest || *rest >= kInchesPerFoot) return std::nullopt;
            const std::size_t before = s.position();
            if (mark(s) != 'i') s.rewind(before);
            inches += *rest;
            break;
        }
        default:
            // A plain number is the field's own: no detour through inches to round on.
            s.blanks();
            if (!s.atEnd()) return std::nullopt;
            return first;
    }
    s.blanks();
    if (!s.atEnd()) return std::nullopt;
    const double value = plain == ImperialUnit::Inches ? inches : inches / kInchesPerFoot;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace ringfeld
