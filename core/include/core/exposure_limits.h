// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The exposure limits (reference levels) of three standards for the general public and
// for workers: RMS field strengths against frequency, as the published tables give them.
// The tables themselves, with their sources, are in exposure_limits.cpp.

#include <array>
#include <optional>
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

struct FieldLimits {
    double E_Vpm = 0;             // RMS electric field strength, V/m
    double H_Apm = 0;             // RMS magnetic field strength, A/m
    double averagingMinutes = 0;  // the time over which E^2 and H^2 are averaged
};

// The limits at a frequency in MHz. A row "a-b" of a table owns (a, b], its first row
// also its lower edge; outside the first and the last row there is none.
std::optional<FieldLimits> LimitsAt(Standard standard, Population population, double frequencyMHz);

// The frequencies a table covers, MHz.
struct TableSpan {
    double fromMHz = 0, toMHz = 0;
};
TableSpan LimitTableSpan(Standard standard, Population population);

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
