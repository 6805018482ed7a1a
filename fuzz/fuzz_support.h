#pragma once
// Helpers shared by the fuzz targets: splitting the input into texts, and the
// checks every target makes on what the program would show.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fault.h"
#include "engine/text_zu_zahl.h"

namespace ringfeld::fuzz {

// Stops the run with a message; libFuzzer keeps the input that led here.
[[noreturn]] inline void fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** fuzz check failed: %.*s [%.*s]\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void require(bool ok, std::string_view what, std::string_view detail = {}) {
    if (!ok) fail(what, detail);
}

// The input as texts separated by `separator`; missing texts are empty.
inline std::vector<std::string> split(const std::uint8_t* data, std::size_t size, char separator, std::size_t count) {
    std::vector<std::string> parts(count);
    std::size_t index = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == separator) {
            if (++index == count) break;
        } else {
            parts[index] += c;
        }
    }
    return parts;
}

// Whether the text holds "nan" or "inf" in any case: the trace of a
// non-finite number that reached the screen.
inline bool zeigtNichtEndlich(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        char a = static_cast<char>(text[i] | 0x20), b = static_cast<char>(text[i + 1] | 0x20),
             c = static_cast<char>(text[i + 2] | 0x20);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return true;
    }
    return false;
}

inline void requireNoNanInf(std::string_view text, std::string_view where) {
    require(!zeigtNichtEndlich(text), where, text);
}

// A shown number read back as the program reads labels: must give a finite value.
inline double readsBackFinite(std::string_view text, std::string_view where) {
    requireNoNanInf(text, where);
    double value = 0;
    try {
        value = TextZuZahl(text);
    } catch (const ArithmeticFault&) {
        fail(where, "shown text does not read back (overflow)");
    }
    require(std::isfinite(value), where, text);
    return value;
}

}  // namespace ringfeld::fuzz
