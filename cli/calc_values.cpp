// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "cli/calc_values.h"

#include <QStringList>

#include <charconv>

namespace ringfeld::cli {
namespace {

constexpr double kVoltsPerKilovolt = 1000;
constexpr double kCentimetresPerMetre = 100;

}  // namespace

RowValues ValuesOf(const CalcRow& row) {
    RowValues v;
    if (row.ausgang.ending != Ending::Ok) return v;
    const LoopWerte& w = row.ausgang.werte;
    // The efficiency and gain are those the window shows: Rr / R divided by the
    // number of turns, as the calculation has always done.
    v = {w.lambdaAnteil,
         w.induktivitaet,
         w.kapazitaet,
         w.eigenkapazitaet,
         w.strahlung,
         w.verlust,
         row.record.RGesamt,
         row.record.XL,
         w.prozent,
         w.gewinn,
         w.guete,
         w.bandbreite,
         w.spannung ? std::optional(*w.spannung * kVoltsPerKilovolt) : std::nullopt};
    const auto& a = row.ankopplung;
    if (a && a->art != KopplungsArt::Abgelehnt) {
        v[kFirstCouplingValue] = a->umfangCm / kCentimetresPerMetre;
        v[kFirstCouplingValue + 1] = a->lkaCm / kCentimetresPerMetre;
        v[kFirstCouplingValue + 2] = a->resonanzOhm;
    }
    return v;
}

std::string NumberText(double value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

QString MessageLine(const std::string& text) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(text).split("\r\n")) {
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    }
    return lines.join(' ');
}

QString RowMessage(const CalcRow& row) {
    const auto& a = row.ankopplung;
    if (row.ausgang.meldung) return MessageLine(row.ausgang.meldung->text);
    if (a && a->art == KopplungsArt::Abgelehnt && a->meldung) return MessageLine(a->meldung->text);
    return {};
}

}  // namespace ringfeld::cli
