// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Puts every language-dependent text of both windows into the language
// rec.Sprache: window captions, menu captions and the language check marks,
// captions of frames, labels and buttons, tooltips and the three lists.
// Also sets rec.ProgrammTitel and rec.FehlerTitel.
//
// frmAnkopplung returns the coupling window, creating it (hidden) on its first
// call; it is called exactly once per run of SpracheAnwenden.  Controls are
// found by objectName within each window.
//
// The lists are emptied first in any case, so they never grow; the main lists
// are then refilled and their text part set to the circle entry and "Cu",
// which selects those entries; the coupling site list is refilled with no
// selection and an empty text.  At the end each of the three lists chooses
// again the entry it showed before (none stays none), and a square keeps the
// side-length caption of Text1's label, so the design stays the same design.
// No combo box signal is emitted while the lists change, so no list handler runs.  For a language other than "deutsch", "französisch" and
// "englisch" (compared exactly) the routine stops after emptying the lists and
// the coupling window's Label11: every other text and both titles stay as they
// were.

#include <functional>

#include "engine/design_record.h"

class QMainWindow;
class QWidget;

namespace ringfeld {

void SpracheAnwenden(QMainWindow& frmMain, const std::function<QWidget*()>& frmAnkopplung, DesignRecord& rec);

}  // namespace ringfeld
