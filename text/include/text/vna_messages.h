// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The one message a sweep that cannot be read or fitted gives, in the language:
// the catalogue's sentence with the file's name and the reason, the reason's
// markers filled with the refusal's line, value and bound (text/catalog/vna_texts.h).
// The window shows it in a box; ringfeld-calc writes it as its usage error.

#include <string>
#include <string_view>

#include "core/resonance_fit.h"
#include "core/touchstone.h"
#include "text/language.h"

namespace ringfeld::vna {

// `file` is the name shown (the file's name without its folder). Numbers are written with `sep`.
std::string LeseMeldung(std::string_view file, const TouchstoneRefusal& refusal, Language lang,
                        std::string_view sep = ".");
std::string FitMeldung(std::string_view file, const FitRefusal& refusal, Language lang, std::string_view sep = ".");

}  // namespace ringfeld::vna
