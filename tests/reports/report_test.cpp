// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The printed reports in every language, as a PDF reader finds them: each page
// numbered "x of y" in the language beside the program, its version and the date;
// no text below 8 pt, in a font other than Liberation, or in the 15 mm margins;
// a table's headings again on every page it spans, never broken inside a unit.
// And the file a print or export dialog proposes; a PDF that cannot be written
// whole leaves the file it was to replace as it was.

#include <algorithm>
#include <csignal>
#include <map>
#include <vector>

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "exposure/exposure_report.h"
#include "exposure/exposure_state.h"
#include "platform/file_proposal.h"
#include "platform/report.h"
#include "platform/report_dialog.h"
#include "presentation/tuning_inputs.h"
#include "presentation/tuning_report_inputs.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_report.h"

using namespace ringfeld;

namespace {

constexpr double kLeastPoints = 8;    // pdftohtml rounds a size to whole points
constexpr double kMarginPoints = 42;  // 15 mm, less what pdftohtml's rounding may take
constexpr double kBodyPoints = 10;    // a larger text is a heading

// A loop of three 60 mm turns of 10 mm tube, 1 m across, at 100 W.
LoopEingaben loop() {
    LoopEingaben l;
    l.Text1 = "1";
    l.Text2 = "3,1416";
    l.Text3 = "10";
    l.Text4 = "3";
    l.Text5 = "7";
    l.Text6 = "100";
    l.Text7 = "0";
    l.Text8 = "60";
    l.Text9 = "10000";
    l.Combo1 = "Circle";
    l.Combo2 = "Cu";
    return l;
}

// 160 m to 10 m in 100 kHz steps, a capacitor of 10 to 250 pF and a rating that is no number.
tuning::FieldTexts sheetFields() {
    tuning::FieldTexts f = tuning::kFieldDefaults;
    f[static_cast<std::size_t>(tuning::Field::From)] = "1.8";
    f[static_cast<std::size_t>(tuning::Field::To)] = "30";
    f[static_cast<std::size_t>(tuning::Field::Step)] = "0.1";
    f[static_cast<std::size_t>(tuning::Field::CapMin)] = "10";
    f[static_cast<std::size_t>(tuning::Field::CapMax)] = "250";
    f[static_cast<std::size_t>(tuning::Field::CapVolts)] = "5kV";
    return f;
}

tuning::Sheet sheet(Language lang) {
    const tuning::ReadOptions read = tuning::LiesOptionen(sheetFields(), lang);
    return read.options ? tuning::BerechneAbstimmbereich(LoopLesen(loop()), *read.options) : tuning::Sheet{};
}

const QDateTime kMade(QDate(2026, 3, 5), QTime(14, 30));

QString run(const char* tool, const QStringList& args) {
    QProcess p;
    p.start(QString::fromUtf8(tool), args);
    return p.waitForFinished() ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// A report as pdftotext lays its pages out, and every run of text as pdftohtml finds it.
struct Pdf {
    QStringList pages;
    struct Run {
        int page;
        QString text, family;
        double size, left, top, right, bottom;
    };
    std::vector<Run> runs;
    double width = 0, height = 0;
};

Pdf read(const QString& file) {
    Pdf pdf;
    pdf.pages = run(PDFTOTEXT, {QStringLiteral("-layout"), file, QStringLiteral("-")}).split(QLatin1Char('\f'));
    pdf.pages.removeLast();  // after the last page's form feed
    const QString xml = run(PDFTOHTML, {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                                        QStringLiteral("-zoom"), QStringLiteral("1"), file});
    static const QRegularExpression page(
        QStringLiteral("<page number=\"\\d+\"[^>]* height=\"(\\d+)\" width=\"(\\d+)\""));
    static const QRegularExpression font(
        QStringLiteral("<fontspec id=\"(\\d+)\" size=\"(-?\\d+)\" family=\"([^\"]+)\""));
    static const QRegularExpression text(QStringLiteral(
        "<text top=\"(-?\\d+)\" left=\"(-?\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\" font=\"(\\d+)\">(.*)</text>"));
    if (const auto m = page.match(xml); m.hasMatch()) {
        pdf.height = m.captured(1).toDouble();
        pdf.width = m.captured(2).toDouble();
    }
    std::map<QString, std::pair<double, QString>> fonts;
    for (const auto& m : font.globalMatch(xml)) fonts[m.captured(1)] = {m.captured(2).toDouble(), m.captured(3)};
    const QStringList pages = xml.split(QStringLiteral("<page "));
    for (int i = 1; i < pages.size(); ++i) {
        for (const auto& m : text.globalMatch(pages[i])) {
            const auto& [size, family] = fonts[m.captured(5)];
            const double top = m.captured(1).toDouble(), left = m.captured(2).toDouble();
            pdf.runs.push_back({i, m.captured(6), family, size, left, top, left + m.captured(3).toDouble(),
                                top + m.captured(4).toDouble()});
        }
    }
    return pdf;
}

// What every report shows in the language of its row: numbered pages with the
// program, its version and the date, readable text in the fonts of its files, clear
// margins, and no page that ends with a heading.
void checkPages(const Pdf& pdf) {
    QFETCH(QString, pageOf);
    QFETCH(QString, date);
    QVERIFY2(pdf.pages.size() >= 2, "a report of several pages");
    for (int i = 0; i < pdf.pages.size(); ++i) {
        const QString& text = pdf.pages[i];
        const QString page = pageOf.arg(i + 1).arg(pdf.pages.size());
        QVERIFY2(text.contains(page), qPrintable(page + QStringLiteral(" missing:\n") + text.right(300)));
        QVERIFY2(text.contains(QStringLiteral("Ringfeld " RINGFELD_PROJECT_VERSION)), qPrintable(text.right(300)));
        QVERIFY2(text.contains(date), qPrintable(text.right(300)));
    }
    QVERIFY(!pdf.runs.empty());
    for (const Pdf::Run& r : pdf.runs) {
        const QString where = r.text + QStringLiteral(" (%1 pt %2)").arg(r.size).arg(r.family);
        QVERIFY2(r.size >= kLeastPoints, qPrintable(where));
        QVERIFY2(r.family.startsWith(QLatin1String("Liberation")), qPrintable(where));
        QVERIFY2(r.left >= kMarginPoints && r.top >= kMarginPoints && r.right <= pdf.width - kMarginPoints &&
                     r.bottom <= pdf.height - kMarginPoints,
                 qPrintable(where));
    }
    for (int page = 1; page <= pdf.pages.size(); ++page) {
        // The lowest text above the footer's line.
        double footer = 0;
        for (const Pdf::Run& r : pdf.runs)
            if (r.page == page) footer = std::max(footer, r.top);
        const Pdf::Run* last = nullptr;
        for (const Pdf::Run& r : pdf.runs)
            if (r.page == page && r.bottom < footer && (!last || r.top > last->top)) last = &r;
        QVERIFY(last);
        QVERIFY2(last->size <= kBodyPoints, qPrintable(last->text + QStringLiteral(" ends page %1").arg(page)));
    }
}

// A page of a table alone: its headings there again, and each unit in them whole.
void checkTablePage(const QString& page, const QString& firstHeading) {
    QVERIFY2(page.contains(firstHeading), qPrintable(page.left(600)));
    for (const QString& line : page.split(QLatin1Char('\n')))
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(word.count(QLatin1Char('(')) == word.count(QLatin1Char(')')), qPrintable(line));
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT
    QTemporaryDir out;

    static void languages() {
        QTest::addColumn<Language>("lang");
        QTest::addColumn<QString>("pageOf");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("notUsed");
        QTest::newRow("de") << Language::German << "Seite %1 von %2"
                            << "5. März 2026"
                            << "Durchmesser (m): 1"
                            << "(V): 5kV – nicht verwendet";
        QTest::newRow("fr") << Language::French << "Page %1 sur %2"
                            << "5 mars 2026"
                            << "Diamètre (m) : 1"
                            << "(V) : 5kV – non utilisé";
        QTest::newRow("en") << Language::English << "Page %1 of %2"
                            << "5 March 2026"
                            << "Diameter (m): 1"
                            << "(V): 5kV – not used";
    }

private slots:
    void tuningReport_data() { languages(); }
    void tuningReport() {
        QFETCH(Language, lang);
        QFETCH(QString, diameter);
        QFETCH(QString, notUsed);
        const tuning::Sheet s = sheet(lang);
        QVERIFY(s.rows.size() > 200);
        const QString file = out.filePath(QStringLiteral("tuning-%1.pdf").arg(QTest::currentDataTag()));
        {
            QPdfWriter writer(file);
            writer.setPageOrientation(QPageLayout::Landscape);
            const tuning::BerichtInhalt content{&s, lang, tuning::BerichtEingaben(loop(), sheetFields(), "", lang),
                                                kMade};
            QCOMPARE(tuning::TuningReport(content).drucken(writer), QString());
        }
        const Pdf pdf = read(file);
        checkPages(pdf);
        const QString all = pdf.pages.join(QLatin1Char('\n'));
        QVERIFY2(all.contains(diameter), qPrintable(pdf.pages[0].left(1500)));
        QVERIFY2(all.contains(notUsed), qPrintable(pdf.pages[0].left(1500)));
        checkTablePage(pdf.pages[1], QStringLiteral("(MHz)"));
    }

    void exposureReport_data() { languages(); }
    void exposureReport() {
        QFETCH(Language, lang);
        const tuning::Sheet s = sheet(lang);
        exposure::Eingaben inputs;
        inputs.standard = exposure::Standard::Fcc;
        const exposure::Stand stand = exposure::Berechnen(lang, ".", loop(), inputs, &s);
        const QString file = out.filePath(QStringLiteral("exposure-%1.pdf").arg(QTest::currentDataTag()));
        {
            QPdfWriter writer(file);
            QCOMPARE(exposure::ExposureReport(stand, kMade).drucken(writer), QString());
        }
        const Pdf pdf = read(file);
        checkPages(pdf);
        QVERIFY(pdf.pages.join(QLatin1Char('\n')).contains(QLatin1String("47 CFR")));
        checkTablePage(pdf.pages.back(), QStringLiteral("(MHz)"));
    }

    // A PDF chosen in the print dialog over an older file, on a target that takes no more
    // than 1 KiB (a file-size limit): the older file stays, and a box says why.
    void aPdfThatDoesNotFitLeavesTheOldFile() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("a printer is installed");
        const QString file = out.filePath(QStringLiteral("old.pdf"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        RecordingDesktopServices services;
        QWidget parent;
        const ReportJob job{TextWindow::Tuning, Language::English, QPageLayout::Portrait,
                            [](QPagedPaintDevice& device) {
                                report::Document doc;
                                doc.blocks = {report::Heading{QStringLiteral("Report"), true}};
                                return report::Print(doc, device);
                            },
                            "not printed"};
        // The dialog given the file and accepted; Qt's question whether to replace it, answered yes.
        QTimer::singleShot(0, [&file] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
            QTimer::singleShot(0, [] {
                if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    question->button(QMessageBox::Yes)->click();
            });
            dialog->accept();
        });
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails with EFBIG
        const rlimit limit{1024, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        PrintReport(parent, services, job);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signal);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(services.boxes.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(services.boxes[0].text),
                 QStringLiteral("The file \"%1\" cannot be saved: File too large").arg(file));
    }

    // Every print and export dialog proposes the window's title in the language, in the documents folder.
    void proposedFiles() {
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const struct {
            TextWindow window;
            Language lang;
            const char *extension, *name;
        } cases[] = {
            {TextWindow::Tuning, Language::German, "pdf", "Ringfeld-Abstimmbereich.pdf"},
            {TextWindow::Tuning, Language::French, "csv", "Ringfeld-Plage-d-accord.csv"},
            {TextWindow::Exposure, Language::French, "pdf", "Ringfeld-Distance-de-sécurité.pdf"},
            {TextWindow::Finder, Language::English, "json", "Ringfeld-Loop-finder.json"},
        };
        for (const auto& c : cases)
            QCOMPARE(ProposedFile(c.window, c.lang, QString::fromLatin1(c.extension)),
                     documents.filePath(QString::fromUtf8(c.name)));
    }
};

QTEST_MAIN(ReportTest)
#include "report_test.moc"
