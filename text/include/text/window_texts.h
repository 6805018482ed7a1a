// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Every text the windows' language routines set, in German, French and English.
//
// One row per text, in the order in which they are set (from the menu
// captions on; the window titles and check marks come before them).
// Strings are exact, blanks included; "&" marks the access key of the next letter.

#include <span>
#include <string_view>

#include "text/language.h"

namespace ringfeld {

enum class TextWindow { Main, Coupling, Tuning, Exposure, Finder, Vna };

enum class TextTarget {
    WindowCaption,  // title bar of the window named by the row
    Caption,        // label, button, frame title, menu title or menu entry
    ToolTip,
    ListEntry,  // appended to the list of a combo box
    ListText,   // the text part of a combo box
};

struct SprachText {
    TextWindow window;
    std::string_view name;  // objectName of the control (or of the window)
    TextTarget target;
    Tri text;
};

// The caption of the main window's button row, which its print command puts back.
inline constexpr Tri kRechenzeile{"Berechnen:", "Calculer:", "Calculate:"};

// The whole table, in setting order; each window sets the rows of its own.
std::span<const SprachText> SprachTexte();

// The caption the table gives a control of a window in the language; empty when it has none.
std::string_view Beschriftung(TextWindow window, std::string_view name, Language lang);

}  // namespace ringfeld
