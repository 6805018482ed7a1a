#pragma once
// Desktop services for the help tests: message boxes and event processing are
// recorded, never shown; files are the real file system; the association is
// looked up in an XDG environment the test builds; programs are started for
// real (so a recording script can show what it received) and recorded.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "shell/desktop_services.h"
#include "shell/help/xdg_association.h"

namespace ringfeld {

class ProbeDienste final : public DesktopServices {
public:
    std::vector<Meldung> boxes;
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    std::vector<std::string> log;  // "box", "start", "events" in the order they came

    ProgramFacts facts{"/nonexistent", "Ringfeld", "Ringfeld", 1, 1, 1, "Legal notice"};
    XdgUmgebung umgebung;       // where associatedProgram looks
    bool lookupFails = false;   // associatedProgram throws
    bool startFails = false;    // startProgram reports failure without starting

    void messageBox(const Meldung& meldung) override {
        boxes.push_back(meldung);
        log.emplace_back("box");
    }
    void beep() override {}
    void processEvents() override { log.emplace_back("events"); }
    bool printWindow(QWidget&) override { return false; }
    std::string readSetting(std::string_view, std::string_view, std::string_view defaultValue) override {
        return std::string(defaultValue);
    }
    bool writeSetting(std::string_view, std::string_view, std::string_view) override { return false; }
    ProgramFacts programFacts() const override { return facts; }

    bool fileExists(const std::string& path) const override {
        const QFileInfo info(QString::fromStdString(path));
        return info.exists() && info.isFile();
    }
    std::string associatedProgram(const std::string& document) override {
        if (lookupFails) throw std::runtime_error("association lookup failed");
        return ProgrammZuDatei(QString::fromStdString(document), umgebung).toStdString();
    }
    bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override {
        started.emplace_back(program, arguments);
        log.emplace_back("start");
        if (startFails) return false;
        QStringList args;
        for (const std::string& a : arguments) args << QString::fromStdString(a);
        return QProcess::startDetached(QString::fromStdString(program), args);
    }
    void endProgram() override {}
};

}  // namespace ringfeld
