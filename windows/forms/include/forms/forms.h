// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Building the two windows from their forms.
//
// The window classes call setupFrmMain / setupFrmAnkopplung in their
// constructors.  These run the generated setupUi (every control with its
// layout name, position, size, design text, tooltip, buddy and tab order),
// then finishForm for what a form cannot hold.  The returned Ui structs give
// typed pointers to the controls; they may also be found by objectName.

#include <QMainWindow>
#include <QWidget>

#include "ui_frmAnkopplung.h"
#include "ui_frmMain.h"

namespace ringfeld {

// The picture that Picture1 of the coupling window carries (349 x 191 pixels).
inline constexpr const char* kDiagrammBild = ":/images/ankopplung.png";
// The window icon of both windows (32 x 32 pixels).
inline constexpr const char* kFensterSymbol = ":/images/ringfeld.png";

// Dynamic property a form puts on a label that is drawn on a system colour:
// "ToolTipBase" (result boxes) or "Base" (window background).
inline constexpr const char* kDesignBackgroundProperty = "designBackground";

// Registers the pictures of this library with the resource system.  Safe to
// call more than once; the setup functions call it.
void initUiResources();

// Fonts (see fonts.h), the system colours of result boxes and picture, the
// larger icon sizes and the fixed window size.  Call after setupUi.
void finishForm(QWidget& form);

Ui::frmMain setupFrmMain(QMainWindow& window);
Ui::frmAnkopplung setupFrmAnkopplung(QWidget& window);

}  // namespace ringfeld
