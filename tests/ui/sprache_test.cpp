// The language routine on both windows: the texts of each language, the lists,
// check marks and titles, and what it leaves alone.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "ui/sprach_texte.h"
#include "windows_fixture.h"

namespace {

// Every text a user can see in one window, keyed by control: the snapshot
// that must not depend on the way a language was reached.
QMap<QString, QString> snapshot(QWidget* window) {
    QMap<QString, QString> out;
    out["#title"] = window->windowTitle();
    QList<QObject*> objects = window->findChildren<QObject*>();
    for (QObject* o : objects) {
        const QString n = o->objectName();
        if (n.isEmpty()) continue;
        if (auto* a = qobject_cast<QAction*>(o))
            out[n] = a->text() + "|" + (a->isChecked() ? "checked" : "");
        else if (auto* m = qobject_cast<QMenu*>(o))
            out[n] = m->title();
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            out[n] = g->title() + "|" + g->toolTip();
        else if (auto* b = qobject_cast<QPushButton*>(o))
            out[n] = b->text() + "|" + b->toolTip();
        else if (auto* l = qobject_cast<QLabel*>(o))
            out[n] = l->text() + "|" + l->toolTip();
        else if (auto* e = qobject_cast<QLineEdit*>(o))
            out[n] = e->text() + "|" + e->toolTip();
        else if (auto* c = qobject_cast<QComboBox*>(o))
            out[n] = entries(c).join("/") + "|" + c->currentText() + "|" + QString::number(c->currentIndex()) + "|" +
                     c->toolTip();
    }
    return out;
}

}  // namespace

class SpracheTest : public QObject {
    Q_OBJECT

private slots:
    void textsOfEachLanguage_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("programmTitel");
        QTest::addColumn<QString>("fehlerTitel");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QStringList>("shapes");
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<QStringList>("texts");  // name=text pairs, main window
        QTest::addColumn<QStringList>("couplingTexts");

