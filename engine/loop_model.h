// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The electrical model of a small transmitting loop tuned by a capacitor.

#include <optional>
#include <string>

#include "design_record.h"
#include "fault.h"
#include "messages.h"

namespace ringfeld {

// The texts of the main window's inputs, as the user typed them.
struct LoopEingaben {
    std::string Text1;   // loop diameter (circle) or side length (square), m
    std::string Text2;   // circumference of one turn, m
    std::string Text3;   // conductor diameter, mm
    std::string Text4;   // number of turns
    std::string Text5;   // frequency, MHz
    std::string Text6;   // transmitter power, W
    std::string Text7;   // additional series loss, Ohm
    std::string Text8;   // coil length, mm
    std::string Text9;   // additional parallel loss, kOhm
    std::string Combo1;  // shape list text
    std::string Combo2;  // material list text
};

// What one calculation computed before it ended, in the units the labels show.
// A value is present exactly when the calculation got as far as showing it.
struct LoopWerte {
    std::optional<double> lambdaAnteil;   // k = N U / lambda
    std::optional<double> induktivitaet;  // microhenry
    std::optional<double> kapazitaet;     // tuning capacitance, pF
    std::optional<double> eigenkapazitaet;// self-capacitance CL, pF
    std::optional<double> strahlung;      // radiation resistance Rr, Ohm
    std::optional<double> verlust;        // conductor loss, Ohm
    std::optional<double> wirkungsgrad;   // efficiency as a fraction
    std::optional<double> prozent;        // efficiency in %
    std::optional<double> gewinn;         // dBd
    std::optional<double> guete;          // Q
    std::optional<double> bandbreite;     // kHz
    std::optional<double> spannung;       // capacitor voltage, kV
};

struct LoopErgebnis {
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;             // set when ending == Fault
    std::optional<bool> spulenlaengeSichtbar;  // coil-length field shown (N > 1); unset if not reached
    LoopWerte werte;
};

// Computes the loop from the input texts. Writes Windungen, Umfang and Frequenz
// before any check and the result members as far as the calculation gets; stops at
// the first refused check or arithmetic fault.
LoopErgebnis LoopModell(const LoopEingaben& eingaben, DesignRecord& rec);

}  // namespace ringfeld
