// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The worst case, the grouped rows and the named places.

#include "core/exposure_summary.h"

#include <cmath>
#include <limits>

#include "core/checked_value.h"
#include "core/constants.h"

namespace ringfeld::exposure {
namespace {

// What a row shows for a slot: equal keys make one group.
struct ShownKey {
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;
    bool hasLimits = false;
    Bound bound = Bound::Within;
    double shownMetres = 0;
    Component governing = Component::HAxis;
    LimitTable table = LimitTable::Icnirp1998;
    unsigned flags = 0;
    bool operator==(const ShownKey&) const = default;
};

ShownKey keyOf(const Row& row, std::size_t slot) {
    ShownKey k;
    k.ending = row.ending;
    k.fault = row.fault;
    if (!row.result) return k;
    const LimitResult& l = row.result->limits[slot];
    k.flags = l.flags;
    k.hasLimits = l.limits.has_value();
    if (!k.hasLimits) return k;
    k.bound = l.safety.bound;
    k.shownMetres = RoundOutwardsToCm(l.safety.metres);
    k.governing = l.governing;
    k.table = l.table;
    return k;
}

// The fields of a moment of 1 A m^2 at r: every drive's are these times its moment,
// since the fields are linear in it.
std::optional<std::array<double, 3>> unitFields(const Result& r, double metres) {
    try {
        const MagneticDipole unit{1, r.dipole.k_perm};
        return std::array<double, 3>{HAxis(unit, metres), HPlane(unit, metres), EPlane(unit, metres)};
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

PlaceCheck checkPlace(const Row& row, Standard standard, Population population, double metres,
                      const std::optional<std::array<double, 3>>& unit) {
    PlaceCheck out;
    if (!row.result) return out;
    const Result& r = *row.result;
    for (LimitTable table : TablesOf(standard, r.settings.icnirp2010With1998)) {
        const auto limits = LimitsAt(table, population, row.frequencyMHz);
        if (!limits) continue;
        const double moment = DriveFor(r, limits->averaging).moment_Am2;
        const std::array<double, 3> limit{limits->H_Apm, limits->H_Apm, limits->E_Vpm};
        for (std::size_t c = 0; c < limit.size(); ++c) {
            // A field that leaves the finite numbers is above every limit.
            const double percent = unit ? moment * (*unit)[c] / limit[c] * constants::kPercentPerUnit
                                        : std::numeric_limits<double>::infinity();
            if (!out.hasLimits || percent > out.percent[c]) out.percent[c] = percent, out.tables[c] = table;
        }
        out.hasLimits = true;
    }
    if (!out.hasLimits) return out;
    for (std::size_t c = 0; c < out.percent.size(); ++c)
        if (c == 0 || out.percent[c] > out.worstPercent) out.worstPercent = out.percent[c], out.worst = kComponents[c];
    out.within = out.worstPercent <= constants::kPercentPerUnit;
    out.nearConductor = metres <= r.nearRadius_m;
    return out;
}

}  // namespace

void Summary::add(const Row& row, std::size_t index, std::span<const PlaceChecks> checks) {
    if (!row.result) return;
    for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
        const LimitResult& l = row.result->limits[slot];
        std::optional<WorstCase>& w = worst[slot];
        if (l.limits && (!w || ReachesFurther(l.safety, w->safety)))
            w = WorstCase{index, row.frequencyMHz, l.safety, l.governing, l.table};
    }
    if (places.size() < checks.size()) places.resize(checks.size());
    for (std::size_t p = 0; p < checks.size(); ++p)
        for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
            const PlaceCheck& c = checks[p][slot];
            PlaceOverRows& o = places[p];
            if (c.hasLimits && (!o.worst[slot].hasLimits || c.worstPercent > o.worst[slot].worstPercent))
                o.worst[slot] = c, o.row[slot] = index, o.frequencyMHz[slot] = row.frequencyMHz;
        }
}

void Summary::add(const Summary& later) {
    for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
        const auto& l = later.worst[slot];
        if (l && (!worst[slot] || ReachesFurther(l->safety, worst[slot]->safety))) worst[slot] = l;
    }
    if (places.size() < later.places.size()) places.resize(later.places.size());
    for (std::size_t p = 0; p < later.places.size(); ++p)
        for (std::size_t slot = 0; slot < kLimitCount; ++slot) {
            const PlaceOverRows& l = later.places[p];
            PlaceOverRows& o = places[p];
            if (l.worst[slot].hasLimits &&
                (!o.worst[slot].hasLimits || l.worst[slot].worstPercent > o.worst[slot].worstPercent))
                o.worst[slot] = l.worst[slot], o.row[slot] = l.row[slot], o.frequencyMHz[slot] = l.frequencyMHz[slot];
        }
}

