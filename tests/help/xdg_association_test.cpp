// The desktop's association for a document: which program a freedesktop.org
// desktop opens a PDF with, found in a temporary XDG environment.

#include <QMimeDatabase>
#include <QtTest>

#include "shell/help/xdg_association.h"
#include "xdg_sandbox.h"

using namespace ringfeld;

namespace {

// Restores an environment variable when the test leaves.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name), set_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {}
    ~EnvGuard() {
        if (set_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    const char* name_;
    bool set_;
    QByteArray old_;
};

}  // namespace

class XdgAssociationTest : public QObject {
    Q_OBJECT

private slots:
    void execProgram_data();
    void execProgram();
    void defaultApplicationOfTheUser();
    void programNamedWithoutFolderIsFoundInPath();
    void mimeappsListsCountInTheirOrder();
    void defaultThatIsNotInstalledPassesOn();
    void unusableEntries_data();
    void unusableEntries();
    void addedAndRemovedAssociations();
    void desktopFileIdOfAnEntryInASubfolder();
    void userEntryShadowsTheSystemOne();
    void aliasesAndParentTypes();
    void noAssociation();
    void programThatIsTheDocumentItself();
    void environmentFolders();
};

void XdgAssociationTest::execProgram_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("program");
    QTest::newRow("name and field code") << "evince %U" << "evince";
    QTest::newRow("full path") << "/usr/bin/okular %f" << "/usr/bin/okular";
    QTest::newRow("leading blanks") << "   viewer   %f" << "viewer";
    QTest::newRow("quoted path with blanks") << "\"/opt/My Viewer/view\" %f" << "/opt/My Viewer/view";
    QTest::newRow("escaped quote inside quotes") << "\"/opt/a\\\"b/view\" %f" << "/opt/a\"b/view";
    QTest::newRow("escaped dollar inside quotes") << "\"/opt/\\$x/view\"" << "/opt/$x/view";
    // The string escape \\ comes first, the quoting rule's \\ second: four for one.
    QTest::newRow("backslash inside quotes") << "\"/opt/a\\\\\\\\b/view\"" << "/opt/a\\b/view";
    // \s is a blank before the quoting rule splits the line.
    QTest::newRow("escaped blank separates") << "/opt/my\\sviewer/view %f" << "/opt/my";
    QTest::newRow("quotes open in the middle") << "/opt/\"my viewer\"/view %f" << "/opt/my viewer/view";
    QTest::newRow("quotation never closed") << "\"/opt/view %f" << "";
    QTest::newRow("empty") << "" << "";
}

void XdgAssociationTest::execProgram() {
    QFETCH(QString, exec);
    QFETCH(QString, program);
    QCOMPARE(ExecProgramm(exec), program);
}

void XdgAssociationTest::defaultApplicationOfTheUser() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString viewer = s.rekorder("opt/viewer/view", s.pfad("record"));
    s.eintrag("home/share/applications/viewer.desktop", viewer + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop;\n");
    const QString doc = s.pdf("docs/Ringfeld_Help.pdf");

    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), viewer);
    // The document need not exist: its name gives its type.
    QCOMPARE(ProgrammZuDatei(s.pfad("elsewhere/Ringfeld_Hilfe.pdf"), s.umgebung), viewer);
}

void XdgAssociationTest::programNamedWithoutFolderIsFoundInPath() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString viewer = s.rekorder("bin/pdfview", s.pfad("record"));
    s.eintrag("usr/share/applications/pdfview.desktop", "pdfview %U");
    s.schreibe("usr/share/applications/mimeapps.list", "[Default Applications]\napplication/pdf=pdfview.desktop\n");
    const QString doc = s.pdf("Ringfeld_Help.pdf");

    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), viewer);

    // Not in PATH: no program.
    s.umgebung.path = {s.pfad("nowhere")};
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());
}

