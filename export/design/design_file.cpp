// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "design/design_file.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include "design/save_file.h"
#include "text/catalog/design_texts.h"

namespace ringfeld::design {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Gelesen EntwurfLesen(const std::string& path, Language lang) {
    const QString name = q(path);
    auto abweisen = [&](const Tri& grund, const QString& detail = QString()) {
        Gelesen out;
        QString g = q(grund.in(lang));
        if (!detail.isNull()) g = g.arg(detail);
        out.meldung = q(texte::kNichtGeoeffnet.in(lang)).arg(name, g).toStdString();
        return out;
    };
    const QFileInfo info(name);
    if (!info.exists()) {
        Gelesen out = abweisen(texte::kFehlt);
        out.verschwunden = true;
        return out;
    }
    if (info.isDir()) return abweisen(texte::kOrdner);
    // The size the folder gives first; a device or a growing file is caught by
    // reading one byte more than allowed.
    if (info.size() > static_cast<qint64>(kGroessteDatei)) return abweisen(texte::kZuGross);
    QFile datei(name);
    if (!datei.open(QIODevice::ReadOnly)) return abweisen(texte::kNichtLesbar, datei.errorString());
    const QByteArray bytes = datei.read(static_cast<qint64>(kGroessteDatei) + 1);
    if (datei.error() != QFileDevice::NoError) return abweisen(texte::kNichtLesbar, datei.errorString());
    return EntwurfAusJson(bytes, path, lang);
}

std::optional<std::string> EntwurfSchreiben(const std::string& path, const Entwurf& entwurf, Language lang) {
    const std::string text = EntwurfAlsJson(entwurf);
    const auto why = SaveWhole(q(path), QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!why) return std::nullopt;
    return q(texte::kNichtGespeichert.in(lang)).arg(q(path), *why).toStdString();
}

}  // namespace ringfeld::design
