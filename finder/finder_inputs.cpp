// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder/finder_inputs.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "presentation/tuning_row_texts.h"
#include "text/catalog/finder_texts.h"
#include "text/length_texts.h"
#include "text/list_texts.h"
#include "text/start_values.h"
#include "text/strict_number.h"
#include "text/text_lines.h"

namespace ringfeld::finder {
namespace {

namespace tt = tuning::texte;

// The most turns a list may name.
constexpr double kMaxWindungen = 1000;

bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

bool gleich(std::string_view a, std::string_view b) {
    auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return klein(x) == klein(y); });
}

// A list's items, separated by commas, semicolons or blanks.
std::vector<std::string> teile(std::string_view text) {
    std::vector<std::string> out;
    std::string item;
    for (char c : text) {
        if (c == ',' || c == ';' || c == ' ' || c == '\t') {
            if (!item.empty()) out.push_back(std::move(item));
            item.clear();
        } else {
            item += c;
        }
    }
    if (!item.empty()) out.push_back(std::move(item));
    return out;
}

template <typename T>
void einmal(std::vector<T>& list, T value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

}  // namespace

FeldTexte FinderVorgaben() {
    return {"7",
            "14.35",
            "10",
            "250",
            "",
            "1.5",
            "",
            "0",
            "0",
            kStartEingaben.Text6,
            kStartEingaben.Text7,
            kStartEingaben.Text9,
            "0.5",
            "2",
            "0.01",
            "circle, square",
            "Cu, Al",
            "6, 8, 10, 12, 15, 18, 22, 28, 35",
            "1, 2, 3",
            "2",
            "0.25"};
}

std::map<std::string, std::string> AlsSchluessel(const FeldTexte& texte) {
    std::map<std::string, std::string> out;
    for (std::size_t i = 0; i < kFeldAnzahl; ++i) out[std::string(kFeldSchluessel[i])] = texte[i];
    return out;
}

FeldTexte AusSchluesseln(const std::map<std::string, std::string>& werte, FeldTexte basis) {
    for (std::size_t i = 0; i < kFeldAnzahl; ++i)
        if (auto it = werte.find(std::string(kFeldSchluessel[i])); it != werte.end()) basis[i] = it->second;
    return basis;
}

std::optional<Form> FormAusText(std::string_view text) {
    for (const FormEintrag& f : kFormListe) {
        if (gleich(text, FormKey(f.form))) return f.form;
        for (const SprachEintrag& s : kSprachen)
            if (gleich(text, f.text.in(s.lang))) return f.form;
    }
    return std::nullopt;
}

std::optional<Material> MaterialAusText(std::string_view text) {
    for (const MaterialEintrag& m : kMaterialListe) {
        for (const MaterialDaten& d : kMaterialien)
            if (d.material == m.material && gleich(text, d.key)) return m.material;
        for (const SprachEintrag& s : kSprachen)
            if (gleich(text, m.text.in(s.lang))) return m.material;
    }
    return std::nullopt;
}

FeldTexte LaengenIn(FeldTexte t, Units from, Units to, std::string_view sep) {
    if (from == to) return t;
    auto carried = [&](std::string_view text, LengthQuantity q) {
        return to == Units::Metric ? MetricText(text, q, from) : LengthTextIn(text, q, from, to, sep);
    };
    for (Feld f : {Feld::SizeMin, Feld::SizeMax, Feld::SizeStep})
        t[at(f)] = carried(t[at(f)], LengthQuantity::LoopSize);
    // A blank inside "1 1/8" belongs to the length: only commas and semicolons separate
    // a list typed in feet and inches.
    const bool blanks = from == Units::Metric;
    std::string list, item;
    auto put = [&] {
        const std::string one = std::exchange(item, {});
        const auto first = one.find_first_not_of(" \t");
        if (first == std::string::npos) return;
        const auto last = one.find_last_not_of(" \t");
        std::string text = carried(std::string_view(one).substr(first, last - first + 1), LengthQuantity::Conductor);
        // An item that is no length keeps its blanks out of the metric list, where they
        // would separate it into numbers read as millimetres: "0.5 0.75" stays one refusal.
        if (to == Units::Metric && text.find_first_of(" \t") != std::string::npos)
            std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
        if (!list.empty()) list += ", ";
        list += text;
    };
    for (char c : t[at(Feld::Conductors)]) {
        if (c == ',' || c == ';' || (blanks && (c == ' ' || c == '\t')))
            put();
        else
            item += c;
    }
    put();
    t[at(Feld::Conductors)] = list;
    return t;
}

