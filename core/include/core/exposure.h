// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Is it safe to transmit here? The loop's RMS current at the tuning-range sheet's total
// loss resistance, its magnetic moment, and for every standard and population the
// distances at which the dipole's fields fall to the limits (core/dipole_fields.h,
// core/exposure_limits.h). Numbers, enumerations and flags only.

#include <array>
#include <optional>
#include <string_view>

#include "core/dipole_fields.h"
#include "core/ending.h"
#include "core/exposure_limits.h"
#include "core/fault.h"
#include "core/loop_model.h"
#include "core/tuning_sheet.h"

namespace ringfeld::exposure {

// The modes offered with their mode factor, average over peak envelope power: FCC OET
// Bulletin 65, Supplement B (edition 97-01), the table of the duty factors of modes
// commonly used by amateurs. Any factor from 0 to 1 may be typed instead.
enum class Mode { Ssb, SsbProcessed, Cw, Fm, Rtty, Data, Carrier };
struct ModeFactor {
    Mode mode;
    std::string_view key;  // language-independent name
    double factor;
};
inline constexpr std::array<ModeFactor, 7> kModeFactors{{
    {Mode::Ssb, "ssb", 0.2},                     // conversational SSB, no speech processing
    {Mode::SsbProcessed, "ssb_processed", 0.4},  // with speech processing
    {Mode::Cw, "cw", 0.4},                       // conversational CW
    {Mode::Fm, "fm", 1.0},
    {Mode::Rtty, "rtty", 1.0},
    {Mode::Data, "data", 1.0},        // AFSK and the other data modes
    {Mode::Carrier, "carrier", 1.0},  // a carrier, e.g. while tuning
}};

// The conservative defaults: a continuous carrier all the time.
inline constexpr double kDefaultModeFactor = 1.0;
inline constexpr double kDefaultTransmitShare = 1.0;

// Where R_total comes from: the sheet's model, or the sheet's measured bandwidth.
enum class CurrentSource { Model, Measured };
constexpr std::string_view CurrentSourceKey(CurrentSource source) {
    return source == CurrentSource::Model ? "model" : "measured";
}

struct Settings {
    double modeFactor = kDefaultModeFactor;     // average over peak envelope power, 0 to 1
    double share6min = kDefaultTransmitShare;   // share of any 6 minutes spent transmitting, 0 to 1
    double share30min = kDefaultTransmitShare;  // share of any 30 minutes spent transmitting, 0 to 1
    CurrentSource source = CurrentSource::Model;
    bool icnirp2010With1998 = false;  // check ICNIRP 2010's nerve-stimulation levels with ICNIRP 1998 too
};
// Whether the factors lie within 0 and 1.
bool SettingsUsable(const Settings& settings);
// The power a table is held against, as a fraction of the peak envelope power: 1 where
// it is not averaged, else the mode factor times the share of its averaging time.
double PowerFraction(const Settings& settings, Averaging averaging);

// Flags of one standard and population, as bits; the names are the export names.
enum LimitFlag : unsigned {
    kOutsideTable = 1u << 0,   // "outside_table": the frequency is outside the table
    kNearConductor = 1u << 1,  // "dipole_near_conductor": the distance lies within 3 loop radii
    kLessThan1cm = 1u << 2,    // "less_than_1cm"
    kMoreThan10km = 1u << 3,   // "more_than_10km"
    kLoopNotSmall = 1u << 4,   // "loop_not_small": N U / lambda above 0.1, the sheet's rr_formula_range
};
inline constexpr std::array<std::pair<LimitFlag, std::string_view>, 5> kLimitFlagNames{{
    {kOutsideTable, "outside_table"},
    {kNearConductor, "dipole_near_conductor"},
    {kLessThan1cm, "less_than_1cm"},
    {kMoreThan10km, "more_than_10km"},
    {kLoopNotSmall, "loop_not_small"},
}};

constexpr std::string_view ComponentKey(Component component) {
    switch (component) {
        case Component::HAxis: return "H_axis";
        case Component::HPlane: return "H_plane";
        case Component::EPlane: return "E_plane";
    }
    return "";
}

// One standard and population at one frequency: each field's distance, the furthest over
// the standard's tables (TablesOf), and the table and field that set the safety distance.
// No limits when none of its tables holds at the frequency.
struct LimitResult {
    std::optional<FieldLimits> limits;          // the governing table's
    LimitTable table = LimitTable::Icnirp1998;  // the governing table
    std::array<Distance, 3> distances{};        // by Component
    std::array<bool, 3> nearConductor{};        // by Component: that distance lies within 3 loop radii
    Distance safety;                            // the furthest of the three
    Component governing = Component::HAxis;
    unsigned flags = 0;  // LimitFlag bits
};

// The loop at the power one averaging takes: the peak envelope power, or the average
// over 6 or 30 minutes.
struct Drive {
    double P_W = 0;
    double I_rms_A = 0;
    double moment_Am2 = 0;
    MagneticDipole dipole;
};

// One frequency of the sheet.
struct Result {
    // The loop at the average over 6 minutes (P * mode factor * 6-minute share); the same
    // over 30 minutes unless the shares differ (drives).
    double P_avg_W = 0;
    double R_total_ohm = 0;  // the one used
    CurrentSource source = CurrentSource::Model;
    double I_rms_A = 0;
    double moment_Am2 = 0;
    double nearRadius_m = 0;  // 3 loop radii: within it the dipole model does not hold
    double V_peak_V = 0;      // the capacitor's peak voltage at the full power (the sheet's), 0 without power
    MagneticDipole dipole;
    std::array<Drive, kAveragings.size()> drives;  // by Averaging
    Settings settings;                             // what it was computed with
    bool loopNotSmall = false;                     // the sheet's rr_formula_range
    std::array<LimitResult, kLimitCount> limits;   // slot LimitIndex(standard, population)
};
const Drive& DriveFor(const Result& result, Averaging averaging);

struct Row {
    double frequencyMHz = 0;
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;    // set when ending == Fault
    std::optional<Result> result;  // set exactly when ending == Ok
};

// R_total measured over the model's at the measured frequency; none when that frequency
// was refused or the measurement is not believable (tuning::JudgeMeasured). A row with the measured source uses its model R_total times this ratio:
// exactly the measured R_total at the measured frequency, and the model's frequency
// dependence elsewhere.
std::optional<double> MeasuredRatio(const tuning::MeasuredResult& measured);

// The exposure of the loop `loop` at a row of its sheet: the row's R_total (or, with
// the measured source and a ratio, the measured one), at the loop's power. A row the
// sheet refused keeps its ending; a step that leaves the finite numbers ends it as a fault.
Row Evaluate(const LoopZahlen& loop, const tuning::SheetRow& row, const Settings& settings,
             std::optional<double> measuredRatio);

// The fields of `result` at `r` metres, by component, at the 6-minute average (its
// dipole); none where one leaves the finite numbers.
std::optional<std::array<double, 3>> FieldsAt(const Result& result, double r);

// Each table of a standard that holds at the result's frequency, on its own: its limits
// (with its averaging) and the distances at the power it is held against.
struct TableResult {
    LimitTable table = LimitTable::Icnirp1998;
    FieldLimits limits;
    double P_W = 0;  // the power it is held against
    std::array<Distance, 3> distances{};
    Distance safety;
    Component governing = Component::HAxis;
};
struct TableResults {
    std::array<TableResult, kMostTablesPerStandard> tables;
    std::size_t count = 0;
};
TableResults TablesAt(const Row& row, Standard standard, Population population);

// Whether a distance lies within the radius inside which the dipole model does not hold
// ("1 cm or less" always does).
bool NearConductor(const Distance& distance, double nearRadius_m);

}  // namespace ringfeld::exposure
