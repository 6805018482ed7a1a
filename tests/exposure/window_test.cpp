// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The safety-distance window opened from the main window's menu as a user opens it,
// with the settings store in a temporary folder.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/HauptProgramm.h"
#include "exposure/exposure_report.h"
#include "exposure/exposure_window.h"
#include "finder_window/finder_window.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_window.h"

using namespace ringfeld;

class ExposureWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    RecordingDesktopServices dienste;
    std::unique_ptr<HauptProgramm> modul;
    exposure::ExposureWindow* w = nullptr;

    template <typename T = QLineEdit>
    T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    double strom() { return w->stand().ergebnis() ? w->stand().ergebnis()->I_rms_A : -1; }

    // Starts the program in English with a loop 1 m across of 20 mm tube at 7.1 MHz and
    // opens the window with its menu entry.
    void oeffnen() {
        modul = std::make_unique<HauptProgramm>(dienste);
        modul->Main();
        frmMain& f = *modul->Hauptfenster();
        for (auto [name, text] :
             {std::pair{"Text1", "1"}, {"Text2", "3,1416"}, {"Text3", "20"}, {"Text5", "7,1"}, {"Text8", "20"}})
            in(&f, name)->setText(QString::fromLatin1(text));
        f.controls().mnuAktSicherheit->trigger();
        w = modul->Sicherheitsfenster();
        QVERIFY(w && w->isVisible());
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        dienste.settings[{"Settings", "Sprache"}] = "englisch";
    }

    void followsTheLoopReadsItsFieldsAndPrints() {
        oeffnen();
        const double voll = strom();
        QVERIFY(voll > 0);
        // A quarter of the power on average halves the current: I = sqrt(P_avg / R).
        in(w, "txtFaktor")->setText(QStringLiteral("0,25"));
        QTRY_COMPARE(strom(), voll / 2);
        // ... and so does a quarter of the main window's power.
        in(w, "txtFaktor")->setText(QStringLiteral("1"));
        in(modul->Hauptfenster(), "Text6")->setText(QStringLiteral("25"));
        QTRY_COMPARE(strom(), voll / 2);
        // A share above 100 % is refused beside its field: no result, nothing to print.
        in(w, "txtAnteil6")->setText(QStringLiteral("120"));
        QTRY_VERIFY(!in<QLabel>(w, "grundAnteil6")->text().isEmpty());
        QVERIFY(!w->stand().ergebnis());
        QVERIFY(!in<QPushButton>(w, "cmdDrucken")->isEnabled());
        in(w, "txtAnteil6")->setText(QStringLiteral("100"));

        // The tuning range's frequencies give the table, while that window is open.
        modul->Hauptfenster()->controls().mnuAktAbstimmbereich->trigger();
        QTRY_COMPARE(w->stand().zeilen.size(), modul->Abstimmfenster()->modell().sheet().rows.size());
        QVERIFY(!w->stand().zeilen.empty());
        modul->Abstimmfenster()->close();
        QTRY_VERIFY(w->stand().zeilen.empty());

        // The inputs by key, for design files: given and taken back.
        w->EingabenSetzen(
            {{"standard", "fcc"}, {"population", "occupational"}, {"mode", "cw"}, {"mode_factor", "0.4"}});
        QCOMPARE(in<QComboBox>(w, "cboNorm")->currentText(), QStringLiteral("FCC"));
        QCOMPARE(w->Eingaben().at("population"), std::string("occupational"));
        QCOMPARE(w->Eingaben().at("mode"), std::string("cw"));

        // Two places (one within the safety distance) and a station, as the settings give them.
        w->EingabenSetzen({{"places", "balcony=40\n=0,5"}, {"station_callsign", "DL1ABC"}});
        w->Rechnen();
        const auto& orte = w->stand().summary.places;
        QCOMPARE(orte.size(), std::size_t{2});
        QVERIFY(orte[0].worst[w->stand().slot()].within);
        QVERIFY(!orte[1].worst[w->stand().slot()].within);

        // The report as a PDF: its text can be extracted, the capacitor's warning included.
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("report.pdf"));
        w->Rechnen();  // now, not once the events are handled
        {
            QPdfWriter writer(pdf);
            QCOMPARE(exposure::ExposureReport(w->stand(), QDateTime::currentDateTime()).drucken(writer), QString());
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        const QString extracted = text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
        QVERIFY2(extracted.contains(QLatin1String("47 CFR")), qPrintable(extracted.left(400)));
        QVERIFY2(extracted.contains(QLatin1String("tuning capacitor")), qPrintable(extracted.left(400)));
        // The station, the sketch's words, the places' verdicts, units and the pages.
        for (const char* part : {"Station", "DL1ABC", "plane of the loop", "Named places", "balcony (40.00 m)",
                                 "limit kept", "limit exceeded", "Largest safety distance", "A/m", "V/m", "Page 1 of"})
            QVERIFY2(extracted.contains(QLatin1String(part)), part);
    }

    // Options › Units › Imperial while the safety distance and the finder are open: their
    // captions, headings and typed lengths follow at once; what they keep stays metric.
    void openWindowsFollowTheUnitsChosen() {
        oeffnen();
        w->EingabenSetzen({{"places", "balcony=5"}});
        modul->Hauptfenster()->controls().mnuAktFinder->trigger();
        finder::FinderWindow* finder = modul->Finderfenster();
        QVERIFY(finder);
        finder->EingabenSetzen({{"size_min", "0.6096"}, {"conductors", "22.225, 28.575"}});
        modul->Hauptfenster()->EinheitenWaehlen(Units::Imperial);
        QCOMPARE(in<QLabel>(finder, "lblGroesseVon")->text(), QStringLiteral("Size fr&om (ft):"));
        QCOMPARE(in<QLabel>(finder, "lblLeiter")->text(), QStringLiteral("Cond&uctors (in):"));
        QCOMPARE(in(finder, "txtGroesseVon")->text(), QStringLiteral("2.000"));
        QCOMPARE(in(finder, "txtLeiter")->text(), QStringLiteral("0.875, 1.125"));
        QCOMPARE(finder->Eingaben().at("size_min"), std::string("0.6096"));
        auto* orte = in<QTableWidget>(w, "tblOrte");
        QCOMPARE(orte->horizontalHeaderItem(1)->text(), QStringLiteral("Distance (ft)"));
        QCOMPARE(orte->item(0, 1)->text(), QStringLiteral("16.4"));
        QCOMPARE(w->Eingaben().at("places"), std::string("balcony=4.99872"));  // 16.4 ft, as shown
        w->Rechnen();
        QVERIFY2(in<QLabel>(w, "lblKopfzeile")->text().contains(QLatin1String(" ft at ")),
                 qPrintable(in<QLabel>(w, "lblKopfzeile")->text()));
        // And back: metric captions as before.
        modul->Hauptfenster()->EinheitenWaehlen(Units::Metric);
        QCOMPARE(in<QLabel>(finder, "lblGroesseVon")->text(), QStringLiteral("Size fr&om (m):"));
        QCOMPARE(orte->horizontalHeaderItem(1)->text(), QStringLiteral("Distance (m)"));
    }
};

QTEST_MAIN(ExposureWindowTest)
#include "window_test.moc"
