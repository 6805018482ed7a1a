// ringfeld-helpgen: turns one help document from Markdown into a PDF with
// Qt's own text layout and PDF writer, at build time.
//
//   ringfeld-helpgen SOURCE.md TARGET.pdf VERSION
//
// "@RINGFELD_VERSION@" in the source becomes VERSION. The PDF is A4 with page
// numbers; its title is the document's first heading. Runs without a display
// (QT_QPA_PLATFORM=offscreen is the default).

#include <cstdio>

#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

int fehler(const QString& text) {
    std::fprintf(stderr, "ringfeld-helpgen: %s\n", qPrintable(text));
    return 1;
}

// Tables get thin rules, some room in the cells and a shaded heading row.
void tabellenGestalten(QTextDocument& doc) {
    for (QTextFrame* rahmen : doc.rootFrame()->childFrames()) {
        auto* tabelle = qobject_cast<QTextTable*>(rahmen);
        if (!tabelle) continue;
        QTextTableFormat format = tabelle->format();
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(3);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setTopMargin(4);
        format.setBottomMargin(8);
        format.setHeaderRowCount(1);
        tabelle->setFormat(format);
        for (int spalte = 0; spalte < tabelle->columns(); ++spalte) {
            QTextTableCell zelle = tabelle->cellAt(0, spalte);
            QTextCharFormat kopf = zelle.format();
            kopf.setBackground(QColor(0xe8, 0xe8, 0xe8));
            zelle.setFormat(kopf);
        }
    }
}

QString ersteUeberschrift(const QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0) return block.text();
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) return fehler(QStringLiteral("usage: ringfeld-helpgen SOURCE.md TARGET.pdf VERSION"));
    const QString quelle = args[1], ziel = args[2], version = args[3];

    QFile datei(quelle);
    if (!datei.open(QIODevice::ReadOnly)) return fehler(quelle + QStringLiteral(": ") + datei.errorString());
    QString markdown = QString::fromUtf8(datei.readAll());
    markdown.replace(QStringLiteral("@RINGFELD_VERSION@"), version);

    QTextDocument doc;
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(10.5);
    doc.setDefaultFont(schrift);
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    if (doc.isEmpty()) return fehler(quelle + QStringLiteral(": no text"));
    tabellenGestalten(doc);

    // Written to a temporary file first, so a failed run leaves no PDF behind.
    QSaveFile pdf(ziel);
    if (!pdf.open(QIODevice::WriteOnly)) return fehler(ziel + QStringLiteral(": ") + pdf.errorString());
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(300);
        writer.setTitle(ersteUeberschrift(doc));
        writer.setCreator(QStringLiteral("Ringfeld ") + version);
        // Without a page size of its own the document is laid out on the
        // writer's pages with 2 cm margins and page numbers.
        doc.print(&writer);
    }
    if (!pdf.commit()) return fehler(ziel + QStringLiteral(": ") + pdf.errorString());
    return 0;
}