PlaceChecks CheckPlaceEverywhere(const Row& row, double metres) {
    PlaceChecks out{};
    if (!row.result) return out;
    const auto unit = unitFields(*row.result, metres);
    for (Standard s : kStandards)
        for (Population p : kPopulations) out[LimitIndex(s, p)] = checkPlace(row, s, p, metres, unit);
    return out;
}

std::vector<PlaceChecks> CheckPlaces(const Row& row, std::span<const NamedDistance> places) {
    std::vector<PlaceChecks> out;
    out.reserve(places.size());
    for (const NamedDistance& place : places) out.push_back(CheckPlaceEverywhere(row, place.metres));
    return out;
}

Summary SummaryOf(std::span<const Row> rows, std::span<const NamedDistance> places) {
    Summary out;
    out.places.resize(places.size());
    for (std::size_t i = 0; i < rows.size(); ++i) out.add(rows[i], i, CheckPlaces(rows[i], places));
    return out;
}

std::optional<WorstCase> WorstCaseOf(std::span<const Row> rows, std::size_t slot) {
    return SummaryOf(rows, {}).worst[slot];
}

std::vector<RowGroup> GroupRows(std::span<const Row> rows, std::size_t slot) {
    std::vector<RowGroup> groups;
    ShownKey last;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const ShownKey key = keyOf(row, slot);
        const LimitResult* l = row.result ? &row.result->limits[slot] : nullptr;
        if (groups.empty() || !(key == last)) {
            groups.push_back({i, i, row.frequencyMHz, row.frequencyMHz, i, {}});
            if (l) groups.back().limit = *l;
            last = key;
            continue;
        }
        RowGroup& g = groups.back();
        g.last = i;
        g.toMHz = row.frequencyMHz;
        if (l && g.limit && ReachesFurther(l->safety, g.limit->safety)) g.sample = i, g.limit = *l;
    }
    return groups;
}

PlaceCheck CheckPlace(const Row& row, Standard standard, Population population, double metres) {
    if (!row.result) return {};
    return checkPlace(row, standard, population, metres, unitFields(*row.result, metres));
}

PlaceOverRows CheckPlaceOverRows(std::span<const Row> rows, double metres) {
    const NamedDistance place{{}, metres};
    return SummaryOf(rows, std::span(&place, 1)).places.front();
}

std::vector<double> LogDistances(double fromM, double toM, std::size_t count) {
    std::vector<double> out;
    if (count == 0) return out;
    out.reserve(count);
    const double step = count > 1 ? std::log(toM / fromM) / static_cast<double>(count - 1) : 0;
    for (std::size_t i = 0; i < count; ++i) out.push_back(fromM * std::exp(step * static_cast<double>(i)));
    if (count > 1) out.back() = toM;  // exactly, not as the exponential rounds it
    return out;
}

PercentCurves PercentOfLimit(const Row& row, Standard standard, Population population,
                             std::span<const double> distances) {
    PercentCurves out;
    out.distances_m.assign(distances.begin(), distances.end());
    for (auto& curve : out.percent) curve.reserve(distances.size());
    for (double d : distances) {
        const PlaceCheck c = CheckPlace(row, standard, population, d);
        for (std::size_t i = 0; i < out.percent.size(); ++i)
            out.percent[i].push_back(c.hasLimits ? c.percent[i] : std::numeric_limits<double>::quiet_NaN());
    }
    return out;
}

}  // namespace ringfeld::exposure
