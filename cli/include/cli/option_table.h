// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Every option of ringfeld-calc in one table, in the order --help lists them: its
// name, the placeholder and line --help shows, what its value must be (read and said
// in a usage error), the runs it needs or is refused with, and the fields its parts
// fill in the tuning-range window (--tuning and design files) and in the loop finder
// (--find). The options the runs share (the capacitor's, the losses') are written
// here once; each run's reader (calc_options, tuning_options, find_options,
// exposure_options) takes what it uses from the table.
//
// A new option is one entry plus its use in a reader. An entry that leaves out a
// part does not compile: the help text has no default, the build's
// -Wmissing-field-initializers is an error, and the table's check below catches
// the rest under any compiler (clang 14 does not warn).

#include <QCommandLineParser>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/tuning_sheet.h"
#include "finder/finder_inputs.h"
#include "platform/qt_text.h"
#include "presentation/tuning_inputs.h"
#include "text/catalog/cli_texts.h"
#include "text/catalog/exposure_texts.h"
#include "text/catalog/units_texts.h"
#include "text/catalog/vna_texts.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::cli {

// The options that choose a run other than the rows of --frequency and --sweep, as bits.
enum RunBit : unsigned {
    kNoRun = 0,
    kTuningRun = 1u << 0,    // --tuning
    kFindRun = 1u << 1,      // --find
    kExposureRun = 1u << 2,  // --exposure
    kVnaRun = 1u << 3,       // --vna
};

// The range of a plain number (StrikteZahl).
enum class Range {
    None,         // not a single number
    Positive,     // > 0
    NonNegative,  // >= 0
};

// What a value must be, as a usage error says it ("expected ..."): a plain number
// within a range, in a unit; a sentence of the catalogue; or a text made when it is
// said (a list's entries, a limit). `strict` is false under --as-typed.
using Describe = QString (*)(Language lang, bool strict);
struct Takes {
    Range range = Range::None;
    std::string_view unit;  // with the range; empty for a pure number
    const Tri* sentence = nullptr;
    Describe describe = nullptr;
};
constexpr Takes NoValue() { return {}; }
constexpr Takes Number(Range range, std::string_view unit = {}) { return {range, unit, nullptr, nullptr}; }
constexpr Takes Sentence(const Tri& sentence) { return {Range::None, {}, &sentence, nullptr}; }
constexpr Takes Described(Describe describe) { return {Range::None, {}, nullptr, describe}; }

// The tuning-range window's fields an option's value fills, one part each, the parts
// separated by colons and read as plain numbers; `least` of them must be given. The
// sheet's own check (tuning::PruefeOptionen) names the option by `fault`.
struct SheetParts {
    std::array<tuning::Field, 3> fields{};
    std::size_t count = 0;
    std::size_t least = 0;
    tuning::OptionFault fault = tuning::OptionFault::None;
};
template <typename... Fields>
constexpr SheetParts SheetFields(tuning::OptionFault fault, std::size_t least, Fields... fields) {
    return {{fields...}, sizeof...(Fields), least, fault};
}

// The loop finder's fields an option's value fills: the whole value into one field,
// or parts separated by colons into several (`least` of them given), each read by the
// finder's own rule. Where that rule replaces the option's number (the turns, a list
// for the finder), `rule` says what it takes.
struct FinderParts {
    std::array<finder::Feld, 3> fields{};
    std::size_t count = 0;
    std::size_t least = 0;
    const Tri* rule = nullptr;
};
template <typename... Fields>
constexpr FinderParts FinderFields(std::size_t least, Fields... fields) {
    return {{fields...}, sizeof...(Fields), least, nullptr};
}
constexpr FinderParts FinderByItsRule(const Tri& rule, finder::Feld field) { return {{field}, 1, 1, &rule}; }

struct CalcOption {
    std::string_view name;       // without the dashes
    std::string_view valueName;  // the placeholder in --help; empty for a switch
    Tri help;                    // its line in --help
    Takes takes;                 // what its value must be
    unsigned needs;              // RunBits of which one must be given; kNoRun: none
    unsigned refusedWith;        // RunBits it does not go with
    SheetParts sheet{};          // for --tuning and design files: none, or the fields it fills
    FinderParts finder{};        // for --find: none, or the fields it fills
    // A length: read in the units of --units (LengthFromText), the unit of its
    // placeholder and help being the metric one.
    std::optional<LengthQuantity> length{};
};

