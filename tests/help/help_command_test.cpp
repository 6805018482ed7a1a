// The help command from the "?" menu, end to end: the document of the
// language, the boxes when the document or a viewer is missing, and the viewer
// started with the document, found through a temporary XDG environment.

#include <QtTest>

#include "engine/design_record.h"
#include "shell/help/help_command.h"
#include "probe_dienste.h"
#include "xdg_sandbox.h"

using namespace ringfeld;

namespace {

const std::string NL = "\r\n";

DesignRecord mitSprache(const std::string& sprache) {
    DesignRecord rec;
    rec.Sprache = sprache;
    rec.NL = NL;
    return rec;
}

// Where an installation keeps the help documents, seen from the program's
// folder `bin` (both relative to the sandbox).
QString hilfeOrdner(const QString& bin) { return QDir::cleanPath(bin + "/" RINGFELD_HELP_RELATIVE_DIR); }

// The recorder's protocol for one start: argument count, then the arguments.
QStringList erwartetesProtokoll(const QString& dokument) { return {"1", dokument}; }

}  // namespace

class HelpCommandTest : public QObject {
    Q_OBJECT

private slots:
    void documentMissing_data();
    void documentMissing();
    void folderNamedLikeTheDocumentIsNoDocument();
    void noViewerAssociated_data();
    void noViewerAssociated();
    void associationLookupFails();
    void viewerReceivesTheDocument_data();
    void viewerReceivesTheDocument();
    void viewerThatFailsToStartIsPassedOver();
    void installedDocumentsAreFoundFromTheProgramsFolder();
    void programFolderComesFirst();
    void unknownLanguage();
    void dateiOeffnenStartsThenProcessesEvents();
};

void HelpCommandTest::documentMissing_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("lines");  // with @PATH@ for the document's path
    QTest::addColumn<QString>("title");
    QTest::newRow("German") << "deutsch" << "Ringfeld_Hilfe.pdf"
                            << QStringList{"Die Datei ", "@PATH@", "ist nicht vorhanden!",
                                           "Bitte selbst nach der Datei suchen."}
                            << " Datei nicht gefunden ";
    QTest::newRow("French") << "französisch" << "Ringfeld_Aide.pdf"
                            << QStringList{"Le fichier ", "@PATH@", "n'existe pas! ",
                                           "Rechercher, SVP le fichier par vous-même. "}
                            << " Fichier non trouvée! ";
    QTest::newRow("English") << "englisch" << "Ringfeld_Help.pdf"
                             << QStringList{"File ", "@PATH@", "not found. File xyz does not exist!",
                                            "Please look for the file."}
                             << " File not found ";
}

