// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The safety distances as JSON and CSV.

#include "export/exposure_export.h"

#include "core/constants.h"
#include "export/export_cells.h"
#include "export/json_writer.h"
#include "export/loop_inputs.h"
#include "text/messages.h"

namespace ringfeld::exposure {
namespace {

void number(JsonWriter& w, std::string_view key, double value) {
    w.key(key);
    w.value(value);
}

// A distance's number: 0.01 stands for 1 cm or less, 10000 for more than 10 km (the flags say which).
void distance(JsonWriter& w, std::string_view key, const LimitResult& r, std::size_t component) {
    w.key(key);
    if (r.limits)
        w.value(component < 3 ? r.distances[component].metres : r.safety.metres);
    else
        w.null();
}

void flagsJson(JsonWriter& w, unsigned flags) {
    w.key("flags");
    w.beginArray();
    for (const auto& [flag, name] : kLimitFlagNames)
        if (flags & flag) w.value(name);
    w.endArray();
}

void limitJson(JsonWriter& w, const LimitResult& r) {
    w.beginObject();
    const auto limit = [&](std::string_view key, double value) {
        w.key(key);
        if (r.limits)
            w.value(value);
        else
            w.null();
    };
    limit("H_limit_Apm", r.limits ? r.limits->H_Apm : 0);
    limit("E_limit_Vpm", r.limits ? r.limits->E_Vpm : 0);
    limit("averaging_min", r.limits ? r.limits->averagingMinutes : 0);
    distance(w, "H_axis_m", r, 0);
    distance(w, "H_plane_m", r, 1);
    distance(w, "E_plane_m", r, 2);
    distance(w, "safety_distance_m", r, 3);
    w.key("governing");
    if (r.limits)
        w.value(ComponentKey(r.governing));
    else
        w.null();
    w.key("governing_table");
    if (r.limits)
        w.value(LimitTableKey(r.table));
    else
        w.null();
    flagsJson(w, r.flags);
    w.endObject();
}

// {standard: {population: ...}}, each slot written by `slot`.
template <typename Slot>
void forEachSlot(JsonWriter& w, Slot slot) {
    w.beginObject();
    for (Standard s : kStandards) {
        w.key(StandardKey(s));
        w.beginObject();
        for (Population p : kPopulations) {
            w.key(PopulationKey(p));
            slot(LimitIndex(s, p));
        }
        w.endObject();
    }
    w.endObject();
}

// A place's highest percentages over the rows against one standard and population.
void placeJson(JsonWriter& w, const PlaceCheck& c, double frequencyMHz) {
    w.beginObject();
    number(w, "frequency_MHz", frequencyMHz);
    for (Component component : kComponents) {
        const auto i = static_cast<std::size_t>(component);
        w.key(std::string(ComponentKey(component)) + "_percent");
        w.value(c.percent[i]);
        w.key(std::string(ComponentKey(component)) + "_table");
        w.value(LimitTableKey(c.tables[i]));
    }
    number(w, "highest_percent", c.worstPercent);
    w.key("highest");
    w.value(ComponentKey(c.worst));
    w.key("within_limits");
    w.boolean(c.within);
    w.key("near_conductor");
    w.boolean(c.nearConductor);
    w.endObject();
}

std::string message(const ExposureExport& e, const Row& row) {
    return AbbruchZeile(row.ending, row.fault, e.zahlen.N.wert, e.lang);
}

// ---- CSV

constexpr std::array<std::string_view, 10> kLimitColumns{
    "H_limit_Apm", "E_limit_Vpm",       "averaging_min", "H_axis_m",        "H_plane_m",
    "E_plane_m",   "safety_distance_m", "governing",     "governing_table", "flags"};
// A place's one flag: it lies within 3 loop radii.
constexpr std::string_view kNearConductorName = kLimitFlagNames[1].second;
static_assert(kLimitFlagNames[1].first == kNearConductor);
constexpr std::array<std::string_view, 4> kFieldColumns{"distance_m", "H_axis_Apm", "H_plane_Apm", "E_plane_Vpm"};

}  // namespace

void ExposureJsonStart(std::string& out, const ExposureExport& e) {
    JsonWriter w(out);
    w.beginObject();
    w.key("inputs");
    LoopInputsJson(w, e.loop);
    w.key("options");
    w.beginObject();
    w.key("standard");
    w.value(StandardKey(e.standard));
    w.key("population");
    w.value(PopulationKey(e.population));
    number(w, "mode_factor", e.settings.modeFactor);
    number(w, "tx_share_6min_percent", e.settings.share6min * constants::kPercentPerUnit);
    number(w, "tx_share_30min_percent", e.settings.share30min * constants::kPercentPerUnit);
    w.key("current_source");
    w.value(CurrentSourceKey(e.settings.source));
    w.key("icnirp2010_with_1998");
    w.boolean(e.settings.icnirp2010With1998);
    w.key("places");
    w.beginArray();
    for (const NamedDistance& place : e.places) {
        w.beginObject();
        w.key("name");
        w.value(place.name);
        number(w, "distance_m", place.metres);
        w.endObject();
    }
    w.endArray();
    w.key("tuning");
    if (e.sheet) {
        w.beginObject();
        const tuning::SheetOptions& o = *e.sheet;
        number(w, "from_MHz", o.fromMHz);
        number(w, "to_MHz", o.toMHz);
        number(w, "step_MHz", o.stepMHz);
        w.key("capacitor_Q");
        if (o.capacitorQ)
            w.value(*o.capacitorQ);
        else
            w.null();
        number(w, "ground_ratio", o.groundRatio);
        number(w, "stray_pF", o.strayPf);
        w.endObject();
    } else {
        w.null();
    }
    // The measured bandwidth: its R_total over the model's scales every row's with --current-source measured.
    w.key("measured");
    if (e.measured) {
        w.beginObject();
        number(w, "frequency_MHz", e.measured->input.frequencyMHz);
        number(w, "bandwidth_kHz", e.measured->input.bandwidthKHz);
        number(w, "vswr", e.measured->input.vswr);
        w.key("ending");
        w.value(EndingName(e.measured->ending));
        w.key("message");
        if (e.measured->ending == Ending::Ok)
            w.null();
        else
            w.value(AbbruchZeile(e.measured->ending, e.measured->fault, e.zahlen.N.wert, e.lang));
        if (e.measuredRatio) {
            number(w, "R_total_ohm", e.measured->R_total_ohm);
            number(w, "R_model_ohm", e.measured->R_model_ohm);
            number(w, "R_ratio", *e.measuredRatio);
        }
        w.endObject();
    } else {
        w.null();
    }
    w.endObject();
    w.key("rows");
    w.beginArray();
}

void ExposureJsonRow(std::string& out, const ExposureExport& e, const Row& row, std::size_t index) {
    if (index > 0) out += ',';
    out += '\n';  // one row a line
    JsonWriter w(out);
    w.beginObject();
    number(w, "frequency_MHz", row.frequencyMHz);
    w.key("ending");
    w.value(EndingName(row.ending));
    w.key("message");
    if (!row.result) {
        w.value(message(e, row));
        w.endObject();
        return;
    }
    w.null();
    const Result& r = *row.result;
    number(w, "P_avg_W", r.P_avg_W);
    number(w, "R_total_ohm", r.R_total_ohm);
    w.key("R_source");
    w.value(CurrentSourceKey(r.source));
    number(w, "I_rms_A", r.I_rms_A);
    number(w, "moment_Am2", r.moment_Am2);
    number(w, "near_conductor_radius_m", r.nearRadius_m);
    w.key("distances");
    forEachSlot(w, [&](std::size_t i) { limitJson(w, r.limits[i]); });
    w.key("fields");
    w.beginArray();
    for (const NamedDistance& place : e.places) {
        const double d = place.metres;
        w.beginObject();
        w.key("name");
        w.value(place.name);
        number(w, "distance_m", d);
        const auto fields = FieldsAt(r, d);
        for (std::size_t c = 0; c < 3; ++c) {
            w.key(kFieldColumns[c + 1]);
            if (fields)
                w.value((*fields)[c]);
            else
                w.null();
        }
        w.key("flags");
        w.beginArray();
        if (d <= r.nearRadius_m) w.value(kNearConductorName);
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.endObject();
}

void ExposureJsonEnd(std::string& out, const ExposureExport& e, const Summary& summary) {
    out += "\n],";
    {
        JsonWriter w(out);
        w.key("summary");
        w.beginObject();
        w.key("worst_case");
        forEachSlot(w, [&](std::size_t slot) {
            const auto& worst = summary.worst[slot];
            if (!worst) return w.null();
            w.beginObject();
            number(w, "frequency_MHz", worst->frequencyMHz);
            number(w, "safety_distance_m", worst->safety.metres);
            w.key("governing");
            w.value(ComponentKey(worst->governing));
            w.key("governing_table");
            w.value(LimitTableKey(worst->table));
            w.endObject();
        });
        w.key("places");
        w.beginArray();
        for (std::size_t p = 0; p < e.places.size(); ++p) {
            w.beginObject();
            w.key("name");
            w.value(e.places[p].name);
            number(w, "distance_m", e.places[p].metres);
            w.key("checks");
            forEachSlot(w, [&](std::size_t slot) {
                const PlaceOverRows* over = p < summary.places.size() ? &summary.places[p] : nullptr;
                if (!over || !over->worst[slot].hasLimits) return w.null();
                placeJson(w, over->worst[slot], over->frequencyMHz[slot]);
            });
            w.endObject();
        }
        w.endArray();
        w.endObject();
    }
    out += "}\n";
}

void ExposureCsvHeader(std::string& out, const ExposureExport& e) {
    out += "frequency_MHz,ending,P_avg_W,R_total_ohm,R_source,I_rms_A,moment_Am2,near_conductor_radius_m";
    for (Standard s : kStandards)
        for (Population p : kPopulations)
            for (std::string_view column : kLimitColumns)
                (((((out += ',') += StandardKey(s)) += '_') += PopulationKey(p)) += '_') += column;
    // Each place as JSON's "fields" has it: its name, distance, three fields and flags.
    for (std::size_t i = 1; i <= e.places.size(); ++i) {
        const std::string prefix = ",field" + std::to_string(i) + '_';
        (out += prefix) += "name";
        for (std::string_view column : kFieldColumns) (out += prefix) += column;
        (out += prefix) += "flags";
    }
    (out += ",message") += kCsvLineEnd;
}

void ExposureCsvRow(std::string& out, const ExposureExport& e, const Row& row) {
    AppendNumber(out, row.frequencyMHz);
    (out += ',') += EndingName(row.ending);
    const Result* r = row.result ? &*row.result : nullptr;
    const auto cell = [&](double value) {
        out += ',';
        if (r) AppendNumber(out, value);
    };
    cell(r ? r->P_avg_W : 0);
    cell(r ? r->R_total_ohm : 0);
    out += ',';
    if (r) out += CurrentSourceKey(r->source);
    cell(r ? r->I_rms_A : 0);
    cell(r ? r->moment_Am2 : 0);
    cell(r ? r->nearRadius_m : 0);
    for (std::size_t i = 0; i < kLimitCount; ++i) {
        const LimitResult* l = r ? &r->limits[i] : nullptr;
        const bool has = l && l->limits;
        // Distances as shown: rounded outwards to the centimetre.
        const auto shown = [&](const Distance& d) { return RoundOutwardsToCm(d.metres); };
        for (double value :
             {has ? l->limits->H_Apm : 0, has ? l->limits->E_Vpm : 0, has ? l->limits->averagingMinutes : 0,
              has ? shown(l->distances[0]) : 0, has ? shown(l->distances[1]) : 0, has ? shown(l->distances[2]) : 0,
              has ? shown(l->safety) : 0}) {
            out += ',';
            if (has) AppendNumber(out, value);
        }
        out += ',';
        if (has) out += ComponentKey(l->governing);
        out += ',';
        if (has) out += LimitTableKey(l->table);
        out += ',';
        bool first = true;
        if (l)
            for (const auto& [flag, name] : kLimitFlagNames)
                if (l->flags & flag) (out += first ? "" : " ") += name, first = false;
    }
    for (const NamedDistance& place : e.places) {
        const double d = place.metres;
        const auto fields = r ? FieldsAt(*r, d) : std::nullopt;
        out += ',';
        AppendCsvQuoted(out, place.name);
        out += ',';
        if (r) AppendNumber(out, d);
        for (std::size_t c = 0; c < 3; ++c) {
            out += ',';
            if (fields) AppendNumber(out, (*fields)[c]);
        }
        out += ',';
        if (r && d <= r->nearRadius_m) out += kNearConductorName;
    }
    out += ',';
    AppendCsvQuoted(out, r ? std::string() : message(e, row));
    out += kCsvLineEnd;
}

}  // namespace ringfeld::exposure
