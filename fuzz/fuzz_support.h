#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Helpers shared by the fuzz targets: splitting the input into texts, and the
// checks every target makes on what the program would show.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/fault.h"
#include "text/text_zu_zahl.h"

namespace ringfeld::fuzz {

// Stops the run with a message; libFuzzer keeps the input that led here.
inline void require(bool ok, std::string_view what, std::string_view detail = {}) {
    if (ok) return;
    const std::string message = "\n*** fuzz check failed: " + std::string(what) + " [" + std::string(detail) + "]\n";
    std::fputs(message.c_str(), stderr);
    std::abort();
}

// The input as `count` texts separated by `separator`; missing texts are empty.
inline std::vector<std::string> split(const std::uint8_t* data, std::size_t size, char separator, std::size_t count) {
    std::vector<std::string> parts(count);
    for (std::size_t i = 0, index = 0; i < size && index < count; ++i) {
        if (static_cast<char>(data[i]) == separator)
            ++index;
        else
            parts[index] += static_cast<char>(data[i]);
    }
    return parts;
}

// No "nan" or "inf" in any case: the trace of a non-finite number that reached the screen.
inline void requireNoNanInf(std::string_view text, std::string_view where) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string three;
        for (std::size_t j = i; j < i + 3; ++j) three += static_cast<char>(text[j] | 0x20);
        require(three != "nan" && three != "inf", where, text);
    }
}

// A shown number read back as the program reads labels: must give a finite value.
inline double readsBackFinite(std::string_view text, std::string_view where) {
    requireNoNanInf(text, where);
    try {
        const double value = TextZuZahl(text);
        require(std::isfinite(value), where, text);
        return value;
    } catch (const ArithmeticFault&) {
        require(false, where, "shown text does not read back (overflow)");
        return 0;
    }
}

}  // namespace ringfeld::fuzz
