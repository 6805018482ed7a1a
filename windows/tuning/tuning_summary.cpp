// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_summary.h"

#include "platform/qt_text.h"
#include "presentation/tuning_display.h"
#include "tuning/tuning_model.h"

namespace ringfeld::tuning {

QStringList Zusammenfassung(const Sheet& sheet, Language lang) {
    QStringList lines;
    for (const std::string& teil : ZusammenfassungTeile(sheet, lang, Dezimaltrenner(lang))) lines << qs(teil);
    return lines;
}

QString MessErgebnis(const Sheet& sheet, Language lang) {
    return qs(MessErgebnisText(sheet, lang, Dezimaltrenner(lang)));
}

QString SchleifenText(const Sheet& sheet, Language lang, Units units) {
    return qs(SchleifenZeile(sheet.loop, lang, Dezimaltrenner(lang), units));
}

}  // namespace ringfeld::tuning
