// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "coupling/ankopplung_zeigen.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

#include "coupling/frmAnkopplung.h"

namespace ringfeld {
namespace {

// Right of the other window, top edges level, kept on that window's screen.
QPoint platzDaneben(const QWidget& fenster, const QWidget& neben) {
    const QRect anderes = neben.frameGeometry();
    QPoint ziel(anderes.right() + 1, anderes.top());
    if (const QScreen* schirm = neben.screen()) {
        const QRect frei = schirm->availableGeometry();
        const QSize groesse = fenster.frameGeometry().size();
        ziel.setX(std::max(frei.left(), std::min(ziel.x(), frei.right() + 1 - groesse.width())));
        ziel.setY(std::max(frei.top(), std::min(ziel.y(), frei.bottom() + 1 - groesse.height())));
    }
    return ziel;
}

}  // namespace

void AnkopplungZeigen(frmAnkopplung& fenster, QWidget* neben) {
    static constexpr const char* kPlatziert = "ringfeldPlatziert";
    if (neben && !fenster.property(kPlatziert).toBool()) {
        fenster.move(platzDaneben(fenster, *neben));
        fenster.setProperty(kPlatziert, true);
    }
    // A window laid down as an icon comes back as it was before.
    fenster.setWindowState(fenster.windowState() & ~Qt::WindowMinimized);
    fenster.show();
    fenster.raise();
    fenster.activateWindow();
    fenster.Aktivieren();
}

}  // namespace ringfeld
