// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// The About text: version line with platform, legal notice, terms of use.

#include <QtTest>

#include "app/about_text.h"
#include "text/language.h"

using namespace ringfeld;

class AboutTextTest : public QObject {
    Q_OBJECT

private slots:
    void boxTextPerLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("text");
        QTest::newRow("German")
            << int(Language::German)
            << "Loopcalc  V2.10.0 für Linux und andere Qt-Plattformen.|(c) Someone ||Nutzungsbedingungen";
        QTest::newRow("French")
            << int(Language::French)
            << "Loopcalc  V2.10.0 pour Linux et d'autres plates-formes Qt.|(c) Someone ||Conditions d'utilisation";
        QTest::newRow("English") << int(Language::English)
                                 << "Loopcalc  V2.10.0 for Linux and other Qt platforms.|(c) Someone ||Terms of use";
        QTest::newRow("none") << int(Language::None) << "Loopcalc  V2.10.0";
    }
    void boxTextPerLanguage() {
        QFETCH(int, lang);
        QFETCH(QString, text);
        const ProgramFacts facts{"/usr/bin", "Ringfeld", "Loopcalc", 2, 10, 0, "(c) Someone"};
        // Version and platform, the legal notice with a blank after it, an empty line, the terms.
        const QString shown = QString::fromStdString(InfoText(facts, Language(lang), "\r\n")).replace("\r\n", "|");
        QVERIFY2(shown.startsWith(text) && (lang == int(Language::None) ? shown == text : shown.size() > 200),
                 qPrintable(shown));
    }
};

QTEST_GUILESS_MAIN(AboutTextTest)
#include "about_text_test.moc"
