// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The desktop program's --help and --version, answered before any window
// system is touched, so that they work without a display (as help2man runs
// them while building).

#include <optional>

namespace ringfeld {

// Prints the help or the version when asked for and returns the exit status;
// returns nothing when the program should start. Every other argument (Qt's
// own, such as -platform) is left to QApplication.
std::optional<int> CommandLineAnswer(int argc, char* argv[]);

}  // namespace ringfeld
