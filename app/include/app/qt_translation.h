// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Qt's own texts (standard buttons, the file and print dialogs, context menus) in
// the program's language, for every window: Qt's translations as Debian ships them
// (package qt6-translations-l10n) in Qt's translations folder.

#include "text/language.h"

namespace ringfeld {

// Replaces the Qt translation installed before by the one of `lang`; English, a
// language without a translation file and Language::None leave Qt's own English.
// False when a translation was wanted but could not be loaded.
bool QtUebersetzungLaden(Language lang);

}  // namespace ringfeld
