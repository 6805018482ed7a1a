// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The fonts of everything the program prints or writes as PDF (reports, help
// documents), chosen by file from the fonts-liberation package, so that a page
// looks and measures the same whichever further fonts a machine has: a family
// left to fontconfig is whatever it picks there (Noto Mono for "monospace" on one
// machine, DejaVu Sans Mono on another). Qt Gui only.

#include <QFont>
#include <QString>

namespace ringfeld::fonts {

enum class Face { Sans, Mono };

// Loads Liberation Sans and Liberation Mono, every style, from their files into the
// application's font database, once; later calls return the first call's answer.
// Empty when they are loaded, else what is missing and where it was looked for.
// Needs a QGuiApplication.
QString Load();

// The family of `face` as loaded (Load() first); a font of it at `points`.
QString Family(Face face);
QFont Font(Face face, double points, bool bold = false);

}  // namespace ringfeld::fonts
