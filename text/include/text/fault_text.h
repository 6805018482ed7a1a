// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// What an arithmetic fault is called in the user's language.

#include <string_view>

#include "core/fault.h"
#include "text/language.h"

namespace ringfeld {

// The fault's description as the user reads it. An unknown language falls back to German,
// the program's default language.
std::string_view FehlerBeschreibung(Fault fault, Language lang);

}  // namespace ringfeld
