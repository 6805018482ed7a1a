// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The finder's designs as a table model: one row per design, best first, one
// column per entry of finder/finder_columns.h. Qt::UserRole gives a cell's number
// at full precision (the shape's and material's text), the role the table sorts by.

#include <QAbstractTableModel>

#include "finder/finder_search.h"
#include "text/language.h"
#include "text/length_units.h"

namespace ringfeld::finder {

class FinderModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FinderModel(QObject* parent = nullptr);

    // Replaces every row in one reset; the lengths shown in `units`.
    void setErgebnis(Ergebnis ergebnis, Language lang, Units units);
    const Ergebnis& ergebnis() const { return ergebnis_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The column of a quantity by its export key ("efficiency_worst_percent"); -1 if none.
    static int column(std::string_view key);

private:
    Ergebnis ergebnis_;
    Language lang_ = Language::German;
    Units units_ = Units::Metric;
};

}  // namespace ringfeld::finder
