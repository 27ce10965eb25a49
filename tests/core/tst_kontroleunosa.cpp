#include "core/KontroleUnosa.h"

#include "RefusalTexts.h"

#include <QTest>

#include <map>

using namespace KontroleUnosa;

namespace {

const QStringList imenaUlaza { QStringLiteral("txtSila1"), QStringLiteral("txtSila2"),
    QStringLiteral("txtRazmakSila"), QStringLiteral("txtRasponGrede") };

QString ime(Ulaz u)
{
    return imenaUlaza.at(static_cast<int>(u));
}

// The field that each message puts the focus into.
const std::map<QString, QString> fokusPoruke {
    { porukaP1, QStringLiteral("txtSila1") },
    { porukaP2, QStringLiteral("txtSila2") },
    { porukaP2Nula, QStringLiteral("txtSila2") },
    { porukaRazmak, QStringLiteral("txtRazmakSila") },
    { porukaRaspon, QStringLiteral("txtRasponGrede") },
    { porukaRastojanje, QStringLiteral("txtRasponGrede") },
};

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

QStringList in(const char *P1, const char *P2, const char *e, const char *L)
{
    return { QLatin1String(P1), QLatin1String(P2), QLatin1String(e), QLatin1String(L) };
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
    QTest::addColumn<QStringList>("typed"); // P1, P2, e, L
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("after"); // the four texts after the checks
    QTest::addColumn<QList<double>>("computed"); // the inputs of the calculation; none: refused
    const QStringList none;
    const QList<double> refused;

    QTest::newRow("start values") << in("206", "208", "5", "9") << none
                                  << in("206", "208", "5", "9") << QList<double> { 206, 208, 5, 9 };
    QTest::newRow("distance just under the span")
        << in("206", "208", "8.99", "9") << none << in("206", "208", "8.99", "9")
        << QList<double> { 206, 208, 8.99, 9 };
    // P1 = 0 is a single force: e becomes 0 silently, before e's own check.
    QTest::newRow("single force") << in("0", "150", "3", "6") << none << in("0", "150", "0", "6")
                                  << QList<double> { 0, 150, 0, 6 };
    QTest::newRow("single force, e a lone point") << in("0.", "150", ".",
        "6") << none << in("0.", "150", "0", "6") << QList<double> { 0, 150, 0, 6 };

    QTest::newRow("P1 a lone point") << in(".", "208", "5", "9") << QStringList { porukaP1 }
                                     << in("206", "208", "5", "9") << refused;
    QTest::newRow("P1 and L lone points, P1 first")
        << in(".", "208", "5", ".") << QStringList { porukaP1, porukaRaspon }
        << in("206", "208", "5", "9") << refused;
    QTest::newRow("P2 a lone point") << in("206", ".", "5", "9") << QStringList { porukaP2 }
                                     << in("206", "208", "5", "9") << refused;
    QTest::newRow("P2 zero") << in("206", "0", "5", "9") << QStringList { porukaP2Nula }
                             << in("206", "208", "5", "9") << refused;
    QTest::newRow("P2 zero written .0") << in("206", ".0", "5", "9") << QStringList { porukaP2Nula }
                                        << in("206", "208", "5", "9") << refused;
    QTest::newRow("P1 and P2 zero: e set to 0, P2 refused")
        << in("0", "0", "5", "9") << QStringList { porukaP2Nula } << in("0", "208", "0", "9")
        << refused;
    QTest::newRow("P1 a lone point and P2 zero")
        << in(".", "0", "5", "9") << QStringList { porukaP1, porukaP2Nula }
        << in("206", "208", "5", "9") << refused;
    QTest::newRow("e a lone point") << in("206", "208", ".", "9") << QStringList { porukaRazmak }
                                    << in("206", "208", "5", "9") << refused;
    QTest::newRow("e a lone point, its reset not under L")
        << in("206", "208", ".", "4") << QStringList { porukaRazmak, porukaRastojanje }
        << in("206", "208", "3.9", "4") << refused;
    QTest::newRow("L a lone point") << in("206", "208", "5", ".") << QStringList { porukaRaspon }
                                    << in("206", "208", "5", "9") << refused;
    QTest::newRow("L zero: reset to 9, e = 5 then passes")
        << in("206", "208", "5", "0") << QStringList { porukaRaspon } << in("206", "208", "5", "9")
        << refused;
    QTest::newRow("L zero, e beyond the reset span")
        << in("206", "208", "12", ".0") << QStringList { porukaRaspon, porukaRastojanje }
        << in("206", "208", "8.9", "9") << refused;
    QTest::newRow("e equal to L") << in("206", "208", "9", "9") << QStringList { porukaRastojanje }
                                  << in("206", "208", "8.9", "9") << refused;
    QTest::newRow("e greater than L")
        << in("206", "208", "9.5", "9.4") << QStringList { porukaRastojanje }
        << in("206", "208", "9.3", "9.4") << refused;
    QTest::newRow("L = 12.3 gives 12.2")
        << in("206", "208", "20", "12.3") << QStringList { porukaRastojanje }
        << in("206", "208", "12.2", "12.3") << refused;
    QTest::newRow("L = 0.3 gives 0.2, not 0.19999999999999998")
        << in("206", "208", "1", "0.3") << QStringList { porukaRastojanje }
        << in("206", "208", "0.2", "0.3") << refused;
    QTest::newRow("L = 0.15 gives 0.05")
        << in("206", "208", "1", ".15") << QStringList { porukaRastojanje }
        << in("206", "208", "0.05", ".15") << refused;
    QTest::newRow("L = 0.1 gives 0")
        << in("206", "208", "1", ".1") << QStringList { porukaRastojanje }
        << in("206", "208", "0", ".1") << refused;
    // L - 0.1 would be negative: a negative distance means nothing, so 0 is written.
    QTest::newRow("L = 0.05 gives 0, not -0.05")
        << in("206", "208", "1", "0.05") << QStringList { porukaRastojanje }
        << in("206", "208", "0", "0.05") << refused;
    QTest::newRow("L = 9999 gives 9998.9, longer than the field takes")
        << in("206", "208", "9999", "9999") << QStringList { porukaRastojanje }
        << in("206", "208", "9998.9", "9999") << refused;
    QTest::newRow("every field a lone point")
        << in(".", ".", ".", ".") << QStringList { porukaP1, porukaP2, porukaRazmak, porukaRaspon }
        << in("206", "208", "5", "9") << refused;

    // Pasted texts that are no number are refused like the lone point, with the same reset.
    QTest::newRow("P1 pasted letters") << in("abc", "208", "5", "9") << QStringList { porukaP1 }
                                       << in("206", "208", "5", "9") << refused;
    QTest::newRow("P1 pasted plus sign") << in("+5", "208", "5", "9") << QStringList { porukaP1 }
                                         << in("206", "208", "5", "9") << refused;
    QTest::newRow("P2 pasted negative") << in("206", "-3", "5", "9") << QStringList { porukaP2 }
                                        << in("206", "208", "5", "9") << refused;
    QTest::newRow("P2 pasted two points") << in("206", "1..5", "5", "9") << QStringList { porukaP2 }
                                          << in("206", "208", "5", "9") << refused;
    QTest::newRow("e pasted exponent")
        << in("206", "208", "1e5", "9") << QStringList { porukaRazmak }
        << in("206", "208", "5", "9") << refused;
    QTest::newRow("e pasted space") << in("206", "208", " 2", "9") << QStringList { porukaRazmak }
                                    << in("206", "208", "5", "9") << refused;
    QTest::newRow("L pasted comma") << in("206", "208", "5", "1,5") << QStringList { porukaRaspon }
                                    << in("206", "208", "5", "9") << refused;
    QTest::newRow("L pasted nan") << in("206", "208", "5", "nan") << QStringList { porukaRaspon }
                                  << in("206", "208", "5", "9") << refused;
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
        const QString poruka = QString::fromStdString(i.poruka);
        if (poruka.isEmpty()) {
            // The single force's distance: no message, and the focus stays where it was.
            QCOMPARE(ime(i.polje), QStringLiteral("txtRazmakSila"));
            QCOMPARE(i.reset, std::string("0"));
            QVERIFY(!i.fokus);
            continue;
        }
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
    QStringList texts = in(".", "0", "9", "9"); // every value check would fail
    QVERIFY(KontrolaDuzine(tekstovi(texts)));
    texts[field].clear();
    QVERIFY(!KontrolaDuzine(tekstovi(texts)));
}

void tst_KontroleUnosa::sectionCheck_data()
{
    QTest::addColumn<QString>("zaExtM");
    QTest::addColumn<QString>("zaExtT");
    QTest::addColumn<QStringList>("refused"); // "M" or "T", in the order of the messages

    const QStringList none;
    QTest::newRow("zero") << "0"
                          << "0" << none;
    QTest::newRow("zero with decimals") << "0.00"
                                        << "0.00" << none;
    QTest::newRow("the span itself") << "9"
                                     << "9" << none;
    QTest::newRow("moment input a lone point") << "."
                                               << "0" << QStringList { "M" };
    QTest::newRow("moment input beyond the span") << "9.01"
                                                  << "0" << QStringList { "M" };
    QTest::newRow("shear input beyond the span blocks the moment too")
        << "2"
        << "9.5" << QStringList { "T" };
    QTest::newRow("both refused, moment first") << "."
                                                << "12" << QStringList { "M", "T" };
    for (const char *pasted : { "abc", "-3", "1e5", "1,5" })
        QTest::addRow("pasted %s", pasted) << pasted << "0" << QStringList { "M" };
}

void tst_KontroleUnosa::sectionCheck()
{
    QFETCH(QString, zaExtM);
    QFETCH(QString, zaExtT);
    QFETCH(QStringList, refused);
    QStringList seen;
    for (const OdbijanjePreseka &o :
        KontrolaPreseka(zaExtM.toStdString(), zaExtT.toStdString(), 9)) {
        seen << QString::fromLatin1(o.polje == Presek::ZaExtM ? "M" : "T");
        QCOMPARE(QString::fromStdString(o.poruka), porukaPreseka);
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
