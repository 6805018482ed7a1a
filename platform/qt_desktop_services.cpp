// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "platform/qt_desktop_services.h"
#include "platform/settings_store.h"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

#include "platform/desktop_open.h"
#include "platform/print_renderer.h"
#include "platform/program_version.h"
#include "platform/qt_text.h"

namespace ringfeld {
namespace {

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Information: return QMessageBox::Information;
        case BoxIcon::Exclamation: return QMessageBox::Warning;
        case BoxIcon::Stop: return QMessageBox::Critical;
        case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDesktopServices::QtDesktopServices() = default;

QtDesktopServices::QtDesktopServices(QString settingsFile) : settingsFile_(std::move(settingsFile)) {}

void QtDesktopServices::messageBox(const Meldung& meldung) {
    const QString title = meldung.title.empty() ? qs(kAppTitle) : qs(meldung.title);
    // The texts join their lines with CR LF; a label breaks on LF alone.
    QString text = qs(meldung.text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(qtIcon(meldung.icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtDesktopServices::beep() { QApplication::beep(); }

void QtDesktopServices::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool QtDesktopServices::printWindow(QWidget& clientArea) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) return false;
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(qs(kAppTitle));
    return renderForPrint(clientArea, printer);
}

std::string QtDesktopServices::readSetting(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) {
    return settings::read(settingsFile_, kAppTitle, section, key, defaultValue);
}

bool QtDesktopServices::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    return settings::write(settingsFile_, kAppTitle, section, key, value);
}

ProgramFacts QtDesktopServices::programFacts() const {
    ProgramFacts facts;
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    while (folder.size() > 1 && folder.endsWith(QDir::separator())) folder.chop(1);
    facts.folder = folder.toStdString();
    facts.appTitle = std::string(kAppTitle);
    facts.productName = version::kProductName;
    facts.major = version::kMajor;
    facts.minor = version::kMinor;
    facts.revision = version::kRevision;
    facts.legalNotice = version::kLegalNotice;
    return facts;
}

std::string QtDesktopServices::desktopLocale() const { return settings::desktopLocale(); }

bool QtDesktopServices::fileExists(const std::string& path) const {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && info.isFile();
}

bool QtDesktopServices::openDocument(const std::string& document) { return MitDesktopOeffnen(document); }

std::string QtDesktopServices::chooseOpenFile(const DateiDialog& dialog) {
    return str(QFileDialog::getOpenFileName(QApplication::activeWindow(), qs(dialog.titel), qs(dialog.start),
                                            qs(dialog.filter)));
}

std::string QtDesktopServices::chooseSaveFile(const DateiDialog& dialog) {
    // A dialog of its own: only it appends the extension to a name given without one.
    QFileDialog box(QApplication::activeWindow(), qs(dialog.titel), QString(), qs(dialog.filter));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setDefaultSuffix(qs(dialog.endung));
    box.selectFile(qs(dialog.start));
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
    return str(box.selectedFiles().constFirst());
}

Antwort QtDesktopServices::askSaveChanges(const Frage& frage) {
    QMessageBox box(QMessageBox::Question, frage.titel.empty() ? qs(kAppTitle) : qs(frage.titel), qs(frage.text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // The captions come from the program's catalogue: Qt's own buttons speak
    // the language of Qt's translations, not the one chosen in the program.
    QPushButton* speichern = box.addButton(qs(frage.speichern), QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(qs(frage.verwerfen), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = box.addButton(qs(frage.abbrechen), QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == speichern) return Antwort::Speichern;
    if (box.clickedButton() == verwerfen) return Antwort::Verwerfen;
    return Antwort::Abbrechen;
}

void QtDesktopServices::endProgram() { QCoreApplication::exit(0); }

}  // namespace ringfeld
