// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Opening a document the desktop's way, through GIO: the application the
// user chose for the document's type (mimeapps.list, desktop entries,
// Flatpak and Snap viewers alike), or the desktop portal inside a sandbox.

#include <string>

namespace ringfeld {

// Starts the desktop's application for the document at `path` without
// waiting for it. False when no application handles the document's type or
// the application could not be started.
bool MitDesktopOeffnen(const std::string& path);

}  // namespace ringfeld
