// The pictures the windows carry: the coupling diagram and the window icon,
// read back from the compiled resources.

#include <QImage>
#include <QtTest>

#include "ui/forms.h"

namespace {

bool dark(QRgb p) { return qGray(p) < 80; }
bool white(QRgb p) { return p == qRgb(255, 255, 255); }
bool grey(QRgb p) {
    const QColor c(p);
    return c.saturation() < 30 && c.value() > 90 && c.value() < 230;
}
bool copper(QRgb p) {
    const QColor c(p);
    return c.hue() >= 15 && c.hue() <= 40 && c.saturation() > 100;  // brown to orange
}
bool yellow(QRgb p) { return p == qRgb(255, 255, 0); }
bool red(QRgb p) { return p == qRgb(255, 0, 0); }

QString at(int x, int y) { return QStringLiteral("(%1,%2)").arg(x).arg(y); }

}  // namespace

class ImagesTest : public QObject {
    Q_OBJECT

    QImage diagram;

private slots:
    void initTestCase() {
        ringfeld::initUiResources();
        diagram = QImage(ringfeld::kDiagrammBild);
        QVERIFY(!diagram.isNull());
    }

    void diagramIsSixteenColoursOnWhite() {
        QCOMPARE(diagram.size(), QSize(349, 191));
        QCOMPARE(diagram.format(), QImage::Format_Indexed8);
        QVERIFY(diagram.colorCount() <= 16);
        for (QPoint p : {QPoint(0, 0), QPoint(10, 10), QPoint(348, 190), QPoint(0, 190), QPoint(160, 94),
                         QPoint(40, 94), QPoint(320, 60), QPoint(348, 150)})
            QVERIFY2(white(diagram.pixel(p)), qPrintable(at(p.x(), p.y())));
    }

    void mainLoopIsACopperArcBulgingRight() {
        // Left and right edges of the band at the top, in the middle and at the bottom.
        struct Span { int y, from, to; };
        for (Span s : {Span{0, 280, 289}, Span{96, 295, 301}, Span{190, 277, 284}}) {
            for (int x = s.from; x <= s.to; ++x)
                QVERIFY2(copper(diagram.pixel(x, s.y)), qPrintable(at(x, s.y)));
            QVERIFY2(!copper(diagram.pixel(s.from - 1, s.y)), qPrintable(at(s.from - 1, s.y)));
            QVERIFY2(!copper(diagram.pixel(s.to + 1, s.y)), qPrintable(at(s.to + 1, s.y)));
        }
        // No copper anywhere left of x 270.
        for (int y = 0; y < 191; ++y)
            for (int x = 0; x < 270; ++x) QVERIFY2(!copper(diagram.pixel(x, y)), qPrintable(at(x, y)));
    }

    void couplingLoopOutline() {
        QVERIFY(grey(diagram.pixel(99, 94)));  // its tip
        // Nothing of it left of the tip, on any row.
        for (int y = 0; y < 191; ++y)
            for (int x = 0; x < 99; ++x) QVERIFY2(!grey(diagram.pixel(x, y)), qPrintable(at(x, y)));
        // Its right side runs just inside the main loop over the whole height.
        for (int y = 0; y < 191; y += 10) {
            bool found = false;
            for (int x = 268; x < 300 && !found; ++x) {
                if (copper(diagram.pixel(x, y))) break;
                found = grey(diagram.pixel(x, y));
            }
            QVERIFY2(found, qPrintable(QStringLiteral("row %1").arg(y)));
        }
        // It is an outline, not a filled figure.
        QVERIFY(white(diagram.pixel(180, 94)));
    }

    void dimensionLine() {
        for (int y = 18; y <= 170; ++y) QVERIFY2(dark(diagram.pixel(226, y)), qPrintable(at(226, y)));
        QVERIFY(!dark(diagram.pixel(226, 16)));
        QVERIFY(!dark(diagram.pixel(226, 172)));
        for (int y : {18, 170}) {
            for (int x = 215; x <= 275; ++x) QVERIFY2(dark(diagram.pixel(x, y)), qPrintable(at(x, y)));
            QVERIFY(!dark(diagram.pixel(213, y)));
        }
        // Arrowheads: wider than the line just inside both ends.
        for (int y : {21, 167}) {
            QVERIFY2(dark(diagram.pixel(225, y)) && dark(diagram.pixel(227, y)), qPrintable(at(226, y)));
            QVERIFY(!dark(diagram.pixel(225, 94)));
        }
    }

    void pointerArrows() {
        struct Arrow { int from, to, y; };
        for (Arrow a : {Arrow{53, 98, 94}, Arrow{100, 102, 94}, Arrow{297, 341, 19}, Arrow{291, 343, 95}}) {
            for (int x = a.from; x <= a.to; ++x) QVERIFY2(dark(diagram.pixel(x, a.y)), qPrintable(at(x, a.y)));
        }
        QVERIFY(!dark(diagram.pixel(51, 94)));
        QVERIFY(!dark(diagram.pixel(344, 19)));
        QVERIFY(!dark(diagram.pixel(346, 95)));
        // Heads at the pointing ends only: right at the tip, left at the loop and the feed point.
        QVERIFY(dark(diagram.pixel(99, 93)) || dark(diagram.pixel(98, 93)));
        QVERIFY(!dark(diagram.pixel(56, 93)));
        QVERIFY(dark(diagram.pixel(300, 18)) && dark(diagram.pixel(300, 20)));
        QVERIFY(!dark(diagram.pixel(338, 18)));
        QVERIFY(dark(diagram.pixel(294, 94)) && dark(diagram.pixel(294, 96)));
    }

    void feedPointSquare() {
        int greyish = 0;
        for (int y = 90; y <= 100; ++y)
            for (int x = 283; x <= 293; ++x) greyish += grey(diagram.pixel(x, y)) ? 1 : 0;
        QVERIFY2(greyish >= 16, qPrintable(QString::number(greyish)));  // a square, not a line
    }

    void iconIsTwoRingsWithTransparentCorners() {
        QImage icon(ringfeld::kFensterSymbol);
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.colorCount() <= 16);
        icon = icon.convertToFormat(QImage::Format_ARGB32);
        for (QPoint p : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(icon.pixel(p)), 0);
        // Outline, yellow band and red filling of the large ring, from the top edge inwards.
        QVERIFY(dark(icon.pixel(16, 0)));
        QVERIFY(yellow(icon.pixel(16, 2)));
        QVERIFY(red(icon.pixel(16, 8)));
        // The small ring: its yellow band sits low, it touches the large one at the bottom.
        QVERIFY(yellow(icon.pixel(16, 14)));
        QVERIFY(red(icon.pixel(16, 19)) || grey(icon.pixel(16, 19)));
        QVERIFY(!red(icon.pixel(16, 26)));
        QVERIFY(red(icon.pixel(6, 20)));  // large ring's filling beside the small ring
        bool greyOutline = false;
        for (int y = 0; y < 32; ++y) greyOutline = greyOutline || grey(icon.pixel(16, y));
        QVERIFY(greyOutline);
    }
};

QTEST_MAIN(ImagesTest)
#include "images_test.moc"
