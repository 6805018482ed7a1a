// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the safety-distance window shows and its report prints: the engine's results
// for the main window's loop at its frequency and at the tuning range's frequencies,
// and the same as lines and cells of text in the window's language.

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/exposure.h"
#include "core/exposure_summary.h"
#include "core/tuning_sheet.h"
#include "presentation/exposure_inputs.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::exposure {

struct Stand {
    Language lang = Language::German;
    std::string sep = ".";        // the decimal separator numbers are shown with
    Units units = Units::Metric;  // the units distances are typed and shown in
    LoopEingaben loop;            // the main window's fields
    Eingaben eingaben;            // the window's own
    GeleseneEingaben gelesen;
    std::optional<Row> einzel;  // the main window's frequency; none while an input is unusable
    std::vector<Row> zeilen;    // the tuning range's frequencies; empty without one
    bool hatBereich = false;
    tuning::SheetOptions blatt;                      // the tuning range's options, with one
    std::optional<tuning::MeasuredResult> gemessen;  // the tuning range's measured bandwidth
    std::optional<double> verhaeltnis;               // its R_total over the model's
    Summary summary;                                 // over the frequencies in use (genutzt), with gelesen.places
    std::vector<RowGroup> gruppen;                   // the tuning range's rows grouped, for the chosen slot

    std::size_t slot() const { return LimitIndex(eingaben.standard, eingaben.population); }
    const Result* ergebnis() const { return einzel && einzel->result ? &*einzel->result : nullptr; }
    // The frequencies in use: the tuning range's, or the main window's alone.
    std::span<const Row> genutzt() const {
        if (hatBereich) return zeilen;
        return einzel ? std::span<const Row>(&*einzel, 1) : std::span<const Row>();
    }
    // The row of the worst case of the chosen slot (the chart shows it), else the main window's.
    const Row* schlimmsteZeile() const;
};

// Computes everything: the loop at its frequency with the sheet's options (or the
// defaults without a sheet), and every row of `sheet` when it has any; `loop` in metric
// texts, the places of `eingaben` in `units`.
Stand Berechnen(Language lang, std::string sep, Units units, const LoopEingaben& loop, const Eingaben& eingaben,
                const tuning::Sheet* sheet);

// ---- texts

// A catalogue text whose "%1" stands for the distances' unit (a heading, the chart's axis).
QString MitAbstandEinheit(const Tri& text, Units units, Language lang);

// The inputs as caption and value with its unit: the loop's, and the window's with the
// tuning range's.
struct Eingabe {
    QString caption, wert;
};
struct EingabenListe {
    std::vector<Eingabe> schleife, betrieb;
};
EingabenListe EingabenZeilen(const Stand& stand);

// The loop's current, the limits and the distances at the main window's frequency,
// each a line; a refusal or the request to check the inputs in `werte` alone.
struct ErgebnisTexte {
    QString werte, grenzen, abstaende;
    QStringList zeilen() const;  // those that are not empty
};
ErgebnisTexte ErgebnisZeilen(const Stand& stand);
// The notes under the result: flags, the capacitor's field, the measured source.
QStringList Hinweise(const Stand& stand);
// The headline: the largest safety distance of the chosen standard and population over
// the frequencies in use, naming its frequency, field and table; empty without one.
QString Kopfzeile(const Stand& stand);
// Every standard and population: cells of kNormSpalten; the governing distance's
// column (4 to 6), -1 where there is none. A distance within 3 loop radii carries
// kNahZeichen, explained by NahHinweis.
struct NormZeile {
    QStringList zellen;
    int massgebend = -1;
};
std::vector<NormZeile> NormZeilen(const Stand& stand);
QString NahHinweis(const Stand& stand);
// A group of rows of the tuning range: cells of kFrequenzSpalten, the frequency as a span.
QStringList FrequenzZellen(const Stand& stand, const RowGroup& group);
// How each table of the chosen standard is averaged at the worst case's frequency.
QString MittelungZeile(const Stand& stand);

// A named place against each standard for the chosen population (kStandards' order):
// "87.3 % – yes", and the raw fields (V/m, A/m) for a tooltip; an empty cell where no
// table holds or the place's distance is unusable.
struct OrtZellen {
    QStringList urteile;  // by standard
    QStringList felder;   // by standard
    std::vector<int> ok;  // by standard: 1 kept, 0 exceeded, -1 no verdict
};
OrtZellen OrtUrteile(const Stand& stand, std::size_t typedPlace);
// Each place's verdict sentences, for the report.
QStringList OrtSaetze(const Stand& stand);

}  // namespace ringfeld::exposure