FinderGelesen LiesFinder(const FeldTexte& t, Language lang) {
    FinderGelesen out;
    const Language sprache = lang == Language::None ? kStandardSprache : lang;
    auto reason = [&](Feld f, std::string text) {
        if (out.reasons[at(f)].empty()) out.reasons[at(f)] = std::move(text);
    };
    auto tri = [&](const Tri& text) { return std::string(text.in(sprache)); };

    // The single numbers: plain, the required ones given.
    using F = Feld;
    std::array<std::optional<double>, kFeldAnzahl> v;
    for (F f :
         {F::From, F::To, F::CapMin, F::CapMax, F::CapVPeak, F::CapQ, F::Stray, F::Ground, F::Power, F::SeriesLoss,
          F::ParallelLoss, F::SizeMin, F::SizeMax, F::SizeStep, F::Spacing, F::CapMargin, F::MaxWavelengths}) {
        if (blank(t[at(f)])) {
            if (f != F::CapVPeak && f != F::CapQ && f != F::Stray && f != F::Ground) reason(f, tri(tt::kFehlt));
            continue;
        }
        v[at(f)] = StrikteZahl(t[at(f)]);
        if (!v[at(f)]) reason(f, tri(tt::kKeineZahl));
    }
    auto wert = [&](F f) { return v[at(f)]; };
    for (F f : {F::From, F::To, F::CapMin, F::CapMax, F::CapVPeak, F::CapQ, F::Power, F::ParallelLoss, F::SizeMin,
                F::SizeMax, F::SizeStep})
        if (wert(f) && !(*wert(f) > 0)) reason(f, tri(tt::kGroesserNull));
    for (F f : {F::Stray, F::Ground, F::SeriesLoss})
        if (wert(f) && *wert(f) < 0) reason(f, tri(tt::kNichtNegativ));
    if (wert(F::Spacing) && !(*wert(F::Spacing) >= 1)) reason(F::Spacing, tri(texte::kMindestensEins));
    if (wert(F::CapMargin) && !(*wert(F::CapMargin) >= kKleinsteMarge && *wert(F::CapMargin) <= kGroessteMarge))
        reason(F::CapMargin, tri(texte::kMargeBereich));
    if (wert(F::MaxWavelengths) &&
        !(*wert(F::MaxWavelengths) >= kKleinsteWellenlaengen && *wert(F::MaxWavelengths) <= kGroessteWellenlaengen))
        reason(F::MaxWavelengths, tri(texte::kWellenlaengenBereich));
    if (wert(F::From) && wert(F::To) && *wert(F::To) < *wert(F::From)) reason(F::To, tri(tt::kBisKleiner));
    if (wert(F::SizeMin) && wert(F::SizeMax) && *wert(F::SizeMax) < *wert(F::SizeMin))
        reason(F::SizeMax, tri(tt::kBisKleiner));
    if (wert(F::CapMin) && wert(F::CapMax) && *wert(F::CapMin) > *wert(F::CapMax))
        reason(F::CapMin, tri(tt::kMinUeberMax));

    // The lists.
    FinderOptionen o;
    for (const std::string& item : teile(t[at(F::Shapes)])) {
        if (auto form = FormAusText(item))
            einmal(o.shapes, *form);
        else
            reason(F::Shapes, MitWert(texte::kUnbekannt.in(sprache), item));
    }
    for (const std::string& item : teile(t[at(F::Materials)])) {
        if (auto material = MaterialAusText(item))
            einmal(o.materials, *material);
        else
            reason(F::Materials, MitWert(texte::kUnbekannt.in(sprache), item));
    }
    if (o.shapes.empty()) reason(F::Shapes, tri(texte::kEineWaehlen));
    if (o.materials.empty()) reason(F::Materials, tri(texte::kEineWaehlen));
    for (const std::string& item : teile(t[at(F::Conductors)])) {
        const auto d = StrikteZahl(item);
        if (!d) reason(F::Conductors, tri(tt::kKeineZahl));
        if (d && !(*d > 0)) reason(F::Conductors, tri(tt::kGroesserNull));
        if (d) einmal(o.conductorsMm, *d);
    }
    if (o.conductorsMm.empty()) reason(F::Conductors, tri(tt::kFehlt));
    for (const std::string& item : teile(t[at(F::Turns)])) {
        const auto n = StrikteZahl(item);
        if (!n || !(*n >= 1 && *n <= kMaxWindungen && std::floor(*n) == *n))
            reason(F::Turns, tri(texte::kGanzeZahlen));
        else
            einmal(o.turns, static_cast<int>(*n));
    }
    if (o.turns.empty()) reason(F::Turns, tri(tt::kFehlt));

    if (std::any_of(out.reasons.begin(), out.reasons.end(), [](const std::string& r) { return !r.empty(); }))
        return out;
    o.fromText = t[at(F::From)];
    o.toText = t[at(F::To)];
    o.fromMHz = *wert(F::From);
    o.toMHz = *wert(F::To);
    o.sheet.capMinPf = wert(F::CapMin);
    o.sheet.capMaxPf = wert(F::CapMax);
    o.sheet.capVPeakV = wert(F::CapVPeak);
    o.sheet.capacitorQ = wert(F::CapQ);
    o.sheet.strayPf = wert(F::Stray).value_or(0);
    o.sheet.groundRatio = wert(F::Ground).value_or(0);
    o.power = t[at(F::Power)];
    o.seriesLoss = t[at(F::SeriesLoss)];
    o.parallelLoss = t[at(F::ParallelLoss)];
    o.sizeMinM = *wert(F::SizeMin);
    o.sizeMaxM = *wert(F::SizeMax);
    o.sizeStepM = *wert(F::SizeStep);
    o.spacing = *wert(F::Spacing);
    o.capMargin = *wert(F::CapMargin);
    o.maxWavelengths = *wert(F::MaxWavelengths);
    o.listenSprache = sprache;
    const auto groessen = GroessenAnzahl(o);
    if (!groessen || KandidatenAnzahl(o) > kMaxKandidaten) {
        reason(F::SizeStep, tri(texte::kZuVieleKandidaten));
        return out;
    }
    // The sheet's own check has the last word (a bound that is not finite, say).
    tuning::SheetOptions sheet = o.sheet;
    sheet.fromMHz = o.fromMHz;
    sheet.toMHz = o.toMHz;
    sheet.stepMHz = o.toMHz > o.fromMHz ? (o.toMHz - o.fromMHz) / kSchritte : 1;
    static constexpr std::pair<tuning::OptionFault, F> kWo[] = {{tuning::OptionFault::Range, F::To},
                                                                {tuning::OptionFault::CapacitorQ, F::CapQ},
                                                                {tuning::OptionFault::GroundRatio, F::Ground},
                                                                {tuning::OptionFault::Stray, F::Stray},
                                                                {tuning::OptionFault::CapacitorRange, F::CapMin},
                                                                {tuning::OptionFault::CapacitorVoltage, F::CapVPeak}};
    const tuning::OptionFault fault = tuning::PruefeOptionen(sheet);
    for (const auto& [which, field] : kWo)
        if (fault == which) {
            reason(field, tri(tt::kUngueltig));
            return out;
        }
    out.options = std::move(o);
    return out;
}

}  // namespace ringfeld::finder
