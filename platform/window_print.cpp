// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/window_print.h"

#include <stdexcept>

#include <QLabel>
#include <QWidget>

#include "platform/qt_text.h"

namespace ringfeld {

void FensterDrucken(DesktopServices& dienste, QWidget& flaeche, std::initializer_list<QWidget*> knoepfe,
                    const DruckKopf& kopf, const std::string& fehlermeldung) {
    try {
        for (QWidget* knopf : knoepfe) knopf->setVisible(false);
        kopf.label.setText(qs(kopf.aufPapier));
        kopf.label.setVisible(true);
        dienste.processEvents();
        if (!dienste.printWindow(flaeche)) throw std::runtime_error("printing failed");
        dienste.processEvents();
    } catch (...) {
        dienste.messageBox(Meldung{fehlermeldung, std::string(), BoxIcon::None});
    }

    for (QWidget* knopf : knoepfe) knopf->setVisible(true);
    kopf.label.setText(qs(kopf.danach));
    kopf.label.setVisible(kopf.danachSichtbar);
}

}  // namespace ringfeld
