// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Start-up without a display: one line saying so and a failing exit status,
// instead of the abort Qt ends a program with when no platform opens.

#include <memory>

#include <QApplication>

namespace ringfeld {

// The line the program ends with when it finds no display.
inline constexpr const char* kKeinDisplay =
    "ringfeld: no display found; start it in a desktop session, or set QT_QPA_PLATFORM=offscreen";

// Whether the environment names a display: DISPLAY or WAYLAND_DISPLAY, or a
// platform chosen with QT_QPA_PLATFORM (offscreen, vnc, ...).
bool DisplayGenannt();

// The application object, or the end of the program with kKeinDisplay and exit
// status 1 when no display is named or the platform cannot be opened.
std::unique_ptr<QApplication> AnwendungMitDisplay(int& argc, char** argv);

}  // namespace ringfeld
