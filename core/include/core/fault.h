// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Arithmetic faults that end the loop calculation on its error path.

#include <stdexcept>
#include <string_view>

namespace ringfeld {

enum class Fault {
    DivisionByZero,    // x / 0 with x != 0
    Overflow,          // a finite calculation whose result is too large, or a number text too large
    InvalidOperation,  // 0 / 0, inf - inf and the like
    InvalidArgument,   // logarithm of x <= 0, square root of x < 0
};

class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(Fault kind) : std::runtime_error("arithmetic fault"), kind_(kind) {}
    Fault kind() const { return kind_; }

private:
    Fault kind_;
};

}  // namespace ringfeld
