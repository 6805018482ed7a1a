// The Qt desktop services: the settings store and where it lies, what a broken
// store does, the program facts, file lookup, printing without a printer and
// the message box as the user sees it.

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

#include "shell/qt_desktop_services.h"

using namespace ringfeld;

namespace {

// The user's configuration folder for this run: a temporary one, set before
// anything asks where it is, so the real settings are never touched.
QTemporaryDir* configHome = nullptr;

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

}  // namespace

class ServicesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void theStoreIsRingfeldConfInTheUsersConfigFolder() {
        QtDesktopServices dienste;
        const QString expected = configHome->path() + QStringLiteral("/Ringfeld/Ringfeld.conf");
        QCOMPARE(dienste.readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        QVERIFY(!QFile::exists(expected));  // reading creates nothing

        QVERIFY(dienste.writeSetting("Settings", "Sprache", "französisch"));
        const QByteArray content = readAll(expected);
        QVERIFY2(content.contains("[Settings]"), content.constData());
        QVERIFY2(content.contains(QStringLiteral("Sprache=französisch").toUtf8()), content.constData());  // plain UTF-8

        QtDesktopServices again;  // a later run
        QCOMPARE(again.readSetting("Settings", "Sprache", "deutsch"), std::string("französisch"));
    }

    void storedTextsComeBackAsTheyWere_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("code") << "englisch";
        QTest::newRow("capital") << "Deutsch";
        QTest::newRow("comma") << "a, b";
        QTest::newRow("blanks") << " deutsch ";
        QTest::newRow("empty") << "";
        QTest::newRow("at sign") << "@Variant(x)";
        QTest::newRow("semicolon and quotes") << "x;\"y\"";
    }
    void storedTextsComeBackAsTheyWere() {
        QFETCH(QString, value);
        QtDesktopServices dienste(dir.filePath(QStringLiteral("texts.conf")));
        QVERIFY(dienste.writeSetting("Settings", "Sprache", value.toStdString()));
        QCOMPARE(QString::fromStdString(dienste.readSetting("Settings", "Sprache", "deutsch")), value);
    }

    void aCorruptStoreReadsAsNothingStored() {
        const QString path = dir.filePath(QStringLiteral("corrupt.conf"));
        writeAll(path, QByteArray("\x00\xff\xfe[Settings\nSprache\n=\n\x01\x02", 18));
        QtDesktopServices dienste(path);
        QCOMPARE(dienste.readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));
        dienste.writeSetting("Settings", "Sprache", "englisch");  // may or may not succeed, must not throw
    }

    void anUnwritableStoreReportsFailure() {
        // A folder where the file should be: not even root can write it.
        const QString path = dir.filePath(QStringLiteral("folder.conf"));
        QVERIFY(QDir().mkpath(path));
        QtDesktopServices dienste(path);
        QVERIFY(!dienste.writeSetting("Settings", "Sprache", "englisch"));
        QCOMPARE(dienste.readSetting("Settings", "Sprache", "deutsch"), std::string("deutsch"));

        const QString blocked = dir.filePath(QStringLiteral("plainfile"));
        writeAll(blocked, "x");
        QtDesktopServices below(blocked + QStringLiteral("/sub/Ringfeld.conf"));
        QVERIFY(!below.writeSetting("Settings", "Sprache", "englisch"));
    }

    void programFactsComeFromTheBuild() {
        QtDesktopServices dienste;
        const ProgramFacts facts = dienste.programFacts();
        QCOMPARE(QString::fromStdString(facts.folder), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
        QVERIFY(!facts.folder.empty() && facts.folder.back() != '/');
        QCOMPARE(facts.appTitle, std::string("Ringfeld"));
        QCOMPARE(facts.productName, std::string("Ringfeld"));
        QCOMPARE(facts.major, 1);
        QCOMPARE(facts.minor, 1);
        QCOMPARE(facts.revision, 1);
        QVERIFY(!facts.legalNotice.empty());
    }

    void fileLookupFindsOrdinaryFilesOnly() {
        QtDesktopServices dienste;
        const QString file = dir.filePath(QStringLiteral("Ringfeld_Hilfe.pdf"));
        writeAll(file, "%PDF");
        QVERIFY(dienste.fileExists(file.toStdString()));
        QVERIFY(!dienste.fileExists(dir.path().toStdString()));
        QVERIFY(!dienste.fileExists(dir.filePath(QStringLiteral("missing.pdf")).toStdString()));
        QVERIFY(!dienste.fileExists(""));
    }

    void printingWithoutADefaultPrinterFails() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        QtDesktopServices dienste;
        QLabel area(QStringLiteral("client area"));
        QVERIFY(!dienste.printWindow(area));
    }

    void messageBoxIsModalWithOnlyOk_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("none, no title") << int(BoxIcon::None) << "" << int(QMessageBox::NoIcon) << "Ringfeld";
        QTest::newRow("information") << int(BoxIcon::Information) << " Ringfeld " << int(QMessageBox::Information)
                                     << " Ringfeld ";
        QTest::newRow("exclamation") << int(BoxIcon::Exclamation) << " Fehler " << int(QMessageBox::Warning)
                                     << " Fehler ";
        QTest::newRow("stop") << int(BoxIcon::Stop) << " Hilfe " << int(QMessageBox::Critical) << " Hilfe ";
    }
    void messageBoxIsModalWithOnlyOk() {
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(int, qtIcon);
        QFETCH(QString, shownTitle);

        QString seenTitle, seenText;
        int seenIcon = -1, buttons = -1;
        bool modal = false, plain = false;
        // Looks at the box once it is up, then closes it as the user would.
        std::function<void()> look = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(10, look);
                return;
            }
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            buttons = int(box->buttons().size());
            modal = box->isModal();
            plain = box->textFormat() == Qt::PlainText;
            box->button(QMessageBox::Ok)->click();
        };
        QTimer::singleShot(0, look);

        QtDesktopServices dienste;
        dienste.messageBox(Meldung{"Unreale Werte!\r\n<b>oder</b> unvollständige Eingabe!", title.toStdString(),
                                   static_cast<BoxIcon>(icon)});
        QCOMPARE(seenTitle, shownTitle);
        QCOMPARE(seenText, QStringLiteral("Unreale Werte!\n<b>oder</b> unvollständige Eingabe!"));
        QCOMPARE(seenIcon, qtIcon);
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
        QVERIFY(plain);  // message texts are never read as markup
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    ServicesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "services_test.moc"
