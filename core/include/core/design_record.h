// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The numbers of the loop design record: what the most recent calculation read
// and computed, and what the coupling calculation takes from it.

#include "core/shapes.h"

namespace ringfeld {

struct LoopRecord {
    // Inputs of the most recent calculation attempt (also one that a check refused).
    double Windungen = 0;     // number of turns N (may be fractional)
    double Umfang = 0;        // circumference of one turn, m
    double Frequenz = 0;      // operating frequency, MHz
    Form form = Form::Kreis;  // the turn's shape, for sizing the coupling loop
    // Results of the most recent calculation that got that far.
    double Induktivitaet = 0;  // H
    double Kapazitaet = 0;     // tuning capacitance, pF
    double XL = 0;             // reactance of L at f, Ohm
    double RVerlust = 0;       // conductor (skin effect) loss, Ohm
    double RGesamt = 0;        // total loss as one series resistance, Ohm
    double Guete = 0;          // unloaded Q
};

}  // namespace ringfeld
