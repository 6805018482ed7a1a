// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The main window's calculation per frequency as JSON and CSV.

#include "export/loop_export.h"

#include <utility>

#include "core/fault.h"
#include "export/export_cells.h"
#include "export/json_writer.h"
#include "text/text_zu_zahl.h"

namespace ringfeld {
namespace {

constexpr double kVoltsPerKilovolt = 1000;
constexpr double kCentimetresPerMetre = 100;

void inputsJson(JsonWriter& w, const LoopEingaben& in, const std::string& text5, const std::string& ratio) {
    w.beginObject();
    const std::pair<const char*, const std::string*> fields[] = {
        {"Text1", &in.Text1}, {"Text2", &in.Text2},   {"Text3", &in.Text3},   {"Text4", &in.Text4},
        {"Text5", &text5},    {"Text6", &in.Text6},   {"Text7", &in.Text7},   {"Text8", &in.Text8},
        {"Text9", &in.Text9}, {"Combo1", &in.Combo1}, {"Combo2", &in.Combo2}, {"ratio", &ratio}};
    for (const auto& [name, text] : fields) {
        w.key(name);
        w.value(*text);
    }
    w.endObject();
}

void recordJson(JsonWriter& w, const DesignRecord& r) {
    w.beginObject();
    const std::pair<const char*, double> members[] = {
        {"Windungen", r.Windungen},         {"Umfang", r.Umfang},         {"Frequenz", r.Frequenz},
        {"Induktivitaet", r.Induktivitaet}, {"Kapazitaet", r.Kapazitaet}, {"XL", r.XL},
        {"RVerlust", r.RVerlust},           {"RGesamt", r.RGesamt},       {"Guete", r.Guete}};
    for (const auto& [name, value] : members) {
        w.key(name);
        w.value(value);
    }
    w.endObject();
}

void couplingJson(JsonWriter& w, const LoopRow& row) {
    if (!row.ankopplung) {
        w.null();
        return;
    }
    const AnkopplungAusgang& a = *row.ankopplung;
    // The coupling window as it reads after its first calculation.
    w.beginObject();
    w.key("Label11");
    w.value(row.resonanz ? row.resonanz->wert : std::string());
    w.key("Label12");
    w.value(row.resonanz ? row.resonanz->einheit : std::string("KOhm"));
    w.key("Label2");
    w.value(a.label2.value_or(std::string()));
    w.key("Label4");
    w.value(a.label4.value_or(std::string()));
    w.key("outcome");
    w.value(a.art == KopplungsArt::Normal ? "normal" : a.art == KopplungsArt::Bereich ? "range" : "refused");
    w.key("Zusatzhinweis");
    w.value(a.zusatzhinweis.value_or(std::string()));
    if (a.art == KopplungsArt::Abgelehnt && a.meldung) {
        w.key("message");
        w.value(a.meldung->text);
    }
    w.endObject();
}

void valuesJson(JsonWriter& w, const LoopValues& values) {
    w.beginObject();
    for (std::size_t i = 0; i < kValueKeys.size(); ++i) {
        if (!values[i]) continue;
        w.key(kValueKeys[i]);
        w.value(*values[i]);
    }
    w.endObject();
}

void rowJson(JsonWriter& w, const LoopExport& e, const LoopRow& row) {
    w.beginObject();
    w.key("inputs");
    inputsJson(w, e.loop, row.frequenz, e.ratio);
    w.key("ending");
    w.value(EndingName(row.ausgang.ending));
    w.key("message");
    if (row.ausgang.meldung)
        w.value(row.ausgang.meldung->text);
    else
        w.null();
    w.key("shown");
    w.beginObject();
    const auto texts = AngezeigteTexte(row.ausgang);
    for (std::size_t i = 0; i < kResultLabelCount; ++i) {
        w.key(kResultLabelNames[i]);
        w.value(texts[i]);
    }
    w.endObject();
    w.key("tooltip_lbC");
    if (row.ausgang.darstellung.tooltipC)
        w.value(*row.ausgang.darstellung.tooltipC);
    else
        w.null();
    w.key("record");
    recordJson(w, row.record);
    w.key("coupling");
    couplingJson(w, row);
    if (e.values && row.ausgang.ending == Ending::Ok) {
        w.key("values");
        valuesJson(w, ValuesOf(row));
    }
    w.endObject();
}

// The frequency as the calculation reads its field; empty when it reads none.
void frequencyCell(std::string& out, const std::string& text) {
    try {
        AppendNumber(out, TextZuZahl(text));
    } catch (const ArithmeticFault&) {}
}

bool blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

LoopValues ValuesOf(const LoopRow& row) {
    LoopValues v;
    if (row.ausgang.ending != Ending::Ok) return v;
    const LoopWerte& w = row.ausgang.werte;
    // The efficiency and gain are those the window shows: Rr / R divided by the
    // number of turns, as the calculation has always done.
    v = {w.lambdaAnteil,
         w.induktivitaet,
         w.kapazitaet,
         w.eigenkapazitaet,
         w.strahlung,
         w.verlust,
         row.record.RGesamt,
         row.record.XL,
         w.prozent,
         w.gewinn,
         w.guete,
         w.bandbreite,
         w.spannung ? std::optional(*w.spannung * kVoltsPerKilovolt) : std::nullopt};
    const auto& a = row.ankopplung;
    if (a && a->art != KopplungsArt::Abgelehnt) {
        v[kFirstCouplingValue] = a->umfangCm / kCentimetresPerMetre;
        v[kFirstCouplingValue + 1] = a->lkaCm / kCentimetresPerMetre;
        v[kFirstCouplingValue + 2] = a->resonanzOhm;
    }
    return v;
}

std::string MessageLine(std::string_view text) {
    std::string out;
    // The record's line break separates the lines; blanks around each are dropped.
    constexpr std::string_view kBreak = "\r\n";
    while (true) {
        const std::size_t end = text.find(kBreak);
        std::string_view line = text.substr(0, end);
        while (!line.empty() && blank(line.front())) line.remove_prefix(1);
        while (!line.empty() && blank(line.back())) line.remove_suffix(1);
        if (!line.empty()) (out += out.empty() ? "" : " ") += line;
        if (end == std::string_view::npos) return out;
        text.remove_prefix(end + kBreak.size());
    }
}

std::string RowMessage(const LoopRow& row) {
    const auto& a = row.ankopplung;
    if (row.ausgang.meldung) return MessageLine(row.ausgang.meldung->text);
    if (a && a->art == KopplungsArt::Abgelehnt && a->meldung) return MessageLine(a->meldung->text);
    return {};
}

void LoopJsonStart(std::string& out) { out += '['; }

void LoopJsonRow(std::string& out, const LoopExport& e, const LoopRow& row, std::size_t index) {
    if (index > 0) out += ',';
    out += '\n';  // one row a line
    JsonWriter w(out);
    rowJson(w, e, row);
}

void LoopJsonEnd(std::string& out) { out += "\n]\n"; }

void LoopCsvHeader(std::string& out) {
    out += "frequency_MHz,ending";
    for (std::string_view key : kValueKeys) (out += ',') += key;
    (out += ",message") += kCsvLineEnd;
}

void LoopCsvRow(std::string& out, const LoopRow& row) {
    frequencyCell(out, row.frequenz);
    (out += ',') += EndingName(row.ausgang.ending);
    for (const auto& value : ValuesOf(row)) {
        out += ',';
        if (value) AppendNumber(out, *value);
    }
    out += ',';
    AppendCsvQuoted(out, RowMessage(row));
    out += kCsvLineEnd;
}

}  // namespace ringfeld
