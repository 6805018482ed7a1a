// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/tuning_display.h"

#include <charconv>
#include <cmath>

#include "core/measured_plausibility.h"
#include "presentation/tuning_row_texts.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/text_lines.h"

namespace ringfeld::tuning {
namespace {

// The digits of an exponent as superscripts, in UTF-8.
constexpr std::string_view kHochgestellt[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
constexpr std::string_view kHochMinus = "⁻";
constexpr std::string_view kMal10 = "×10";
constexpr int kKompaktStellen = 2;  // decimals of the compact form's mantissa: three significant digits
// No-break space (U+00A0): a label and its value stay on one line.
constexpr std::string_view kFest = "\u00A0";
// Kilohertz in a megahertz and hertz in a kilohertz: the units a bandwidth was probably meant in.
// Decimals of the summary's numbers: capacitance, frequency, voltage, current, power, Q, ohms, percent.
constexpr int kPf = 1, kMhz = 4, kVolt = 0, kAmpere = 2, kWatt = 2, kGuete = 0, kOhm = 4, kProzent = 2;
constexpr int kDecktMhz = 3;

std::string fixed(double value, int decimals, std::string_view sep) {
    char buffer[32];  // below kKompaktAb: at most 9 whole digits, a sign and the decimals of a column
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string out;
    for (const char* p = buffer; p != r.ptr; ++p) {
        if (*p == '.')
            out += sep;
        else
            out += *p;
    }
    return out;
}

std::string kompakt(double value, std::string_view sep) {
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.996 rounds to 10.00: one place up.
    if (std::fabs(mantissa) >= 10 - 0.5 * std::pow(10.0, -kKompaktStellen)) mantissa /= 10, ++exponent;
    std::string out = fixed(mantissa, kKompaktStellen, sep) + std::string(kMal10);
    if (exponent < 0) out += kHochMinus;
    for (char c : std::to_string(std::abs(exponent))) out += kHochgestellt[c - '0'];
    return out;
}

std::string tr(const Tri& text, Language lang) { return std::string(text.in(lang)); }

// Every blank of an item as a no-break space: the item is one unit on a line.
std::string gebunden(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ')
            out += kFest;
        else
            out += c;
    }
    return out;
}

// An unset value shows as a dash.
std::string zahl(const std::optional<double>& value, int decimals, std::string_view sep) {
    const std::string text = value ? FensterZahl(*value, decimals, sep) : std::string();
    return text.empty() ? "–" : text;
}

}  // namespace

std::string FensterZahl(double value, int decimals, std::string_view sep) {
    if (!std::isfinite(value)) return {};
    if (std::fabs(value) >= kKompaktAb) return kompakt(value, sep);
    return fixed(value, decimals, sep);
}

std::string KurzeZahl(double value, int decimals, std::string_view sep) {
    std::string text = FensterZahl(value, decimals, sep);
    if (std::fabs(value) >= kKompaktAb || text.find(sep) == std::string::npos) return text;
    while (text.ends_with('0')) text.pop_back();
    if (text.ends_with(sep)) text.resize(text.size() - sep.size());
    return text;
}

std::string SchleifenZeile(const LoopZahlen& z, Language lang, std::string_view sep, Units units) {
    constexpr int kStellen = 4;  // decimals of the loop's inputs, trailing zeros dropped
    auto n = [&](const Feldzahl& f) { return KurzeZahl(f.wert, kStellen, sep); };
    // A length in the units chosen, with as many decimals.
    auto laenge = [&](const Feldzahl& f, LengthQuantity q) {
        return KurzeZahl(f.wert / UnitOf(q, units).engineUnits, kStellen, sep);
    };
    std::string material;
    for (const MaterialEintrag& m : kMaterialListe)
        if (z.material == m.material) material = tr(m.text, lang);
    std::string muster = tr(FormTexte(z.form).schleife, lang);
    muster += tr(texte::kSchleifeLeiter, lang);
    muster += tr(z.N.wert == 1 ? texte::kSchleifeWindung : texte::kSchleifeWindungen, lang);
    // The coil's length counts for more than one turn only (the model takes d for one).
    if (z.N.wert != 1) muster += tr(texte::kSchleifeSpule, lang);
    muster += tr(z.P.wert > 0 ? texte::kSchleifeLeistung : texte::kSchleifeOhneLeistung, lang);
    return MitWerten(
        muster, {laenge(z.D, LengthQuantity::LoopSize), laenge(z.d, LengthQuantity::Conductor), material, n(z.N),
                 laenge(z.l, LengthQuantity::Conductor), n(z.P), UnitCaption(LengthQuantity::LoopSize, units, lang),
                 UnitCaption(LengthQuantity::Conductor, units, lang)});
}

std::vector<std::string> ZusammenfassungTeile(const Sheet& sheet, Language lang, std::string_view sep) {
    const Summary& s = sheet.summary;
    std::vector<std::string> teile;
    std::string zeilen = texte::kZeilenGueltig.mit(lang, s.rows_ok, std::to_string(s.rows_ok)) +
                         texte::kZeilenVerworfen.mit(lang, s.rows_refused, std::to_string(s.rows_refused));
    if (s.rows_no_capacitor > 0)
        zeilen += MitWert(tr(texte::kZeilenOhneKondensator, lang), std::to_string(s.rows_no_capacitor));
    teile.push_back(gebunden(zeilen));
    if (!sheet.rows.empty() && SheetEndsOffStep(sheet.options))
        teile.push_back(MitWert(tr(texte::kLetzteZeile, lang), KurzeZahl(sheet.rows.back().frequencyMHz, kMhz, sep)));
    if (s.rows_ok > 0) {
        teile.push_back(gebunden(tr(texte::kCSpanneVorsatz, lang) +
                                 MitWerten(tr(texte::kCSpanne, lang),
                                           {zahl(s.C_tune_min_pF, kPf, sep), zahl(s.C_tune_min_at_MHz, kMhz, sep),
                                            zahl(s.C_tune_max_pF, kPf, sep), zahl(s.C_tune_max_at_MHz, kMhz, sep)})));
        if (s.without_power) {
            teile.push_back(tr(texte::kOhneLeistung, lang));
        } else {
            teile.push_back(gebunden(MitWerten(
                tr(texte::kVpeakMax, lang), {zahl(s.V_peak_max_V, kVolt, sep), zahl(s.V_peak_max_at_MHz, kMhz, sep)})));
            teile.push_back(gebunden(MitWert(tr(texte::kIrmsMax, lang), zahl(s.I_rms_max_A, kAmpere, sep))));
        }
        if (!sheet.options.capacitorQ)
            teile.push_back(gebunden(tr(texte::kPKondensator, lang) + tr(texte::kDoppelpunkt, lang) +
                                     tr(texte::kVerlustfrei, lang)));
        else if (!s.without_power)
            teile.push_back(gebunden(tr(texte::kPKondensator, lang) +
                                     MitWert(tr(texte::kPcapMaxNach, lang), zahl(s.P_capacitor_max_W, kWatt, sep))));
    }
    if (s.hasCapacitorCover) {
        if (s.capacitor_covers_from_MHz && s.capacitor_covers_to_MHz)
            teile.push_back(MitWerten(tr(texte::kDeckt, lang), {zahl(s.capacitor_covers_from_MHz, kDecktMhz, sep),
                                                                zahl(s.capacitor_covers_to_MHz, kDecktMhz, sep)}) +
                            DecktSpannung(sheet, lang, sep));
        else
            teile.push_back(MitWerten(tr(texte::kDecktUnbekannt, lang), {zahl(sheet.options.capMinPf, kPf, sep),
                                                                         zahl(sheet.options.capMaxPf, kPf, sep)}));
    }
    return teile;
}

std::string DecktSpannung(const Sheet& sheet, Language lang, std::string_view sep) {
    if (!sheet.voltageCover || !sheet.options.capVPeakV) return {};
    const VoltageCover& c = *sheet.voltageCover;
    // Rounded inwards to the kilohertz and down to 0.1 W: what is said holds.
    constexpr double kKhzJeMhz = 1000, kZehntelJeWatt = 10;
    auto innen = [&](double mhz, bool auf) {
        const double k = mhz * kKhzJeMhz;
        return fixed((auf ? std::ceil(k) : std::floor(k)) / kKhzJeMhz, kDecktMhz, sep);
    };
    const std::string power = KurzeZahl(sheet.loop.P.wert, kMhz, sep),
                      rating = KurzeZahl(*sheet.options.capVPeakV, kMhz, sep);
    const bool ganz = c.holds.size() == 1 && c.complete && c.vPeakMaxV <= *sheet.options.capVPeakV;
    std::string out;
    if (ganz) {
        out = MitWerten(tr(texte::kDecktSpannungGanz, lang), {power, rating});
    } else if (c.holds.empty()) {
        out = MitWerten(tr(texte::kDecktSpannungNirgends, lang), {power, rating});
    } else {
        std::string teile;
        for (const VoltageCover::Part& t : c.holds)
            teile += (teile.empty() ? "" : tr(texte::kDecktUnd, lang)) +
                     MitWerten(tr(texte::kDecktVonBis, lang), {innen(t.fromMHz, true), innen(t.toMHz, false)});
        out = MitWerten(tr(texte::kDecktSpannungTeile, lang), {power, rating, teile});
    }
    if (!c.complete) out += tr(texte::kDecktTeilsAbgelehnt, lang);
    if (!ganz)
        out += MitWert(tr(texte::kDecktLeistung, lang),
                       fixed(std::floor(c.holdsAllPowerW * kZehntelJeWatt) / kZehntelJeWatt, 1, sep));
    return out;
}

std::string HinweisText(const std::vector<Flag>& flags, Language lang, std::string_view join) {
    std::string out;
    for (Flag f : flags) {
        if (!out.empty()) out += join;
        out += texte::FlagText(f).in(lang);
    }
    return out;
}

std::string MessHinweis(const MeasuredResult& m, Language lang, std::string_view sep) {
    constexpr int kStellen = 6;
    const auto j = JudgeMeasured(m);
    if (!j) return {};
    const std::string q = zahl(m.Q, kGuete, sep), modell = zahl(j->modelQ, kGuete, sep);
    const std::string typed = KurzeZahl(m.input.bandwidthKHz, kStellen, sep);
    switch (j->verdict) {
        case MeasuredVerdict::Plausible: return {};
        case MeasuredVerdict::Lossier: return MitWerten(tr(texte::kVerlustreicher, lang), {q, modell});
        case MeasuredVerdict::Impossible:
            return MitWerten(tr(texte::kUnmoeglich, lang), {q, zahl(j->highestQ, kGuete, sep)});
        case MeasuredVerdict::MeantInMHz:
        case MeasuredVerdict::MeantInHz:
            return MitWerten(
                tr(j->verdict == MeasuredVerdict::MeantInMHz ? texte::kWohlMHz : texte::kWohlHz, lang),
                {typed, KurzeZahl(j->otherBandwidthKHz, kStellen, sep), zahl(j->otherQ, kGuete, sep), modell});
    }
    return {};
}

std::string MessErgebnisText(const Sheet& sheet, Language lang, std::string_view sep) {
    if (!sheet.measured) return tr(texte::kKeineMessung, lang);
    const MeasuredResult& m = *sheet.measured;
    const std::string vorsatz = tr(texte::kGemessenVorsatz, lang);
    if (m.ending != Ending::Ok) return vorsatz + ZeilenMeldung(sheet, m.ending, m.fault, lang, m.cause);
    const std::string hinweis = MessHinweis(m, lang, sep);
    // A number probably given in another unit, or one that cannot be right: no efficiency
    // or gain from it, only the sentence.
    if (const auto j = JudgeMeasured(m); j && !Believable(j->verdict)) return vorsatz + hinweis;
    std::string text =
        vorsatz + MitWerten(tr(texte::kGemessen, lang),
                            {zahl(m.Q, kGuete, sep), zahl(m.R_total_ohm, kOhm, sep), zahl(m.R_model_ohm, kOhm, sep),
                             zahl(m.R_unexplained_ohm, kOhm, sep), zahl(m.efficiency_percent, kProzent, sep),
                             zahl(m.gain_dBi, kProzent, sep)});
    if (!m.flags.empty()) text += " · " + HinweisText(m.flags, lang, " · ");
    if (!hinweis.empty()) text += ". " + hinweis;
    return text;
}

}  // namespace ringfeld::tuning
