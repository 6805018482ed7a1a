// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "export/json_writer.h"

#include <charconv>
#include <cmath>

namespace ringfeld {

void JsonWriter::value(double number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return;
    }
    char buffer[32];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, number);  // shortest text that reads back exactly
    out_.append(buffer, r.ptr);
}

void JsonWriter::string(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out_ += '"';
    std::size_t plain = 0;  // start of the run of characters that need no escape
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u >= 0x20 && u != '"' && u != '\\') continue;
        out_.append(text.data() + plain, i - plain);
        plain = i + 1;
        switch (u) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                out_ += "\\u00";
                out_ += kHex[u >> 4];
                out_ += kHex[u & 15];
        }
    }
    out_.append(text.data() + plain, text.size() - plain);
    out_ += '"';
}

}  // namespace ringfeld
