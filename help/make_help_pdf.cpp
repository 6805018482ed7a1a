// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-helpgen: turns one help document from Markdown into a PDF with
// Qt's own text layout and PDF writer, at build time.
//
//   ringfeld-helpgen SOURCE.md TARGET.pdf VERSION [PICTURE-FOLDER...]
//
// "@RINGFELD_VERSION@" in the source becomes VERSION; pictures ("![text](name.png)")
// are looked up in the picture folders. The PDF is A4 with page numbers and
// bookmarks for the chapters; its title is the document's first heading. A
// heading or a picture never ends a page, a paragraph leaves no single line
// behind on a page. Two runs on the same sources give the same bytes: the
// creation date is SOURCE_DATE_EPOCH (or a fixed date), and Qt's hash seed,
// which decides the order of the embedded fonts, is fixed. The text is set in
// Liberation Sans, code in Liberation Mono, both loaded from their files
// (platform/fonts.h), never whatever fontconfig picks for "monospace". Runs
// without a display (QT_QPA_PLATFORM=offscreen is the default).

#include <cstdio>
#include <ctime>

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHashSeed>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "pdf_outline.h"
#include "platform/fonts.h"
#include "text/tube_sizes.h"

namespace {

using ringfeld::helpgen::Bookmark;

// 2026-01-01 00:00:00 UTC: the creation date when SOURCE_DATE_EPOCH is not set.
constexpr qint64 kStandardEpoch = 1767225600;
constexpr int kDotsPerInch = 300;
constexpr double kTextPoints = 10.5;
constexpr double kPointsPerInch = 72.0;
constexpr double kMarginCm = 2.0;  // as QTextDocument::print lays out a page
constexpr double kCmPerInch = 2.54;
constexpr double kPictureShare = 0.85;    // widest picture, as a share of the text width
constexpr int kMinLinesOnAPage = 2;       // of a paragraph split between two pages
constexpr double kMinLastPageFill = 0.2;  // share of the text height the last page holds at least
constexpr int kLayoutPasses = 50;         // each pass moves at least one block to a new page

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

// Code, which the Markdown reader sets in the desktop's fixed-pitch font, in Liberation Mono.
void codeSchrift(QTextDocument& doc) {
    const QString desktop = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QTextCharFormat mono;
    mono.setFontFamilies(QStringList{ringfeld::fonts::Family(ringfeld::fonts::Face::Mono)});
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.fontFixedPitch() && !f.fontFamilies().toStringList().contains(desktop)) continue;
            QTextCursor c(&doc);
            c.setPosition(it.fragment().position());
            c.setPosition(it.fragment().position() + it.fragment().length(), QTextCursor::KeepAnchor);
            c.mergeCharFormat(mono);
        }
    }
}

QString ersteUeberschrift(const QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0) return block.text();
    return {};
}

// A block that holds one picture and nothing else.
bool nurBild(const QTextBlock& block) {
    const QTextBlock::iterator it = block.begin();
    return !it.atEnd() && it.fragment().charFormat().isImageFormat() && block.length() == 2;
}

// Loads every picture from the folders, centred and at most kPictureShare of
// the text width `breite` (in the layout's units). False names a missing one.
bool bilderEinsetzen(QTextDocument& doc, const QStringList& ordner, double breite, QString& fehlt) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat bild = it.fragment().charFormat().toImageFormat();
            if (!bild.isValid()) continue;
            QImage image;
            for (const QString& o : ordner)
                if (image.load(QDir(o).filePath(bild.name()))) break;
            if (image.isNull()) {
                fehlt = bild.name();
                return false;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(bild.name()), image);
            const double b = std::min<double>(image.width(), kPictureShare * breite);
            bild.setWidth(b);
            bild.setHeight(b * image.height() / image.width());
            QTextCursor c(&doc);
            c.setPosition(it.fragment().position());
            c.setPosition(it.fragment().position() + it.fragment().length(), QTextCursor::KeepAnchor);
            c.setCharFormat(bild);
            QTextBlockFormat mitte = block.blockFormat();
            mitte.setAlignment(Qt::AlignHCenter);
            c.setBlockFormat(mitte);
        }
    }
    return true;
}

// Lays the whole document out again. After a change Qt lays out lazily, and
// paragraphs after a table that crosses a page can be left without lines.
void ganzSetzen(QTextDocument& doc) {
    doc.setPageSize(doc.pageSize());
    (void)doc.pageCount();
}

