// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Where a tool window first opens beside the main window: a rule of rectangles
// alone (frame rectangles in screen coordinates), apart from the widgets, so
// that it can be checked for any screen.

#include <vector>

#include <QRect>
#include <QSize>

namespace ringfeld {

struct PlacementInput {
    std::vector<QRect> screens;  // the screens' available areas, the main window's first
    QRect main;                  // the main window's frame
    QRect fields;                // the part of it that holds the inputs
    QSize wanted;                // the tool window's frame at the size it asks for
    QSize least;                 // and at the least size its layout allows
};

// Beside the main window, at the size wanted, where a screen has the room; else
// narrowed towards its least width to stand beside it; else where it covers the
// main window's inputs least and then the main window least. Within a screen.
QRect PlaceToolWindow(const PlacementInput& in);

}  // namespace ringfeld
