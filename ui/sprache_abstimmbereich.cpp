// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "ui/sprache_abstimmbereich.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include "engine/language.h"
#include "ui/sprach_texte.h"

namespace ringfeld {

void AbstimmbereichSpracheAnwenden(QMainWindow& frmMain, const char* sprache) {
    const Language lang = SpracheVon(sprache);
    if (lang == Language::None) return;
    for (const SprachText& row : AbstimmbereichTexte()) {
        if (row.window != TextWindow::Main) continue;
        if (auto* entry = frmMain.findChild<QAction*>(QString::fromUtf8(row.name.data(), qsizetype(row.name.size()))))
            entry->setText(QString::fromUtf8(row.text.in(lang).data(), qsizetype(row.text.in(lang).size())));
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmAbstimmbereich"))
            QMetaObject::invokeMethod(window, "SpracheAnwenden");
}

}  // namespace ringfeld