// The page a block's line lies on; the layout puts every line wholly on one page.
int seite(const QTextDocument& doc, const QTextBlock& block, int zeile) {
    const QRectF r = doc.documentLayout()->blockBoundingRect(block);
    return int((r.top() + block.layout()->lineAt(zeile).y()) / doc.pageSize().height());
}

// Starts a new page at `b`. The breaks after it were set for the old pages, so
// they are cleared and found again.
void umbruchVor(const QTextBlock& b) {
    for (QTextBlock danach = b; danach.isValid(); danach = danach.next()) {
        QTextBlockFormat f = danach.blockFormat();
        f.setPageBreakPolicy(danach == b ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
        QTextCursor(danach).setBlockFormat(f);
    }
}

// One pass over the laid-out document: the first block that breaks a rule
// starts a new page. A heading or a picture must share its page with the
// first lines of the block after it; a paragraph split between two pages
// keeps at least kMinLinesOnAPage lines on each. False when all is well.
bool umbruchSetzen(QTextDocument& doc) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (QTextCursor(b).currentFrame() != doc.rootFrame() || b.layout()->lineCount() == 0) continue;
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
        const int n = b.layout()->lineCount(), erste = seite(doc, b, 0);
        bool neu = false;
        if (b.blockFormat().headingLevel() > 0 || nurBild(b)) {
            QTextBlock folgt = b.next();
            // Before a table: its heading row and the first two rows below it.
            if (const QTextTable* t = QTextCursor(folgt).currentTable())
                folgt = t->cellAt(std::min(2, t->rows() - 1), 0).firstCursorPosition().block();
            if (folgt.isValid() && folgt.layout()->lineCount() > 0)
                neu = seite(doc, folgt, std::min(kMinLinesOnAPage, folgt.layout()->lineCount()) - 1) != erste;
        } else if (seite(doc, b, n - 1) != erste) {
            int vorn = 0;
            while (seite(doc, b, vorn) == erste) ++vorn;
            neu = vorn < kMinLinesOnAPage || n - vorn < kMinLinesOnAPage;
        }
        if (!neu || b == doc.begin()) continue;
        umbruchVor(b);
        return true;
    }
    return false;
}

// A last page that holds less than kMinLastPageFill of the text height: the
// last heading on the page before it starts a new page, so that its section
// fills the last page instead. False when the last page is full enough or no
// heading can move.
bool letzteSeiteFuellen(QTextDocument& doc, double rand) {
    const int seiten = doc.pageCount();
    const double h = doc.pageSize().height();
    const QTextBlock letzter = doc.lastBlock();
    const double ende = doc.documentLayout()->blockBoundingRect(letzter).bottom() - (seiten - 1) * h - rand;
    if (seiten < 2 || ende >= kMinLastPageFill * (h - 2 * rand)) return false;
    for (QTextBlock b = letzter; b.isValid(); b = b.previous()) {
        if (b.blockFormat().headingLevel() == 0 || QTextCursor(b).currentFrame() != doc.rootFrame()) continue;
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
        if (seite(doc, b, 0) < seiten - 2) return false;
        umbruchVor(b);
        return true;
    }
    return false;
}

// The bookmarks: chapters (##) with their sections (###) below them.
QList<Bookmark> lesezeichen(const QTextDocument& doc, double punkteProEinheit) {
    QList<Bookmark> kapitel;
    const double hoehe = doc.pageSize().height();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int ebene = b.blockFormat().headingLevel();
        if (ebene < 2 || ebene > 3 || (ebene == 3 && kapitel.isEmpty())) continue;
        const double y = doc.documentLayout()->blockBoundingRect(b).top();
        Bookmark m{b.text(), int(y / hoehe), (y - int(y / hoehe) * hoehe) * punkteProEinheit, {}};
        if (ebene == 2)
            kapitel.append(m);
        else
            kapitel.last().children.append(m);
    }
    return kapitel;
}

// Draws page `index` (0 = first) with its number at the foot, as QTextDocument::print does.
void seiteZeichnen(QPainter& p, const QTextDocument& doc, int index, double rand) {
    const QSizeF seite = doc.pageSize();
    p.save();
    p.translate(0, -index * seite.height());
    const QRectF sicht(0, index * seite.height(), seite.width(), seite.height());
    p.setClipRect(sicht);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = sicht;
    ctx.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&p, ctx);
    p.setClipping(false);
    p.setFont(doc.defaultFont());
    const QString nummer = QString::number(index + 1);
    const QFontMetricsF fm(doc.defaultFont(), p.device());
    p.drawText(QPointF(seite.width() - rand - fm.horizontalAdvance(nummer),
                       sicht.top() + seite.height() - rand + fm.ascent() + 5.0 * kDotsPerInch / kPointsPerInch),
               nummer);
    p.restore();
}

}  // namespace

