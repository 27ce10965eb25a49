// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/KontroleUnosa.h"

#include "ProveraRedovi.h"
#include "RefusalTexts.h"

#include <QTest>

using namespace KontroleUnosa;

namespace {

const QStringList imenaUlaza { QStringLiteral("txtSila1"), QStringLiteral("txtSila2"),
    QStringLiteral("txtRazmakSila"), QStringLiteral("txtRasponGrede") };

QString ime(Ulaz u)
{
    return imenaUlaza.at(static_cast<int>(u));
}

TekstoviUlaza tekstovi(const QStringList &t)
{
    return { t[0].toStdString(), t[1].toStdString(), t[2].toStdString(), t[3].toStdString() };
}

QStringList qt(const TekstoviUlaza &t)
{
    return { QString::fromStdString(t[0]), QString::fromStdString(t[1]),
        QString::fromStdString(t[2]), QString::fromStdString(t[3]) };
}

QList<double> brojevi(const UlazniParametri &u)
{
    return { u.P1, u.P2, u.e, u.L };
}

} // namespace

class tst_KontroleUnosa : public QObject
{
    Q_OBJECT

private slots:
    void valueChecksRunInOrder_data();
    void valueChecksRunInOrder();
    void emptyTextStopsTheCommand_data();
    void emptyTextStopsTheCommand();
    void sectionCheck_data();
    void sectionCheck();
    void fieldCount_data();
    void fieldCount();
};

