// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "finder_window/finder_model.h"

#include "finder/finder_columns.h"
#include "platform/qt_text.h"

namespace ringfeld::finder {

FinderModel::FinderModel(QObject* parent) : QAbstractTableModel(parent) {}

void FinderModel::setErgebnis(Ergebnis ergebnis, Language lang, Units units) {
    beginResetModel();
    ergebnis_ = std::move(ergebnis);
    lang_ = lang;
    units_ = units;
    endResetModel();
}

int FinderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ergebnis_.designs.size());
}

int FinderModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kFinderSpalten.size());
}

QVariant FinderModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const FinderSpalte& s = kFinderSpalten[static_cast<std::size_t>(index.column())];
    const Entwurf& e = ergebnis_.designs[static_cast<std::size_t>(index.row())];
    const bool name = s.art == SpaltenArt::Form || s.art == SpaltenArt::Material;
    switch (role) {
        case Qt::DisplayRole: return qs(ZellenText(s, e, lang_, units_, Dezimaltrenner(lang_)));
        case Qt::UserRole: return name ? QVariant(qs(ZellenText(s, e, lang_, units_, "."))) : QVariant(s.wert(e));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(name ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        default: return {};
    }
}

QVariant FinderModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const FinderSpalte& s = kFinderSpalten[static_cast<std::size_t>(section)];
    const texte::SpaltenText& t = s.text;
    // The text table's short heading over its unit keeps the key columns in sight on a
    // small screen; the tooltip gives the full heading and what the column holds.
    const std::string_view unit = SpaltenEinheit(s, units_, lang_);
    if (role == Qt::DisplayRole) return qs(t.shortHeading, lang_) + (unit.empty() ? QString() : "\n" + qs(unit));
    if (role == Qt::ToolTipRole) return qs(SpaltenKopf(s, units_, lang_)) + '\n' + qs(t.tooltip, lang_);
    return {};
}

int FinderModel::column(std::string_view key) {
    for (std::size_t i = 0; i < kFinderSpalten.size(); ++i)
        if (kFinderSpalten[i].text.key == key) return static_cast<int>(i);
    return -1;
}

}  // namespace ringfeld::finder
