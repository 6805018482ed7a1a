// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "app/qt_translation.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/qt_text.h"

namespace ringfeld {
namespace {

// Qt's texts are English: English needs no translation.
constexpr Language kQtsSprache = Language::English;

std::unique_ptr<QTranslator>& installiert() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

bool QtUebersetzungLaden(Language lang) {
    auto& alt = installiert();
    if (alt) QCoreApplication::removeTranslator(alt.get());
    alt.reset();
    const SprachEintrag* eintrag = SprachEintragVon(lang);
    if (!eintrag || lang == kQtsSprache) return true;
    auto neu = std::make_unique<QTranslator>();
    // qtbase_de.qm: the texts of Qt's core, widgets and print support.
    if (!neu->load(QLocale(qs(eintrag->localeSprache)), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(neu.get());
    alt = std::move(neu);
    return true;
}

}  // namespace ringfeld
