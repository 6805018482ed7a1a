// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// FormatZahl with arbitrary doubles and each of the program's patterns: NaN and
// infinity give the empty text; a finite value gives text that reads back to the
// value correctly rounded to the pattern's last decimal, exact halves away from
// zero, never a sign on zero.
//
// Input: byte 0 picks the pattern, byte 1 the decimal separator (bit 0) and
// whether the next bytes are a double's bits or build an exact half at a chosen
// decimal place (bit 1).

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz_support.h"
#include "text/number_format.h"

using namespace ringfeld;
using namespace ringfeld::fuzz;

namespace {

constexpr std::array<std::string_view, 15> kMuster{muster::Lamda,
                                                   muster::Induktivitaet,
                                                   muster::KapazitaetKlein,
                                                   muster::KapazitaetGross,
                                                   muster::EigenkapazitaetGross,
                                                   muster::Ohm,
                                                   muster::Milliohm,
                                                   muster::Prozent,
                                                   muster::ProzentKlein,
                                                   muster::ProzentFein,
                                                   muster::Gewinn,
                                                   muster::Guete,
                                                   muster::Seite,
                                                   muster::Zentimeter,
                                                   muster::Kiloohm};

// The number of decimals the pattern's first section allows.
int dezimalen(std::string_view pattern) {
    const std::string_view positiv = pattern.substr(0, pattern.find(';'));
    const std::size_t point = positiv.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<int>(positiv.find_last_of("#0") - point);
}

// |v| correctly rounded to `decimals` places, by the standard library.
double richtigGerundet(double v, int decimals) {
    char buffer[400];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::fixed, decimals).ptr;
    double o = 0;
    std::from_chars(buffer, end, o);
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    const std::string_view pattern = kMuster[data[0] % kMuster.size()];
    const std::string_view sep = data[1] & 1 ? "," : ".";
    const int d = dezimalen(pattern);
    std::uint64_t bits = 0;
    std::memcpy(&bits, data + 2, sizeof bits);
    // An odd multiple of 2^-(d+1) lies exactly halfway between two multiples of 10^-d.
    const bool halb = data[1] & 2;
    const double v = halb ? std::ldexp(static_cast<double>((bits >> 11) | 1), -(d + 1)) : std::bit_cast<double>(bits);

    const std::string text = FormatZahl(v, pattern, sep);
    if (!std::isfinite(v)) {
        require(text.empty(), "non-finite value gave text", text);
        return 0;
    }
    const double r = readsBackFinite(text, "formatted text");
    if (r == 0)
        require(text.find('-') == std::string::npos, "zero shown with a sign", text);
    else
        require(std::signbit(r) == std::signbit(v), "sign lost", text);
    const double ulp = std::ldexp(std::numeric_limits<double>::epsilon(), std::ilogb(std::fmax(std::fabs(v), 1e-300)));
    const double t = std::ldexp(std::fabs(v), d + 1);  // an odd whole number: v is an exact half
    if (!(t == std::floor(t) && std::fmod(t, 2.0) == 1.0))
        require(std::fabs(r) == richtigGerundet(v, d), "not the correctly rounded value", text);
    else if (0.5 * std::pow(10.0, -d) > 4 * ulp)  // else the next step is below a double's resolution
        require(std::fabs(r) > std::fabs(v), "exact half not rounded away from zero", text);
    return 0;
}
