// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Fonts of the two windows.
//
// The forms are laid out for MS Sans Serif.  Where that font is not installed
// (any Linux desktop) the metric-compatible Liberation fonts stand in for it:
// Liberation Sans for MS Sans Serif and Liberation Sans Narrow for Arial Narrow.
// A form cannot say "this family where present, else that one", nor hold a
// fractional point size, so both are settled here after the form is built.

#include <QString>

class QWidget;

namespace ringfeld {

inline constexpr const char* kDesignFamily = "MS Sans Serif";
inline constexpr const char* kDesignFallbackFamily = "Liberation Sans";
inline constexpr const char* kNarrowFamily = "Arial Narrow";
inline constexpr const char* kNarrowFallbackFamily = "Liberation Sans Narrow";

// The point size the forms give the default font.
inline constexpr int kFormDefaultPointSize = 8;

// The size the default font gets with Liberation Sans: the size the bold result
// boxes have anyway.  At 8 pt Liberation Sans runs wider than MS Sans Serif and
// several captions no longer fit (two lines need 26 pixels where the labels have
// 25); at 7.8 pt every caption of every language fits its control.
inline constexpr double kFallbackDefaultPointSize = 7.8;

// Dynamic property a form puts on a widget whose font has a fractional size
// (7.8 pt, 9.6 pt); the value is that size in points.
inline constexpr const char* kDesignPointSizeProperty = "designPointSize";

// Whether a font family is installed under its own name (not substituted).
bool fontFamilyPresent(const QString& family);

// Replaces missing design families by their stand-ins and gives every widget
// of the form that has a font of its own its design size.  Call once after
// setupUi, before the form is shown.
void applyDesignFonts(QWidget* root);

}  // namespace ringfeld
