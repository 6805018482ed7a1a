// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/report_dialog.h"

#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/file_proposal.h"
#include "platform/qt_text.h"
#include "platform/saved_file.h"

namespace ringfeld {

void PrintReport(QWidget& parent, DesktopServices& services, const ReportJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = ProposedFile(job.window, job.lang, QStringLiteral("pdf"));
    printer.setDocName(QFileInfo(pdf).completeBaseName());
    printer.setPageOrientation(job.orientation);
    // Without a printer Qt can only write a PDF: it gets the name proposed.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) printer.setOutputFileName(pdf);
    QPrintDialog dialog(&printer, &parent);
    // Qt's dialog proposes its own name in the home folder; the file field is its "filename".
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) file->setText(pdf);
    if (dialog.exec() != QDialog::Accepted) return;
    auto fail = [&](const QString& why) {
        services.messageBox(Meldung{job.failure + "\n\n" + str(why), std::string(), BoxIcon::Exclamation});
    };
    // A PDF without a name: asked for one.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        const QString name =
            QFileDialog::getSaveFileName(&parent, parent.windowTitle(), pdf, QStringLiteral("PDF (*.pdf)"));
        if (name.isEmpty()) return;
        printer.setOutputFileName(name);
    }
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // Qt's PDF engine writes the file in place and reports no failed write: the
        // pages are made in memory and saved whole, or the old file stays.
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        QPdfWriter pdfWriter(&bytes);
        pdfWriter.setPageLayout(printer.pageLayout());
        pdfWriter.setResolution(printer.resolution());
        pdfWriter.setTitle(printer.docName());
        pdfWriter.setCreator(printer.creator());
        if (const QString why = job.print(pdfWriter); !why.isEmpty()) return fail(why);
        SaveOrSay(services, printer.outputFileName(), std::string_view(bytes.data().constData(), bytes.size()),
                  job.lang);
        return;
    }
    if (const QString why = job.print(printer); !why.isEmpty()) fail(why);
}

}  // namespace ringfeld
