// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "forms/widget_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QWidget>

#include "platform/qt_text.h"

namespace ringfeld {
namespace {

bool istFremdesFenster(QObject* child) {
    auto* w = qobject_cast<QWidget*>(child);
    return w && w->isWindow() && !qobject_cast<QMenu*>(w);
}

void setCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(target))
        frame->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
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

}  // namespace

QObject* findNamed(QObject* root, const QString& name) {
    for (QObject* child : root->children()) {
        if (istFremdesFenster(child)) continue;
        if (child->objectName() == name) return child;
    }
    for (QObject* child : root->children()) {
        if (istFremdesFenster(child)) continue;
        if (QObject* found = findNamed(child, name)) return found;
    }
    return nullptr;
}

void TextAnwenden(const SprachText& row, Language lang, QObject& window) {
    const QString text = qs(row.text.in(lang));
    QObject* target = row.target == TextTarget::WindowCaption ? &window : findNamed(&window, qs(row.name));
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
            if (auto* list = qobject_cast<QComboBox*>(target)) ListenText(*list, text);
            break;
    }
}

void ListeLeeren(QComboBox* list) {
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
}

// Setting the text part to one of the entries selects that entry, so that the
// arrow keys move on from it.
void ListenText(QComboBox& list, const QString& text) {
    const QSignalBlocker quiet(list);
    const int entry = text.isEmpty() ? -1 : list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0) list.setCurrentIndex(entry);
    list.setEditText(text);
}

bool WiederWaehlen(QComboBox* list, int entry) {
    if (!list || entry < 0 || entry >= list->count() || entry == list->currentIndex()) return false;
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(entry);
    return true;
}

}  // namespace ringfeld
