// SPDX-License-Identifier: GPL-3.0-or-later

// Inputs at the limits of every field, typed and run through the calculation, the results window,
// the diagram and both listings: every run ends, every number shown is a finite number in its
// format, and the diagram draws no more dots than its sampling steps imply.

#include "PoljaZapisa.h"
#include "ProgramRun.h"

#include "RecordingSurface.h"
#include "core/DijagramAnvelopa.h"
#include "core/NumberText.h"
#include "core/RazmereDijagrama.h"
#include "core/RezultatiProracuna.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <cmath>

using namespace ProgramRun;

namespace {

// Far below what the drawing may cost: the finest steps give about 3 million dots.
constexpr long najviseTacaka = 5'000'000;

QString tekst(double value)
{
    return QString::fromStdString(NumberText::general(value));
}

double broj(const QString &text)
{
    return NumberText::parseSigned(text.toStdString()).value_or(NAN);
}

// A section typed into a five-character field: the leading zero dropped, then cut to fit.
QString presek(double x)
{
    QString text = tekst(x);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return text.left(5);
}

// The results window: every display field, then extM and extT at the supports and at mid-span.
void proveriRezultate(QDialog *izlazna, const QString &Ltekst)
{
    proveriPrikaz(izlazna);
    const QString sredina = presek(broj(Ltekst) / 2);
    const auto tekstPolja
        = [izlazna](const char *name) { return polje(izlazna, QLatin1String(name))->text(); };

    for (const QString &x : { QStringLiteral("0"), sredina, Ltekst }) {
        unesi(polje(izlazna, QStringLiteral("txtProizvoljnoX")), QStringLiteral("{Backspace}") + x);
        klikni(izlazna->findChild<QPushButton *>(
            QStringLiteral("cmdMomentSavijanjaUProizvoljnomPreseku")));
        const QString MI = tekstPolja("txtProizvoljnoKNmPI");
        const QString MII = tekstPolja("txtProizvoljnoKNmPII");
        const QString extM = tekstPolja("txtEXTMProizvoljniPresek");
        const QString where = QStringLiteral(" at x = ") + x;
        QVERIFY2(jeBroj(MI, 2) && jeBroj(MII, 2) && jeBroj(extM, 2),
            qPrintable(MI + QLatin1Char(' ') + MII + QLatin1Char(' ') + extM + where));
        QVERIFY2(extM == MI || extM == MII, qPrintable(extM + where));
        if (x != sredina)
            QCOMPARE(extM, QStringLiteral("0.00")); // no moment over a support
    }

    auto *tabs = izlazna->findChild<QTabBar *>(QStringLiteral("TabStrip1"));
    klikni(tabs, tabs->tabRect(1).center());
    for (const QString &x : { QStringLiteral("0"), sredina, Ltekst }) {
        unesi(polje(izlazna, QStringLiteral("txtProizvoljnoXZaExtT")),
            QStringLiteral("{Backspace}") + x);
        klikni(izlazna->findChild<QPushButton *>(
            QStringLiteral("cmdTransverzalnaSilaUProizvoljnomPreseku")));
        const QString maxT = tekstPolja("txtProizvoljnoMaxT");
        const QString minT = tekstPolja("txtProizvoljnoMinT");
        const QString where = QStringLiteral(" at x = ") + x;
        QVERIFY2(
            jeBroj(maxT, 2) && jeBroj(minT, 2), qPrintable(maxT + QLatin1Char(' ') + minT + where));
        if (x == QLatin1String("0"))
            QCOMPARE(minT, QStringLiteral("0.00")); // nothing left of the left support
        if (x == Ltekst)
            QCOMPARE(maxT, QStringLiteral("0.00")); // nothing right of the right support
    }
    bezNeBrojeva(izlazna);

    // The diagram on the screen, to its end; the recording below counts its dots.
    klikni(tabs, tabs->tabRect(2).center());
    QCOMPARE(izlazna->findChild<QLabel *>(QStringLiteral("lblProcenat"))->text(),
        QStringLiteral("100%"));
    QVERIFY(!izlazna->findChild<QWidget *>(QStringLiteral("ProgressBar1"))->isVisible());
}

// One listing window: n = 1, 99 and 0.5 fields, each listed and read back line by line.
void proveriListing(QDialog *listing, bool moment, const QString &Ltekst)
{
    const QString number = QStringLiteral("(-?[0-9]+\\.[0-9]{3})");
    const QRegularExpression line(moment
            ? QStringLiteral("^x\\[m\\]= %1\t\tM\\[kNm\\]= %1$").arg(number)
            : QStringLiteral("^x\\[m\\]= %1\t\tmaxT\\[kN\\]= %1\t\tminT\\[kN\\]= %1$").arg(number));
    auto *list = listing->findChild<QListWidget *>(
        moment ? QStringLiteral("lstExtM") : QStringLiteral("lstExtT"));
    const QString Lzadnje = QString::fromStdString(NumberText::fixed(broj(Ltekst), 3));

    const std::pair<const char *, int> brojevi[] = { { "1", 2 }, { "99", 100 }, { ".5", 1 } };
    for (const auto &[n, count] : brojevi) {
        unesi(polje(listing, QStringLiteral("txtBrojPolja")),
            QStringLiteral("{Backspace}") + QLatin1String(n));
        izaberi(listing, "mnuDatotekaProracun");
        QCOMPARE(list->count(), count);
        double xBefore = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->item(i)->text();
            const auto match = line.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            for (int k = 1; k <= match.lastCapturedIndex(); ++k)
                QVERIFY2(jeBroj(match.captured(k), 3), qPrintable(text));
            const double x = broj(match.captured(1));
            QVERIFY2(x >= xBefore, qPrintable(text));
            xBefore = x;
            // extM and maxT are never negative, minT never positive.
            QVERIFY2(!match.captured(2).startsWith(QLatin1Char('-')), qPrintable(text));
            if (!moment)
                QVERIFY2(broj(match.captured(3)) <= 0, qPrintable(text));
        }
        const auto first = line.match(list->item(0)->text());
        const auto last = line.match(list->item(list->count() - 1)->text());
        QCOMPARE(first.captured(1), QStringLiteral("0.000"));
        if (count > 1)
            QCOMPARE(last.captured(1), Lzadnje);
        if (moment) {
            QCOMPARE(first.captured(2), QStringLiteral("0.000"));
            if (count > 1)
                QCOMPARE(last.captured(2), QStringLiteral("0.000"));
        } else {
            QCOMPARE(first.captured(3), QStringLiteral("0.000"));
            if (count > 1)
                QCOMPARE(last.captured(2), QStringLiteral("0.000"));
        }
    }
    bezNeBrojeva(listing);
}

