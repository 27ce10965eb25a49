// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingSurface.h"
#include "core/DijagramAnvelopa.h"

#include "Nearly.h"

#include <QTest>

#include <cmath>

namespace {

const UlazniParametri startValues { 206, 208, 5, 9 };
const UlazniParametri singleForce { 0, 208, 0, 9 };

// One drawing of a calculation on a recording surface, each stage closed by its progress report.
struct Drawing
{
    UlazniParametri ulaz;
    RezultatiProracuna r;
    RecordingSurface surface;
    RecordingProgress progress { &surface };
    PetljaDijagrama loop;

    explicit Drawing(const UlazniParametri &u)
        : ulaz(u)
    {
        r.proracunaj(ulaz);
        draw();
    }
    void draw() { nacrtajDijagram(r, surface, progress, loop); }
};

// The pen widths of a stage as "4x4480 1x2008": 4480 dots of width 4, then 2008 of width 1.
QString penRuns(const RecordedStage &s)
{
    QStringList runs;
    for (const PenRun &run : s.runs)
        runs << QStringLiteral("%1x%2").arg(run.penWidth).arg(run.count);
    return runs.join(QLatin1Char(' '));
}

// The figures are given to two decimals.
bool atPixel(const RecordedDot &dot, double x, double y)
{
    return std::abs(dot.x - x) < 0.006 && std::abs(dot.y - y) < 0.006;
}

QString describe(const RecordedDot &dot)
{
    return QStringLiteral("(%1, %2) width %3")
        .arg(dot.x, 0, 'f', 4)
        .arg(dot.y, 0, 'f', 4)
        .arg(dot.penWidth);
}

QString describe(const RecordedMark &m)
{
    if (m.kind == RecordedMark::Circle)
        return QStringLiteral("circle (%1, %2) r %3 pen %4")
            .arg(m.x, 0, 'f', 2)
            .arg(m.y, 0, 'f', 2)
            .arg(m.radius)
            .arg(m.penWidth);
    return QStringLiteral("\"%1\" at (%2, %3) size %4")
        .arg(QString::fromStdString(m.text))
        .arg(m.x, 0, 'f', 2)
        .arg(m.y, 0, 'f', 2)
        .arg(m.fontSize);
}

void addStageColumns()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("dots");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("last");
    QTest::addColumn<QString>("widths");
}

void compareStage(const Drawing &d)
{
    QFETCH(int, stage);
    QFETCH(int, dots);
    QFETCH(QPointF, first);
    QFETCH(QPointF, last);
    QFETCH(QString, widths);
    const RecordedStage &s = d.surface.stage(stage);
    QCOMPARE(s.dots, long(dots));
    QVERIFY2(atPixel(s.firstDot(), first.x(), first.y()), qPrintable(describe(s.firstDot())));
    QVERIFY2(atPixel(s.lastDot(), last.x(), last.y()), qPrintable(describe(s.lastDot())));
    QCOMPARE(penRuns(s), widths);
    QVERIFY(s.marks.empty());
}

} // namespace

class tst_DijagramAnvelopa : public QObject
{
    Q_OBJECT

private slots:
    void startValueStages_data();
    void startValueStages();
    void onlyStagesTwoAndFifteenTruncate();
    void startValueLegendsCirclesAndNumbers();
    void singleForceStages_data();
    void singleForceStages();
    void singleForceNumbers();
    void progressAfterEveryStage();
    void secondDrawingStartsAgainAtFourPercent();
    void loopVariablesKeepTheValuesThatEndedTheirLoops();
    void worstCaseVerticalsUseTheFinestSteps();
};

