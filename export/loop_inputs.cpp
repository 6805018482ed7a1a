// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "export/loop_inputs.h"

#include "export/export_cells.h"

namespace ringfeld {

void LoopInputsJson(JsonWriter& w, const LoopEingaben& in) {
    w.beginObject();
    EachLoopInput(in, [&](std::string_view key, std::string_view text) {
        w.key(key);
        w.value(text);
    });
    w.endObject();
}

void LoopInputsCsvHeader(std::string& out) {
    EachLoopInput(LoopEingaben{}, [&](std::string_view key, std::string_view) {
        out += key;
        out += ',';
    });
}

void LoopInputsCsvCells(std::string& out, const LoopEingaben& in) {
    EachLoopInput(in, [&](std::string_view, std::string_view text) {
        AppendCsvField(out, text);
        out += ',';
    });
}

}  // namespace ringfeld
