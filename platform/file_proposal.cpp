// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/file_proposal.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include "platform/desktop_services.h"
#include "platform/qt_text.h"

namespace ringfeld {
namespace {

// The window's title in the language; empty for a window titled by the program's name.
QString title(TextWindow window, Language lang) {
    for (const SprachText& row : SprachTexte())
        if (row.window == window && row.target == TextTarget::WindowCaption) return qs(row.text, lang);
    return {};
}

}  // namespace

QString ProposedFile(TextWindow window, Language lang, const QString& extension) {
    QString name = qs(kAppTitle);
    if (const QString t = title(window, lang); !t.isEmpty()) name += QLatin1Char('-') + t;
    // A name without blanks, quotes or folder separators, which no shell or mail program mangles.
    static const QRegularExpression kAwkward(QStringLiteral("[\\s'’\"/\\\\]+"));
    name.replace(kAwkward, QStringLiteral("-"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(name + QLatin1Char('.') + extension);
}

}  // namespace ringfeld
