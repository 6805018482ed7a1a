// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "export/vna_export.h"

#include <cmath>

#include "export/export_cells.h"
#include "export/json_writer.h"
#include "text/strict_number.h"

namespace ringfeld::vna {

std::string MessungJson(const LoopMeasurement& m) {
    std::string out;
    {
        JsonWriter w(out);
        w.beginObject();
        for (std::size_t i = 0; i < kQuantities.size(); ++i) {
            const Quantity& q = kQuantities[i];
            w.key(q.key);
            if (const std::optional<double> v = q.value(m))
                w.value(*v);
            else
                w.null();
            if (i == kCouplingAfter) {
                w.key(kCouplingKey);
                w.value(CouplingKey(m.fit.coupling));
            }
        }
        w.endObject();
        w.newline();
    }
    return out;
}

std::string MessungCsv(const LoopMeasurement& m) {
    std::string heading, values;
    auto cells = [&](std::string_view key, std::string_view value) {
        if (!heading.empty()) {
            heading += ',';
            values += ',';
        }
        AppendCsvField(heading, key);
        AppendCsvField(values, value);
    };
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        const Quantity& q = kQuantities[i];
        const std::optional<double> v = q.value(m);
        cells(q.key, v ? ShortestNumber(*v).text() : std::string_view());
        if (i == kCouplingAfter) cells(kCouplingKey, CouplingKey(m.fit.coupling));
    }
    return heading + std::string(kCsvLineEnd) + values + std::string(kCsvLineEnd);
}

FitTexts FitAlsTexte(const ResonanceFit& fit) {
    const LoopMeasurement m{fit, {}};
    FitTexts out;
    for (const Quantity& q : kQuantities)
        if (const std::optional<double> v = q.value(m); q.restore && v)
            out[std::string(q.key)] = ShortestNumber(*v).text();
    out[std::string(kCouplingKey)] = CouplingKey(fit.coupling);
    return out;
}

std::optional<ResonanceFit> FitAusTexten(const FitTexts& texts) {
    ResonanceFit fit;
    for (const Quantity& q : kQuantities) {
        if (!q.restore) continue;
        const auto text = texts.find(std::string(q.key));
        if (text == texts.end()) {
            if (q.key == "bandwidth_vswr2_kHz") continue;  // none where the VSWR never falls to 2
            return std::nullopt;
        }
        const std::optional<double> v = StrikteZahl(text->second);
        if (!v || !std::isfinite(*v)) return std::nullopt;
        q.restore(fit, *v);
    }
    const auto coupling = texts.find(std::string(kCouplingKey));
    if (coupling == texts.end()) return std::nullopt;
    if (coupling->second == CouplingKey(Coupling::Over))
        fit.coupling = Coupling::Over;
    else if (coupling->second != CouplingKey(Coupling::Under))
        return std::nullopt;
    // What the loop's numbers need: a resonance.
    if (!(fit.f0Hz > 0 && fit.unloadedQ > 0 && fit.loadedQ > 0)) return std::nullopt;
    return fit;
}

}  // namespace ringfeld::vna
