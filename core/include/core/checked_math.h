// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Arithmetic that reports every invalid step as an ArithmeticFault instead of
// carrying NaN or infinity on. Each step tests its own operands and result, so
// nothing depends on floating-point traps or on the FPU's sticky flags.

#include <cmath>

#include "core/fault.h"

namespace ringfeld::checked {

// A result that is not finite although its operands were.
inline double finite(double result) {
    if (std::isnan(result)) throw ArithmeticFault(Fault::InvalidOperation);
    if (std::isinf(result)) throw ArithmeticFault(Fault::Overflow);
    return result;
}

inline double add(double a, double b) { return finite(a + b); }
inline double sub(double a, double b) { return finite(a - b); }
inline double mul(double a, double b) { return finite(a * b); }

inline double div(double a, double b) {
    if (b == 0) throw ArithmeticFault(a == 0 ? Fault::InvalidOperation : Fault::DivisionByZero);
    return finite(a / b);
}

inline double ln(double x) {
    if (!(x > 0)) throw ArithmeticFault(Fault::InvalidArgument);
    return finite(std::log(x));
}

inline double sqrt(double x) {
    if (!(x >= 0)) throw ArithmeticFault(Fault::InvalidArgument);
    return std::sqrt(x);
}

// Rounding to single precision, as a value is stored in a 32-bit float.
inline float single(double x) {
    float f = static_cast<float>(x);
    if (std::isinf(f) && !std::isinf(x)) throw ArithmeticFault(Fault::Overflow);
    if (std::isnan(f) || std::isinf(f))
        throw ArithmeticFault(std::isnan(f) ? Fault::InvalidOperation : Fault::Overflow);
    return f;
}

}  // namespace ringfeld::checked
