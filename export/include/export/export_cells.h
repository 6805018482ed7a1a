// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The pieces every export writes its numbers and CSV cells with: a number as the
// shortest text that reads back as exactly that number (std::to_chars, the same in
// every locale), and CSV fields after RFC 4180.

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace ringfeld {

// The shortest text of a finite number; NaN and infinity have none (JSON writes
// null for them, CSV an empty cell).
class ShortestNumber {
public:
    explicit ShortestNumber(double value) {
        if (std::isfinite(value))
            size_ = static_cast<std::size_t>(std::to_chars(chars_, chars_ + sizeof chars_, value).ptr - chars_);
    }
    std::string_view text() const { return {chars_, size_}; }

private:
    char chars_[32];  // the longest double, -2.2250738585072014e-308, takes 24
    std::size_t size_ = 0;
};

inline void AppendNumber(std::string& out, double value) { out += ShortestNumber(value).text(); }

inline constexpr std::string_view kCsvLineEnd = "\r\n";  // RFC 4180, 2.1

// A field in double quotes, its own quotes doubled (RFC 4180, 2.5 to 2.7).
inline void AppendCsvQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// A field quoted only where it holds a comma, a quote or a line break.
inline void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        out += text;
    else
        AppendCsvQuoted(out, text);
}

}  // namespace ringfeld
