// The main window driven as a user drives it, with the desktop services
// recorded: no box ever blocks, and any box a test does not expect fails it.

#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "engine/loop_rechnen.h"
#include "coupling/frmAnkopplung.h"
#include "shell/HauptProgramm.h"
#include "shell/frmMain.h"
#include "shell/testing/pdf_page.h"
#include "shell/testing/recording_desktop_services.h"

using namespace ringfeld;

namespace {

QString u8(const std::string& s) { return QString::fromStdString(s); }

// A number as the window shows it: the point stands for the locale's separator.
QString dec(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return s;
}

QStringList entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingDesktopServices> dienste;
    std::unique_ptr<HauptProgramm> modul;

    frmMain& f() { return *modul->Hauptfenster(); }
    const Ui::frmMain& c() { return f().controls(); }
    QLabel* label(ResultLabel which) { return f().resultLabel(which); }

    // Starts the program afresh with this stored language (none: nothing stored).
    void starten(const char* stored = nullptr) {
        modul.reset();
        if (stored) dienste->settings[{"Settings", "Sprache"}] = stored;
        modul = std::make_unique<HauptProgramm>(*dienste);
        modul->Main();
        QVERIFY(modul->Hauptfenster());
    }

    // The one box the last step showed.
    Meldung eineMeldung() {
        auto boxes = dienste->takeBoxes();
        if (boxes.size() != 1) {
            QTest::qFail(qPrintable(QStringLiteral("expected one box, got %1").arg(boxes.size())), __FILE__, __LINE__);
            return {};
        }
        return boxes.front();
    }

    void alleBlank(bool mitLamda) {
        for (std::size_t i = 0; i < kResultLabelCount; ++i) {
            if (!mitLamda && static_cast<ResultLabel>(i) == ResultLabel::lbLamda) continue;
            QVERIFY2(f().resultLabel(static_cast<ResultLabel>(i))->text().isEmpty(), kResultLabelNames[i].data());
        }
    }

    void setInputs(const QStringList& texts) {  // Text1..Text9 in order, written like the program does
        QLineEdit* fields[] = {c().Text1, c().Text2, c().Text3, c().Text4, c().Text5,
                               c().Text6, c().Text7, c().Text8, c().Text9};
        for (int i = 0; i < texts.size(); ++i) fields[i]->setText(texts[i]);
    }

    void keinInfOderNaN() {
        const auto labels = f().findChildren<QLabel*>();
        for (QLabel* l : labels)
            QVERIFY2(!l->text().contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                         !l->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
                     qPrintable(l->objectName() + ": " + l->text()));
        const auto fields = f().findChildren<QLineEdit*>();
        for (QLineEdit* e : fields)
            QVERIFY2(!e->text().contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                         !e->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
                     qPrintable(e->objectName() + ": " + e->text()));
    }

private slots:
    void init() {
        dienste = std::make_unique<RecordingDesktopServices>();
        starten();
    }

    void cleanup() {
        if (dienste && !dienste->boxes.empty())
            QFAIL(qPrintable(QStringLiteral("unexpected box: ") + u8(dienste->boxes.front().text)));
        modul.reset();
        dienste.reset();
    }

    // ------------------------------------------------------------ start-up

    void startUpShowsStartValuesAndStates() {
        QVERIFY(f().isVisible());
        const QStringList start{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000"};
        QLineEdit* fields[] = {c().Text1, c().Text2, c().Text3, c().Text4, c().Text5,
                               c().Text6, c().Text7, c().Text8, c().Text9};
        for (int i = 0; i < 9; ++i) QCOMPARE(fields[i]->text(), start[i]);

        QVERIFY(c().Text8->isHidden());
        QVERIFY(!c().Text8->isEnabled());
        QVERIFY(c().Label36->isHidden());
        QVERIFY(c().Label37->isHidden());
        QVERIFY(c().Command1->isEnabled());
        QVERIFY(!c().Command2->isEnabled());
        QVERIFY(!c().Command3->isEnabled());
        alleBlank(true);
        for (QAction* a : f().findChildren<QAction*>()) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));

