// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// Desktop services for the help tests: boxes are recorded, never shown; files
// and the opening of documents (GIO) are the program's own.

#include <QFileInfo>
#include "platform/desktop_open.h"
#include "platform/desktop_services.h"

namespace ringfeld {

class ProbeDienste final : public DesktopServices {
public:
    std::vector<Meldung> boxes;
    ProgramFacts facts{"/nonexistent", "Ringfeld", "Ringfeld", 1, 1, 1, "Legal notice"};

    void messageBox(const Meldung& meldung) override { boxes.push_back(meldung); }
    void beep() override {}
    void processEvents() override {}
    void endProgram() override {}
    bool printWindow(QWidget&) override { return false; }
    std::string readSetting(std::string_view, std::string_view, std::string_view d) override { return std::string(d); }
    bool writeSetting(std::string_view, std::string_view, std::string_view) override { return false; }
    ProgramFacts programFacts() const override { return facts; }
    std::string desktopLocale() const override { return "C"; }
    bool fileExists(const std::string& path) const override { return QFileInfo(QString::fromStdString(path)).isFile(); }
    bool openDocument(const std::string& document) override { return MitDesktopOeffnen(document); }
    std::string chooseOpenFile(const DateiDialog&) override { return {}; }
    std::string chooseSaveFile(const DateiDialog&) override { return {}; }
    Antwort askSaveChanges(const Frage&) override { return Antwort::Abbrechen; }
};
}  // namespace ringfeld