namespace describe {
QString Sweep(Language lang, bool strict);
QString Shape(Language lang, bool strict);
QString Material(Language lang, bool strict);
QString Lang(Language lang, bool strict);
QString Format(Language lang, bool strict);
QString Tuning(Language lang, bool strict);
QString Standard(Language lang, bool strict);
QString Population(Language lang, bool strict);
QString CurrentSource(Language lang, bool strict);
QString Shapes(Language lang, bool strict);
QString Materials(Language lang, bool strict);
QString UnitSystems(Language lang, bool strict);
}  // namespace describe

inline constexpr auto kCalcOptions = [] {
    using tuning::Field, tuning::OptionFault, finder::Feld;
    using namespace texte;
    namespace et = exposure::texte;
    constexpr unsigned T = kTuningRun, F = kFindRun, E = kExposureRun, V = kVnaRun;
    return std::to_array<CalcOption>({
        {.name = "help",
         .valueName = "",
         .help = kHelpHelp,
         .takes = NoValue(),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        {.name = "version",
         .valueName = "",
         .help = kHelpVersion,
         .takes = NoValue(),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        {.name = "units",
         .valueName = "system",
         .help = ringfeld::texte::kHelpUnits,
         .takes = Described(describe::UnitSystems),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        // The main window's numbers; with --design their defaults are the file's.
        {.name = "diameter",
         .valueName = "m",
         .help = kHelpDiameter,
         .takes = Number(Range::Positive, "m"),
         .needs = kNoRun,
         .refusedWith = F,
         .length = LengthQuantity::LoopSize},
        {.name = "circumference",
         .valueName = "m",
         .help = kHelpCircumference,
         .takes = Number(Range::Positive, "m"),
         .needs = kNoRun,
         .refusedWith = F,
         .length = LengthQuantity::LoopSize},
        {.name = "conductor",
         .valueName = "mm",
         .help = kHelpConductor,
         .takes = Number(Range::Positive, "mm"),
         .needs = kNoRun,
         .refusedWith = F,
         .length = LengthQuantity::Conductor},
        {.name = "turns",
         .valueName = "n",
         .help = kHelpTurns,
         .takes = Number(Range::Positive),
         .needs = kNoRun,
         .refusedWith = kNoRun,
         .finder = FinderByItsRule(kExpectTurns, Feld::Turns)},  // a list for the finder
        {.name = "length",
         .valueName = "mm",
         .help = kHelpLength,
         .takes = Number(Range::NonNegative, "mm"),
         .needs = kNoRun,
         .refusedWith = F,
         .length = LengthQuantity::Conductor},
        {.name = "frequency",
         .valueName = "MHz",
         .help = kHelpFrequency,
         .takes = Number(Range::Positive, "MHz"),
         .needs = kNoRun,
         .refusedWith = T | F | V},
        {.name = "power",
         .valueName = "W",
         .help = kHelpPower,
         .takes = Number(Range::Positive, "W"),
         .needs = kNoRun,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::Power)},
        {.name = "series-loss",
         .valueName = "Ohm",
         .help = kHelpSeriesLoss,
         .takes = Number(Range::NonNegative, "Ohm"),
         .needs = kNoRun,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::SeriesLoss)},
        {.name = "parallel-loss",
         .valueName = "kOhm",
         .help = kHelpParallelLoss,
         .takes = Number(Range::Positive, "kOhm"),
         .needs = kNoRun,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::ParallelLoss)},
        {.name = "ratio",
         .valueName = "k",
         .help = kHelpRatio,
         .takes = Number(Range::Positive),
         .needs = kNoRun,
         .refusedWith = F},
        // The rows, the lists, the output and design files.
        {.name = "sweep",
         .valueName = "from:to:step",
         .help = kHelpSweep,
         .takes = Described(describe::Sweep),
         .needs = kNoRun,
         .refusedWith = T | F | V},
        {.name = "shape",
         .valueName = "text",
         .help = kHelpShape,
         .takes = Described(describe::Shape),
         .needs = kNoRun,
         .refusedWith = F},
        {.name = "material",
         .valueName = "text",
         .help = kHelpMaterial,
         .takes = Described(describe::Material),
         .needs = kNoRun,
         .refusedWith = F},
        {.name = "lang",
         .valueName = "language",
         .help = kHelpLang,
         .takes = Described(describe::Lang),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        {.name = "format",
         .valueName = "format",
         .help = kHelpFormat,
         .takes = Described(describe::Format),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        {.name = "as-typed",
         .valueName = "",
         .help = kHelpAsTyped,
         .takes = NoValue(),
         .needs = kNoRun,
         .refusedWith = F},
        {.name = "design",
         .valueName = "file",
         .help = kHelpDesign,
         .takes = Sentence(kExpectDesignFile),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        {.name = "save-design",
         .valueName = "file",
         .help = kHelpSaveDesign,
         .takes = Sentence(kExpectDesignFile),
         .needs = kNoRun,
         .refusedWith = kNoRun},
        // The tuning-range sheet; the capacitor's and the ground's options serve the finder too.
        {.name = "tuning",
         .valueName = "from:to:step",
         .help = kHelpTuning,
         .takes = Described(describe::Tuning),
         .needs = kNoRun,
         .refusedWith = F,
         .sheet = SheetFields(OptionFault::Range, 3, Field::From, Field::To, Field::Step)},
        {.name = "cap-q",
         .valueName = "Q",
         .help = kHelpCapQ,
         .takes = Number(Range::Positive),
         .needs = T | F,
         .refusedWith = kNoRun,
         .sheet = SheetFields(OptionFault::CapacitorQ, 1, Field::CapQ),
         .finder = FinderFields(1, Feld::CapQ)},
        {.name = "ground-ratio",
         .valueName = "k",
         .help = kHelpGroundRatio,
         .takes = Number(Range::NonNegative),
         .needs = T | F,
         .refusedWith = kNoRun,
         .sheet = SheetFields(OptionFault::GroundRatio, 1, Field::Ground),
         .finder = FinderFields(1, Feld::Ground)},
        {.name = "stray-c",
         .valueName = "pF",
         .help = kHelpStrayC,
         .takes = Number(Range::NonNegative, "pF"),
         .needs = T | F,
         .refusedWith = kNoRun,
         .sheet = SheetFields(OptionFault::Stray, 1, Field::Stray),
         .finder = FinderFields(1, Feld::Stray)},
        {.name = "cap-range",
         .valueName = "cmin:cmax",
         .help = kHelpCapRange,
         .takes = Sentence(kExpectCapRange),
         .needs = T | F,
         .refusedWith = kNoRun,
         .sheet = SheetFields(OptionFault::CapacitorRange, 2, Field::CapMin, Field::CapMax),
         .finder = FinderFields(2, Feld::CapMin, Feld::CapMax)},
        {.name = "cap-vpeak",
         .valueName = "V",
         .help = kHelpCapVpeak,
         .takes = Number(Range::Positive, "V"),
         .needs = T | F,
         .refusedWith = kNoRun,
         .sheet = SheetFields(OptionFault::CapacitorVoltage, 1, Field::CapVolts),
         .finder = FinderFields(1, Feld::CapVPeak)},
        {.name = "cap-margin",
         .valueName = "x",
         .help = kHelpCapMargin,
         .takes = Sentence(kExpectCapMargin),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::CapMargin)},
        {.name = "measured",
         .valueName = "MHz:kHz[:vswr]",
         .help = kHelpMeasured,
         .takes = Sentence(kExpectMeasured),
         .needs = T,
         .refusedWith = F,
         .sheet = SheetFields(OptionFault::Measured, 2, Field::MeasFreq, Field::MeasBandwidth, Field::MeasVswr)},
        // The safety distances.
        {.name = "exposure",
         .valueName = "",
         .help = et::kHelpExposure,
         .takes = NoValue(),
         .needs = kNoRun,
         .refusedWith = V},
        {.name = "standard",
         .valueName = "name",
         .help = et::kHelpStandard,
         .takes = Described(describe::Standard),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "icnirp2010-with-1998",
         .valueName = "",
         .help = et::kHelpIcnirp2010,
         .takes = NoValue(),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "population",
         .valueName = "name",
         .help = et::kHelpPopulation,
         .takes = Described(describe::Population),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "mode-factor",
         .valueName = "x",
         .help = et::kHelpModeFactor,
         .takes = Sentence(et::kExpectModeFactor),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "tx-share",
         .valueName = "percent",
         .help = et::kHelpTxShare,
         .takes = Sentence(et::kExpectTxShare),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "share-6min",
         .valueName = "percent",
         .help = et::kHelpShare6,
         .takes = Sentence(et::kExpectTxShare),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "share-30min",
         .valueName = "percent",
         .help = et::kHelpShare30,
         .takes = Sentence(et::kExpectTxShare),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "distance",
         .valueName = "[name=]m",
         .help = et::kHelpDistance,
         .takes = Sentence(et::kExpectDistance),
         .needs = E,
         .refusedWith = kNoRun},
        {.name = "current-source",
         .valueName = "source",
         .help = et::kHelpCurrentSource,
         .takes = Described(describe::CurrentSource),
         .needs = E,
         .refusedWith = kNoRun},
        // A swept loop's resonance.
        {.name = "vna",
         .valueName = "file",
         .help = vna::texte::kHelpVna,
         .takes = Sentence(vna::texte::kExpectSweepFile),
         .needs = kNoRun,
         .refusedWith = T | F},
        // The loop finder's search.
        {.name = "find",
         .valueName = "from:to",
         .help = kHelpFind,
         .takes = Sentence(kExpectFind),
         .needs = kNoRun,
         .refusedWith = T,
         .finder = FinderFields(2, Feld::From, Feld::To)},
        {.name = "sizes",
         .valueName = "smin:smax[:step]",
         .help = kHelpSizes,
         .takes = Sentence(kExpectSizes),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(2, Feld::SizeMin, Feld::SizeMax, Feld::SizeStep)},
        {.name = "shapes",
         .valueName = "list",
         .help = kHelpShapes,
         .takes = Described(describe::Shapes),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::Shapes)},
        {.name = "materials",
         .valueName = "list",
         .help = kHelpMaterials,
         .takes = Described(describe::Materials),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::Materials)},
        {.name = "conductors",
         .valueName = "list",
         .help = kHelpConductors,
         .takes = Sentence(kExpectConductors),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::Conductors)},
        {.name = "spacing",
         .valueName = "s",
         .help = kHelpSpacing,
         .takes = Sentence(kExpectSpacing),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::Spacing)},
        {.name = "max-wavelengths",
         .valueName = "x",
         .help = kHelpMaxWavelengths,
         .takes = Sentence(kExpectMaxWavelengths),
         .needs = F,
         .refusedWith = kNoRun,
         .finder = FinderFields(1, Feld::MaxWavelengths)},
        {.name = "top",
         .valueName = "n",
         .help = kHelpTop,
         .takes = Sentence(kExpectTop),
         .needs = F,
         .refusedWith = kNoRun},
    });
}();

