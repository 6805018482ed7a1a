// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Every text the language routine sets, in German, French and English.
//
// One row per text, in the order in which SpracheAnwenden sets them (from the
// menu captions on; the window titles and check marks come before them).
// Strings are exact, blanks included; "&" marks the access key of the next letter.

#include <span>
#include <string_view>

#include "engine/language.h"

namespace ringfeld {

enum class TextWindow { Main, Coupling, Tuning };

enum class TextTarget {
    WindowCaption,  // title bar of the window named by the row
    Caption,        // label, button, frame title, menu title or menu entry
    ToolTip,
    ListEntry,      // appended to the list of a combo box
    ListText,       // the text part of a combo box
};

struct SprachText {
    TextWindow window;
    std::string_view name;  // objectName of the control (or of the window)
    TextTarget target;
    Tri text;
};

// The whole table, in setting order.
std::span<const SprachText> SprachTexte();

// The tuning-range window's menu entry (a row of the main window), then its
// captions and tooltips; sprache_abstimmbereich.h sets them.
std::span<const SprachText> AbstimmbereichTexte();

}  // namespace ringfeld
