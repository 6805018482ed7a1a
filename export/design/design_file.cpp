// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "design/design_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "design/save_file.h"
#include "text/catalog/design_texts.h"

namespace ringfeld::design {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The sweep file's name of the design's measurement, if it has one.
std::string* sweepFile(Entwurf& e) {
    const auto gruppe = e.weitere.find(std::string(kMessungGruppe));
    if (gruppe == e.weitere.end()) return nullptr;
    const auto datei = gruppe->second.find(std::string(kMessungDatei));
    return datei == gruppe->second.end() || datei->second.empty() ? nullptr : &datei->second;
}

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
    Gelesen out = EntwurfAusJson(bytes, path, lang);
    // A sweep named relative to the design's folder is found from anywhere.
    if (std::string* sweep = out.entwurf ? sweepFile(*out.entwurf) : nullptr)
        *sweep = QDir::cleanPath(info.absoluteDir().absoluteFilePath(q(*sweep))).toStdString();
    return out;
}

std::optional<std::string> EntwurfSchreiben(const std::string& path, const Entwurf& entwurf, Language lang) {
    // The sweep relative to the design's folder, so that both may move together; on
    // another drive (no relative path) it stays absolute.
    Entwurf kept = entwurf;
    if (std::string* sweep = sweepFile(kept); sweep && QFileInfo(q(*sweep)).isAbsolute()) {
        const QDir folder = QFileInfo(q(path)).absoluteDir();
        const QString relative = folder.relativeFilePath(q(*sweep));
        if (!QDir::isAbsolutePath(relative)) *sweep = relative.toStdString();
    }
    const std::string text = EntwurfAlsJson(kept);
    const auto why = SaveWhole(q(path), QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!why) return std::nullopt;
    return q(texte::kNichtGespeichert.in(lang)).arg(q(path), *why).toStdString();
}

}  // namespace ringfeld::design
