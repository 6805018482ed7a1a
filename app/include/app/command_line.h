// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The desktop program's --help and --version, answered before any window
// system is touched, so that they work without a display (as help2man runs
// them while building).

#include <optional>
#include <string>

namespace ringfeld {

// Prints the help or the version when asked for and returns the exit status;
// returns nothing when the program should start. Every other argument (Qt's
// own, such as -platform) is left to QApplication.
std::optional<int> CommandLineAnswer(int argc, char* argv[]);

// The design file to open, the first argument that is no option; empty when
// there is none. Called with the arguments QApplication has left, without Qt's own.
std::string CommandLineFile(int argc, char* argv[]);

}  // namespace ringfeld
