// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/text_table.h"

#include <algorithm>

#include "platform/qt_text.h"
#include "text/loop_field_units.h"

namespace ringfeld::cli {

void TextTable::widen(const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i)
        if (aligned(i, cells.size()))
            width_[static_cast<std::size_t>(i)] = std::max(width_[static_cast<std::size_t>(i)], cells[i].size());
}

void TextTable::widen(const TextTable& other) {
    for (std::size_t i = 0; i < width_.size() && i < other.width_.size(); ++i)
        width_[i] = std::max(width_[i], other.width_[i]);
}

QString TextTable::line(const QStringList& cells) const {
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) text += QStringLiteral("  ");
        text += aligned(i, cells.size()) ? cells[i].rightJustified(width_[static_cast<std::size_t>(i)]) : cells[i];
    }
    while (text.endsWith(' ')) text.chop(1);
    return text + '\n';
}

QString NoteLine(const QString& message) { return QStringLiteral("    ! ") + message + '\n'; }

QString LoopInputsLine(const LoopEingaben& metric, Units units, std::string_view sep) {
    const LoopEingaben l = InputsIn(metric, units, sep);
    const QString size = ' ' + qs(UnitOf(LengthQuantity::LoopSize, units).caption.in(Language::English));
    const QString conductor = ' ' + qs(UnitOf(LengthQuantity::Conductor, units).caption.in(Language::English));
    // One pass of arg(): a second one would take a "%1" in a field text for a place marker.
    return QStringLiteral("%1, %2: D = %3, U = %4, d = %5, N = %6, l = %7, P = %8 W, Rs = %9 Ohm")
               .arg(qs(l.Combo1), qs(l.Combo2), qs(l.Text1) + size, qs(l.Text2) + size, qs(l.Text3) + conductor,
                    qs(l.Text4), qs(l.Text8) + conductor, qs(l.Text6), qs(l.Text7)) +
           ", Rp = " + qs(l.Text9) + " kOhm\n";
}

}  // namespace ringfeld::cli