// The most rows a sweep may produce.
inline constexpr long long kMaxRows = 1'000'000;

// The run options, by their bit.
inline constexpr std::array<std::pair<RunBit, std::string_view>, 4> kRunOptions{
    {{kTuningRun, "tuning"}, {kFindRun, "find"}, {kExposureRun, "exposure"}, {kVnaRun, "vna"}}};

// What a usage error says of an option given without the runs it needs, for each set
// of runs an option needs, and of one given with a run it is refused with.
inline constexpr std::array<std::pair<unsigned, const Tri*>, 4> kNeedsMessages{
    {{kTuningRun, &texte::kOnlyWithTuning},
     {kTuningRun | kFindRun, &texte::kOnlyWithTuningOrFind},
     {kFindRun, &texte::kOnlyWithFind},
     {kExposureRun, &exposure::texte::kOnlyWithExposure}}};
inline constexpr std::array<std::pair<unsigned, const Tri*>, 3> kRefusedMessages{
    {{kTuningRun, &texte::kNotWithTuning}, {kFindRun, &texte::kNotWithFind}, {kVnaRun, &vna::texte::kNotWithVna}}};

// The entry of the option `name` (without dashes); none for a name the table lacks.
constexpr const CalcOption* OptionNamed(std::string_view name) {
    for (const CalcOption& o : kCalcOptions)
        if (o.name == name) return &o;
    return nullptr;
}

