// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/DijagramAnvelopa.h"
#include "output/RasterSurface.h"
#include "ui/dijagram/PlatnoDijagrama.h"
#include "ui/dijagram/WidgetProgress.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QSize canvasSize(620, 465);
const QColor ink(20, 40, 60);

// Every pixel that is not transparent, row by row.
QList<QPoint> inked(const QImage &image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                points << QPoint(x, y);
    return points;
}

QRect boundingBox(const QList<QPoint> &points)
{
    QRect box;
    for (const QPoint &p : points)
        box |= QRect(p, QSize(1, 1));
    return box;
}

bool allInk(const QImage &image, const QList<QPoint> &points)
{
    for (const QPoint &p : points)
        if (image.pixel(p) != ink.rgba())
            return false;
    return true;
}

// Captures what a widget showed whenever it was painted, in order. A repaint of the area under
// it paints it again with the same content; that shows nothing new.
class Painted : public QObject
{
public:
    Painted(QWidget *widget, std::function<QString()> content)
        : m_widget(widget)
        , m_content(std::move(content))
    {
        widget->installEventFilter(this);
    }
    QStringList texts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint
            && (texts.isEmpty() || texts.last() != m_content()))
            texts << m_content();
        return false;
    }

private:
    QWidget *m_widget;
    std::function<QString()> m_content;
};

// pctGrafik as the results window builds it: the canvas with the bar and the label on it.
struct Grafik
{
    PlatnoDijagrama canvas { nullptr };
    QProgressBar *bar = new QProgressBar(&canvas);
    QLabel *label = new QLabel(&canvas);
    WidgetProgress progress { bar, label };
    Painted painted { label, [this] { return label->text(); } };
    Painted paintedBar { bar, [this] { return QString::number(bar->value()); } };
    PetljaDijagrama loop;
    UlazniParametri ulaz { 206, 208, 5, 9 };
    RezultatiProracuna r;

    Grafik()
    {
        canvas.setObjectName("pctGrafik");
        bar->setGeometry(3, 3, 576, 16);
        label->setGeometry(579, 3, 37, 16);
        r.proracunaj(ulaz);
        canvas.show();
    }
    // As the results window's tab handler runs it: the event loop has run since the last drawing.
    void draw()
    {
        QCoreApplication::processEvents();
        painted.texts.clear();
        paintedBar.texts.clear();
        nacrtajDijagram(r, canvas.surface(), progress, loop);
    }
};

const QStringList allLabels { "4%", "8%", "13%", "17%", "21%", "25%", "29%", "33%", "38%", "42%",
    "46%", "50%", "54%", "58%", "63%", "67%", "71%", "75%", "79%", "83%", "88%", "92%", "96%",
    "100%" };

} // namespace

class tst_RasterSurface : public QObject
{
    Q_OBJECT

private slots:
    void dotsOfEachWidthCoverTheirDisc_data();
    void dotsOfEachWidthCoverTheirDisc();
    void dotsAreClippedAtTheEdges();
    void circleIsAnOutlineOfThePenWidth();
    void textHasItsTopLeftCornerAtThePosition();
    void drawingsAreNotCleared();
    void canvasShowsTheWindowColourWhereNothingIsDrawn();
    void canvasShowsTheDiagramWithProgressOnTheLabel();
    void secondDrawingPutsTheSameFigureOverTheFirst();
    void newCanvasStartsEmpty();
};

