// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/tuning_model.h"

#include <array>
#include <cmath>
#include <optional>

#include <QBrush>
#include <QColor>

#include "platform/qt_text.h"
#include "presentation/sheet_columns.h"
#include "presentation/tuning_display.h"
#include "presentation/tuning_row_texts.h"

namespace ringfeld::tuning {
namespace {

// The window's columns, in its order, from the sheet's column registry.
constexpr auto kSpalten = WindowColumns();
constexpr int kHinweis = static_cast<int>(kSpalten.size()) - 1;
static_assert(kSpalten[kHinweis]->kind == ColumnKind::Flags);

const QColor kMarkiert(255, 214, 153);   // a flagged cell: light orange
const QColor kVerworfen(128, 128, 128);  // the text of a refused row, or of one without a capacitor

}  // namespace

QString ZahlText(double value, int decimals, Language lang) {
    return qs(FensterZahl(value, decimals, Dezimaltrenner(lang)));
}

TuningModel::TuningModel(QObject* parent) : QAbstractTableModel(parent) {}

void TuningModel::setSheet(Sheet sheet, Language lang) {
    beginResetModel();
    sheet_ = std::move(sheet);
    lang_ = lang;
    endResetModel();
}

int TuningModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sheet_.rows.size());
}

int TuningModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kSpalten.size());
}

int TuningModel::column(std::string_view key) {
    for (std::size_t i = 0; i < kSpalten.size(); ++i)
        if (kSpalten[i]->key == key) return static_cast<int>(i);
    return -1;
}

QString TuningModel::heading(int column, Language lang) {
    if (column < 0 || column >= static_cast<int>(kSpalten.size())) return QString();
    return qs(kSpalten[static_cast<std::size_t>(column)]->heading.in(lang));
}

bool TuningModel::verworfen(int row) const {
    return row >= 0 && row < rowCount() && !sheet_.rows[static_cast<std::size_t>(row)].values;
}

QVariant TuningModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return heading(section, lang_);
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section <= kHinweis)
        return qs(kSpalten[static_cast<std::size_t>(section)]->explanation.in(lang_));
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant TuningModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const SheetRow& row = sheet_.rows[static_cast<std::size_t>(index.row())];
    const SheetColumn& spalte = *kSpalten[static_cast<std::size_t>(index.column())];
    // A row that is no design (refused, or no capacitor fits) is greyed.
    if (role == Qt::ForegroundRole)
        return !row.values || OhneKondensator(row) ? QVariant(QBrush(kVerworfen)) : QVariant();

    // A refused row: its reason in the cell after the frequency (the view spans it over the row).
    if (!row.values && index.column() > 0) {
        if (index.column() != 1 || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
        return qs(ZeilenMeldung(sheet_, row, lang_));
    }
    if (index.column() == kHinweis) {
        if (role == Qt::DisplayRole) return qs(HinweisText(row.values->flags, lang_, "; "));
        if (role == Qt::ToolTipRole) return qs(HinweisText(row.values->flags, lang_, "\n"));
        return {};
    }

    const std::optional<double> wert = spalte.value(row);
    switch (role) {
        case Qt::DisplayRole: return wert ? ZahlText(*wert, spalte.decimals, lang_) : QString();
        case Qt::UserRole: return wert && std::isfinite(*wert) ? QVariant(*wert) : QVariant();
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
        case Qt::ToolTipRole: {
            if (!row.values) return {};
            std::vector<Flag> marks;
            for (Flag f : row.values->flags)
                if (spalte.marks & FlagBit(f)) marks.push_back(f);
            if (marks.empty()) return {};
            return role == Qt::BackgroundRole ? QVariant(QBrush(kMarkiert))
                                              : QVariant(qs(HinweisText(marks, lang_, "\n")));
        }
        default: return {};
    }
}

}  // namespace ringfeld::tuning
