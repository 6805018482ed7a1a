// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the safety distances of several frequencies (the tuning range's rows, or one)
// tell a neighbour: the worst case and its frequency, the rows grouped where they show
// the same distance, and whether named places ("balcony 5 m") keep each standard's
// limits, with every field as a percentage of its limit (also as curves over the
// distance, for a chart on one logarithmic axis). Numbers only.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/exposure.h"

namespace ringfeld::exposure {

// ---- the worst case over the rows

struct WorstCase {
    std::size_t row = 0;  // its index among the rows; the first of equals
    double frequencyMHz = 0;
    Distance safety;
    Component governing = Component::HAxis;
    LimitTable table = LimitTable::Icnirp1998;
};
// The row with the largest safety distance of one standard and population (slot
// LimitIndex); none when no row has one.
std::optional<WorstCase> WorstCaseOf(std::span<const Row> rows, std::size_t slot);

// ---- rows that show the same

// Consecutive rows that show the same safety distance (rounded outwards to the
// centimetre) with the same governing field, table and flags; or the same refusal, or
// that no table holds. A change of any of these starts a new group.
struct RowGroup {
    std::size_t first = 0, last = 0;  // row indices, both included
    double fromMHz = 0, toMHz = 0;
    std::size_t sample = 0;            // the row with the largest exact distance (of refused rows the first)
    std::optional<LimitResult> limit;  // that row's result for the slot; none for refused rows
};
std::vector<RowGroup> GroupRows(std::span<const Row> rows, std::size_t slot);

// ---- named places

struct NamedDistance {
    std::string name;  // as typed, may be empty
    double metres = 0;
};

// One place against one standard and population at one frequency.
struct PlaceCheck {
    bool hasLimits = false;              // a table of the standard holds: otherwise no verdict
    std::array<double, 3> percent{};     // each field as % of its limit, the highest over the tables
    std::array<LimitTable, 3> tables{};  // the table that gives each
    Component worst = Component::HAxis;  // the field with the highest percentage
    double worstPercent = 0;
    bool within = false;         // every field at or below 100 % of its limit
    bool nearConductor = false;  // within 3 loop radii: the dipole model does not hold there
};
// The place `metres` from the loop's centre against a standard and population; no
// verdict for a row without a result.
PlaceCheck CheckPlace(const Row& row, Standard standard, Population population, double metres);

// One place against every standard and population at one row, by slot (LimitIndex).
using PlaceChecks = std::array<PlaceCheck, kLimitCount>;
PlaceChecks CheckPlaceEverywhere(const Row& row, double metres);

// The highest percentages of one place over the rows, per slot (LimitIndex), with the row
// each comes from and its frequency; a slot no row has limits for keeps hasLimits false.
struct PlaceOverRows {
    std::array<PlaceCheck, kLimitCount> worst;
    std::array<std::size_t, kLimitCount> row{};
    std::array<double, kLimitCount> frequencyMHz{};
};
PlaceOverRows CheckPlaceOverRows(std::span<const Row> rows, double metres);

// ---- all of it, gathered row by row

// The worst case of every slot and the places over the rows, taken in row by row (or
// block by block, in row order: a later equal never replaces an earlier one).
struct Summary {
    std::array<std::optional<WorstCase>, kLimitCount> worst{};  // by slot
    std::vector<PlaceOverRows> places;                          // by place, as named
    // Row `index` with its places' checks (CheckPlaceEverywhere, one per place).
    void add(const Row& row, std::size_t index, std::span<const PlaceChecks> checks);
    void add(const Summary& later);
};
// The checks of every place at one row, in the order of `places`.
std::vector<PlaceChecks> CheckPlaces(const Row& row, std::span<const NamedDistance> places);
Summary SummaryOf(std::span<const Row> rows, std::span<const NamedDistance> places);

// ---- a chart of the percentages against the distance

// `count` distances from `fromM` to `toM`, evenly on a logarithmic axis (both ends included).
std::vector<double> LogDistances(double fromM, double toM, std::size_t count);

// Each field as % of its limit (the highest over the standard's tables) at each distance;
// NaN where the row has no result or the standard no table at its frequency.
struct PercentCurves {
    std::vector<double> distances_m;
    std::array<std::vector<double>, 3> percent;  // by Component
};
PercentCurves PercentOfLimit(const Row& row, Standard standard, Population population,
                             std::span<const double> distances);

}  // namespace ringfeld::exposure
