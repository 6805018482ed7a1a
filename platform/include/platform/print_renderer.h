// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Puts a window on paper, apart from choosing the printer: the window's own
// painting goes into the printer at the printer's resolution, so text stays
// text (in a PDF it can be searched and copied) and lines stay sharp.

class QPrinter;
class QWidget;

namespace ringfeld {

// Renders `clientArea` into `printer`, scaled to the printable width with its
// aspect kept (smaller, should the page's height not hold it). The window's
// text selection and its focus frame stay off the paper and come back
// afterwards. False when the printer could not be opened or printing failed.
bool renderForPrint(QWidget& clientArea, QPrinter& printer);

}  // namespace ringfeld
