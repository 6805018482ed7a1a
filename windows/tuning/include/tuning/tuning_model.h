// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The sheet's rows as a table model: one row per frequency, one column per
// quantity, the flags as sentences in the last column; a refused row has its
// reason in the cell after the frequency, which the view spans over the row. The
// view asks only for the cells it shows, so a long sheet costs no more than a
// screenful. Qt::UserRole gives a cell's number at full precision (nothing for a
// refused row); a heading's tooltip explains its column.

#include <QAbstractTableModel>

#include "core/tuning_sheet.h"
#include "text/language.h"

namespace ringfeld::tuning {

class TuningModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TuningModel(QObject* parent = nullptr);

    // Replaces every row in one reset; the model keeps the sheet.
    void setSheet(Sheet sheet, Language lang);
    const Sheet& sheet() const { return sheet_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Whether the row was refused: the view spans its reason over the row.
    bool verworfen(int row) const;

    // The column of a quantity by its export key ("C_tune_pF"); -1 if not shown.
    static int column(std::string_view key);
    // Headings in the language, for the report.
    static QString heading(int column, Language lang);

private:
    Sheet sheet_;
    Language lang_ = Language::German;
};

// A number as the window shows it: the language's separator, no grouping, compact
// from kKompaktAb on (presentation/tuning_display.h); an undefined or infinite value shows nothing.
QString ZahlText(double value, int decimals, Language lang);

}  // namespace ringfeld::tuning