void tst_KontroleUnosa::valueChecksRunInOrder_data()
{
    koloneProvere();

    redProvere("start values", "206, 208, 5, 9", {}, "206, 208, 5, 9", { 206, 208, 5, 9 });
    redProvere("distance just under the span", "206, 208, 8.99, 9", {}, "206, 208, 8.99, 9",
        { 206, 208, 8.99, 9 });
    // P1 = 0 is a single force: e becomes 0 silently, before e's own check.
    redProvere("single force", "0, 150, 3, 6", {}, "0, 150, 0, 6", { 0, 150, 0, 6 });
    redProvere(
        "single force, e a lone point", "0., 150, ., 6", {}, "0., 150, 0, 6", { 0, 150, 0, 6 });
    redProvere("P1 a lone point", "., 208, 5, 9", { porukaP1 }, "206, 208, 5, 9");
    redProvere("P1 and L lone points, P1 first", "., 208, 5, .", { porukaP1, porukaRaspon },
        "206, 208, 5, 9");
    redProvere("P2 a lone point", "206, ., 5, 9", { porukaP2 }, "206, 208, 5, 9");
    redProvere("P2 zero", "206, 0, 5, 9", { porukaP2Nula }, "206, 208, 5, 9");
    redProvere("P2 zero written .0", "206, .0, 5, 9", { porukaP2Nula }, "206, 208, 5, 9");
    redProvere(
        "P1 and P2 zero: e set to 0, P2 refused", "0, 0, 5, 9", { porukaP2Nula }, "0, 208, 0, 9");
    redProvere(
        "P1 a lone point and P2 zero", "., 0, 5, 9", { porukaP1, porukaP2Nula }, "206, 208, 5, 9");
    redProvere("e a lone point", "206, 208, ., 9", { porukaRazmak }, "206, 208, 5, 9");
    redProvere("e a lone point, its reset not under L", "206, 208, ., 4",
        { porukaRazmak, porukaRastojanje }, "206, 208, 3.9, 4");
    redProvere("L a lone point", "206, 208, 5, .", { porukaRaspon }, "206, 208, 5, 9");
    redProvere("L zero: reset to 9, e = 5 then passes", "206, 208, 5, 0", { porukaRaspon },
        "206, 208, 5, 9");
    redProvere("L zero, e beyond the reset span", "206, 208, 12, .0",
        { porukaRaspon, porukaRastojanje }, "206, 208, 8.9, 9");
    redProvere("e equal to L", "206, 208, 9, 9", { porukaRastojanje }, "206, 208, 8.9, 9");
    redProvere(
        "e greater than L", "206, 208, 9.5, 9.4", { porukaRastojanje }, "206, 208, 9.3, 9.4");
    redProvere(
        "L = 12.3 gives 12.2", "206, 208, 20, 12.3", { porukaRastojanje }, "206, 208, 12.2, 12.3");
    redProvere("L = 0.3 gives 0.2, not 0.19999999999999998", "206, 208, 1, 0.3",
        { porukaRastojanje }, "206, 208, 0.2, 0.3");
    redProvere(
        "L = 0.15 gives 0.05", "206, 208, 1, .15", { porukaRastojanje }, "206, 208, 0.05, .15");
    redProvere("L = 0.1 gives 0", "206, 208, 1, .1", { porukaRastojanje }, "206, 208, 0, .1");
    // L - 0.1 would be negative: a negative distance means nothing, so 0 is written.
    redProvere("L = 0.05 gives 0, not -0.05", "206, 208, 1, 0.05", { porukaRastojanje },
        "206, 208, 0, 0.05");
    redProvere("L = 9999 gives 9998.9, longer than the field takes", "206, 208, 9999, 9999",
        { porukaRastojanje }, "206, 208, 9998.9, 9999");
    redProvere("every field a lone point", "., ., ., .",
        { porukaP1, porukaP2, porukaRazmak, porukaRaspon }, "206, 208, 5, 9");
    // Pasted texts that are no number are refused like the lone point, with the same reset.
    redProvere("P1 pasted letters", "abc, 208, 5, 9", { porukaP1 }, "206, 208, 5, 9");
    redProvere("P1 pasted plus sign", "+5, 208, 5, 9", { porukaP1 }, "206, 208, 5, 9");
    redProvere("P2 pasted negative", "206, -3, 5, 9", { porukaP2 }, "206, 208, 5, 9");
    redProvere("P2 pasted two points", "206, 1..5, 5, 9", { porukaP2 }, "206, 208, 5, 9");
    redProvere("e pasted exponent", "206, 208, 1e5, 9", { porukaRazmak }, "206, 208, 5, 9");
    redProvere("e pasted space", "206, 208,  2, 9", { porukaRazmak }, "206, 208, 5, 9");
    redProvere("L pasted comma", "206, 208, 5, 1,5", { porukaRaspon }, "206, 208, 5, 9");
    redProvere("L pasted nan", "206, 208, 5, nan", { porukaRaspon }, "206, 208, 5, 9");
    // Values beyond what the fields take when typed arrive only without typing.
    redProvere("the largest typed values", "99999, 99999, 9998, 9999", {},
        "99999, 99999, 9998, 9999", { 99999, 99999, 9998, 9999 });
    redProvere("P1 beyond its field", "100000, 208, 5, 9", { porukaP1 }, "206, 208, 5, 9");
    redProvere("P2 beyond its field", "206, 99999.5, 5, 9", { porukaP2 }, "206, 208, 5, 9");
    redProvere("e beyond its field", "206, 208, 10000, 9", { porukaRazmak }, "206, 208, 5, 9");
    redProvere("L 1e16 beyond its field", "206, 208, 5, 10000000000000000", { porukaRaspon },
        "206, 208, 5, 9");
}

void tst_KontroleUnosa::valueChecksRunInOrder()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, after);
    QFETCH(QList<double>, computed);

    QVERIFY(KontrolaDuzine(tekstovi(typed)));
    const ProveraUlaza p = KontrolaVrednosti(tekstovi(typed));
    QStringList shown;
    for (const Ispravka &i : p.ispravke) {
        if (!i.poruka) {
            // The single force's distance: no message, and the focus stays where it was.
            QCOMPARE(ime(i.polje), QStringLiteral("txtRazmakSila"));
            QCOMPARE(i.reset, std::string("0"));
            QVERIFY(!i.fokus);
            continue;
        }
        const QString poruka = QString::fromUtf8(tekst(*i.poruka));
        shown << poruka;
        QVERIFY(i.fokus);
        QCOMPARE(ime(*i.fokus), fokusPoruke.at(poruka));
    }
    QCOMPARE(shown, messages);
    QCOMPARE(qt(p.tekstovi), after);
    QCOMPARE(p.prihvaceno, !computed.isEmpty());
    if (p.prihvaceno)
        QCOMPARE(brojevi(p.ulaz), computed);

    // The texts a refusal leaves behind always pass the next command, which computes with them.
    const ProveraUlaza next = KontrolaVrednosti(p.tekstovi);
    QVERIFY(next.prihvaceno);
    QCOMPARE(qt(next.tekstovi), after);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(brojevi(next.ulaz).at(i), after.at(i).toDouble());
}

