// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/display_check.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace ringfeld {
namespace {

[[noreturn]] void ohneDisplayEnden() {
    std::fprintf(stderr, "%s\n", kKeinDisplay);
    std::_Exit(EXIT_FAILURE);  // also from inside a half-built QApplication
}

// Qt's messages while the platform opens are held back: a platform that fails
// ends in qFatal, which becomes the one line; one that opens hands them on.
QtMessageHandler vorheriger = nullptr;
struct QtMeldung {
    QtMsgType typ;
    QString text;
};
std::vector<QtMeldung> gehalten;

void halten(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtFatalMsg) ohneDisplayEnden();
    gehalten.push_back({typ, text});
}

}  // namespace

bool DisplayGenannt() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    return false;
}

std::unique_ptr<QApplication> AnwendungMitDisplay(int& argc, char** argv) {
    if (!DisplayGenannt()) ohneDisplayEnden();
    vorheriger = qInstallMessageHandler(halten);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(vorheriger);
    for (const QtMeldung& m : gehalten) qt_message_output(m.typ, QMessageLogContext(), m.text);
    gehalten.clear();
    return app;
}

}  // namespace ringfeld
