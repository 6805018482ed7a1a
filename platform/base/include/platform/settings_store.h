// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The per-user settings store: <XDG_CONFIG_HOME or ~/.config>/Ringfeld/Ringfeld.conf
// in INI format. Only QtCore, so that the command-line calculator reads the same
// store as the desktop program.

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>
#include "platform/qt_text.h"

namespace ringfeld::settings {

// The place Qt gives an application's native settings on Linux, written in INI
// format on every platform.
inline QString userFile(std::string_view application) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + qs(application) + QLatin1Char('/') + qs(application) + QStringLiteral(".conf");
}

// `file` empty means the user's store of `application`.
inline std::unique_ptr<QSettings> open(const QString& file, std::string_view application) {
    return std::make_unique<QSettings>(file.isEmpty() ? userFile(application) : file, QSettings::IniFormat);
}

// The stored text, or the default when nothing is stored or the store cannot be read.
inline std::string read(const QString& file, std::string_view application, std::string_view section,
                        std::string_view key, std::string_view defaultValue) {
    auto store = open(file, application);
    if (store->status() != QSettings::NoError) return std::string(defaultValue);
    store->beginGroup(qs(section));
    const QVariant value = store->value(qs(key));
    if (!value.isValid()) return std::string(defaultValue);
    // An INI value with a comma reads back as a list; the stored text is wanted.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1String(", ")).toStdString();
    return value.toString().toStdString();
}

// The locale name of the desktop's interface language ("de-DE", "fr-FR", "C"):
// the messages' language (LANGUAGE, LC_MESSAGES), not the number format's.
inline std::string desktopLocale() { return QLocale::system().uiLanguages().value(0).toStdString(); }

// Whether the value reached the store.
inline bool write(const QString& file, std::string_view application, std::string_view section, std::string_view key,
                  std::string_view value) {
    auto store = open(file, application);
    if (!store->isWritable()) return false;
    store->beginGroup(qs(section));
    store->setValue(qs(key), qs(value));
    store->endGroup();
    store->sync();
    return store->status() == QSettings::NoError;
}

}  // namespace ringfeld::settings
