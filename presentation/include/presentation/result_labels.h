// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Which result label shows which text, and what a calculation leaves in the window.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/loop_model.h"
#include "text/design_record.h"
#include "text/language.h"

namespace ringfeld {

// The result labels of the main window, in the order a calculation writes them.
enum class ResultLabel { lbLamda, lbInduktivitaet, lbC, lbCL, lbRr, lbRv, lbEta, lbGewinn, lbKu, lbB, lbUc };
inline constexpr std::size_t kResultLabelCount = 11;

inline constexpr std::array<std::string_view, kResultLabelCount> kResultLabelNames{
    "lbLamda", "lbInduktivität", "lbC", "lbCL", "lbRr", "lbRv", "lbEta", "lbGewinn", "lbKu", "lbB", "lbUc"};

inline constexpr std::string_view ResultLabelName(ResultLabel label) {
    return kResultLabelNames[static_cast<std::size_t>(label)];
}

// The labels that blanking the results empties, in that order; the electrical
// length lbLamda is not among them.
inline constexpr std::array<ResultLabel, 10> kErgebnisseLoeschenLabels{
    ResultLabel::lbInduktivitaet, ResultLabel::lbC,  ResultLabel::lbCL, ResultLabel::lbRr,     ResultLabel::lbRv,
    ResultLabel::lbEta,           ResultLabel::lbKu, ResultLabel::lbUc, ResultLabel::lbGewinn, ResultLabel::lbB};

// Texts a calculation writes: one entry per label, empty where it wrote nothing.
using LabelTexte = std::array<std::optional<std::string>, kResultLabelCount>;

struct Darstellung {
    LabelTexte texte;
    std::optional<std::string> tooltipC;  // new tooltip of lbC; unset leaves it as it is
};

// Formats every value the calculation reached with its label's pattern. Rr switches
// to milliohm and the efficiency to more decimals when the normal text reads as 0.
Darstellung ErgebnisDarstellen(const LoopWerte& werte, Language lang, std::string_view decimalSeparator);

}  // namespace ringfeld
