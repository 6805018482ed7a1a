// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/fonts.h"

#include <array>

#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStringList>

namespace ringfeld::fonts {
namespace {

// Where Debian's fonts-liberation puts its files, below a data folder (XDG_DATA_DIRS,
// /usr/share by default).
constexpr auto kFolder = "fonts/truetype/liberation";

struct FaceFiles {
    Face face;
    QLatin1StringView family;  // as the files name it
    std::array<QLatin1StringView, 4> files;
};
const std::array<FaceFiles, 2> kFaces{{
    {Face::Sans,
     QLatin1StringView("Liberation Sans"),
     {QLatin1StringView("LiberationSans-Regular.ttf"), QLatin1StringView("LiberationSans-Bold.ttf"),
      QLatin1StringView("LiberationSans-Italic.ttf"), QLatin1StringView("LiberationSans-BoldItalic.ttf")}},
    {Face::Mono,
     QLatin1StringView("Liberation Mono"),
     {QLatin1StringView("LiberationMono-Regular.ttf"), QLatin1StringView("LiberationMono-Bold.ttf"),
      QLatin1StringView("LiberationMono-Italic.ttf"), QLatin1StringView("LiberationMono-BoldItalic.ttf")}},
}};

// The first data folder that holds the file; empty when none does.
QString locate(QLatin1StringView file) {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QLatin1StringView(kFolder) + QLatin1Char('/') + file);
}

QString loadAll() {
    QStringList missing;
    for (const FaceFiles& face : kFaces) {
        for (QLatin1StringView file : face.files) {
            const QString path = locate(file);
            // A family registered from its file replaces what fontconfig found under that name.
            const int id = path.isEmpty() ? -1 : QFontDatabase::addApplicationFont(path);
            if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(face.family)) missing << file;
        }
    }
    if (missing.isEmpty()) return {};
    QStringList folders;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QLatin1StringView(kFolder));
    return QStringLiteral("fonts missing (Debian package fonts-liberation): %1, looked for in %2")
        .arg(missing.join(QStringLiteral(", ")), folders.join(QStringLiteral(", ")));
}

}  // namespace

QString Load() {
    static const QString answer = loadAll();
    return answer;
}

QString Family(Face face) {
    for (const FaceFiles& f : kFaces)
        if (f.face == face) return f.family;
    return {};
}

QFont Font(Face face, double points, bool bold) {
    QFont font(Family(face));
    font.setStyleHint(face == Face::Mono ? QFont::Monospace : QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace ringfeld::fonts