void tst_DijagramAnvelopa::startValueStages_data()
{
    // Every stage sets its pen width after each dot, so its first dot has the width the stage
    // before left: hence the single dot at the head of most runs. A fresh surface starts at 1.
    addStageColumns();
    QTest::newRow("1 beam line") << 1 << 506 << QPointF(25, 25) << QPointF(530, 25) << "1x1 4x505";
    // 6488 steps from 0 to 6.4879; thick up to and including the first dot past the
    // intersection at pixel 276.3.
    QTest::newRow("2 parabola I") << 2 << 6488 << QPointF(25, 25) << QPointF(388, 25)
                                  << "4x4480 1x2008";
    QTest::newRow("3 parabola II")
        << 3 << 6513 << QPointF(164.60, 25) << QPointF(530.00, 25.01) << "1x1992 4x4521";
    QTest::newRow("4 vertical at XmaxI")
        << 4 << 485 << QPointF(207.02, 25) << QPointF(207.02, 173.87) << "4x485";
    QTest::newRow("5 vertical at XmaxII")
        << 5 << 488 << QPointF(347.30, 25) << QPointF(347.30, 174.79) << "4x488";
    QTest::newRow("6 vertical at the intersection")
        << 6 << 414 << QPointF(276.28, 25) << QPointF(276.28, 152.03) << "4x414";
    QTest::newRow("7 shear base line")
        << 7 << 501 << QPointF(25, 300) << QPointF(525, 300) << "4x501";
    QTest::newRow("8 maxT II in its zone")
        << 8 << 4001 << QPointF(25, 200.37) << QPointF(249.44, 261.80) << "4x4001";
    QTest::newRow("9 maxT I up to its zone")
        << 9 << 4001 << QPointF(25, 231.23) << QPointF(249.44, 261.80) << "4x1 1x4000";
    QTest::newRow("10 maxT I in its zone")
        << 10 << 5000 << QPointF(249.44, 261.80) << QPointF(529.94, 299.99) << "1x1 4x4999";
    QTest::newRow("11 positive line of R")
        << 11 << 9000 << QPointF(25, 161.80) << QPointF(529.94, 299.98) << "4x1 1x8999";
    QTest::newRow("12 minT I in its zone")
        << 12 << 5000 << QPointF(25, 300) << QPointF(305.50, 338.57) << "1x1 4x4999";
    QTest::newRow("13 minT I beyond its zone")
        << 13 << 4000 << QPointF(305.56, 338.58) << QPointF(529.94, 369.43) << "4x1 1x3999";
    QTest::newRow("14 minT II in its zone")
        << 14 << 4000 << QPointF(305.56, 338.58) << QPointF(529.94, 399.98) << "1x1 4x3999";
    QTest::newRow("15 negative line of R")
        << 15 << 9000 << QPointF(25, 300) << QPointF(529, 438) << "4x1 1x8999";
    // Verticals: t = 0 ... 298 thick and 298.44 ... 413.44 thin at the left support, and so on.
    QTest::newRow("16 left support, thick")
        << 16 << 299 << QPointF(25, 300) << QPointF(25, 200.52) << "1x1 4x298";
    QTest::newRow("17 left support, thin")
        << 17 << 116 << QPointF(25, 200.37) << QPointF(25, 161.98) << "4x1 1x115";
    QTest::newRow("18 end of maxT II, thick")
        << 18 << 115 << QPointF(249.44, 300) << QPointF(249.44, 261.94) << "1x1 4x114";
    QTest::newRow("19 end of maxT II, thin")
        << 19 << 116 << QPointF(249.44, 261.80) << QPointF(249.44, 223.41) << "4x1 1x115";
    QTest::newRow("20 right support, thick")
        << 20 << 300 << QPointF(530, 300) << QPointF(530, 399.81) << "1x1 4x299";
    QTest::newRow("21 right support, thin")
        << 21 << 115 << QPointF(530, 400) << QPointF(530, 438.06) << "4x1 1x114";
    QTest::newRow("22 end of minT I, thick")
        << 22 << 116 << QPointF(305.56, 300) << QPointF(305.56, 338.39) << "1x1 4x115";
    QTest::newRow("23 end of minT I, thin")
        << 23 << 115 << QPointF(305.56, 338.58) << QPointF(305.56, 376.63) << "4x1 1x114";
}

void tst_DijagramAnvelopa::startValueStages()
{
    static const Drawing d(startValues);
    compareStage(d);
}

void tst_DijagramAnvelopa::onlyStagesTwoAndFifteenTruncate()
{
    const Drawing d(startValues);
    for (int k = 2; k <= 23; ++k) {
        if (k == 7)
            continue; // the base line runs over whole pixels anyway
        const bool truncated = k == 2 || k == 15;
        QVERIFY2(d.surface.stage(k).wholePixels == truncated, qPrintable(QString::number(k)));
    }
}

