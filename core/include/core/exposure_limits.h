// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The exposure limits (reference levels) of three standards for the general public and
// for workers: RMS field strengths against frequency, as the published tables give them.
// The tables themselves, with their sources, are in exposure_limits.cpp.

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace ringfeld::exposure {

enum class Standard {
    Icnirp1998,  // ICNIRP guidelines 1998 (= EU Council Recommendation 1999/519/EC)
    Icnirp2020,  // ICNIRP guidelines 2020, whole-body reference levels
    Fcc,         // 47 CFR 1.1310, Table 1 (MPE)
};
enum class Population {
    Public,        // "general public" (ICNIRP), "general population/uncontrolled" (FCC)
    Occupational,  // "occupational" (ICNIRP), "occupational/controlled" (FCC)
};
inline constexpr std::array kStandards{Standard::Icnirp1998, Standard::Icnirp2020, Standard::Fcc};
inline constexpr std::array kPopulations{Population::Public, Population::Occupational};

// Every standard with every population: slot LimitIndex(standard, population).
inline constexpr std::size_t kLimitCount = kStandards.size() * kPopulations.size();
constexpr std::size_t LimitIndex(Standard standard, Population population) {
    return static_cast<std::size_t>(standard) * kPopulations.size() + static_cast<std::size_t>(population);
}

// How a reference level is held against the field over time.
enum class Averaging {
    None,       // not averaged: the RMS field at the peak envelope power
    Minutes6,   // E^2 and H^2 averaged over any 6 minutes
    Minutes30,  // over any 30 minutes
};
inline constexpr std::array kAveragings{Averaging::None, Averaging::Minutes6, Averaging::Minutes30};
constexpr double AveragingMinutes(Averaging averaging) {
    return averaging == Averaging::Minutes6 ? 6 : averaging == Averaging::Minutes30 ? 30 : 0;
}

// The published tables of reference levels. A standard is checked against its own
// table and the tables that hold beside it (TablesOf).
enum class LimitTable {
    Icnirp1998,           // ICNIRP 1998, Tables 6 and 7
    Icnirp2020WholeBody,  // ICNIRP 2020, Table 5: whole body, 30 min
    Icnirp2020Local,      // ICNIRP 2020, Table 6: local, 6 min
    Icnirp2010,           // ICNIRP 2010, Tables 3 and 4: nerve stimulation, 3 kHz-10 MHz, not averaged
    Fcc,                  // 47 CFR 1.1310, Table 1
};
inline constexpr std::array kLimitTables{LimitTable::Icnirp1998, LimitTable::Icnirp2020WholeBody,
                                         LimitTable::Icnirp2020Local, LimitTable::Icnirp2010, LimitTable::Fcc};

// ICNIRP 2020 replaces only the radio-frequency part of 1998 and leaves the nerve
// stimulation from 3 kHz to 10 MHz to ICNIRP 2010; ICNIRP 1998 itself covers it, so
// 2010 is added to it only on request.
inline constexpr std::array kIcnirp1998Tables{LimitTable::Icnirp1998};
inline constexpr std::array kIcnirp1998With2010Tables{LimitTable::Icnirp1998, LimitTable::Icnirp2010};
inline constexpr std::array kIcnirp2020Tables{LimitTable::Icnirp2020WholeBody, LimitTable::Icnirp2020Local,
                                              LimitTable::Icnirp2010};
inline constexpr std::array kFccTables{LimitTable::Fcc};
inline constexpr std::size_t kMostTablesPerStandard = kIcnirp2020Tables.size();
// The tables a standard is checked against, its own first.
constexpr std::span<const LimitTable> TablesOf(Standard standard, bool icnirp2010With1998) {
    switch (standard) {
        case Standard::Icnirp1998:
            return icnirp2010With1998 ? std::span<const LimitTable>(kIcnirp1998With2010Tables) : kIcnirp1998Tables;
        case Standard::Icnirp2020: return kIcnirp2020Tables;
        case Standard::Fcc: return kFccTables;
    }
    return kFccTables;
}

struct FieldLimits {
    double E_Vpm = 0;                       // RMS electric field strength, V/m
    double H_Apm = 0;                       // RMS magnetic field strength, A/m
    Averaging averaging = Averaging::None;  // how the field is taken over time
    double averagingMinutes = 0;            // AveragingMinutes(averaging): 0 when not averaged
};

// The limits of a table at a frequency in MHz. A row "a-b" of a table owns (a, b], its
// first row also its lower edge; outside the first and the last row there is none.
std::optional<FieldLimits> LimitsAt(LimitTable table, Population population, double frequencyMHz);
// The same of a standard's own table.
std::optional<FieldLimits> LimitsAt(Standard standard, Population population, double frequencyMHz);

// The frequencies a table covers, MHz.
struct TableSpan {
    double fromMHz = 0, toMHz = 0;
};
TableSpan LimitTableSpan(LimitTable table, Population population);
TableSpan LimitTableSpan(Standard standard, Population population);

constexpr std::string_view LimitTableKey(LimitTable table) {
    switch (table) {
        case LimitTable::Icnirp1998: return "icnirp1998";
        case LimitTable::Icnirp2020WholeBody: return "icnirp2020_whole_body";
        case LimitTable::Icnirp2020Local: return "icnirp2020_local";
        case LimitTable::Icnirp2010: return "icnirp2010";
        case LimitTable::Fcc: return "fcc";
    }
    return "";
}

// Language-independent names, as the command line, the exports and the settings write them.
constexpr std::string_view StandardKey(Standard standard) {
    switch (standard) {
        case Standard::Icnirp1998: return "icnirp1998";
        case Standard::Icnirp2020: return "icnirp2020";
        case Standard::Fcc: return "fcc";
    }
    return "";
}
constexpr std::string_view PopulationKey(Population population) {
    return population == Population::Public ? "public" : "occupational";
}
constexpr std::optional<Standard> StandardFromKey(std::string_view key) {
    for (Standard s : kStandards)
        if (StandardKey(s) == key) return s;
    return std::nullopt;
}
constexpr std::optional<Population> PopulationFromKey(std::string_view key) {
    for (Population p : kPopulations)
        if (PopulationKey(p) == key) return p;
    return std::nullopt;
}

}  // namespace ringfeld::exposure
