// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The tuning-range sheet as JSON and CSV, numbers at full precision.

#include <array>
#include <charconv>
#include <cmath>

#include "export/json_writer.h"
#include "export/tuning_export.h"
#include "text/abstimm_texte.h"
#include "text/number_format.h"

namespace ringfeld::tuning {
namespace {

template <double RowValues::*member>
std::optional<double> get(const RowValues& v) {
    return v.*member;
}

std::optional<double> selfResonance(const RowValues& v) { return v.f_self_resonance_MHz; }

constexpr std::array<RowColumn, 23> kRowColumns{{
    {"L_uH", get<&RowValues::L_uH>},
    {"C_total_pF", get<&RowValues::C_total_pF>},
    {"C_self_pF", get<&RowValues::C_self_pF>},
    {"C_tune_pF", get<&RowValues::C_tune_pF>},
    {"X_ohm", get<&RowValues::X_ohm>},
    {"R_radiation_ohm", get<&RowValues::R_radiation_ohm>},
    {"R_skin_ohm", get<&RowValues::R_skin_ohm>},
    {"R_proximity_ohm", get<&RowValues::R_proximity_ohm>},
    {"R_ground_ohm", get<&RowValues::R_ground_ohm>},
    {"R_capacitor_ohm", get<&RowValues::R_capacitor_ohm>},
    {"R_series_ohm", get<&RowValues::R_series_ohm>},
    {"R_total_ohm", get<&RowValues::R_total_ohm>},
    {"efficiency_percent", get<&RowValues::efficiency_percent>},
    {"gain_dBi", get<&RowValues::gain_dBi>},
    {"Q", get<&RowValues::Q>},
    {"bandwidth_halfpower_kHz", get<&RowValues::bandwidth_halfpower_kHz>},
    {"bandwidth_vswr2_kHz", get<&RowValues::bandwidth_vswr2_kHz>},
    {"I_rms_A", get<&RowValues::I_rms_A>},
    {"V_rms_V", get<&RowValues::V_rms_V>},
    {"V_peak_V", get<&RowValues::V_peak_V>},
    {"P_capacitor_W", get<&RowValues::P_capacitor_W>},
    {"f_self_resonance_MHz", selfResonance},
    {"proximity_factor", get<&RowValues::proximity_factor>},
}};

void optionalNumber(JsonWriter& w, std::string_view key, const std::optional<double>& value) {
    w.key(key);
    if (value) w.value(*value);
    else w.null();
}

void number(JsonWriter& w, std::string_view key, double value) {
    w.key(key);
    w.value(value);
}

void flagsJson(JsonWriter& w, const std::vector<Flag>& flags) {
    w.key("flags");
    w.beginArray();
    for (Flag flag : flags) w.value(FlagName(flag));
    w.endArray();
}

// The field texts; `withFrequency` adds Text5, which the sheet's own inputs leave out.
void inputsJson(JsonWriter& w, const LoopEingaben& in, bool withFrequency) {
    w.beginObject();
    const std::pair<const char*, const std::string*> fields[] = {
        {"Text1", &in.Text1}, {"Text2", &in.Text2}, {"Text3", &in.Text3}, {"Text4", &in.Text4},
        {"Text5", &in.Text5}, {"Text6", &in.Text6}, {"Text7", &in.Text7}, {"Text8", &in.Text8},
        {"Text9", &in.Text9}, {"Combo1", &in.Combo1}, {"Combo2", &in.Combo2}};
    for (const auto& [name, text] : fields) {
        if (!withFrequency && text == &in.Text5) continue;
        w.key(name);
        w.value(*text);
    }
    w.endObject();
}

void optionsJson(JsonWriter& w, const SheetOptions& o) {
    w.beginObject();
    number(w, "from_MHz", o.fromMHz);
    number(w, "to_MHz", o.toMHz);
    number(w, "step_MHz", o.stepMHz);
    optionalNumber(w, "capacitor_Q", o.capacitorQ);
    number(w, "ground_ratio", o.groundRatio);
    number(w, "stray_pF", o.strayPf);
    optionalNumber(w, "capacitor_min_pF", o.capMinPf);
    optionalNumber(w, "capacitor_max_pF", o.capMaxPf);
    optionalNumber(w, "capacitor_vpeak_V", o.capVPeakV);
    w.endObject();
}

// The loop's field texts with the row's frequency.
LoopEingaben rowInputs(const LoopEingaben& loop, const SheetRow& row) {
    LoopEingaben in = loop;
    in.Text5 = FrequenzText(row.frequencyMHz);
    return in;
}

void rowJson(JsonWriter& w, const SheetExport& e, const SheetRow& row) {
    w.beginObject();
    number(w, "frequency_MHz", row.frequencyMHz);
    w.key("inputs");
    inputsJson(w, rowInputs(e.loop, row), true);
    w.key("ending");
    w.value(EndingName(row.ending));
    w.key("message");
    if (row.values) w.null();
    else w.value(ZeilenMeldung(e.sheet, row.ending, row.fault, e.lang));
    if (row.values) {
        for (const RowColumn& column : kRowColumns) optionalNumber(w, column.key, column.value(*row.values));
        flagsJson(w, row.values->flags);
    }
    w.endObject();
}

void summaryJson(JsonWriter& w, const Summary& s) {
    w.beginObject();
    number(w, "rows_ok", s.rows_ok);
    number(w, "rows_refused", s.rows_refused);
    optionalNumber(w, "C_tune_max_pF", s.C_tune_max_pF);
    optionalNumber(w, "C_tune_max_at_MHz", s.C_tune_max_at_MHz);
    optionalNumber(w, "C_tune_min_pF", s.C_tune_min_pF);
    optionalNumber(w, "C_tune_min_at_MHz", s.C_tune_min_at_MHz);
    optionalNumber(w, "V_peak_max_V", s.V_peak_max_V);
    optionalNumber(w, "V_peak_max_at_MHz", s.V_peak_max_at_MHz);
    optionalNumber(w, "I_rms_max_A", s.I_rms_max_A);
    optionalNumber(w, "P_capacitor_max_W", s.P_capacitor_max_W);
    w.key("capacitor_covers_MHz");
    if (s.hasCapacitorCover) {
        w.beginArray();
        for (const auto& f : {s.capacitor_covers_from_MHz, s.capacitor_covers_to_MHz}) {
            if (f) w.value(*f);
            else w.null();
        }
        w.endArray();
    } else {
        w.null();
    }
    w.endObject();
}

void measuredJson(JsonWriter& w, const SheetExport& e, const MeasuredResult& m) {
    w.beginObject();
    number(w, "frequency_MHz", m.input.frequencyMHz);
    number(w, "bandwidth_kHz", m.input.bandwidthKHz);
    number(w, "vswr", m.input.vswr);
    w.key("ending");
    w.value(EndingName(m.ending));
    w.key("message");
    if (m.ending == Ending::Ok) w.null();
    else w.value(ZeilenMeldung(e.sheet, m.ending, m.fault, e.lang));
    if (m.ending == Ending::Ok) {
        number(w, "bandwidth_halfpower_kHz", m.bandwidth_halfpower_kHz);
        number(w, "Q", m.Q);
        number(w, "R_total_ohm", m.R_total_ohm);
        number(w, "efficiency_percent", m.efficiency_percent);
        number(w, "gain_dBi", m.gain_dBi);
        number(w, "R_model_ohm", m.R_model_ohm);
        number(w, "R_unexplained_ohm", m.R_unexplained_ohm);
        flagsJson(w, m.flags);
    }
    w.endObject();
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, quotes doubled.
void csvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void csvNumber(std::string& out, double value) {
    if (!std::isfinite(value)) return;  // the engine never gives one; an empty field if it did
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

// Flags in one CSV field, separated by a blank.
constexpr char kCsvFlagSeparator = ' ';

}  // namespace

std::span<const RowColumn> RowColumns() { return kRowColumns; }

std::string SheetJson(const SheetExport& e) {
    const Sheet& sheet = e.sheet;
    JsonWriter w;
    // About 1.2 kB per accepted row.
    w.text().reserve(1024 + sheet.rows.size() * 1280);
    w.beginObject();
    w.key("inputs");
    inputsJson(w, e.loop, false);
    w.key("options");
    optionsJson(w, sheet.options);
    w.key("rows");
    w.beginArray();
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        if (i > 0) w.text() += ',';
        w.newline();  // one row a line
        w.startElement();
        rowJson(w, e, sheet.rows[i]);
    }
    w.newline();
    w.endArray();
    w.key("summary");
    summaryJson(w, sheet.summary);
    w.key("measured");
    if (sheet.measured) measuredJson(w, e, *sheet.measured);
    else w.null();
    w.endObject();
    w.newline();
    return std::move(w.text());
}

std::string SheetCsv(const SheetExport& e) {
    const Sheet& sheet = e.sheet;
    std::string out;
    out.reserve(256 + sheet.rows.size() * 512);
    out += "frequency_MHz,Text5,ending,message";
    for (const RowColumn& column : kRowColumns) (out += ',') += column.key;
    out += ",flags\r\n";
    for (const SheetRow& row : sheet.rows) {
        csvNumber(out, row.frequencyMHz);
        out += ',';
        csvField(out, FrequenzText(row.frequencyMHz));
        out += ',';
        out += EndingName(row.ending);
        out += ',';
        if (!row.values) csvField(out, ZeilenMeldung(sheet, row.ending, row.fault, e.lang));
        for (const RowColumn& column : kRowColumns) {
            out += ',';
            if (!row.values) continue;
            if (const auto value = column.value(*row.values)) csvNumber(out, *value);
        }
        out += ',';
        if (row.values) {
            for (std::size_t i = 0; i < row.values->flags.size(); ++i) {
                if (i) out += kCsvFlagSeparator;
                out += FlagName(row.values->flags[i]);
            }
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace ringfeld::tuning
