// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What every printed report says in the same words: its footer and how a caption
// meets its value.

#include "text/language.h"

namespace ringfeld::report::texte {

// The footer's page number: %1 this page, %2 the pages of the report.
inline constexpr Tri kSeite{"Seite %1 von %2", "Page %1 sur %2", "Page %1 of %2"};
// Between a caption and its value.
inline constexpr Tri kDoppelpunkt{": ", " : ", ": "};

}  // namespace ringfeld::report::texte
