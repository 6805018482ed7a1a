// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Measures the tuning-range window's answer to a keystroke: a 1,000-row sheet
// (7.000 to 7.999 MHz in 1 kHz steps) recomputed, the table and the chart
// redrawn. Prints the median and the slowest of the runs in milliseconds.
// Run with QT_QPA_PLATFORM=offscreen or under xvfb-run.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "testing/recording_desktop_services.h"
#include "text/start_values.h"
#include "tuning/tuning_window.h"

using namespace ringfeld;

namespace {
// The processor time this program used, in ms: on a shared machine the wall
// clock also counts the time other programs held the processor.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr int kRuns = 60;

    // The main window's loop: the start values.
    QWidget haupt;
    LoopEingaben loop = kStartEingaben;
    loop.Combo1 = "Kreis", loop.Combo2 = "Cu";

    DesignRecord rec;
    rec.Sprache = "deutsch";
    RecordingDesktopServices dienste;
    const QString store = QDir::temp().filePath(QStringLiteral("ringfeld-bench-tuning.conf"));
    QFile::remove(store);
    const std::unique_ptr<tuning::TuningWindow> gebaut = makeToolWindow<tuning::TuningWindow>(
        rec, dienste, [&] { return loop; }, haupt, store);
    tuning::TuningWindow& fenster = *gebaut;
    fenster.Zeigen();
    auto* von = fenster.findChild<QLineEdit*>(QStringLiteral("txtVon"));
    auto* bis = fenster.findChild<QLineEdit*>(QStringLiteral("txtBis"));
    auto* schritt = fenster.findChild<QLineEdit*>(QStringLiteral("txtSchritt"));
    auto* erde = fenster.findChild<QLineEdit*>(QStringLiteral("txtErde"));
    von->setText(QStringLiteral("7"));
    bis->setText(QStringLiteral("7.999"));
    schritt->setText(QStringLiteral("0.001"));
    erde->setText(QStringLiteral("1"));
    QApplication::processEvents();
    std::printf("rows: %d\n", fenster.modell().rowCount());

    std::vector<double> ms, cpu;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        const double cpu0 = cpuMs();
        // One typed digit, then everything the event loop does for it, then the paint.
        QTest::keyClick(erde, i % 2 ? Qt::Key_Backspace : Qt::Key_1);
        QApplication::processEvents();
        fenster.repaint();
        QApplication::processEvents();
        ms.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMs() - cpu0);
    }
    std::printf(
        "keystroke to redrawn sheet over %d runs: wall clock median %.2f ms, slowest %.2f ms; "
        "processor time median %.2f ms\n",
        kRuns, median(ms), *std::max_element(ms.begin(), ms.end()), median(cpu));
    QFile::remove(store);
    return 0;
}