void tst_RasterSurface::dotsOfEachWidthCoverTheirDisc_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QRect>("square");
    QTest::addColumn<bool>("cornersCut");

    // The dot sits on the nearest pixel, halves rounding up; even widths reach up and left.
    QTest::newRow("width 1 on a fraction")
        << 1 << QPointF(10.4, 20.6) << QRect(10, 21, 1, 1) << false;
    QTest::newRow("width 1 on halves") << 1 << QPointF(10.5, 20.5) << QRect(11, 21, 1, 1) << false;
    QTest::newRow("width 1 just below halves")
        << 1 << QPointF(10.49, 20.49) << QRect(10, 20, 1, 1) << false;
    QTest::newRow("width 2") << 2 << QPointF(10, 20) << QRect(9, 19, 2, 2) << false;
    QTest::newRow("width 3") << 3 << QPointF(10.4, 19.6) << QRect(9, 19, 3, 3) << false;
    QTest::newRow("width 4") << 4 << QPointF(10, 20) << QRect(8, 18, 4, 4) << true;
}

void tst_RasterSurface::dotsOfEachWidthCoverTheirDisc()
{
    QFETCH(int, width);
    QFETCH(QPointF, at);
    QFETCH(QRect, square);
    QFETCH(bool, cornersCut);

    RasterSurface s(canvasSize, ink);
    s.setPixelUnits();
    s.setPenWidth(width);
    s.dot(at.x(), at.y());

    QList<QPoint> expected;
    for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x) {
            const bool corner = (x == square.left() || x == square.right())
                && (y == square.top() || y == square.bottom());
            if (!(cornersCut && corner))
                expected << QPoint(x, y);
        }
    const QList<QPoint> actual = inked(s.image());
    QCOMPARE(actual, expected);
    QVERIFY(allInk(s.image(), actual));
}

void tst_RasterSurface::dotsAreClippedAtTheEdges()
{
    RasterSurface s(canvasSize, ink);
    s.setPenWidth(4);
    s.dot(0, 0);
    QCOMPARE(inked(s.image()), QList<QPoint>({ QPoint(0, 0), QPoint(1, 0), QPoint(0, 1) }));

    RasterSurface corner(canvasSize, ink);
    corner.setPenWidth(4);
    corner.dot(619, 464);
    QCOMPARE(boundingBox(inked(corner.image())), QRect(617, 462, 3, 3));
    QCOMPARE(inked(corner.image()).size(), 8);

    RasterSurface outside(canvasSize, ink);
    outside.setPenWidth(4);
    outside.dot(-3, 100);
    outside.dot(100, 467);
    outside.dot(1e300, 5);
    outside.dot(std::numeric_limits<double>::quiet_NaN(), 5);
    outside.dot(5, -std::numeric_limits<double>::infinity());
    QVERIFY(inked(outside.image()).isEmpty());
}

