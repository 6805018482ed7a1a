// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "export/json_writer.h"

#include "export/export_cells.h"

namespace ringfeld {

void JsonWriter::value(double number) {
    separate();
    const ShortestNumber text(number);
    put(text.text().empty() ? std::string_view("null") : text.text());
}

void JsonWriter::string(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    put('"');
    std::size_t plain = 0;  // start of the run of characters that need no escape
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u >= 0x20 && u != '"' && u != '\\') continue;
        put(text.substr(plain, i - plain));
        plain = i + 1;
        switch (u) {
            case '"': put("\\\""); break;
            case '\\': put("\\\\"); break;
            case '\n': put("\\n"); break;
            case '\r': put("\\r"); break;
            case '\t': put("\\t"); break;
            default:
                put("\\u00");
                put(kHex[u >> 4]);
                put(kHex[u & 15]);
        }
    }
    put(text.substr(plain));
    put('"');
}

}  // namespace ringfeld
