// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The labels of the coupling diagram: where each text stands on the picture
// of Picture1; what it says is in the catalogue (text/catalog/coupling_texts.h).

#include <string_view>
#include <vector>

#include "text/language.h"

namespace ringfeld {

// One label: the text's top-left corner lies at (x, y), in pixels of the
// drawing surface (the same pixels as the picture's).
struct DiagrammText {
    int x = 0, y = 0;
    std::string_view text;  // exactly as drawn, trailing blanks included
};

// The labels in drawing order; empty for a text that is no language.
std::vector<DiagrammText> DiagrammTexte(Language lang);

// The term for the contact length that Label3 shows beside its value
// ("Lka:", in French "Lccp:"); empty for a text that is no language.
std::string_view KontaktlaengeBegriff(Language lang);

}  // namespace ringfeld
