// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The measured loop's window opened from the main window's menu as a user opens it,
// with the settings store in a temporary folder and the corpus's synthetic sweeps
// (tests/corpus/sweeps/make_sweeps.py: f0 7.1 MHz, Q0 600, beta 0.8).

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/HauptProgramm.h"
#include "design/design_file.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_window.h"
#include "vna_window/vna_window.h"

using namespace ringfeld;

class VnaWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir config, dir;
    RecordingDesktopServices dienste;
    std::unique_ptr<HauptProgramm> modul;
    vna::VnaWindow* w = nullptr;

    template <typename T>
    T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    double q0() const { return w->stand().messung ? w->stand().messung->fit.unloadedQ : -1; }
    QString shown() {
        auto* table = in<QTableWidget>(w, "tblErgebnis");
        QStringList cells;
        for (int r = 0; r < table->rowCount(); ++r) cells << table->item(r, 1)->text();
        return cells.join('|');
    }
    void open(const QString& path) {
        dienste.openAnswers.push_back(path.toStdString());
        in<QPushButton>(w, "cmdOeffnen")->click();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        dienste.settings[{"Settings", "Sprache"}] = "englisch";
        QDir(dir.path()).mkpath("sweeps");
        QVERIFY(QFile::copy(RINGFELD_SWEEPS "/loop-7100-ri.s1p", dir.filePath("sweeps/loop.s1p")));
        modul = std::make_unique<HauptProgramm>(dienste);
        modul->Main();
        modul->Hauptfenster()->controls().mnuAktMessung->trigger();
        w = modul->Messfenster();
        QVERIFY(w && w->isVisible());
    }

    // Opening a sweep fills the results; a bad file shows one box naming it and changes nothing.
    void opensASweepAndRefusesABadOne() {
        QVERIFY(!w->stand().messung && !in<QPushButton>(w, "cmdDrucken")->isEnabled());
        open(dir.filePath("sweeps/loop.s1p"));
        QVERIFY(std::abs(q0() - 600) < 6);
        QCOMPARE(in<QTableWidget>(w, "tblErgebnis")->rowCount(), 14);
        QVERIFY(shown().contains(QLatin1String("7.10 kHz")));  // VSWR 2 band: 0.6 f0 / Q0
        QVERIFY(in<QPushButton>(w, "cmdDrucken")->isEnabled());
        const QString before = shown();
        const vna::VnaStand stand = w->stand();
        for (const char* bad : {"two-port.s2p", "missing.s1p"}) {
            open(QStringLiteral(RINGFELD_SWEEPS "/") + QLatin1String(bad));
            const std::vector<Meldung> boxes = dienste.takeBoxes();
            QCOMPARE(boxes.size(), std::size_t{1});
            QVERIFY2(QString::fromStdString(boxes[0].text).contains(QLatin1String(bad)), boxes[0].text.c_str());
            QCOMPARE(shown(), before);
            QCOMPARE(w->stand().datei, stand.datei);
            QCOMPARE(w->stand().sweep->gamma.size(), stand.sweep->gamma.size());
        }
        QCOMPARE(w->zuletzt().size(), std::size_t{1});
    }

    // "Use" puts f0 / Q0 into the tuning range's measured block, whose Q is then the fit's.
    void feedsTheTuningRangeAndTheSafetyDistance() {
        in<QPushButton>(w, "cmdUebernehmen")->click();
        tuning::TuningWindow* t = modul->Abstimmfenster();
        QVERIFY(t && t->isVisible());
        t->Rechnen();
        const auto& measured = t->modell().sheet().measured;
        QVERIFY(measured && measured->ending == Ending::Ok);
        QVERIFY(std::abs(measured->Q / q0() - 1) < 1e-5);
        QCOMPARE(modul->AktuellerEntwurf().weitere.at("exposure").at("current_source"), std::string("measured"));
    }

    // The design keeps the fit and the sweep relative to itself; read back it is the same
    // design, and without its sweep the window shows the fit it kept.
    void designFileKeepsTheFitAndTheSweepsName() {
        const design::Entwurf e = modul->AktuellerEntwurf();
        const std::string file = dir.filePath("loop.ringfeld").toStdString();
        QVERIFY(!design::EntwurfSchreiben(file, e, Language::English));
        QFile saved(QString::fromStdString(file));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\"sweep_file\": \"sweeps/loop.s1p\""));
        const design::Gelesen read = design::EntwurfLesen(file, Language::English);
        QVERIFY(read.entwurf);
        QVERIFY(*read.entwurf == e);

        const QString before = shown();
        QVERIFY(QFile::remove(dir.filePath("sweeps/loop.s1p")));
        modul->EntwurfZeigen(*read.entwurf);
        QTRY_VERIFY(!w->stand().sweep && w->stand().messung);
        QCOMPARE(shown(), before);
        QVERIFY(in<QLabel>(w, "lblDatei")->text().contains(QLatin1String("loop.s1p")));
    }
};

QTEST_MAIN(VnaWindowTest)
#include "window_test.moc"
