// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// How one loop calculation ended, and the language-independent name each ending
// has in every export.

#include <string_view>

namespace ringfeld {

enum class Ending { Ok, Input, Length, Inductance, Capacitance, Fault };

// "ok", "input", "length", "inductance", "capacitance" or "fault".
constexpr std::string_view EndingName(Ending ending) {
    switch (ending) {
        case Ending::Ok: return "ok";
        case Ending::Input: return "input";
        case Ending::Length: return "length";
        case Ending::Inductance: return "inductance";
        case Ending::Capacitance: return "capacitance";
        case Ending::Fault: return "fault";
    }
    return "fault";
}

}  // namespace ringfeld