void tst_KontroleUnosa::emptyTextStopsTheCommand_data()
{
    QTest::addColumn<int>("field");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(qPrintable(imenaUlaza.at(i))) << i;
}

void tst_KontroleUnosa::emptyTextStopsTheCommand()
{
    QFETCH(int, field);
    QStringList texts { ".", "0", "9", "9" }; // every value check would fail
    QVERIFY(KontrolaDuzine(tekstovi(texts)));
    texts[field].clear();
    QVERIFY(!KontrolaDuzine(tekstovi(texts)));
}

void tst_KontroleUnosa::sectionCheck_data()
{
    QTest::addColumn<QString>("zaExtM");
    QTest::addColumn<QString>("zaExtT");
    QTest::addColumn<QString>("refused"); // M, T: the fields refused, in the order of the messages
    const auto row
        = [](const char *tag, const char *zaExtM, const char *zaExtT, const char *refused) {
              QTest::newRow(tag) << QString(zaExtM) << QString(zaExtT) << QString(refused);
          };
    row("zero", "0", "0", "");
    row("zero with decimals", "0.00", "0.00", "");
    row("the span itself", "9", "9", "");
    row("moment input a lone point", ".", "0", "M");
    row("moment input beyond the span", "9.01", "0", "M");
    row("shear input beyond the span blocks the moment too", "2", "9.5", "T");
    row("both refused, moment first", ".", "12", "MT");
    for (const char *pasted : { "abc", "-3", "1e5", "1,5" })
        QTest::addRow("pasted %s", pasted) << QString(pasted) << QString("0") << QString("M");
}

void tst_KontroleUnosa::sectionCheck()
{
    QFETCH(QString, zaExtM);
    QFETCH(QString, zaExtT);
    QFETCH(QString, refused);
    QString seen;
    for (const OdbijanjePreseka &o :
        KontrolaPreseka(zaExtM.toStdString(), zaExtT.toStdString(), 9)) {
        seen += QLatin1Char(o.polje == Presek::ZaExtM ? 'M' : 'T');
        QCOMPARE(QString::fromUtf8(tekst(o.poruka)), porukaPreseka);
        QCOMPARE(o.reset, std::string("0"));
    }
    QCOMPARE(seen, refused);
}

void tst_KontroleUnosa::fieldCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("n"); // 0: refused
    QTest::newRow("start value") << "10" << 10.0;
    QTest::newRow("two") << "2" << 2.0;
    QTest::newRow("fraction") << ".5" << 0.5;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("0") << "0" << 0.0;
    QTest::newRow("00") << "00" << 0.0;
    QTest::newRow("0.") << "0." << 0.0;
    QTest::newRow(".0") << ".0" << 0.0;
    QTest::newRow("emptied field") << "" << 0.0;
    QTest::newRow("pasted letters") << "a1" << 0.0;
    QTest::newRow("pasted minus sign") << "-1" << 0.0;
    QTest::newRow("the largest typed") << "99" << 99.0;
    QTest::newRow("beyond the field") << "100" << 0.0;
    QTest::newRow("far beyond the field") << "100000" << 0.0;
}

void tst_KontroleUnosa::fieldCount()
{
    QFETCH(QString, text);
    QFETCH(double, n);
    QCOMPARE(KontrolaBrojaPolja(text.toStdString()).value_or(0.0), n);
    QCOMPARE(pocetniBrojPolja, std::string_view("10"));
}

QTEST_APPLESS_MAIN(tst_KontroleUnosa)
#include "tst_kontroleunosa.moc"