// The same for a name the code spells: a name the table lacks does not compile.
consteval const CalcOption& Option(std::string_view name) {
    if (const CalcOption* o = OptionNamed(name)) return *o;
    throw "ringfeld-calc has no such option";
}

// Whether the option is one number of the main or the coupling window's fields: each
// value given is read by the strict rule and its range, unless --as-typed is given.
constexpr bool FieldNumber(const CalcOption& option) {
    return option.takes.range != Range::None && option.sheet.count == 0;
}

inline bool IsSet(const QCommandLineParser& parser, const CalcOption& option) { return parser.isSet(qs(option.name)); }
inline QString Value(const QCommandLineParser& parser, const CalcOption& option) {
    return parser.value(qs(option.name));
}

namespace option_table_check {

constexpr bool Parts(const CalcOption& o) {
    const SheetParts& s = o.sheet;
    const FinderParts& f = o.finder;
    if (s.count > s.fields.size() || s.least > s.count || f.count > f.fields.size() || f.least > f.count) return false;
    // A sheet option is named by the sheet's check, and the finder's fields take a value in parts or whole.
    if ((s.count > 0) != (s.fault != tuning::OptionFault::None)) return false;
    if (f.count > 0 && f.least == 0) return false;
    return s.count == 0 || s.least > 0;
}

constexpr bool Takes(const CalcOption& o) {
    const cli::Takes& t = o.takes;
    const int ways = int(t.range != Range::None) + int(t.sentence != nullptr) + int(t.describe != nullptr);
    // A switch takes nothing; any other option says what it takes in exactly one way.
    if (o.valueName.empty()) return ways == 0 && t.unit.empty() && o.sheet.count == 0 && o.finder.count == 0;
    return ways == 1 && (t.unit.empty() || t.range != Range::None);
}

constexpr bool Runs(const CalcOption& o) {
    // The run options themselves need none; what an option needs it is not refused with;
    // a usage error can say either.
    for (const auto& [bit, name] : kRunOptions)
        if (o.name == name && o.needs != kNoRun) return false;
    bool said = o.needs == kNoRun;
    for (const auto& [needs, text] : kNeedsMessages) said = said || needs == o.needs;
    unsigned refusals = 0;
    for (const auto& [run, text] : kRefusedMessages) refusals |= run;
    return said && (o.refusedWith & ~refusals) == 0 && (o.needs & o.refusedWith) == 0;
}

constexpr bool Table() {
    for (std::size_t i = 0; i < kCalcOptions.size(); ++i) {
        const CalcOption& o = kCalcOptions[i];
        if (o.name.empty() || o.name.starts_with('-') || !Parts(o) || !Takes(o) || !Runs(o)) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kCalcOptions[j].name == o.name) return false;
    }
    for (const auto& [bit, name] : kRunOptions)
        if (!OptionNamed(name)) return false;
    // Each of the sheet's checks names one option, and each field of the tuning-range
    // window and of the finder is one option's.
    for (std::size_t i = 0; i < kCalcOptions.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (kCalcOptions[i].sheet.count > 0 && kCalcOptions[j].sheet.fault == kCalcOptions[i].sheet.fault)
                return false;
    for (std::size_t field = 0; field < tuning::kFieldCount; ++field) {
        int filled = 0;
        for (const CalcOption& o : kCalcOptions)
            for (std::size_t p = 0; p < o.sheet.count; ++p)
                filled += int(static_cast<std::size_t>(o.sheet.fields[p]) == field);
        if (filled != 1) return false;
    }
    for (std::size_t field = 0; field < finder::kFeldAnzahl; ++field) {
        int filled = 0;
        for (const CalcOption& o : kCalcOptions)
            for (std::size_t p = 0; p < o.finder.count; ++p) filled += int(finder::at(o.finder.fields[p]) == field);
        if (filled != 1) return false;
    }
    return true;
}

}  // namespace option_table_check

