// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A window's export or report saved whole (design/save_file.h) or not at all; a
// failure shows in a box naming the file and the system's reason.

#include <QString>

#include <string_view>

#include "platform/desktop_services.h"
#include "text/language.h"

namespace ringfeld {

// True when `bytes` are in the file at `path`.
bool SaveOrSay(DesktopServices& services, const QString& path, std::string_view bytes, Language lang);

}  // namespace ringfeld
