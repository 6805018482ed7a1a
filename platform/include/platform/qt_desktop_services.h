// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// The desktop services as Qt provides them.

#include <QString>

#include "platform/desktop_services.h"

namespace ringfeld {

class QtDesktopServices final : public DesktopServices {
public:
    // The settings live in the user's configuration folder as
    // Ringfeld/Ringfeld.conf (INI format).
    QtDesktopServices();
    // The settings live in this INI file instead.
    explicit QtDesktopServices(QString settingsFile);

    void messageBox(const Meldung& meldung) override;
    void beep() override;
    void processEvents() override;
    bool printWindow(QWidget& clientArea) override;

    std::string readSetting(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value) override;

    ProgramFacts programFacts() const override;
    std::string desktopLocale() const override;

    bool fileExists(const std::string& path) const override;
    bool openDocument(const std::string& document) override;

    std::string chooseOpenFile(const DateiDialog& dialog) override;
    std::string chooseSaveFile(const DateiDialog& dialog) override;
    Antwort askSaveChanges(const Frage& frage) override;

    void endProgram() override;

    // Where the settings are kept.
    QString settingsFile() const { return settingsFile_; }

private:
    QString settingsFile_;
};

}  // namespace ringfeld
