// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The language step for the tuning-range window: its menu entry in the main
// window, then the window itself if it exists (a top-level window named
// "frmAbstimmbereich", which sets its own texts when asked by name, so that this
// layer needs no part of it).

class QMainWindow;

namespace ringfeld {

void AbstimmbereichSpracheAnwenden(QMainWindow& frmMain, const char* sprache);

}  // namespace ringfeld