void tst_DijagramAnvelopa::startValueLegendsCirclesAndNumbers()
{
    const Drawing d(startValues);
    QCOMPARE(d.surface.stageCount(), 24);
    QCOMPARE(d.surface.stage(24).dots, 0L);
    QStringList marks;
    for (const RecordedMark &m : d.surface.stage(24).marks)
        marks << describe(m);
    const QStringList expected {
        "\"maxT\" at (60.00, 150.00) size 15",
        "\"minT\" at (455.00, 430.00) size 15",
        "\"extM\" at (550.00, 100.00) size 15",
        "circle (570.00, 112.00) r 25 pen 3",
        "\"extT\" at (550.00, 285.00) size 15",
        "circle (570.00, 297.00) r 25 pen 3",
        "\"484.07\" at (182.02, 178.89) size 10",
        "\"413.99\" at (251.28, 169.33) size 10",
        "\"487.68\" at (322.30, 180.00) size 10",
        "\"298.44\" at (30.00, 170.37) size 10",
        "\"299.56\" at (535.00, 430.00) size 10",
        "\"114.44\" at (254.44, 231.80) size 10",
        "\"115.56\" at (310.56, 368.58) size 10",
    };
    QCOMPARE(marks, expected);
    // The pen and the font stay as the last stage left them.
    QCOMPARE(d.surface.penWidth(), 3);
    QCOMPARE(d.surface.fontSize(), 10.0);
    QCOMPARE(d.surface.pixelUnitsCalls(), 1);
}

void tst_DijagramAnvelopa::singleForceStages_data()
{
    addStageColumns();
    // Xpreseka = 0: parabola I turns thin after its first dot; parabola II turns thick after its
    // second.
    QTest::newRow("2 parabola I") << 2 << 9000 << QPointF(25, 25) << QPointF(529, 25)
                                  << "4x1 1x8999";
    QTest::newRow("3 parabola II")
        << 3 << 9000 << QPointF(25, 25) << QPointF(529.94, 25.07) << "1x2 4x8998";
    QTest::newRow("4 vertical at XmaxI")
        << 4 << 469 << QPointF(277.5, 25) << QPointF(277.5, 175) << "4x469";
    QTest::newRow("6 intersection is one dot")
        << 6 << 1 << QPointF(25, 25) << QPointF(25, 25) << "4x1";
    // maxT I has both constants 0: a thin line along the base line, then one dot at the support.
    QTest::newRow("9 maxT I along the base line")
        << 9 << 9000 << QPointF(25, 300) << QPointF(529.94, 300) << "4x1 1x8999";
    QTest::newRow("10 maxT I is one dot")
        << 10 << 1 << QPointF(530, 300) << QPointF(530, 300) << "1x1";
    // The zone of minT I is the point x = 0.
    QTest::newRow("12 minT I is one dot")
        << 12 << 1 << QPointF(25, 300) << QPointF(25, 300) << "1x1";
    QTest::newRow("13 minT I over the span")
        << 13 << 9000 << QPointF(25, 300) << QPointF(529.94, 399.99) << "4x1 1x8999";
    QTest::newRow("16 left support up to P2")
        << 16 << 209 << QPointF(25, 300) << QPointF(25, 200) << "1x1 4x208";
    QTest::newRow("17 nothing above the envelope")
        << 17 << 1 << QPointF(25, 200) << QPointF(25, 200) << "4x1";
}

void tst_DijagramAnvelopa::singleForceStages()
{
    static const Drawing d(singleForce);
    compareStage(d);
}

void tst_DijagramAnvelopa::singleForceNumbers()
{
    const Drawing d(singleForce);
    const auto &marks = d.surface.stage(24).marks;
    QCOMPARE(marks.size(), size_t(13));
    // Mpreseka = 0 at Xpreseka = 0.
    QCOMPARE(describe(marks[7]), QStringLiteral("\"0.00\" at (0.00, 42.00) size 10"));
    QCOMPARE(describe(marks[6]), QStringLiteral("\"468.00\" at (252.50, 180.00) size 10"));
    QCOMPARE(describe(marks[10]), QStringLiteral("\"208.00\" at (535.00, 430.00) size 10"));
    QCOMPARE(describe(marks[12]), QStringLiteral("\"0.00\" at (30.00, 330.00) size 10"));
}