        QCOMPARE(entries(c().Combo1), (QStringList{"Kreis", "Quadrat"}));
        QCOMPARE(c().Combo1->currentText(), QStringLiteral("Kreis"));
        QCOMPARE(c().Combo2->currentText(), QStringLiteral("Cu"));
        QCOMPARE(f().windowTitle(), QStringLiteral("Kalvor   Ringfeld "));
        QCOMPARE(modul->Record().NL, std::string("\r\n"));
        QCOMPARE(modul->Record().Sprache, std::string("deutsch"));
        QCOMPARE(dienste->beeps, 0);
    }

    void everyControlNamesItselfForAccessibility() {
        int named = 0;
        for (QWidget* w : f().findChildren<QWidget*>()) {
            if (w->objectName().isEmpty()) continue;
            QCOMPARE(w->accessibleDescription(), w->objectName());
            ++named;
        }
        QVERIFY(named > 70);
        QCOMPARE(f().accessibleDescription(), QStringLiteral("frmMain"));
    }

    void startUpInEachLanguage_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label34");
        QTest::addColumn<QString>("circle");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("fehlerTitel");
        QTest::newRow("German") << "deutsch" << "Kalvor   Ringfeld " << "Berechnen:" << "Kreis" << "mnuDeutsch"
                                << " Fehler ";
        QTest::newRow("French") << "französisch" << "Kalvor  Ringfeld" << "Calculer:" << "circulaire"
                                << "mnuFranzösisch" << " Erreur ";
        QTest::newRow("English") << "englisch" << "Kalvor  Ringfeld" << "Calculate:" << "Circle" << "mnuEnglisch"
                                 << " Error ";
    }
    void startUpInEachLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, title);
        QFETCH(QString, label34);
        QFETCH(QString, circle);
        QFETCH(QString, checked);
        QFETCH(QString, fehlerTitel);
        starten(stored.toUtf8().constData());

        QCOMPARE(f().windowTitle(), title);
        QCOMPARE(c().Label34->text(), label34);
        QCOMPARE(c().Combo1->currentText(), circle);
        QCOMPARE(c().Combo1->count(), 2);
        QCOMPARE(c().Combo2->currentText(), QStringLiteral("Cu"));
        QCOMPARE(c().Combo2->count(), 6);
        for (QAction* a : {c().mnuDeutsch, c().mnuFranzösisch, c().mnuEnglisch})
            QCOMPARE(a->isChecked(), a->objectName() == checked);
        QCOMPARE(u8(modul->Record().FehlerTitel), fehlerTitel);
        QCOMPARE(c().Text1->text(), QStringLiteral("2,25"));  // start texts do not depend on the language
    }

    void unknownStoredLanguageKeepsDesignTextsAndIsWrittenBack() {
        starten("Deutsch");
        QCOMPARE(f().windowTitle(), QStringLiteral("Kalvor   Ringfeld"));
        QCOMPARE(c().Combo1->count(), 0);
        QCOMPARE(c().Combo2->count(), 0);
        QCOMPARE(c().mnuOpt->title(), QStringLiteral("&Otionen"));
        QVERIFY(c().mnuDeutsch->isChecked());
        QVERIFY(!c().mnuFranzösisch->isChecked() && !c().mnuEnglisch->isChecked());
        QVERIFY(modul->Record().FehlerTitel.empty());
        QCOMPARE(c().Text1->text(), QStringLiteral("2,25"));

        f().close();
        QCOMPARE(dienste->storedSetting("Settings", "Sprache"), std::optional<std::string>("Deutsch"));
    }

    void startUpFailureIsReportedAndStartUpGoesOn() {
        dienste->readFailure = "settings store unreadable";
        starten();
        const Meldung m = eineMeldung();
        QCOMPARE(m.text, std::string("settings store unreadable"));
        QCOMPARE(m.title, std::string(" Kalvor Ringfeld Error: "));
        QCOMPARE(m.icon, BoxIcon::Exclamation);
        QVERIFY(f().isVisible());  // the step after the failed one still runs

        // A title that a language already gave is kept.
        modul = std::make_unique<HauptProgramm>(*dienste);
        modul->Record().FehlerTitel = " Fehler ";
        modul->Main();
        QCOMPARE(eineMeldung().title, std::string(" Fehler "));
    }

    void couplingWindowFailureDuringStartUpIsReported() {
        dienste->readFailure.reset();
        modul = std::make_unique<HauptProgramm>(*dienste);
        modul->FensterVerbinden = [](frmMain& w) {
            w.frmAnkopplung = []() -> QWidget* { throw std::runtime_error("no coupling window"); };
        };
        modul->Main();
        const Meldung m = eineMeldung();
        QCOMPARE(m.text, std::string("no coupling window"));
        QCOMPARE(m.title, std::string(" Kalvor Ringfeld Error: "));
        QVERIFY(f().isVisible());
    }

    // ------------------------------------------------------------ settings

    void languageSurvivesTheNextStart() {
        QVERIFY(!dienste->storedSetting("Settings", "Sprache"));  // first run: nothing stored yet
        f().close();
        QCOMPARE(dienste->storedSetting("Settings", "Sprache"), std::optional<std::string>("deutsch"));

        starten();
        c().mnuFranzösisch->trigger();
        QCOMPARE(dienste->storedSetting("Settings", "Sprache"),
                 std::optional<std::string>("deutsch"));  // only written at closing
        f().close();
        QCOMPARE(dienste->storedSetting("Settings", "Sprache"), std::optional<std::string>("französisch"));

        starten();
        QCOMPARE(c().Label34->text(), QStringLiteral("Calculer:"));
        QVERIFY(c().mnuFranzösisch->isChecked());
    }

    // With nothing stored the desktop's language decides; a stored one, valid or not, wins.
    void startLanguage_data() {
        QTest::addColumn<QString>("stored");  // empty: nothing stored
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sprache");
        QTest::newRow("German desktop") << "" << "de_AT" << "deutsch";
        QTest::newRow("French desktop") << "" << "fr-CA" << "französisch";
        QTest::newRow("English desktop") << "" << "en_GB.UTF-8" << "englisch";
        QTest::newRow("Italian desktop") << "" << "it-IT" << "englisch";
        QTest::newRow("Lower Sorbian is not German") << "" << "dsb-DE" << "englisch";
        QTest::newRow("C locale") << "" << "C" << "englisch";
        QTest::newRow("stored wins") << "englisch" << "fr_FR" << "englisch";
        QTest::newRow("unknown stored wins") << "Deutsch" << "fr_FR" << "Deutsch";
    }
    void startLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, sprache);
        dienste->locale = locale.toStdString();
        const std::string gespeichert = stored.toStdString();
        starten(stored.isEmpty() ? nullptr : gespeichert.c_str());
        QCOMPARE(QString::fromStdString(modul->Record().Sprache), sprache);
    }

    void unwritableStoreDoesNotKeepTheWindowOpen() {
        dienste->settingsUnwritable = true;
        f().close();
        QVERIFY(!f().isVisible());
        QVERIFY(!dienste->storedSetting("Settings", "Sprache"));
    }

    void closingClosesTheOtherWindowsAndExitEndsTheProgram() {
        int closed = 0;
        struct Other : QWidget {
            int* count;
            explicit Other(int* c) : count(c) {}
            void closeEvent(QCloseEvent* e) override {
                ++*count;
                QWidget::closeEvent(e);
            }
        };
        Other hidden(&closed);  // like the coupling window before it is shown
        Other shown(&closed);
        shown.show();

        c().mnuAktEnde->trigger();
        QCOMPARE(closed, 2);
        QVERIFY(!shown.isVisible());
        QVERIFY(!f().isVisible());
        QCOMPARE(dienste->endRequests, 1);
        QCOMPARE(dienste->storedSetting("Settings", "Sprache"), std::optional<std::string>("deutsch"));
    }

    // ------------------------------------------------------------ language switch

    void choosingTheCurrentLanguageChangesNothing() {
        c().mnuFranzösisch->trigger();
        QTest::keyClick(c().Combo1, Qt::Key_Down);
        QCOMPARE(c().Combo1->currentText(), QStringLiteral("carrée"));

        c().mnuFranzösisch->trigger();
        QCOMPARE(c().Combo1->currentText(), QStringLiteral("carrée"));  // no reset
        QVERIFY(c().mnuFranzösisch->isChecked());  // the click does not take the mark away
        QVERIFY(!c().mnuDeutsch->isChecked());
    }

    void backToGermanGivesTheGermanStartTexts() {
        const QString menu = c().mnuAktAnkopplung->text(), frame = c().Frame2->title(), tip = c().Text8->toolTip();
        c().mnuFranzösisch->trigger();
        QVERIFY(c().Frame2->title() != frame);
        c().mnuDeutsch->trigger();
        QCOMPARE(c().mnuAktAnkopplung->text(), menu);
        QCOMPARE(c().Frame2->title(), frame);
        QCOMPARE(c().Text8->toolTip(), tip);
        QCOMPARE(f().windowTitle(), QStringLiteral("Kalvor   Ringfeld "));
        QCOMPARE(c().Combo1->count(), 2);
        QCOMPARE(modul->Record().ProgrammTitel, std::string(" Ringfeld "));
    }

    // ------------------------------------------------------------ key filters

    void numericFieldsTakeOnlyDigitsAndSeparators_data() {
        QTest::addColumn<QString>("field");
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"})
            QTest::newRow(name) << name;
    }
    void numericFieldsTakeOnlyDigitsAndSeparators() {
        QFETCH(QString, field);
        auto* e = f().findChild<QLineEdit*>(field);
        QVERIFY(e);
        e->setVisible(true);
        e->setEnabled(true);
        e->setText(QString());
        QTest::keyClicks(e, QStringLiteral("a1-2 e,x.3+"));
        QCOMPARE(e->text(), QStringLiteral("12,.3"));
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("12,."));
        QTest::keyClick(e, Qt::Key_Home);
        // Keys that type no character still work; X reports Delete with the text DEL.
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
        QCOMPARE(e->text(), QStringLiteral("2,."));
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);  // a control character is discarded as well
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(e->text(), QStringLiteral("2,."));
        dienste->takeBoxes();  // side effects of the fields are not the subject here
    }

    void text9TakesEveryCharacter() {
        c().Text9->setText(QString());
        QTest::keyClicks(c().Text9, QStringLiteral("a1,b"));
        QCOMPARE(c().Text9->text(), QStringLiteral("a1,b"));
    }

    void listsTakeOnlyTheArrowKeys() {
        const QString label1 = c().Label1->text();
        QTest::keyClicks(c().Combo1, QStringLiteral("Quadrat"));
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_PageUp, Qt::Key_F4, Qt::Key_Backspace})
            QTest::keyClick(c().Combo1, key);
        QCOMPARE(c().Combo1->currentText(), QStringLiteral("Kreis"));
        QCOMPARE(c().Label1->text(), label1);  // no shape switch ran
        QVERIFY(c().Combo1->isEditable());

        QTest::keyClick(c().Combo1, Qt::Key_Up);  // already at the top: nothing is picked
        QCOMPARE(c().Label1->text(), label1);
        QTest::keyClick(c().Combo1, Qt::Key_Down);
        QCOMPARE(c().Combo1->currentText(), QStringLiteral("Quadrat"));
        QCOMPARE(c().Label1->text(), QStringLiteral("Seitenlänge:"));
        QCOMPARE(c().Text1->text(), dec("1.767"));
        QTest::keyClick(c().Combo1, Qt::Key_Up);
        QCOMPARE(c().Label1->text(), QStringLiteral("Durchmesser:"));
        QCOMPARE(c().Text1->text(), dec("2.25"));

        QTest::keyClicks(c().Combo2, QStringLiteral("Fe"));
        QCOMPARE(c().Combo2->currentText(), QStringLiteral("Cu"));
        QTest::keyClick(c().Combo2, Qt::Key_Down);
        QCOMPARE(c().Combo2->currentText(), QStringLiteral("Al"));
        QCOMPARE(c().Text1->text(), dec("2.25"));  // the material triggers nothing
    }

    void pickingTheShapeWithTheMouseRunsTheShapeSwitch() {
        // The list's pick signal, as a mouse pick in the open list sends it.
        c().Combo1->setCurrentIndex(1);
        QCOMPARE(c().Text1->text(), QStringLiteral("2,25"));  // setting the list from code runs nothing
        emit c().Combo1->activated(1);
        QCOMPARE(c().Label1->text(), QStringLiteral("Seitenlänge:"));
        QCOMPARE(c().Text1->text(), dec("1.767"));
        QCOMPARE(modul->Record().Umfang, 7.069);
    }

    void menuShortcutsWorkInsideTheFields() {
        int shown = 0;
        f().AnkopplungZeigen = [&shown] { ++shown; };
        f().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f()));
        c().Text5->setFocus();
        QTest::keyClick(c().Text5, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(c().Command2->isEnabled());  // the calculation ran
        QVERIFY(!c().Command3->isEnabled());  // as from the menu, not the button
        c().Text9->setFocus();
        QTest::keyClick(c().Text9, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(shown, 1);
        QCOMPARE(c().Text9->selectedText(), QString());  // not "select all"
    }

    void tabLeavesTheFieldsAndLists() {
        f().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f()));
        c().Text3->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c().Combo1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c().Combo2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c().Text4));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the hidden coil length is skipped
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c().Text5));
    }

    // ------------------------------------------------------------ diameter and circumference

    void diameterAndCircumferenceFollowEachOther() {
        c().Command1->click();
        QVERIFY(c().Command2->isEnabled());

        c().Text1->setText(QString());
        QTest::keyClicks(c().Text1, QStringLiteral("1"));
        QCOMPARE(c().Text2->text(), dec("3.142"));
        QCOMPARE(modul->Record().Umfang, 3.14159265358979);
        QVERIFY(!c().Command2->isEnabled());

        c().Command1->click();
        QVERIFY(c().Command2->isEnabled());
        c().Text2->setText(QString());
        QTest::keyClicks(c().Text2, QStringLiteral("7,069"));
        QCOMPARE(c().Text1->text(), dec("2.25"));
        QVERIFY(!c().Command2->isEnabled());

        QTest::keyClick(c().Combo1, Qt::Key_Down);  // square
        c().Text1->setText(QString());
        QTest::keyClicks(c().Text1, QStringLiteral("2"));
        QCOMPARE(c().Text2->text(), dec("8.0"));
        c().Text2->setText(QStringLiteral("6"));
        QTest::keyRelease(c().Text2, Qt::Key_Shift);  // any key released counts
        QCOMPARE(c().Text1->text(), dec("1.5"));
    }

    void textChangesWithoutKeysDoNotSync() {
        c().Text1->setText(QStringLiteral("5"));  // pasted, not typed
        QCOMPARE(c().Text2->text(), QStringLiteral("7,069"));
    }

    // ------------------------------------------------------------ coil length

    void coilLengthFollowsTurnsAndConductor() {
        setInputs({"", "", "12", "3", "", "", "", "12"});
        // Text4 "3" raised the length written before it; write the case's length again.
        c().Text8->setText(QStringLiteral("12"));
        c().Text4->setText(QStringLiteral("1"));
        c().Text4->setText(QStringLiteral("3"));
        QCOMPARE(c().Text8->text(), dec("25.0"));
        QVERIFY(c().Text8->isVisibleTo(&f()) && c().Text8->isEnabled());
        QVERIFY(c().Label36->isVisibleTo(&f()) && c().Label37->isVisibleTo(&f()));

        c().Text4->setText(QStringLiteral("1"));
        QCOMPARE(c().Text8->text(), dec("12.0"));
        QVERIFY(c().Text8->isHidden() && !c().Text8->isEnabled());
        QVERIFY(c().Label36->isHidden() && c().Label37->isHidden());

        c().Text4->setText(QStringLiteral("3"));
        c().Text8->setText(QStringLiteral("25"));
        c().Text3->setText(QStringLiteral("20"));
        QCOMPARE(c().Text8->text(), dec("41.0"));
        c().Text3->setText(QStringLiteral("12"));
        QCOMPARE(c().Text8->text(), dec("41.0"));  // never lowered

        c().Text4->setText(QStringLiteral("1,5"));
        c().Text8->setText(QStringLiteral("12"));
        c().Text3->setText(QStringLiteral("12,0"));
        QCOMPARE(c().Text8->text(), QStringLiteral("12"));
        QVERIFY(!c().Text8->isHidden());
    }

    void typingTheTurnsPassesThroughOne() {
        c().Text4->setText(QString());
        c().Text8->setText(QStringLiteral("200"));
        QTest::keyClicks(c().Text4, QStringLiteral("12"));
        QCOMPARE(c().Text8->text(), dec("133.0"));  // "1" set it to 12, "12" raised it to 11 * 12 + 1
    }

    void turnsChangeTurnsTheCouplingButtonOff() {
        c().Command1->click();
        QVERIFY(c().Command2->isEnabled());
        c().Text3->setText(QStringLiteral("10"));
        QVERIFY(c().Command2->isEnabled());  // the conductor alone leaves it
        c().Text4->setText(QStringLiteral("2"));
        QVERIFY(!c().Command2->isEnabled());
    }

    // ------------------------------------------------------------ calculation endings

    void successfulCalculationFillsEveryLabel() {
        c().Command1->click();
        QVERIFY(dienste->boxes.empty());
        QCOMPARE(dienste->beeps, 0);
        QVERIFY(c().Command2->isEnabled());
        QVERIFY(c().Command3->isEnabled());

        // Each label shows what the engine gives for that label.
        DesignRecord rec;
        rec.Sprache = "deutsch";
        LoopEingaben e{"2,25", "7,069", "12", "1", "14,4", "100", "0,05", "12", "10000", "Kreis", "Cu"};
        const auto erwartet = AngezeigteTexte(ringfeld::LoopRechnen(e, rec, QLocale::system().decimalPoint().toStdString()));
        for (std::size_t i = 0; i < kResultLabelCount; ++i) {
            QVERIFY2(!erwartet[i].empty(), kResultLabelNames[i].data());
            QCOMPARE(f().resultLabel(static_cast<ResultLabel>(i))->text(), u8(erwartet[i]));
        }
        QVERIFY(label(ResultLabel::lbC)->toolTip().startsWith(QStringLiteral(" Schwingkreiskondensator ")));
        QVERIFY(label(ResultLabel::lbC)->toolTip().endsWith(QStringLiteral(" pF ")));
        QCOMPARE(modul->Record().Guete, rec.Guete);
    }

    void refusedInputBlanksTheResults() {
        c().Command1->click();
        const QString lamda = label(ResultLabel::lbLamda)->text();
        c().Text1->setText(QString());
        c().Command1->click();
        const Meldung m = eineMeldung();
        QCOMPARE(m.title, std::string(" Fehler "));
        QCOMPARE(m.icon, BoxIcon::Exclamation);
        QCOMPARE(m.text, std::string("Unreale Werte!\r\noder unvollständige Eingabe!"));
        QCOMPARE(dienste->beeps, 1);
        alleBlank(false);
        QCOMPARE(label(ResultLabel::lbLamda)->text(), lamda);
        QVERIFY(!c().Command2->isEnabled());
        QVERIFY(c().Command3->isEnabled());  // the button enables printing even after a refusal
    }

    void tooLongAConductorShowsOnlyTheLength() {
        c().Command1->click();
        c().Text5->setText(QStringLiteral("17,4"));
        c().Command1->click();
        const Meldung m = eineMeldung();
        QCOMPARE(m.icon, BoxIcon::Information);
        QCOMPARE(m.title, std::string(" Ringfeld "));
        QCOMPARE(label(ResultLabel::lbLamda)->text(), dec("0.41"));
        alleBlank(false);
        QVERIFY(!c().Command2->isEnabled());
    }

    void faultWritesTheLabelsUpToIt() {
        c().Text9->setText(QStringLiteral("0"));
        c().Command1->click();
        const Meldung m = eineMeldung();
        QCOMPARE(m.icon, BoxIcon::Exclamation);
        QCOMPARE(m.title, std::string(" Fehler "));
        QVERIFY(!m.text.empty());
        QVERIFY(!label(ResultLabel::lbRr)->text().isEmpty());
        QVERIFY(!label(ResultLabel::lbRv)->text().isEmpty());
        QVERIFY(label(ResultLabel::lbEta)->text().isEmpty());
        QVERIFY(!c().Command2->isEnabled());

        // After a full calculation, the labels past the fault keep the earlier values.
        c().Text9->setText(QStringLiteral("10000"));
        c().Command1->click();
        const QString rr = label(ResultLabel::lbRr)->text(), eta = label(ResultLabel::lbEta)->text();
        c().Text5->setText(QStringLiteral("7,1"));
        c().Text9->setText(QStringLiteral("0"));
        c().Command1->click();
        eineMeldung();
        QVERIFY(label(ResultLabel::lbRr)->text() != rr);
        QCOMPARE(label(ResultLabel::lbEta)->text(), eta);
        QVERIFY(c().Command2->isEnabled());  // unchanged by the fault
    }

    void menuCalculationLeavesThePrintButton() {
        c().mnuAktRechnen->trigger();
        QVERIFY(c().Command2->isEnabled());
        QVERIFY(!c().Command3->isEnabled());
        c().Text1->setText(QString());
        c().Command1->click();
        eineMeldung();
        QVERIFY(c().Command3->isEnabled());
        c().mnuAktRechnen->trigger();
        eineMeldung();
        QVERIFY(c().Command3->isEnabled());  // never disabled again
    }

    void couplingCommandsCallTheCouplingWindow() {
        int shown = 0;
        f().AnkopplungZeigen = [&shown] { ++shown; };
        c().mnuAktAnkopplung->trigger();  // also while the button is disabled
        QCOMPARE(shown, 1);
        c().Command1->click();
        c().Command2->click();
        QCOMPARE(shown, 2);
    }

    void helpMenuOpensTheDocumentOfTheLanguage() {
        const std::string dokument = dienste->facts.folder + "/Ringfeld_Help.pdf";
        dienste->existingFiles = {dokument};
        c().mnuQuesHelp->trigger();
        QVERIFY(dienste->opened.empty());  // German: the German document, which is missing
        const Meldung fehlt = eineMeldung();
        QCOMPARE(fehlt.title, std::string(" Datei nicht gefunden "));
        QCOMPARE(fehlt.icon, BoxIcon::Stop);

        c().mnuEnglisch->trigger();
        c().mnuQuesHelp->trigger();
        QCOMPARE(dienste->opened, std::vector<std::string>{dokument});
    }

    void aboutBoxNamesTheVersion() {
        c().mnuEnglisch->trigger();
        c().mnuQuesInfo->trigger();
        const Meldung m = eineMeldung();
        QCOMPARE(m.icon, BoxIcon::Information);
        QCOMPARE(m.title, std::string("Ringfeld"));
        QVERIFY2(m.text.rfind("Ringfeld  V1.1.1", 0) == 0, m.text.c_str());
    }

    // ------------------------------------------------------------ printing

    void printShowsTheHeadingInPlaceOfTheButtons_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("failure");
        QTest::newRow("German") << "deutsch" << "Kalvor  Ringfeld : Loop " << "Berechnen:"
                                << "Das Formular kann nicht gedruckt werden.";
        QTest::newRow("French") << "französisch" << "Kalvor  Ringfeld: Loop" << "Calculer:"
                                << "Ce formulaire ne peut pas être imprimé";
        QTest::newRow("English") << "englisch" << "Kalvor  Ringfeld: Loop" << "Calculate:"
                                 << "The form cannot be printed.";
        QTest::newRow("unknown") << "Deutsch" << "" << "" << "";
    }
    void printShowsTheHeadingInPlaceOfTheButtons() {
        QFETCH(QString, sprache);
        QFETCH(QString, heading);
        QFETCH(QString, after);
        QFETCH(QString, failure);
        starten(sprache.toUtf8().constData());

        QString printedHeading;
        bool buttonsHidden = false;
        int eventsBefore = -1;
        bool printerWorks = true;
        bool clientArea = false;
        dienste->printer = [&](QWidget& area) {
            printedHeading = c().Label34->text();
            buttonsHidden = c().Command1->isHidden() && c().Command2->isHidden() && c().Command3->isHidden();
            eventsBefore = dienste->eventProcessing;
            clientArea = area.isAncestorOf(c().Frame1) && !area.isAncestorOf(c().menubar) && area.isAncestorOf(c().Frame2);
            return printerWorks;
        };

        c().mnuDruck->trigger();  // the menu prints while the button is disabled
        QCOMPARE(dienste->prints.size(), std::size_t(1));
        QCOMPARE(dienste->prints.front(), f().centralWidget());
        QCOMPARE(printedHeading, heading);
        QVERIFY(buttonsHidden);
        QVERIFY(clientArea);  // inputs and results, not the menu bar
        QCOMPARE(eventsBefore, 1);  // the window was redrawn before it went to paper
        QVERIFY(!c().Command1->isHidden() && !c().Command2->isHidden() && !c().Command3->isHidden());
        QCOMPARE(c().Label34->text(), after);
        QVERIFY(!c().Command3->isEnabled());
        QVERIFY(c().Command1->isEnabled());

        printerWorks = false;
        c().mnuDruck->trigger();
        const Meldung m = eineMeldung();
        QCOMPARE(u8(m.text), failure);
        QCOMPARE(m.title, std::string());  // the application title shows
        QCOMPARE(m.icon, BoxIcon::None);
        QVERIFY(!c().Command1->isHidden() && !c().Command2->isHidden() && !c().Command3->isHidden());
        QCOMPARE(c().Label34->text(), after);
    }

    void printButtonPrintsOnceEnabled() {
        c().Command3->click();
        QVERIFY(dienste->prints.empty());  // disabled after start-up
        c().Command1->click();
        c().Command3->click();
        QCOMPARE(dienste->prints.size(), std::size_t(1));
        QVERIFY(c().Command3->isEnabled());
    }

    // ------------------------------------------------------------ absurd texts

    // Overflowing texts in the synchronised fields: robustness_test.cpp.

    void absurdTextInAnyFieldEndsInOneBox_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 9; ++i) QTest::addRow("Text%d", i + 1) << i;
    }
    void absurdTextInAnyFieldEndsInOneBox() {
        QFETCH(int, index);
        QLineEdit* fields[] = {c().Text1, c().Text2, c().Text3, c().Text4, c().Text5,
                               c().Text6, c().Text7, c().Text8, c().Text9};
        c().Command1->click();
        fields[index]->setText(QStringLiteral("1e999"));
        c().Command1->click();
        QCOMPARE(dienste->takeBoxes().size(), std::size_t(1));
        keinInfOderNaN();
        fields[index]->setText(QStringLiteral("-1e300"));
        c().Command1->click();
        dienste->takeBoxes();
        keinInfOderNaN();
    }

    // ------------------------------------------------------------ mends

    void capacitanceRefusalBlanksTheEarlierDesignsResults() {
        // Circle, Cu, D = 1 m, three turns of 10 mm in 60 mm: at 7.1 MHz C exceeds CL, at
        // 7.3 MHz C = 27.37 pF lies below CL = 27.93 pF (the design's worked example);
        // k = 3 x 3.1416 m / (300 / 7.3 m) = 0.2293.
        setInputs({"1", "3,1416", "10", "3", "7,1", "100", "0,05", "60", "10000"});
        c().Command1->click();
        QVERIFY(dienste->boxes.empty() && c().Command2->isEnabled());
        c().Text5->setText(QStringLiteral("7,3"));
        c().Command1->click();
        QVERIFY(eineMeldung().text.find("(Länge) zu vergrößern.") != std::string::npos);
        QStringList shown;
        for (ResultLabel l : {ResultLabel::lbLamda, ResultLabel::lbInduktivitaet, ResultLabel::lbC, ResultLabel::lbCL})
            shown << label(l)->text();
        QCOMPARE(shown.join(' '), dec("0.2293 17.369 27.4 27.9"));
        for (ResultLabel l : {ResultLabel::lbRr, ResultLabel::lbRv, ResultLabel::lbEta, ResultLabel::lbGewinn,
                              ResultLabel::lbKu, ResultLabel::lbB, ResultLabel::lbUc})
            QVERIFY2(label(l)->text().isEmpty(), kResultLabelNames[static_cast<std::size_t>(l)].data());
        QVERIFY(!c().Command2->isEnabled());
    }

    void languageSwitchKeepsTheChosenEntries() {
        c().Command1->click();
        c().Command2->click();  // the coupling window, its site list at the first entry
        auto* site = f().frmAnkopplung()->findChild<QComboBox*>(QStringLiteral("Combo1"));
        QTest::keyClick(site, Qt::Key_Down);
        QTest::keyClick(c().Combo1, Qt::Key_Down);  // Quadrat
        QTest::keyClick(c().Combo2, Qt::Key_Down);  // Al
        const QString text1 = c().Text1->text(), lbC = label(ResultLabel::lbC)->text();

        c().mnuEnglisch->trigger();
        QCOMPARE(c().Combo1->currentText() + " | " + c().Combo2->currentText() + " | " + site->currentText(),
                 QStringLiteral("Square | Al | * conservatory balcony,garden,but not very high"));
        QCOMPARE(entries(c().Combo1), (QStringList{"Circle", "Square"}));
        QCOMPARE(c().Combo2->count(), 6);
        QCOMPARE(c().Label1->text(), QStringLiteral("Side-length:"));  // as the shape switch words it
        QCOMPARE(c().Text1->text() + label(ResultLabel::lbC)->text(), text1 + lbC);
        QVERIFY(c().mnuEnglisch->isChecked() && !c().mnuDeutsch->isChecked());
    }

    void calculatingRefreshesAnOpenCouplingWindow() {
        c().Command1->click();
        c().Command2->click();
        auto& k = static_cast<frmAnkopplung&>(*f().frmAnkopplung());
        k.controls().Command1->click();
        QVERIFY(!k.controls().Label2->text().isEmpty() && k.controls().Command3->isEnabled());
        k.controls().Text1->setText(QStringLiteral("7"));

        // 1 Ohm in parallel to a loop of some kiloohms at resonance: about 1 Ohm.
        c().Text9->setText(QStringLiteral("0,001"));
        c().Command1->click();
        QCOMPARE(k.controls().Label11->text() + ' ' + k.controls().Label12->text(), dec("1.0 Ohm"));
        QCOMPARE(k.controls().Label2->text() + k.controls().Label4->text(), QString());
        QVERIFY(!k.controls().Command3->isEnabled());
        QCOMPARE(k.controls().Text1->text(), QStringLiteral("4,05"));
    }

    void printedPageHoldsTheResultsAsText() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("loop.pdf"));
        dienste->printer = printToPdf(pdf);  // whatever printers this machine has
        c().Command1->click();
        c().Text1->setFocus();
        c().Text1->selectAll();
        c().Command3->click();
        const QString page = pdfText(pdf);
        if (page.isNull()) QSKIP("pdftotext (poppler-utils) is missing: the printed page is not read");
        QVERIFY2(page.contains(QStringLiteral("Ringfeld : Loop")), qPrintable(page));  // the heading
        for (std::size_t i = 0; i < kResultLabelCount; ++i)
            QVERIFY2(page.contains(f().resultLabel(static_cast<ResultLabel>(i))->text()), kResultLabelNames[i].data());
        QCOMPARE(c().Text1->selectedText(), c().Text1->text());  // the selection is back on screen
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
