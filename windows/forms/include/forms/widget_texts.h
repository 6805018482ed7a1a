// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Putting the catalogue's texts into a window's widgets, found by their object
// names within that one window. Every window's language routine uses these.

#include <QString>

#include "text/language.h"
#include "text/window_texts.h"

class QComboBox;
class QObject;

namespace ringfeld {

// The object of that name inside one window: its controls, menus and actions,
// but not the controls of another window that happens to be its child.
QObject* findNamed(QObject* root, const QString& name);

template <typename T>
T* findeIn(QObject* root, std::string_view name) {
    return root ? qobject_cast<T*>(findNamed(root, QString::fromUtf8(name.data(), qsizetype(name.size())))) : nullptr;
}

// Puts the row's text in `lang` into its target in `window`: the window's
// caption, a caption, a tooltip, a list entry appended or a list's text part.
void TextAnwenden(const SprachText& row, Language lang, QObject& window);

// Empties a list without a signal.
void ListeLeeren(QComboBox* list);
// Sets a list's text part; an equal entry is selected, without a signal.
void ListenText(QComboBox& list, const QString& text);
// Chooses again the entry a list showed before it was refilled in the new
// language, without a signal; true when that is another entry than the current one.
bool WiederWaehlen(QComboBox* list, int entry);

}  // namespace ringfeld
