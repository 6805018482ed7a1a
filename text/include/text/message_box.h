// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A message box as the program asks the desktop to show it: modal, OK only.

#include <string>

namespace ringfeld {

enum class BoxIcon { None, Information, Exclamation, Stop };

struct Meldung {
    std::string text;   // lines joined with the record's NL
    std::string title;  // an empty title shows the application title
    BoxIcon icon = BoxIcon::None;
};

}  // namespace ringfeld
