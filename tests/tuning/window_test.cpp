// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The tuning-range window opened from the main window's menu as a user opens it,
// with the settings store in a temporary folder.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/HauptProgramm.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_window.h"

using namespace ringfeld;

class TuningWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    RecordingDesktopServices dienste;
    std::unique_ptr<HauptProgramm> modul;
    tuning::TuningWindow* w = nullptr;

    template <typename T = QLineEdit>
    T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    void setze(const char* name, const char* text) { in(w, name)->setText(QString::fromLatin1(text)); }

    // Starts the program in English with the loop of three 60 mm turns of 10 mm
    // tube, 1 m across, and opens the window from the menu.
    void oeffnen() {
        modul = std::make_unique<HauptProgramm>(dienste);
        modul->Main();
        frmMain& f = *modul->Hauptfenster();
        for (auto [name, text] : {std::pair{"Text1", "1"},
                                  {"Text2", "3,1416"},
                                  {"Text3", "10"},
                                  {"Text4", "3"},
                                  {"Text7", "0"},
                                  {"Text8", "60"}})
            in(&f, name)->setText(QString::fromLatin1(text));
        f.controls().mnuAktAbstimmbereich->trigger();
        w = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<tuning::TuningWindow*>(top)) w = t;
        QVERIFY(w && w->isVisible());
    }
    double zelle(int row, const char* key) {
        return w->modell().data(w->modell().index(row, tuning::TuningModel::column(key)), Qt::UserRole).toDouble();
    }
    // The report printed to a PDF, as pdftotext reads it.
    QString berichtText() {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("report.pdf"));
        {
            QPdfWriter writer(pdf);
            if (!tuning::TuningReport(w->berichtInhalt()).drucken(writer).isEmpty()) return {};
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        dienste.settings[{"Settings", "Sprache"}] = "englisch";
    }

    void bandRowsBadFieldsAndReport() {
        oeffnen();
        in<QComboBox>(w, "cboBand")->setCurrentIndex(2);  // 80 m
        // 3.5 to 3.8 MHz in 10 kHz steps: 30 steps, 31 rows; row 10 is 3.6 MHz.
        QTRY_COMPARE(w->modell().rowCount(), 31);
        QCOMPARE(zelle(10, "frequency_MHz"), 3.6);
        // Published check: centre spacing 60 mm / 2 over 10 mm is x = 3, Smith's
        // F(3 turns, 3) = 0.085, Rv 0.1496 ohm: R_prox = 0.085 * 0.1496 = 0.0127 ohm.
        QVERIFY(qAbs(zelle(10, "R_proximity_ohm") - 0.0127) < 1e-4);

        // A negative ground loss: its reason beside the field and no row at all.
        setze("txtErde", "-1");
        QTRY_VERIFY(!in<QLabel>(w, "grundErde")->text().isEmpty());
        QCOMPARE(w->modell().rowCount(), 0);
        // A capacitor Q so small that its loss overflows: rows, but no nan or inf in any cell.
        setze("txtErde", "0");
        setze("txtGuete", "1e-320");
        QTRY_COMPARE(w->modell().rowCount(), 31);
        for (int i = 0; i < 31 * w->modell().columnCount(); ++i) {
            const QString t =
                w->modell().index(i / w->modell().columnCount(), i % w->modell().columnCount()).data().toString();
            QVERIFY2(!t.contains(QLatin1String("nan")) && !t.contains(QLatin1String("inf")), qPrintable(t));
        }

        // A ground loss of 1e300: numbers of 300 digits are written compactly, the window keeps its width.
        setze("txtGuete", "500");
        const int breite = w->width();
        setze("txtErde", "1e300");
        QTRY_VERIFY(zelle(10, "R_ground_ohm") > 1e290);
        QCOMPARE(w->width(), breite);
        setze("txtErde", "0");
        // 500 pF of stray capacitance: no capacitor fits, and the summary says so.
        setze("txtStreu", "500");
        QTRY_VERIFY(in<QLabel>(w, "lblZusammenfassung")
                        ->text()
                        .replace(QChar(0xA0), QLatin1Char(' '))
                        .contains(QLatin1String("with no capacitor that fits")));
        setze("txtStreu", "0");

        QTRY_COMPARE(w->modell().rowCount(), 31);
        setze("txtVon", "3.6");
        setze("txtBis", "3.6");  // one frequency: a sheet of one row
        QTRY_COMPARE(w->modell().rowCount(), 1);
        // The window follows the main window's fields: a single turn has no proximity loss.
        in(modul->Hauptfenster(), "Text4")->setText(QStringLiteral("1"));
        QTRY_COMPARE(zelle(0, "R_proximity_ohm"), 0.0);

        // The report as a PDF: the inputs with their units, no coil length for one turn
        // (the field still holds 60), the rows, each note in full, and a refused rating marked as not used.
        setze("txtCmin", "10");
        setze("txtCmax", "20");
        setze("txtUmax", "5kV");
        QTRY_VERIFY(!w->modell().index(0, w->modell().columnCount() - 1).data().toString().isEmpty());
        // C tune to a tenth of a picofarad, as a capacitor is set.
        const QString c = w->modell().index(0, tuning::TuningModel::column("C_tune_pF")).data().toString();
        QCOMPARE(c.size() - c.indexOf(QLatin1Char('.')), 2);
        const QString text = berichtText();
        QVERIFY2(text.contains(QLatin1String("Diameter (m): 1")), qPrintable(text.left(600)));
        QVERIFY(!text.contains(QLatin1String("Coil length")));
        QVERIFY(text.contains(QLatin1String("f (MHz)")));  // the table's first column
        QVERIFY(text.contains(QLatin1String("3.6000")));
        QVERIFY(text.contains(QLatin1String("outside the capacitor's range")));
        QVERIFY(text.contains(QString::fromUtf8("(V): 5kV – not used: not a number")));
    }

    // One decimal separator per language: the band list writes the fields, and the
    // printed report its table and chart, with the comma in German and French and
    // the point in English.
    void einTrennerJeSprache() {
        oeffnen();
        const std::tuple<const char*, char, char> sprachen[] = {
            {"mnuDeutsch", ',', '.'}, {"mnuFranzösisch", ',', '.'}, {"mnuEnglisch", '.', ','}};
        for (const auto& [menue, trenner, anderer] : sprachen) {
            modul->Hauptfenster()->findChild<QAction*>(QString::fromUtf8(menue))->trigger();
            in<QComboBox>(w, "cboBand")->setCurrentIndex(1);
            in<QComboBox>(w, "cboBand")->setCurrentIndex(2);  // 80 m: 3.5 to 3.8 MHz in 10 kHz steps
            const QString schritt = in(w, "txtSchritt")->text();
            QVERIFY2(schritt.contains(QLatin1Char(trenner)) && !schritt.contains(QLatin1Char(anderer)),
                     qPrintable(schritt));
            QTRY_COMPARE(w->modell().rowCount(), 31);
            const QString text = berichtText();
            auto mit = [](const char* zahl, char sep) {
                return QString::fromLatin1(zahl).replace(u'_', QLatin1Char(sep));
            };
            QVERIFY2(text.contains(mit("3_6000", trenner)), qPrintable(text.left(600)));
            QVERIFY(!text.contains(mit("3_6000", anderer)));
            // A tick of the frequency axis (the table's 3_5500 and 23_55 do not count).
            QVERIFY(text.contains(
                QRegularExpression("(?<![\\d,.])" + QRegularExpression::escape(mit("3_55", trenner)) + "(?![\\d])")));
        }
    }

    // Every language: Qt's own buttons speak it, and every column heading fits its column.
    void qtTexteUndSpaltenInJederSprache() {
        oeffnen();
        const std::pair<const char*, const char*> sprachen[] = {
            {"mnuDeutsch", "Abbrechen"}, {"mnuFranzösisch", "Annuler"}, {"mnuEnglisch", "Cancel"}};
        for (const auto& [menue, abbrechen] : sprachen) {
            modul->Hauptfenster()->findChild<QAction*>(QString::fromUtf8(menue))->trigger();
            QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
            QCOMPARE(knoepfe.button(QDialogButtonBox::Cancel)->text(), QString::fromLatin1(abbrechen));
            const QHeaderView& kopf = *in<QTableView>(w, "tblZeilen")->horizontalHeader();
            for (int i = 0; i + 1 < kopf.count(); ++i)
                QVERIFY2(kopf.sectionSize(i) >= kopf.sectionSizeHint(i), qPrintable(w->modell().heading(i, {})));
        }
    }

    // On a screen of 1366 x 768 (tests/tuning/small_screen.json) the window opens within
    // it beside the main window.
    void kleinerSchirm() {
        if (QGuiApplication::primaryScreen()->size() != QSize(1366, 768)) QSKIP("needs the 1366 x 768 screen");
        oeffnen();
        const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(frei.contains(w->frameGeometry()));
        QVERIFY(!w->frameGeometry().intersects(modul->Hauptfenster()->frameGeometry()));
    }
};

QTEST_MAIN(TuningWindowTest)
#include "window_test.moc"
