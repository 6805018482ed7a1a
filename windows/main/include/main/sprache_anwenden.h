// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Puts every language-dependent text of the main window into the language
// rec.Sprache: its caption, menu captions and the language check marks,
// captions of frames, labels and buttons, tooltips and the two lists. Also
// sets rec.ProgrammTitel and rec.FehlerTitel. The other windows take part
// through two steps the program hands in: `andereLeeren` right after the main
// lists are emptied (the coupling window comes into being there and empties
// its own list), `andereAnwenden` at the end.
//
// The lists are emptied first in any case, so they never grow; they are then
// refilled and their text part set to the circle entry and "Cu", which
// selects those entries. At the end each list chooses again the entry it
// showed before, and a square keeps the side-length caption of Text1's label,
// so the design stays the same design. No combo box signal is emitted while
// the lists change, so no list handler runs. For a language other than
// "deutsch", "französisch" and "englisch" (compared exactly) the routine stops
// after `andereLeeren`: every other text and both titles stay as they were.

#include <functional>

#include "text/design_record.h"

class QMainWindow;

namespace ringfeld {

void SpracheAnwenden(QMainWindow& frmMain, DesignRecord& rec, const std::function<void()>& andereLeeren,
                     const std::function<void()>& andereAnwenden);

}  // namespace ringfeld
