// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
// The help command through GIO, with a stand-in viewer chosen as `xdg-mime default`
// chooses it, in XDG folders of the test's own. GIO reads those folders once per
// process, so each case runs the English help command in a child process.

#include "app/help_command.h"
#include <QtTest>
#include <cstdio>
#include <cstring>
#include "probe_services.h"
#include "text/design_record.h"
using namespace ringfeld;

static void schreibe(const QString& path, const QByteArray& text, QFileDevice::Permissions extra = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.setPermissions(f.permissions() | extra));
}

class HelpCommandTest : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data() {
        QTest::addColumn<QByteArray>("mimeapps");  // the user's choice, as `xdg-mime default` writes it
        QTest::addColumn<QByteArray>("entry");     // more lines of the stand-in viewer's desktop entry
        QTest::addColumn<bool>("document");
        QTest::addColumn<QString>("boxes");  // "title|text" of each box, @DOC@ for the document
        QTest::addColumn<QString>("sprache");
        const QByteArray chosen = "[Default Applications]\napplication/pdf=viewer.desktop\n";
        const QString noViewer = " Help |Acrobat Reader not found!\r\nFor help use file \r\n@DOC@\r\n";
        const QString en = "englisch";
        QTest::newRow("opened") << chosen << QByteArray() << true << "" << en;
        QTest::newRow("no application for PDF") << QByteArray() << QByteArray() << true << noViewer << en;
        QTest::newRow("viewer fails to start") << chosen << QByteArray("Path=/nonexistent\n") << true << noViewer << en;
        QTest::newRow("document missing")
            << chosen << QByteArray() << false
            << " File not found |File \r\n@DOC@\r\nnot found. File xyz does not exist!\r\nPlease look for the file."
            << en;
        QTest::newRow("document missing, French") << chosen << QByteArray() << false
                                                  << " Fichier non trouvée! |Le fichier \r\n@DOC@\r\nn'existe pas! "
                                                     "\r\nRechercher, SVP le fichier par vous-même. "
                                                  << "französisch";
    }
    void outcomes() {
        QFETCH(QByteArray, mimeapps);
        QFETCH(QByteArray, entry);
        QFETCH(bool, document);
        QFETCH(QString, boxes);
        QFETCH(QString, sprache);
        QTemporaryDir root;
        const QString r = root.path(),
                      doc = r + (sprache == "englisch" ? "/prog/Ringfeld_Help.pdf" : "/prog/Ringfeld_Aide.pdf"),
                      record = r + "/bin/viewer.record";
        schreibe(r + "/sys/mime/globs2", "50:application/pdf:*.pdf\n");  // a one-line MIME database
        if (document) schreibe(doc, "%PDF-1.4\n%%EOF\n");
        schreibe(r + "/bin/viewer", "#!/bin/sh\nprintf %s \"$1\" > \"$0.t\" && mv \"$0.t\" \"$0.record\"\n",
                 QFile::ExeOwner);
        schreibe(r + "/data/applications/viewer.desktop",
                 "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + r.toUtf8() + "/bin/viewer %f\n" + entry);
        if (!mimeapps.isEmpty()) schreibe(r + "/config/mimeapps.list", mimeapps);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME=/data", "XDG_DATA_DIRS=/sys", "XDG_CONFIG_HOME=/config"})
            env.insert(QString(name).section('=', 0, 0), r + QString(name).section('=', 1));
        QProcess kind;
        kind.setProcessEnvironment(env);
        kind.start(QCoreApplication::applicationFilePath(), {"--run-help", r + "/prog", sprache});
        QVERIFY(kind.waitForFinished(30000) && kind.exitCode() == 0);
        QCOMPARE(QString::fromUtf8(kind.readAllStandardOutput()), boxes.replace("@DOC@", doc));
        if (boxes.isEmpty()) QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 30000);
        QFile got(record);  // what the viewer received; nothing when it never ran
        QCOMPARE(got.open(QIODevice::ReadOnly) ? QString(got.readAll()) : QString(), boxes.isEmpty() ? doc : QString());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--run-help") == 0) {  // the child
        ProbeDienste d;
        d.facts.folder = argv[2];
        DesignRecord rec;
        rec.Sprache = argv[3];
        HilfeAufrufen(d, rec);
        for (const Meldung& m : d.boxes) std::printf("%s|%s", m.title.c_str(), m.text.c_str());
        return 0;
    }
    QCoreApplication app(argc, argv);
    HelpCommandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "help_command_test.moc"