void HelpCommandTest::documentMissing() {
    QFETCH(QString, sprache);
    QFETCH(QString, document);
    QFETCH(QStringList, lines);
    QFETCH(QString, title);

    XdgSandbox s;
    QVERIFY(s.ok());
    // A viewer is associated, and the other languages' documents are there.
    const QString record = s.pfad("record");
    s.eintrag("usr/share/applications/viewer.desktop", s.rekorder("opt/viewer", record) + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop\n");
    for (const char* other : {"Ringfeld_Hilfe.pdf", "Ringfeld_Aide.pdf", "Ringfeld_Help.pdf"})
        if (document != other) s.pdf(QString("prog/") + other);
    QDir().mkpath(s.pfad("prog"));

    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad("prog").toStdString();
    HilfeAufrufen(d, mitSprache(sprache.toStdString()));

    const QString path = s.pfad("prog/" + document);
    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(QString::fromStdString(d.boxes[0].text), lines.replaceInStrings("@PATH@", path).join("\r\n"));
    QCOMPARE(QString::fromStdString(d.boxes[0].title), title);
    QCOMPARE(d.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(d.started.empty());
}

void HelpCommandTest::folderNamedLikeTheDocumentIsNoDocument() {
    XdgSandbox s;
    QVERIFY(s.ok());
    QDir().mkpath(s.pfad("prog/Ringfeld_Hilfe.pdf"));
    QDir().mkpath(s.pfad(hilfeOrdner("usr/bin") + "/Ringfeld_Hilfe.pdf"));
    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad("prog").toStdString();

    QVERIFY(!DateiVorhanden(d, s.pfad("prog/Ringfeld_Hilfe.pdf").toStdString(), mitSprache("deutsch")));
    HilfeAufrufen(d, mitSprache("deutsch"));
    QCOMPARE(int(d.boxes.size()), 2);
    QCOMPARE(d.boxes[1].title, std::string(" Datei nicht gefunden "));
    QVERIFY(d.started.empty());
}

void HelpCommandTest::noViewerAssociated_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QByteArray>("mimeapps");
    QTest::addColumn<QString>("text");  // with @PATH@ for the document's path
    QTest::addColumn<QString>("title");
    const QByteArray none;
    const QByteArray missingProgram = "[Default Applications]\napplication/pdf=gone.desktop\n";
    QTest::newRow("English, nothing associated")
        << "englisch" << "Ringfeld_Help.pdf" << none
        << "Acrobat Reader not found!\r\nFor help use file \r\n@PATH@\r\n" << " Help ";
    QTest::newRow("German, associated program missing")
        << "deutsch" << "Ringfeld_Hilfe.pdf" << missingProgram
        << "Acrobat Reader o.ä. nicht gefunden!\r\nHilfe finden Sie in der Datei \r\n@PATH@\r\n" << " Hilfe ";
    QTest::newRow("French, associated program missing")
        << "französisch" << "Ringfeld_Aide.pdf" << missingProgram
        << "Acrobat Reader ou un logiciel équivalent n'a pas été trouvé.\r\n"
           "Vous trouverez de l'aide dans le document \r\n@PATH@\r\n"
        << " Aide ";
}

void HelpCommandTest::noViewerAssociated() {
    QFETCH(QString, sprache);
    QFETCH(QString, document);
    QFETCH(QByteArray, mimeapps);
    QFETCH(QString, text);
    QFETCH(QString, title);

    XdgSandbox s;
    QVERIFY(s.ok());
    if (!mimeapps.isEmpty()) {
        // The entry's program does not exist.
        s.eintrag("usr/share/applications/gone.desktop", s.pfad("opt/gone") + " %f", "MimeType=application/pdf;\n");
        s.schreibe("config/mimeapps.list", mimeapps);
    }
    const QString doc = s.pdf("prog/" + document);

    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad("prog").toStdString();
    HilfeAufrufen(d, mitSprache(sprache.toStdString()));

    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(QString::fromStdString(d.boxes[0].text), text.replace("@PATH@", doc));
    QCOMPARE(QString::fromStdString(d.boxes[0].title), title);
    QCOMPARE(d.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(d.started.empty());
}

void HelpCommandTest::associationLookupFails() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString doc = s.pdf("prog/Ringfeld_Help.pdf");
    ProbeDienste d;
    d.lookupFails = true;
    d.facts.folder = s.pfad("prog").toStdString();
    HilfeAufrufen(d, mitSprache("englisch"));

    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(d.boxes[0].title, std::string(" Help "));
    QVERIFY(QString::fromStdString(d.boxes[0].text).contains(doc));
    QVERIFY(d.started.empty());
}

void HelpCommandTest::viewerReceivesTheDocument_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("folder");  // of the program, below the sandbox
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("viewer");  // below the sandbox
    QTest::newRow("German") << "deutsch" << "prog" << "Ringfeld_Hilfe.pdf" << "opt/viewer";
    QTest::newRow("French, folders with blanks")
        << "französisch" << "Program Files/Ring feld" << "Ringfeld_Aide.pdf" << "opt/My Viewer/view";
    QTest::newRow("English, quotes and dollars in the folders")
        << "englisch" << "it's $HOME \"here\"" << "Ringfeld_Help.pdf" << "opt/a \"q\" $x `y`/view";
}

void HelpCommandTest::viewerReceivesTheDocument() {
    QFETCH(QString, sprache);
    QFETCH(QString, folder);
    QFETCH(QString, document);
    QFETCH(QString, viewer);

    XdgSandbox s;
    QVERIFY(s.ok());
    const QString record = s.pfad("record");
    const QString program = s.rekorder(viewer, record);
    // Exec quotes the program, as an entry must when its path has blanks.
    QString exec = program;
    exec.replace("\\", "\\\\\\\\").replace("\"", "\\\\\"").replace("$", "\\\\$").replace("`", "\\\\`");
    s.eintrag("home/share/applications/viewer.desktop", "\"" + exec + "\" %U");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop\n");
    const QString doc = s.pdf(folder + "/" + document);

    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad(folder).toStdString();
    HilfeAufrufen(d, mitSprache(sprache.toStdString()));

    QVERIFY2(d.boxes.empty(), d.boxes.empty() ? "" : d.boxes[0].text.c_str());
    QCOMPARE(int(d.started.size()), 1);
    QCOMPARE(QString::fromStdString(d.started[0].first), program);
    QCOMPARE(d.started[0].second, std::vector<std::string>{doc.toStdString()});
    QCOMPARE(d.log, (std::vector<std::string>{"start", "events"}));
    // What the viewer really received.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 30000);
    QCOMPARE(protokollZeilen(record), erwartetesProtokoll(doc));
}

