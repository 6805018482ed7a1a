// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "text/loop_field_units.h"

#include <cmath>

#include "text/length_texts.h"

namespace ringfeld {

LoopEingaben MetricInputs(const LoopEingaben& typed, Units units) {
    if (units == Units::Metric) return typed;
    LoopEingaben metric = typed;
    for (const LoopLengthField& f : kLoopLengthFields) {
        const auto value = LengthFromField(typed.*f.text, f.quantity, units);
        metric.*f.text = value && std::isfinite(*value) ? ExactText(*value) : std::string();
    }
    return metric;
}

LoopEingaben InputsIn(const LoopEingaben& metric, Units units, std::string_view sep) {
    return InputsSwitched(metric, Units::Metric, units, sep);
}

LoopEingaben InputsSwitched(const LoopEingaben& typed, Units from, Units to, std::string_view sep) {
    LoopEingaben shown = typed;
    for (const LoopLengthField& f : kLoopLengthFields)
        shown.*f.text = LengthTextIn(typed.*f.text, f.quantity, from, to, sep);
    return shown;
}

}  // namespace ringfeld
