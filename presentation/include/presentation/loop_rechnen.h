// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// One press of the calculate command: the model, its refusals and what the
// window shows afterwards, as data a window or the command line can apply.

#include <optional>
#include <string>
#include <string_view>

#include "core/loop_model.h"
#include "presentation/result_labels.h"
#include "text/design_record.h"
#include "text/loop_fields.h"
#include "text/message_box.h"

namespace ringfeld {

struct LoopAusgang {
    Ending ending = Ending::Ok;
    std::optional<Fault> fault;
    // Apply in this order: coil-length field visibility, ErgebnisseLoeschen when
    // `ergebnisseLoeschen`, the label texts and the lbC tooltip, the beep, the
    // message box, and at last the coupling button when `ankopplungFreigeben`.
    std::optional<bool> spulenlaengeSichtbar;
    bool ergebnisseLoeschen = false;
    Darstellung darstellung;
    bool beep = false;
    std::optional<Meldung> meldung;
    bool ankopplungFreigeben = false;
    // The numbers behind the labels at full precision, for scripts.
    LoopWerte werte;
};

// Runs the calculation on the input texts, writing the design record as it goes.
// Numbers are shown with `decimalSeparator` (the user's locale).
LoopAusgang LoopRechnen(const LoopEingaben& eingaben, DesignRecord& rec, std::string_view decimalSeparator);
// The same on field texts already read (LoopLesen), for many rows of one loop.
LoopAusgang LoopRechnen(const LoopZahlen& zahlen, DesignRecord& rec, std::string_view decimalSeparator);

// Labels as they read after a calculation in a freshly started window (all blank
// before it): what the calculation wrote, else the empty text.
std::array<std::string, kResultLabelCount> AngezeigteTexte(const LoopAusgang& ausgang);

}  // namespace ringfeld
