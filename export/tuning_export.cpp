// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The tuning-range sheet as JSON and CSV, numbers at full precision.

#include <array>

#include "core/measured_plausibility.h"
#include "export/export_cells.h"
#include "export/json_writer.h"
#include "export/loop_inputs.h"
#include "export/tuning_export.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"
#include "text/number_format.h"

namespace ringfeld::tuning {
namespace {

void optionalNumber(JsonWriter& w, std::string_view key, const std::optional<double>& value) {
    w.key(key);
    if (value)
        w.value(*value);
    else
        w.null();
}

void number(JsonWriter& w, std::string_view key, double value) {
    w.key(key);
    w.value(value);
}

void flagsJson(JsonWriter& w, std::string_view key, const std::vector<Flag>& flags) {
    w.key(key);
    w.beginArray();
    for (Flag flag : flags) w.value(FlagName(flag));
    w.endArray();
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

void rowJson(JsonWriter& w, const SheetExport& e, const SheetRow& row) {
    w.beginObject();
    for (const SheetColumn& column : kSheetColumns) {
        if (!(column.views & kExportView)) continue;
        switch (column.kind) {
            case ColumnKind::Frequency: {
                // The frequency, then how the row ended.
                number(w, column.key, row.frequencyMHz);
                w.key("ending");
                w.value(EndingName(row.ending));
                w.key("message");
                if (row.values)
                    w.null();
                else
                    w.value(ZeilenMeldung(e.sheet, row, e.lang));
                break;
            }
            case ColumnKind::Number:
                if (row.values) optionalNumber(w, column.key, column.value(row));
                break;
            case ColumnKind::Flags:
                if (row.values) flagsJson(w, column.key, row.values->flags);
                break;
        }
    }
    w.endObject();
}

void summaryJson(JsonWriter& w, const Summary& s, const std::optional<VoltageCover>& cover) {
    w.beginObject();
    number(w, "rows_ok", s.rows_ok);
    number(w, "rows_no_capacitor", s.rows_no_capacitor);
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
            if (f)
                w.value(*f);
            else
                w.null();
        }
        w.endArray();
    } else {
        w.null();
    }
    // Where the capacitor also keeps its rating at the loop's power, and the power at
    // which it keeps it over its whole range; null without a rating.
    w.key("capacitor_keeps_rating_MHz");
    if (cover) {
        w.beginArray();
        for (const VoltageCover::Part& p : cover->holds) {
            w.beginArray();
            w.value(p.fromMHz);
            w.value(p.toMHz);
            w.endArray();
        }
        w.endArray();
    } else {
        w.null();
    }
    optionalNumber(w, "capacitor_keeps_rating_up_to_W",
                   cover ? std::optional<double>(cover->holdsAllPowerW) : std::nullopt);
    w.key("capacitor_keeps_rating_complete");
    if (cover)
        w.boolean(cover->complete);
    else
        w.null();
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
    if (m.ending == Ending::Ok)
        w.null();
    else
        w.value(ZeilenMeldung(e.sheet, m.ending, m.fault, e.lang, m.cause));
    if (m.ending == Ending::Ok) {
        number(w, "bandwidth_halfpower_kHz", m.bandwidth_halfpower_kHz);
        number(w, "Q", m.Q);
        number(w, "R_total_ohm", m.R_total_ohm);
        // As the window: a number probably in another unit, or one that cannot be right,
        // gives no efficiency or gain, only the verdict and its sentence.
        const auto judged = JudgeMeasured(m);
        const bool believable = !judged || Believable(judged->verdict);
        optionalNumber(w, "efficiency_percent", believable ? std::optional(m.efficiency_percent) : std::nullopt);
        optionalNumber(w, "gain_dBi", believable ? std::optional(m.gain_dBi) : std::nullopt);
        number(w, "R_model_ohm", m.R_model_ohm);
        number(w, "R_unexplained_ohm", m.R_unexplained_ohm);
        flagsJson(w, "flags", m.flags);
        w.key("verdict");
        w.value(MeasuredVerdictKey(judged ? judged->verdict : MeasuredVerdict::Plausible));
        w.key("note");
        if (const std::string note = MessHinweis(m, e.lang, "."); !note.empty())
            w.value(note);
        else
            w.null();
    }
    w.endObject();
}

// Flags in one CSV field, separated by a blank.
constexpr char kCsvFlagSeparator = ' ';

}  // namespace

void SheetJsonStart(std::string& out, const SheetExport& e) {
    JsonWriter w(out);
    w.beginObject();
    w.key("inputs");
    LoopInputsJson(w, e.loop);
    w.key("options");
    optionsJson(w, e.sheet.options);
    w.key("rows");
    w.beginArray();
}

void SheetJsonRow(std::string& out, const SheetExport& e, const SheetRow& row, std::size_t index) {
    if (index > 0) out += ',';
    out += '\n';  // one row a line
    JsonWriter w(out);
    rowJson(w, e, row);
}

void SheetJsonEnd(std::string& out, const SheetExport& e) {
    out += "\n],";
    JsonWriter w(out);
    w.key("summary");
    summaryJson(w, e.sheet.summary, e.sheet.voltageCover);
    w.key("measured");
    if (e.sheet.measured)
        measuredJson(w, e, *e.sheet.measured);
    else
        w.null();
    w.endObject();
    w.newline();
}

void SheetCsvHeader(std::string& out) {
    LoopInputsCsvHeader(out);
    for (const SheetColumn& column : kSheetColumns) {
        if (!(column.views & kExportView)) continue;
        if (column.kind != ColumnKind::Frequency) out += ',';
        out += column.key;
        if (column.kind == ColumnKind::Frequency) out += ",ending,message";
    }
    out += kCsvLineEnd;
}

void SheetCsvRow(std::string& out, const SheetExport& e, const SheetRow& row) {
    // The loop's inputs lead every line: each line stands on its own.
    LoopInputsCsvCells(out, e.loop);
    for (const SheetColumn& column : kSheetColumns) {
        if (!(column.views & kExportView)) continue;
        switch (column.kind) {
            case ColumnKind::Frequency:
                AppendNumber(out, row.frequencyMHz);
                out += ',';
                out += EndingName(row.ending);
                out += ',';
                if (!row.values) AppendCsvField(out, ZeilenMeldung(e.sheet, row, e.lang));
                break;
            case ColumnKind::Number:
                out += ',';
                if (!row.values) break;
                if (const auto value = column.value(row)) AppendNumber(out, *value);
                break;
            case ColumnKind::Flags:
                out += ',';
                if (!row.values) break;
                for (std::size_t i = 0; i < row.values->flags.size(); ++i) {
                    if (i) out += kCsvFlagSeparator;
                    out += FlagName(row.values->flags[i]);
                }
                break;
        }
    }
    out += kCsvLineEnd;
}

std::string SheetJson(const SheetExport& e) {
    std::string out;
    // About 0.9 kB per accepted row.
    out.reserve(1024 + e.sheet.rows.size() * 1024);
    SheetJsonStart(out, e);
    for (std::size_t i = 0; i < e.sheet.rows.size(); ++i) SheetJsonRow(out, e, e.sheet.rows[i], i);
    SheetJsonEnd(out, e);
    return out;
}

std::string SheetCsv(const SheetExport& e) {
    std::string out;
    out.reserve(256 + e.sheet.rows.size() * 512);
    SheetCsvHeader(out);
    for (const SheetRow& row : e.sheet.rows) SheetCsvRow(out, e, row);
    return out;
}

}  // namespace ringfeld::tuning
