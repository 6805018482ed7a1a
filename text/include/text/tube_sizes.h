// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Common conductors a loop is bent from, by the name they are bought under, with
// the outside diameter that goes into the conductor field. One table, with its
// sources; the main window's list beside the conductor field and the help's
// table are made from it.
//
//   US copper tube (ASTM B88, water tube types K, L and M share the outside
//   diameter): nominal size + 1/8 inch, e.g. 3/4 -> 7/8 in (ASTM B88-20,
//   Table 1; Copper Development Association, The Copper Tube Handbook, Table 14.3).
//   Metric copper tube: EN 1057:2006+A1:2010, Table 3 (outside diameters).
//   Coax shield: LMR-400, overall braid 0.320 in (8.13 mm), Times Microwave
//   Systems LMR-400 data sheet.

#include <array>
#include <string_view>

#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld {

enum class TubeSeries { UsCopper, MetricCopper, Coax };

struct TubeSize {
    TubeSeries series;
    std::string_view name;  // as sold: "3/4\"", "22 mm", "LMR-400"
    double outsideMm;       // outside diameter, mm
};

// The series' headings in the list, in every language.
struct TubeSeriesName {
    TubeSeries series;
    Tri name;
};
inline constexpr std::array<TubeSeriesName, 3> kTubeSeries{{
    {TubeSeries::UsCopper, {"Kupferrohr USA (ASTM B88)", "Tube cuivre US (ASTM B88)", "US copper tube (ASTM B88)"}},
    {TubeSeries::MetricCopper,
     {"Kupferrohr metrisch (EN 1057)", "Tube cuivre métrique (EN 1057)", "Metric copper tube (EN 1057)"}},
    {TubeSeries::Coax, {"Koaxialkabel (Schirm)", "Câble coaxial (blindage)", "Coax cable (shield)"}},
}};

// Smallest first within each series.
inline constexpr std::array<TubeSize, 19> kTubeSizes{{
    {TubeSeries::UsCopper, "1/4\"", 0.375 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "3/8\"", 0.500 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "1/2\"", 0.625 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "5/8\"", 0.750 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "3/4\"", 0.875 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "1\"", 1.125 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "1 1/4\"", 1.375 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "1 1/2\"", 1.625 * kMillimetresPerInch},
    {TubeSeries::UsCopper, "2\"", 2.125 * kMillimetresPerInch},
    {TubeSeries::MetricCopper, "10 mm", 10},
    {TubeSeries::MetricCopper, "12 mm", 12},
    {TubeSeries::MetricCopper, "15 mm", 15},
    {TubeSeries::MetricCopper, "16 mm", 16},
    {TubeSeries::MetricCopper, "18 mm", 18},
    {TubeSeries::MetricCopper, "22 mm", 22},
    {TubeSeries::MetricCopper, "28 mm", 28},
    {TubeSeries::MetricCopper, "35 mm", 35},
    {TubeSeries::MetricCopper, "42 mm", 42},
    {TubeSeries::Coax, "LMR-400", 0.320 * kMillimetresPerInch},
}};

}  // namespace ringfeld
