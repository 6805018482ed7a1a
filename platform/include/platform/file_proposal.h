// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The file every print and export dialog proposes: "Ringfeld-<the window's title in
// the language>.<extension>" in the user's documents folder, the title's blanks and
// quotes as hyphens ("Ringfeld-Plage-d-accord.pdf").

#include <QString>

#include "text/language.h"
#include "text/window_texts.h"

namespace ringfeld {

// `extension` without its dot: "pdf", "csv", "json".
QString ProposedFile(TextWindow window, Language lang, const QString& extension);

}  // namespace ringfeld