// A stage that samples from a to b with step h draws about floor((b - a) / h) + 1 dots.
struct Uzorak
{
    double a;
    double b;
    double h;
};

// The stages of the diagram in the order it draws them, each with the range and step it samples.
std::vector<Uzorak> uzorci(const RezultatiProracuna &r, const UlazniParametri &u)
{
    const RazmereDijagrama s = razmereDijagrama(r);
    const double hx = korakGrede(u.L);
    const double hM = korakMomenta(s.Mref);
    const double hT = korakSile(s.Tref);
    const double R = r.dblR();
    const double L = u.L;
    const double maxTKrajII = r.dblKBmaxTII() - r.dblKAmaxTII() * r.dblMaxTIIZonaVazenjaDesno();
    const double minTDesno = r.dblMinTIIZonaVazenjaDesno() * r.dblKAminTII() - r.dblKBminTII();
    const double minTKrajI = r.dblMinTIZonaVazenjaDesno() * r.dblKAminTI();
    return {
        { 25, 530, 1 }, // the beam line, in pixels
        { r.dblX01I(), r.dblX02I(), hx }, // parabola I between its zeros
        { r.dblX01II(), r.dblX02II(), hx }, // parabola II between its zeros
        { 0, r.dblMmaxI(), hM }, // verticals to both maxima and to the intersection
        { 0, r.dblMmaxII(), hM }, { 0, r.dblMpreseka(), hM },
        { 25, 525, 1 }, // the shear base line, in pixels
        { r.dblMaxTIIZonaVazenjaLevo(), r.dblMaxTIIZonaVazenjaDesno(), hx }, // the shear lines
        { 0, r.dblMaxTIZonaVazenjaLevo(), hx },
        { r.dblMaxTIZonaVazenjaLevo(), r.dblMaxTIZonaVazenjaDesno(), hx }, { 0, L, hx },
        { r.dblMinTIZonaVazenjaLevo(), r.dblMinTIZonaVazenjaDesno(), hx },
        { r.dblMinTIZonaVazenjaDesno(), L, hx },
        { r.dblMinTIIZonaVazenjaLevo(), r.dblMinTIIZonaVazenjaDesno(), hx },
        { 0, L, hx }, // the reference line of R
        { 0, r.dblKBmaxTII(), hT }, // shear verticals at the left support
        { r.dblKBmaxTII(), R, hT }, { 0, maxTKrajII, hT }, // at the end of the first maxT zone
        { maxTKrajII, R - R / L * r.dblMaxTIIZonaVazenjaDesno(), hT },
        { 0, minTDesno, hT }, // at the right support
        { minTDesno, R, hT }, { 0, minTKrajI, hT }, // at the end of the first minT zone
        { minTKrajI, R / L * r.dblMinTIZonaVazenjaDesno(), hT },
        { 0, -1, 1 }, // legends and values only
    };
}

