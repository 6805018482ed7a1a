// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The loop's inputs as every export that carries them beside its own rows (the
// tuning sheet, the safety distances) writes them: under the design file's names
// (export/field_keys.h), the texts as typed, the shape and the material by their
// keys; a material no list knows keeps its text. The main window's frequency is
// left out: the rows have their own.

#include <string>
#include <string_view>

#include "export/field_keys.h"
#include "export/json_writer.h"
#include "text/loop_fields.h"

namespace ringfeld {

// put(key, text) for each input, in the design file's order.
template <typename Put>
void EachLoopInput(const LoopEingaben& in, Put put) {
    for (const FeldSchluessel& f : kLoopSchluessel)
        if (f.text != &LoopEingaben::Text5) put(f.key, std::string_view(in.*f.text));
    put(kFormSchluessel, FormKey(FormVon(in.Combo1)));
    const auto material = MaterialVon(in.Combo2);
    put(kMaterialSchluessel, material ? MaterialKey(*material) : std::string_view(in.Combo2));
}

// {"diameter": "1", ..., "shape": "circle", "material": "Cu"}
void LoopInputsJson(JsonWriter& w, const LoopEingaben& in);

// The keys, each followed by a comma, to lead a CSV header; the texts likewise to lead a line.
void LoopInputsCsvHeader(std::string& out);
void LoopInputsCsvCells(std::string& out, const LoopEingaben& in);

}  // namespace ringfeld
