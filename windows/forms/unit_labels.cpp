// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/unit_labels.h"

#include <QLabel>

#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "text/length_texts.h"

namespace ringfeld {

void EinheitenBeschriften(QWidget& window, Units units, Language lang) {
    const std::string name = str(window.objectName());
    for (const UnitLabel& row : kUnitLabels)
        if (row.window == name)
            if (auto* label = findeIn<QLabel>(&window, row.name))
                label->setText(qs(UnitCaption(row.quantity, units, lang)));
    for (const UnitLabel& row : kUnitCaptions)
        if (row.window == name)
            if (auto* label = findeIn<QLabel>(&window, row.name))
                label->setText(qs(WithUnit(str(label->text()), row.quantity, units, lang)));
}

}  // namespace ringfeld
