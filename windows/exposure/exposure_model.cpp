// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "exposure/exposure_model.h"

#include <QBrush>
#include <QColor>

#include "platform/qt_text.h"

namespace ringfeld::exposure {
namespace {

constexpr int kHinweis = static_cast<int>(texte::kFrequenzSpalten.size()) - 1;
const QColor kVerworfen(128, 128, 128);  // the text of a refused row
const QColor kNah(255, 214, 153);        // a distance within 3 loop radii: light orange

}  // namespace

ExposureModel::ExposureModel(QObject* parent) : QAbstractTableModel(parent) {}

void ExposureModel::setStand(const Stand* stand) {
    beginResetModel();
    stand_ = stand;
    endResetModel();
}

int ExposureModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !stand_ ? 0 : static_cast<int>(stand_->gruppen.size());
}

int ExposureModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texte::kFrequenzSpalten.size());
}

QVariant ExposureModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        // The unit below the name: narrower columns.
        return MitAbstandEinheit(texte::kFrequenzSpalten[static_cast<std::size_t>(section)],
                                 stand_ ? stand_->units : Units::Metric, stand_ ? stand_->lang : kStandardSprache)
            .replace(QStringLiteral(" ("), QStringLiteral("\n("));
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant ExposureModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const RowGroup& group = stand_->gruppen[static_cast<std::size_t>(index.row())];
    const Row& row = stand_->zeilen[group.sample];
    switch (role) {
        case Qt::DisplayRole: return FrequenzZellen(*stand_, group).value(index.column());
        case Qt::ToolTipRole:  // the cell in full where the column cuts it short
            return index.column() >= kHinweis - 1 ? FrequenzZellen(*stand_, group).value(index.column()) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue((index.column() >= kHinweis - 1 ? Qt::AlignLeft : Qt::AlignRight) |
                                       Qt::AlignVCenter);
        case Qt::ForegroundRole: return row.result ? QVariant() : QVariant(QBrush(kVerworfen));
        case Qt::BackgroundRole:
            return row.result && (row.result->limits[stand_->slot()].flags & kNearConductor) ? QVariant(QBrush(kNah))
                                                                                             : QVariant();
        default: return {};
    }
}

}  // namespace ringfeld::exposure
