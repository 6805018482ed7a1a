// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "presentation/tuning_report_inputs.h"

#include <array>

#include "presentation/tuning_row_texts.h"
#include "text/catalog/shape_texts.h"
#include "text/length_texts.h"
#include "text/loop_field_units.h"
#include "text/text_lines.h"
#include "text/window_texts.h"

namespace ringfeld::tuning {
namespace {

std::string ohneRand(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// A caption of the window without its mnemonic marker and its colon.
std::string ohneMarke(std::string_view caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
    return out;
}

std::string fenster(const char* name, Language lang) { return ohneMarke(Beschriftung(TextWindow::Tuning, name, lang)); }

// The window's fields by group, with their labels (in the order of Field).
struct Gruppe {
    const char* name;
    Field von, bis;
};
constexpr std::array<Gruppe, 3> kGruppen{{
    {"grpBereich", Field::From, Field::Step},
    {"grpVerluste", Field::CapQ, Field::CapVolts},
    {"grpMessung", Field::MeasFreq, Field::MeasVswr},
}};
constexpr std::array<const char*, kFieldCount> kLabels{"lblVon",  "lblBis",          "lblSchritt",        "lblGuete",
                                                       "lblErde", "lblStreu",        "lblCmin",           "lblCmax",
                                                       "lblUmax", "lblMessFrequenz", "lblMessBandbreite", "lblMessSwr"};

// The fields whose options stand or fall together: a reason in one leaves all out.
int teil(Field f) {
    if (f == Field::CapMin || f == Field::CapMax) return 1;
    if (f == Field::CapVolts) return 2;
    if (f >= Field::MeasFreq) return 3;
    return 0;
}

}  // namespace

std::vector<EingabeGruppe> BerichtEingaben(const LoopEingaben& metric, const FieldTexts& felder, std::string_view band,
                                           Language lang, Units units) {
    auto tr = [lang](const Tri& t) { return std::string(t.in(lang)); };
    std::vector<EingabeGruppe> out;

    // The loop: only what the model reads; the coil's length for several turns only.
    EingabeGruppe schleife{tr(texte::kBerichtSchleife), {}};
    const LoopZahlen zahlen = LoopLesen(metric);
    const LoopEingaben loop = InputsIn(metric, units, Dezimaltrenner(lang));
    // A length's caption names its unit ("%1") from the units table; the numbers as typed,
    // with the language's separator (a list entry has none).
    auto add = [&](const Tri& caption, const std::string& text, LengthQuantity unit = LengthQuantity::LoopSize) {
        schleife.zeilen.push_back({WithUnit(tr(caption), unit, units, lang), MitTrenner(ohneRand(text), lang)});
    };
    add(texte::kBerichtForm, loop.Combo1);
    add(texte::kBerichtMaterial, loop.Combo2);
    add(FormTexte(zahlen.form).bericht, loop.Text1);
    add(texte::kBerichtUmfang, loop.Text2);
    add(texte::kBerichtLeiter, loop.Text3, LengthQuantity::Conductor);
    add(texte::kBerichtWindungen, loop.Text4);
    if (zahlen.N.wert != 1) add(texte::kBerichtSpule, loop.Text8, LengthQuantity::Conductor);
    add(texte::kBerichtLeistung, loop.Text6);
    add(texte::kBerichtSerie, loop.Text7);
    add(texte::kBerichtParallel, loop.Text9);
    out.push_back(std::move(schleife));

    // The window's groups: the fields given; a group part with a reason was not used.
    const ReadOptions gelesen = LiesOptionen(felder, lang);
    std::array<std::string, 4> teilGrund;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        std::string& grund = teilGrund[static_cast<std::size_t>(teil(static_cast<Field>(i)))];
        if (grund.empty()) grund = gelesen.reasons[i];
    }
    // Without a measured frequency and bandwidth nothing was measured: the VSWR alone is no input.
    const bool gemessen = !ohneRand(felder[static_cast<std::size_t>(Field::MeasFreq)]).empty() ||
                          !ohneRand(felder[static_cast<std::size_t>(Field::MeasBandwidth)]).empty();
    for (const Gruppe& g : kGruppen) {
        if (g.von == Field::MeasFreq && !gemessen) continue;
        EingabeGruppe gruppe{fenster(g.name, lang), {}};
        if (g.von == Field::From && !band.empty())
            gruppe.zeilen.push_back({fenster("lblBand", lang), std::string(band)});
        for (auto f = static_cast<std::size_t>(g.von); f <= static_cast<std::size_t>(g.bis); ++f) {
            const std::string text = ohneRand(felder[f]);
            if (text.empty()) continue;
            const std::string& grund = teilGrund[static_cast<std::size_t>(teil(static_cast<Field>(f)))];
            std::string wert = MitTrenner(text, lang);
            if (!grund.empty()) wert += " – " + MitWert(tr(texte::kBerichtVerworfen), grund);
            gruppe.zeilen.push_back({fenster(kLabels[f], lang), std::move(wert)});
        }
        if (!gruppe.zeilen.empty()) out.push_back(std::move(gruppe));
    }
    return out;
}

}  // namespace ringfeld::tuning
