// Every caption of both windows fits its control, in every language, with the
// font the control really has: no label, button or frame title is cut off.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include "windows_fixture.h"

namespace {

// Why a caption does not fit its control, or an empty text if it does.
QString labelMisfit(const QLabel* label) {
    const QString text = shown(label->text());
    if (text.isEmpty() || !label->pixmap().isNull()) return {};
    QRect room = label->contentsRect();
    const int m = label->margin();
    room.adjust(m, m, -m, -m);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0) indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0 && !(label->alignment() & Qt::AlignHCenter)) room.setWidth(room.width() - indent);

    const QFontMetrics fm(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = fm.boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
    if (needed.width() > room.width() || needed.height() > room.height())
        return QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
            .arg(label->objectName(), text)
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    return {};
}

QString buttonMisfit(const QAbstractButton* button) {
    const QString text = shown(button->text());
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const QFontMetrics fm(button->font());
    const QSize content(fm.horizontalAdvance(text), fm.height());
    const QSize needed = button->style()->sizeFromContents(QStyle::CT_PushButton, &opt, content, button);
    // Styles round a button up to a minimum width; only the text's own room counts.
    const int frame = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, button) +
                      2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, button);
    if (content.width() + frame > button->width() || content.height() > button->height() ||
        needed.height() > button->height() + 8)
        return QStringLiteral("%1 \"%2\": needs %3, has %4")
            .arg(button->objectName(), text)
            .arg(content.width() + frame)
            .arg(button->width());
    return {};
}

QString frameMisfit(const QGroupBox* frame) {
    QStyleOptionGroupBox opt;
    opt.initFrom(frame);
    opt.text = frame->title();
    opt.lineWidth = 1;
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.textAlignment = frame->alignment();
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
    const int width = QFontMetrics(frame->font()).horizontalAdvance(shown(frame->title()));
    if (title.x() + width > frame->width())
        return QStringLiteral("%1 \"%2\": title ends at %3, frame is %4 wide")
            .arg(frame->objectName(), frame->title())
            .arg(title.x() + width)
            .arg(frame->width());
    return {};
}

QStringList misfits(QWidget* window) {
    QStringList out;
    for (QLabel* l : window->findChildren<QLabel*>())
        if (QString why = labelMisfit(l); !why.isEmpty()) out << why;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (QString why = buttonMisfit(b); !why.isEmpty()) out << why;
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        if (QString why = frameMisfit(g); !why.isEmpty()) out << why;
    return out;
}

// Captions that other parts of the program write into these labels.
struct Later {
    bool main;
    const char* name;
    QStringList texts;
};
const QList<Later> kLaterCaptions = {
    // The shape switch of the diameter field.
    {true, "Label1", {"Durchmesser:", "Diamètre:", "Diameter:", "Seitenlänge:", "longueur d'un côté:", "Side-length:"}},
    // Activation of the coupling window and its print heading.
    {false, "Label3", {"Lka:", "Lccp:"}},
    {false, "Label12", {"kOhm", "Ohm"}},
    {false, "Label9",
     {"Kalvor  Ringfeld : Ankopplung", "Kalvor  Ringfeld: Bouble de couplage", "Kalvor Ringfeld: Coupling loop"}},
};

}  // namespace

class CaptionsFitTest : public QObject {
    Q_OBJECT

private slots:
    void captionsFit_data() {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("design texts") << "";
        QTest::newRow("deutsch") << "deutsch";
        QTest::newRow("französisch") << "französisch";
        QTest::newRow("englisch") << "englisch";
    }
    void captionsFit() {
        QFETCH(QString, sprache);
        Windows w;
        if (!sprache.isEmpty()) w.apply(sprache.toStdString());
        QStringList bad = misfits(&w.main) + misfits(w.couplingWindow());
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join("\n")));
    }

    void captionsWrittenLaterFit() {
        Windows w;
        QStringList bad;
        for (const Later& later : kLaterCaptions) {
            auto* label = later.main ? w.m<QLabel>(later.name) : w.c<QLabel>(later.name);
            QVERIFY2(label, later.name);
            for (const QString& text : later.texts) {
                label->setText(text);
                if (QString why = labelMisfit(label); !why.isEmpty()) bad << why;
            }
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join("\n")));
    }

    void theCheckNoticesACaptionTooLong() {
        // The check itself must be able to fail.
        Windows w;
        auto* label = w.m<QLabel>("Label14");
        label->setText("Gesamtkapazität des Schwingkreises:");
        QVERIFY(!labelMisfit(label).isEmpty());
        auto* button = w.m<QAbstractButton>("Command2");
        button->setText("&Ankopplungsschleife berechnen");
        QVERIFY(!buttonMisfit(button).isEmpty());
        auto* frame = w.m<QGroupBox>("Frame3");
        frame->setTitle("Zusätzlicher Verlustwiderstand in Reihe und parallel");
        QVERIFY(!frameMisfit(frame).isEmpty());
        auto* wrapped = w.m<QLabel>("Label30");  // two lines at most
        wrapped->setText("Spannung am Kondensator bei voller Leistung:");
        QVERIFY(!labelMisfit(wrapped).isEmpty());
    }
};

QTEST_MAIN(CaptionsFitTest)
#include "captions_fit_test.moc"
