// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/tuning_run.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

#include "text/number_format.h"
#include "text/strict_number.h"
#include "cli/numeric_options.h"
#include "cli/usage_errors.h"
#include "text/abstimm_texte.h"
#include "export/tuning_export.h"
#include "platform/qt_text.h"

namespace ringfeld::cli {
namespace {

using tuning::Flag;
using tuning::RowValues;
using tuning::Sheet;
using tuning::SheetOptions;


struct TuningOption {
    std::string_view name, valueName;
    const Tri& help;
};

constexpr std::array<TuningOption, 7> kTuningOptions{{
    {"tuning", "from:to:step", texte::kHelpTuning},
    {"cap-q", "Q", texte::kHelpCapQ},
    {"ground-ratio", "k", texte::kHelpGroundRatio},
    {"stray-c", "pF", texte::kHelpStrayC},
    {"cap-range", "cmin:cmax", texte::kHelpCapRange},
    {"cap-vpeak", "V", texte::kHelpCapVpeak},
    {"measured", "MHz:kHz[:vswr]", texte::kHelpMeasured},
}};

// The single numbers, read and described as the loop's numeric options are.
constexpr NumericOption kCapQ{"cap-q", "Q", "", RangeRule::Positive, {"", "", ""}};
constexpr NumericOption kGroundRatio{"ground-ratio", "k", "", RangeRule::NonNegative, {"", "", ""}};
constexpr NumericOption kStray{"stray-c", "pF", "pF", RangeRule::NonNegative, {"", "", ""}};
constexpr NumericOption kVPeak{"cap-vpeak", "V", "V", RangeRule::Positive, {"", "", ""}};

QString expectedFor(std::string_view name, Language lang) {
    if (name == "tuning") return qs(texte::kExpectTuning, lang).arg(tuning::kMaxSheetRows);
    if (name == "cap-range") return qs(texte::kExpectCapRange, lang);
    if (name == "measured") return qs(texte::kExpectMeasured, lang);
    for (const NumericOption* o : {&kCapQ, &kGroundRatio, &kStray, &kVPeak})
        if (name == o->name) return ExpectedNumber(*o, lang);
    return {};
}

// COUNT numbers separated by colons, each plain (StrikteZahl).
std::optional<std::vector<double>> numbers(const QString& text, qsizetype least, qsizetype most) {
    const QStringList parts = text.split(':');
    if (parts.size() < least || parts.size() > most) return std::nullopt;
    std::vector<double> out;
    for (const QString& part : parts) {
        const auto value = StrikteZahl(part.toStdString());
        if (!value) return std::nullopt;
        out.push_back(*value);
    }
    return out;
}

std::string_view optionOf(tuning::OptionFault fault) {
    switch (fault) {
        case tuning::OptionFault::Range: return "tuning";
        case tuning::OptionFault::CapacitorQ: return "cap-q";
        case tuning::OptionFault::GroundRatio: return "ground-ratio";
        case tuning::OptionFault::Stray: return "stray-c";
        case tuning::OptionFault::CapacitorRange: return "cap-range";
        case tuning::OptionFault::CapacitorVoltage: return "cap-vpeak";
        case tuning::OptionFault::Measured: return "measured";
        case tuning::OptionFault::None: break;
    }
    return {};
}

}  // namespace

QString TuningExpected(const QString& name, Language lang) { return expectedFor(name.toStdString(), lang); }

void DefineTuningOptions(QCommandLineParser& parser, Language lang) {
    for (const TuningOption& o : kTuningOptions)
        parser.addOption(QCommandLineOption(qs(o.name), qs(o.help, lang), qs(o.valueName)));
}

TuningParse ParseTuningOptions(const QCommandLineParser& parser, Language lang) {
    TuningParse out;
    if (!parser.isSet("tuning")) {
        for (const TuningOption& o : kTuningOptions)
            if (parser.isSet(qs(o.name))) out.usageError = qs(texte::kOnlyWithTuning, lang).arg("--" + qs(o.name));
        return out;
    }
    for (const char* other : {"frequency", "sweep"})
        if (parser.isSet(other)) {
            out.usageError = qs(texte::kNotWithTuning, lang).arg("--" + QString(other));
            return out;
        }
    auto refuse = [&](std::string_view name) {
        out.usageError = UsageError(lang, "--" + qs(name), parser.value(qs(name)), expectedFor(name, lang));
        return out;
    };
    // Each option's numbers, or none when it is absent; a value that does not read refuses.
    bool unreadable = false;
    std::string_view unreadableName;
    auto read = [&](std::string_view name, qsizetype least, qsizetype most) -> std::optional<std::vector<double>> {
        if (unreadable || !parser.isSet(qs(name))) return std::nullopt;
        auto values = numbers(parser.value(qs(name)), least, most);
        if (!values) unreadable = true, unreadableName = name;
        return values;
    };

    SheetOptions o;
    const auto range = read("tuning", 3, 3);
    const auto capQ = read("cap-q", 1, 1);
    const auto ground = read("ground-ratio", 1, 1);
    const auto stray = read("stray-c", 1, 1);
    const auto capRange = read("cap-range", 2, 2);
    const auto vPeak = read("cap-vpeak", 1, 1);
    const auto measured = read("measured", 2, 3);
    if (unreadable) return refuse(unreadableName);
    o.fromMHz = (*range)[0], o.toMHz = (*range)[1], o.stepMHz = (*range)[2];
    if (!(o.fromMHz > 0)) return refuse("tuning");
    if (capQ) o.capacitorQ = (*capQ)[0];
    if (ground) o.groundRatio = (*ground)[0];
    if (stray) o.strayPf = (*stray)[0];
    if (capRange) o.capMinPf = (*capRange)[0], o.capMaxPf = (*capRange)[1];
    if (vPeak) o.capVPeakV = (*vPeak)[0];
    if (measured) o.measured = tuning::Messung{(*measured)[0], (*measured)[1], measured->size() > 2 ? (*measured)[2] : 2};
    if (const auto fault = tuning::PruefeOptionen(o); fault != tuning::OptionFault::None) return refuse(optionOf(fault));
    out.options = o;
    return out;
}

namespace {

// ---- the text table

struct Column {
    Tri name;
    std::string_view unit;
    Muster pattern;
    double RowValues::*member;
};

constexpr Muster kMhz{"0.0#####"};
constexpr Muster kOne{"0.0"};
constexpr Muster kTwo{"0.00"};
constexpr Muster kOhm{"0.00000"};
constexpr Muster kSigned{"0.00;-0.00"};
constexpr Muster kWhole{"0"};
constexpr Muster kSignedOhm{"0.00000;-0.00000"};
constexpr Muster kCoverMhz{"0.0##"};

constexpr std::array<Column, 15> kColumns{{
    {{"C Kond.", "C cond.", "C tune"}, "pF", kOne, &RowValues::C_tune_pF},
    {{"X", "X", "X"}, "Ohm", kOne, &RowValues::X_ohm},
    {{"Rr", "Rr", "Rr"}, "Ohm", kOhm, &RowValues::R_radiation_ohm},
    {{"Rv", "Rv", "Rskin"}, "Ohm", kOhm, &RowValues::R_skin_ohm},
    {{"R Prox.", "R prox.", "R prox"}, "Ohm", kOhm, &RowValues::R_proximity_ohm},
    {{"R Erde", "R sol", "R ground"}, "Ohm", kOhm, &RowValues::R_ground_ohm},
    {{"R Kond.", "R cond.", "R cap"}, "Ohm", kOhm, &RowValues::R_capacitor_ohm},
    {{"R ges.", "R tot.", "R total"}, "Ohm", kOhm, &RowValues::R_total_ohm},
    {{"η", "η", "η"}, "%", kTwo, &RowValues::efficiency_percent},
    {{"Gewinn", "Gain", "Gain"}, "dBi", kSigned, &RowValues::gain_dBi},
    {{"Güte", "Q", "Q"}, "", kWhole, &RowValues::Q},
    {{"B 3 dB", "B 3 dB", "B 3 dB"}, "kHz", kTwo, &RowValues::bandwidth_halfpower_kHz},
    {{"B SWR 2", "B ROS 2", "B VSWR 2"}, "kHz", kTwo, &RowValues::bandwidth_vswr2_kHz},
    {{"I", "I", "I"}, "A", kTwo, &RowValues::I_rms_A},
    {{"Uc Spitze", "Uc crête", "Vc peak"}, "V", kWhole, &RowValues::V_peak_V},
}};
constexpr Column kCapacitorPower{{"P Kond.", "P cond.", "P cap"}, "W", kTwo, &RowValues::P_capacitor_W};

QString flagsText(const std::vector<Flag>& flags, Language lang) {
    QStringList texts;
    for (Flag flag : flags) texts << qs(tuning::texte::FlagText(flag), lang);
    return texts.join("; ");
}

struct Format {
    std::string_view sep;
    QString operator()(double value, const Muster& pattern) const { return qs(FormatZahl(value, pattern, sep)); }
    QString operator()(const std::optional<double>& value, const Muster& pattern) const {
        return value ? (*this)(*value, pattern) : QStringLiteral("-");
    }
};

QString tableText(const Sheet& sheet, Language lang, const Format& fmt) {
    static constexpr Tri kNotes{"Hinweise", "Remarques", "Notes"};
    const bool capacitorLoss = sheet.options.capacitorQ.has_value();
    std::vector<QStringList> table(2);
    table[0] << "f";
    table[1] << "[MHz]";
    auto header = [&](const Column& c) {
        table[0] << qs(c.name, lang);
        table[1] << (c.unit.empty() ? QString() : "[" + qs(c.unit) + "]");
    };
    for (const Column& c : kColumns) header(c);
    if (capacitorLoss) header(kCapacitorPower);
    table[0] << qs(kNotes, lang);
    table[1] << QString();
    for (const auto& row : sheet.rows) {
        QStringList cells{fmt(row.frequencyMHz, kMhz)};
        if (row.values) {
            for (const Column& c : kColumns) cells << fmt((*row.values).*c.member, c.pattern);
            if (capacitorLoss) cells << fmt((*row.values).*kCapacitorPower.member, kCapacitorPower.pattern);
            cells << flagsText(row.values->flags, lang);
        }
        table.push_back(cells);
    }
    std::vector<qsizetype> width(table[0].size());
    for (const QStringList& cells : table)
        for (qsizetype i = 0; i + 1 < cells.size(); ++i) width[i] = std::max(width[i], cells[i].size());
    QString out;
    for (std::size_t r = 0; r < table.size(); ++r) {
        QString line;
        const QStringList& cells = table[r];
        for (qsizetype i = 0; i < cells.size(); ++i)
            line += (i ? "  " : "") + (i + 1 < cells.size() ? cells[i].rightJustified(width[i]) : cells[i]);
        while (line.endsWith(' ')) line.chop(1);
        out += line + '\n';
        if (r >= 2 && !sheet.rows[r - 2].values) {
            const tuning::SheetRow& row = sheet.rows[r - 2];
            out += "    ! " + qs(tuning::ZeilenMeldung(sheet, row.ending, row.fault, lang)) + '\n';
        }
    }
    return out;
}

QString summaryText(const Sheet& sheet, Language lang, const Format& fmt) {
    using tuning::texte::kCSpanne, tuning::texte::kPKondensator;
    const tuning::Summary& s = sheet.summary;
    QString out = qs(texte::kSummaryRows, lang).arg(s.rows_ok).arg(s.rows_refused) + '\n';
    if (s.rows_ok > 0) {
        out += (qs(texte::kSummaryCapacitor, lang) + qs(kCSpanne, lang)).arg(fmt(s.C_tune_min_pF, kOne), fmt(s.C_tune_min_at_MHz, kMhz),
                                        fmt(s.C_tune_max_pF, kOne), fmt(s.C_tune_max_at_MHz, kMhz)) + '\n';
        out += (qs(texte::kSummaryPeak, lang) + qs(kPKondensator, lang) + qs(texte::kSummaryPeakPower, lang)).arg(fmt(s.V_peak_max_V, kWhole), fmt(s.V_peak_max_at_MHz, kMhz),
                                   fmt(s.I_rms_max_A, kTwo), fmt(s.P_capacitor_max_W, kTwo)) + '\n';
    }
    if (s.hasCapacitorCover)
        out += qs(texte::kSummaryCover, lang).arg(fmt(sheet.options.capMinPf, kOne), fmt(sheet.options.capMaxPf, kOne),
                                    fmt(s.capacitor_covers_from_MHz, kCoverMhz), fmt(s.capacitor_covers_to_MHz, kCoverMhz)) + '\n';
    return out + qs(texte::kSummaryEfficiency, lang) + '\n';
}

QString measuredText(const Sheet& sheet, const tuning::MeasuredResult& m, Language lang, const Format& fmt) {
    QString out = (qs(tuning::texte::kGemessenVorsatz, lang) + qs(texte::kMeasuredGiven, lang)).arg(fmt(m.input.bandwidthKHz, kMhz), fmt(m.input.vswr, kMhz),
                                       fmt(m.input.frequencyMHz, kMhz)) + '\n';
    if (m.ending != Ending::Ok) return out + "    ! " + qs(tuning::ZeilenMeldung(sheet, m.ending, m.fault, lang)) + '\n';
    out += qs(texte::kMeasuredResult, lang).arg(fmt(m.bandwidth_halfpower_kHz, kTwo), fmt(m.Q, kWhole), fmt(m.R_total_ohm, kOhm),
                                 fmt(m.efficiency_percent, kTwo), fmt(m.gain_dBi, kSigned), fmt(m.R_model_ohm, kOhm),
                                 fmt(m.R_unexplained_ohm, kSignedOhm)) + '\n';
    if (!m.flags.empty()) out += "  " + flagsText(m.flags, lang) + '\n';
    return out;
}

}  // namespace

QByteArray RenderTuning(const LoopEingaben& l, const Sheet& sheet, TuningFormat format, Language lang,
                        std::string_view sep) {
    if (format == TuningFormat::Json) {
        const std::string json = tuning::SheetJson({l, sheet, lang});
        return QByteArray(json.data(), static_cast<qsizetype>(json.size()));
    }
    if (format == TuningFormat::Csv) {
        const std::string csv = tuning::SheetCsv({l, sheet, lang});
        return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
    }
    const Format fmt{sep};
    // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
    QString out = QStringLiteral("%1, %2: D = %3 m, U = %4 m, d = %5 mm, N = %6, l = %7 mm, P = %8 W, Rs = %9 Ohm")
                      .arg(qs(l.Combo1), qs(l.Combo2), qs(l.Text1), qs(l.Text2), qs(l.Text3), qs(l.Text4), qs(l.Text8),
                           qs(l.Text6), qs(l.Text7)) +
                  ", Rp = " + qs(l.Text9) + " kOhm\n";
    out += tableText(sheet, lang, fmt) + '\n' + summaryText(sheet, lang, fmt);
    if (sheet.measured) out += measuredText(sheet, *sheet.measured, lang, fmt);
    return out.toUtf8();
}

int TuningExitCode(const Sheet& sheet) {
    if (sheet.summary.rows_refused > 0) return 1;
    return sheet.measured && sheet.measured->ending != Ending::Ok ? 1 : 0;
}

}  // namespace ringfeld::cli
