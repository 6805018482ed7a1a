// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "export/finder_export.h"

#include <algorithm>
#include <array>

#include "export/export_cells.h"
#include "export/field_keys.h"
#include "export/json_writer.h"
#include "finder/finder_columns.h"
#include "finder/finder_message.h"

namespace ringfeld::finder {
namespace {

void number(JsonWriter& w, std::string_view key, double value) {
    w.key(key);
    w.value(value);
}

void optionalNumber(JsonWriter& w, std::string_view key, const std::optional<double>& value) {
    w.key(key);
    if (value)
        w.value(*value);
    else
        w.null();
}

template <typename List, typename Put>
void list(JsonWriter& w, std::string_view key, const List& items, Put put) {
    w.key(key);
    w.beginArray();
    for (const auto& item : items) put(item);
    w.endArray();
}

void optionsJson(JsonWriter& w, const FinderOptionen& o, std::optional<int> top) {
    w.beginObject();
    number(w, "from_MHz", o.fromMHz);
    number(w, "to_MHz", o.toMHz);
    number(w, "frequencies", o.toMHz > o.fromMHz ? kSchritte + 1 : 1);
    optionalNumber(w, "capacitor_min_pF", o.sheet.capMinPf);
    optionalNumber(w, "capacitor_max_pF", o.sheet.capMaxPf);
    optionalNumber(w, "capacitor_vpeak_V", o.sheet.capVPeakV);
    optionalNumber(w, "capacitor_Q", o.sheet.capacitorQ);
    number(w, "stray_pF", o.sheet.strayPf);
    number(w, "ground_ratio", o.sheet.groundRatio);
    number(w, "size_min_m", o.sizeMinM);
    number(w, "size_max_m", o.sizeMaxM);
    number(w, "size_step_m", o.sizeStepM);
    list(w, "shapes", o.shapes, [&](Form f) { w.value(FormKey(f)); });
    list(w, "materials", o.materials, [&](Material m) { w.value(MaterialKey(m)); });
    list(w, "conductors_mm", o.conductorsMm, [&](double d) { w.value(d); });
    list(w, "turns", o.turns, [&](int n) { w.value(n); });
    number(w, "spacing", o.spacing);
    number(w, "capacitor_margin", o.capMargin);
    number(w, "max_wavelengths", o.maxWavelengths);
    if (top) number(w, "top", *top);
    w.endObject();
}

void designJson(JsonWriter& w, const Entwurf& e) {
    w.beginObject();
    for (const FinderSpalte& s : kFinderSpalten) {
        w.key(s.text.key);
        if (s.art == SpaltenArt::Form)
            w.value(FormKey(e.form));
        else if (s.art == SpaltenArt::Material)
            w.value(MaterialKey(e.material));
        else
            w.value(s.wert(e));
    }
    w.endObject();
}

// What a builder can do when nothing qualifies, the most useful first.
void proposalJson(JsonWriter& w, const Vorschlag& v) {
    constexpr std::array<std::string_view, 3> kArten{"part_of_band", "rating", "power"};
    w.beginObject();
    w.key("kind");
    w.value(kArten[static_cast<std::size_t>(v.art)]);
    if (v.art == VorschlagArt::Teilband) {
        number(w, "from_MHz", v.fromMHz);
        number(w, "to_MHz", v.toMHz);
    }
    if (v.art == VorschlagArt::Festigkeit) number(w, "rating_V", v.ratingV);
    if (v.art == VorschlagArt::Leistung) number(w, "power_W", v.powerW);
    w.key("below_a_tenth_of_the_best");
    w.boolean(v.unterZehntel);
    w.key("design");
    designJson(w, v.loop);
    w.endObject();
}

std::size_t shown(const FinderExport& e) {
    const std::size_t all = e.ergebnis.designs.size();
    return e.top ? std::min(all, static_cast<std::size_t>(std::max(0, *e.top))) : all;
}

}  // namespace

std::string FinderJson(const FinderExport& e) {
    std::string out;
    {
        JsonWriter w(out);
        w.beginObject();
        w.key("inputs");
        w.beginObject();
        for (std::size_t i = 0; i < kFeldAnzahl; ++i) {
            w.key(kFeldSchluessel[i]);
            w.value(e.inputs[i]);
        }
        w.endObject();
        w.key("options");
        optionsJson(w, e.options, e.top);
        const Ergebnis& r = e.ergebnis;
        number(w, "candidates_evaluated", static_cast<double>(r.evaluated));
        number(w, "candidates_qualified", static_cast<double>(r.qualified));
        w.key("excluded");
        w.beginObject();
        for (std::size_t i = 0; i < kAusschlussAnzahl; ++i)
            number(w, kAusschlussKeys[i], static_cast<double>(r.excluded[i]));
        w.endObject();
        number(w, "excluded_within_rating_below_margin", static_cast<double>(r.unterMarge));
        list(w, "notes", Hinweise(r, e.options, e.lang, "."), [&](const std::string& note) { w.value(note); });
        list(w, "proposals", r.vorschlaege, [&](const Vorschlag& v) { proposalJson(w, v); });
        w.key("message");
        if (const std::string message = Begruendung(r, e.options, e.lang, "."); !message.empty())
            w.value(message);
        else
            w.null();
        w.key("designs");
        w.beginArray();
    }
    // One design a line.
    for (std::size_t i = 0; i < shown(e); ++i) {
        if (i > 0) out += ',';
        out += '\n';
        JsonWriter w(out);
        designJson(w, e.ergebnis.designs[i]);
    }
    out += shown(e) ? "\n]}\n" : "]}\n";
    return out;
}

std::string FinderCsv(const FinderExport& e) {
    std::string out;
    for (const FinderSpalte& s : kFinderSpalten) {
        if (&s != &kFinderSpalten[0]) out += ',';
        out += s.text.key;
    }
    out += kCsvLineEnd;
    for (std::size_t i = 0; i < shown(e); ++i) {
        const Entwurf& d = e.ergebnis.designs[i];
        for (const FinderSpalte& s : kFinderSpalten) {
            if (&s != &kFinderSpalten[0]) out += ',';
            if (s.art == SpaltenArt::Form) {
                out += FormKey(d.form);
            } else if (s.art == SpaltenArt::Material) {
                out += MaterialKey(d.material);
            } else {
                AppendNumber(out, s.wert(d));
            }
        }
        out += kCsvLineEnd;
    }
    return out;
}

}  // namespace ringfeld::finder
