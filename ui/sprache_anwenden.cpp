// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "ui/sprache_anwenden.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QWidget>

#include "engine/input_rules.h"
#include "engine/interface_titles.h"
#include "engine/language.h"
#include "ui/sprach_texte.h"
#include "ui/sprache_abstimmbereich.h"

namespace ringfeld {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The object of that name inside one window: its controls, menus and actions,
// but not the controls of another window that happens to be its child.
QObject* findNamed(QObject* root, const QString& name) {
    for (QObject* child : root->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
        if (child->objectName() == name) return child;
    }
    for (QObject* child : root->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
        if (QObject* found = findNamed(child, name)) return found;
    }
    return nullptr;
}

template <typename T>
T* find(QObject* root, std::string_view name) {
    return root ? qobject_cast<T*>(findNamed(root, qs(name))) : nullptr;
}

void setCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target)) menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(target)) action->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(target)) frame->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target)) button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target)) label->setText(text);
}

// Appending an entry never selects it: a list emptied and refilled shows
// whatever its text part is set to, with no entry chosen.
void appendEntry(QComboBox& list, const QString& entry) {
    const QSignalBlocker quiet(list);
    const int selected = list.currentIndex();
    const QString text = list.currentText();
    list.addItem(entry);
    if (list.currentIndex() != selected) {
        list.setCurrentIndex(selected);
        list.setEditText(text);
    }
}

// Setting the text part to one of the entries selects that entry, so that the
// arrow keys move on from it.
void setListText(QComboBox& list, const QString& text) {
    const QSignalBlocker quiet(list);
    const int entry = text.isEmpty() ? -1 : list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0) list.setCurrentIndex(entry);
    list.setEditText(text);
}

// Chooses again the entry a list showed before it was refilled in the new
// language; true when that is another entry than the language's preset.
bool chooseAgain(QComboBox* list, int entry) {
    if (!list || entry < 0 || entry >= list->count() || entry == list->currentIndex()) return false;
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(entry);
    return true;
}

void emptyList(QComboBox* list) {
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
}

void apply(const SprachText& row, Language lang, QObject* window) {
    const QString text = qs(row.text.in(lang));
    QObject* target = row.target == TextTarget::WindowCaption ? window : findNamed(window, qs(row.name));
    if (!target) return;
    switch (row.target) {
        case TextTarget::WindowCaption:
            if (auto* w = qobject_cast<QWidget*>(target)) w->setWindowTitle(text);
            break;
        case TextTarget::Caption: setCaption(target, text); break;
        case TextTarget::ToolTip:
            if (auto* w = qobject_cast<QWidget*>(target)) w->setToolTip(text);
            break;
        case TextTarget::ListEntry:
            if (auto* list = qobject_cast<QComboBox*>(target)) appendEntry(*list, text);
            break;
        case TextTarget::ListText:
            if (auto* list = qobject_cast<QComboBox*>(target)) setListText(*list, text);
            break;
    }
}

}  // namespace

void SpracheAnwenden(QMainWindow& frmMain, const std::function<QWidget*()>& frmAnkopplung, DesignRecord& rec) {
    // 1. Empty the shape and material lists, noting the entries chosen.
    auto* const shape = find<QComboBox>(&frmMain, "Combo1");
    auto* const material = find<QComboBox>(&frmMain, "Combo2");
    const int shapeEntry = shape ? shape->currentIndex() : -1;
    const int materialEntry = material ? material->currentIndex() : -1;
    emptyList(shape);
    emptyList(material);

    // 2. Empty the site list of the coupling window, its text and the
    //    resonance resistance.  This is where that window comes into being.
    QWidget* coupling = frmAnkopplung ? frmAnkopplung() : nullptr;
    auto* const site = find<QComboBox>(coupling, "Combo1");
    const int siteEntry = site ? site->currentIndex() : -1;
    if (site) {
        emptyList(site);
        setListText(*site, QString());
    }
    if (auto* resonance = find<QLabel>(coupling, "Label11")) resonance->setText(QString());

    // 3. The language, compared exactly; any other value ends here.
    const Language lang = SpracheVon(rec.Sprache);
    if (lang == Language::None) return;

    // 4. Titles of the message boxes and the main window's caption.
    TitelSetzen(rec);
    frmMain.setWindowTitle(qs(kCallsignPrefix) + qs(rec.ProgrammTitel));

    // 5. Check mark at the current language only.
    if (auto* a = find<QAction>(&frmMain, "mnuDeutsch")) a->setChecked(lang == Language::German);
    if (auto* a = find<QAction>(&frmMain, "mnuFranzösisch")) a->setChecked(lang == Language::French);
    if (auto* a = find<QAction>(&frmMain, "mnuEnglisch")) a->setChecked(lang == Language::English);

    // 6. to 10. Menu captions, captions, lists and tooltips of the main
    //    window, then the texts of the coupling window, in table order.
    for (const SprachText& row : SprachTexte()) {
        QObject* window = row.window == TextWindow::Main ? static_cast<QObject*>(&frmMain) : coupling;
        if (window) apply(row, lang, window);
    }

    // 11. The lists show the entries chosen before, in the new language, so
    //     that the design stays the same design; a shape other than the
    //     preset gives Text1's label the caption the shape switch gives it.
    if (chooseAgain(shape, shapeEntry)) {
        const auto caption = FormBeschriftung(shape->currentText().toStdString());
        if (auto* label = find<QLabel>(&frmMain, "Label1"); label && caption) label->setText(qs(*caption));
    }
    chooseAgain(material, materialEntry);
    chooseAgain(site, siteEntry);

    // 12. The tuning-range window's menu entry and the window itself.
    AbstimmbereichSpracheAnwenden(frmMain, rec.Sprache.c_str());
}

}  // namespace ringfeld
