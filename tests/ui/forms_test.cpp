// The two forms as built: names, geometry in twips, tab order, access keys,
// fonts, colours, window size and the accessible names.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "windows_fixture.h"

namespace {

// A rectangle given in twips, as device-independent pixels (15 twips each).
QRect tw(int left, int top, int width, int height) {
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

const char* const kMainControls[] = {
    "Frame1", "Label1", "Text1", "Label2", "Label3", "Text2", "Label4", "Label5", "Text3", "Label6",
    "Label7", "Combo1", "Label17", "Combo2", "Label8", "Text4", "Label36", "Text8", "Label37", "Label9",
    "Text5", "Label10", "Label11", "Text6", "Label12", "Frame3", "Label19", "Text7", "l", "Label40",
    "Text9", "Label41", "Label34", "Command1", "Command2", "Command3", "Frame2", "Label13",
    "lbInduktivität", "Label15", "Label14", "lbC", "lbCL", "Label16", "Label39", "Label30", "lbUc",
    "Label32", "Label18", "lbRr", "Label20", "Label24", "lbEta", "Label26", "Label27", "lbKu", "Label29",
    "Label25", "lbLamda", "Label33", "Label31", "lbB", "Label35", "Label21", "lbRv", "Label23", "Label22",
    "lbGewinn", "Label28", "Label38"};

const char* const kCouplingControls[] = {"Label8", "Combo1", "Text1", "Command1", "Command2", "Command3",
                                         "Frame1", "Frame2", "Label5", "Label9", "Picture1", "Label1",
                                         "Label2", "Label6", "Label3", "Label4", "Label7", "Label11",
                                         "Label12"};

QWidget* namedAncestor(QWidget* w, QWidget* window) {
    while (w && w != window && w->objectName().isEmpty()) w = w->parentWidget();
    return w;
}

// The controls that Tab visits from `start` until it comes back to it.
QStringList tabCycle(QWidget* window, QWidget* start) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return {"window not active"};
    start->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        QWidget* now = namedAncestor(QApplication::focusWidget(), window);
        if (!now) return names << "no focus";
        if (i > 0 && now == start) break;
        names << now->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

}  // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasItsLayoutName() {
        Windows w;
        QCOMPARE(w.main.objectName(), QStringLiteral("frmMain"));
        QCOMPARE(w.couplingWindow()->objectName(), QStringLiteral("frmAnkopplung"));
        for (const char* name : kMainControls) {
            QWidget* found = w.m(name);
            QVERIFY2(found, name);
            QVERIFY2(found->window() == &w.main, name);
        }
        for (const char* name : kCouplingControls) QVERIFY2(w.c(name), name);

