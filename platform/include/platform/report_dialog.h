// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The print command of a window with a report: Qt's print dialog, or a PDF file
// where the machine has no printer, then the report (platform/report.h) on it.

#include <QPageLayout>
#include <QString>

#include <functional>

#include "platform/desktop_services.h"
#include "text/window_texts.h"

class QPagedPaintDevice;
class QWidget;

namespace ringfeld {

struct ReportJob {
    TextWindow window;  // its title names the PDF file proposed (platform/file_proposal.h)
    Language lang;
    QPageLayout::Orientation orientation;
    // Prints the report; empty when done, else why not.
    std::function<QString(QPagedPaintDevice&)> print;
    std::string failure;  // the box's text when printing fails
};

// Asks `parent`'s user for a printer or a file, proposing the window's PDF, and prints
// there; a failure shows in a box with its reason. Nothing when the user cancels.
void PrintReport(QWidget& parent, DesktopServices& services, const ReportJob& job);

}  // namespace ringfeld
