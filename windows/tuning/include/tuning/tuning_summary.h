// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The sheet's summary and measured result as lines of text, for the window's
// summary strip and for the report.

#include <QString>
#include <QStringList>

#include "core/tuning_sheet.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::tuning {

// Rows ok and refused, the capacitance span, the largest voltage, current and
// capacitor loss, and what a given capacitor range covers: each item one label
// with its value (presentation/tuning_display.h).
QStringList Zusammenfassung(const Sheet& sheet, Language lang);

// The loop and power the sheet computes, in words.
QString SchleifenText(const Sheet& sheet, Language lang, Units units);

// The measured bandwidth's result, its refusal, or that none was given.
QString MessErgebnis(const Sheet& sheet, Language lang);

}  // namespace ringfeld::tuning
