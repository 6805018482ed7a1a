// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The Qt desktop services where they add to Qt: the settings store and what a
// broken one does, file lookup, printing without a printer, and the message box
// as the user sees it.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qt_desktop_services.h"

using namespace ringfeld;

namespace {

void writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

}  // namespace

class ServicesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void theStoreIsRingfeldConfInTheUsersConfigFolder() {
        QtDesktopServices dienste;
        const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Ringfeld/Ringfeld.conf");
        QCOMPARE(dienste.readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        QVERIFY(!QFile::exists(file));                                 // reading creates nothing
        QVERIFY(dienste.writeSetting("Settings", "Sprache", "a, b"));  // Qt would read it back as a list
        QCOMPARE(QtDesktopServices().readSetting("Settings", "Sprache", "deutsch"), std::string("a, b"));
        QVERIFY(QFile::exists(file));
    }

    void aBrokenStoreReadsAsNothingStored() {
        const QString corrupt = dir.filePath(QStringLiteral("corrupt.conf"));
        writeAll(corrupt, QByteArray("\x00\xff\xfe[Settings\nSprache\n=\n\x01\x02", 18));
        QtDesktopServices dienste(corrupt);
        QCOMPARE(dienste.readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        // Writing replaces the broken file: the next start reads the new value. (Its
        // return value still reports the read's format error.)
        dienste.writeSetting("Settings", "Sprache", "englisch");
        QCOMPARE(QtDesktopServices(corrupt).readSetting("Settings", "Sprache", "deutsch"), std::string("englisch"));

        // A store Qt reads with a format error counts as empty, though a key came through;
        // a comma list written by hand comes back as it stands.
        const QString halb = dir.filePath(QStringLiteral("half.conf"));
        writeAll(halb, "[Settings]\nSprache=englisch\n[broken\n");
        QCOMPARE(QtDesktopServices(halb).readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        writeAll(halb, "[Settings]\nSprache=a, b\n");
        QCOMPARE(QtDesktopServices(halb).readSetting("Settings", "Sprache", "deutsch"), std::string("a, b"));

        // A folder where the file should be, and a file where a folder should be: not even root writes them.
        const QString folder = dir.filePath(QStringLiteral("folder.conf"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!QtDesktopServices(folder).writeSetting("Settings", "Sprache", "englisch"));
        QCOMPARE(QtDesktopServices(folder).readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        writeAll(dir.filePath(QStringLiteral("plainfile")), "x");
        QVERIFY(!QtDesktopServices(dir.filePath(QStringLiteral("plainfile/sub/Ringfeld.conf")))
                     .writeSetting("Settings", "Sprache", "englisch"));
    }

    void fileLookupFindsOrdinaryFilesOnly() {
        QtDesktopServices dienste;
        const QString file = dir.filePath(QStringLiteral("Ringfeld_Hilfe.pdf"));
        writeAll(file, "%PDF");
        QVERIFY(dienste.fileExists(file.toStdString()));
        QVERIFY(!dienste.fileExists(dir.path().toStdString()));
        QVERIFY(!dienste.fileExists(dir.filePath(QStringLiteral("missing.pdf")).toStdString()));
    }

    void printingWithoutADefaultPrinterFails() {
        // main() points the print system at a server that does not exist, so no machine has a printer here.
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a default printer is visible in spite of CUPS_SERVER");
        QLabel area(QStringLiteral("client area"));
        QVERIFY(!QtDesktopServices().printWindow(area));
    }

    void messageBoxIsModalWithOnlyOk() {
        struct {
            BoxIcon icon;
            const char *title, *shown;
            int qtIcon;
        } const faelle[] = {{BoxIcon::None, "", "Ringfeld", QMessageBox::NoIcon},  // no title: the application's
                            {BoxIcon::Information, " Ringfeld ", " Ringfeld ", QMessageBox::Information},
                            {BoxIcon::Exclamation, " Fehler ", " Fehler ", QMessageBox::Warning},
                            {BoxIcon::Stop, " Hilfe ", " Hilfe ", QMessageBox::Critical}};
        for (const auto& f : faelle) {
            QString seen;
            int tries = 0;
            // Looks at the box once it is up, then closes it as the user would; after
            // five seconds without a box it closes whatever is modal, so the test ends.
            std::function<void()> look = [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box && ++tries < 500) return QTimer::singleShot(10, look);
                if (!box) {
                    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
                    return;
                }
                seen = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) + "|" +
                       QString::number(box->buttons().size()) + (box->isModal() ? "|modal" : "") +
                       (box->textFormat() == Qt::PlainText ? "|plain" : "");
                box->button(QMessageBox::Ok)->click();
            };
            QTimer::singleShot(0, look);
            QtDesktopServices().messageBox(
                Meldung{"Unreale Werte!\r\n<b>oder</b> unvollständige Eingabe!", f.title, f.icon});
            // CR LF becomes a line feed; message texts are never read as markup.
            QCOMPARE(seen, QString::fromUtf8(f.shown) + "|Unreale Werte!\n<b>oder</b> unvollständige Eingabe!|" +
                               QString::number(f.qtIcon) + "|1|modal|plain");
        }
    }
};

int main(int argc, char* argv[]) {
    // Never the user's own settings, and never a real printer.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("CUPS_SERVER", QTemporaryDir().path().toLocal8Bit() + "/no-cups.sock");
    QApplication app(argc, argv);
    ServicesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "services_test.moc"
