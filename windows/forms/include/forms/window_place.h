// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Where a tool window first stands: right of the window it belongs to, moved
// left and up as far as needed to stay within the available area of that
// window's screen.

#include <QPoint>

class QWidget;

namespace ringfeld {

QPoint PlatzNeben(const QWidget& fenster, const QWidget& neben);

}  // namespace ringfeld
