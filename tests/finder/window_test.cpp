// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The loop finder opened from the main window's menu as a user opens it, with the
// settings store in a temporary folder: a long search cancelled and one overtaken
// by a new input, then a design used, after which the main window and the tuning
// range (its capacitor set from the finder's) show exactly the finder's numbers.

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "app/HauptProgramm.h"
#include "finder_window/finder_window.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_window.h"

using namespace ringfeld;

class FinderWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    RecordingDesktopServices dienste;

    template <typename T = QLineEdit>
    T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        dienste.settings[{"Settings", "Sprache"}] = "englisch";
    }

    void cancelRestartAndUseThisDesign() {
        HauptProgramm modul(dienste);
        modul.Main();
        frmMain& haupt = *modul.Hauptfenster();
        in(&haupt, "Text6")->setText(QStringLiteral("50"));
        haupt.controls().mnuAktFinder->trigger();
        finder::FinderWindow* w = modul.Finderfenster();
        QVERIFY(w && w->isVisible());
        QCOMPARE(in(w, "txtLeistung")->text(), QStringLiteral("50"));  // the main window's power

        // 1,501 sizes of 108 combinations, none of which keeps a 1 V rating, so that every
        // candidate is computed for the reasons: long enough to show its progress; cancelled.
        in(w, "txtUmax")->setText(QStringLiteral("1"));
        in(w, "txtGroesseSchritt")->setText(QStringLiteral("0.001"));
        QTRY_VERIFY(in<QPushButton>(w, "cmdAbbrechen")->isVisible());
        QVERIFY(in<QProgressBar>(w, "prgSuche")->isVisible());
        QTest::mouseClick(in<QPushButton>(w, "cmdAbbrechen"), Qt::LeftButton);
        QVERIFY(!w->sucht());
        QCOMPARE(in<QLabel>(w, "lblZaehlung")->text(), QStringLiteral("Search cancelled."));
        // Started again, then overtaken by a new input: the result is the new search's, 10 sizes
        // (with a lossy capacitor and stray C, which the tuning range must get too).
        in(w, "txtUmax")->clear();
        in(w, "txtGuete")->setText(QStringLiteral("1000"));
        in(w, "txtStreu")->setText(QStringLiteral("5"));
        in(w, "txtGroesseBis")->setText(QStringLiteral("1.59"));
        QTRY_VERIFY(w->sucht());
        in(w, "txtGroesseVon")->setText(QStringLiteral("1.5"));
        in(w, "txtGroesseSchritt")->setText(QStringLiteral("0.01"));
        QTRY_VERIFY(!w->sucht());
        QCOMPARE(w->modell().ergebnis().evaluated, 10 * 108);
        QVERIFY(!in<QPushButton>(w, "cmdAbbrechen")->isVisible());

        // The table sorted worst first, its third row (the design ranked third from the
        // end) used: the main window holds its fields and lists, calculated at FROM,
        // and the tuning range has the finder's 51 rows.
        w->tabelle().sortByColumn(finder::FinderModel::column("rank"), Qt::DescendingOrder);
        const auto& designs = w->modell().ergebnis().designs;
        QVERIFY(designs.size() > 3);
        const finder::Entwurf d = designs[designs.size() - 3];
        const LoopEingaben vorher = haupt.Eingaben();
        w->Uebernehmen(2);
        const LoopEingaben e = haupt.Eingaben();
        // The fields that changed are marked for a while, the others not.
        auto markiert = [&](int i) {
            const QPalette p = in(&haupt, qPrintable(QStringLiteral("Text%1").arg(i)))->palette();
            return p.color(QPalette::Base) != haupt.palette().color(QPalette::Base);
        };
        int i = 0;
        for (auto text : {&LoopEingaben::Text1, &LoopEingaben::Text2, &LoopEingaben::Text3, &LoopEingaben::Text4,
                          &LoopEingaben::Text5, &LoopEingaben::Text6, &LoopEingaben::Text7, &LoopEingaben::Text8,
                          &LoopEingaben::Text9}) {
            QCOMPARE(e.*text, d.felder.*text);
            QCOMPARE(markiert(++i), e.*text != vorher.*text);
        }
        QVERIFY(e.Text1 != vorher.Text1 && vorher.Text6 == e.Text6);  // both kinds are checked
        QTRY_VERIFY_WITH_TIMEOUT(!markiert(1), 4000);
        QCOMPARE(FormVon(e.Combo1), d.form);
        QCOMPARE(MaterialVon(e.Combo2), std::optional<Material>(d.material));
        QCOMPARE(modul.Record().Frequenz, 7.0);
        QVERIFY(!haupt.resultLabel(ResultLabel::lbC)->text().isEmpty());

        tuning::TuningWindow* t = modul.Abstimmfenster();
        QVERIFY(t && t->isVisible());
        const tuning::Sheet& sheet = t->modell().sheet();
        QCOMPARE(sheet.rows.size(), std::size_t{51});
        double worst = 1e300;
        for (const tuning::SheetRow& row : sheet.rows) worst = std::min(worst, row.values->efficiency_percent);
        QCOMPARE(worst, d.efficiencyWorstPercent);
        QCOMPARE(sheet.rows.front().values->efficiency_percent, d.efficiencyFromPercent);
        QCOMPARE(sheet.rows.back().values->efficiency_percent, d.efficiencyToPercent);
        QCOMPARE(sheet.rows.front().values->C_tune_pF, d.cTuneFromPf);
        QCOMPARE(sheet.rows.back().values->C_tune_pF, d.cTuneToPf);
        QCOMPARE(*sheet.summary.P_capacitor_max_W, d.pCapacitorMaxW);
        QCOMPARE(*sheet.summary.V_peak_max_V, d.vPeakMaxV);
        QCOMPARE(*sheet.summary.I_rms_max_A, d.iRmsMaxA);
    }

    // A wrong field: its reason beside it, the global message while some field is
    // wrong and not a moment longer; the key columns in sight at 1366 px.
    void reasonsKeyColumnsAndTheGlobalMessage() {
        HauptProgramm modul(dienste);
        modul.Main();
        modul.Hauptfenster()->controls().mnuAktFinder->trigger();
        finder::FinderWindow* w = modul.Finderfenster();
        QVERIFY(w);
        const QString pruefen = QStringLiteral("Please check the inputs marked in red.");
        struct {
            const char *feld, *text, *grund, *reason;
        } const faelle[] = {
            {"txtMarge", "5.01", "grundMarge", "from 1 to 5"},
            {"txtMarge", "0.99", "grundMarge", "from 1 to 5"},
            {"txtWellenlaengen", "0.51", "grundWellenlaengen", "from 0.1 to 0.5"},
            {"txtWellenlaengen", "0.09", "grundWellenlaengen", "from 0.1 to 0.5"},
        };
        for (const auto& f : faelle) {
            const QString vorher = in(w, f.feld)->text();
            in(w, f.feld)->setText(QString::fromLatin1(f.text));
            QLabel* grund = in<QLabel>(w, f.grund);
            QTRY_COMPARE(grund->text(), QString::fromLatin1(f.reason));
            QVERIFY(grund->isVisible());
            QCOMPARE(in<QLabel>(w, "lblZaehlung")->text(), pruefen);
            // Beside its field: right of it, on its line.
            auto beside = [&] {
                const QRect feld = in(w, f.feld)->geometry(), neben = grund->geometry();
                return neben.left() > feld.right() && neben.left() - feld.right() < 20 && neben.top() < feld.bottom() &&
                       neben.bottom() > feld.top();
            };
            QTRY_VERIFY(beside());
            in(w, f.feld)->setText(vorher);
            QTRY_VERIFY(!grund->isVisible());
            QVERIFY(in<QLabel>(w, "lblZaehlung")->text() != pruefen);  // at once, while the search runs
        }
        QTRY_VERIFY(!w->sucht());
        w->resize(1366 - 48, w->height());
        QTest::qWait(0);
        const QHeaderView& kopf = *w->tabelle().horizontalHeader();
        for (const char* key : {"efficiency_worst_percent", "gain_worst_dBi", "V_peak_max_V", "headroom",
                                "C_tune_from_pF", "C_tune_to_pF"}) {
            const int spalte = finder::FinderModel::column(key);
            QVERIFY2(kopf.sectionViewportPosition(spalte) + kopf.sectionSize(spalte) <= kopf.viewport()->width(), key);
        }
    }
};

QTEST_MAIN(FinderWindowTest)
#include "window_test.moc"