        QTest::newRow("deutsch")
            << "deutsch" << "Kalvor   Ringfeld " << " Ringfeld " << " Fehler " << "mnuDeutsch"
            << QStringList{"Kreis", "Quadrat"} << QStringList{"Cu", "Al", "Fe", "Ag", "Zn", "Messing"}
            << QStringList{"mnuAkt=Aktion", "mnuOpt=&Optionen", "mnuQues=?", "mnuDeutsch=deutsch",
                           "mnuAktBerechnen=Be&rechnen", "mnuAktEnde=&Beenden", "Frame1= Loop - Parameter ",
                           "Label5=Leiterdurchme&sser:", "Label7=Form:", "Label14=Gesamt - C        :",
                           "Label39=Eigen - C  Loop:", "Frame2= Ergebnisse: ", "Frame3=Zusätzlicher Verlust - R",
                           "Command3=Druc&ken", "Label34=Berechnen:", "tip:Text7= durch Löt- u. Klemmstellen ",
                           "tip:Text9= durch Kriechströme o. Bedämpfungs-R ", "tip:lbC=Schwingkreiskondensator"}
            << QStringList{"#title=Ankopplung", "Label8=&Aufstellort der Loop:", "Command2=&Hinweis",
                           "Frame2=Loop - Resonanz - R:", "Label1=Umfang:",
                           "tip:Text1=Verhältnis der Loop zur Ankoppelschleife",
                           "entry0=* Zimmer, Dachboden, geschlossener Balkon",
                           "entry1=* offener Balkon, Garten,aber nicht sehr hoch"};
        QTest::newRow("französisch")
            << "französisch" << "Kalvor  Ringfeld" << "Ringfeld" << " Erreur " << "mnuFranzösisch"
            << QStringList{"circulaire", "carrée"} << QStringList{"Cu", "Al", "Fe", "Ag", "Zn", "Laiton"}
            << QStringList{"mnuAkt=Action", "mnuOpt=&Options", "mnuFranzösisch=français", "mnuAktBerechnen=Ca&lculer",
                           "mnuAktEnde=&Quitter", "Frame1= Paramètres Loop ", "Label5=Diamètre d&u conducteur:",
                           "Label7=F&orme:", "Label36=&lon- gueur:", "Label14=C totale          :",
                           "Label19=&Série :", "Label40=&Parallèle :", "Frame2= Résultats: ", "Command3=Im&primer",
                           "tip:Text7= dûe aux points de soudure ou de connection ",
                           "tip:lbGewinn=par rapport à un dipôle pour cette QRG"}
            << QStringList{"#title=Couplage", "Label8=Empl&acement de la Loop:", "Command2=&Remarque",
                           "Frame2=R. Loop à la résonance:", "Label1=Périmètre:",
                           "entry2=* Emplacement dégagé, sur mât ou sur le toit"};
        QTest::newRow("englisch")
            << "englisch" << "Kalvor  Ringfeld" << "Ringfeld" << " Error " << "mnuEnglisch"
            << QStringList{"Circle", "Square"} << QStringList{"Cu", "Al", "Fe", "Ag", "Zn", "brass"}
            << QStringList{"mnuAktBerechnen=Calculate", "mnuAktAnkopplung=&Coupling loop", "mnuEnglisch=english",
                           "Frame1= Loop - Specifications ", "Label5=Conductor Diameter:", "Label8=&turn:",
                           "Label14=Total Capacitance:", "Frame2= Results: ", "Label11=Tx -&Power:",
                           "Command3=Print", "tip:Text8= inductor length from center og conductor oft he first "
                                             "turn to center oft he last turn.",
                           "tip:Text9= via creeping damping resitance ", "tip:lbC=Voltage dinder"}
            << QStringList{"#title=Coupling loop", "Label8=&Site of the loop:", "Command1=&Calculate",
                           "Frame2=Loop - Resonanc - R:", "Label1=Circum ference:",
                           "entry1=* conservatory balcony,garden,but not very high"};
    }
    void textsOfEachLanguage() {
        QFETCH(QString, sprache);
        QFETCH(QString, caption);
        QFETCH(QString, programmTitel);
        QFETCH(QString, fehlerTitel);
        QFETCH(QString, checked);
        QFETCH(QStringList, shapes);
        QFETCH(QStringList, materials);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, couplingTexts);

        Windows w;
        w.apply(sprache.toStdString());

        QCOMPARE(w.main.windowTitle(), caption);
        QCOMPARE(QString::fromStdString(w.rec.ProgrammTitel), programmTitel);
        QCOMPARE(QString::fromStdString(w.rec.FehlerTitel), fehlerTitel);
        for (const char* entry : {"mnuDeutsch", "mnuFranzösisch", "mnuEnglisch"})
            QCOMPARE(w.m<QAction>(entry)->isChecked(), checked == QString::fromUtf8(entry));

        auto* shape = w.m<QComboBox>("Combo1");
        auto* material = w.m<QComboBox>("Combo2");
        QCOMPARE(entries(shape), shapes);
        QCOMPARE(shape->currentText(), shapes.first());
        QCOMPARE(shape->currentIndex(), 0);  // Down moves on to the square
        QCOMPARE(material->currentIndex(), 0);
        QCOMPARE(entries(material), materials);
        QCOMPARE(material->currentText(), QStringLiteral("Cu"));

        const QMap<QString, QString> mainNow = snapshot(&w.main);
        for (const QString& pair : texts) {
            const QString key = pair.section('=', 0, 0);
            const QString want = pair.section('=', 1);
            if (key.startsWith("tip:")) {
                QCOMPARE(w.m(key.mid(4).toUtf8().constData())->toolTip(), want);
            } else {
                QVERIFY2(mainNow.contains(key), qPrintable(key));
                QCOMPARE(mainNow[key].section('|', 0, 0), want);
            }
        }
        QCOMPARE(w.m("Text5")->toolTip(), QStringLiteral("QRG"));

        auto* site = w.c<QComboBox>("Combo1");
        QCOMPARE(site->count(), 3);
        QCOMPARE(site->currentIndex(), -1);
        QCOMPARE(site->currentText(), QString());
        QCOMPARE(w.c<QLabel>("Label11")->text(), QString());
        for (const QString& pair : couplingTexts) {
            const QString key = pair.section('=', 0, 0);
            const QString want = pair.section('=', 1);
            if (key == "#title") QCOMPARE(w.couplingWindow()->windowTitle(), want);
            else if (key.startsWith("entry")) QCOMPARE(site->itemText(key.mid(5).toInt()), want);
            else if (key.startsWith("tip:")) QCOMPARE(w.c(key.mid(4).toUtf8().constData())->toolTip(), want);
            else if (auto* label = w.c<QLabel>(key.toUtf8().constData())) QCOMPARE(label->text(), want);
            else if (auto* button = w.c<QPushButton>(key.toUtf8().constData())) QCOMPARE(button->text(), want);
            else QCOMPARE(w.c<QGroupBox>(key.toUtf8().constData())->title(), want);
        }
    }

    void everyRowReachesAControlOfTheRightKind() {
        Windows w;
        for (const ringfeld::SprachText& row : ringfeld::SprachTexte()) {
            QWidget* window = row.window == ringfeld::TextWindow::Main ? static_cast<QWidget*>(&w.main)
                                                                        : w.couplingWindow();
            const QString name = QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
            QObject* target = window->objectName() == name ? window : window->findChild<QObject*>(name);
            QVERIFY2(target, qPrintable(name));
            switch (row.target) {
                case ringfeld::TextTarget::WindowCaption: QVERIFY(target->isWidgetType()); break;
                case ringfeld::TextTarget::Caption:
                    QVERIFY2(qobject_cast<QLabel*>(target) || qobject_cast<QAbstractButton*>(target) ||
                                 qobject_cast<QGroupBox*>(target) || qobject_cast<QMenu*>(target) ||
                                 qobject_cast<QAction*>(target),
                             qPrintable(name));
                    break;
                case ringfeld::TextTarget::ToolTip: QVERIFY2(target->isWidgetType(), qPrintable(name)); break;
                case ringfeld::TextTarget::ListEntry:
                case ringfeld::TextTarget::ListText: QVERIFY2(qobject_cast<QComboBox*>(target), qPrintable(name)); break;
            }
            // All three columns are filled.
            QVERIFY2(!row.text.de.empty() && !row.text.fr.empty() && !row.text.en.empty(), qPrintable(name));
        }
    }

    void switchingBackGivesTheSameWindowsAsAFreshStart() {
        Windows fresh;
        fresh.apply("deutsch");

        Windows switched;
        switched.apply("deutsch");
        switched.apply("französisch");
        switched.apply("englisch");
        switched.apply("deutsch");

        QCOMPARE(snapshot(&switched.main), snapshot(&fresh.main));
        QCOMPARE(snapshot(switched.couplingWindow()), snapshot(fresh.couplingWindow()));
        QCOMPARE(switched.m<QComboBox>("Combo2")->count(), 6);
        QCOMPARE(switched.m<QComboBox>("Combo1")->count(), 2);
        QCOMPARE(switched.c<QComboBox>("Combo1")->count(), 3);
    }

    void listsKeepTheirChoiceAndFieldsAndResultsStay() {
        Windows w;
        w.apply("deutsch");
        auto* shape = w.m<QComboBox>("Combo1");
        auto* material = w.m<QComboBox>("Combo2");
        shape->setCurrentIndex(1);
        material->setCurrentIndex(1);
        w.m<QLineEdit>("Text1")->setText("1,767");
        w.m<QLabel>("lbC")->setText("123,4");
        w.m<QLabel>("lbC")->setToolTip("C = 123,4 pF");
        w.m<QLabel>("Label1")->setText("Seitenlänge:");
        w.c<QLabel>("Label2")->setText("0,456");
        w.c<QLabel>("Label3")->setText("Lka:");
        w.c<QComboBox>("Combo1")->setCurrentIndex(2);

        w.apply("englisch");

        QCOMPARE(shape->currentText(), QStringLiteral("Square"));
        QCOMPARE(material->currentText(), QStringLiteral("Al"));
        QCOMPARE(w.m<QLabel>("Label1")->text(), QStringLiteral("Side-length:"));
        QCOMPARE(w.m<QLineEdit>("Text1")->text(), QStringLiteral("1,767"));
        QCOMPARE(w.m<QLabel>("lbC")->text(), QStringLiteral("123,4"));
        QCOMPARE(w.m<QLabel>("lbC")->toolTip(), QStringLiteral("Voltage dinder"));
        QCOMPARE(w.c<QLabel>("Label2")->text(), QStringLiteral("0,456"));
        QCOMPARE(w.c<QLabel>("Label3")->text(), QStringLiteral("Lka:"));
        QCOMPARE(w.c<QComboBox>("Combo1")->currentText(), QStringLiteral("* free-standing,at the mast or on the roof"));
    }

    void noListHandlerRuns() {
        Windows w;
        w.apply("deutsch");
        QWidget* coupling = w.couplingWindow();
        QList<QSignalSpy*> spies;
        for (QComboBox* list : {w.m<QComboBox>("Combo1"), w.m<QComboBox>("Combo2"),
                                coupling->findChild<QComboBox*>("Combo1")}) {
            spies << new QSignalSpy(list, &QComboBox::currentIndexChanged)
                  << new QSignalSpy(list, &QComboBox::activated)
                  << new QSignalSpy(list, &QComboBox::currentTextChanged);
        }
        w.apply("französisch");
        for (QSignalSpy* spy : spies) {
            QCOMPARE(spy->count(), 0);
            delete spy;
        }
    }

    void couplingWindowIsCreatedHiddenOnce() {
        Windows w;
        w.apply("französisch");
        QCOMPARE(w.couplingCalls, 1);
        QVERIFY(w.coupling);
        QVERIFY(!w.coupling->isVisible());
        w.apply("englisch");
        QCOMPARE(w.couplingCalls, 2);
        // A window created before any language was applied gets the texts too.
        QCOMPARE(w.coupling->windowTitle(), QStringLiteral("Coupling loop"));
    }

    void unknownLanguageOnlyEmptiesTheLists() {
        Windows w;
        w.rec.ProgrammTitel = "before";
        w.rec.FehlerTitel = "before error";
        w.c<QLabel>("Label11")->setText("2,5");
        w.apply("Deutsch");

        QCOMPARE(w.m<QComboBox>("Combo1")->count(), 0);
        QCOMPARE(w.m<QComboBox>("Combo2")->count(), 0);
        QCOMPARE(w.c<QComboBox>("Combo1")->count(), 0);
        QCOMPARE(w.c<QComboBox>("Combo1")->currentText(), QString());
        QCOMPARE(w.c<QLabel>("Label11")->text(), QString());

        QCOMPARE(w.main.windowTitle(), QStringLiteral("Kalvor   Ringfeld"));
        QCOMPARE(w.rec.ProgrammTitel, std::string("before"));
        QCOMPARE(w.rec.FehlerTitel, std::string("before error"));
        QVERIFY(w.m<QAction>("mnuDeutsch")->isChecked());
        QCOMPARE(w.m<QMenu>("mnuAkt")->title(), QStringLiteral("&Aktion"));
        QCOMPARE(w.m<QMenu>("mnuOpt")->title(), QStringLiteral("&Otionen"));
        QCOMPARE(w.m<QMenu>("mnuQues")->title(), QStringLiteral("&?"));
        QCOMPARE(w.m<QGroupBox>("Frame3")->title(), QStringLiteral("Zusätzlicher Verlust - R"));
        QCOMPARE(w.m<QLabel>("Label14")->text(), QStringLiteral("ges.   C          :"));
        QCOMPARE(w.couplingWindow()->windowTitle(), QStringLiteral("Ankopplung"));
    }

    void unknownLanguageAfterAKnownOneKeepsItsTexts() {
        Windows w;
        w.apply("französisch");
        w.apply("english");
        QCOMPARE(w.main.windowTitle(), QStringLiteral("Kalvor  Ringfeld"));
        QCOMPARE(w.rec.FehlerTitel, std::string(" Erreur "));
        QVERIFY(w.m<QAction>("mnuFranzösisch")->isChecked());
        QCOMPARE(w.m<QLabel>("Label7")->text(), QStringLiteral("F&orme:"));
        QCOMPARE(w.m<QComboBox>("Combo1")->count(), 0);
    }

    void accessKeysOfEveryLanguageHaveATarget_data() {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("deutsch") << "deutsch";
        QTest::newRow("französisch") << "französisch";
        QTest::newRow("englisch") << "englisch";
    }
    void accessKeysOfEveryLanguageHaveATarget() {
        // A label shows its "&" literally unless it has a buddy.
        QFETCH(QString, sprache);
        Windows w;
        w.apply(sprache.toStdString());
        QList<QLabel*> labels = w.main.findChildren<QLabel*>();
        labels += w.couplingWindow()->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->text().contains('&')) QVERIFY2(label->buddy(), qPrintable(label->objectName()));
        }
    }

    void frenchAccessKeysOfLabelsWithoutDesignKeys() {
        Windows w;
        w.apply("französisch");
        w.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.m("Text1")->setFocus();
        QTest::keyClick(&w.main, Qt::Key_S, Qt::AltModifier);  // "&Série :"
        QCOMPARE(QApplication::focusWidget(), w.m("Text7"));
        QTest::keyClick(&w.main, Qt::Key_U, Qt::AltModifier);  // "Diamètre d&u conducteur:"
        QCOMPARE(QApplication::focusWidget(), w.m("Text3"));
    }

    void accessKeyOfALabelWinsOverTheMenuBar() {
        // German "Tx -&Output:" and the menu "&Optionen" share Alt+O; the field gets it,
        // however often it is pressed.
        Windows w;
        w.apply("deutsch");
        w.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        for (int i = 0; i < 3; ++i) {
            w.m("Text1")->setFocus();
            QTest::keyClick(&w.main, Qt::Key_O, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), w.m("Text6"));
            QVERIFY(!w.m<QMenu>("mnuOpt")->isVisible());
        }
    }
};

QTEST_MAIN(SpracheTest)
#include "sprache_test.moc"
