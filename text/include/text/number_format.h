// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Number format patterns such as "##0.0##" or "#0.0#;- #0.0#".
//
// A pattern is an optional literal prefix, digit placeholders for the whole part,
// a point, placeholders for the fraction and an optional literal suffix; a second
// section after ";" formats negative values without their own sign. "0" is a digit
// always shown, "#" one shown only when significant. The value is rounded at the
// last fraction placeholder, halves away from zero on the exact binary value, then
// trailing zeros are dropped down to the number of "0" after the point. The point
// stands for the caller's decimal separator; there is no thousands separator.

#include <string>
#include <string_view>

namespace ringfeld {

// One section of a pattern: literal prefix, placeholders, literal suffix.
struct MusterAbschnitt {
    std::size_t prefixEnd = 0;    // literal text before the placeholders
    std::size_t suffixStart = 0;  // literal text after them
    int minWhole = 0;             // "0" placeholders before the point
    int maxFraction = 0;          // placeholders after the point
    int minFraction = 0;          // "0" placeholders after the point
    bool point = false;

    static constexpr MusterAbschnitt lesen(std::string_view text) {
        auto placeholder = [](char c) { return c == '#' || c == '0' || c == '.'; };
        MusterAbschnitt s;
        std::size_t begin = 0;
        while (begin < text.size() && !placeholder(text[begin])) ++begin;
        std::size_t end = begin;
        while (end < text.size() && placeholder(text[end])) ++end;
        s.prefixEnd = begin;
        s.suffixStart = end;
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
};

// A pattern read once; the program's own patterns are read at compile time.
class Muster {
public:
    constexpr explicit Muster(std::string_view text)
        : text_(text),
          semicolon_(text.find(';')),
          first_(MusterAbschnitt::lesen(text.substr(0, semicolon_))),
          second_(semicolon_ == std::string_view::npos ? MusterAbschnitt{}
                                                       : MusterAbschnitt::lesen(text.substr(semicolon_ + 1))) {}

    constexpr operator std::string_view() const { return text_; }
    constexpr std::string_view ersterText() const { return text_.substr(0, semicolon_); }
    constexpr std::string_view zweiterText() const {
        return semicolon_ == std::string_view::npos ? std::string_view() : text_.substr(semicolon_ + 1);
    }
    constexpr const MusterAbschnitt& erster() const { return first_; }
    constexpr const MusterAbschnitt& zweiter() const { return second_; }
    constexpr bool hatZweiten() const { return semicolon_ != std::string_view::npos; }

private:
    std::string_view text_;
    std::size_t semicolon_;
    MusterAbschnitt first_, second_;
};

namespace muster {
inline constexpr Muster Lamda{"0.0###"};
inline constexpr Muster Induktivitaet{"###0.0##"};
inline constexpr Muster KapazitaetKlein{"###0.0"};     // C < 1000 pF, CL < 100 pF
inline constexpr Muster KapazitaetGross{"####0"};      // C from 1000 pF on
inline constexpr Muster EigenkapazitaetGross{"###0"};  // CL from 100 pF on
inline constexpr Muster Ohm{"##0.0##"};                // also kV and the coupling loop in m
inline constexpr Muster Milliohm{"#0.0######## m"};
inline constexpr Muster Prozent{"#0.0#"};  // also the coil length
inline constexpr Muster ProzentKlein{"#0.0####"};
inline constexpr Muster ProzentFein{"0.0########"};
inline constexpr Muster Gewinn{"#0.0#;- #0.0#"};
inline constexpr Muster Guete{"#####0.0#"};  // also the bandwidth
inline constexpr Muster Seite{"##0.00#"};    // size after a shape switch
inline constexpr Muster Zentimeter{"##0 cm"};
inline constexpr Muster Kiloohm{"0.0##"};
}  // namespace muster

// The frequency field's text for a row of a sweep or sheet: a point and up to nine decimals.
std::string FrequenzText(double mhz);

// Formats a finite value; a NaN or infinity gives the empty text.
std::string FormatZahl(double value, const Muster& pattern, std::string_view decimalSeparator = ".");
std::string FormatZahl(double value, std::string_view pattern, std::string_view decimalSeparator = ".");

}  // namespace ringfeld
