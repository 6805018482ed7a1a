// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The texts of a sweep that cannot be read or fitted.
#include <gtest/gtest.h>

#include <string>

#include "text/catalog/vna_texts.h"

using namespace ringfeld;
using namespace ringfeld::vna;

// Every refusal has a text in every language holding exactly the markers it declares.
TEST(VnaTexts, EveryReasonHasItsMarkers) {
    const auto check = [](const texte::GrundText& g, int reason) {
        const int markers = int(g.zeile) + int(g.wert) + int(g.grenze);
        for (const auto& s : kSprachen) {
            const std::string_view text = g.text.in(s.lang);
            EXPECT_FALSE(text.empty()) << reason;
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(text.find("%" + std::to_string(k)) != std::string_view::npos, k <= markers)
                    << reason << " " << text;
        }
    };
    for (int r = 0; r <= static_cast<int>(kLastTouchstoneReason); ++r)
        check(texte::Grund(static_cast<TouchstoneReason>(r)), r);
    for (int r = 0; r <= static_cast<int>(kLastFitReason); ++r) check(texte::Grund(static_cast<FitReason>(r)), r);
}
