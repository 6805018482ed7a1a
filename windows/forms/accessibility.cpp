// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/accessibility.h"

#include <QWidget>

namespace ringfeld {

void exposeObjectNames(QWidget* root) {
    if (!root) return;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) w->setAccessibleDescription(w->objectName());
}

}  // namespace ringfeld
