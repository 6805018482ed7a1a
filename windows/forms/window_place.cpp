// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ringfeld {

QPoint PlatzNeben(const QWidget& fenster, const QWidget& neben) {
    QPoint ziel = neben.frameGeometry().topRight() + QPoint(1, 0);
    const QScreen* schirm = neben.screen();
    if (!schirm) return ziel;
    const QRect frei = schirm->availableGeometry();
    const QSize groesse = fenster.frameGeometry().size().expandedTo(fenster.minimumSizeHint());
    ziel.setX(std::max(frei.left(), std::min(ziel.x(), frei.right() + 1 - groesse.width())));
    ziel.setY(std::max(frei.top(), std::min(ziel.y(), frei.bottom() + 1 - groesse.height())));
    return ziel;
}

}  // namespace ringfeld
