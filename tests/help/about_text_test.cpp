// The About box: version line, platform note, legal notice and terms of use
// in each language, shown with the information icon under the program title.

#include <QtTest>

#include "engine/design_record.h"
#include "engine/interface_titles.h"
#include "shell/help/about_text.h"
#include "probe_dienste.h"

#ifdef RINGFELD_PROJECT_VERSION
#include "shell/program_version.h"
#endif

using namespace ringfeld;

namespace {

const std::string NL = "\r\n";
const ProgramFacts kFacts{"/usr/bin", "Ringfeld", "Ringfeld", 1, 1, 1, "Copyright (C) Kalvor"};

QStringList zeilen(const std::string& text) { return QString::fromStdString(text).split("\r\n"); }

}  // namespace

class AboutTextTest : public QObject {
    Q_OBJECT

private slots:
    void boxTextPerLanguage_data();
    void boxTextPerLanguage();
    void termsDifferByLanguage();
    void versionFromTheVersionRecord();
    void versionOfThisBuildIsTheProjectVersion();
    void noLanguageGivesTheVersionAlone();
    void aboutBoxIsAnInformationUnderTheProgramTitle_data();
    void aboutBoxIsAnInformationUnderTheProgramTitle();
};

void AboutTextTest::boxTextPerLanguage_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("termsBegin");
    QTest::newRow("German") << int(Language::German) << "Ringfeld  V1.1.1 für Linux und andere Qt-Plattformen."
                            << "Nutzungsbedingungen";
    QTest::newRow("French") << int(Language::French) << "Ringfeld  V1.1.1 pour Linux et d'autres plates-formes Qt."
                            << "Conditions d'utilisation";
    QTest::newRow("English") << int(Language::English) << "Ringfeld  V1.1.1 for Linux and other Qt platforms."
                             << "Terms of use";
}

void AboutTextTest::boxTextPerLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, firstLine);
    QFETCH(QString, termsBegin);

    const QStringList text = zeilen(InfoText(kFacts, Language(lang), NL));
    // Version and platform, legal notice with its blank, an empty line, the terms.
    QCOMPARE(text.size(), 4);
    QCOMPARE(text[0], firstLine);
    QCOMPARE(text[1], QString("Copyright (C) Kalvor "));
    QCOMPARE(text[2], QString());
    QVERIFY2(text[3].startsWith(termsBegin), qPrintable(text[3]));
    QVERIFY(text[3].size() > 150);
}

void AboutTextTest::termsDifferByLanguage() {
    const QString de = zeilen(InfoText(kFacts, Language::German, NL)).last();
    const QString fr = zeilen(InfoText(kFacts, Language::French, NL)).last();
    const QString en = zeilen(InfoText(kFacts, Language::English, NL)).last();
    QVERIFY(de != fr && fr != en && de != en);
    // The line break is the caller's.
    QCOMPARE(InfoText(kFacts, Language::English, "\n"), zeilen(InfoText(kFacts, Language::English, NL)).join("\n").toStdString());
}

void AboutTextTest::versionFromTheVersionRecord() {
    ProgramFacts facts = kFacts;
    facts.productName = "Loopcalc";
    facts.major = 2;
    facts.minor = 10;
    facts.revision = 0;
    facts.legalNotice = "(c) 2026 Someone";
    QCOMPARE(VersionsText(facts), std::string("Loopcalc  V2.10.0"));
    const QStringList text = zeilen(InfoText(facts, Language::German, NL));
    QCOMPARE(text[0], QString("Loopcalc  V2.10.0 für Linux und andere Qt-Plattformen."));
    QCOMPARE(text[1], QString("(c) 2026 Someone "));
}

void AboutTextTest::versionOfThisBuildIsTheProjectVersion() {
#ifdef RINGFELD_PROJECT_VERSION
    const ProgramFacts facts{"", "", version::kProductName, version::kMajor, version::kMinor, version::kRevision,
                             version::kLegalNotice};
    QCOMPARE(VersionsText(facts), std::string("Ringfeld  V" RINGFELD_PROJECT_VERSION));
#else
    QSKIP("the program's version record is not part of this build");
#endif
}

void AboutTextTest::noLanguageGivesTheVersionAlone() {
    QCOMPARE(InfoText(kFacts, Language::None, NL), std::string("Ringfeld  V1.1.1"));
    QCOMPARE(InfoText(kFacts, SpracheVon("Deutsch"), NL), std::string("Ringfeld  V1.1.1"));
}

void AboutTextTest::aboutBoxIsAnInformationUnderTheProgramTitle_data() {
    QTest::addColumn<QString>("sprache");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("German") << "deutsch" << " Ringfeld " << "Ringfeld  V1.1.1 für Linux und andere Qt-Plattformen.";
    QTest::newRow("English") << "englisch" << "Ringfeld" << "Ringfeld  V1.1.1 for Linux and other Qt platforms.";
    // A language the program does not know keeps the title it had.
    QTest::newRow("unknown") << "klingonisch" << "" << "Ringfeld  V1.1.1";
}

void AboutTextTest::aboutBoxIsAnInformationUnderTheProgramTitle() {
    QFETCH(QString, sprache);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);

    DesignRecord rec;
    rec.Sprache = sprache.toStdString();
    TitelSetzen(rec);
    ProbeDienste d;
    d.facts = kFacts;
    InfoAnzeigen(d, rec);

    QCOMPARE(int(d.boxes.size()), 1);
    QCOMPARE(d.boxes[0].icon, BoxIcon::Information);
    QCOMPARE(QString::fromStdString(d.boxes[0].title), title);
    QCOMPARE(zeilen(d.boxes[0].text).first(), firstLine);
}

QTEST_GUILESS_MAIN(AboutTextTest)
#include "about_text_test.moc"
