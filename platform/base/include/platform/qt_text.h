// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Texts between the program's UTF-8 strings and Qt's strings: the one place
// that converts them.

#include <QString>

#include <string>
#include <string_view>

#include "text/language.h"

namespace ringfeld {

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string str(const QString& text) { return text.toStdString(); }

// A catalogue text in the language; no language gives the default one's.
inline QString qs(const Tri& text, Language lang) {
    return qs(text.in(lang == Language::None ? kStandardSprache : lang));
}

}  // namespace ringfeld
