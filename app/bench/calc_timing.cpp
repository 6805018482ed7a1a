// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// How long one press of the calculate button takes, from the click to every
// result label written, in a window on the offscreen platform. Not a test:
// the figures are for the performance notes.
//
//   QT_QPA_PLATFORM=offscreen ringfeld_bench_window [presses]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include "app/HauptProgramm.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    ringfeld::RecordingDesktopServices dienste;
    ringfeld::HauptProgramm modul(dienste);
    modul.Main();
    ringfeld::frmMain& f = *modul.Hauptfenster();
    QApplication::processEvents();

    std::vector<double> us;
    us.reserve(presses);
    for (int i = 0; i < presses; ++i) {
        // Alternate two frequencies so that every press writes new texts.
        f.controls().Text5->setText(i % 2 ? QStringLiteral("14,4") : QStringLiteral("7,1"));
        QElapsedTimer t;
        t.start();
        f.controls().Command1->click();
        us.push_back(t.nsecsElapsed() / 1000.0);
    }
    if (!dienste.boxes.empty()) {
        std::fprintf(stderr, "the calculation showed a box\n");
        return 1;
    }
    std::sort(us.begin(), us.end());
    std::printf("presses=%d median_us=%.1f p99_us=%.1f max_us=%.1f\n", presses, us[us.size() / 2],
                us[us.size() * 99 / 100], us.back());
    return 0;
}