static_assert(option_table_check::Table(),
              "every option names itself, says what it takes and which runs it goes with, and fills fields of its own");

// ---- reading and describing by the table

// "a plain number greater than 0 in m, such as 2,25 or 1.5e3", a sentence or a list, in the language.
QString Expected(const CalcOption& option, Language lang, bool strict);
// The same with --find: the finder's rule where it replaces the option's.
QString ExpectedWithFind(const CalcOption& option, Language lang);
// What the option `name` (without dashes) takes; empty for a name the table lacks.
QString ExpectedNamed(const QString& name, Language lang, bool strict);

// Whether a number that passed the strict rule keeps the range.
bool InRange(Range range, double value);
// The option's number when `text` is one plain number within its range.
// A length option's number is read in `units` and given in the calculation's units.
std::optional<double> ReadNumber(const CalcOption& option, std::string_view text, Units units = Units::Metric);

// Adds every option of the table to the parser, its help in `lang` (-h too for --help).
void DefineOptions(QCommandLineParser& parser, Language lang);

// An option given in `parser` that does not go with the run `run` (a RunBit), as a
// usage error: with the run, the first option of the table it is refused with ("--tuning
// cannot be combined with --sweep."); without it, the first option that needs it and
// misses every run it needs ("--cap-q applies only with --tuning or --find."). Empty
// when there is none.
QString RunMisused(const QCommandLineParser& parser, RunBit run, Language lang);

// "Invalid value for --cap-q: '0'; expected ...", the value as `parser` holds it.
QString ValueRefused(const QCommandLineParser& parser, const CalcOption& option, const QString& expected,
                     Language lang);

}  // namespace ringfeld::cli
