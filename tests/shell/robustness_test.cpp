// The main window against what a user or a broken desktop can hand it:
// numbers beyond the range of the fields' rules, typed or pasted; a settings
// store that cannot be read, written or understood; help from a program folder
// that cannot be listed. Boxes are recorded, never shown; the settings store
// and the file lookup are the real ones, in a temporary folder.

#include <sys/stat.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "shell/HauptProgramm.h"
#include "shell/frmMain.h"
#include "shell/qt_desktop_services.h"
#include "shell/testing/recording_desktop_services.h"

using namespace ringfeld;

namespace {

// The recorded desktop, with the settings store and the file lookup of the real one.
class Dienste final : public DesktopServices {
public:
    explicit Dienste(const QString& settingsFile) : echt(settingsFile) {}
    RecordingDesktopServices rec;
    QtDesktopServices echt;

    void messageBox(const Meldung& m) override { rec.messageBox(m); }
    void beep() override { rec.beep(); }
    void processEvents() override { rec.processEvents(); }
    bool printWindow(QWidget& area) override { return rec.printWindow(area); }
    std::string readSetting(std::string_view s, std::string_view k, std::string_view d) override {
        return echt.readSetting(s, k, d);
    }
    bool writeSetting(std::string_view s, std::string_view k, std::string_view v) override {
        return echt.writeSetting(s, k, v);
    }
    ProgramFacts programFacts() const override { return rec.programFacts(); }
    std::string desktopLocale() const override { return rec.desktopLocale(); }
    bool fileExists(const std::string& path) const override { return echt.fileExists(path); }
    bool openDocument(const std::string& document) override { return rec.openDocument(document); }
    void endProgram() override { rec.endProgram(); }
};

void schreibe(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(data), data.size());
}