void XdgAssociationTest::mimeappsListsCountInTheirOrder() {
    XdgSandbox s;
    QVERIFY(s.ok());
    s.umgebung.desktops = {"kde"};
    // Each list names its own application; the most important list present wins.
    const QStringList listen{
        "config/kde-mimeapps.list",               // user, this desktop
        "config/mimeapps.list",                   // user
        "etc/xdg/mimeapps.list",                  // system administrator
        "home/share/applications/mimeapps.list",  // user, old place
        "usr/local/share/applications/kde-mimeapps.list",
        "usr/share/applications/mimeapps.list",   // distribution
    };
    QStringList programme;
    for (int i = 0; i < listen.size(); ++i) {
        const QString id = QString("app%1.desktop").arg(i);
        programme << s.rekorder(QString("opt/app%1").arg(i), s.pfad("record"));
        s.eintrag("usr/share/applications/" + id, programme.last() + " %f");
        s.schreibe(listen[i], "[Default Applications]\napplication/pdf=" + id.toUtf8() + "\n");
    }
    // A list of another desktop does not count.
    s.eintrag("usr/share/applications/gnome.desktop", s.rekorder("opt/gnome", s.pfad("record")));
    s.schreibe("config/gnome-mimeapps.list", "[Default Applications]\napplication/pdf=gnome.desktop\n");

    const QString doc = s.pdf("Ringfeld_Help.pdf");
    for (int i = 0; i < listen.size(); ++i) {
        QCOMPARE(ProgrammZuDatei(doc, s.umgebung), programme[i]);
        QVERIFY(QFile::remove(s.pfad(listen[i])));
    }
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());
}

void XdgAssociationTest::defaultThatIsNotInstalledPassesOn() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString second = s.rekorder("opt/second", s.pfad("record"));
    const QString system = s.rekorder("opt/system", s.pfad("record"));
    s.eintrag("usr/share/applications/second.desktop", second);
    s.eintrag("usr/share/applications/system.desktop", system);
    s.schreibe("config/mimeapps.list",
               "[Default Applications]\napplication/pdf=uninstalled.desktop;second.desktop;\n");
    s.schreibe("usr/share/applications/mimeapps.list", "[Default Applications]\napplication/pdf=system.desktop\n");
    const QString doc = s.pdf("Ringfeld_Help.pdf");

    // The next entry of the same list first ...
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), second);
    // ... then the next list.
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=uninstalled.desktop\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), system);
}

void XdgAssociationTest::unusableEntries_data() {
    QTest::addColumn<QByteArray>("entry");  // with @PROGRAM@ for an existing program
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nType=Application\nExec=@PROGRAM@\nHidden=true\n");
    QTest::newRow("TryExec missing")
        << QByteArray("[Desktop Entry]\nType=Application\nExec=@PROGRAM@\nTryExec=no-such-program\n");
    QTest::newRow("program missing") << QByteArray("[Desktop Entry]\nType=Application\nExec=/no/such/viewer %f\n");
    QTest::newRow("program not in PATH") << QByteArray("[Desktop Entry]\nType=Application\nExec=no-such-viewer %f\n");
    QTest::newRow("not an application") << QByteArray("[Desktop Entry]\nType=Link\nURL=@PROGRAM@\nExec=@PROGRAM@\n");
    QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nType=Application\nName=Viewer\n");
    QTest::newRow("Exec never closes its quote")
        << QByteArray("[Desktop Entry]\nType=Application\nExec=\"@PROGRAM@ %f\n");
    QTest::newRow("other group only") << QByteArray("[Desktop Action x]\nType=Application\nExec=@PROGRAM@\n");
    QTest::newRow("relative path") << QByteArray("[Desktop Entry]\nType=Application\nExec=opt/viewer %f\n");
}

void XdgAssociationTest::unusableEntries() {
    QFETCH(QByteArray, entry);
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString program = s.rekorder("opt/viewer", s.pfad("record"));
    s.schreibe("usr/share/applications/bad.desktop", entry.replace("@PROGRAM@", program.toUtf8()));
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=bad.desktop\n");
    const QString doc = s.pdf("Ringfeld_Help.pdf");

    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());

    // With a usable application behind it, that one opens the document.
    const QString good = s.rekorder("opt/good", s.pfad("record"));
    s.eintrag("usr/share/applications/good.desktop", good + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=bad.desktop;good.desktop;\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), good);
}

