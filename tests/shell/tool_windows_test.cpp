// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
//
// What every tool window does as one, checked once for each in a table: opened
// from the main window's menu, every widget is found by its layout name; the
// language of the main window's menu reaches its captions and its own texts;
// an input and the window's place are in the settings store once it is closed,
// and come back when the program starts again, also after the program ended
// with the window open. Where a window first opens, for screens of several sizes
// and a main window at either side or in the middle.

#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/HauptProgramm.h"
#include "forms/placement.h"
#include "forms/tool_window.h"
#include "main/frmMain.h"
#include "testing/recording_desktop_services.h"

using namespace ringfeld;

namespace {

struct Fenster {
    const char* name;       // the window's objectName
    const char* menue;      // its entry in the main window's menu
    const char* titelFr;    // its title in French
    const char* eigenes;    // a text the window writes itself, not the caption table
    const char* eigenesFr;  // ... in French
    const char* gruppe;     // its group in the settings store
    // An input chosen before the window is closed: its key and text in the store.
    const char *feld, *text, *schluessel, *gespeichert;
    // Another input, changed before the program ends with the window open.
    const char *zweitesFeld, *zweiterText;
};
constexpr Fenster kFenster[] = {
    {"frmAbstimmbereich", "mnuAktAbstimmbereich", "Plage d'accord", "cboBand", "plage libre", "Abstimmbereich",
     "cboBand", "80 m", "Band", "2", "txtGuete", "500"},
    {"frmSicherheitsabstand", "mnuAktSicherheit", "Distance de sécurité", "cboPersonen", "public", "Sicherheitsabstand",
     "cboNorm", "FCC", "standard", "fcc", "txtFaktor", "0.4"},
    {"frmFinder", "mnuAktFinder", "Trouver une boucle", "chkKreis", "circulaire", "Finder", "txtGroesseBis", "1.5",
     "size_max", "1.5", "txtLeiter", "8, 10"},
};

// A list's first entry, a button's caption or a field's text.
QString text(QWidget* w) {
    if (auto* liste = qobject_cast<QComboBox*>(w)) return liste->itemText(0);
    if (auto* knopf = qobject_cast<QAbstractButton*>(w)) return knopf->text();
    if (auto* feld = qobject_cast<QLineEdit*>(w)) return feld->text();
    return {};
}

}  // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT

    RecordingDesktopServices dienste;
    std::unique_ptr<HauptProgramm> modul;

    template <typename T = QWidget>
    static T* in(QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromUtf8(name));
    }
    // The program started, the window opened from its menu entry.
    QWidget* oeffnen(const Fenster& f) {
        modul = std::make_unique<HauptProgramm>(dienste);
        modul->Main();
        in<QAction>(modul->Hauptfenster(), f.menue)->trigger();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(f.name) && top->isVisible()) return top;
        return nullptr;
    }
    static void waehlen(QWidget* w, const char* feld, const char* wert) {
        if (auto* liste = in<QComboBox>(w, feld))
            liste->setCurrentIndex(liste->findText(QString::fromUtf8(wert)));
        else
            in<QLineEdit>(w, feld)->setText(QString::fromUtf8(wert));
    }
    static QString gewaehlt(QWidget* w, const char* feld) {
        if (auto* liste = in<QComboBox>(w, feld)) return liste->currentText();
        return in<QLineEdit>(w, feld)->text();
    }

private slots:
    // A tool window of 1180 x 900 that may narrow to 700 x 600, beside a main window
    // of 440 x 470 whose inputs take 300 x 200 from 10 x 30 within it.
    void placement_data() {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("main");
        QTest::addColumn<int>("least");  // the tool window's least width
        QTest::addColumn<QRect>("placed");
        const QRect fhd(0, 0, 1920, 1080), small(0, 0, 1366, 768);
        QTest::newRow("1920: room right") << QList{fhd} << QPoint(0, 0) << 700 << QRect(440, 0, 1180, 900);
        QTest::newRow("1920: room left") << QList{fhd} << QPoint(1480, 100) << 700 << QRect(300, 100, 1180, 900);
        QTest::newRow("1920, centre: narrowed, kept on the screen")
            << QList{fhd} << QPoint(740, 300) << 700 << QRect(1180, 180, 740, 900);
        QTest::newRow("1366: narrowed beside") << QList{small} << QPoint(0, 0) << 700 << QRect(440, 0, 926, 768);
        QTest::newRow("1366: too wide, the inputs free")
            << QList{small} << QPoint(0, 0) << 1000 << QRect(366, 0, 1000, 768);
        QTest::newRow("1366, centre: least over the inputs")
            << QList{small} << QPoint(463, 100) << 700 << QRect(666, 0, 700, 768);
        QTest::newRow("1366, centre: on the second screen")
            << QList{small, QRect(1366, 0, 1920, 1080)} << QPoint(463, 100) << 700 << QRect(1366, 100, 1180, 900);
    }
    void placement() {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, main);
        QFETCH(int, least);
        QFETCH(QRect, placed);
        const PlacementInput in{{screens.begin(), screens.end()},
                                QRect(main, QSize(440, 470)),
                                QRect(main + QPoint(10, 30), QSize(300, 200)),
                                QSize(1180, 900),
                                QSize(least, 600)};
        QCOMPARE(PlaceToolWindow(in), placed);
    }

    void initTestCase() {
        dienste.settings[{"Settings", "Sprache"}] = "englisch";
        if (QGuiApplication::primaryScreen()->size() != QSize(1366, 768)) QSKIP("needs the 1366 x 768 screen");
    }

    void namesLanguageAndKept_data() {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < static_cast<int>(std::size(kFenster)); ++i) QTest::newRow(kFenster[i].name) << i;
    }
    void namesLanguageAndKept() {
        QFETCH(int, zeile);
        const Fenster& f = kFenster[zeile];
        QTemporaryDir config;  // a store of its own
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

        QWidget* w = oeffnen(f);
        QVERIFY(w);
        QList<QWidget*> alle = w->findChildren<QWidget*>();
        alle << w;
        for (QWidget* c : alle) QCOMPARE(c->accessibleDescription(), c->objectName());

        // Both steps of the language: the caption table's rows and the window's own texts.
        in<QAction>(modul->Hauptfenster(), "mnuFranzösisch")->trigger();
        QCOMPARE(w->windowTitle(), QString::fromUtf8(f.titelFr));
        QCOMPARE(text(in(w, f.eigenes)), QString::fromUtf8(f.eigenesFr));
        in<QAction>(modul->Hauptfenster(), "mnuEnglisch")->trigger();

        // Closed: the input and the place are in the store at once, and come back.
        waehlen(w, f.feld, f.text);
        w->setGeometry(QRect(QPoint(40, 50), w->size() - QSize(20, 60)));  // within the screen
        const QRect verlassen = w->geometry();
        w->close();
        QCOMPARE(ReadKeptTexts(f.gruppe)[f.schluessel], std::string(f.gespeichert));
        modul.reset();
        w = oeffnen(f);
        QVERIFY(w);
        QCOMPARE(gewaehlt(w, f.feld), QString::fromUtf8(f.text));
        QCOMPARE(w->geometry(), verlassen);

        // The program ended with the window open: what it showed comes back.
        waehlen(w, f.zweitesFeld, f.zweiterText);
        modul.reset();
        w = oeffnen(f);
        QVERIFY(w);
        QCOMPARE(gewaehlt(w, f.feld), QString::fromUtf8(f.text));
        QCOMPARE(gewaehlt(w, f.zweitesFeld), QString::fromUtf8(f.zweiterText));
        modul.reset();
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
