// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "tuning/abstimm_modell.h"

#include <array>
#include <cmath>
#include <optional>

#include <QBrush>
#include <QColor>
#include <QLocale>

#include "text/abstimm_texte.h"
#include "platform/qt_text.h"

namespace ringfeld::tuning {
namespace {

constexpr unsigned bit(Flag f) { return 1u << static_cast<unsigned>(f); }

// One shown quantity: its export key, heading, decimals, and the flags that mark its cell.
struct Spalte {
    std::string_view key;
    Tri heading;
    int decimals;
    std::optional<double> (*wert)(const SheetRow&);
    unsigned marks;  // bits of the flags, see bit()
};

template <double RowValues::*member>
std::optional<double> feld(const SheetRow& row) {
    if (!row.values) return std::nullopt;
    return (*row.values).*member;
}
std::optional<double> frequenz(const SheetRow& row) { return row.frequencyMHz; }
std::optional<double> eigenresonanz(const SheetRow& row) {
    return row.values ? row.values->f_self_resonance_MHz : std::nullopt;
}

// The efficiency heading says which definition it is: Rr over the whole loss,
// not divided by the turns as in the main window.
const std::array<Spalte, 20> kSpalten{{
    {"frequency_MHz", {"f (MHz)", "f (MHz)", "f (MHz)"}, 4, frequenz, 0},
    {"C_tune_pF", {"C Kond. (pF)", "C cond. (pF)", "C tune (pF)"}, 1, feld<&RowValues::C_tune_pF>,
     bit(Flag::NoCapacitorFits) | bit(Flag::SelfCapacitance) | bit(Flag::CapacitorRange)},
    {"C_self_pF", {"C Eigen (pF)", "C propre (pF)", "C self (pF)"}, 2, feld<&RowValues::C_self_pF>,
     bit(Flag::SelfCapacitance)},
    {"L_uH", {"L (µH)", "L (µH)", "L (µH)"}, 3, feld<&RowValues::L_uH>, 0},
    {"R_radiation_ohm", {"Rr (Ω)", "Rr (Ω)", "Rr (Ω)"}, 5, feld<&RowValues::R_radiation_ohm>,
     bit(Flag::RrFormulaRange)},
    {"R_skin_ohm", {"R Leiter (Ω)", "R cond. (Ω)", "R skin (Ω)"}, 4, feld<&RowValues::R_skin_ohm>, 0},
    {"R_proximity_ohm", {"R Nähe (Ω)", "R prox. (Ω)", "R prox. (Ω)"}, 4, feld<&RowValues::R_proximity_ohm>,
     bit(Flag::ProximityClamped)},
    {"R_ground_ohm", {"R Erde (Ω)", "R sol (Ω)", "R ground (Ω)"}, 4, feld<&RowValues::R_ground_ohm>, 0},
    {"R_capacitor_ohm", {"R Kond. (Ω)", "R cond. C (Ω)", "R cap. (Ω)"}, 4, feld<&RowValues::R_capacitor_ohm>, 0},
    {"R_total_ohm", {"R gesamt (Ω)", "R totale (Ω)", "R total (Ω)"}, 4, feld<&RowValues::R_total_ohm>, 0},
    {"efficiency_percent", {"η = Rr/R (%)", "η = Rr/R (%)", "η = Rr/R (%)"}, 2,
     feld<&RowValues::efficiency_percent>, 0},
    {"gain_dBi", {"Gewinn (dBi)", "Gain (dBi)", "Gain (dBi)"}, 2, feld<&RowValues::gain_dBi>, 0},
    {"Q", {"Q", "Q", "Q"}, 0, feld<&RowValues::Q>, 0},
    {"bandwidth_halfpower_kHz", {"B −3 dB (kHz)", "B −3 dB (kHz)", "B −3 dB (kHz)"}, 2,
     feld<&RowValues::bandwidth_halfpower_kHz>, 0},
    {"bandwidth_vswr2_kHz", {"B SWR 2 (kHz)", "B ROS 2 (kHz)", "B VSWR 2 (kHz)"}, 2,
     feld<&RowValues::bandwidth_vswr2_kHz>, 0},
    {"I_rms_A", {"I eff (A)", "I eff (A)", "I rms (A)"}, 2, feld<&RowValues::I_rms_A>, 0},
    {"V_peak_V", {"Û Kond. (V)", "Û cond. (V)", "V peak (V)"}, 0, feld<&RowValues::V_peak_V>,
     bit(Flag::CapacitorVoltage)},
    {"P_capacitor_W", {"P Kond. (W)", "P cond. (W)", "P cap. (W)"}, 2, feld<&RowValues::P_capacitor_W>, 0},
    {"f_self_resonance_MHz", {"f Eigen (MHz)", "f propre (MHz)", "f self (MHz)"}, 1, eigenresonanz, 0},
    {"flags", {"Hinweis", "Remarque", "Note"}, 0, nullptr, 0},
}};
constexpr int kHinweis = static_cast<int>(kSpalten.size()) - 1;

const QColor kMarkiert(255, 214, 153);  // a flagged cell: light orange
const QColor kVerworfen(128, 128, 128); // the text of a refused row




}  // namespace

QString ZahlText(double value, int decimals) {
    if (!std::isfinite(value)) return QString();
    static const QLocale locale = [] {
        QLocale l = QLocale::system();
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale.toString(value, 'f', decimals);
}

AbstimmModell::AbstimmModell(QObject* parent) : QAbstractTableModel(parent) {}

void AbstimmModell::setSheet(Sheet sheet, Language lang) {
    beginResetModel();
    sheet_ = std::move(sheet);
    lang_ = lang;
    endResetModel();
}

int AbstimmModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sheet_.rows.size());
}

int AbstimmModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kSpalten.size());
}

int AbstimmModell::column(std::string_view key) {
    for (std::size_t i = 0; i < kSpalten.size(); ++i)
        if (kSpalten[i].key == key) return static_cast<int>(i);
    return -1;
}

QString AbstimmModell::heading(int column, Language lang) {
    if (column < 0 || column >= static_cast<int>(kSpalten.size())) return QString();
    return qs(kSpalten[static_cast<std::size_t>(column)].heading.in(lang));
}

QVariant AbstimmModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return heading(section, lang_);
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section < kHinweis)
        return qs(kSpalten[static_cast<std::size_t>(section)].key);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant AbstimmModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const SheetRow& row = sheet_.rows[static_cast<std::size_t>(index.row())];
    const Spalte& spalte = kSpalten[static_cast<std::size_t>(index.column())];

    if (index.column() == kHinweis) {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return role == Qt::ForegroundRole && !row.values
                                                                              ? QVariant(QBrush(kVerworfen))
                                                                              : QVariant();
        if (!row.values) return qs(ZeilenMeldung(sheet_, row.ending, row.fault, lang_));
        QStringList names;
        for (Flag f : row.values->flags)
            names << (role == Qt::DisplayRole ? qs(FlagName(f)) : qs(texte::FlagText(f).in(lang_)));
        return names.join(role == Qt::DisplayRole ? QStringLiteral(", ") : QStringLiteral("\n"));
    }

    const std::optional<double> wert = spalte.wert(row);
    switch (role) {
        case Qt::DisplayRole: return wert ? ZahlText(*wert, spalte.decimals) : QString();
        case Qt::UserRole: return wert && std::isfinite(*wert) ? QVariant(*wert) : QVariant();
        case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ForegroundRole: return row.values ? QVariant() : QVariant(QBrush(kVerworfen));
        case Qt::BackgroundRole:
        case Qt::ToolTipRole: {
            if (!row.values) return {};
            QStringList names;
            for (Flag f : row.values->flags)
                if (spalte.marks & bit(f)) names << qs(FlagName(f)) + QStringLiteral(": ") + qs(texte::FlagText(f).in(lang_));
            if (names.isEmpty()) return {};
            return role == Qt::BackgroundRole ? QVariant(QBrush(kMarkiert)) : QVariant(names.join(QLatin1Char('\n')));
        }
        default: return {};
    }
}

}  // namespace ringfeld::tuning