        // Kinds of control as the window code expects them.
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9"})
            QVERIFY2(w.m<QLineEdit>(name), name);
        for (const char* name : {"Frame1", "Frame2", "Frame3"}) QVERIFY2(w.m<QGroupBox>(name), name);
        for (const char* name : {"Command1", "Command2", "Command3"}) {
            QVERIFY2(w.m<QPushButton>(name), name);
            QVERIFY2(w.c<QPushButton>(name), name);
        }
        QVERIFY(w.m<QLabel>("lbInduktivität"));
        QVERIFY(w.c<QLabel>("Picture1"));
        QVERIFY(w.c<QLineEdit>("Text1"));
    }

    void combosAreEditableAndStartWithTheirNames() {
        Windows w;
        for (QComboBox* list : {w.m<QComboBox>("Combo1"), w.m<QComboBox>("Combo2"), w.c<QComboBox>("Combo1")}) {
            QVERIFY(list);
            QVERIFY(list->isEditable());
            QCOMPARE(list->count(), 0);
            QCOMPARE(list->currentText(), list->objectName());
            QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
        }
        QCOMPARE(w.m<QLineEdit>("Text5")->text(), QStringLiteral("Text5"));
        QCOMPARE(w.m<QLabel>("lbGewinn")->text(), QStringLiteral("lbGewinn"));
    }

    void menuTreeAndShortcuts() {
        Windows w;
        auto* bar = w.main.menuBar();
        QVERIFY(bar);
        QStringList top;
        for (QAction* a : bar->actions()) top << a->menu()->objectName();
        QCOMPARE(top, (QStringList{"mnuAkt", "mnuOpt", "mnuQues"}));

        auto names = [](QMenu* menu) {
            QStringList out;
            for (QAction* a : menu->actions()) out << (a->menu() ? a->menu()->objectName() : a->objectName());
            return out;
        };
        QCOMPARE(names(w.m<QMenu>("mnuAkt")), (QStringList{"mnuAktBerechnen", "mnuDruck", "mnuAktEnde"}));
        QCOMPARE(names(w.m<QMenu>("mnuAktBerechnen")), (QStringList{"mnuAktRechnen", "mnuAktAnkopplung", "mnuAktAbstimmbereich"}));
        QCOMPARE(names(w.m<QMenu>("mnuOpt")), (QStringList{"mnuSprache"}));
        QCOMPARE(names(w.m<QMenu>("mnuSprache")), (QStringList{"mnuDeutsch", "mnuFranzösisch", "mnuEnglisch"}));
        QCOMPARE(names(w.m<QMenu>("mnuQues")), (QStringList{"mnuQuesHelp", "mnuQuesInfo"}));

        QCOMPARE(w.m<QMenu>("mnuAkt")->title(), QStringLiteral("&Aktion"));
        QCOMPARE(w.m<QMenu>("mnuOpt")->title(), QStringLiteral("&Otionen"));
        QCOMPARE(w.m<QMenu>("mnuQues")->title(), QStringLiteral("&?"));

        const QList<std::pair<const char*, QKeySequence>> shortcuts = {
            {"mnuAktRechnen", QKeySequence(Qt::CTRL | Qt::Key_L)}, {"mnuAktAnkopplung", QKeySequence(Qt::CTRL | Qt::Key_A)},
            {"mnuDruck", QKeySequence(Qt::CTRL | Qt::Key_D)},      {"mnuAktEnde", QKeySequence(Qt::CTRL | Qt::Key_X)},
            {"mnuQuesHelp", QKeySequence(Qt::Key_F1)},             {"mnuQuesInfo", QKeySequence(Qt::Key_F2)}};
        for (const auto& [name, keys] : shortcuts) QCOMPARE(w.m<QAction>(name)->shortcut(), keys);

        QVERIFY(w.m<QAction>("mnuDeutsch")->isCheckable());
        QVERIFY(w.m<QAction>("mnuDeutsch")->isChecked());
        QVERIFY(w.m<QAction>("mnuFranzösisch")->isCheckable());
        QVERIFY(!w.m<QAction>("mnuFranzösisch")->isChecked());
        QVERIFY(!w.m<QAction>("mnuEnglisch")->isChecked());
    }

    void shortcutTriggersItsEntry() {
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QSignalSpy calculate(w.m<QAction>("mnuAktRechnen"), &QAction::triggered);
        QSignalSpy info(w.m<QAction>("mnuQuesInfo"), &QAction::triggered);
        w.m<QPushButton>("Command1")->setFocus();
        QTest::keyClick(&w.main, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(&w.main, Qt::Key_F2);
        QCOMPARE(calculate.count(), 1);
        QCOMPARE(info.count(), 1);
    }

    void geometryIsTwipsOverFifteen_data() {
        QTest::addColumn<bool>("main");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Frame1") << true << "Frame1" << tw(60, 120, 6435, 1695);
        QTest::newRow("Label1 in Frame1") << true << "Label1" << tw(144, 360, 996, 372);
        QTest::newRow("Text8 in Frame1") << true << "Text8" << tw(5100, 1200, 612, 315);
        QTest::newRow("Label9") << true << "Label9" << tw(216, 2220, 1152, 312);
        QTest::newRow("Frame3") << true << "Frame3" << tw(3480, 1920, 3015, 1095);
        QTest::newRow("l in Frame3") << true << "l" << tw(2400, 300, 555, 315);
        QTest::newRow("Label34") << true << "Label34" << tw(120, 5760, 6408, 480);
        QTest::newRow("Command3") << true << "Command3" << tw(4620, 5640, 1215, 495);
        QTest::newRow("Frame2") << true << "Frame2" << tw(60, 3060, 6495, 2475);
        QTest::newRow("Label14 in Frame2") << true << "Label14" << tw(144, 600, 1368, 192);
        QTest::newRow("lbCL in Frame2") << true << "lbCL" << tw(2340, 720, 435, 315);
        QTest::newRow("Label38 in Frame2") << true << "Label38" << tw(2160, 720, 195, 315);
        QTest::newRow("Label28 in Frame2") << true << "Label28" << tw(5820, 2100, 552, 252);
        QTest::newRow("coupling Combo1") << false << "Combo1" << tw(180, 360, 4095, 315);
        QTest::newRow("coupling Label5") << false << "Label5" << tw(5160, 360, 375, 315);
        QTest::newRow("coupling Picture1") << false << "Picture1" << tw(180, 780, 5340, 2880);
        QTest::newRow("coupling Label9") << false << "Label9" << tw(180, 3960, 5340, 432);
        QTest::newRow("coupling Label3 in Frame1") << false << "Label3" << tw(300, 780, 492, 252);
        QTest::newRow("coupling Frame2") << false << "Frame2" << tw(2880, 4500, 2655, 1155);
        QTest::newRow("coupling Label12 in Frame2") << false << "Label12" << tw(1980, 720, 435, 255);
    }
    void geometryIsTwipsOverFifteen() {
        QFETCH(bool, main);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        Windows w;
        QWidget* control = main ? w.m(name.toUtf8().constData()) : w.c(name.toUtf8().constData());
        QVERIFY(control);
        QCOMPARE(control->geometry(), rect);
    }

    void ratioLabelFollowsTheRatioField() {
        Windows w;
        // " : 1" stands 45 twips (3 pixels) right of the ratio field.
        QCOMPARE(w.c("Label5")->x() - w.c("Text1")->geometry().right() - 1, 3);
    }

    void windowsHaveTheirFixedClientSize() {
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
        QCOMPARE(w.main.centralWidget()->size(), QSize(440, 421));  // 6600 x 6312 twips
        QCOMPARE(w.main.minimumSize(), w.main.maximumSize());
        QCOMPARE(w.main.size(), w.main.minimumSize());
        QVERIFY(!(w.main.windowFlags() & Qt::WindowMaximizeButtonHint));

        QWidget* coupling = w.couplingWindow();
        QCOMPARE(coupling->size(), QSize(383, 390));  // 5748 x 5844 twips
        QCOMPARE(coupling->minimumSize(), coupling->maximumSize());
        QVERIFY(!(coupling->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!coupling->isVisible());
    }

    void designCaptionsAndIcon() {
        Windows w;
        QCOMPARE(w.main.windowTitle(), QStringLiteral("Kalvor   Ringfeld"));
        QCOMPARE(w.couplingWindow()->windowTitle(), QStringLiteral("Ankopplung"));
        QCOMPARE(w.c<QLabel>("Label9")->text(), QStringLiteral("Kalvor  Ringfeld: Ankopplung"));
        QCOMPARE(w.c<QLabel>("Label5")->text(), QStringLiteral(" : 1"));
        QCOMPARE(w.m<QLabel>("Label14")->text(), QStringLiteral("ges.   C          :"));
        QCOMPARE(w.m<QGroupBox>("Frame1")->title(), QStringLiteral(" Loop - Parameter "));
        QCOMPARE(w.m("Text7")->toolTip(), QStringLiteral(" durch Löt- u. Klemmstellen "));
        for (QWidget* window : {static_cast<QWidget*>(&w.main), w.couplingWindow()}) {
            const QList<QSize> sizes = window->windowIcon().availableSizes();
            QVERIFY(sizes.contains(QSize(32, 32)));
            QVERIFY(sizes.contains(QSize(128, 128)));
        }
        // The diagram sits at the top-left corner of its surface.
        auto* picture = w.c<QLabel>("Picture1");
        QCOMPARE(picture->pixmap().size(), QSize(349, 191));
        QCOMPARE(picture->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(picture->backgroundRole(), QPalette::Base);
    }

    void tabOrderOfTheMainWindow() {
        Windows w;
        QCOMPARE(tabCycle(&w.main, w.m("Text1")),
                 (QStringList{"Text1", "Text2", "Text3", "Combo1", "Combo2", "Text4", "Text8", "Text5", "Text6",
                              "Text7", "Text9", "Command1", "Command2", "Command3"}));
    }

    void tabOrderOfTheCouplingWindow() {
        Windows w;
        QCOMPARE(tabCycle(w.couplingWindow(), w.c("Combo1")),
                 (QStringList{"Combo1", "Text1", "Command1", "Command2", "Command3"}));
    }

    void hiddenCoilLengthIsSkippedByTab() {
        Windows w;
        w.m("Text8")->hide();
        w.m("Label36")->hide();
        const QStringList cycle = tabCycle(&w.main, w.m("Text1"));
        QVERIFY(!cycle.contains("Text8"));
        QCOMPARE(cycle.indexOf("Text5"), cycle.indexOf("Text4") + 1);
    }

    void labelsLeadToTheFieldAfterThem() {
        Windows w;
        const QList<std::pair<const char*, const char*>> mainBuddies = {
            {"Label1", "Text1"},   {"Label3", "Text2"},  {"Label5", "Text3"},  {"Label7", "Combo1"},
            {"Label17", "Combo2"}, {"Label8", "Text4"},  {"Label36", "Text8"}, {"Label9", "Text5"},
            {"Label11", "Text6"},  {"Label19", "Text7"}, {"Label40", "Text9"}};
        for (const auto& [label, field] : mainBuddies) QVERIFY2(w.m<QLabel>(label)->buddy() == w.m(field), label);
        QVERIFY(w.c<QLabel>("Label8")->buddy() == w.c("Combo1"));
    }

    void accessKeysMoveTheFocus() {
        Windows w;
        w.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        w.m("Command1")->setFocus();
        QTest::keyClick(&w.main, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), w.m("Text1"));
        QTest::keyClick(&w.main, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), w.m("Text5"));
        QTest::keyClick(&w.main, Qt::Key_O, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), w.m("Text6"));
    }

    void fontsFollowTheDesign() {
        Windows w;
        const bool design = ringfeld::fontFamilyPresent(ringfeld::kDesignFamily);
        const QString family = design ? ringfeld::kDesignFamily : ringfeld::kDesignFallbackFamily;
        const double defaultSize = design ? ringfeld::kFormDefaultPointSize : ringfeld::kFallbackDefaultPointSize;

        // Every control of both windows is set in the design family (or its stand-in),
        // except the diagram surface, which has the narrow one.
        QList<QWidget*> all = w.main.centralWidget()->findChildren<QWidget*>();
        all += w.couplingWindow()->findChildren<QWidget*>();
        for (QWidget* control : all) {
            if (control->objectName() == QLatin1String("Picture1") || control->objectName().isEmpty()) continue;
            QVERIFY2(QFontInfo(control->font()).family() == family, qPrintable(control->objectName()));
        }
        const QFont narrow = w.c("Picture1")->font();
        QCOMPARE(QFontInfo(narrow).family(), ringfeld::fontFamilyPresent(ringfeld::kNarrowFamily)
                                                 ? QString(ringfeld::kNarrowFamily)
                                                 : QString(ringfeld::kNarrowFallbackFamily));
        QCOMPARE(narrow.pointSizeF(), 7.8);

        auto check = [](QWidget* control, double size, bool bold) {
            QVERIFY2(control, "missing");
            QCOMPARE(control->font().pointSizeF(), size);
            QCOMPARE(control->font().bold(), bold);
        };
        check(w.m("Frame1"), 9.6, true);
        check(w.m("Frame2"), 9.6, true);
        check(w.m("Label34"), 9.6, true);
        check(w.m("Label38"), 12, true);
        for (const char* result : {"lbInduktivität", "lbC", "lbEta", "lbGewinn"}) check(w.m(result), 7.8, true);
        check(w.c("Label9"), 7.8, true);
        // The frames' children keep the default font, bold frame or not.
        for (const char* plain : {"Label1", "Text1", "Combo1", "Label13", "lbUc", "lbCL", "Label39", "Text7", "Label9",
                                  "Command1"})
            check(w.m(plain), defaultSize, false);
        check(w.m("Frame3"), defaultSize, false);
        check(w.c("Label1"), defaultSize, false);
        check(w.c("Frame1"), defaultSize, false);
    }

    void resultBoxesAndColours() {
        Windows w;
        for (const char* name : {"lbInduktivität", "lbC", "lbCL", "lbUc", "lbRr", "lbEta", "lbKu", "lbLamda", "lbB",
                                 "lbRv", "lbGewinn"}) {
            auto* box = w.m<QLabel>(name);
            QVERIFY2(box->frameShape() == QFrame::Box && box->frameShadow() == QFrame::Plain, name);
            QCOMPARE(box->lineWidth(), 1);
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(box->backgroundRole(), QPalette::ToolTipBase);
            QVERIFY(box->autoFillBackground());
        }
        for (const char* name : {"Label2", "Label4", "Label11"}) {
            auto* box = w.c<QLabel>(name);
            QVERIFY2(box->frameShape() == QFrame::Box, name);
            QCOMPARE(box->backgroundRole(), QPalette::ToolTipBase);
        }
        auto* ratio = w.c<QLabel>("Label5");
        QCOMPARE(ratio->frameShape(), QFrame::Box);
        QCOMPARE(ratio->backgroundRole(), QPalette::Base);

        const QColor red(255, 0, 0);
        QCOMPARE(w.m("lbCL")->palette().color(QPalette::Active, w.m("lbCL")->foregroundRole()), red);
        QCOMPARE(w.m("Label39")->palette().color(QPalette::Active, w.m("Label39")->foregroundRole()), red);
        QVERIFY(w.m("lbC")->palette().color(QPalette::Active, w.m("lbC")->foregroundRole()) != red);

        QCOMPARE(w.m<QLabel>("Label38")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(w.c<QLabel>("Label1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(w.c<QLabel>("Label3")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void labelsStayBehindTheButtons() {
        Windows w;
        // A heading across a button row must not cover the buttons.
        auto stackIndex = [](QWidget* child) { return child->parentWidget()->children().indexOf(child); };
        for (const char* button : {"Command1", "Command2", "Command3"}) {
            QVERIFY(stackIndex(w.m("Label34")) < stackIndex(w.m(button)));
            QVERIFY(stackIndex(w.c("Label9")) < stackIndex(w.c(button)));
        }
    }

    void accessibleDescriptionIsTheLayoutName() {
        Windows w;
        ringfeld::exposeObjectNames(&w.main);
        QCOMPARE(w.main.accessibleDescription(), QStringLiteral("frmMain"));
        QCOMPARE(w.m("lbInduktivität")->accessibleDescription(), QStringLiteral("lbInduktivität"));
        QCOMPARE(w.m("Text9")->accessibleDescription(), QStringLiteral("Text9"));
        QCOMPARE(w.m("mnuSprache")->accessibleDescription(), QStringLiteral("mnuSprache"));
        // Only the window it was asked for.
        QVERIFY(w.c("Text1")->accessibleDescription().isEmpty());
        ringfeld::exposeObjectNames(w.couplingWindow());
        QCOMPARE(w.c("Picture1")->accessibleDescription(), QStringLiteral("Picture1"));
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
