// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Opening the coupling window from the main window's coupling button, its menu
// entry or Ctrl+A.

class QWidget;

namespace ringfeld {

class frmAnkopplung;

// Shows the window not modal and without an owner, so that the main window
// stays usable, and brings it to the front if it is open already. The first
// time it stands to the right of `neben` (the main window), where the screen
// leaves room; later it reappears where the user left it. Runs the window's
// activation once for each call. Starts no loop calculation: the window works
// on whatever the design record holds.
void AnkopplungZeigen(frmAnkopplung& fenster, QWidget* neben);

}  // namespace ringfeld
