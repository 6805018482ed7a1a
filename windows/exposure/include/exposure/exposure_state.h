// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the safety-distance window shows and its report prints: the engine's results
// for the main window's loop at its frequency and at the tuning range's frequencies,
// and the same as lines and cells of text in the window's language.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "core/exposure.h"
#include "core/tuning_sheet.h"
#include "presentation/exposure_inputs.h"
#include "text/language.h"
#include "text/loop_fields.h"

namespace ringfeld::exposure {

struct Stand {
    Language lang = Language::German;
    std::string sep = ".";  // the decimal separator numbers are shown with
    LoopEingaben loop;      // the main window's fields
    Eingaben eingaben;      // the window's own
    GeleseneEingaben gelesen;
    std::optional<Row> einzel;  // the main window's frequency; none while an input is unusable
    std::vector<Row> zeilen;    // the tuning range's frequencies; empty without one
    bool hatBereich = false;
    tuning::SheetOptions blatt;                      // the tuning range's options, with one
    std::optional<tuning::MeasuredResult> gemessen;  // the tuning range's measured bandwidth
    std::optional<double> verhaeltnis;               // its R_total over the model's

    std::size_t slot() const { return LimitIndex(eingaben.standard, eingaben.population); }
    const Result* ergebnis() const { return einzel && einzel->result ? &*einzel->result : nullptr; }
};

// Computes everything: the loop at its frequency with the sheet's options (or the
// defaults without a sheet), and every row of `sheet` when it has any.
Stand Berechnen(Language lang, std::string sep, const LoopEingaben& loop, const Eingaben& eingaben,
                const tuning::Sheet* sheet);

// ---- texts

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
// Every standard and population: cells of kNormSpalten; the governing distance's
// column (4 to 6), -1 where there is none.
struct NormZeile {
    QStringList zellen;
    int massgebend = -1;
};
std::vector<NormZeile> NormZeilen(const Stand& stand);
// A row of the tuning range: cells of kFrequenzSpalten.
QStringList FrequenzZellen(const Stand& stand, const Row& row);

}  // namespace ringfeld::exposure
