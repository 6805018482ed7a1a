// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "main/sprache_anwenden.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>

#include "forms/widget_texts.h"
#include "platform/qt_text.h"
#include "text/input_rules.h"
#include "text/interface_titles.h"
#include "text/language.h"
#include "text/window_texts.h"

namespace ringfeld {

void SpracheAnwenden(QMainWindow& frmMain, DesignRecord& rec, const std::function<void()>& andereLeeren,
                     const std::function<void()>& andereAnwenden) {
    // 1. Empty the shape and material lists, noting the entries chosen.
    auto* const shape = findeIn<QComboBox>(&frmMain, "Combo1");
    auto* const material = findeIn<QComboBox>(&frmMain, "Combo2");
    const int shapeEntry = shape ? shape->currentIndex() : -1;
    const int materialEntry = material ? material->currentIndex() : -1;
    ListeLeeren(shape);
    ListeLeeren(material);

    // 2. The other windows empty what they refill.
    if (andereLeeren) andereLeeren();

    // 3. The language, compared exactly; any other value ends here.
    const Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) return;

    // 4. Titles of the message boxes and the main window's caption.
    TitelSetzen(rec);
    frmMain.setWindowTitle(qs(kCallsignPrefix) + qs(rec.ProgrammTitel));

    // 5. Check mark at the current language only.
    for (const SprachEintrag& e : kSprachen)
        if (auto* a = findeIn<QAction>(&frmMain, e.menue)) a->setChecked(lang == e.lang);

    // 6. Menu captions, captions, lists and tooltips, in table order.
    for (const SprachText& row : SprachTexte())
        if (row.window == TextWindow::Main) TextAnwenden(row, lang, frmMain);

    // 7. The lists show the entries chosen before, in the new language, so
    //    that the design stays the same design; a shape other than the
    //    preset gives Text1's label the caption the shape switch gives it.
    if (WiederWaehlen(shape, shapeEntry)) {
        const auto caption = FormBeschriftung(str(shape->currentText()));
        if (auto* label = findeIn<QLabel>(&frmMain, "Label1"); label && caption) label->setText(qs(*caption));
    }
    WiederWaehlen(material, materialEntry);

    // 8. The other windows' texts.
    if (andereAnwenden) andereAnwenden();
}

}  // namespace ringfeld