void proveriDijagram(const RezultatiProracuna &r, const UlazniParametri &u)
{
    RecordingSurface surface;
    RecordingProgress progress(&surface);
    PetljaDijagrama loop;
    nacrtajDijagram(r, surface, progress, loop);

    QCOMPARE(progress.labels().size(), std::size_t(24));
    QCOMPARE(progress.labels().back(), std::string("100%"));
    QVERIFY(!progress.barVisible());
    QCOMPARE(surface.stageCount(), 24);

    const RazmereDijagrama s = razmereDijagrama(r);
    // What the steps allow at most, whatever the ranges: a line along the beam spans L, a moment
    // vertical the larger maximum, a shear vertical no more than R.
    const double xMost = u.L / korakGrede(u.L) + 2;
    const double mMost = s.Mref / korakMomenta(s.Mref) + 2;
    const double tMost = r.dblR() / korakSile(s.Tref) + 2;
    const std::vector<Uzorak> stages = uzorci(r, u);
    long total = 0;
    for (int k = 1; k <= 24; ++k) {
        const Uzorak &z = stages[k - 1];
        QVERIFY2(std::isfinite(z.a) && std::isfinite(z.b), qPrintable(QString::number(k)));
        const double expected = z.b >= z.a ? std::floor((z.b - z.a) / z.h) + 1 : 0;
        const long dots = surface.stage(k).dots;
        const QString what = QStringLiteral("stage %1: %2 dots, about %3 expected")
                                 .arg(k)
                                 .arg(dots)
                                 .arg(expected, 0, 'f', 0);
        QVERIFY2(std::abs(dots - expected) <= 1, qPrintable(what));
        const double most = k == 1 || k == 7 ? 506
            : k <= 3 || (k >= 8 && k <= 15)  ? xMost
            : k <= 6                         ? mMost
                                             : tMost;
        QVERIFY2(dots <= most, qPrintable(what));
        for (const PenRun &run : surface.stage(k).runs) {
            for (const RecordedDot &d : { run.first, run.last })
                QVERIFY2(std::isfinite(d.x) && std::isfinite(d.y), qPrintable(what));
        }
        total += dots;
    }
    QVERIFY2(total < najviseTacaka, qPrintable(QString::number(total)));

    // The last stage writes the legends and, as "#0.00", the characteristic values.
    const QStringList legends { QStringLiteral("maxT"), QStringLiteral("minT"),
        QStringLiteral("extM"), QStringLiteral("extT") };
    int values = 0;
    for (const RecordedMark &m : surface.stage(24).marks) {
        QVERIFY(std::isfinite(m.x) && std::isfinite(m.y));
        const QString text = QString::fromStdString(m.text);
        if (m.kind == RecordedMark::Text && !legends.contains(text)) {
            QVERIFY2(jeBroj(text, 2), qPrintable(text));
            ++values;
        }
    }
    QCOMPARE(values, 7);
}

} // namespace

class tst_ExtremeValues : public QObject
{
    Q_OBJECT

private slots:
    void extremeInputsRunThroughEveryWindowAndTheDiagram_data();
    void extremeInputsRunThroughEveryWindowAndTheDiagram();
};