void XdgAssociationTest::addedAndRemovedAssociations() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString blocked = s.rekorder("opt/blocked", s.pfad("record"));
    const QString added = s.rekorder("opt/added", s.pfad("record"));
    const QString own = s.rekorder("opt/own", s.pfad("record"));
    s.eintrag("usr/share/applications/blocked.desktop", blocked, "MimeType=application/pdf;\n");
    s.eintrag("usr/share/applications/added.desktop", added);
    s.eintrag("usr/share/applications/own.desktop", own, "MimeType=image/png;application/pdf;\n");
    s.schreibe("config/mimeapps.list", "[Removed Associations]\napplication/pdf=blocked.desktop;\n");
    s.schreibe("usr/share/applications/mimeapps.list",
               "[Added Associations]\napplication/pdf=blocked.desktop;added.desktop;\n");
    const QString doc = s.pdf("Ringfeld_Help.pdf");

    // No default: the added association that a more important list did not remove.
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), added);
    // Without it: an entry that names the type itself, but not the removed one.
    QVERIFY(QFile::remove(s.pfad("usr/share/applications/added.desktop")));
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), own);
    QVERIFY(QFile::remove(s.pfad("usr/share/applications/own.desktop")));
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());

    // A removal in a less important list does not undo a more important addition.
    s.schreibe("config/mimeapps.list", "[Added Associations]\napplication/pdf=blocked.desktop;\n");
    s.schreibe("usr/share/applications/mimeapps.list", "[Removed Associations]\napplication/pdf=blocked.desktop;\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), blocked);

    // Additions and removals in a desktop's own list are not read.
    s.umgebung.desktops = {"xfce"};
    s.schreibe("config/xfce-mimeapps.list", "[Removed Associations]\napplication/pdf=blocked.desktop;\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), blocked);
}

void XdgAssociationTest::desktopFileIdOfAnEntryInASubfolder() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString viewer = s.rekorder("opt/viewer", s.pfad("record"));
    s.eintrag("usr/share/applications/vendor/pdf/viewer.desktop", viewer + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=vendor-pdf-viewer.desktop\n");
    QCOMPARE(ProgrammZuDatei(s.pdf("Ringfeld_Help.pdf"), s.umgebung), viewer);
}

void XdgAssociationTest::userEntryShadowsTheSystemOne() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString mine = s.rekorder("opt/mine", s.pfad("record"));
    const QString theirs = s.rekorder("opt/theirs", s.pfad("record"));
    s.eintrag("home/share/applications/viewer.desktop", mine + " %f");
    s.eintrag("usr/share/applications/viewer.desktop", theirs + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=viewer.desktop\n");
    const QString doc = s.pdf("Ringfeld_Help.pdf");

    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), mine);
    // A hidden entry of the user deletes the system's entry of that name.
    s.eintrag("home/share/applications/viewer.desktop", mine + " %f", "Hidden=true\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());
}

void XdgAssociationTest::aliasesAndParentTypes() {
    const QMimeDatabase db;
    QVERIFY2(db.mimeTypeForName("application/pdf").aliases().contains("application/x-pdf"),
             "the MIME database knows application/x-pdf as an alias of application/pdf");
    QVERIFY2(db.mimeTypeForFile("table.csv", QMimeDatabase::MatchExtension).inherits("text/plain"),
             "the MIME database derives CSV from plain text");

    XdgSandbox s;
    QVERIFY(s.ok());
    const QString viewer = s.rekorder("opt/viewer", s.pfad("record"));
    const QString editor = s.rekorder("opt/editor", s.pfad("record"));
    s.eintrag("usr/share/applications/viewer.desktop", viewer + " %f");
    s.eintrag("usr/share/applications/editor.desktop", editor + " %f");
    s.schreibe("config/mimeapps.list", "[Default Applications]\n"
                                       "application/x-pdf=viewer.desktop\n"
                                       "text/plain=editor.desktop\n");

    QCOMPARE(ProgrammZuDatei(s.pdf("Ringfeld_Help.pdf"), s.umgebung), viewer);
    QCOMPARE(ProgrammZuDatei(s.schreibe("table.csv", "a;b\n"), s.umgebung), editor);
}