void tst_DijagramAnvelopa::progressAfterEveryStage()
{
    const Drawing d(startValues);
    const auto &calls = d.progress.calls();
    QCOMPARE(calls.size(), size_t(2 + 2 * 24 + 1));
    QCOMPARE(calls[0], std::string("show"));
    QCOMPARE(calls[1], std::string("range 0 100"));
    QCOMPARE(calls.back(), std::string("hide"));
    for (int k = 1; k <= 24; ++k) {
        QVERIFY(calls[2 * k].rfind("value ", 0) == 0);
        QCOMPARE(calls[2 * k + 1], "label " + d.progress.labels()[k - 1]);
        QCOMPARE(d.progress.values()[k - 1], float(k) * 100.0f / 24.0f);
    }
    const std::vector<std::string> expected { "4%", "8%", "13%", "17%", "21%", "25%", "29%", "33%",
        "38%", "42%", "46%", "50%", "54%", "58%", "63%", "67%", "71%", "75%", "79%", "83%", "88%",
        "92%", "96%", "100%" };
    QCOMPARE(d.progress.labels(), expected);
    QVERIFY(!d.progress.barVisible());
    QCOMPARE(d.progress.minimum(), 0);
    QCOMPARE(d.progress.maximum(), 100);
}

void tst_DijagramAnvelopa::secondDrawingStartsAgainAtFourPercent()
{
    Drawing d(startValues);
    std::vector<long> firstDots;
    for (int k = 1; k <= 24; ++k)
        firstDots.push_back(d.surface.stage(k).dots);
    std::vector<std::string> firstTexts;
    for (const RecordedMark &m : d.surface.stage(24).marks)
        firstTexts.push_back(describe(m).toStdString());

    d.surface.clear();
    d.progress.clear();
    d.draw();

    QCOMPARE(d.progress.calls().front(), std::string("show"));
    QCOMPARE(d.progress.labels().front(), std::string("4%"));
    QCOMPARE(d.progress.labels().back(), std::string("100%"));
    QVERIFY(!d.progress.barVisible());
    for (int k = 1; k <= 24; ++k)
        QCOMPARE(d.surface.stage(k).dots, firstDots[k - 1]);
    std::vector<std::string> secondTexts;
    for (const RecordedMark &m : d.surface.stage(24).marks)
        secondTexts.push_back(describe(m).toStdString());
    QCOMPARE(secondTexts, firstTexts);
    // The beam line's first dot now carries the width 3 that the legends left.
    QCOMPARE(d.surface.stage(1).firstDot().penWidth, 3);
    QCOMPARE(penRuns(d.surface.stage(1)), QStringLiteral("3x1 4x505"));
}

void tst_DijagramAnvelopa::loopVariablesKeepTheValuesThatEndedTheirLoops()
{
    const Drawing d(startValues);
    // x ended stage 15 at the first value past L, the shear ended stage 23 past (R/L)*e = 230.
    QVERIFY(d.loop.dblXgrafik > 9.0);
    QVERIFY(d.loop.dblXgrafik < 9.0 + 0.001);
    QVERIFY(d.loop.dblYgrafik > 230.0);
    QVERIFY(d.loop.dblYgrafik < 231.0);
}

void tst_DijagramAnvelopa::worstCaseVerticalsUseTheFinestSteps()
{
    // Mref just under 0.1 takes hM = 0.0000001 and Tref hT = 0.000001: about 3.2 million dots.
    const Drawing d({ 0.05, 0.05, 0.001, 4 });
    long total = 0;
    for (int k = 1; k <= 24; ++k)
        total += d.surface.stage(k).dots;
    QVERIFY2(total > 3200000 && total < 3250000, qPrintable(QString::number(total)));
    QCOMPARE(d.surface.stage(4).dots, 999751L);
    QCOMPARE(d.surface.stage(16).dots, 99988L);
    // The verticals still end at their scales: Mref 150 pixels below the beam line.
    QVERIFY(std::abs(d.surface.stage(4).lastDot().y - 175) < 0.001);
}

QTEST_APPLESS_MAIN(tst_DijagramAnvelopa)
#include "tst_dijagramanvelopa.moc"
