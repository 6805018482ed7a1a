// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#pragma once
// A stand-in for the desktop services in window tests: it records message
// boxes, beeps, prints and event processing instead of showing or doing them,
// keeps the settings in memory and never blocks.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop_services.h"

namespace ringfeld {

class RecordingDesktopServices final : public DesktopServices {
public:
    // Everything the program asked of the desktop, in order.
    std::vector<Meldung> boxes;
    int beeps = 0;
    int eventProcessing = 0;
    std::vector<QWidget*> prints;
    std::vector<std::string> opened;  // documents handed to the desktop
    int endRequests = 0;

    // The settings store, keyed by section and key.
    std::map<std::pair<std::string, std::string>, std::string> settings;
    bool settingsUnwritable = false;         // writes fail
    std::optional<std::string> readFailure;  // reading throws with this description

    // Decides the outcome of a print; it sees the widget as it is printed.
    // Without it every print succeeds.
    std::function<bool(QWidget&)> printer;
    // Sees each box as it is shown, while the windows are as they are then.
    std::function<void(const Meldung&)> onBox;

    ProgramFacts facts{"/opt/ringfeld", "Ringfeld", "Ringfeld", 1, 1, 1, "Legal notice"};
    std::string locale = "de_DE";  // the desktop's language
    std::vector<std::string> existingFiles;
    bool noViewer = false;  // opening a document fails

    // The questions asked, and the answers the file dialogs and questions get,
    // first first; without an answer left a dialog or question is cancelled.
    std::vector<Frage> questions;
    std::deque<std::string> openAnswers, saveAnswers;
    std::deque<Antwort> answers;

    void messageBox(const Meldung& meldung) override {
        boxes.push_back(meldung);
        if (onBox) onBox(meldung);
    }
    void beep() override { ++beeps; }
    void processEvents() override { ++eventProcessing; }
    bool printWindow(QWidget& clientArea) override {
        prints.push_back(&clientArea);
        return printer ? printer(clientArea) : true;
    }

    std::string readSetting(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value) override;

    ProgramFacts programFacts() const override { return facts; }
    std::string desktopLocale() const override { return locale; }
    bool fileExists(const std::string& path) const override;
    bool openDocument(const std::string& document) override {
        opened.push_back(document);
        return !noViewer;
    }
    std::string chooseOpenFile(const DateiDialog&) override { return next(openAnswers, std::string()); }
    std::string chooseSaveFile(const DateiDialog&) override { return next(saveAnswers, std::string()); }
    Antwort askSaveChanges(const Frage& frage) override {
        questions.push_back(frage);
        return next(answers, Antwort::Abbrechen);
    }
    void endProgram() override { ++endRequests; }

    // The boxes shown so far, handed over and forgotten.
    std::vector<Meldung> takeBoxes() { return std::exchange(boxes, {}); }
    // The stored language, if any.
    std::optional<std::string> storedSetting(const std::string& section, const std::string& key) const;

private:
    template <typename T>
    static T next(std::deque<T>& queue, T none) {
        if (queue.empty()) return none;
        T first = std::move(queue.front());
        queue.pop_front();
        return first;
    }
};

}  // namespace ringfeld
