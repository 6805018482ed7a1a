// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A number whose arithmetic is checked, so that formulas read as written in the book:
// each operator is exactly one call of core/checked_math.h, and
//     kResonanz / (f * f * L * kMicrohenriesPerHenry)
// runs div(kResonanz, mul(mul(mul(f, f), L), 1e6)): the same doubles, and every
// ArithmeticFault of the same kind at the same step.
//
// Reading a formula against its call tree: C++ groups a * b * c as (a * b) * c, so
// parentheses stand wherever the tree nests otherwise. An operator needs a Wert on at
// least one side; two plain doubles make an unchecked double operation. Operator
// calls evaluate their operands in the same order as the function calls they
// replace (GCC: right to left for both), so even which of two failing operands
// reports first stays as it was.

#include <compare>

#include "core/checked_math.h"

namespace ringfeld {

class Wert {
public:
    // Implicit, for literals, named constants and inputs.
    constexpr Wert(double zahl) noexcept : zahl_(zahl) {}

    constexpr double zahl() const noexcept { return zahl_; }

    // Plain double comparisons: these never fault.
    friend constexpr bool operator==(const Wert&, const Wert&) = default;
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 reads the defaulted <=> as a comparison with 0
    friend constexpr auto operator<=>(const Wert&, const Wert&) = default;

private:
    double zahl_;
};

inline Wert operator+(Wert a, Wert b) { return checked::add(a.zahl(), b.zahl()); }
inline Wert operator-(Wert a, Wert b) { return checked::sub(a.zahl(), b.zahl()); }
inline Wert operator*(Wert a, Wert b) { return checked::mul(a.zahl(), b.zahl()); }
inline Wert operator/(Wert a, Wert b) { return checked::div(a.zahl(), b.zahl()); }

inline Wert ln(Wert x) { return checked::ln(x.zahl()); }
// Decimal logarithm as ln x / ln 10, the way it has always been computed.
inline Wert lg(Wert x) { return ln(x) / ln(10); }
inline Wert sqrt(Wert x) { return checked::sqrt(x.zahl()); }

// Rounded to single precision, as a value stored in a 32-bit float.
inline float single(Wert x) { return checked::single(x.zahl()); }

}  // namespace ringfeld