void tst_RasterSurface::circleIsAnOutlineOfThePenWidth()
{
    RasterSurface s(canvasSize, ink);
    s.setPenWidth(3);
    s.circle(570, 112, 25);
    const QImage &image = s.image();

    QVERIFY(allInk(image, inked(image)));
    // Inked at the radius in all four directions, empty at the centre and well off the ring.
    for (const QPoint p : { QPoint(595, 112), QPoint(545, 112), QPoint(570, 87), QPoint(570, 137) })
        QVERIFY2(
            qAlpha(image.pixel(p)) != 0, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QCOMPARE(qAlpha(image.pixel(570, 112)), 0);
    QCOMPARE(qAlpha(image.pixel(570 + 21, 112)), 0);
    QCOMPARE(qAlpha(image.pixel(570 + 29, 112)), 0);
    QCOMPARE(boundingBox(inked(image)), QRect(570 - 26, 112 - 26, 53, 53));
    // Three pixels thick across the ring on the horizontal through the centre.
    int across = 0;
    for (int x = 570 + 20; x < 570 + 30; ++x)
        across += qAlpha(image.pixel(x, 112)) != 0 ? 1 : 0;
    QCOMPARE(across, 3);
}

void tst_RasterSurface::textHasItsTopLeftCornerAtThePosition()
{
    RasterSurface s(canvasSize, ink);
    s.setTextPosition(550, 100);
    s.setFontSize(15);
    s.text("extM");
    const QList<QPoint> points = inked(s.image());
    QVERIFY(!points.isEmpty());
    QVERIFY(allInk(s.image(), points));

    QFont arial("Arial");
    arial.setPointSizeF(15);
    const QFontMetrics metrics(arial, &s.image());
    QFont twentyPixels("Arial");
    twentyPixels.setPixelSize(20); // 15 points at 96 dots per inch
    QCOMPARE(metrics.height(), QFontMetrics(twentyPixels).height());
    const QRect box = boundingBox(points);
    // The letters start at the position and stand on the baseline one ascent below it.
    QVERIFY2(box.left() >= 550 && box.left() <= 552, qPrintable(QString::number(box.left())));
    QVERIFY2(box.top() >= 100 && box.top() <= 100 + metrics.ascent() - metrics.capHeight() + 1,
        qPrintable(QString::number(box.top())));
    QCOMPARE(box.bottom(), 100 + metrics.ascent() - 1);
    QVERIFY(box.right() <= 550 + metrics.horizontalAdvance("extM"));
}

void tst_RasterSurface::drawingsAreNotCleared()
{
    RasterSurface s(canvasSize, ink);
    s.setPixelUnits();
    s.dot(100, 100);
    s.setPixelUnits(); // the next drawing begins
    s.dot(200, 200);
    QCOMPARE(inked(s.image()), QList<QPoint>({ QPoint(100, 100), QPoint(200, 200) }));
}

void tst_RasterSurface::canvasShowsTheWindowColourWhereNothingIsDrawn()
{
    PlatnoDijagrama canvas(nullptr);
    QCOMPARE(canvas.size(), canvasSize);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    const QImage shown = canvas.grab().toImage();
    QCOMPARE(shown.pixelColor(300, 200), canvas.palette().color(QPalette::Window));
}

void tst_RasterSurface::canvasShowsTheDiagramWithProgressOnTheLabel()
{
    Grafik g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.canvas));
    g.draw();

    // Each report painted the bar and the label at once, while the drawing still held the thread.
    QCOMPARE(g.painted.texts, allLabels);
    QStringList barValues;
    for (const QString &label : allLabels)
        barValues << QString(label).remove(QLatin1Char('%'));
    QCOMPARE(g.paintedBar.texts, barValues);
    QVERIFY(g.bar->isHidden());
    QCOMPARE(g.label->text(), QStringLiteral("100%"));
    QCOMPARE(g.bar->value(), 100);

    QCoreApplication::processEvents();
    const QColor text = g.canvas.palette().color(QPalette::WindowText);
    const QColor window = g.canvas.palette().color(QPalette::Window);
    const QImage shown = g.canvas.grab().toImage();
    QCOMPARE(shown.pixelColor(100, 25), text); // beam line
    QCOMPARE(shown.pixelColor(100, 300), text); // shear base line
    QCOMPARE(shown.pixelColor(530, 400), text); // right support vertical of minT
    QCOMPARE(shown.pixelColor(610, 455), window);

    // Hidden and shown again (another tab, a covering window), the picture is still there.
    g.canvas.hide();
    g.canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.canvas));
    QCOMPARE(g.canvas.grab().toImage().pixelColor(100, 25), text);
}

void tst_RasterSurface::secondDrawingPutsTheSameFigureOverTheFirst()
{
    Grafik g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.canvas));
    g.draw();
    const QImage first = g.canvas.image().copy();
    QVERIFY(inked(first).size() > 10000);

    g.draw();
    QCOMPARE(g.painted.texts.first(), QStringLiteral("4%"));
    QCOMPARE(g.painted.texts, allLabels);
    QVERIFY(g.bar->isHidden());
    QVERIFY(g.canvas.image() == first);
}

void tst_RasterSurface::newCanvasStartsEmpty()
{
    {
        Grafik g;
        g.draw();
    }
    PlatnoDijagrama fresh(nullptr);
    QVERIFY(inked(fresh.image()).isEmpty());
}

QTEST_MAIN(tst_RasterSurface)
#include "tst_rastersurface.moc"
