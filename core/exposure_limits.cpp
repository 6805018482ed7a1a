// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The reference levels as data: each table row as published, a value = coefficient /
// f^exponent with f in MHz (exponent 0: constant). Only the rows from the lowest
// frequency a loop is computed for up to 400 MHz are kept, with their E and H columns.
//
// Where a row boundary is shared ("1-10 MHz", "10-400 MHz") the row "a-b" owns (a, b],
// the first row also its lower edge. ICNIRP 2020 prints this rule ("0.1-30 MHz",
// ">30-400 MHz"); ICNIRP 1998 and the FCC table leave the edge open and get the same
// rule. At an open edge it gives the stricter or an equal value, except at 150 kHz in
// ICNIRP 1998, where the 3-150 kHz row's 5 A/m is 2.7 % above 0.73/0.15 = 4.87 A/m.

#include "core/exposure_limits.h"

#include <cmath>
#include <span>

#include "core/constants.h"

namespace ringfeld::exposure {
namespace {

// The exponent of f in a published formula.
constexpr double kConstant = 0;    // the value itself
constexpr double kPerF = 1;        // value / f
constexpr double kPerRootF = 0.5;  // value / f^(1/2)
constexpr double kPerF07 = 0.7;    // value / f^0.7 (ICNIRP 2020)

struct LimitRow {
    double lowMHz, highMHz;
    double eCoefficient, eExponent;  // V/m
    double hCoefficient, hExponent;  // A/m
};

struct Rows {
    std::span<const LimitRow> rows;  // ascending, each starting where the one before ends
    Averaging averaging;
    double averagedFromMHz = 0;  // below it the table's values are not averaged
};

// ICNIRP, "Guidelines for limiting exposure to time-varying electric, magnetic, and
// electromagnetic fields (up to 300 GHz)", Health Phys. 74(4):494-522, 1998; general
// public: Table 7, identical to Council Recommendation 1999/519/EC, Annex III, Table 2
// (checked against its reproduction in the annex of the French décret 2002-775, 2.2.A).
// Averaging time 6 min from 100 kHz (Table 7, note 2 of the recommendation).
// The 3-150 kHz row (87 V/m, 5 A/m) is below the 0.15 MHz where the table
// starts; it is kept so that the 2200 m band (135.7-137.8 kHz) has a limit for the
// public, as it has for workers. (The published table goes on below 3 kHz and above
// 400 MHz; no loop needs those rows.)
constexpr LimitRow kIcnirp1998Public[] = {
    {0.003, 0.15, 87, kConstant, 5, kConstant},  // 3-150 kHz
    {0.15, 1, 87, kConstant, 0.73, kPerF},       // 0.15-1 MHz
    {1, 10, 87, kPerRootF, 0.73, kPerF},         // 1-10 MHz: 87/f^1/2, 0.73/f
    {10, 400, 28, kConstant, 0.073, kConstant},  // 10-400 MHz
};
// Occupational: Table 6, 0.065-400 MHz (the rows below 65 kHz are left out).
constexpr LimitRow kIcnirp1998Occupational[] = {
    {0.065, 1, 610, kConstant, 1.6, kPerF},     // 0.065-1 MHz
    {1, 10, 610, kPerF, 1.6, kPerF},            // 1-10 MHz: 610/f, 1.6/f
    {10, 400, 61, kConstant, 0.16, kConstant},  // 10-400 MHz
};
// "For frequencies between 100 kHz and 10 GHz, Seq, E^2, H^2 and B^2 must be averaged
// over any 6-min period" (Tables 6 and 7, note 2); below 100 kHz the values are not
// averaged (for their peaks, note 3 refers to Table 4).
constexpr Averaging kIcnirp1998Averaging = Averaging::Minutes6;
constexpr double kIcnirp1998AveragedFromMHz = 0.1;

// ICNIRP, "Guidelines for limiting exposure to electromagnetic fields (100 kHz to
// 300 GHz)", Health Phys. 118(5):483-524, 2020, Table 5: whole-body reference levels,
// incident E and H, averaged over 30 min (note 3 of the table).
constexpr LimitRow kIcnirp2020Public[] = {
    {0.1, 30, 300, kPerF07, 2.2, kPerF},           // 0.1-30 MHz: 300/f^0.7, 2.2/f
    {30, 400, 27.7, kConstant, 0.073, kConstant},  // >30-400 MHz
};
constexpr LimitRow kIcnirp2020Occupational[] = {
    {0.1, 30, 660, kPerF07, 4.9, kPerF},        // 0.1-30 MHz: 660/f^0.7, 4.9/f
    {30, 400, 61, kConstant, 0.16, kConstant},  // >30-400 MHz
};
// The same, Table 6: reference levels for local exposure, averaged over 6 min (note 3);
// from 100 kHz to 30 MHz they hold for the peak spatial field over the body (note 4),
// near field or far. With equal shares they never bind before Table 5 (2.2 and 2.3
// times its values); with a 6-minute share above about 5 times the 30-minute one they do.
constexpr LimitRow kIcnirp2020LocalPublic[] = {
    {0.1, 30, 671, kPerF07, 4.9, kPerF},         // 0.1-30 MHz: 671/f^0.7, 4.9/f
    {30, 400, 62, kConstant, 0.163, kConstant},  // >30-400 MHz
};
constexpr LimitRow kIcnirp2020LocalOccupational[] = {
    {0.1, 30, 1504, kPerF07, 10.8, kPerF},       // 0.1-30 MHz: 1504/f^0.7, 10.8/f
    {30, 400, 139, kConstant, 0.36, kConstant},  // >30-400 MHz
};

// ICNIRP, "Guidelines for limiting exposure to time-varying electric and magnetic fields
// (1 Hz to 100 kHz)", Health Phys. 99(6):818-836, 2010: reference levels against nerve
// stimulation, extended to 10 MHz; Table 3 (occupational) and Table 4 (general public),
// row 3 kHz-10 MHz, unperturbed RMS values, not averaged over time. The tables give B;
// H = B / mu0: 27 uT is 21.49 A/m, 100 uT 79.58 A/m. Above 100 kHz the radio-frequency
// levels hold in addition (note 2 of both tables), which is how they are used here.
constexpr double kTeslaPerMicrotesla = 1e-6;
constexpr double kIcnirp2010PublicH = 27 * kTeslaPerMicrotesla / constants::kMu0;         // 2.7e-5 T
constexpr double kIcnirp2010OccupationalH = 100 * kTeslaPerMicrotesla / constants::kMu0;  // 1e-4 T
constexpr LimitRow kIcnirp2010Public[] = {
    {0.003, 10, 83, kConstant, kIcnirp2010PublicH, kConstant},  // 3 kHz-10 MHz: 8.3e-2 kV/m
};
constexpr LimitRow kIcnirp2010Occupational[] = {
    {0.003, 10, 170, kConstant, kIcnirp2010OccupationalH, kConstant},  // 3 kHz-10 MHz: 1.7e-1 kV/m
};

// 47 CFR 1.1310(e)(1), Table 1 (Limits for Maximum Permissible Exposure), E and H
// columns; above 300 MHz it gives power density only, so the tables end there.
// (B) General population/uncontrolled exposure, averaged over 30 min.
constexpr LimitRow kFccPublic[] = {
    {0.3, 1.34, 614, kConstant, 1.63, kConstant},  // 0.3-1.34 MHz
    {1.34, 30, 824, kPerF, 2.19, kPerF},           // 1.34-30 MHz: 824/f, 2.19/f
    {30, 300, 27.5, kConstant, 0.073, kConstant},  // 30-300 MHz
};
constexpr Averaging kFccPublicAveraging = Averaging::Minutes30;
// (A) Occupational/controlled exposure, averaged over 6 min.
constexpr LimitRow kFccOccupational[] = {
    {0.3, 3, 614, kConstant, 1.63, kConstant},     // 0.3-3.0 MHz
    {3, 30, 1842, kPerF, 4.89, kPerF},             // 3.0-30 MHz: 1842/f, 4.89/f
    {30, 300, 61.4, kConstant, 0.163, kConstant},  // 30-300 MHz
};
constexpr Averaging kFccOccupationalAveraging = Averaging::Minutes6;

Rows rowsOf(LimitTable table, Population population) {
    const bool publicTable = population == Population::Public;
    const auto pick = [&](std::span<const LimitRow> publicRows, std::span<const LimitRow> occupationalRows) {
        return publicTable ? publicRows : occupationalRows;
    };
    switch (table) {
        case LimitTable::Icnirp1998:
            return {pick(kIcnirp1998Public, kIcnirp1998Occupational), kIcnirp1998Averaging, kIcnirp1998AveragedFromMHz};
        case LimitTable::Icnirp2020WholeBody:
            return {pick(kIcnirp2020Public, kIcnirp2020Occupational), Averaging::Minutes30};
        case LimitTable::Icnirp2020Local:
            return {pick(kIcnirp2020LocalPublic, kIcnirp2020LocalOccupational), Averaging::Minutes6};
        case LimitTable::Icnirp2010: return {pick(kIcnirp2010Public, kIcnirp2010Occupational), Averaging::None};
        case LimitTable::Fcc:
            return publicTable ? Rows{kFccPublic, kFccPublicAveraging}
                               : Rows{kFccOccupational, kFccOccupationalAveraging};
    }
    return {kFccPublic, kFccPublicAveraging};
}

double value(double coefficient, double exponent, double f) {
    if (exponent == kConstant) return coefficient;
    if (exponent == kPerF) return coefficient / f;
    return coefficient / std::pow(f, exponent);
}

}  // namespace

std::optional<FieldLimits> LimitsAt(LimitTable table, Population population, double f) {
    const Rows t = rowsOf(table, population);
    if (!(f >= t.rows.front().lowMHz)) return std::nullopt;  // NaN too
    const Averaging averaging = f < t.averagedFromMHz ? Averaging::None : t.averaging;
    // The rows ascend and share their edges: the first whose upper edge is not below f owns it.
    for (const LimitRow& row : t.rows)
        if (f <= row.highMHz)
            return FieldLimits{value(row.eCoefficient, row.eExponent, f), value(row.hCoefficient, row.hExponent, f),
                               averaging, AveragingMinutes(averaging)};
    return std::nullopt;
}

std::optional<FieldLimits> LimitsAt(Standard standard, Population population, double f) {
    return LimitsAt(TablesOf(standard, false).front(), population, f);
}

TableSpan LimitTableSpan(LimitTable table, Population population) {
    const Rows t = rowsOf(table, population);
    return {t.rows.front().lowMHz, t.rows.back().highMHz};
}

TableSpan LimitTableSpan(Standard standard, Population population) {
    return LimitTableSpan(TablesOf(standard, false).front(), population);
}

}  // namespace ringfeld::exposure
