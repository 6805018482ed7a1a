// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// ringfeld-calc's arguments read into a plain struct: the main window's field texts,
// each a plain number within its range (or, with --as-typed, any text the window would
// take), the rows' frequencies, the output, and the options of the run chosen, read by
// its own reader (tuning_options, find_options, exposure_options). Every option is an
// entry of option_table.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "cli/exposure_options.h"
#include "cli/find_options.h"
#include "cli/output.h"
#include "cli/vna_options.h"
#include "core/tuning_sheet.h"
#include "design/design.h"
#include "text/loop_fields.h"
#include "text/start_values.h"

namespace ringfeld::cli {

// The rows' frequency field texts: those given one by one (--frequency), then the
// steps of each sweep. A sweep's texts are written when a row asks for them, so the
// longest sweep takes no more memory than a short one.
class RowFrequencies {
public:
    void add(std::string text);  // before any sweep
    void addSweep(double fromMHz, double stepMHz, std::size_t count);
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string operator[](std::size_t row) const;

private:
    struct Sweep {
        std::size_t firstRow;
        double fromMHz, stepMHz;
    };
    std::vector<std::string> given_;
    std::vector<Sweep> sweeps_;
    std::size_t size_ = 0;
};

struct CalcOptions {
    LoopEingaben felder;                         // Text5 is replaced per row by the frequencies below
    RowFrequencies frequenzen;                   // field texts, one row each
    std::string verhaeltnis{kStartVerhaeltnis};  // coupling window's ratio field
    std::string sprache;                         // language code
    OutputFormat format = OutputFormat::Text;
    // --units: what length options are read in and the text table shows lengths
    // in; the fields above hold metric texts whatever was typed.
    Units einheiten = kDefaultUnits;
    // --as-typed: values read as the window reads its fields, no range rules,
    // text and JSON exactly as before the strict rule (JSON without values).
    bool asTyped = false;
    // --tuning: the tuning-range sheet of the loop instead of the rows above.
    std::optional<tuning::SheetOptions> tuning;
    // --save-design: the design to write instead of computing, and the file.
    std::optional<design::Entwurf> entwurf;
    std::string entwurfDatei;
    // --exposure: the safety distances of the rows above, or of the sheet's.
    std::optional<ExposureOptions> exposure;
    // --find: the loop finder's search instead of the rows above.
    std::optional<FindOptions> find;
    // --vna: a swept loop's resonance applied to the loop of the fields above.
    std::optional<VnaOptions> vna;
};

struct ParseOutcome {
    std::optional<CalcOptions> options;  // set when the arguments are usable
    QString usageError;                  // one line naming the option, when they are not
    bool infoShown = false;              // --help or --version: print infoText, exit 0
    QString infoText;
};

// Reads the arguments (without the program name). With --design the fields'
// defaults are the file's, which is read as the window reads it; a file that
// cannot be read is a usage error with the window's message. `storedLanguage` is the language
// the settings store holds, used when --lang is absent or unusable; help and usage
// errors are written in the chosen language. Field texts the program
// derives (the other of diameter and circumference, the coil length) are written
// with `textSeparator` for the text table, as the window would on this system,
// and with a point for JSON.
ParseOutcome ParseCalcArgs(const QStringList& arguments, const std::string& storedLanguage,
                           std::string_view textSeparator = ".");

}  // namespace ringfeld::cli