void XdgAssociationTest::noAssociation() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString doc = s.pdf("Ringfeld_Help.pdf");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());

    // An application for other types only, and an empty association.
    const QString editor = s.rekorder("opt/editor", s.pfad("record"));
    s.eintrag("usr/share/applications/editor.desktop", editor, "MimeType=text/plain;\n");
    s.schreibe("config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop\napplication/pdf=\n");
    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());
    QCOMPARE(ProgrammZuDatei(QString(), s.umgebung), QString());
}

void XdgAssociationTest::programThatIsTheDocumentItself() {
    XdgSandbox s;
    QVERIFY(s.ok());
    const QString doc = s.pdf("docs/Ringfeld_Help.pdf");
    QFile::setPermissions(doc, QFile::permissions(doc) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    s.eintrag("usr/share/applications/self.desktop", doc);
    s.schreibe("config/mimeapps.list", "[Default Applications]\napplication/pdf=self.desktop\n");

    QCOMPARE(ProgrammZuDatei(doc, s.umgebung), QString());
    // Also when the document is named by another spelling of its path.
    QCOMPARE(ProgrammZuDatei(s.pfad("docs/../docs/./Ringfeld_Help.pdf"), s.umgebung), QString());
}

void XdgAssociationTest::environmentFolders() {
    const EnvGuard guards[] = {EnvGuard("HOME"),          EnvGuard("XDG_CONFIG_HOME"),     EnvGuard("XDG_CONFIG_DIRS"),
                               EnvGuard("XDG_DATA_HOME"), EnvGuard("XDG_DATA_DIRS"),       EnvGuard("PATH"),
                               EnvGuard("XDG_CURRENT_DESKTOP")};
    Q_UNUSED(guards);

    qputenv("HOME", "/home/op");
    qputenv("XDG_CONFIG_HOME", "/cfg/home/");
    qputenv("XDG_CONFIG_DIRS", "/cfg/a:relative/b::/cfg/c");
    qputenv("XDG_DATA_HOME", "");
    qunsetenv("XDG_DATA_DIRS");
    qputenv("PATH", "/opt/bin:/usr/bin");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    XdgUmgebung u = XdgUmgebung::ausProzess();
    QCOMPARE(u.configHome, QString("/cfg/home"));
    QCOMPARE(u.configDirs, QStringList({"/cfg/a", "/cfg/c"}));
    QCOMPARE(u.dataHome, QString("/home/op/.local/share"));
    QCOMPARE(u.dataDirs, QStringList({"/usr/local/share", "/usr/share"}));
    QCOMPARE(u.path, QStringList({"/opt/bin", "/usr/bin"}));
    QCOMPARE(u.desktops, QStringList({"ubuntu", "gnome"}));

    // Relative or empty values count as unset.
    qputenv("XDG_CONFIG_HOME", "cfg");
    qputenv("XDG_CONFIG_DIRS", "");
    qputenv("XDG_DATA_DIRS", "share:also/relative");
    qunsetenv("XDG_CURRENT_DESKTOP");
    u = XdgUmgebung::ausProzess();
    QCOMPARE(u.configHome, QString("/home/op/.config"));
    QCOMPARE(u.configDirs, QStringList({"/etc/xdg"}));
    QCOMPARE(u.dataDirs, QStringList({"/usr/local/share", "/usr/share"}));
    QVERIFY(u.desktops.isEmpty());
}

QTEST_GUILESS_MAIN(XdgAssociationTest)
#include "xdg_association_test.moc"
