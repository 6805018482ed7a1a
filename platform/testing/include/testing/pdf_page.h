// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Printing into a PDF file in window tests, whatever printers the machine has,
// and reading back the text a PDF reader finds on the page.

#include <functional>

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "platform/print_renderer.h"

namespace ringfeld {

// A printer for RecordingDesktopServices::printer: the program's renderer into `file`.
inline std::function<bool(QWidget&)> printToPdf(const QString& file) {
    return [file](QWidget& clientArea) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return renderForPrint(clientArea, printer);
    };
}

// The page's text as pdftotext (poppler-utils) reads it; null when pdftotext is missing.
inline QString pdfText(const QString& file) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess reader;
    reader.start(tool, {file, QStringLiteral("-")});
    reader.waitForFinished();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

}  // namespace ringfeld