void tst_ExtremeValues::extremeInputsRunThroughEveryWindowAndTheDiagram_data()
{
    QTest::addColumn<QString>("P1");
    QTest::addColumn<QString>("P2");
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("L");
    QTest::addColumn<QString>("eComputed"); // a single force (P1 = 0) sets e to 0

    const auto row = [](const char *P1, const char *P2, const char *e, const char *L) {
        QTest::addRow("P1=%s P2=%s e=%s L=%s", P1, P2, e, L)
            << QString::fromLatin1(P1) << QString::fromLatin1(P2) << QString::fromLatin1(e)
            << QString::fromLatin1(L) << QString::fromLatin1(qstrcmp(P1, "0") == 0 ? "0" : e);
    };
    // The shortest and longest spans, and those where the sampling step changes; e from 0 to
    // just under L (the shortest span leaves e no room but 0).
    const std::pair<const char *, std::vector<const char *>> spans[] = {
        { ".001", { "0" } },
        { ".1", { "0", ".099" } },
        { "9.99", { "0", "9.98" } },
        { "9999", { "0", "9998" } },
    };
    const std::pair<const char *, const char *> forces[] = {
        { "0", ".0001" }, // the smallest single force
        { "0", "99999" }, // the largest single force
        { ".0001", ".0001" },
        { "1", "1" },
        { ".0001", "99999" },
        { "99999", ".0001" },
        { "99999", "99999" },
    };
    for (const auto &[L, distances] : spans) {
        for (const char *e : distances) {
            for (const auto &[P1, P2] : forces)
                row(P1, P2, e, L);
        }
    }
    row("1", "1", ".05", ".1");
    row("206", "208", "5", "9.99");
    row("99999", "99999", "5000", "9999");
    // The moment maximum just under 0.1 kNm takes the finest moment step: the costliest drawing.
    row("1.998", "1.998", "0", ".1");
}

void tst_ExtremeValues::extremeInputsRunThroughEveryWindowAndTheDiagram()
{
    QFETCH(QString, P1);
    QFETCH(QString, P2);
    QFETCH(QString, e);
    QFETCH(QString, L);
    QFETCH(QString, eComputed);
    Program p;
    frmParametri &w = *p.parametri;
    unesi(w.txtSila1(), QStringLiteral("{Backspace}") + P1);
    unesi(w.txtSila2(), QStringLiteral("{Backspace}") + P2);
    unesi(w.txtRazmakSila(), QStringLiteral("{Backspace}") + e);
    unesi(w.txtRasponGrede(), QStringLiteral("{Backspace}") + L);
    QCOMPARE((QStringList { w.txtSila1()->text(), w.txtSila2()->text(), w.txtRazmakSila()->text(),
                 w.txtRasponGrede()->text() }),
        (QStringList { P1, P2, e, L }));

    p.uProzoru(QStringLiteral("frmIzlazna"), [&](QDialog *izlazna) {
        proveriRezultate(izlazna, L);
        izaberi(izlazna, "mnuProracunExtMUProizvoljnimPresecima");
        izaberi(izlazna, "mnuProracunExtTUProizvoljnimPresecima");
        izaberi(izlazna, "mnuDatotekaIzlaz");
    });
    p.uProzoru(QStringLiteral("frmListingExtM"), [&](QDialog *listing) {
        proveriListing(listing, true, L);
        izaberi(listing, "mnuDatotekaIzlaz");
    });
    p.uProzoru(QStringLiteral("frmListingExtT"), [&](QDialog *listing) {
        proveriListing(listing, false, L);
        izaberi(listing, "mnuDatotekaIzlaz");
    });
    p.proracunaj();

    QCOMPARE(p.watcher.texts(), QStringList());
    QCOMPARE(w.txtRazmakSila()->text(), eComputed);
    QCOMPARE(p.otvaranja(QStringLiteral("frmIzlazna")), 1);
    QCOMPARE(p.otvaranja(QStringLiteral("frmListingExtM")), 1);
    QCOMPARE(p.otvaranja(QStringLiteral("frmListingExtT")), 1);
    bezNeBrojeva(&w);

    const UlazniParametri ulaz = w.rezultati().ulaz();
    QCOMPARE(ulaz.e, broj(eComputed));
    for (const double v : svaPolja(w.rezultati()))
        QVERIFY(std::isfinite(v));
    proveriDijagram(w.rezultati(), ulaz);
}

QTEST_MAIN(tst_ExtremeValues)
#include "tst_extremevalues.moc"
