// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// How long opening a design file takes, from the file dialog's answer until its
// results are shown: every field, list and window set, the loop calculated, the
// tuning-range sheet recomputed and all three windows repainted. Two designs
// are opened in turn, with the coupling and tuning-range windows shown (the
// most work) and with the main window alone. Not a test: the figures are for
// the performance notes.
//
//   QT_QPA_PLATFORM=offscreen ringfeld_bench_open [runs]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/HauptProgramm.h"
#include "coupling/frmAnkopplung.h"
#include "design/design_file.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"
#include "tuning/tuning_window.h"

using namespace ringfeld;

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The two designs: the start values over the 20 m band, and a 1 m loop of 22 mm
// tube at 7.1 MHz over 40 m in 1 kHz steps (201 rows).
design::Entwurf entwurf(bool zweiter) {
    design::Entwurf e = design::Startentwurf();
    e.abstimmung = {{"14", "14,35", "0,01", "", "0", "0", "", "", "", "", "", "2"}, 6};
    if (zweiter) {
        e.schleife.felder = {"1", "3,1416", "22", "1", "7,1", "100", "0", "22", "10000", "", ""};
        e.kopplung = {1, "4,50"};
        e.abstimmung = {{"7", "7,2", "0,001", "1000", "0", "5", "", "", "", "", "", "2"}, 0};
    }
    return e;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 100;
    QTemporaryDir ordner;
    const std::string dateien[] = {ordner.filePath(QStringLiteral("a.ringfeld")).toStdString(),
                                   ordner.filePath(QStringLiteral("b.ringfeld")).toStdString()};
    for (int i = 0; i < 2; ++i) design::EntwurfSchreiben(dateien[i], entwurf(i == 1), Language::German);

    for (const bool alleFenster : {true, false}) {
        RecordingDesktopServices dienste;
        HauptProgramm modul(dienste);
        modul.Main();
        frmMain& f = *modul.Hauptfenster();
        if (alleFenster) {
            f.mnuAktAnkopplung_Click();
            f.mnuAktAbstimmbereich_Click();
        }
        QApplication::processEvents();

        std::vector<double> ms, cpu;
        for (int i = 0; i < runs; ++i) {
            dienste.openAnswers.push_back(dateien[i % 2]);
            QElapsedTimer uhr;
            uhr.start();
            const double cpu0 = cpuMs();
            f.controls().mnuDateiOeffnen->trigger();
            QApplication::processEvents();  // the tuning sheet follows
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) w->repaint();
            QApplication::processEvents();
            ms.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
            cpu.push_back(cpuMs() - cpu0);
        }
        if (!dienste.boxes.empty()) {
            std::fprintf(stderr, "opening showed a box: %s\n", dienste.boxes.front().text.c_str());
            return 1;
        }
        std::printf(
            "open a design, %s, %d runs: wall clock median %.2f ms, slowest %.2f ms; "
            "processor time median %.2f ms\n",
            alleFenster ? "all three windows shown" : "the main window alone", runs, median(ms),
            *std::max_element(ms.begin(), ms.end()), median(cpu));
    }
    return 0;
}
