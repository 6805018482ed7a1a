// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Messages of several lines: the lines joined with the record's line break.

#include <initializer_list>
#include <string>
#include <string_view>

namespace ringfeld {

inline std::string ZeilenVerbinden(std::initializer_list<std::string_view> lines, const std::string& nl) {
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) text += nl;
        text += line;
        first = false;
    }
    return text;
}

}  // namespace ringfeld