// Takes every permission from `path`. Root reads such a file all the same;
// then the path becomes a link to itself, which nobody can open.
void unlesbar(const QString& path) {
    QVERIFY(QFile::setPermissions(path, {}));
    if (QFileInfo(path).isDir() ? !QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()
                                : QFile(path).open(QIODevice::ReadOnly)) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
        QVERIFY(QFile::link(path, path));
        QVERIFY(!QFile(path).open(QIODevice::ReadOnly));
    }
}

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    std::unique_ptr<Dienste> dienste;
    std::unique_ptr<HauptProgramm> modul;

    frmMain& f() { return *modul->Hauptfenster(); }
    const Ui::frmMain& c() { return f().controls(); }

    void starten(const QString& settingsFile) {
        modul.reset();
        dienste = std::make_unique<Dienste>(settingsFile);
        modul = std::make_unique<HauptProgramm>(*dienste);
        modul->Main();
        QVERIFY(modul->Hauptfenster());
        QVERIFY(f().isVisible());
    }

    // No text the program shows, in the window or in a box, reads "inf" or "nan".
    void keinInfOderNaN() {
        static const QRegularExpression unzahl(QStringLiteral("\\b(inf(inity)?|nan)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
        QStringList texte;
        for (QLabel* l : f().findChildren<QLabel*>()) texte << l->text() << l->toolTip();
        for (QLineEdit* e : f().findChildren<QLineEdit*>()) texte << e->text();
        for (const Meldung& m : dienste->rec.boxes) texte << QString::fromStdString(m.text);
        for (const QString& t : texte) QVERIFY2(!unzahl.match(t).hasMatch(), qPrintable(t));
    }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void cleanup() {
        modul.reset();
        dienste.reset();
    }

    // ------------------------------------------------------------ fields

    void overflowLeavesTheDependentFieldAlone_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("dependent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("turns");  // Text4 before; more than one shows the coil length
        QTest::addColumn<bool>("typed");
        const QString doubleDigits = QStringLiteral("9").repeated(400);
        const QString floatDigits = QStringLiteral("3").repeated(50);
        auto name = [](const QString& text) { return text.size() > 10 ? QString::number(text.size()) + " digits" : text; };
        for (bool typed : {true, false}) {
            const char* how = typed ? "typed" : "pasted";
            auto row = [&](const char* field, const char* dependent, const QString& text, const char* turns) {
                QTest::addRow("%s, %s%s, %s", field, qPrintable(name(text)), *turns == '1' ? ", one turn" : "", how)
                    << field << dependent << text << turns << typed;
            };
            for (const QString& text : {doubleDigits, QStringLiteral("1e999")}) {
                row("Text1", "Text2", text, "3");
                row("Text2", "Text1", text, "3");
            }
            // The coil-length rule works in 32-bit floats.
            for (const QString& text : {floatDigits, QStringLiteral("1e39")}) {
                row("Text3", "Text8", text, "3");
                row("Text3", "Text8", text, "1");
                row("Text4", "Text8", text, "3");
                row("Text8", "Text8", text, "3");
            }
            // Numbers in range whose dependent value is not.
            row("Text1", "Text2", QStringLiteral("1e308"), "3");
            row("Text3", "Text8", QStringLiteral("3e38"), "3");
            row("Text4", "Text8", QStringLiteral("3e38"), "3");
        }
    }
    void overflowLeavesTheDependentFieldAlone() {
        QFETCH(QString, field);
        QFETCH(QString, dependent);
        QFETCH(QString, text);
        QFETCH(QString, turns);
        QFETCH(bool, typed);
        starten(tmp.filePath(QStringLiteral("fields.conf")));
        auto* e = f().findChild<QLineEdit*>(field);
        auto* d = f().findChild<QLineEdit*>(dependent);
        c().Text4->setText(turns);
        // The coil length has no handler of its own; the rule reads it when
        // the conductor or the turns change.
        auto spulenRegel = [&] {
            if (e != c().Text8) return;
            f().Text3_Change();
            f().Text4_Change();
        };

        if (typed) {
            // All but the last character is in the field and its rule has run
            // (a released key for Text1 and Text2, the change for Text3 and
            // Text4); the last key pushes the number out of range.
            e->setText(text.chopped(1));
            QTest::keyClick(e, Qt::Key_End);
            spulenRegel();
        }
        const QString before = d->text();
        const bool shown = c().Text8->isVisibleTo(&f());
        if (typed) {
            QTest::keyClick(e, text.back().toLatin1());
            QCOMPARE(e->text(), text);
        } else {
            e->setText(text);  // Text3 and Text4 run their change handler here
            if (e == c().Text1) f().Text1_KeyUp();
            if (e == c().Text2) f().Text2_KeyUp();
        }
        spulenRegel();
        QCOMPARE(d->text(), d == e ? text : before);
        QCOMPARE(c().Text8->isVisibleTo(&f()), shown);
        keinInfOderNaN();

        c().Command1->click();  // the calculation refuses it in a box
        keinInfOderNaN();
        QCOMPARE(dienste->rec.takeBoxes().size(), std::size_t(1));
        QVERIFY(f().isVisible());
    }

    // ------------------------------------------------------------ settings store

    void brokenStoreStillStartsAndCloses_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("designTexts");  // an unknown language: the texts of the layout stay
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("unreadable") << "unreadable" << false;
        QTest::newRow("Latin-1 bytes") << "latin1" << true;
        QTest::newRow("stray UTF-8 bytes") << "stray" << true;
        QTest::newRow("10 MB value") << "huge" << true;
    }
    void brokenStoreStillStartsAndCloses() {
        QFETCH(QString, kind);
        QFETCH(bool, designTexts);
        const QString path = tmp.filePath(kind + QStringLiteral("/Ringfeld.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(path));
        if (kind == QLatin1String("unreadable")) {
            schreibe(path, "[Settings]\nSprache=englisch\n");
            unlesbar(path);
        }
        if (kind == QLatin1String("latin1")) schreibe(path, "[Settings]\nSprache=franz\xf6sisch\n");
        if (kind == QLatin1String("stray")) schreibe(path, "[Settings]\nSprache=\xc3\xff\x80\xfe deutsch\xc3\n");
        if (kind == QLatin1String("huge")) schreibe(path, "[Settings]\nSprache=" + QByteArray(10 << 20, 'x') + "\n");
        if (QTest::currentTestFailed()) return;

        starten(path);
        if (designTexts) {
            QCOMPARE(f().windowTitle(), QStringLiteral("Kalvor   Ringfeld"));
            QCOMPARE(c().Combo1->count(), 0);
        } else {
            QCOMPARE(modul->Record().Sprache, std::string("deutsch"));  // the default
            QCOMPARE(c().Combo1->currentText(), QStringLiteral("Kreis"));
        }
        QCOMPARE(c().Text1->text(), QStringLiteral("2,25"));
        const std::string sprache = modul->Record().Sprache;

        f().close();
        QVERIFY(!f().isVisible());
        QVERIFY(dienste->rec.boxes.empty());
        // What a store that takes the value gives back is what the window had.
        if (kind != QLatin1String("folder") && kind != QLatin1String("unreadable"))
            QVERIFY(QtDesktopServices(path).readSetting("Settings", "Sprache", "?") == sprache);
        if (kind == QLatin1String("folder")) QVERIFY(QFileInfo(path).isDir());
    }

    // ------------------------------------------------------------ help

    void helpFromAFolderThatCannotBeListed_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("unreadable") << "unreadable";
        QTest::newRow("below a file") << "file";
        QTest::newRow("too long a name") << "long";
        QTest::newRow("NUL in the name") << "nul";
    }
    void helpFromAFolderThatCannotBeListed() {
        QFETCH(QString, kind);
        starten(tmp.filePath(QStringLiteral("help.conf")));
        QString folder = tmp.filePath(QStringLiteral("help-") + kind);
        std::string ordner = folder.toStdString();
        if (kind == QLatin1String("unreadable")) {
            QVERIFY(QDir().mkpath(folder));
            schreibe(folder + QStringLiteral("/Ringfeld_Hilfe.pdf"), "%PDF");
            unlesbar(folder);
        }
        if (kind == QLatin1String("file")) {
            schreibe(folder, "%PDF");
            ordner += "/bin";
        }
        if (kind == QLatin1String("long")) ordner += "/" + std::string(5000, 'a');
        if (kind == QLatin1String("nul")) ordner += std::string("\0/bin", 5);
        if (QTest::currentTestFailed()) return;
        dienste->rec.facts.folder = ordner;

        c().mnuQuesHelp->trigger();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const auto boxes = dienste->rec.takeBoxes();
        QCOMPARE(boxes.size(), std::size_t(1));
        QCOMPARE(boxes.front().title, std::string(" Datei nicht gefunden "));
        QCOMPARE(boxes.front().icon, BoxIcon::Stop);
        QVERIFY(boxes.front().text.find(ordner + "/Ringfeld_Hilfe.pdf") != std::string::npos);
        QVERIFY(dienste->rec.opened.empty());
        QVERIFY(f().isVisible());
    }
};

int main(int argc, char* argv[]) {
    // Nothing here may reach the user's own settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    RobustnessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "robustness_test.moc"
