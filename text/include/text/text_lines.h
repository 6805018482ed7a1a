// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Messages of several lines: the catalogue keeps their lines separated by "\n";
// a message box gets them joined with the record's line break.

#include <initializer_list>
#include <string>
#include <string_view>

namespace ringfeld {

// `lines` with every "\n" replaced by `nl`.
inline std::string ZeilenVerbinden(std::string_view lines, const std::string& nl) {
    std::string text;
    for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos; lines.remove_prefix(end + 1)) {
        text += lines.substr(0, end);
        text += nl;
    }
    return text += lines;
}

// `text` with its place marker "%1" replaced by `value`, which is taken as it stands.
inline std::string MitWert(std::string_view text, std::string_view value) {
    const std::size_t at = text.find("%1");
    if (at == std::string_view::npos) return std::string(text);
    std::string out(text.substr(0, at));
    out += value;
    out += text.substr(at + 2);
    return out;
}

// `text` with its place markers "%1" to "%9" replaced by `values` in one pass: a
// value is taken as it stands, a marker without a value stays.
inline std::string MitWerten(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace ringfeld
