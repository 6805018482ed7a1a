// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Design files: a loop design as UTF-8 JSON (docs/design-file.md), read and
// written for the File menu and for ringfeld-calc alike. Reading refuses with
// one message in the chosen language naming the file and the problem; writing
// is atomic (QSaveFile): a failed save leaves the old file as it was.

#include <QByteArray>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "design/design.h"
#include "text/language.h"

namespace ringfeld::design {

// Larger files are refused before they are parsed.
inline constexpr std::size_t kGroessteDatei = std::size_t{1024} * 1024;

struct Gelesen {
    std::optional<Entwurf> entwurf;  // set when the file could be read
    std::string meldung;             // else why not, naming the file
    bool verschwunden = false;       // the file does not exist (any more)
};

// The design in `bytes`, the content of the file `name`. Unknown keys are
// ignored, a missing group or field takes its start value; anything else
// that is not as docs/design-file.md describes refuses the whole file.
Gelesen EntwurfAusJson(const QByteArray& bytes, std::string_view name, Language lang);

// The design the file at `path` holds (`path` names the file in a message).
Gelesen EntwurfLesen(const std::string& path, Language lang);

// The file's text: the format and version first, one field a line.
std::string EntwurfAlsJson(const Entwurf& entwurf);

// Writes the design to `path`; returns the message when that failed.
std::optional<std::string> EntwurfSchreiben(const std::string& path, const Entwurf& entwurf, Language lang);

}  // namespace ringfeld::design
