// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// ringfeld-calc: the loop calculation from the command line.

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

#include "cli/calc_run.h"
#include "platform/settings_store.h"
#include "text/language.h"

namespace {

// The language the desktop program keeps; unreadable or absent gives the empty text.
std::string storedLanguage() {
    return ringfeld::settings::read({}, ringfeld::kSettingsApplication, ringfeld::kSettingsSection,
                                    ringfeld::kSettingsKey, {});
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    ringfeld::cli::FileOutput out(stdout), err(stderr);
    return ringfeld::cli::RunCalc(app.arguments().mid(1), storedLanguage(), separator, out, err);
}