// The rows of the help's tube table, from the table the program's list is made of:
// name, outside diameter in mm and in inches.
QString tubeRows() {
    QString rows;
    for (const ringfeld::TubeSize& tube : ringfeld::kTubeSizes)
        rows += QStringLiteral("| %1 | %2 | %3 |\n")
                    .arg(QString::fromUtf8(tube.name.data(), static_cast<qsizetype>(tube.name.size())))
                    .arg(tube.outsideMm, 0, 'f', 2)
                    .arg(tube.outsideMm / ringfeld::kMillimetresPerInch, 0, 'f', 3);
    return rows;
}

int main(int argc, char* argv[]) {
    // Qt's hash order decides the order the fonts are embedded in, and with it their subset names.
    QHashSeed::setDeterministicGlobalSeed();
    // Qt writes the creation date in local time; in UTC it always has the length WithCreationDate replaces.
    qputenv("TZ", "UTC");
    tzset();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (const QString fehlt = ringfeld::fonts::Load(); !fehlt.isEmpty()) return fehler(fehlt);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return fehler(QStringLiteral("usage: ringfeld-helpgen SOURCE.md TARGET.pdf VERSION [PICTURE-FOLDER...]"));
    const QString quelle = args[1], ziel = args[2], version = args[3];
    bool datumOk = false;
    qint64 epoche = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&datumOk);
    if (!datumOk) epoche = kStandardEpoch;

    QFile datei(quelle);
    if (!datei.open(QIODevice::ReadOnly)) return fehler(quelle + QStringLiteral(": ") + datei.errorString());
    QString markdown = QString::fromUtf8(datei.readAll());
    markdown.replace(QStringLiteral("@RINGFELD_VERSION@"), version);
    markdown.replace(QStringLiteral("@RINGFELD_TUBES@\n"), tubeRows());

    QBuffer roh;
    roh.open(QIODevice::WriteOnly);
    QPdfWriter writer(&roh);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(kDotsPerInch);
    writer.setCreator(QStringLiteral("Ringfeld ") + version);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(ringfeld::fonts::Font(ringfeld::fonts::Face::Sans, kTextPoints));
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    if (doc.isEmpty()) return fehler(quelle + QStringLiteral(": no text"));
    codeSchrift(doc);
    tabellenGestalten(doc);
    writer.setTitle(ersteUeberschrift(doc));

    // The pages: A4 at kDotsPerInch with kMarginCm on every side. Margins and
    // pictures are given in screen pixels, which the layout scales to the writer's dots.
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const double pixelProDot = (bildschirm ? bildschirm->logicalDotsPerInchX() : 96.0) / kDotsPerInch;
    const double rand = kMarginCm / kCmPerInch * kDotsPerInch;
    doc.setPageSize(QSizeF(writer.width(), writer.height()));
    QTextFrameFormat rahmen = doc.rootFrame()->frameFormat();
    rahmen.setMargin(rand * pixelProDot);
    doc.rootFrame()->setFrameFormat(rahmen);
    QString fehlt;
    if (!bilderEinsetzen(doc, args.mid(4), (writer.width() - 2 * rand) * pixelProDot, fehlt))
        return fehler(quelle + QStringLiteral(": picture not found: ") + fehlt);
    for (int pass = 0; pass < kLayoutPasses; ++pass) {
        ganzSetzen(doc);
        if (!umbruchSetzen(doc) && !letzteSeiteFuellen(doc, rand)) break;
    }
    ganzSetzen(doc);

    {
        QPainter p(&writer);
        for (int i = 0; i < doc.pageCount(); ++i) {
            if (i > 0) writer.newPage();
            seiteZeichnen(p, doc, i, rand);
        }
    }
    const double punkteProEinheit = kPointsPerInch / kDotsPerInch;
    const QByteArray datiert = ringfeld::helpgen::WithCreationDate(roh.data(), epoche);
    const QByteArray fertig =
        ringfeld::helpgen::WithOutline(datiert, lesezeichen(doc, punkteProEinheit), writer.height() * punkteProEinheit);
    if (fertig.isEmpty()) return fehler(ziel + QStringLiteral(": the PDF writer's output has an unknown layout"));

    // Written to a temporary file first, so a failed run leaves no PDF behind.
    QSaveFile pdf(ziel);
    if (!pdf.open(QIODevice::WriteOnly) || pdf.write(fertig) != fertig.size() || !pdf.commit())
        return fehler(ziel + QStringLiteral(": ") + pdf.errorString());
    return 0;
}