void HelpCommandTest::viewerThatFailsToStartIsPassedOver() {
    XdgSandbox s;
    QVERIFY(s.ok());
    s.eintrag("usr/share/applications/viewer.desktop", s.rekorder("opt/viewer", s.pfad("record")));
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop\n");
    s.pdf("prog/Ringfeld_Hilfe.pdf");
    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.startFails = true;
    d.facts.folder = s.pfad("prog").toStdString();
    HilfeAufrufen(d, mitSprache("deutsch"));

    QCOMPARE(int(d.started.size()), 1);
    QVERIFY(d.boxes.empty());
}

void HelpCommandTest::installedDocumentsAreFoundFromTheProgramsFolder() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString record = s.pfad("record");
    s.eintrag("usr/share/applications/viewer.desktop", s.rekorder("opt/viewer", record) + " %f");
    s.schreibe("usr/share/applications/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop\n");
    // The program in usr/bin, its documents in the installation's help folder.
    QDir().mkpath(s.pfad("usr/bin"));
    const QString doc = s.pdf(hilfeOrdner("usr/bin") + "/Ringfeld_Aide.pdf");

    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad("usr/bin").toStdString();
    HilfeAufrufen(d, mitSprache("französisch"));

    QVERIFY(d.boxes.empty());
    QCOMPARE(int(d.started.size()), 1);
    QCOMPARE(d.started[0].second, std::vector<std::string>{doc.toStdString()});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 30000);
    QCOMPARE(protokollZeilen(record), erwartetesProtokoll(doc));

    // Missing in both places: the message names the program's folder.
    QVERIFY(QFile::remove(doc));
    HilfeAufrufen(d, mitSprache("französisch"));
    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(d.boxes[0].text, "Le fichier " + NL + s.pfad("usr/bin/Ringfeld_Aide.pdf").toStdString() + NL +
                                  "n'existe pas! " + NL + "Rechercher, SVP le fichier par vous-même. ");
}

void HelpCommandTest::programFolderComesFirst() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString beside = s.pdf("usr/bin/Ringfeld_Help.pdf");
    const QString installed = s.pdf(hilfeOrdner("usr/bin") + "/Ringfeld_Help.pdf");
    ProbeDienste d;
    const std::string folder = s.pfad("usr/bin").toStdString();

    QCOMPARE(HilfeOrte(folder, "/Ringfeld_Help.pdf"),
             (std::vector<std::string>{beside.toStdString(), installed.toStdString()}));
    QCOMPARE(HilfeDokumentPfad(d, folder, "/Ringfeld_Help.pdf"), beside.toStdString());
    QVERIFY(QFile::remove(beside));
    QCOMPARE(HilfeDokumentPfad(d, folder, "/Ringfeld_Help.pdf"), installed.toStdString());
}

void HelpCommandTest::unknownLanguage() {
    // No language: every text is empty, so the "document" is the program's
    // folder itself, which is no file.
    XdgSandbox s;
    QVERIFY(s.ok());
    s.pdf("prog/Ringfeld_Hilfe.pdf");
    ProbeDienste d;
    d.umgebung = s.umgebung;
    d.facts.folder = s.pfad("prog").toStdString();
    HilfeAufrufen(d, mitSprache("Deutsch"));

    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(d.boxes[0].text, NL + d.facts.folder + NL + NL);
    QCOMPARE(d.boxes[0].title, std::string());
    QCOMPARE(d.boxes[0].icon, BoxIcon::Stop);
    QVERIFY(d.started.empty());
}

void HelpCommandTest::dateiOeffnenStartsThenProcessesEvents() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString record = s.pfad("record");
    const QString viewer = s.rekorder("opt/viewer", record);
    const QString doc = s.pdf("a folder/Ringfeld_Help.pdf");
    ProbeDienste d;
    DateiOeffnen(d, viewer.toStdString(), doc.toStdString());

    QCOMPARE(d.log, (std::vector<std::string>{"start", "events"}));
    QCOMPARE(d.started[0].second, std::vector<std::string>{doc.toStdString()});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 30000);
    QCOMPARE(protokollZeilen(record), erwartetesProtokoll(doc));
}

QTEST_GUILESS_MAIN(HelpCommandTest)
#include "help_command_test.moc"
