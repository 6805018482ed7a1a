// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The tuning range's frequencies as a table model: one row per frequency, the safety
// distance of the chosen standard and population, what sets it and the notes. The
// view asks only for the cells it shows.

#include <QAbstractTableModel>

#include "exposure/exposure_state.h"

namespace ringfeld::exposure {

class ExposureModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ExposureModel(QObject* parent = nullptr);

    // Shows the rows of `stand`, which must outlive the next call.
    void setStand(const Stand* stand);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Stand* stand_ = nullptr;
};

}  // namespace ringfeld::exposure
