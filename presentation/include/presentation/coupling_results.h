// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What the coupling window shows of the coupling loop: its labels, the range
// explanation and the boxes, in the current language.

#include <optional>
#include <string>
#include <string_view>

#include "core/coupling.h"
#include "text/design_record.h"
#include "text/message_box.h"

namespace ringfeld {

// The main loop's resistance at resonance, Q^2 Rs, as value and unit text.
struct ResonanzText {
    std::string wert;     // Label11
    std::string einheit;  // Label12: "kOhm" or "Ohm"
};

// Unset when there is nothing to show (no loop calculated yet): the labels stay.
std::optional<ResonanzText> ResonanzwiderstandAnzeigen(const DesignRecord& rec, std::string_view decimalSeparator);

struct AnkopplungAusgang {
    KopplungsArt art = KopplungsArt::Abgelehnt;
    std::optional<std::string> label2;         // circumference (or range) in m
    std::optional<std::string> label4;         // contact length Lka in m; unset leaves the old one
    bool druckFreigeben = false;               // enable the window's print button
    std::optional<std::string> zusatzhinweis;  // new explanation text; unset keeps the old one
    std::optional<Meldung> meldung;            // a titled box to show (range with C > 1000 pF, or refusal)
    bool hinweisZeigen = false;                // run the note command (range with C up to 1000 pF)
    // Working values in centimetres, for those who want more than the labels.
    float umfangCm = 0, lkaCm = 0;
    float resonanzOhm = 0;  // R = Q^2 Rs behind Label11, in Ohm
};

// The coupling loop's labels in `units`: Label2 the circumference (for a range,
// "circumference - twice the contact length"), Label4 the contact length
// (unset for a range); metres as always in metric.
struct KopplungsLaengen {
    std::string label2;
    std::optional<std::string> label4;
};
KopplungsLaengen KopplungsLaengenText(KopplungsArt art, float umfangCm, float lkaCm, Units units,
                                      std::string_view decimalSeparator);

// The calculate button of the coupling window, for the ratio text of its Text1.
AnkopplungAusgang AnkopplungRechnen(std::string_view ratioText, const DesignRecord& rec,
                                    std::string_view decimalSeparator);

// The note command: how the coupling loop is adjusted, plus the explanation of the
// last range outcome when there is one.
Meldung HinweisMeldung(const DesignRecord& rec, std::string_view zusatzhinweis);

}  // namespace ringfeld
