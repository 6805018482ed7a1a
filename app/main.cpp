// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld: the desktop calculator for small transmitting magnetic loops.

#include <cstdlib>
#include <string>

#include <QApplication>

#include "app/HauptProgramm.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "main/frmMain.h"
#include "platform/qt_desktop_services.h"

int main(int argc, char* argv[]) {
    if (const auto status = ringfeld::CommandLineAnswer(argc, argv)) return *status;  // before any display
    const auto app = ringfeld::AnwendungMitDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ringfeld"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ringfeld.Ringfeld"));

    ringfeld::QtDesktopServices dienste;
    ringfeld::HauptProgramm modul(dienste);
    modul.Main();
    if (const std::string datei = ringfeld::CommandLineFile(argc, argv); !datei.empty() && modul.Hauptfenster())
        modul.DateiOeffnen(datei);

    // Without a window to live in, the program ends after start-up.
    if (!modul.Hauptfenster() || !modul.Hauptfenster()->isVisible()) return EXIT_FAILURE;
    return QApplication::exec();
}
