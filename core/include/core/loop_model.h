// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The electrical model of a small transmitting loop tuned by a capacitor.

#include <optional>

#include "core/design_record.h"
#include "core/ending.h"
#include "core/fault.h"
#include "core/materials.h"

namespace ringfeld {

// One input as read from its field: the number, or the fault that reading its
// text raised (a number too large for a double). The calculation takes each
// input at its own step, so such a fault ends it where it always has.
struct Feldzahl {
    double wert = 0;
    std::optional<Fault> fehler;

    double lesen() const {
        if (fehler) throw ArithmeticFault(*fehler);
        return wert;
    }
};

// The loop's inputs as numbers, in the units of the main window's fields.
struct LoopZahlen {
    Feldzahl D;       // loop diameter (circle) or side length (square), m
    Feldzahl U;       // circumference of one turn, m
    Feldzahl d;       // conductor diameter, mm
    Feldzahl N;       // number of turns
    Feldzahl f;       // frequency, MHz
    Feldzahl P;       // transmitter power, W
    Feldzahl Rs;      // additional series loss, Ohm
    Feldzahl l;       // coil length, mm
    Feldzahl RpKOhm;  // additional parallel loss, kOhm
    Form form = Form::Kreis;
    std::optional<Material> material = Material::Cu;  // none: a list text no table knows
};

// What one calculation computed before it ended, in the units the labels show.
// A value is present exactly when the calculation got as far as showing it.
struct LoopWerte {
    std::optional<double> lambdaAnteil;     // k = N U / lambda
    std::optional<double> induktivitaet;    // microhenry
    std::optional<double> kapazitaet;       // tuning capacitance, pF
    std::optional<double> eigenkapazitaet;  // self-capacitance CL, pF
    std::optional<double> strahlung;        // radiation resistance Rr, Ohm
    std::optional<double> verlust;          // conductor loss, Ohm
    std::optional<double> wirkungsgrad;     // efficiency as a fraction
    std::optional<double> prozent;          // efficiency in %
    std::optional<double> gewinn;           // dBd
    std::optional<double> guete;            // Q
    std::optional<double> bandbreite;       // kHz
    std::optional<double> spannung;         // capacitor voltage, kV
};

struct LoopErgebnis {
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;                // set when ending == Fault
    std::optional<bool> spulenlaengeSichtbar;  // coil-length field shown (N > 1); unset if not reached
    LoopWerte werte;
};

// Computes the loop. Writes Windungen, Umfang and Frequenz before any check and
// the result members as far as the calculation gets; stops at the first refused
// check or arithmetic fault.
LoopErgebnis LoopModell(const LoopZahlen& eingaben, LoopRecord& rec);

// Whether the model takes a circle's inductance from the ring formula rather than from
// Wheeler's coil (false for a square). Where it changes over the size, the inductance
// jumps: about 15 % down for one turn, 0.02 % up for several; everywhere else it grows
// with the size.
bool RingFormel(const LoopZahlen& eingaben);

}  // namespace ringfeld
