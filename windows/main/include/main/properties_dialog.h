// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// File / Properties: a small dialog with the design's note, of several lines.

#include <optional>
#include <string>

#include "text/language.h"

class QWidget;

namespace ringfeld {

// Shows `notiz` over `parent` to be edited; the note as edited on OK, none on Cancel.
std::optional<std::string> NotizBearbeiten(QWidget& parent, const std::string& notiz, Language lang);

}  // namespace ringfeld
