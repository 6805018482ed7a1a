// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// Design files in the program, driven through the File menu with recorded
// desktop services: every input saved and opened again in each language, bad
// files refused with their message while the screen stays as it was, and the
// question before unsaved changes are lost; the note edited in File / Properties,
// and no two entries of a menu with one access key in any language.

#include <algorithm>
#include <memory>

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/HauptProgramm.h"
#include "design/design_file.h"
#include "main/frmMain.h"
#include "presentation/loop_rechnen.h"
#include "testing/recording_desktop_services.h"

using namespace ringfeld;

class DesignTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<RecordingDesktopServices> dienste;
    std::unique_ptr<HauptProgramm> modul;

    frmMain& f() { return *modul->Hauptfenster(); }
    QString pfad(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
    void menue(QAction* eintrag, std::deque<std::string>& antworten, const QString& datei) {
        antworten.push_back(datei.toStdString());
        eintrag->trigger();
    }
    void oeffnen(const QString& datei) { menue(f().controls().mnuDateiOeffnen, dienste->openAnswers, datei); }
    void speichern(const QString& datei) { menue(f().controls().mnuDateiSpeichernUnter, dienste->saveAnswers, datei); }
    // What the windows show: every input as a design file keeps it, the results and the title.
    QString bildschirm() {
        QString s = QString::fromStdString(design::EntwurfAlsJson(modul->AktuellerEntwurf()));
        for (std::size_t i = 0; i < kResultLabelCount; ++i) s += f().resultLabel(static_cast<ResultLabel>(i))->text();
        return s + f().windowTitle();
    }

    // File / Properties: the note it shows, replaced by `neu` with OK, or cancelled.
    QString notiz(const std::optional<QString>& neu) {
        QString gezeigt;
        QTimer::singleShot(0, [&] {
            auto* dialog = f().findChild<QDialog*>(QStringLiteral("dlgEigenschaften"));
            auto* feld = dialog->findChild<QPlainTextEdit*>(QStringLiteral("txtNotiz"));
            gezeigt = feld->toPlainText();
            if (neu) feld->setPlainText(*neu);
            neu ? dialog->accept() : dialog->reject();
        });
        f().controls().mnuDateiEigenschaften->trigger();
        return gezeigt;
    }

    void starten() {
        modul = std::make_unique<HauptProgramm>(*dienste);
        modul->Main();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }  // the tuning window's stored inputs

    void init() {
        dienste = std::make_unique<RecordingDesktopServices>();
        dienste->locale = "en_GB";
        starten();
    }
    void cleanup() {
        modul.reset();
        dienste.reset();
    }

    void everyInputComesBackInEachLanguage_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("messing");  // the list's entry for brass
        QTest::addColumn<bool>("fenster");     // the coupling, tuning and safety-distance windows are shown
        QTest::addColumn<int>("form");         // the shape, as its place in the list
        QTest::addColumn<char>("trenner");     // the language's decimal separator
        QTest::newRow("German, windows closed")
            << u"deutsch"_qs << u"Messing"_qs << false << static_cast<int>(Form::Quadrat) << ',';
        QTest::newRow("French, windows shown")
            << u"französisch"_qs << u"Laiton"_qs << true << static_cast<int>(Form::Achteck) << ',';
        QTest::newRow("English, windows shown")
            << u"englisch"_qs << u"brass"_qs << true << static_cast<int>(Form::Sechseck) << '.';
    }
    void everyInputComesBackInEachLanguage() {
        QFETCH(QString, sprache);
        QFETCH(QString, messing);
        QFETCH(bool, fenster);
        QFETCH(int, form);
        QFETCH(char, trenner);
        dienste->settings[{"Settings", "Sprache"}] = sprache.toStdString();
        starten();
        if (fenster) {
            f().mnuAktAnkopplung_Click();
            f().mnuAktAbstimmbereich_Click();
            f().controls().mnuAktSicherheit->trigger();
        }
        // Every input off its start value, a note and the further windows' groups.
        design::Entwurf e;
        e.schleife.felder = {"0,8", "3.2", "&H10", "2", "10,1", "50", "0,1", "40", "5000", "", ""};
        e.schleife.form = static_cast<Form>(form);
        e.schleife.material = Material::Messing;
        e.kopplung = {2, "5,5"};
        e.abstimmung = {{"10,1", "10.15", "0,01", "2000", "0,5", "5", "10", "200", "5000", "10,12", "12", "2,5"}, 5};
        e.notiz = "Balkon";
        e.weitere["finder"] = {{"from", "7"}, {"to", "7,3"}, {"cap_min", "10"}};
        e.weitere["exposure"] = {{"mode", "own"},
                                 {"mode_factor", "0,3"},
                                 {"tx_share_6min", "50"},
                                 {"tx_share_30min", "20"},
                                 {"standard", "fcc"},
                                 {"population", "occupational"},
                                 {"current_source", "measured"},
                                 {"icnirp2010_with_1998", "true"},
                                 {"places", "Balkon=5\n=2,5"},
                                 {"station_callsign", "DL1ABC"},
                                 {"station_site", "JO62"},
                                 {"station_antenna_position", "Garten"},
                                 {"station_antenna_height_m", "3"},
                                 {"station_note", "SSB"}};
        QVERIFY(!design::EntwurfSchreiben(pfad("a.ringfeld").toStdString(), e, Language::English));

        // Every number a window shows comes back with the language's separator; the
        // station's texts, and the group of a window never opened (the finder's), as they came.
        design::Entwurf erwartet = e;
        auto n = [trenner](std::string& t) {
            std::replace_if(
                t.begin(), t.end(), [](char c) { return c == ',' || c == '.'; }, trenner);
        };
        for (std::string* t :
             {&erwartet.schleife.felder.Text1, &erwartet.schleife.felder.Text2, &erwartet.schleife.felder.Text5,
              &erwartet.schleife.felder.Text7, &erwartet.kopplung.verhaeltnis})
            n(*t);
        if (fenster) {
            for (std::string& t : erwartet.abstimmung.felder) n(t);
            for (const char* key : {"mode_factor", "places"}) n(erwartet.weitere["exposure"][key]);
        }

        oeffnen(pfad("a.ringfeld"));
        // The note edited: the design is changed; a cancelled edit changes nothing.
        const QString neu = QStringLiteral("Balkon\nNordseite, 3 m über Grund");
        QCOMPARE(notiz(neu + QStringLiteral("!")), QStringLiteral("Balkon"));
        QVERIFY(f().isWindowModified());
        QCOMPARE(notiz(neu), neu + QStringLiteral("!"));
        QCOMPARE(notiz(std::nullopt), neu);
        speichern(pfad("b.ringfeld"));
        f().controls().mnuDateiNeu->trigger();
        QCOMPARE(notiz(std::nullopt), QString());
        oeffnen(pfad("b.ringfeld"));
        QCOMPARE(notiz(std::nullopt), neu);
        QVERIFY(!f().isWindowModified());
        QCOMPARE(f().Eingaben().Combo2, messing.toStdString());
        erwartet.notiz.clear();  // no window shows it
        QCOMPARE(design::EntwurfAlsJson(modul->AktuellerEntwurf()), design::EntwurfAlsJson(erwartet));
        erwartet.notiz = neu.toStdString();
        QVERIFY(!design::EntwurfSchreiben(pfad("c.ringfeld").toStdString(), erwartet, Language::English));
        QFile b(pfad("b.ringfeld")), c(pfad("c.ringfeld"));
        QVERIFY(b.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), c.readAll());  // keys, list keys, note and group as they came
        dienste->boxes.clear();              // the design's own calculation is not the subject
    }

    // A loop typed in feet and inches calculates what the same loop typed in metres
    // does (converted by hand: 3' 3 3/8" = 1.000125 m, 10 1/4 ft = 3.1242 m, 7/8 in =
    // 22.225 mm); saved, it reopens in feet and inches in a program started in
    // either units, with the same results, and an older reader refuses the file.
    void anImperialDesignComesBackInItsUnits_data() {
        QTest::addColumn<QString>("start");
        QTest::newRow("reopened in imperial") << u"imperial"_qs;
        QTest::newRow("reopened in metric") << u"metric"_qs;
    }
    void anImperialDesignComesBackInItsUnits() {
        QFETCH(QString, start);
        const LoopEingaben getippt{"3' 3 3/8\"", "10 1/4", "7/8",   "2",      "7.1", "100",
                                   "0",          "2' 1\"", "10000", "Circle", "Cu"};
        const LoopEingaben metrisch{"1.000125", "3.1242", "22.225", "2",      "7,1", "100",
                                    "0",        "635",    "10000",  "Circle", "Cu"};
        DesignRecord rec;
        rec.Sprache = "englisch";
        const auto erwartet =
            AngezeigteTexte(LoopRechnen(metrisch, rec, QLocale::system().decimalPoint().toStdString()));
        auto ergebnisse = [&] {
            std::array<std::string, kResultLabelCount> shown;
            for (std::size_t i = 0; i < kResultLabelCount; ++i)
                shown[i] = f().resultLabel(static_cast<ResultLabel>(i))->text().toStdString();
            return shown;
        };

        dienste->settings[{"Settings", "Einheiten"}] = "imperial";
        starten();
        f().EingabenSetzen(getippt);
        f().Command1_Click();
        QVERIFY(erwartet == ergebnisse());
        speichern(pfad("zoll.ringfeld"));
        QFile datei(pfad("zoll.ringfeld"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QVERIFY(inhalt.contains("\"version\": 2,\n  \"units\": \"imperial\""));

        dienste->settings[{"Settings", "Einheiten"}] = start.toStdString();
        starten();
        oeffnen(pfad("zoll.ringfeld"));
        QCOMPARE(f().Eingaben(), getippt);
        QCOMPARE(f().controls().Label2->text(), u"ft"_qs);
        QVERIFY(erwartet == ergebnisse());
    }

    // A design whose calculation is refused: its box shows under a title that names the file.
    void theTitleNamesTheFileBeforeTheCalculationsBox() {
        design::Entwurf e = design::Startentwurf();
        e.schleife.felder.Text5 = "0";  // no frequency
        QVERIFY(!design::EntwurfSchreiben(pfad("null.ringfeld").toStdString(), e, Language::English));
        QStringList titel;
        dienste->onBox = [&](const Meldung&) { titel << f().windowTitle(); };
        oeffnen(pfad("null.ringfeld"));
        QCOMPARE(titel.size(), 1);
        QVERIFY2(titel[0].startsWith(QStringLiteral("null.ringfeld[*] – ")), qPrintable(titel[0]));
        dienste->boxes.clear();
    }

    // Every menu's entries have access keys of their own, in each language.
    void accessKeysDiffer() {
        for (const char* sprache : {"mnuDeutsch", "mnuFranzösisch", "mnuEnglisch"}) {
            f().findChild<QAction*>(QString::fromUtf8(sprache))->trigger();
            for (const QMenu* menue : f().findChildren<QMenu*>()) {
                QString tasten;
                for (const QAction* eintrag : menue->actions()) {
                    const QString text = eintrag->text().remove(QStringLiteral("&&"));
                    const qsizetype at = text.indexOf(QLatin1Char('&'));
                    if (at < 0 || at + 1 >= text.size()) continue;
                    const QChar taste = text[at + 1].toLower();
                    QVERIFY2(!tasten.contains(taste), qPrintable(sprache + (": " + text)));
                    tasten += taste;
                }
            }
        }
    }

    // Two recent files of one name show their folders; every entry's tooltip is its path.
    void recentFilesOfOneNameShowTheirFolders() {
        QDir(dir.path()).mkpath("a");
        QDir(dir.path()).mkpath("b");
        speichern(pfad("a/loop.ringfeld"));
        speichern(pfad("b/loop.ringfeld"));
        speichern(pfad("c.ringfeld"));
        const auto eintraege = f().controls().mnuDateiZuletzt->actions();
        QCOMPARE(eintraege.size(), 3);
        QCOMPARE(eintraege[0]->text(), QStringLiteral("&1 c.ringfeld"));
        QCOMPARE(eintraege[1]->text(), QStringLiteral("&2 loop.ringfeld (%1)").arg(pfad("b")));
        QCOMPARE(eintraege[2]->text(), QStringLiteral("&3 loop.ringfeld (%1)").arg(pfad("a")));
        QCOMPARE(eintraege[2]->toolTip(), pfad("a/loop.ringfeld"));
        dienste->boxes.clear();
    }

    void aBadFileLeavesTheScreenAsItWas_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("inhalt");  // none: the file is not written
        QTest::addColumn<QString>("grund");
        QTest::addColumn<bool>("zuletzt");  // opened from the recent list
        const QByteArray v1 = "{\"format\": \"ringfeld-design\", \"version\": 1, ";
        QTest::newRow("not JSON") << "x.ringfeld" << QByteArray("{\"format\": x}")
                                  << "it is not a Ringfeld design file (not valid JSON, error at byte 11)." << false;
        QTest::newRow("other format") << "x.ringfeld" << QByteArray("{\"format\": \"ringfeld\", \"version\": 1}")
                                      << "it is not a Ringfeld design file (\"format\" is not \"ringfeld-design\")."
                                      << false;
        QTest::newRow("future version")
            << "x.ringfeld" << QByteArray("{\"format\": \"ringfeld-design\", \"version\": 3}")
            << "it has format version 3; this Ringfeld reads up to version 2. A newer Ringfeld will open it." << false;
        QTest::newRow("number for a text") << "x.ringfeld" << v1 + "\"loop\": {\"turns\": 2}}"
                                           << "\"loop.turns\" must be a text in quotes." << false;
        QTest::newRow("unknown site")
            << "x.ringfeld" << v1 + "\"coupling\": {\"site\": \"roof\"}}"
            << "\"coupling.site\" must be one of these values: \"indoors\", \"balcony\", \"free\", null." << false;
        QTest::newRow("too large") << "x.ringfeld" << v1 + QByteArray(1024 * 1024, ' ') + "}"
                                   << "it is larger than 1 MiB." << false;
        QTest::newRow("folder") << "" << QByteArray() << "it is a folder." << false;
        QTest::newRow("unreadable") << "/proc/self/mem" << QByteArray() << "it cannot be read (Input/output error)."
                                    << false;
        QTest::newRow("vanished") << "gone.ringfeld" << QByteArray() << "it does not exist." << false;
        QTest::newRow("vanished from the recent list")
            << "gone.ringfeld" << QByteArray()
            << "it does not exist.\r\nIt has been removed from the list of recent files." << true;
    }
    void aBadFileLeavesTheScreenAsItWas() {
        QFETCH(QString, datei);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, grund);
        QFETCH(bool, zuletzt);
        const QString name = datei.startsWith('/') ? datei : pfad(datei.toLatin1().constData());
        if (zuletzt) speichern(name);
        speichern(pfad("gut.ringfeld"));  // a document, its results on screen
        f().controls().Command1->click();
        const QString vorher = bildschirm();
        if (zuletzt) QFile::remove(name);
        QFile out(name);
        if (!inhalt.isNull()) QVERIFY(out.open(QIODevice::WriteOnly) && out.write(inhalt) == inhalt.size());
        out.close();
        if (zuletzt)
            f().controls().mnuDateiZuletzt->actions().at(1)->trigger();
        else
            oeffnen(name);
        QCOMPARE(dienste->boxes.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(dienste->boxes.front().text),
                 QStringLiteral("The file \"%1\" cannot be opened: %2").arg(name, grund));
        QCOMPARE(bildschirm(), vorher);
        QCOMPARE(f().controls().mnuDateiZuletzt->actions().size(), 1);  // the file saved last, kept in the store:
        QCOMPARE(dienste->storedSetting("Zuletzt", "Datei2"), std::optional(std::string()));
        dienste->boxes.clear();
    }

    void unsavedChangesAreAskedForOnlyWithAFile_data() {
        QTest::addColumn<bool>("datei");    // the design was saved to a file
        QTest::addColumn<bool>("aendern");  // then a field changed: only then is there a question
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("schliessen");  // else New
        const int abbrechen = int(Antwort::Abbrechen);
        QTest::newRow("no file: New") << false << true << abbrechen << false;
        QTest::newRow("no file: closing") << false << true << abbrechen << true;
        QTest::newRow("unchanged: New") << true << false << abbrechen << false;
        QTest::newRow("New, Cancel") << true << true << abbrechen << false;
        QTest::newRow("New, Discard") << true << true << int(Antwort::Verwerfen) << false;
        QTest::newRow("closing, Cancel") << true << true << abbrechen << true;
        QTest::newRow("closing, Save") << true << true << int(Antwort::Speichern) << true;
    }
    void unsavedChangesAreAskedForOnlyWithAFile() {
        QFETCH(bool, datei);
        QFETCH(bool, aendern);
        QFETCH(int, antwort);
        QFETCH(bool, schliessen);
        // Cancel keeps everything: the change on screen, the window open.
        const bool bleibt = datei && aendern && antwort == int(Antwort::Abbrechen);
        if (datei) speichern(pfad("f.ringfeld"));
        if (aendern) f().controls().Text1->setText(QStringLiteral("1,5"));
        QCOMPARE(f().isWindowModified(), datei && aendern);
        dienste->answers.push_back(static_cast<Antwort>(antwort));
        if (schliessen)
            f().close();
        else
            f().controls().mnuDateiNeu->trigger();
        QCOMPARE(dienste->questions.size(), std::size_t(datei && aendern));
        QCOMPARE(schliessen ? f().isVisible() : f().controls().Text1->text() == QStringLiteral("1,5"), bleibt);
        if (bleibt) QCOMPARE(f().windowTitle().left(15), QStringLiteral("f.ringfeld[*] –"));
        if (antwort == int(Antwort::Speichern))
            QCOMPARE(design::EntwurfLesen(pfad("f.ringfeld").toStdString(), Language::English)
                         .entwurf->schleife.felder.Text1,
                     std::string("1,5"));
    }
};

QTEST_MAIN(DesignTest)
#include "design_test.moc"
